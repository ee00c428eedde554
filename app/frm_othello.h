#pragma once

#include "app/timed_pause.h"
#include "game/game_state.h"
#include "view/board_display.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QStatusBar>

namespace tarvo {

// The date panel's text: two-digit day, the month's short name in the
// locale's language, four-digit year.
QString StatusDate(QDate date, const QLocale& locale);

// The main window: a 620 x 356 client area below the menu bar, holding the
// toolbar at its top, the board pictures, the logo and the status bar.
class frmOthello : public QMainWindow {
public:
    static constexpr QSize kClientSize{620, 356};

    explicit frmOthello(Clock& clock, QWidget* parent = nullptr);

    void ShowStatus(const QString& text);

    GameState& state() { return state_; }
    BoardDisplay& display() { return display_; }
    const BoardPictures& pictures() const { return pictures_; }
    QWidget* clientArea() const { return client_; }
    QLabel* statusPanel(int index) const { return statusPanels_[index]; }
    QLabel* logo() const { return ImgLogo_; }

private:
    void Form_Load();

    QWidget* client_;
    BoardPictures pictures_;
    QLabel* ImgLogo_;
    QStatusBar* StatusBar1_;
    QLabel* statusPanels_[2];
    GameState state_;
    TimedPause pause_;
    BoardDisplay display_;
};

} // namespace tarvo
