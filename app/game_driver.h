#pragma once

#include "app/game_session.h"
#include "engine/search.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace tarvo {

// Milliseconds from a monotonic source: it never jumps, at midnight or when
// the wall clock is set, so a pause can neither stretch nor end early.
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 NowMs() = 0;
};

class SteadyClock : public Clock {
public:
    SteadyClock() { timer_.start(); }
    qint64 NowMs() override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

// Where the trained evaluation may be: beside the program, or in the data
// folder when installed.
std::vector<std::string> WeightPaths();
// The trained evaluation from the first of `paths` that holds it, read by
// the first call; nullptr, said once on stderr, when it cannot be read.
const engine::PatternWeights* TrainedWeights(const std::vector<std::string>& paths);

// The engine's view of the game: the discs of `mover` and of the other side.
engine::Position PositionOf(const GameState& state, int16_t mover);

// Runs a game session on Qt's event loop: a pause is a timer, a search runs
// on a worker thread and answers through the event loop, and a box asked for
// is shown once the session has returned. Every event goes to the listeners
// in the order they were added. While a modal box of the window's is open,
// an answer that falls due waits until it closes, so the box holds the game.
class GameDriver : public QObject, public SessionDriver {
public:
    using Listener = std::function<void(const SessionEvent&)>;
    // Shows the box of an OutsideBoard or GameOver event and returns when it closes.
    using BoxShower = std::function<void(const SessionEvent&)>;

    GameDriver(Clock& clock, BoxShower showBox);
    ~GameDriver() override;

    GameSession& session() { return session_; }
    const GameSession& session() const { return session_; }
    void AddListener(Listener listener) { listeners_.push_back(std::move(listener)); }

    // Looks again at the clock: an input may have moved a test's clock on.
    void Wake();
    // A modal box closed: an answer held back meanwhile is given now.
    void ModalClosed();
    // The Expert level's move for the side a person plays, for a hint:
    // `answer` gets its cell (-1 for none) through the event loop, unless the
    // hint is dropped first by DropHint or by the game going on.
    void Hint(std::function<void(int cell)> answer);
    void DropHint();

    void Emit(const SessionEvent& event) override;
    void RequestDelay(int ms) override;
    void RequestSearch(const GameState& state, int16_t mover, Level level) override;
    void RequestBox() override;
    void CancelRequests() override;
    RandomSource& Random() override { return random_; }

private:
    // Runs `search` on the worker thread, then `answer` with its cell on the
    // UI thread, unless another request came first.
    void RunSearch(const engine::Position& position, const engine::Limits& limits,
                   std::function<void(int cell)> answer);
    void StopWorker();
    // Gives the answer now, or once no modal box is open.
    void Answer(std::function<void()> answer);

    Clock& clock_;
    BoxShower showBox_;
    GameSession session_{*this};
    std::vector<Listener> listeners_;
    DefaultRandomSource random_;
    QTimer delay_;
    qint64 due_ = -1;
    std::function<void()> heldBack_;
    // Counts the requests, so that an answer to an earlier one is dropped.
    int ticket_ = 0;
    std::unique_ptr<SessionEvent> box_;
    // The worker thread is the only one that touches the searcher while it
    // runs; the UI thread joins it before it starts another.
    std::unique_ptr<engine::Searcher> searcher_;
    // Where the trained evaluation may be, read by the first search that needs it.
    std::vector<std::string> weightPaths_;
    std::atomic<bool> stop_{false};
    std::jthread worker_;
};

} // namespace tarvo
