#include "support/board_diagram.h"
#include "view/board_display.h"

#include <QFontInfo>
#include <functional>
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

QColor At(const PictureBox& picture, int x, int y) {
    return picture.image().pixelColor(x, y);
}

int CountPixels(const QImage& image, QRect area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixelColor(x, y) == colour;
        }
    }
    return count;
}

class BoardDisplayTest : public testing::Test {
protected:
    BoardDisplayTest()
        : pictures(CreateBoardPictures(&parent)), display(pictures, pauser),
          state(test::OpeningState(Black)) {
        state.CellSize = CellSizeFor(pictures.picV->width());
    }

    PictureBox& picV() { return *pictures.picV; }
    static QRect ColumnSlot(int n) { return {30 * n, 0, 30, 30}; }
    static QRect RowSlot(int n) { return {0, 30 * n, 30, 30}; }

    QWidget parent;
    BoardPictures pictures;
    RecordingPauser pauser;
    BoardDisplay display;
    GameState state;
};

TEST(BoardGeometry, CellSizeIsTheWidthOverNineAndAHalfRoundedDown) {
    EXPECT_EQ(CellSizeFor(290), 30);
    EXPECT_EQ(CellSizeFor(285), 30);
    EXPECT_EQ(CellSizeFor(284), 29);
    EXPECT_EQ(CellSizeFor(19), 2);
}

TEST(BoardGeometry, NearestGoesToTheEvenNeighbourOnHalves) {
    const std::pair<double, int> rows[] = {{8.5, 8}, {9.5, 10}, {248.5, 248}, {-0.5, 0},
                                           {2.4, 2}, {2.6, 3},  {1.5, 2},     {0.0, 0}};
    for (const auto& [v, expected] : rows) {
        EXPECT_EQ(Nearest(v), expected) << v;
    }
}

TEST(BoardGeometry, NumberPlaces) {
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(ColumnNumberAt(30, n, {13, 27}), QPoint(30 * n + 8, 2)) << n;
        EXPECT_EQ(ColumnNumberAt(30, n, {14, 28}), QPoint(30 * n + 8, 1)) << n;
        EXPECT_EQ(ColumnNumberAt(30, n, {12, 27}), QPoint(30 * n + 9, 2)) << n;
        EXPECT_EQ(RowNumberAt(30, n, {13, 27}), QPoint(8, 30 * n + 2)) << n;
        EXPECT_EQ(RowNumberAt(30, n, {13, 28}), QPoint(8, 30 * n + 1)) << n;
    }
}

TEST_F(BoardDisplayTest, PicturesAndLabelsLieWhereTheWindowIsDesigned) {
    EXPECT_EQ(pictures.picV->geometry(), QRect(14, 48, 290, 278));
    EXPECT_EQ(pictures.picB->geometry(), QRect(14, 48, 290, 278));
    EXPECT_EQ(pictures.lblWinst[0]->parentWidget(), pictures.picV);
    EXPECT_EQ(pictures.lblWinst[1]->parentWidget(), pictures.picB);
    for (QLabel* label : pictures.lblWinst) {
        EXPECT_EQ(label->geometry(), QRect(3, 4, 25, 23));
        EXPECT_TRUE(label->text().isEmpty());
        EXPECT_EQ(label->alignment(), Qt::AlignCenter);
    }
    EXPECT_EQ(pictures.lblWinst[0]->toolTip(), "Pieces gained in each turn");
    EXPECT_TRUE(pictures.lblWinst[1]->toolTip().isEmpty());
    // picV lies above picB, so picB is only seen while picV is hidden.
    const QObjectList& children = parent.children();
    EXPECT_GT(children.indexOf(pictures.picV), children.indexOf(pictures.picB));
}

TEST_F(BoardDisplayTest, BoardTextIsArialBoldOrItsMetricTwin) {
    const QFontInfo info(picV().drawFont());
    EXPECT_TRUE(info.family() == "Arial" || info.family() == "Liberation Sans")
        << info.family().toStdString();
    EXPECT_TRUE(info.bold());
    EXPECT_EQ(picV().TextExtent("1").width(), 13);
}

TEST_F(BoardDisplayTest, OpeningPositionCellsAndNoSwappedRowsOrColumns) {
    state.Board(2, 7) = Black;
    display.DrawBoard(state);
    for (int i = 1; i <= 8; ++i) {
        for (int j = 1; j <= 8; ++j) {
            const int16_t code = state.Board(i, j);
            const QColor expected = code == Black   ? colours::kBlackPiece
                                    : code == White ? colours::kWhitePiece
                                                    : colours::kEmptyCell;
            for (const auto& [dx, dy] : {std::pair{3, 3}, {15, 15}, {28, 28}, {3, 28}}) {
                EXPECT_EQ(At(picV(), 30 * j + dx, 30 * i + dy), expected) << i << "," << j;
            }
        }
    }
    EXPECT_EQ(At(picV(), 7 * 30 + 15, 2 * 30 + 15), colours::kBlackPiece);
    EXPECT_EQ(At(picV(), 2 * 30 + 15, 7 * 30 + 15), colours::kEmptyCell);
}

TEST_F(BoardDisplayTest, AllEmptyBoardHasGreyCellsAndAGreyGrid) {
    test::SetBoard(state, std::string(64, '.'));
    display.DrawBoard(state);
    for (int i = 1; i <= 8; ++i) {
        for (int j = 1; j <= 8; ++j) {
            EXPECT_EQ(At(picV(), 30 * j + 15, 30 * i + 15), colours::kEmptyCell);
        }
    }
    // Nine vertical and nine horizontal lines, each two pixels wide.
    for (int k = 1; k <= 9; ++k) {
        for (int along = 30; along <= 271; ++along) {
            for (int width = 0; width < 2; ++width) {
                ASSERT_EQ(At(picV(), 30 * k + width, along), colours::kGrid) << k << " " << along;
                ASSERT_EQ(At(picV(), along, 30 * k + width), colours::kGrid) << k << " " << along;
            }
        }
    }
}

TEST_F(BoardDisplayTest, TheStripsAndTheCornerShowTheWindowColour) {
    display.DrawBoard(state);
    const QImage& image = picV().image();
    EXPECT_EQ(CountPixels(image, QRect(272, 0, 18, 278), colours::kWindow), 18 * 278);
    EXPECT_EQ(CountPixels(image, QRect(0, 272, 290, 6), colours::kWindow), 290 * 6);
    EXPECT_EQ(CountPixels(image, QRect(0, 0, 30, 30), colours::kWindow), 30 * 30);
}

TEST_F(BoardDisplayTest, EveryBandSlotHoldsACyanNumberWithAWhiteShadow) {
    display.DrawBoard(state);
    const QImage& image = picV().image();
    for (int n = 1; n <= 8; ++n) {
        for (const QRect& slot : {ColumnSlot(n), RowSlot(n)}) {
            EXPECT_GT(CountPixels(image, slot, colours::kNumber), 20) << n;
            EXPECT_GT(CountPixels(image, slot, colours::kNumberShadow), 5) << n;
            EXPECT_EQ(CountPixels(image, slot, colours::kMark), 0) << n;
        }
    }
}

TEST_F(BoardDisplayTest, MarkMoveCrossesTheCellReddensItsNumbersAndPauses) {
    display.DrawBoard(state);
    EXPECT_TRUE(display.MarkMove(state, 1, 8));
    EXPECT_EQ(pauser.pauses, std::vector<int>{500});
    for (int k = 3; k <= 27; ++k) {
        EXPECT_EQ(At(picV(), 240 + k, 30 + k), colours::kMark) << k;
        EXPECT_EQ(At(picV(), 240 + k, 60 - k), colours::kMark) << k;
    }
    const QImage& image = picV().image();
    EXPECT_EQ(CountPixels(image, QRect(0, 62, 290, 216), colours::kMark), 0);
    for (const QRect& slot : {ColumnSlot(8), RowSlot(1)}) {
        EXPECT_GT(CountPixels(image, slot, colours::kMark), 20);
        EXPECT_GT(CountPixels(image, slot, colours::kMarkShadow), 5);
        EXPECT_EQ(CountPixels(image, slot, colours::kNumber), 0);
    }
    for (const QRect& slot : {ColumnSlot(1), RowSlot(8)}) {
        EXPECT_EQ(CountPixels(image, slot, colours::kMark), 0);
    }
}

TEST_F(BoardDisplayTest, MarkMoveAndShowGainedReportACutShortPause) {
    pauser.answer = false;
    EXPECT_FALSE(display.MarkMove(state, 3, 5));
    EXPECT_FALSE(display.ShowGained(2));
    EXPECT_EQ(pauser.pauses, (std::vector<int>{500, 1000}));
}

TEST_F(BoardDisplayTest, DrawBoardWipesTheMarkAndRepeatsItself) {
    display.DrawBoard(state);
    const QImage clean = picV().image().copy();
    display.MarkMove(state, 6, 2);
    display.DrawBoard(state);
    EXPECT_EQ(CountPixels(picV().image(), picV().image().rect(), colours::kMark), 0);
    EXPECT_EQ(picV().image(), clean);
}

TEST_F(BoardDisplayTest, ShowTurnOwnerColours) {
    struct Row {
        int16_t comp;
        const char* who;
        QColor back, text;
    };
    const Row rows[] = {
        {Black, "comp", Qt::black, Qt::white}, {Black, "you", Qt::white, Qt::black},
        {Black, "Comp", Qt::white, Qt::black}, {White, "comp", Qt::white, Qt::black},
        {White, "you", Qt::black, Qt::white},  {White, "", Qt::black, Qt::white},
    };
    QLabel& label = *pictures.lblWinst[0];
    for (const Row& row : rows) {
        state.CompColor = row.comp;
        state.HumanColor = OpponentOf(row.comp);
        label.setText("7");
        display.ShowTurnOwner(state, row.who);
        EXPECT_EQ(label.palette().color(QPalette::Window), row.back) << row.who;
        EXPECT_EQ(label.palette().color(QPalette::WindowText), row.text) << row.who;
        EXPECT_TRUE(label.text().isEmpty());
    }
}

TEST_F(BoardDisplayTest, SnapshotKeepsTheMarkedBoardAndTheGainLabel) {
    display.DrawBoard(state);
    state.CompColor = Black;
    display.ShowTurnOwner(state, "comp");
    display.MarkMove(state, 3, 4);
    EXPECT_TRUE(display.ShowGained(12));
    EXPECT_EQ(pictures.lblWinst[0]->text(), "12");
    display.SnapshotBoard();

    const QImage marked = picV().image().copy();
    EXPECT_EQ(pictures.picB->image(), marked);
    QLabel& kept = *pictures.lblWinst[1];
    EXPECT_EQ(kept.text(), "12");
    EXPECT_EQ(kept.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(kept.palette().color(QPalette::WindowText), QColor(Qt::white));

    display.DrawBoard(state);
    display.ShowTurnOwner(state, "you");
    EXPECT_NE(picV().image(), marked);
    EXPECT_EQ(pictures.picB->image(), marked);
    EXPECT_EQ(kept.text(), "12");
    EXPECT_EQ(kept.palette().color(QPalette::Window), QColor(Qt::black));
}

} // namespace
} // namespace tarvo
