#include "support/board_diagram.h"
#include "view/board_display.h"

#include <gtest/gtest.h>
#include <vector>

namespace tarvo {
namespace {

class RecordingPauser : public Pauser {
public:
    bool Pause(int ms) override {
        pauses.push_back(ms);
        return answer;
    }
    std::vector<int> pauses;
    bool answer = true;
};

int CountPixels(const QImage& image, QRect area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixelColor(x, y) == colour;
        }
    }
    return count;
}

// The slots of the column numbers above the board and the row numbers left of it.
QRect ColumnSlot(int n) {
    return {30 * n, 0, 30, 30};
}
QRect RowSlot(int n) {
    return {0, 30 * n, 30, 30};
}

class BoardDisplayTest : public testing::Test {
protected:
    BoardDisplayTest() : pictures(CreateBoardPictures(&parent)), display(pictures, pauser) {
        state.CellSize = CellSizeFor(pictures.picV->width());
    }
    const QImage& image() const { return pictures.picV->image(); }
    QColor At(int x, int y) const { return image().pixelColor(x, y); }

    QWidget parent;
    BoardPictures pictures;
    RecordingPauser pauser;
    BoardDisplay display;
    GameState state = test::Board("X27");
};

TEST_F(BoardDisplayTest, CellsGridNumbersAndStrips) {
    EXPECT_EQ(CellSizeFor(284), 29);
    display.DrawBoard(state);
    for (int i = 1; i <= 8; ++i) {
        for (int j = 1; j <= 8; ++j) {
            const int16_t code = state.Board(i, j);
            const QColor fill = code == Black   ? colours::kBlackPiece
                                : code == White ? colours::kWhitePiece
                                                : colours::kEmptyCell;
            EXPECT_EQ(CountPixels(image(), {30 * j + 2, 30 * i + 2, 28, 28}, fill), 28 * 28)
                << i << "," << j;
            EXPECT_EQ(At(30 * j, 30 * i + 15), colours::kGrid);
            EXPECT_EQ(At(30 * j + 1, 30 * i + 15), colours::kGrid);
        }
        for (const QRect& slot : {ColumnSlot(i), RowSlot(i)}) {
            EXPECT_GT(CountPixels(image(), slot, colours::kNumber), 20) << i;
            EXPECT_GT(CountPixels(image(), slot, colours::kNumberShadow), 5) << i;
        }
    }
    EXPECT_EQ(CountPixels(image(), {272, 0, 18, 278}, colours::kWindow), 18 * 278);
}

TEST_F(BoardDisplayTest, MarkMoveCrossesTheCellAndReddensItsNumbersUntilTheNextDrawing) {
    display.DrawBoard(state);
    const QImage clean = image().copy();
    EXPECT_TRUE(display.MarkMove(state, 1, 8));
    for (int k = 3; k <= 27; ++k) {
        EXPECT_EQ(At(240 + k, 30 + k), colours::kMark) << k;
        EXPECT_EQ(At(240 + k, 60 - k), colours::kMark) << k;
    }
    EXPECT_EQ(CountPixels(image(), {0, 62, 290, 216}, colours::kMark), 0);
    for (const QRect& slot : {ColumnSlot(8), RowSlot(1)}) {
        EXPECT_GT(CountPixels(image(), slot, colours::kMark), 20);
        EXPECT_EQ(CountPixels(image(), slot, colours::kNumber), 0);
    }
    EXPECT_EQ(CountPixels(image(), ColumnSlot(1), colours::kMark), 0);
    EXPECT_EQ(CountPixels(image(), RowSlot(8), colours::kMark), 0);
    pauser.answer = false;
    EXPECT_FALSE(display.ShowGained(2)) << "a cut-short pause is reported";
    EXPECT_EQ(pauser.pauses, (std::vector<int>{500, 1000}));
    display.DrawBoard(state);
    EXPECT_EQ(image(), clean);
}

TEST_F(BoardDisplayTest, TheTurnLabelAndTheSnapshotOfTheMarkedBoard) {
    // Computer colour, whose turn, and the label's back colour.
    const std::tuple<int16_t, const char*, QColor> rows[] = {{Black, "comp", Qt::black},
                                                             {Black, "you", Qt::white},
                                                             {White, "comp", Qt::white},
                                                             {White, "you", Qt::black},
                                                             {White, "", Qt::black}};
    QLabel& label = *pictures.lblWinst[0];
    for (const auto& [comp, who, back] : rows) {
        state.CompColor = comp;
        label.setText("7");
        display.ShowTurnOwner(state, who);
        EXPECT_EQ(label.palette().color(QPalette::Window), back) << comp << who;
        EXPECT_NE(label.palette().color(QPalette::WindowText), back) << comp << who;
        EXPECT_TRUE(label.text().isEmpty());
    }
    display.DrawBoard(state);
    state.CompColor = Black;
    display.ShowTurnOwner(state, "comp");
    display.MarkMove(state, 3, 4);
    display.ShowGained(12);
    display.SnapshotBoard();
    const QImage marked = image().copy();
    display.DrawBoard(state);
    display.ShowTurnOwner(state, "you");
    EXPECT_EQ(pictures.picB->image(), marked);
    EXPECT_EQ(pictures.lblWinst[1]->text(), "12");
    EXPECT_EQ(pictures.lblWinst[1]->palette().color(QPalette::Window), QColor(Qt::black));
}

} // namespace
} // namespace tarvo
