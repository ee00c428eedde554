// Quitting cannot be undone within a process, so these tests have a binary
// of their own, and ctest runs each test in a process of its own.
#include "event_storm.h"
#include "support/modal.h"
#include "window_fixture.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

using QuittingWindow = test::WindowFixture;

TEST_F(QuittingWindow, ClosingTheMainWindowInAMovesPauseEndsTheGame) {
    window.show();
    bool returned = false;
    QTimer::singleShot(0, [&] {
        test::AnswerModal<frmStart>([](frmStart* d) { d->cmdOK->click(); });
        test::When([&] { return window.statusPanel(0)->text() == "Your turn ..."; },
                   [&] {
                       QTest::mouseClick(window.pictures().picV, Qt::LeftButton, {}, {165, 105});
                       test::When([&] { return !window.state().AwaitingInput; },
                                  [&] { window.close(); });
                   });
        window.mnuGameStatus()->trigger();
        returned = true;
    });
    QApplication::exec();
    EXPECT_TRUE(returned) << "the game's loop unwound";
    EXPECT_EQ(window.state().MoveCount, 0) << "the move in its pause was not completed";
    EXPECT_EQ(window.statusPanel(0)->text(), "Your turn ...") << "no further message";
    EXPECT_FALSE(QFile::exists(store.filePath())) << "no score";
}

TEST_F(QuittingWindow, CtrlQEndsTheProgramAndClosesTheHelp) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.helpViewer()->setCandidates({dir.filePath("missing.html")});
    window.mnuHelpTopics_Click();
    QTimer::singleShot(0, [&] { QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window.helpViewer()->isVisible());
}

TEST_F(QuittingWindow, ExitDuringAnExpertSearchEndsItAtOnce) {
    window.SetLevel(Level::Expert);
    window.show();
    QTimer::singleShot(0, [&] {
        test::AnswerModal<frmStart>([](frmStart* d) {
            d->optColor[1]->click();
            d->cmdOK->click();
        });
        test::When([&] { return window.statusPanel(0)->text() == "My turn now ..."; },
                   [&] { window.menuItem("mnuGameExit")->trigger(); });
        window.mnuGameStatus()->trigger();
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(window.state().MoveCount, 0) << "no move was made";
}

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
