#pragma once

#include "app/game_driver.h"
#include "view/board_display.h"

#include <QCoreApplication>
#include <QPoint>
#include <QTimer>

namespace tarvo {

// The comforts on the board while a person chooses: the grey dots on the
// legal moves, the ring round the hint for two seconds, and the keyboard's
// frame. They are drawn over the board and named to a screen reader.
class BoardComforts : public QObject {
    Q_DECLARE_TR_FUNCTIONS(BoardComforts)

public:
    BoardComforts(BoardDisplay& display, QWidget* picV, GameDriver& driver);

    void SetShowLegal(bool on);
    bool showLegal() const { return showLegal_; }
    // H: asks the Expert level for the person's best move and rings it; while
    // the ring shows, H starts its two seconds again.
    void AskHint();
    // The game waits for a person again, or no longer: a hint is dropped.
    void Reset();
    // The arrow keys, and Enter or Space over the frame: true when taken.
    bool Key(int key);
    // "row 3, column 5, empty", with ", legal move" where a dot shows.
    QString CellName(int row, int col) const;
    void Refresh();

private:
    void ShowHint(int cell);
    bool IsShownLegal(int row, int col) const;

    BoardDisplay& display_;
    QWidget* picV_;
    GameDriver& driver_;
    bool showLegal_ = false;
    // Column (x) and row (y) of the keyboard's frame and of the hint; null for none.
    QPoint cursor_;
    QPoint hint_;
    QTimer ring_;
    bool asked_ = false;
};

} // namespace tarvo
