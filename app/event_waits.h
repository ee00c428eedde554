#pragma once

#include "view/board_display.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <functional>
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

// The window's waits. Each runs a local event loop, so that every event is
// handled meanwhile while the process sleeps until the next event or the
// deadline; none polls. Each returns false when the application is quitting.
class EventWaits : public Pauser {
public:
    explicit EventWaits(Clock& clock) : clock_(clock) {}

    // Returns no earlier than `ms` after it began; at once for 0 or less.
    bool Pause(int ms) override;
    // Returns once `done` holds; it is tested again after every Wake.
    bool WaitUntil(const std::function<bool()>& done);
    // Handles the events that are pending, then returns.
    bool Yield();

    // Makes every running wait test its condition or clock again.
    void Wake();

private:
    int RunLoop(int timeoutMs);

    Clock& clock_;
    std::vector<QEventLoop*> loops_;
};

} // namespace tarvo
