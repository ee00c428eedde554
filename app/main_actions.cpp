#include "app/main_actions.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace tarvo {

namespace {

constexpr LevelInfo kLevels[] = {
    {"Classic", QT_TRANSLATE_NOOP("frmOthello", "&Classic"), "Game scores"},
    {"Strong", QT_TRANSLATE_NOOP("frmOthello", "S&trong"), "Game scores (Strong)"},
    {"Expert", QT_TRANSLATE_NOOP("frmOthello", "&Expert"), "Game scores (Expert)"}};

QString Tr(const char* text) {
    return QCoreApplication::translate("frmOthello", text);
}

// An action of the menu, named as the window's tests and help know it.
QAction* Add(QMenu* menu, const char* name, const char* caption, QKeySequence shortcut,
             int helpContext) {
    QAction* action = menu->addAction(Tr(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setData(helpContext);
    return action;
}

// The icon and tooltip of the action's toolbar button; the menu keeps
// showing the caption alone.
void Dress(QAction* action, const char* icon, const char* tooltip) {
    action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
    action->setIconVisibleInMenu(false);
    action->setToolTip(Tr(tooltip));
}

} // namespace

const LevelInfo& InfoOf(Level level) {
    return kLevels[static_cast<int>(level)];
}

MainActions BuildActions(QMenuBar* menuBar, QToolBar* toolbar, QObject* menuKeys) {
    MainActions a{};
    QMenu* game = menuBar->addMenu(Tr(QT_TRANSLATE_NOOP("frmOthello", "&Game")));
    game->installEventFilter(menuKeys);
    a.status = Add(game, "mnuGameStatus", QT_TRANSLATE_NOOP("frmOthello", "&Start"),
                   Qt::CTRL | Qt::Key_N, 11);
    a.undo = Add(game, "mnuGameUndo", QT_TRANSLATE_NOOP("frmOthello", "&Undo move"),
                 Qt::CTRL | Qt::Key_Z, 11);
    a.redo = Add(game, "mnuGameRedo", QT_TRANSLATE_NOOP("frmOthello", "&Redo move"),
                 Qt::CTRL | Qt::SHIFT | Qt::Key_Z, 11);
    a.hint = Add(game, "mnuGameHint", QT_TRANSLATE_NOOP("frmOthello", "&Hint"), Qt::Key_H, 11);
    for (QAction* aid : {a.undo, a.redo, a.hint}) {
        aid->setEnabled(false);
    }
    game->addSeparator();
    a.review = Add(game, "mnuGameReview", QT_TRANSLATE_NOOP("frmOthello", "Re&view game"),
                   Qt::CTRL | Qt::Key_R, 16);
    a.open = Add(game, "mnuGameOpen", QT_TRANSLATE_NOOP("frmOthello", "&Open game..."),
                 Qt::CTRL | Qt::Key_O, 16);
    a.save = Add(game, "mnuGameSave", QT_TRANSLATE_NOOP("frmOthello", "Save g&ame..."),
                 Qt::CTRL | Qt::Key_S, 16);
    a.copy = Add(game, "mnuGameCopy", QT_TRANSLATE_NOOP("frmOthello", "Cop&y transcript"),
                 Qt::CTRL | Qt::Key_C, 16);
    a.paste = Add(game, "mnuGamePaste", QT_TRANSLATE_NOOP("frmOthello", "&Paste transcript"),
                  Qt::CTRL | Qt::Key_V, 16);
    game->addSeparator();
    a.score = Add(game, "mnuGameScore", QT_TRANSLATE_NOOP("frmOthello", "S&core sheet"),
                  Qt::CTRL | Qt::Key_G, 12);
    a.statistics = Add(game, "mnuGameStatistics", QT_TRANSLATE_NOOP("frmOthello", "S&tatistics"),
                       Qt::CTRL | Qt::Key_T, 12);
    QMenu* levels = game->addMenu(Tr(QT_TRANSLATE_NOOP("frmOthello", "&Level")));
    // F1 over it opens the topic of starting a game, which tells of the levels.
    levels->menuAction()->setData(11);
    auto* group = new QActionGroup(levels);
    for (std::size_t i = 0; i < a.levels.size(); ++i) {
        a.levels[i] = Add(levels, "", kLevels[i].caption, {}, 11);
        a.levels[i]->setObjectName(QStringLiteral("mnuLevel") + QLatin1String(kLevels[i].name));
        a.levels[i]->setCheckable(true);
        group->addAction(a.levels[i]);
    }
    a.levels[0]->setChecked(true);
    a.legal =
        Add(game, "mnuGameLegal", QT_TRANSLATE_NOOP("frmOthello", "Show le&gal moves"), {}, 11);
    a.legal->setCheckable(true);
    game->addSeparator();
    a.exit = Add(game, "mnuGameExit", QT_TRANSLATE_NOOP("frmOthello", "E&xit"),
                 Qt::CTRL | Qt::Key_Q, 13);

    QMenu* view = menuBar->addMenu(Tr(QT_TRANSLATE_NOOP("frmOthello", "&View")));
    view->installEventFilter(menuKeys);
    QMenu* styles = view->addMenu(Tr(QT_TRANSLATE_NOOP("frmOthello", "Board &style")));
    styles->menuAction()->setData(17);
    auto* styleGroup = new QActionGroup(styles);
    const char* const styleNames[] = {QT_TRANSLATE_NOOP("frmOthello", "&Classic"),
                                      QT_TRANSLATE_NOOP("frmOthello", "&Felt"),
                                      QT_TRANSLATE_NOOP("frmOthello", "&High contrast")};
    for (std::size_t i = 0; i < a.styles.size(); ++i) {
        a.styles[i] = Add(styles, "", styleNames[i], {}, 17);
        a.styles[i]->setObjectName(QStringLiteral("mnuViewStyle%1").arg(i));
        a.styles[i]->setCheckable(true);
        styleGroup->addAction(a.styles[i]);
    }
    a.styles[0]->setChecked(true);
    a.animate =
        Add(view, "mnuViewAnimate", QT_TRANSLATE_NOOP("frmOthello", "&Animate moves"), {}, 17);
    a.animate->setCheckable(true);
    a.sound = Add(view, "mnuViewSound", QT_TRANSLATE_NOOP("frmOthello", "S&ound"), {}, 17);
    a.sound->setCheckable(true);

    QMenu* help = menuBar->addMenu(Tr(QT_TRANSLATE_NOOP("frmOthello", "&Help")));
    help->installEventFilter(menuKeys);
    a.helpTopics =
        Add(help, "mnuHelpTopics", QT_TRANSLATE_NOOP("frmOthello", "Help &topics"), Qt::Key_F1, 1);
    a.web = Add(help, "mnuHelpWeb", QT_TRANSLATE_NOOP("frmOthello", "Tarvo on the &Web"),
                Qt::CTRL | Qt::Key_W, 14);
    help->addSeparator();
    a.about = Add(help, "mnuHelpAbout", QT_TRANSLATE_NOOP("frmOthello", "&About Tarvo Othello"),
                  Qt::Key_F2, 15);

    ShowGameRunning(a.status, false);
    Dress(a.score, "score", QT_TRANSLATE_NOOP("frmOthello", "Game score sheet"));
    Dress(a.helpTopics, "help", QT_TRANSLATE_NOOP("frmOthello", "Help topics"));
    Dress(a.about, "about", QT_TRANSLATE_NOOP("frmOthello", "About Tarvo Othello"));
    Dress(a.web, "web", QT_TRANSLATE_NOOP("frmOthello", "Tarvo web site"));
    toolbar->addActions({a.status, a.score, a.helpTopics, a.about, a.web});
    return a;
}

void ShowGameRunning(QAction* status, bool running) {
    status->setText(running ? Tr(QT_TRANSLATE_NOOP("frmOthello", "&Stop"))
                            : Tr(QT_TRANSLATE_NOOP("frmOthello", "&Start")));
    Dress(status, running ? "stop" : "start",
          running ? QT_TRANSLATE_NOOP("frmOthello", "Stop current game")
                  : QT_TRANSLATE_NOOP("frmOthello", "Start new game"));
}

} // namespace tarvo
