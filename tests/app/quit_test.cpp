// Quitting cannot be undone within a process, so these tests have a binary
// of their own, and ctest runs each test in a process of its own.
#include "app/timed_pause.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

class FakeClock : public Clock {
public:
    qint64 NowMs() override { return 0; }
};

TEST(Quitting, APauseReportsThatTheApplicationQuits) {
    FakeClock clock;
    TimedPause pause(clock);
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    EXPECT_FALSE(pause.Pause(60'000));
    // Every later pause returns at once, reporting the quit again.
    EXPECT_FALSE(pause.Pause(60'000));
}

} // namespace
} // namespace tarvo
