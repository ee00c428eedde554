#pragma once

#include "app/event_waits.h"
#include "app/help_viewer.h"
#include "app/turn_controller.h"
#include "engine/search.h"
#include "game/game_state.h"
#include "game/random_source.h"
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
#include <atomic>
#include <memory>
#include <thread>

namespace tarvo {

// The date panel's text: two-digit day, the month's short name in the
// locale's language, four-digit year.
QString StatusDate(QDate date, const QLocale& locale);

// Who plays the computer's side: the weights player, or the engine with a
// short or a timed search. Each keeps its own ten best results.
enum class Level { Classic, Strong, Expert };

// The main window: a 620 x 356 client area below the menu bar, holding the
// toolbar at its top, the board pictures, the logo and the status bar. It
// builds its widgets, forwards events to the turn controller and carries out
// what the controller asks of its window.
class frmOthello : public QMainWindow, public GameWindow {
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

    GameState& state() { return state_; }
    TurnController& controller() { return controller_; }
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

    // GameWindow
    void ShowStatus(const std::string& text) override;
    void DrawBoard() override;
    void ShowTurnOwner(const std::string& who) override;
    bool MarkMove(int row, int col) override;
    bool ShowGained(int count) override;
    void SnapshotBoard() override;
    bool Pause(int ms) override;
    bool WaitForInput() override;
    bool YieldToEvents() override;
    SearchedMove SearchMove() override;
    void ShowBoardPicture(bool visible) override;
    void Beep() override;
    void ShowOutsideBoard() override;
    void ShowResult(const std::string& text) override;
    bool ConfirmStop() override;
    std::optional<int16_t> ChooseColour() override;
    void ShowRunning(bool running) override;
    void ShowError(const RuntimeError& error) override;
    void RecordScore(int16_t humanCount) override;
    RandomSource& Random() override { return random_; }
    void RestoreSnapshot(int moveCount) override;
    void Announce(int16_t colour, int row, int col) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
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
    // Enables Undo and Hint while the game waits for the human, and ends a
    // hint's search and mark.
    void SetTurnCommands(bool waiting);
    void ShowHint(int cell, int generation);
    void StopHint();
    void RefreshAids();
    QString CellName(int row, int col) const;
    bool IsShownLegal(int row, int col) const;
    engine::Position PositionOf(int16_t mover) const;
    engine::Searcher& searcher();

    QWidget* client_;
    BoardPictures pictures_;
    QLabel* ImgLogo_;
    QToolBar* Toolbar1_ = nullptr;
    QStatusBar* StatusBar1_ = nullptr;
    QLabel* statusPanels_[2] = {};
    QAction* mnuGameStatus_ = nullptr;
    HelpViewer* help_;
    GameState state_;
    EventWaits waits_;
    BoardDisplay display_;
    ScoreRecords& scores_;
    Level level_ = Level::Classic;
    // The weakest level the computer played at in this game: its table gets the result.
    Level gameLevel_ = Level::Classic;
    std::unique_ptr<engine::Searcher> searcher_;
    bool showLegal_ = false;
    // Column (x) and row (y) of the keyboard's frame and of the hint; null for none.
    QPoint cursor_;
    QPoint hint_;
    // Takes the hint's ring away; H while the ring shows starts it again.
    QTimer hintRing_;
    std::thread hintWorker_;
    std::atomic<bool> hintStop_{false};
    // Counts the waits for the human: a hint found after its wait ended is dropped.
    int hintGeneration_ = 0;
    DefaultRandomSource random_;
    TurnController controller_;
};

} // namespace tarvo
