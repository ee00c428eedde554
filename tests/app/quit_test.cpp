// Quitting cannot be undone within a process, so these tests have a binary
// of their own, and ctest runs each test in a process of its own.
#include "app/event_waits.h"
#include "app/frm_othello.h"
#include "dialogs/frm_start.h"
#include "event_storm.h"
#include "support/modal.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <random>

namespace tarvo {
namespace {

using test::FakeClock;

using QuittingWindow = test::WindowFixture;

TEST(Quitting, APauseReportsThatTheApplicationQuits) {
    FakeClock clock;
    EventWaits pause(clock);
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    EXPECT_FALSE(pause.Pause(60'000));
    // Every later pause returns at once, reporting the quit again.
    EXPECT_FALSE(pause.Pause(60'000));
}

TEST_F(QuittingWindow, ClosingTheMainWindowDuringAGameEndsItPromptly) {
    // The clock never advances: the move's pause lasts until the close.
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
    EXPECT_TRUE(window.controller().quitting());
    EXPECT_EQ(window.state().MoveCount, 0) << "the move in its pause was not completed";
    EXPECT_EQ(window.statusPanel(0)->text(), "Your turn ...") << "no further message";
    EXPECT_FALSE(QFile::exists(store.filePath())) << "no score";
}

TEST_F(QuittingWindow, CtrlQEndsTheProgram) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.helpViewer()->setCandidates({dir.filePath("missing.html")});
    window.mnuHelpTopics_Click();
    QTimer::singleShot(0, [&] { QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.helpViewer()->isVisible()) << "all windows close";
}

TEST_F(QuittingWindow, ExitDuringTheComputersTurnDropsTheGame) {
    window.show();
    bool returned = false;
    QTimer::singleShot(0, [&] {
        // White: the computer moves first, and its mark's pause never ends.
        test::AnswerModal<frmStart>([](frmStart* d) {
            d->optColor[1]->click();
            d->cmdOK->click();
        });
        test::When(
            [&] {
                return window.state().MoveCount == 0 && window.controller().running() &&
                       window.statusPanel(0)->text() == "My turn now ...";
            },
            [&] { window.menuItem("mnuGameExit")->trigger(); });
        window.mnuGameStatus()->trigger();
        returned = true;
    });
    QApplication::exec();
    EXPECT_TRUE(returned) << "the game's loop unwound";
    EXPECT_TRUE(window.controller().quitting());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.state().MoveCount, 0) << "no move was completed";
    EXPECT_FALSE(QFile::exists(store.filePath())) << "no score";
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
        if (tick != quitAt) {
            return false;
        }
        if (viaExit) {
            window.menuItem("mnuGameExit")->trigger();
        } else {
            window.close();
        }
        return true;
    };
    storm.Start();
    EXPECT_EQ(QApplication::exec(), 0);
    storm.Stop();
    EXPECT_EQ(storm.ticks, quitAt + 1) << "the storm reached its moment";
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(storm.errors, QStringList{});
}

// Runs the test above in processes of their own, one seed each.
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
                                     << run.readAllStandardOutput().toStdString()
                                     << run.readAllStandardError().toStdString();
    }
}

} // namespace
} // namespace tarvo
