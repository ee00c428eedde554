// The main window: its board input, Start and Stop, levels, the comforts, the help and the splash.
#include "app/game_listeners.h"
#include "app/startup.h"
#include "dialogs/frm_start.h"
#include "scores/score_sheet.h"
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
        window.helpViewer()->setCandidates({dir.filePath("missing.html"), TARVO_HELP_FILE});
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QString status() const { return window.statusPanel(0)->text(); }
};

TEST_F(WindowTest, ReleasesDigitsAndTheVKeyReachTheGame) {
    window.state().AwaitingInput = true;
    QTest::mouseClick(window.pictures().picV, Qt::LeftButton, {}, {165, 105});
    EXPECT_EQ(window.state().HumanRow * 10 + window.state().HumanCol, 35);
    window.state().AwaitingInput = true;
    window.state().HumanRow = window.state().HumanCol = 0;
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_6, Qt::Key_9, Qt::Key_2}) {
        QTest::keyClick(test::KeyReceiver(window), key);
    }
    EXPECT_EQ(window.state().HumanRow * 10 + window.state().HumanCol, 62);

    QWidget* picV = window.pictures().picV;
    window.state().MoveCount = 1;
    QTest::keyPress(test::KeyReceiver(window), Qt::Key_V);
    EXPECT_TRUE(picV->isVisible()) << "not before two placements";
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
    AnswerModal<frmStart>([](frmStart* d) {
        d->optColor[1]->click();
        d->cmdCancel->click();
    });
    window.mnuGameStatus()->trigger();
    EXPECT_FALSE(window.session().running());
    AnswerModal<frmStart>([](frmStart* d) {
        EXPECT_TRUE(d->optColor[0]->isChecked()) << "each opening selects Black";
        d->optColor[1]->click();
        d->close();
    });
    window.mnuGameStatus()->trigger();
    EXPECT_FALSE(window.session().running()) << "the close box after an earlier OK";

    bool stopShown = false;
    AnswerModal<frmStart>([](frmStart* d) { d->cmdOK->click(); });
    test::When([&] { return status() == "Your turn ..."; },
               [&] {
                   stopShown = window.mnuGameStatus()->toolTip() == "Stop current game";
                   AnswerBox(QMessageBox::Yes);
                   window.mnuGameStatus()->trigger();
               });
    window.mnuGameStatus()->trigger();
    // The game runs from the event loop until Stop ends it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.session().running(); }, 60'000));
    EXPECT_TRUE(stopShown && window.mnuGameStatus()->toolTip() == "Start new game");
    EXPECT_EQ(window.toolbar()->actions().front(), window.mnuGameStatus())
        << "the menu and the toolbar share one action";
    EXPECT_EQ(status(), "Game stopped");
    EXPECT_FALSE(QFile::exists(store.filePath())) << "a stopped game records no score";
}

TEST_F(WindowTest, AModalBoxOpenedDuringAPauseHoldsTheGameUntilItCloses) {
    AnswerModal<frmStart>([](frmStart* d) {
        d->optColor[1]->click();
        d->cmdOK->click();
    });
    window.mnuGameStatus()->trigger();
    ASSERT_NE(window.state().CompRow, 0) << "the computer marks its opening move";
    const auto placed = [&] {
        return window.state().Board(window.state().CompRow, window.state().CompCol) == Black;
    };
    AnswerModal<scoresheet>([&](scoresheet* sheet) {
        clock.now += 10'000;
        window.driver().Wake();
        QCoreApplication::processEvents();
        EXPECT_FALSE(placed()) << "the pause is over, but the box holds the game";
        sheet->accept();
    });
    window.mnuGameScore_Click();
    EXPECT_TRUE(QTest::qWaitFor(placed));
}

TEST_F(WindowTest, AnimatedPiecesFlipOverTheFinishedBoardUntilStopEndsThem) {
    window.SetAnimateMoves(true);
    EXPECT_EQ(store.Get(kScoreApp, "Options", "AnimateMoves"), "1");
    AnswerModal<frmStart>([](frmStart* d) {
        d->optColor[1]->click();
        d->cmdOK->click();
    });
    window.mnuGameStatus()->trigger();
    const int16_t row = window.state().CompRow;
    const int16_t col = window.state().CompCol;
    // The mark's pause, then the pause before the pieces turn.
    for (int pause = 0; pause < 2; ++pause) {
        clock.now += 10'000;
        window.driver().Wake();
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.flipAnimation().running(); }));
    // Beneath the flip the board already shows the move and its turned piece.
    const int s = window.state().CellSize;
    EXPECT_EQ(window.pictures().picV->image().pixelColor(s * col + s / 2, s * row + s / 2),
              colours::kBlackPiece);
    AnswerBox(QMessageBox::Yes);
    window.mnuGameStatus()->trigger();
    EXPECT_FALSE(window.flipAnimation().running());
    EXPECT_FALSE(window.flipAnimation().isVisible());
}

TEST_F(WindowTest, TwoPlayersTakeTurnsOnOneBoardAndTheChoiceIsRemembered) {
    AnswerModal<frmStart>([](frmStart* d) {
        d->cboPlayers->setCurrentIndex(1);
        d->cmdOK->click();
        EXPECT_EQ(d->choice(), (GameChoice{0, Opponents::TwoPlayers}));
    });
    window.mnuGameStatus()->trigger();
    EXPECT_EQ(status(), "Black's turn");
    EXPECT_EQ(window.pictures().lblWinst[0]->accessibleName(), "Black's turn");
    AnswerBox(QMessageBox::Yes);
    window.mnuGameStatus()->trigger();
    EXPECT_FALSE(window.session().running());
    frmOthello next(clock, scores);
    AnswerModal<frmStart>([](frmStart* d) {
        EXPECT_EQ(d->cboPlayers->currentIndex(), 1) << "a new window remembers the choice";
        d->cmdCancel->click();
    });
    next.mnuGameStatus()->trigger();
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.session().running(); }, 60'000));
    ScoreListener::Record(scores, 33, Level::Strong, &window);
    QStringList sheets;
    for (const char* level : {"mnuLevelClassic", "mnuLevelStrong"}) {
        window.menuItem(level)->trigger();
        AnswerModal<scoresheet>([&](scoresheet* sheet) {
            sheets << sheet->windowTitle() + ":" + sheet->lines().join("");
            sheet->reject();
        });
        window.mnuGameScore_Click();
    }
    EXPECT_EQ(sheets,
              (QStringList{"Othello game score sheet:", "Othello game score sheet (Strong): 33 "}));
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

TEST_F(WindowTest, LegalMovesHintUndoRedoAndTheKeyboardFrameDuringTheHumansTurn) {
    QWidget* picV = window.pictures().picV;
    QAction* undo = window.menuItem("mnuGameUndo");
    QAction* redo = window.menuItem("mnuGameRedo");
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
                                                  redo->trigger();
                                                  test::When(
                                                      [&] { return window.state().MoveCount == 2; },
                                                      [&] {
                                                          EXPECT_FALSE(redo->isEnabled());
                                                          AnswerBox(QMessageBox::Yes);
                                                          window.mnuGameStatus()->trigger();
                                                      });
                                              });
                                      });
                       });
        });
    window.mnuGameStatus()->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.session().running(); }, 60'000));
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
    EXPECT_EQ(window.helpViewer()->browser()->source().fragment(), "score-sheet");
}

// The keys a menu's items are chosen with, after "&", lower case; Start's
// item may be given the caption it has while a game runs.
QString MenuKeys(const QList<QAction*>& actions, const QString& startCaption = {}) {
    QString keys;
    for (const QAction* action : actions) {
        const QString text = action->objectName() == "mnuGameStatus" && !startCaption.isEmpty()
                                 ? startCaption
                                 : action->text();
        const qsizetype at = text.indexOf('&');
        if (at >= 0 && at + 1 < text.size()) {
            keys += text[at + 1].toLower();
        }
    }
    return keys;
}

TEST(Startup, TheDesktopsLanguageTranslatesTheTextsAndEveryMenuHasDistinctKeys) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"de", "&Spiel", "Spiel angehalten"},
        {"fi", "&Peli", "Peli pys\u00e4ytetty"},
        {"sv", "&Game", "Game stopped"}, // no translation
    };
    for (const auto& [language, menu, status] : rows) {
        QLocale::setDefault(QLocale(QString::fromLatin1(language)));
        InstallTranslations();
        test::LoneWindow lone;
        const frmOthello& window = lone.window;
        EXPECT_EQ(window.menuBar()->actions()[0]->text(), QString::fromUtf8(menu)) << language;
        EXPECT_EQ(window.statusPanel(0)->text(), QString::fromUtf8(status)) << language;
        std::vector<QString> menus = {MenuKeys(window.menuBar()->actions())};
        for (const QMenu* each : window.menuBar()->findChildren<QMenu*>()) {
            menus.push_back(MenuKeys(each->actions()));
            menus.push_back(
                MenuKeys(each->actions(), QCoreApplication::translate("frmOthello", "&Stop")));
        }
        for (const QString& keys : menus) {
            EXPECT_EQ(QSet<QChar>(keys.begin(), keys.end()).size(), keys.size())
                << language << ": " << keys.toStdString();
        }
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    QLocale::setDefault(QLocale::c());
}

// Run on its own with LANGUAGE=fi and LANG=C: the texts' language, chosen
// apart from the rest of the locale, gives the date its words too.
TEST(Startup, DISABLED_TheDateSpeaksTheLanguageOfTheTexts) {
    InstallTranslations();
    test::LoneWindow lone;
    ASSERT_EQ(lone.window.menuBar()->actions()[0]->text(), "&Peli");
    const QString date = lone.window.statusPanel(1)->text();
    EXPECT_TRUE(QLocale(QLocale::Finnish).toDate(date, "dd-MMM-yyyy").isValid())
        << date.toStdString();
}

TEST(Startup, TheSplashGivesWayToTheMainWindowAndADamagedFileIsToldOnce) {
    test::FakeClock clock;
    QTemporaryDir dir;
    SettingsStore store(dir.filePath("settings.ini"));
    QFile file(store.filePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Tarvo Othello/Options]\nLevel=Expert\n[Tarvo Othello/Game scores]\ngarbage\n");
    file.close();
    ScoreRecords scores(store);
    QString told;
    AnswerBox(QMessageBox::Ok, [&told](QMessageBox* box) { told = box->text(); });
    Program program = Main(clock, scores);
    EXPECT_TRUE(program.splash->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !told.isEmpty(); }));
    EXPECT_TRUE(told.contains(store.filePath() + ": the file is damaged at line 4"))
        << told.toStdString();
    EXPECT_TRUE(program.window->menuItem("mnuLevelExpert")->isChecked()) << "the rest is read";
    program.splash->Timer1_Timer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(program.splash.isNull()) << "the splash is gone for good";
    EXPECT_TRUE(program.window->isVisible());
}

} // namespace
} // namespace tarvo
