// Quitting cannot be undone within a process, so these tests have a binary
// of their own, and ctest runs each test in a process of its own.
#include "app/event_waits.h"
#include "app/frm_othello.h"
#include "dialogs/frm_start.h"
#include "support/modal.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

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

} // namespace
} // namespace tarvo
