#pragma once

#include "app/game_record.h"
#include "app/player.h"
#include "game/game_state.h"
#include "game/random_source.h"
#include "game/rules.h"
#include "game/runtime_error.h"

#include <array>
#include <coroutine>
#include <cstdint>
#include <utility>
#include <variant>
#include <vector>

namespace tarvo {

// A cell as row and column, 1 to 8.
using Cell = std::pair<int, int>;

// What the status line says; the window words it in its language.
enum class Status {
    YourTurn,      // a person's turn, after a move
    ItsYourTurn,   // a person's turn again, after a cell that was taken
    CellTaken,     // the cell chosen holds a piece
    IllegalMove,   // the cell chosen turns no piece
    ComputersTurn, // the computer thinks
    ComputerPasses,
    PlayerPasses, // a person has no move
    Stopped,
};

enum class Ending { AllTurnsPlayed, ComputerClosedIn, PlayerClosedIn };

// What happens in a game, in order, for the window to show, say and keep.
namespace event {
struct StatusShown {
    Status status;
    int16_t colour; // the side it speaks of
};
struct BoardDrawn {};
struct TurnStarted {
    int16_t colour;
    bool human;
};
// A person may now choose a cell (true), or no longer (false).
struct InputAwaited {
    bool awaited;
};
struct MoveMarked {
    int row;
    int col;
};
struct MovePlayed {
    int16_t colour;
    int row;
    int col;
    std::vector<Cell> turned; // the pieces it turned, as row and column
};
struct Passed {
    int16_t colour;
};
struct BoardKept {}; // the board before the latest move, with its mark, for V
struct BoardRestored {
    int moveCount; // moves were taken back or played again: show the V board after these
};
struct BoardHidden {
    bool hidden; // V held down
};
struct Refused {}; // a beep
struct OutsideBoard {};
struct RunningChanged {
    bool running;
};
struct GameOver {
    Ending ending;
    int16_t closedIn;              // the side that could not move last, for the closed-in endings
    std::array<int16_t, 2> counts; // Black's pieces, White's pieces
    bool assisted;                 // a hint, an undo or a redo was used
    Level weakest;                 // the weakest level the computer played at
};
struct Failed {
    RuntimeError error;
};
} // namespace event

using SessionEvent =
    std::variant<event::StatusShown, event::BoardDrawn, event::TurnStarted, event::InputAwaited,
                 event::MoveMarked, event::MovePlayed, event::Passed, event::BoardKept,
                 event::BoardRestored, event::BoardHidden, event::Refused, event::OutsideBoard,
                 event::RunningChanged, event::GameOver, event::Failed>;

// What the session asks of the program that runs it. Each request is
// answered later, from the program's event loop, by the matching input:
// DelayOver, SearchAnswered or BoxClosed. A new request, a new game or a stop
// drops the one before.
class SessionDriver {
public:
    virtual ~SessionDriver() = default;
    virtual void Emit(const SessionEvent& event) = 0;
    virtual void RequestDelay(int ms) = 0;
    // The computer's move for the side to move in `state` at `level`.
    virtual void RequestSearch(const GameState& state, int16_t mover, Level level) = 0;
    // The box of the latest OutsideBoard or GameOver event, until it is closed.
    virtual void RequestBox() = 0;
    virtual void CancelRequests() = 0;
    virtual RandomSource& Random() = 0;
};

// Where a game begins: a starting position and the moves played from it.
struct GameStart {
    Setup setup = SetupOf(StartPosition::BlackOnD4);
    std::vector<int> moves; // legal there, passes left out
};

// One game at a time between two players, as a state machine: inputs in,
// events and requests out. Where the game pauses, waits for a person or
// thinks, it asks its driver and returns; nothing in it waits or sleeps.
class GameSession {
public:
    explicit GameSession(SessionDriver& driver) : driver_(driver) {}
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Starts a new game, ending any other first; it goes on from the moves
    // of `from`, which an undo cannot take back.
    void Start(Player black, Player white, GameStart from = {});
    // Ends the game, which records nothing.
    void Stop();
    // A person chose the cell (row and column 1 to 8; anything else is
    // outside the board).
    void ChooseCell(int row, int col);
    // A typed character: a row digit, then a column digit, chooses a cell.
    // False when it was taken as part of a cell.
    bool KeyPress(char key);
    // V pressed or released: the board before the latest move, or again the board.
    void ShowPreviousBoard(bool shown);
    // Takes back the person's last choice with the computer's replies, or
    // plays it again; only while a person chooses.
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    // A hint was shown: like an undo, it keeps the game off the score sheet.
    void NoteHint() { assisted_ = true; }
    // Changes the computer's level from its next move on.
    void SetComputerLevel(Level level);

    void DelayOver() { Resume(); }
    // The searched move, row 0 for a pass.
    void SearchAnswered(int row, int col);
    void BoxClosed() { Resume(); }

    const GameState& state() const { return s_; }
    GameState& state() { return s_; }
    bool running() const { return running_; }
    // True when a single person plays the computer: the texts speak to them.
    bool OnePerson() const { return players_[0].human != players_[1].human; }
    const Player& PlayerOf(int16_t colour) const { return players_[colour == Black ? 0 : 1]; }
    // The moves of the latest game, as far as it went.
    GameStart Moves() const;

private:
    struct Game;
    struct Suspend;

    Game Play();
    // Puts the pieces of the start on the board; returns the side to move.
    int16_t SetUpStart();
    Suspend Delay(int ms);
    // A side without a move: said, announced, and two seconds' pause.
    Suspend Pass(Status status, int16_t colour);
    Suspend Input();
    Suspend Box();
    Suspend Search(int16_t mover);
    void Resume();
    void EndGame();
    void Emit(const SessionEvent& event) { driver_.Emit(event); }
    // Counts the placement; the sixtieth ends the game.
    bool CountPlacement();
    event::GameOver Result(Ending ending, int16_t closedIn) const;
    bool HasMove(int16_t colour) const;
    bool MustReturn() const { return s_.StopFlag; }

    SessionDriver& driver_;
    GameState s_;
    std::array<Player, 2> players_;
    GameStart start_;
    // Every move from the start, and how many of them stand: moves taken
    // back stay until a new one replaces them, for a redo.
    std::vector<int> moves_;
    std::size_t played_ = 0;
    // The placements counted before the first move: a game may start from
    // any position, and its sixtieth placement still fills the board.
    int16_t countBefore_ = 0;
    bool running_ = false;
    std::coroutine_handle<> game_;      // the game's frame, while it is not finished
    std::coroutine_handle<> suspended_; // where it waits for an answer
    bool insideGame_ = false;
    // The game as it stood at each of a person's choices, latest last, and
    // the choices taken back, the latest taken back last.
    std::vector<GameState> history_;
    std::vector<GameState> undone_;
    bool undoRequested_ = false;
    bool redoRequested_ = false;
    bool assisted_ = false;
    Level weakest_ = Level::Classic;
    Cell searched_;
};

} // namespace tarvo
