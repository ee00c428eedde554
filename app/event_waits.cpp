#include "app/event_waits.h"

#include <QTimer>

namespace tarvo {

namespace {

// Exit codes of the waits' own loops, unlike any the application exits with.
// Anything else means the application is quitting: QCoreApplication::exit
// ends every running loop, and a loop started after it returns -1 at once.
constexpr int kTimeUp = 0x7a11;
constexpr int kWoken = 0x7a12;

} // namespace

int EventWaits::RunLoop(int timeoutMs) {
    QEventLoop loop;
    QTimer timer;
    if (timeoutMs >= 0) {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(kTimeUp); });
        timer.start(timeoutMs);
    }
    loops_.push_back(&loop);
    const int result = loop.exec();
    loops_.pop_back();
    return result;
}

bool EventWaits::Pause(int ms) {
    const qint64 start = clock_.NowMs();
    for (;;) {
        const qint64 left = ms - (clock_.NowMs() - start);
        if (left <= 0) {
            return true;
        }
        const int result = RunLoop(static_cast<int>(left));
        if (result != kTimeUp && result != kWoken) {
            return false;
        }
    }
}

bool EventWaits::WaitUntil(const std::function<bool()>& done) {
    while (!done()) {
        if (RunLoop(-1) != kWoken) {
            return false;
        }
    }
    return true;
}

bool EventWaits::Yield() {
    const int result = RunLoop(0);
    return result == kTimeUp || result == kWoken;
}

void EventWaits::Wake() {
    for (QEventLoop* loop : loops_) {
        loop->exit(kWoken);
    }
}

} // namespace tarvo
