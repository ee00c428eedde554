#include "app/game_session.h"

#include "game/computer_player.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <tuple>
#include <utility>

namespace tarvo {

// The game's coroutine: it runs from Start until its first wait, and each
// answer runs it on to the next. Its frame is kept until the session ends
// it, so that a stopped game can never run on.
struct GameSession::Game {
    struct promise_type {
        Game get_return_object() {
            return {std::coroutine_handle<promise_type>::from_promise(*this)};
        }
        std::suspend_never initial_suspend() noexcept { return {}; }
        std::suspend_always final_suspend() noexcept { return {}; }
        void return_void() {}
        // The game's own failures are caught inside it; anything else is a fault.
        void unhandled_exception() { std::terminate(); }
    };
    std::coroutine_handle<promise_type> handle;
};

// A wait: the game suspends, and the request goes out once it has.
struct GameSession::Suspend {
    GameSession& session;
    void (*request)(GameSession&, int);
    int argument = 0;

    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> waiting) {
        session.suspended_ = waiting;
        if (request != nullptr) {
            request(session, argument);
        }
    }
    void await_resume() const noexcept {}
};

namespace {

int Index(int16_t colour) {
    return colour == Black ? 0 : 1;
}

} // namespace

GameSession::~GameSession() {
    if (game_) {
        game_.destroy();
    }
}

GameSession::Suspend GameSession::Delay(int ms) {
    return {*this, [](GameSession& s, int n) { s.driver_.RequestDelay(n); }, ms};
}

GameSession::Suspend GameSession::Pass(Status status, int16_t colour) {
    Emit(event::StatusShown{status, colour});
    Emit(event::Passed{colour});
    return Delay(2000);
}

GameSession::Suspend GameSession::Input() {
    return {*this, nullptr};
}

GameSession::Suspend GameSession::Box() {
    return {*this, [](GameSession& s, int) { s.driver_.RequestBox(); }};
}

GameSession::Suspend GameSession::Search(int16_t mover) {
    return {*this,
            [](GameSession& s, int colour) {
                s.driver_.RequestSearch(s.s_, static_cast<int16_t>(colour),
                                        s.PlayerOf(static_cast<int16_t>(colour)).level);
            },
            mover};
}

void GameSession::Resume() {
    const std::coroutine_handle<> waiting = std::exchange(suspended_, {});
    if (!waiting) {
        return;
    }
    insideGame_ = true;
    waiting.resume();
    insideGame_ = false;
    if (game_ && game_.done()) {
        std::exchange(game_, {}).destroy();
    }
}

void GameSession::EndGame() {
    driver_.CancelRequests();
    suspended_ = {};
    // A game that ends itself finishes its frame on its way out.
    if (game_ && !insideGame_) {
        std::exchange(game_, {}).destroy();
    }
}

void GameSession::Start(Player black, Player white, GameStart from) {
    s_.StopFlag = true;
    EndGame();
    players_ = {black, white};
    start_ = std::move(from);
    // Lowered at each of the computer's moves to the level it played at.
    weakest_ = Level::Expert;
    // In a game of one person against the computer the person's colour is
    // fixed; otherwise it follows the side to move.
    s_.HumanColor = black.human ? Black : White;
    s_.CompColor = OpponentOf(s_.HumanColor);
    running_ = true;
    Emit(event::RunningChanged{true});
    s_.StopFlag = false;
    insideGame_ = true;
    game_ = Play().handle;
    insideGame_ = false;
    if (game_ && game_.done()) {
        std::exchange(game_, {}).destroy();
    }
}

void GameSession::Stop() {
    s_.StopFlag = true;
    s_.AwaitingInput = false;
    running_ = false;
    EndGame();
    Emit(event::RunningChanged{false});
    Emit(event::StatusShown{Status::Stopped, s_.HumanColor});
}

void GameSession::SetComputerLevel(Level level) {
    for (Player& player : players_) {
        if (!player.human) {
            player.level = level;
        }
    }
}

bool GameSession::HasMove(int16_t colour) const {
    GameState mover = s_;
    mover.HumanColor = colour;
    mover.CompColor = OpponentOf(colour);
    return !IsHumanClosedIn(mover);
}

bool GameSession::CountPlacement() {
    s_.MoveCount = CheckedInt16(s_.MoveCount + 1);
    return s_.MoveCount == 60;
}

event::GameOver GameSession::Result(Ending ending, int16_t closedIn) const {
    event::GameOver over{ending, closedIn, {0, 0}, assisted_, weakest_};
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            const int16_t piece = s_.Board(r, c);
            if (piece != Empty) {
                int16_t& count = over.counts[static_cast<std::size_t>(Index(piece))];
                count = CheckedInt16(count + 1);
            }
        }
    }
    return over;
}

int16_t GameSession::SetUpStart() {
    moves_ = start_.moves;
    played_ = moves_.size();
    const engine::Position& board = start_.setup.board;
    countBefore_ = static_cast<int16_t>(engine::Count(board.mine | board.theirs) - 4);
    const Replay replay = std::get<Replay>(ReplayMoves(start_.setup, start_.moves));
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            const engine::Bits cell = engine::Bit(engine::CellIndex(r, c));
            s_.Board(r, c) = (replay.last.mine & cell) != 0     ? replay.toMove
                             : (replay.last.theirs & cell) != 0 ? OpponentOf(replay.toMove)
                                                                : Empty;
        }
    }
    s_.MoveCount = static_cast<int16_t>(countBefore_ + static_cast<int>(played_));
    return replay.toMove;
}

GameStart GameSession::Moves() const {
    return {start_.setup, {moves_.begin(), moves_.begin() + static_cast<std::ptrdiff_t>(played_)}};
}

GameSession::Game GameSession::Play() {
    try {
        InitBoard(s_);
        int16_t mover = SetUpStart();
        history_.clear();
        undone_.clear();
        undoRequested_ = redoRequested_ = false;
        assisted_ = false;
        Emit(event::BoardHidden{false});
        Emit(event::BoardDrawn{});
        // The side before this turn found no move.
        bool passedBefore = false;
        // A person's turn begins with "Your turn ..."; after a taken cell it
        // goes on without it.
        bool announceTurn = true;
        std::array<Cell, 2> lastMove{};
        GameState before; // the board before the move that stands
        for (;;) {
            const int16_t other = OpponentOf(mover);
            std::optional<event::GameOver> over;

            if (PlayerOf(mover).human) {
                if (!OnePerson()) {
                    s_.HumanColor = mover;
                    s_.CompColor = other;
                }
                if (announceTurn) {
                    if (history_.empty() || history_.back().MoveCount != s_.MoveCount) {
                        history_.push_back(s_);
                    }
                    Emit(event::StatusShown{Status::YourTurn, mover});
                    Emit(event::TurnStarted{mover, true});
                }
                announceTurn = true;
                // The person's choice, asked again after a cell off the board.
                for (;;) {
                    s_.HumanRow = 0;
                    s_.HumanCol = 0;
                    s_.AwaitingInput = true;
                    Emit(event::InputAwaited{true});
                    co_await Input();
                    Emit(event::InputAwaited{false});
                    if (MustReturn()) {
                        co_return;
                    }
                    if (undoRequested_ || redoRequested_ || !IsOutside(s_.HumanRow, s_.HumanCol)) {
                        break;
                    }
                    Emit(event::OutsideBoard{});
                    co_await Box();
                    if (MustReturn()) {
                        co_return;
                    }
                }
                if (undoRequested_ || redoRequested_) {
                    if (undoRequested_) {
                        undone_.push_back(history_.back());
                        history_.pop_back();
                    } else {
                        history_.push_back(undone_.back());
                        undone_.pop_back();
                    }
                    undoRequested_ = redoRequested_ = false;
                    s_ = history_.back();
                    played_ = static_cast<std::size_t>(s_.MoveCount - countBefore_);
                    mover = s_.HumanColor;
                    Emit(event::BoardRestored{s_.MoveCount});
                    Emit(event::BoardDrawn{});
                    continue;
                }
                const int row = s_.HumanRow;
                const int col = s_.HumanCol;
                if (s_.Board(row, col) != Empty) {
                    Emit(event::StatusShown{Status::CellTaken, mover});
                    Emit(event::Refused{});
                    co_await Delay(1000);
                    if (MustReturn()) {
                        co_return;
                    }
                    Emit(event::StatusShown{Status::ItsYourTurn, mover});
                    announceTurn = false;
                    continue;
                }
                // The mark shows before the move's legality is known.
                Emit(event::MoveMarked{row, col});
                co_await Delay(500);
                if (MustReturn()) {
                    co_return;
                }
                before = s_;
                if (FlipPieces(s_, row, col, mover) == 0) {
                    Emit(event::StatusShown{Status::IllegalMove, mover});
                    co_await Delay(1000);
                    if (MustReturn()) {
                        co_return;
                    }
                    Emit(event::BoardDrawn{});
                    continue;
                }
                s_.Board(row, col) = mover;
                undone_.clear();
                lastMove[static_cast<std::size_t>(Index(mover))] = {row, col};
            } else {
                Emit(event::StatusShown{Status::ComputersTurn, mover});
                Emit(event::TurnStarted{mover, false});
                if (!OnePerson()) {
                    // The weights player plays the side to move against the
                    // other's last move.
                    s_.CompColor = mover;
                    s_.HumanColor = other;
                    std::tie(s_.CompRow, s_.CompCol) =
                        lastMove[static_cast<std::size_t>(Index(mover))];
                    std::tie(s_.HumanRow, s_.HumanCol) =
                        lastMove[static_cast<std::size_t>(Index(other))];
                }
                // The weights follow the game at every level, so that a change
                // back to the classic player finds them as it left them.
                AdjustWeights(s_);
                int row = 0;
                int col = 0;
                weakest_ = std::min(weakest_, PlayerOf(mover).level);
                if (PlayerOf(mover).level == Level::Classic) {
                    const BestMove best = SelectBestMoves(s_);
                    if (best.BestWeight >= 1) {
                        const int16_t i = ChooseCandidate(s_.BestCount, driver_.Random());
                        row = s_.BestRow(i);
                        col = s_.BestCol(i);
                    }
                } else {
                    co_await Search(mover);
                    if (MustReturn()) {
                        co_return;
                    }
                    std::tie(row, col) = searched_;
                }
                if (row == 0) {
                    if (passedBefore) {
                        over = Result(Ending::ComputerClosedIn, mover);
                    } else {
                        co_await Pass(Status::ComputerPasses, mover);
                        if (MustReturn()) {
                            co_return;
                        }
                        passedBefore = true;
                        if (PlayerOf(other).human && !HasMove(other)) {
                            over = Result(Ending::PlayerClosedIn, other);
                        } else {
                            mover = other;
                            continue;
                        }
                    }
                } else {
                    s_.CompRow = static_cast<int16_t>(row);
                    s_.CompCol = static_cast<int16_t>(col);
                    lastMove[static_cast<std::size_t>(Index(mover))] = {row, col};
                    Emit(event::MoveMarked{row, col});
                    co_await Delay(500);
                    if (MustReturn()) {
                        co_return;
                    }
                    // A candidate or a searched move always turns a piece.
                    before = s_;
                    FlipPieces(s_, row, col, mover);
                    s_.Board(row, col) = mover;
                }
            }

            if (!over) {
                // The move stands, its pieces turned.
                const Cell played = lastMove[static_cast<std::size_t>(Index(mover))];
                event::MovePlayed move{mover, played.first, played.second, {}};
                for (int r = 1; r <= 8; ++r) {
                    for (int c = 1; c <= 8; ++c) {
                        if (before.Board(r, c) == other && s_.Board(r, c) == mover) {
                            move.turned.emplace_back(r, c);
                        }
                    }
                }
                moves_.resize(played_);
                moves_.push_back(engine::CellIndex(played.first, played.second));
                played_ = moves_.size();
                Emit(move);
                co_await Delay(1000);
                if (MustReturn()) {
                    co_return;
                }
                Emit(event::BoardKept{});
                Emit(event::BoardDrawn{});
                if (CountPlacement()) {
                    over = Result(Ending::AllTurnsPlayed, 0);
                } else {
                    passedBefore = false;
                    if (HasMove(other) || !PlayerOf(other).human) {
                        mover = other;
                        continue;
                    }
                    // A person without a move passes at once, and the side
                    // that moved goes on; when it has no move either, the game
                    // is over.
                    co_await Pass(Status::PlayerPasses, other);
                    if (MustReturn()) {
                        co_return;
                    }
                    passedBefore = true;
                    if (PlayerOf(mover).human && !HasMove(mover)) {
                        over = Result(Ending::PlayerClosedIn, mover);
                    } else {
                        continue;
                    }
                }
            }

            // The result box first, then the game stops.
            s_.StopFlag = true;
            Emit(*over);
            co_await Box();
            running_ = false;
            Emit(event::RunningChanged{false});
            Emit(event::StatusShown{Status::Stopped, s_.HumanColor});
            co_return;
        }
    } catch (const RuntimeError& error) {
        Emit(event::Failed{error});
    }
}

void GameSession::ChooseCell(int row, int col) {
    if (!s_.AwaitingInput) {
        return;
    }
    s_.HumanRow = static_cast<int16_t>(row);
    s_.HumanCol = static_cast<int16_t>(col);
    s_.AwaitingInput = false;
    Resume();
}

bool GameSession::KeyPress(char key) {
    if (!s_.AwaitingInput || key <= '0' || key >= '9') {
        return true;
    }
    const auto digit = static_cast<int16_t>(key - '0');
    if (s_.HumanRow == 0) {
        s_.HumanRow = digit;
        return true;
    }
    ChooseCell(s_.HumanRow, digit);
    return false;
}

void GameSession::ShowPreviousBoard(bool shown) {
    // A release whatever the count, so that a release after a box or a new
    // game never leaves the board hidden.
    if (!shown || s_.MoveCount > 1) {
        Emit(event::BoardHidden{shown});
    }
}

bool GameSession::CanUndo() const {
    return running_ && s_.AwaitingInput && !s_.StopFlag && history_.size() > 1;
}

bool GameSession::CanRedo() const {
    return running_ && s_.AwaitingInput && !s_.StopFlag && !undone_.empty();
}

void GameSession::Undo() {
    if (CanUndo()) {
        undoRequested_ = true;
        assisted_ = true;
        s_.AwaitingInput = false;
        Resume();
    }
}

void GameSession::Redo() {
    if (CanRedo()) {
        redoRequested_ = true;
        s_.AwaitingInput = false;
        Resume();
    }
}

void GameSession::SearchAnswered(int row, int col) {
    searched_ = {row, col};
    Resume();
}

} // namespace tarvo
