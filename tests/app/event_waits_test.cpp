#include "app/event_waits.h"
#include "window_fixture.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::FakeClock;

TEST(EventWaits, ZeroOrLessReturnsWithoutHandlingEvents) {
    FakeClock clock;
    EventWaits pause(clock);
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    EXPECT_TRUE(pause.Pause(0));
    EXPECT_TRUE(pause.Pause(-20));
    EXPECT_FALSE(handled);
    QCoreApplication::processEvents();
    EXPECT_TRUE(handled);
}

TEST(EventWaits, HandlesEventsAndReturnsExactlyWhenTheTimeIsUp) {
    FakeClock clock;
    clock.now = 86'399'500; // just before midnight on a clock that counts from it
    EventWaits pause(clock);
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        clock.now += 100;
        pause.Wake();
    });
    ticker.start();
    EXPECT_TRUE(pause.Pause(1000));
    EXPECT_EQ(ticks, 10);
    EXPECT_EQ(clock.now, 86'400'500);
}

TEST(EventWaits, ANestedPauseRunsInsideTheOuterOne) {
    FakeClock clock;
    EventWaits pause(clock);
    bool innerDone = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            clock.now += 300;
            pause.Wake();
        });
        innerDone = pause.Pause(200);
        clock.now += 700;
        pause.Wake();
    });
    EXPECT_TRUE(pause.Pause(1000));
    EXPECT_TRUE(innerDone);
    EXPECT_EQ(clock.now, 1000);
}

TEST(SteadyClock, NeverRunsBackwards) {
    SteadyClock clock;
    qint64 last = clock.NowMs();
    for (int i = 0; i < 1000; ++i) {
        const qint64 now = clock.NowMs();
        EXPECT_GE(now, last);
        last = now;
    }
}

} // namespace
} // namespace tarvo
