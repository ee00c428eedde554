#pragma once

#include "game/game_state.h"
#include "view/board_style.h"
#include "view/picture_box.h"

#include <QColor>
#include <QCoreApplication>
#include <QLabel>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

namespace tarvo {

// The board picture, the picture of the latest move beneath it, and the
// turn and gain labels in their corners.
struct BoardPictures {
    PictureBox* picV;
    PictureBox* picB;
    QLabel* lblWinst[2];
};

// Builds the two pictures at their place in `parent`, picV on top.
BoardPictures CreateBoardPictures(QWidget* parent);

// The side of one board cell: the picture's width over 9.5, rounded down.
int16_t CellSizeFor(int pictureWidth);

// The integer nearest to v, halves to the even neighbour.
int16_t Nearest(double v);

// Top-left corners of the number of column or row n in the band, for a text
// of w x h pixels and cell size s.
QPoint ColumnNumberAt(int s, int n, QSize extent);
QPoint RowNumberAt(int s, int n, QSize extent);

// The comforts drawn over the board, never into it: a dot on each cell the
// human may play, a ring on the hinted cell and the keyboard's frame. Rows
// and columns 1..8; 0 for none.
struct BoardAids {
    std::vector<QPoint> legal; // x the column, y the row
    QPoint hint;
    QPoint cursor;
};

class BoardDisplay {
    Q_DECLARE_TR_FUNCTIONS(BoardDisplay)

public:
    explicit BoardDisplay(const BoardPictures& pictures) : pictures_(pictures) {}

    // Draws from now on in the style's colours; the board is drawn again by
    // the caller.
    void SetStyle(BoardStyle style);
    const StyleColours& colours() const { return *colours_; }

    // Repaints the whole board from the game state; any mark disappears.
    void DrawBoard(const GameState& state);
    static void DrawLabel(PictureBox& pic, const QString& text, int x, int y, QColor colour);

    // The label takes the colours of the side to move; `name` is what a
    // screen reader says of it.
    void ShowTurnOwner(int16_t colour, const QString& name);
    // Crosses the cell in red and reddens its numbers.
    void MarkMove(const GameState& state, int row, int col);
    // Shows the pieces gained in the label.
    void ShowGained(int count);
    // Keeps the marked old position and the label in picB, and remembers it
    // as the picture of the move after `movesBefore` moves, so that taking
    // moves back or replaying them can show it again; the pictures of later
    // moves, taken back and now replaced, are forgotten.
    void SnapshotBoard(int movesBefore);
    // Shows the picture kept after `moveCount` moves again (none for 0).
    void RestoreSnapshot(int moveCount);
    void ForgetSnapshots() { snapshots_.clear(); }
    void ShowAids(int cellSize, const BoardAids& aids);

private:
    void DrawNumbers(int s, int n, QPoint (*place)(int, int, QSize), QColor shadow, QColor colour);

    struct Snapshot {
        QByteArray png; // a board kept whole would cost 300 KB a move
        QString text;
        QColor back;
        QColor fore;
    };

    BoardPictures pictures_;
    std::map<int, Snapshot> snapshots_; // by the moves before it: a game may start late
    QString turnName_;
    const StyleColours* colours_ = &ColoursOf(BoardStyle::Classic);
};

} // namespace tarvo
