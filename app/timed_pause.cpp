#include "app/timed_pause.h"

#include <QTimer>

namespace tarvo {

namespace {

// Exit codes of the pause's own loop, unlike any the application exits with.
// Anything else means the application is quitting: QCoreApplication::exit
// ends every running loop, and a loop started after it returns -1 at once.
constexpr int kTimeUp = 0x7a11;
constexpr int kRecheck = 0x7a12;

} // namespace

bool TimedPause::Pause(int ms) {
    const qint64 start = clock_.NowMs();
    for (;;) {
        const qint64 left = ms - (clock_.NowMs() - start);
        if (left <= 0) {
            return true;
        }
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(kTimeUp); });
        timer.start(static_cast<int>(left));
        QEventLoop* const outer = innermost_;
        innermost_ = &loop;
        const int result = loop.exec();
        innermost_ = outer;
        if (result != kTimeUp && result != kRecheck) {
            return false;
        }
    }
}

void TimedPause::Recheck() {
    if (innermost_ != nullptr) {
        innermost_->exit(kRecheck);
    }
}

} // namespace tarvo
