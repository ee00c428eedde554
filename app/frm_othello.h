#pragma once

#include "app/game_driver.h"
#include "app/help_viewer.h"
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
    void mnuGameExit_Click();
    void mnuHelpTopics_Click();
    void mnuHelpWeb_Click();
    void mnuHelpAbout_Click();
    // Takes back moves, or shows the engine's best move for about two seconds;
    // both only while the game waits for the human's move.
    void mnuGameUndo_Click();
    void mnuGameRedo_Click();
    void mnuGameHint_Click();
    // Game > Level: applies from the computer's next move and is remembered.
    void SetLevel(Level level);
    // Game > Show legal moves: dots on the cells the human may play while
    // the game waits for a move; remembered.
    void SetShowLegalMoves(bool on);
    bool showLegalMoves() const { return showLegal_; }
    Level level() const { return level_; }
    // Runs the command of a toolbar button's key.
    void ButtonClick(const QString& key);
    // Opens `sURL` in the desktop's browser, or says why it cannot.
    void WebLaunch(const QString& sURL);

    GameState& state() { return driver_.session().state(); }
    GameSession& session() { return driver_.session(); }
    const BoardPictures& pictures() const { return pictures_; }
    QWidget* clientArea() const { return client_; }
    QLabel* statusPanel(int index) const { return statusPanels_[index]; }
    QLabel* logo() const { return ImgLogo_; }
    QAction* mnuGameStatus() const { return mnuGameStatus_; }
    // The menu item of a name, such as "mnuGameScore".
    QAction* menuItem(const QString& name) const;
    QToolBar* toolbar() const { return Toolbar1_; }
    // The toolbar button of a key: "start", "stop", "score", "help", "about", "web".
    QAction* button(const QString& key) const;
    HelpViewer* helpViewer() const { return help_; }

    // A mouse release at (x, y) in the board picture's pixels.
    void picV_MouseUp(float x, float y);
    // Enters a person's count in the ten best of the level's table.
    void RecordScore(int16_t count, Level level);
    GameDriver& driver() { return driver_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    bool MenuKeyPress(QObject* watched, QEvent* event);
    void BuildToolbar();
    void BuildStatusBar();
    void Form_Load();
    void BuildLevelMenu(QMenu* game, QAction* before);
    void BuildAidItems(QMenu* game);
    void LoadOptions();
    void SaveOption(const QString& key, const QString& value);
    // The arrow keys, and Enter or Space over the frame: true when taken.
    bool BoardKey(int key);
    // Enables Undo, Redo and Hint while the game waits for a person, and
    // ends a hint's search and ring.
    void SetTurnCommands(bool waiting);
    void ShowHint(int cell);
    void RefreshAids();
    QString CellName(int row, int col) const;
    bool IsShownLegal(int row, int col) const;
    // The window's part in the game: drawing, the status line and speech.
    void OnEvent(const SessionEvent& event);
    void ShowBox(const SessionEvent& event);
    void ShowRunning(bool running);
    void Announce(int16_t colour, int row, int col);

    QWidget* client_;
    BoardPictures pictures_;
    QLabel* ImgLogo_;
    QToolBar* Toolbar1_ = nullptr;
    QStatusBar* StatusBar1_ = nullptr;
    QLabel* statusPanels_[2] = {};
    QAction* mnuGameStatus_ = nullptr;
    HelpViewer* help_;
    BoardDisplay display_;
    ScoreRecords& scores_;
    Level level_ = Level::Classic;
    bool showLegal_ = false;
    bool twoPlayers_ = false;
    // Column (x) and row (y) of the keyboard's frame and of the hint; null for none.
    QPoint cursor_;
    QPoint hint_;
    // Takes the hint's ring away; H while the ring shows starts it again.
    QTimer hintRing_;
    bool hintAsked_ = false;
    GameDriver driver_;
};

} // namespace tarvo
