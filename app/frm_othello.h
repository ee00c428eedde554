#pragma once

#include "app/board_comforts.h"
#include "app/flip_animation.h"
#include "app/game_driver.h"
#include "app/help_viewer.h"
#include "app/main_actions.h"
#include "app/review_window.h"
#include "app/sound_player.h"
#include "dialogs/frm_start.h"
#include "scores/score_table.h"
#include "view/board_display.h"

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace tarvo {

// The date panel's text: two-digit day, the month's short name in the
// locale's language, four-digit year.
QString StatusDate(QDate date, const QLocale& locale);

// The main window: a 620 x 356 client area below the menu bar, holding the
// toolbar at its top, the board pictures, the logo and the status bar. Its
// commands go to the game session, whose events it shows and speaks.
class frmOthello : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(frmOthello)

public:
    static constexpr QSize kClientSize{620, 356};

    frmOthello(Clock& clock, ScoreRecords& scores, QWidget* parent = nullptr);
    ~frmOthello() override;

    // The menu's commands; the toolbar's buttons reach them too.
    void mnuGameStatus_Click();
    void mnuGameScore_Click();
    void mnuGameStatistics_Click();
    void mnuGameExit_Click();
    void mnuHelpTopics_Click();
    void mnuHelpWeb_Click();
    void mnuHelpAbout_Click();
    // Takes back moves, or shows the engine's best move for about two seconds;
    // both only while the game waits for the human's move.
    void mnuGameUndo_Click();
    void mnuGameRedo_Click();
    void mnuGameHint_Click();
    // Game > Review game, Open game, Save game, Copy and Paste transcript: the
    // latest game, or one from a file or the clipboard, in the review.
    void mnuGameReview_Click();
    void mnuGameOpen_Click();
    void mnuGameSave_Click();
    void mnuGameCopy_Click();
    void mnuGamePaste_Click();
    // The review of a game, from which a new game may go on.
    ReviewWindow* ReviewGame(GameRecord record);
    // The latest game as a record, dated today.
    GameRecord LatestGame() const;
    // Game > Level: applies from the computer's next move and is remembered.
    void SetLevel(Level level);
    // Game > Show legal moves: dots on the cells the human may play while
    // the game waits for a move; remembered.
    void SetShowLegalMoves(bool on);
    bool showLegalMoves() const { return comforts_.showLegal(); }
    // View > Board style: remembered.
    void SetBoardStyle(BoardStyle style);
    BoardStyle boardStyle() const { return style_; }
    // View > Animate moves: remembered.
    void SetAnimateMoves(bool on);
    const FlipAnimation& flipAnimation() const { return *flip_; }
    // View > Sound: remembered; the sounds are loaded when first switched on.
    void SetSound(bool on);
    const SoundPlayer& sound() const { return sound_; }
    Level level() const { return level_; }
    // Opens `sURL` in the desktop's browser, or says why it cannot.
    void WebLaunch(const QString& sURL);

    GameState& state() { return driver_.session().state(); }
    GameSession& session() { return driver_.session(); }
    const BoardPictures& pictures() const { return pictures_; }
    QWidget* clientArea() const { return client_; }
    QLabel* statusPanel(int index) const { return statusPanels_[index]; }
    QLabel* logo() const { return ImgLogo_; }
    QAction* mnuGameStatus() const { return actions_.status; }
    const MainActions& actions() const { return actions_; }
    // The menu item of a name, such as "mnuGameScore".
    QAction* menuItem(const QString& name) const;
    QToolBar* toolbar() const { return Toolbar1_; }
    HelpViewer* helpViewer() const { return help_; }

    // A mouse release at (x, y) in the board picture's pixels.
    void picV_MouseUp(float x, float y);
    GameDriver& driver() { return driver_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool MenuKeyPress(QObject* watched, QEvent* event);
    void BuildStatusBar();
    void Form_Load();
    void LoadOptions();
    void SaveOption(const QString& key, const QString& value);
    // Enables Undo, Redo and Hint while the game waits for a person, and
    // ends a hint's search and ring.
    void SetTurnCommands(bool waiting);
    // The window's own part in the game: its commands and boxes.
    void OnEvent(const SessionEvent& event);
    void ShowBox(const SessionEvent& event);
    void ShowRunning(bool running);
    void ApplyBoardStyle(BoardStyle style);
    bool ConfirmStop();
    // Asks who plays, and starts a game from `from`, after stopping one that runs.
    void StartGame(const GameStart& from);

    QWidget* client_;
    BoardPictures pictures_;
    QLabel* ImgLogo_;
    QToolBar* Toolbar1_ = nullptr;
    QStatusBar* StatusBar1_ = nullptr;
    QLabel* statusPanels_[2] = {};
    HelpViewer* help_;
    MainActions actions_{};
    BoardDisplay display_;
    ScoreRecords& scores_;
    Level level_ = Level::Classic;
    BoardStyle style_ = BoardStyle::Classic;
    Opponents opponents_ = Opponents::Computer;
    GameDriver driver_;
    BoardComforts comforts_{display_, pictures_.picV, driver_};
    SoundPlayer sound_{SoundLibraryCandidates()};
    FlipAnimation* flip_ = new FlipAnimation(display_, driver_.session(), pictures_.picV);
};

} // namespace tarvo
