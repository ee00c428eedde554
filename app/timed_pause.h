#pragma once

#include "view/board_display.h"

#include <QElapsedTimer>
#include <QEventLoop>

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

// Waits in a local event loop, so that the window handles every event
// meanwhile while the process sleeps until the next event or the deadline.
class TimedPause : public Pauser {
public:
    explicit TimedPause(Clock& clock) : clock_(clock) {}

    // Returns no earlier than `ms` after it began; at once for 0 or less.
    // False when the application is quitting.
    bool Pause(int ms) override;

    // Makes the innermost running pause read its clock again.
    void Recheck();

private:
    Clock& clock_;
    QEventLoop* innermost_ = nullptr;
};

} // namespace tarvo
