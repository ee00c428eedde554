// The main window: its board input, Start and Stop, every command and the splash.
#include "app/startup.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_start.h"
#include "scores/score_sheet.h"
#include "support/fake_programs.h"
#include "support/modal.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QMenuBar>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::AnswerBox;
using test::AnswerModal;

class WindowTest : public test::WindowFixture {
protected:
    WindowTest() {
        QFile help(dir.filePath("help.html"));
        help.open(QIODevice::WriteOnly);
        help.write("<a name=\"contents\"></a><h1>Contents</h1><a name=\"score-sheet\"></a>");
        help.close();
        window.helpViewer()->setCandidates({dir.filePath("missing.html"), help.fileName()});
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    ~WindowTest() override { window.helpViewer()->close(); }

    QString status() const { return window.statusPanel(0)->text(); }

    // Which command `act` ran: the window it opened, or the web launch's message.
    QString CommandThatRuns(const std::function<void()>& act) {
        QString seen;
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        const QPointer<QTimer> answer = AnswerModal<QDialog>([&](QDialog* modal) {
            seen = dynamic_cast<scoresheet*>(modal) != nullptr ? "score"
                   : dynamic_cast<frmAbout*>(modal) != nullptr ? "about"
                   : dynamic_cast<frmStart*>(modal) != nullptr
                       ? "start"
                       : "box: " + static_cast<QMessageBox*>(modal)->text().section('\n', 0, 0);
            modal->reject();
        });
        window.helpViewer()->hide();
        act();
        if (seen.isEmpty() && window.helpViewer()->isVisible()) {
            seen = "help: " + window.helpViewer()->browser()->source().fragment();
        }
        delete answer.data(); // a command that opened no window left it waiting
        return seen;
    }

    QTemporaryDir bin;
    test::ScopedEnv path{"PATH", QFile::encodeName(bin.path())}; // no browser
};

TEST_F(WindowTest, ReleasesDigitsAndTheVKeyReachTheGame) {
    EXPECT_EQ(status(), "Game stopped");
    const std::pair<QPoint, int> releases[] = {{{165, 105}, 35}, {{269, 269}, 88}, {{29, 100}, 30}};
    for (const auto& [pixel, cell] : releases) {
        window.state().AwaitingInput = true;
        QTest::mouseClick(window.pictures().picV, Qt::LeftButton, {}, pixel);
        EXPECT_EQ(window.state().HumanRow * 10 + window.state().HumanCol, cell);
    }
    window.state().AwaitingInput = true;
    window.state().HumanRow = window.state().HumanCol = 0;
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_6, Qt::Key_9, Qt::Key_2}) {
        QTest::keyClick(test::KeyReceiver(window), key);
    }
    EXPECT_EQ(window.state().HumanRow * 10 + window.state().HumanCol, 62);
    EXPECT_FALSE(window.state().AwaitingInput);

    QWidget* picV = window.pictures().picV;
    window.state().MoveCount = 2;
    QTest::keyPress(test::KeyReceiver(window), Qt::Key_V);
    EXPECT_FALSE(picV->isVisible());
    QTest::keyPress(test::KeyReceiver(window), Qt::Key_V, {}, -1); // auto-repeat keeps it hidden
    EXPECT_FALSE(picV->isVisible());
    QTest::keyRelease(test::KeyReceiver(window), Qt::Key_V);
    EXPECT_TRUE(picV->isVisible());
    QTest::keyPress(test::KeyReceiver(window), Qt::Key_V);
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&window, &deactivate);
    EXPECT_TRUE(picV->isVisible()) << "a release that goes to another window";
}

TEST_F(WindowTest, StartRunsAGameAndStopAsksFirst) {
    AnswerModal<frmStart>([](frmStart* d) { d->cmdCancel->click(); });
    window.mnuGameStatus()->trigger();
    EXPECT_FALSE(window.controller().running());
    frmStart::OK = true;
    AnswerModal<frmStart>([](frmStart* d) { d->close(); });
    window.mnuGameStatus()->trigger();
    EXPECT_FALSE(window.controller().running()) << "the close box after an earlier OK";

    QString running;
    AnswerModal<frmStart>([](frmStart* d) { d->cmdOK->click(); });
    test::When([&] { return status() == "Your turn ..."; },
               [&] {
                   running = window.mnuGameStatus()->text() + " " +
                             (window.button("start")->isVisible() ? "start" : "") +
                             (window.button("stop")->isVisible() ? "stop" : "");
                   AnswerBox(QMessageBox::No);
                   window.button("stop")->trigger();
                   EXPECT_TRUE(window.controller().running()) << "No lets the game go on";
                   AnswerBox(QMessageBox::Yes, [](QMessageBox* box) {
                       EXPECT_EQ(box->text(), "Are you sure you want to stop this game?");
                   });
                   window.mnuGameStatus()->trigger();
               });
    window.button("start")->trigger();
    EXPECT_EQ(running, "&Stop stop");
    EXPECT_EQ(window.mnuGameStatus()->text(), "&Start");
    EXPECT_TRUE(window.button("start")->isVisible());
    EXPECT_FALSE(window.button("stop")->isVisible());
    EXPECT_EQ(status(), "Game stopped");
    EXPECT_FALSE(QFile::exists(store.filePath())) << "a stopped game records no score";
}

TEST_F(WindowTest, EveryKeyAndButtonReachesItsCommandAlsoInTheMiddleOfAGame) {
    const std::tuple<QKeyCombination, const char*, const char*> rows[] = {
        {Qt::CTRL | Qt::Key_N, "start", "start"},
        {Qt::CTRL | Qt::Key_G, "score", "score"},
        {QKeyCombination(Qt::Key_F1), "help", "help: contents"},
        {Qt::CTRL | Qt::Key_W, "web", "box: Could not find associated Browser"},
        {QKeyCombination(Qt::Key_F2), "about", "about"},
    };
    for (const auto& [keys, button, command] : rows) {
        EXPECT_EQ(CommandThatRuns(
                      [&] { QTest::keyClick(&window, keys.key(), keys.keyboardModifiers()); }),
                  command);
        EXPECT_EQ(CommandThatRuns([&] { window.button(button)->trigger(); }), command);
    }
    QString during;
    AnswerModal<frmStart>([](frmStart* d) { d->cmdOK->click(); });
    test::When([&] { return status() == "Your turn ..."; },
               [&] {
                   during = CommandThatRuns(
                       [&] { QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier); });
                   AnswerBox(QMessageBox::Yes);
                   window.mnuGameStatus()->trigger();
               });
    window.mnuGameStatus()->trigger();
    EXPECT_EQ(during, "score");
}

TEST_F(WindowTest, AStrongerLevelIsRememberedPlaysAndKeepsItsOwnTopTen) {
    window.menuItem("mnuLevelStrong")->trigger();
    EXPECT_EQ(frmOthello(clock, scores).level(), Level::Strong) << "a new window reads it";
    AnswerModal<frmStart>([](frmStart* d) {
        d->optColor[1]->click();
        d->cmdOK->click();
    });
    // The engine's move is being marked; the fake clock then ends the pause.
    test::When([&] { return window.state().CompRow != 0; },
               [&] {
                   clock.now += 10'000;
                   AnswerBox(QMessageBox::Yes);
                   window.mnuGameStatus()->trigger();
               });
    window.mnuGameStatus()->trigger();
    window.RecordScore(33);
    EXPECT_EQ(store.Get(kScoreApp, "Game scores (Strong)", "Score1"), "33");
    EXPECT_EQ(store.Get(kScoreApp, kScoreSection, "Score1"), "");
    QString title;
    AnswerModal<QDialog>([&](QDialog* sheet) {
        title = sheet->windowTitle();
        sheet->reject();
    });
    window.mnuGameScore_Click();
    EXPECT_EQ(title, "Othello game score sheet (Strong)");
}

// The cells whose middle (a dot) or left edge (a ring) shows about the colour,
// as column and row.
std::vector<QPoint> CellsShowing(QWidget* picture, const QColor& colour) {
    const QImage shot = picture->grab().toImage();
    const auto near = [&](int x, int y) {
        const QColor seen = shot.pixelColor(x, y);
        return std::abs(seen.red() - colour.red()) + std::abs(seen.green() - colour.green()) +
                   std::abs(seen.blue() - colour.blue()) <
               40;
    };
    std::vector<QPoint> cells;
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            if (near(30 * c + 16, 30 * r + 16) || near(30 * c + 6, 30 * r + 16)) {
                cells.emplace_back(c, r);
            }
        }
    }
    return cells;
}

TEST_F(WindowTest, LegalMovesHintUndoAndTheKeyboardFrameDuringTheHumansTurn) {
    QWidget* picV = window.pictures().picV;
    QAction* undo = window.menuItem("mnuGameUndo");
    QAction* hint = window.menuItem("mnuGameHint");
    window.menuItem("mnuGameLegal")->trigger();
    EXPECT_TRUE(frmOthello(clock, scores).showLegalMoves()) << "a new window reads it";
    const std::vector<QPoint> opening = {{5, 3}, {6, 4}, {3, 5}, {4, 6}};
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(picV);
    ASSERT_EQ(board->role(), QAccessible::Table);
    ASSERT_EQ(board->childCount(), 65) << "the cells and the turn label";
    const auto name = [&](int row, int col) {
        return board->child((row - 1) * 8 + col - 1)->text(QAccessible::Name);
    };
    QStringList seen;
    // The pauses end as soon as they begin.
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        clock.now += 1000;
        QTest::keyClick(test::KeyReceiver(window), Qt::Key_Shift);
    });
    AnswerModal<frmStart>([](frmStart* d) { d->cmdOK->click(); });
    test::When(
        [&] { return status() == "Your turn ..."; },
        [&] {
            EXPECT_EQ(CellsShowing(picV, colours::kLegalMark), opening);
            seen = {name(3, 5), name(4, 4), name(1, 1), board->child(64)->text(QAccessible::Name)};
            EXPECT_FALSE(undo->isEnabled()) << "nothing to undo yet";
            EXPECT_TRUE(hint->isEnabled());
            // Left shows the frame at 4,4; Right and Up move it; Enter plays there.
            for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Return}) {
                QTest::keyClick(test::KeyReceiver(window), key);
            }
            ticker.start(5);
            test::When([&] { return window.state().MoveCount == 1; },
                       [&] {
                           seen.push_back(QStringLiteral("%1 dots in the computer's turn")
                                              .arg(CellsShowing(picV, colours::kLegalMark).size()));
                       });
            test::When([&] { return status() == "Your turn ..." && window.state().MoveCount == 2; },
                       [&] {
                           ticker.stop();
                           seen.push_back(picV->accessibleDescription().section(' ', 0, 2));
                           EXPECT_TRUE(undo->isEnabled());
                           hint->trigger();
                           test::When([&] { return !CellsShowing(picV, colours::kHint).empty(); },
                                      [&] {
                                          undo->trigger();
                                          test::When(
                                              [&] { return window.state().MoveCount == 0; },
                                              [&] {
                                                  EXPECT_EQ(CellsShowing(picV, colours::kLegalMark),
                                                            opening);
                                                  EXPECT_FALSE(undo->isEnabled());
                                                  AnswerBox(QMessageBox::Yes);
                                                  window.mnuGameStatus()->trigger();
                                              });
                                      });
                       });
        });
    window.mnuGameStatus()->trigger();
    EXPECT_EQ(seen.join('|').toStdString(),
              "row 3, column 5, empty, legal move|row 4, column 4, black|row 1, column 1, "
              "empty|Your turn, Black|0 dots in the computer's turn|White plays row");
    EXPECT_TRUE(CellsShowing(picV, colours::kLegalMark).empty()) << "only while it waits";
    EXPECT_FALSE(hint->isEnabled());
}

TEST_F(WindowTest, F1OverAHighlightedMenuItemOpensItsTopic) {
    auto* menu = window.menuBar()->actions()[0]->menu();
    menu->popup(window.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(window.menuItem("mnuGameScore"));
    QTest::keyClick(menu, Qt::Key_F1);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(window.helpViewer()->browser()->source().fragment(), "score-sheet");
}

TEST(Startup, TheDesktopsLanguageTranslatesTheTextsAndEnglishKeepsThem) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"de", "&Spiel", "Spiel angehalten"},
        {"fi", "&Peli", "Peli pysäytetty"},
        {"en", "&Game", "Game stopped"},
        {"sv", "&Game", "Game stopped"}, // no translation
    };
    for (const auto& [language, menu, status] : rows) {
        QLocale::setDefault(QLocale(QString::fromLatin1(language)));
        InstallTranslations();
        test::FakeClock clock;
        QTemporaryDir dir;
        SettingsStore store(dir.filePath("settings.ini"));
        ScoreRecords scores(store);
        frmOthello window(clock, scores);
        EXPECT_EQ(window.menuBar()->actions()[0]->text(), QString::fromUtf8(menu)) << language;
        EXPECT_EQ(window.statusPanel(0)->text(), QString::fromUtf8(status)) << language;
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    QLocale::setDefault(QLocale::c());
}

TEST(Startup, TheSplashGivesWayToTheMainWindowOnItsTimer) {
    test::FakeClock clock;
    QTemporaryDir dir;
    SettingsStore store(dir.filePath("settings.ini"));
    ScoreRecords scores(store);
    Program program = Main(clock, scores);
    EXPECT_TRUE(program.splash->isVisible());
    EXPECT_FALSE(program.window->isVisible()) << "loaded, not shown";
    EXPECT_EQ(program.splash->Timer1()->interval(), 2000);
    program.splash->Timer1_Timer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(program.splash.isNull()) << "the splash is gone for good";
    EXPECT_TRUE(program.window->isVisible());
}

TEST(EventWaits, APauseHandlesEventsUntilItsTimeIsUpNestedOrNot) {
    test::FakeClock clock;
    EventWaits waits(clock);
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        clock.now += 100;
        waits.Wake();
    });
    QTimer::singleShot(0, [&] { EXPECT_TRUE(waits.Pause(200)); });
    ticker.start(0);
    EXPECT_TRUE(waits.Pause(1000));
    EXPECT_EQ(clock.now, 1000);
}

} // namespace
} // namespace tarvo
