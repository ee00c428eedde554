#pragma once

#include "game/game_state.h"
#include "game/random_source.h"
#include "game/runtime_error.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Marks a text that the window shows translated: here it stays English.
#define TARVO_TEXT(text) text

namespace tarvo {

// The context under which the window finds the translations of the texts
// the turn loop gives it.
inline constexpr const char* kTurnLoopTexts = "TurnController";

// What the turn loop needs from its window. The calls that let the window
// handle events return false when the application is quitting: the loop
// then unwinds with no further move, message or score.
class GameWindow {
public:
    virtual ~GameWindow() = default;

    virtual void ShowStatus(const std::string& text) = 0;
    virtual void DrawBoard() = 0;
    virtual void ShowTurnOwner(const std::string& who) = 0;
    // Marks the cell, then pauses 500 ms.
    virtual bool MarkMove(int row, int col) = 0;
    // Shows the pieces gained, then pauses 1000 ms.
    virtual bool ShowGained(int count) = 0;
    virtual void SnapshotBoard() = 0;
    virtual bool Pause(int ms) = 0;
    // Handles events until AwaitingInput is False or StopFlag is True.
    virtual bool WaitForInput() = 0;
    // Handles the pending events once; the computer's search calls it per cell.
    virtual bool YieldToEvents() = 0;
    // The computer's move at the stronger levels, searched beside the window
    // while it handles events. At the classic level nothing is searched.
    struct SearchedMove {
        bool classic = true;
        bool completed = true; // false when the application is quitting
        int row = 0;           // 0 for a pass
        int col = 0;
    };
    virtual SearchedMove SearchMove() = 0;
    // Puts back the picture of the board before the latest move, as it was
    // after `moveCount` moves, when moves were taken back.
    virtual void RestoreSnapshot(int moveCount) = 0;
    // Tells a screen reader what happened: `colour` played the cell, or
    // passed when row is 0.
    virtual void Announce(int16_t colour, int row, int col) = 0;
    // Hides or shows the board picture, uncovering the latest move beneath.
    virtual void ShowBoardPicture(bool visible) = 0;
    virtual void Beep() = 0;

    // "Outside playing board area!"; returns when it is closed.
    virtual void ShowOutsideBoard() = 0;
    // The result box; returns when it is closed.
    virtual void ShowResult(const std::string& text) = 0;
    // "Are you sure you want to stop this game?": true for Yes.
    virtual bool ConfirmStop() = 0;
    // The colour dialog: the chosen colour index (0 Black, 1 White), or
    // nothing when no game is to start.
    virtual std::optional<int16_t> ChooseColour() = 0;
    // Menu caption and toolbar buttons for the running or stopped state.
    virtual void ShowRunning(bool running) = 0;
    virtual void ShowError(const RuntimeError& error) = 0;
    // Loads the stored table, enters the count and saves it under one lock.
    // A failure is reported, and a table that could not be read in full is
    // not written over, since that would lose the results it did not read.
    virtual void RecordScore(int16_t humanCount) = 0;
    virtual RandomSource& Random() = 0;
};

// The turn loop and the game logic of the window's handlers, over the game
// state that the window owns.
class TurnController {
public:
    TurnController(GameState& state, GameWindow& window) : s_(state), window_(window) {}

    // Start (colour dialog, then the whole game) or Stop (with confirmation).
    void mnuGameStatus_Click();
    void StopGame();
    // A mouse release at (x, y) in the board picture's pixels.
    void picV_MouseUp(float x, float y);
    // A typed character; returns it, or 0 when it was taken as a move.
    int16_t Form_KeyPress(int16_t keyAscii);
    void Form_KeyDown(int keyCode);
    void Form_KeyUp(int keyCode);
    // Takes back the human's last move and the computer's replies since;
    // only while the human chooses, and not past the game's first choice.
    void Undo();
    bool CanUndo() const;
    // Plays again the choice that Undo took back last, with the computer's
    // replies; only while the human chooses, and until another move is played.
    void Redo();
    bool CanRedo() const;
    // A hint was shown: like an undo, it keeps the game off the score sheet.
    void NoteHint() { assisted_ = true; }

    bool running() const { return running_; }
    // True once a wait reported that the application is quitting.
    bool quitting() const { return quitting_; }

private:
    void PlayGame();
    // The computer's move at the window's level: true with row 0 for a pass,
    // false when the loop must return.
    bool ChooseComputerMove(int& row, int& col);
    void WaitForClick();
    bool CheckAllTurnsPlayed();
    void ReportResult(const std::string& reason);
    void ShowStatus(const std::string& text);
    // After a call that let events run: true when the loop must return.
    bool MustReturn(bool waitCompleted = true);
    template <typename Body> void Trap(Body&& body);

    GameState& s_;
    GameWindow& window_;
    bool running_ = false;
    bool quitting_ = false;
    // The game as it stood at each of the human's choices, latest last.
    std::vector<GameState> history_;
    // The choices taken back, the latest taken back last.
    std::vector<GameState> undone_;
    bool undoRequested_ = false;
    bool redoRequested_ = false;
    // A hint or an undo was used in this game.
    bool assisted_ = false;
};

} // namespace tarvo
