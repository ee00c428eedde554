#include "dialogs/frm_start.h"
#include "support/board_diagram.h"
#include "view/board_display.h"

#include <gtest/gtest.h>
#include <vector>

namespace tarvo {
namespace {

class BoardDisplayTest : public testing::Test {
protected:
    // How many of the image's pixels in the area have the colour, counted in
    // the area's logical pixels: with QT_SCALE_FACTOR=2 each holds four.
    int Count(QRect area, const QColor& colour) const {
        const QImage& image = pictures.picV->image();
        const int r = static_cast<int>(image.devicePixelRatio());
        int count = 0;
        for (int y = area.top() * r; y < (area.bottom() + 1) * r; ++y) {
            for (int x = area.left() * r; x < (area.right() + 1) * r; ++x) {
                count += image.pixelColor(x, y) == colour;
            }
        }
        return count / (r * r);
    }
    // The number bands' cells: above the board for a column, left of it for a row.
    static QRect Column(int n) { return {30 * n, 0, 30, 30}; }
    static QRect Row(int n) { return {0, 30 * n, 30, 30}; }

    QWidget parent;
    BoardPictures pictures = CreateBoardPictures(&parent);
    BoardDisplay display{pictures};
    GameState state = test::Board("X27");
};

// Also run with QT_SCALE_FACTOR=2, where the image has four pixels for each.
TEST_F(BoardDisplayTest, CellsGridNumbersAndTheStripBeside) {
    state.CellSize = CellSizeFor(pictures.picV->width());
    display.DrawBoard(state);
    EXPECT_EQ(pictures.picV->image().size(),
              pictures.picV->size() * pictures.picV->devicePixelRatio());
    for (int i = 1; i <= 8; ++i) {
        for (int j = 1; j <= 8; ++j) {
            const int16_t code = state.Board(i, j);
            const QColor fill = code == Black   ? colours::kBlackPiece
                                : code == White ? colours::kWhitePiece
                                                : colours::kEmptyCell;
            EXPECT_EQ(Count({30 * j + 2, 30 * i + 2, 28, 28}, fill), 28 * 28) << i << "," << j;
            EXPECT_EQ(Count({30 * j, 30 * i + 2, 2, 28}, colours::kGrid), 2 * 28);
        }
        EXPECT_GT(Count(Column(i), colours::kNumber) + Count(Row(i), colours::kNumber), 40) << i;
        EXPECT_GT(Count(Column(i), colours::kNumberShadow), 5) << i;
    }
    EXPECT_EQ(Count({272, 0, 18, 278}, colours::kWindow), 18 * 278);
}

TEST_F(BoardDisplayTest, TheRedCrossAndNumbersLastUntilTheNextDrawingAndTheSnapshotKeepsThem) {
    state.CellSize = 30;
    state.CompColor = Black;
    display.DrawBoard(state);
    const QImage clean = pictures.picV->image().copy();
    display.ShowTurnOwner(Black, "Computer's turn, Black");
    display.MarkMove(state, 1, 8);
    for (int k = 3; k <= 27; ++k) {
        EXPECT_EQ(pictures.picV->image().pixelColor(240 + k, 30 + k), colours::kMark) << k;
        EXPECT_EQ(pictures.picV->image().pixelColor(240 + k, 60 - k), colours::kMark) << k;
    }
    EXPECT_GT(Count(Column(8), colours::kMark) + Count(Row(1), colours::kMark), 40);
    EXPECT_EQ(Count(Column(1), colours::kMark) + Count(Row(8), colours::kMark), 0);
    display.ShowGained(12);
    display.SnapshotBoard(0);
    const QImage marked = pictures.picV->image().copy();
    display.DrawBoard(state);
    EXPECT_EQ(pictures.picV->image(), clean);
    EXPECT_EQ(pictures.picB->image(), marked);
    EXPECT_EQ(pictures.lblWinst[1]->text(), "12");
    EXPECT_EQ(pictures.lblWinst[1]->palette().color(QPalette::Window), QColor(Qt::black));
}

TEST_F(BoardDisplayTest, TakingMovesBackAndReplayingThemShowsTheirPicturesAgain) {
    state.CellSize = 30;
    std::vector<QImage> kept;
    // Two moves, then the second taken back and another played in its place.
    for (const auto& [movesBefore, col] : {std::pair{0, 1}, {1, 2}, {1, 3}}) {
        display.DrawBoard(state);
        display.MarkMove(state, 3, col);
        display.ShowGained(col);
        display.SnapshotBoard(movesBefore);
        kept.push_back(pictures.picB->image().copy());
    }
    display.RestoreSnapshot(1);
    EXPECT_EQ(pictures.picB->image(), kept[0]);
    EXPECT_EQ(pictures.lblWinst[1]->text(), "1");
    display.RestoreSnapshot(2);
    EXPECT_EQ(pictures.picB->image(), kept[2]) << "the move played in place of the other";
    EXPECT_EQ(pictures.lblWinst[1]->text(), "3");
    display.RestoreSnapshot(0);
    EXPECT_EQ(pictures.picB->image().pixelColor(100, 100), colours::kWindow);
    EXPECT_TRUE(pictures.lblWinst[1]->text().isEmpty());
}

TEST(BoardStyles, HighContrastMeetsTheContrastOfWcagAa) {
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(Qt::red, Qt::red), 1.0, 1e-9);
    const StyleColours& c = ColoursOf(BoardStyle::HighContrast);
    frmStart dialog(nullptr, Opponents::Computer);
    dialog.SetHighContrast();
    const QPalette white = dialog.optColor[1]->palette();
    // Texts need 4.5, discs, lines and marks 3 against what lies next to them.
    const struct {
        const char* what;
        QColor a;
        QColor b;
        double needed;
    } pairs[] = {
        {"black disc on a cell", c.blackPiece, c.empty, 3},
        {"white disc on a cell", c.whitePiece, c.empty, 3},
        {"grid on a cell", c.grid, c.empty, 3},
        {"numbers", c.number, c.window, 4.5},
        {"marked numbers", c.mark, c.window, 4.5},
        {"status line", c.text, c.window, 4.5},
        {"cross on its edge", c.mark, c.markShadow, 3},
        {"edge on a cell", c.markShadow, c.empty, 3},
        {"edge on a white disc", c.markShadow, c.whitePiece, 3},
        {"legal-move dot", c.legal, c.empty, 3},
        {"hint ring", c.hint, c.empty, 3},
        {"keyboard frame", c.cursor, c.empty, 3},
        {"white caption of the colour dialog", white.color(QPalette::WindowText),
         white.color(dialog.optColor[1]->backgroundRole()), 4.5},
    };
    for (const auto& pair : pairs) {
        EXPECT_GE(ContrastRatio(pair.a, pair.b), pair.needed) << pair.what;
    }
    EXPECT_TRUE(c.edgedMarks);
}

} // namespace
} // namespace tarvo
