// The main window's menu, accelerators and toolbar, the help window and the splash.
#include "app/frm_othello.h"
#include "app/startup.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_start.h"
#include "scores/score_sheet.h"
#include "support/fake_programs.h"
#include "support/modal.h"
#include "window_fixture.h"

#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::AnswerBox;
using test::AnswerModal;
using test::ScopedEnv;

using test::FakeClock;

class CommandsTest : public test::WindowFixture {
protected:
    CommandsTest() {
        QFile help(dir.filePath("help.html"));
        help.open(QIODevice::WriteOnly);
        help.write("<html><body><a name=\"contents\"></a><h1>Contents</h1>"
                   "<a name=\"score-sheet\"></a><h2>Score sheet</h2></body></html>");
        help.close();
        window.helpViewer()->setCandidates({dir.filePath("missing.html"), help.fileName()});
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    ~CommandsTest() override { window.helpViewer()->close(); }

    // Which of the commands that open a window ran: the score sheet, the
    // about box, the help window or the web launch (its message, since no
    // browser is set up here).
    QString CommandThatRuns(const std::function<void()>& act) {
        QString seen;
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        const QPointer<QTimer> answer = AnswerModal<QDialog>([&](QDialog* modal) {
            if (dynamic_cast<scoresheet*>(modal) != nullptr) {
                seen = "score";
            } else if (dynamic_cast<frmAbout*>(modal) != nullptr) {
                seen = "about";
            } else if (auto* box = dynamic_cast<QMessageBox*>(modal)) {
                seen = "web: " + box->text().section('\n', 0, 0);
            } else if (dynamic_cast<frmStart*>(modal) != nullptr) {
                seen = "start";
            }
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
    // No browser is set up here: the web command explains that.
    ScopedEnv path{"PATH", QFile::encodeName(bin.path())};
};

TEST_F(CommandsTest, TheMenuTable) {
    struct Row {
        const char* name;
        const char* caption;
        const char* shortcut;
        int helpContext;
    };
    const Row rows[] = {
        {"mnuGameStatus", "&Start", "Ctrl+N", 11},
        {"mnuGameScore", "S&core sheet", "Ctrl+G", 12},
        {"mnuGameExit", "E&xit", "Ctrl+Q", 13},
        {"mnuHelpTopics", "Help &topics", "F1", 1},
        {"mnuHelpWeb", "Tarvo on the &Web", "Ctrl+W", 14},
        {"mnuHelpAbout", "&About Tarvo Othello", "F2", 15},
    };
    for (const Row& row : rows) {
        QAction* item = window.menuItem(row.name);
        ASSERT_NE(item, nullptr) << row.name;
        EXPECT_EQ(item->text(), row.caption);
        EXPECT_EQ(item->shortcut(), QKeySequence(row.shortcut)) << row.name;
        EXPECT_EQ(item->data().toInt(), row.helpContext) << row.name;
    }
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&Game");
    EXPECT_EQ(menus[1]->text(), "&Help");
    QStringList game;
    for (QAction* action : menus[0]->menu()->actions()) {
        game << (action->isSeparator() ? "-" : action->text());
    }
    EXPECT_EQ(game, (QStringList{"&Start", "-", "S&core sheet", "-", "E&xit"}));
    QStringList help;
    for (QAction* action : menus[1]->menu()->actions()) {
        help << (action->isSeparator() ? "-" : action->text());
    }
    EXPECT_EQ(help,
              (QStringList{"Help &topics", "Tarvo on the &Web", "-", "&About Tarvo Othello"}));
}

TEST_F(CommandsTest, EachAcceleratorReachesItsCommand) {
    const std::pair<QKeyCombination, const char*> rows[] = {
        {Qt::CTRL | Qt::Key_N, "start"},
        {Qt::CTRL | Qt::Key_G, "score"},
        {QKeyCombination(Qt::Key_F1), "help: contents"},
        {Qt::CTRL | Qt::Key_W, "web: Could not find associated Browser"},
        {QKeyCombination(Qt::Key_F2), "about"},
    };
    for (const auto& [keys, command] : rows) {
        EXPECT_EQ(CommandThatRuns(
                      [&] { QTest::keyClick(&window, keys.key(), keys.keyboardModifiers()); }),
                  command)
            << QKeySequence(keys).toString().toStdString();
    }
}

TEST_F(CommandsTest, EachToolbarButtonReachesItsCommand) {
    const struct {
        const char* key;
        const char* tooltip;
        const char* command;
    } rows[] = {
        {"start", "Start new game", "start"},
        {"score", "Game score sheet", "score"},
        {"help", "Help topics", "help: contents"},
        {"about", "About Tarvo Othello", "about"},
        {"web", "Tarvo web site", "web: Could not find associated Browser"},
    };
    QStringList order;
    for (QAction* action : window.toolbar()->actions()) {
        order << action->objectName();
    }
    EXPECT_EQ(order, (QStringList{"start", "stop", "score", "help", "about", "web"}));
    for (const auto& row : rows) {
        QAction* button = window.button(row.key);
        EXPECT_EQ(button->toolTip(), row.tooltip);
        EXPECT_FALSE(button->icon().pixmap(64, 64).isNull()) << row.key;
        QWidget* widget = window.toolbar()->widgetForAction(button);
        EXPECT_EQ(CommandThatRuns([&] { QTest::mouseClick(widget, Qt::LeftButton); }), row.command);
    }
    EXPECT_EQ(CommandThatRuns([&] { window.ButtonClick("Score"); }), "")
        << "keys are compared exactly";
}

TEST_F(CommandsTest, TheCommandsWorkInTheMiddleOfAGame) {
    QString during;
    AnswerModal<frmStart>([](frmStart* d) { d->cmdOK->click(); });
    test::When([&] { return window.statusPanel(0)->text() == "Your turn ..."; },
               [&] {
                   during = CommandThatRuns(
                       [&] { QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier); });
                   during += "," + CommandThatRuns([&] { window.button("about")->trigger(); });
                   AnswerBox(QMessageBox::Yes);
                   window.mnuGameStatus()->trigger();
               });
    window.mnuGameStatus()->trigger();
    EXPECT_EQ(during, "score,about");
    EXPECT_EQ(window.statusPanel(0)->text(), "Game stopped");
}

TEST_F(CommandsTest, F1OverAHighlightedMenuItemOpensItsTopic) {
    QAction* score = window.menuItem("mnuGameScore");
    auto* menu = qobject_cast<QMenu*>(window.menuBar()->actions()[0]->menu());
    menu->popup(window.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(score);
    QTest::keyClick(menu, Qt::Key_F1);
    EXPECT_FALSE(menu->isVisible());
    ASSERT_TRUE(window.helpViewer()->isVisible());
    EXPECT_EQ(window.helpViewer()->browser()->source().fragment(), "score-sheet");
    EXPECT_EQ(window.helpViewer()->documentPath(), dir.filePath("help.html"));
}

TEST(HelpAnchor, OneTopicPerHelpContext) {
    const std::pair<int, const char*> rows[] = {
        {1, "contents"}, {11, "start-stop"}, {12, "score-sheet"}, {13, "exit"},
        {14, "web"},     {15, "about"},      {0, "contents"},     {99, "contents"}};
    for (const auto& [context, anchor] : rows) {
        EXPECT_EQ(HelpAnchor(context), anchor) << context;
    }
}

TEST(HelpViewer, TheDocumentHasEveryTopic) {
    HelpViewer viewer({QStringLiteral(TARVO_HELP_FILE)});
    for (int context : {1, 11, 12, 13, 14, 15}) {
        viewer.ShowTopic(context);
        EXPECT_EQ(viewer.documentPath(), TARVO_HELP_FILE);
        EXPECT_TRUE(viewer.browser()->toHtml().contains("name=\"" + HelpAnchor(context) + "\""))
            << context;
    }
    viewer.close();
}

TEST(HelpViewer, AMissingOrUnreadableDocumentIsReportedInTheWindow) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("directory.html"));
    const struct {
        QStringList candidates;
        const char* says;
    } rows[] = {
        {{dir.filePath("missing.html")}, "It was looked for here"},
        {{dir.filePath("directory.html")}, "could not be read"},
    };
    for (const auto& row : rows) {
        HelpViewer viewer(row.candidates);
        viewer.ShowTopic(12);
        EXPECT_TRUE(viewer.isVisible());
        EXPECT_EQ(viewer.documentPath(), "");
        const QString text = viewer.browser()->toPlainText();
        EXPECT_TRUE(text.contains("Help is not available")) << text.toStdString();
        EXPECT_TRUE(text.contains(row.says)) << text.toStdString();
        viewer.close();
    }
}

TEST_F(CommandsTest, AMissingHelpDocumentLeavesTheProgramRunning) {
    window.helpViewer()->setCandidates({dir.filePath("missing.html")});
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_TRUE(window.helpViewer()->isVisible());
    EXPECT_EQ(window.helpViewer()->documentPath(), "");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(CommandThatRuns([&] { window.button("score")->trigger(); }), "score");
}

TEST(Startup, TheSplashGivesWayToTheMainWindowOnItsTimer) {
    FakeClock clock;
    QTemporaryDir dir;
    SettingsStore store(dir.filePath("settings.ini"));
    ScoreRecords scores(store);
    Program program = Main(clock, scores);
    ASSERT_FALSE(program.splash.isNull());
    EXPECT_TRUE(program.splash->isVisible());
    EXPECT_EQ(program.splash->size(), QSize(300, 150));
    EXPECT_FALSE(program.window->isVisible()) << "loaded, not shown";
    EXPECT_EQ(program.window->statusPanel(0)->text(), "Game stopped");
    EXPECT_EQ(program.window->state().Board(4, 4), Black);
    QTimer* timer = program.splash->Timer1();
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 2000);
    // Drive the timer instead of waiting two seconds.
    program.splash->Timer1_Timer();
    EXPECT_FALSE(timer->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(program.splash.isNull()) << "the splash is gone for good";
    EXPECT_TRUE(program.window->isVisible());
    EXPECT_EQ(program.window->statusPanel(0)->text(), "Game stopped");
}

} // namespace
} // namespace tarvo
