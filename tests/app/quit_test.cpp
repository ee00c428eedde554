// Quitting cannot be undone within a process, so these tests have a binary
// of their own, and ctest runs each test in a process of its own.
#include "event_storm.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

// One game under random input, ended by closing the window or by Exit at a
// random moment chosen by the seed in TARVO_QUIT_SEED.
TEST(QuittingAtARandomMoment, TheProgramEndsPromptlyAndCleanly) {
    const unsigned seed = qEnvironmentVariableIntValue("TARVO_QUIT_SEED");
    std::mt19937 rng(seed);
    test::FastClock clock;
    QTemporaryDir dir;
    SettingsStore store(dir.filePath("settings.ini"));
    ScoreRecords scores(store);
    frmOthello window(clock, scores);
    // Odd seeds play the Strong level, whose searches run beside the window.
    if (seed % 2 == 1) {
        window.SetLevel(Level::Strong);
    }
    window.show();
    test::EventStorm storm(window, seed, 1'000'000);
    const int quitAt = 20 + static_cast<int>(rng() % 3000);
    const bool viaExit = rng() % 2 == 0;
    storm.endAt = [&](int tick) {
        if (tick == quitAt) {
            viaExit ? window.menuItem("mnuGameExit")->trigger() : (void)window.close();
        }
        return tick == quitAt;
    };
    storm.Start();
    EXPECT_EQ(QApplication::exec(), 0);
    storm.Stop();
    EXPECT_EQ(storm.ticks, quitAt + 1) << "the storm reached its moment";
    EXPECT_EQ(storm.errors, QStringList{});
}

TEST(QuittingAtRandomMoments, EveryRunEndsCleanly) {
    for (int seed = 1; seed <= 20; ++seed) {
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TARVO_QUIT_SEED", QString::number(seed));
        run.setProcessEnvironment(env);
        run.start(QCoreApplication::applicationFilePath(),
                  {"--gtest_filter=QuittingAtARandomMoment.*"});
        ASSERT_TRUE(run.waitForFinished(60'000)) << "seed " << seed << " did not end";
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << "seed " << seed;
        EXPECT_EQ(run.exitCode(), 0) << "seed " << seed << "\n"
                                     << run.readAllStandardOutput().toStdString();
    }
}

} // namespace
} // namespace tarvo
