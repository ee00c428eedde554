#include "app/frm_othello.h"
#include "dialogs/frm_start.h"
#include "support/modal.h"
#include "window_fixture.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::FakeClock;

TEST(StatusDate, TwoDigitDayShortMonthFourDigitYear) {
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_EQ(StatusDate(QDate(2026, 12, 7), english), "07-Dec-2026");
    EXPECT_EQ(StatusDate(QDate(2027, 5, 31), english), "31-May-2027");
    EXPECT_EQ(StatusDate(QDate(1999, 1, 1), english), "01-Jan-1999");
}

using MainWindowTest = test::WindowFixture;

TEST_F(MainWindowTest, LoadsInTheStoppedStateWithTheOpeningBoard) {
    EXPECT_EQ(window.windowTitle(), "Tarvo Othello");
    EXPECT_EQ(window.statusPanel(0)->text(), "Game stopped");
    EXPECT_EQ(window.statusPanel(1)->text(), StatusDate(QDate::currentDate(), QLocale::system()));
    EXPECT_EQ(window.state().CellSize, 30);
    EXPECT_EQ(window.state().Board(4, 4), Black);
    EXPECT_EQ(window.state().Board(4, 5), White);
    const QImage& board = window.pictures().picV->image();
    EXPECT_EQ(board.pixelColor(4 * 30 + 15, 4 * 30 + 15), colours::kBlackPiece);
    EXPECT_EQ(board.pixelColor(5 * 30 + 15, 4 * 30 + 15), colours::kWhitePiece);
}

TEST_F(MainWindowTest, ClientAreaLayout) {
    QWidget* client = window.clientArea();
    EXPECT_EQ(client->size(), QSize(620, 356));
    EXPECT_EQ(client->palette().color(QPalette::Window), colours::kWindow);
    EXPECT_EQ(window.pictures().picV->parentWidget(), client);
    EXPECT_EQ(window.pictures().picV->geometry(), QRect(14, 48, 290, 278));
    EXPECT_EQ(window.logo()->geometry(), QRect(304, 104, 300, 150));
    const QImage logo = window.logo()->pixmap().toImage();
    EXPECT_EQ(logo.size(), QSize(300, 150));
    EXPECT_NE(logo.pixelColor(10, 10), colours::kWindow) << "the logo was not drawn";
    QWidget* status = window.statusPanel(0)->parentWidget();
    EXPECT_EQ(status->geometry().bottom(), 355);
    EXPECT_GE(status->geometry().top(), 48 + 278) << "the status bar covers the board";
}

} // namespace
} // namespace tarvo

namespace tarvo {
namespace {

using test::AnswerBox;
using test::AnswerModal;

TEST_F(MainWindowTest, AReleaseOverTheBoardDesignatesItsCell) {
    const std::pair<QPoint, std::pair<int, int>> rows[] = {
        {{165, 105}, {3, 5}}, {{30, 30}, {1, 1}},   {{269, 269}, {8, 8}},
        {{29, 100}, {3, 0}},  {{280, 275}, {9, 9}},
    };
    for (const auto& [pixel, cell] : rows) {
        window.state().AwaitingInput = true;
        QTest::mouseClick(window.pictures().picV, Qt::LeftButton, {}, pixel);
        EXPECT_FALSE(window.state().AwaitingInput);
        EXPECT_EQ(window.state().HumanRow, cell.first) << pixel.x() << "," << pixel.y();
        EXPECT_EQ(window.state().HumanCol, cell.second) << pixel.x() << "," << pixel.y();
    }
    window.state().HumanRow = 0;
    QTest::mouseClick(window.pictures().picV, Qt::RightButton, {}, {100, 100});
    EXPECT_EQ(window.state().HumanRow, 0) << "outside a wait a release does nothing";
}

TEST_F(MainWindowTest, DigitKeysTypeAMove) {
    window.show();
    window.state().AwaitingInput = true;
    window.state().HumanRow = window.state().HumanCol = 0;
    QTest::keyClick(&window, Qt::Key_A);
    QTest::keyClick(&window, Qt::Key_6);
    QTest::keyClick(&window, Qt::Key_9);
    QTest::keyClick(&window, Qt::Key_2);
    EXPECT_EQ(window.state().HumanRow, 6);
    EXPECT_EQ(window.state().HumanCol, 2);
    EXPECT_FALSE(window.state().AwaitingInput);
}

TEST_F(MainWindowTest, HoldingVUncoversTheLatestMoveOnlyAfterTwoPlacements) {
    window.show();
    QWidget* picV = window.pictures().picV;
    window.state().MoveCount = 1;
    QTest::keyPress(&window, Qt::Key_V);
    EXPECT_TRUE(picV->isVisible());
    QTest::keyRelease(&window, Qt::Key_V);
    window.state().MoveCount = 2;
    QTest::keyPress(&window, Qt::Key_V);
    EXPECT_FALSE(picV->isVisible());
    EXPECT_TRUE(window.pictures().picB->isVisible());
    QTest::keyPress(&window, Qt::Key_V, {}, -1); // auto-repeat keeps it hidden
    EXPECT_FALSE(picV->isVisible());
    QTest::keyRelease(&window, Qt::Key_V);
    EXPECT_TRUE(picV->isVisible());
}

TEST_F(MainWindowTest, StartThenCancelChangesNothing) {
    const QImage before = window.pictures().picV->image().copy();
    AnswerModal<frmStart>([](frmStart* d) { d->cmdCancel->click(); });
    window.mnuGameStatus()->trigger();
    EXPECT_EQ(window.mnuGameStatus()->text(), "&Start");
    EXPECT_TRUE(window.button("start")->isVisible());
    EXPECT_FALSE(window.button("stop")->isVisible());
    EXPECT_EQ(window.pictures().picV->image(), before);
    EXPECT_EQ(window.statusPanel(0)->text(), "Game stopped");
}

TEST_F(MainWindowTest, StartWithOkRunsAGameAndStopAsksFirst) {
    window.show();
    EXPECT_EQ(window.mnuGameStatus()->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(window.button("start")->toolTip(), "Start new game");
    EXPECT_EQ(window.button("stop")->toolTip(), "Stop current game");
    bool checkedRunning = false;
    std::string stopText;
    AnswerModal<frmStart>([&](frmStart* d) {
        d->optColor[0]->click();
        d->cmdOK->click();
    });
    // Once the game waits for the human, the controls show it running.
    test::When([&] { return window.statusPanel(0)->text() == "Your turn ..."; },
               [&] {
                   EXPECT_EQ(window.mnuGameStatus()->text(), "&Stop");
                   EXPECT_FALSE(window.button("start")->isVisible());
                   EXPECT_TRUE(window.button("stop")->isVisible());
                   EXPECT_EQ(window.statusPanel(0)->text(), "Your turn ...");
                   checkedRunning = true;
                   AnswerBox(QMessageBox::No);
                   window.button("stop")->trigger();
                   EXPECT_TRUE(window.controller().running()) << "No lets the game go on";
                   AnswerBox(QMessageBox::Yes, [&](QMessageBox* box) {
                       stopText = (box->windowTitle() + "|" + box->text()).toStdString();
                       EXPECT_EQ(box->icon(), QMessageBox::Question);
                   });
                   window.mnuGameStatus()->trigger();
               });
    window.button("start")->trigger();
    EXPECT_TRUE(checkedRunning);
    EXPECT_EQ(stopText, "Stop game|Are you sure you want to stop this game?");
    EXPECT_EQ(window.mnuGameStatus()->text(), "&Start");
    EXPECT_TRUE(window.button("start")->isVisible());
    EXPECT_EQ(window.statusPanel(0)->text(), "Game stopped");
    EXPECT_FALSE(QFile::exists(store.filePath())) << "a stopped game records no score";
}

TEST_F(MainWindowTest, ClosingTheColourDialogStartsNoGameEvenAfterAnEarlierOk) {
    frmStart::OK = true;
    AnswerModal<frmStart>([](frmStart* d) { d->close(); });
    window.mnuGameStatus()->trigger();
    EXPECT_EQ(window.mnuGameStatus()->text(), "&Start");
    EXPECT_FALSE(window.controller().running());
}

TEST_F(MainWindowTest, AFinishedGameRecordsTheScoreInTheStore) {
    window.RecordScore(41);
    window.RecordScore(12);
    ScoreRecords reread(store);
    reread.LoadScores();
    EXPECT_EQ(reread.ScoreTable(1), 41);
    EXPECT_EQ(reread.ScoreTable(2), 12);
}

} // namespace
} // namespace tarvo
