#include "app/frm_othello.h"

#include "app/game_texts.h"
#include "common/app_info.h"
#include "common/error_trap.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_start.h"
#include "dialogs/web_launch.h"
#include "game/rules.h"
#include "scores/score_sheet.h"
#include "view/board_accessible.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTimer>
#include <algorithm>
#include <cmath>

// The resources live in a static library, whose initialiser the linker
// would otherwise drop.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace tarvo {

namespace {

constexpr QRect kLogoPlace{304, 104, 300, 150};
constexpr int kToolbarHeight = 44;

QPixmap LogoPixmap(qreal ratio) {
    QPixmap pixmap(kLogoPlace.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(colours::kWindow);
    QSvgRenderer renderer(QStringLiteral(":/logo.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), kLogoPlace.size()));
    return pixmap;
}

const QString kOptionsSection = QStringLiteral("Options");
const QString kLevelKey = QStringLiteral("Level");
const QString kLegalKey = QStringLiteral("ShowLegalMoves");
const QString kPlayersKey = QStringLiteral("TwoPlayers");
constexpr int kHintMs = 2000;

struct LevelInfo {
    const char* name;
    const char* caption;
    const char* scoreSection;
};
constexpr LevelInfo kLevels[] = {
    {"Classic", QT_TRANSLATE_NOOP("frmOthello", "&Classic"), "Game scores"},
    {"Strong", QT_TRANSLATE_NOOP("frmOthello", "S&trong"), "Game scores (Strong)"},
    {"Expert", QT_TRANSLATE_NOOP("frmOthello", "&Expert"), "Game scores (Expert)"}};

const LevelInfo& InfoOf(Level level) {
    return kLevels[static_cast<int>(level)];
}

} // namespace

QString StatusDate(QDate date, const QLocale& locale) {
    return locale.toString(date, QStringLiteral("dd-MMM-yyyy"));
}

frmOthello::frmOthello(Clock& clock, ScoreRecords& scores, QWidget* parent)
    : QMainWindow(parent), client_(new QWidget(this)), pictures_(CreateBoardPictures(client_)),
      ImgLogo_(new QLabel(client_)), help_(new HelpViewer(HelpFileCandidates(), this)),
      display_(pictures_), scores_(scores),
      driver_(clock, [this](const SessionEvent& event) { ShowBox(event); }) {
    InitResources();
    // The window has a fixed size, so it offers no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(kAppTitle);
    setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
    client_->setFixedSize(kClientSize);
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, colours::kWindow);
    client_->setPalette(palette);
    setCentralWidget(client_);

    ImgLogo_->setGeometry(kLogoPlace);
    ImgLogo_->setPixmap(LogoPixmap(ImgLogo_->devicePixelRatioF()));
    MakeBoardAccessible(pictures_.picV, [this](int row, int col) { return CellName(row, col); });
    pictures_.picV->setAccessibleName(tr("Board"));
    pictures_.picV->setFocusPolicy(Qt::StrongFocus);

    hintRing_.setSingleShot(true);
    hintRing_.setInterval(kHintMs);
    connect(&hintRing_, &QTimer::timeout, this, [this] {
        hint_ = {};
        RefreshAids();
    });
    BuildMenu();
    BuildToolbar();
    BuildStatusBar();
    LoadOptions();
    // The score first, so that it is kept before the result box shows.
    driver_.AddListener([this](const SessionEvent& event) {
        const auto* over = std::get_if<event::GameOver>(&event);
        if (over != nullptr && !over->assisted && session().OnePerson()) {
            const int16_t person = state().HumanColor;
            RecordScore(over->counts[person == Black ? 0 : 1], over->weakest);
        }
    });
    driver_.AddListener([this](const SessionEvent& event) { OnEvent(event); });
    qApp->installEventFilter(this);
    Form_Load();
}

frmOthello::~frmOthello() {
    qApp->removeEventFilter(this);
}

void frmOthello::BuildMenu() {
    struct Item {
        const char* name;
        const char* caption; // nullptr for a separator
        QKeyCombination shortcut;
        int helpContext;
        void (frmOthello::*command)();
    };
    const struct {
        const char* caption;
        std::vector<Item> items;
    } menus[] = {
        {QT_TR_NOOP("&Game"),
         {{"mnuGameStatus", QT_TR_NOOP("&Start"), Qt::CTRL | Qt::Key_N, 11,
           &frmOthello::mnuGameStatus_Click},
          {"mnuGameSep1", nullptr, {}, 0, nullptr},
          {"mnuGameScore", QT_TR_NOOP("S&core sheet"), Qt::CTRL | Qt::Key_G, 12,
           &frmOthello::mnuGameScore_Click},
          {"mnuGameSep2", nullptr, {}, 0, nullptr},
          {"mnuGameExit", QT_TR_NOOP("E&xit"), Qt::CTRL | Qt::Key_Q, 13,
           &frmOthello::mnuGameExit_Click}}},
        {QT_TR_NOOP("&Help"),
         {{"mnuHelpTopics", QT_TR_NOOP("Help &topics"), QKeyCombination(Qt::Key_F1), 1,
           &frmOthello::mnuHelpTopics_Click},
          {"mnuHelpWeb", QT_TR_NOOP("Tarvo on the &Web"), Qt::CTRL | Qt::Key_W, 14,
           &frmOthello::mnuHelpWeb_Click},
          {"mnuHelpSep1", nullptr, {}, 0, nullptr},
          {"mnuHelpAbout", QT_TR_NOOP("&About Tarvo Othello"), QKeyCombination(Qt::Key_F2), 15,
           &frmOthello::mnuHelpAbout_Click}}},
    };
    for (const auto& menu : menus) {
        QMenu* qmenu = menuBar()->addMenu(tr(menu.caption));
        // F1 over a highlighted item opens its topic; shortcuts do not fire
        // while a menu holds the keyboard, so the menu's keys are watched.
        qmenu->installEventFilter(this);
        for (const Item& item : menu.items) {
            QAction* action = item.caption == nullptr ? qmenu->addSeparator()
                                                      : qmenu->addAction(tr(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            if (item.caption == nullptr) {
                continue;
            }
            action->setShortcut(QKeySequence(item.shortcut));
            action->setData(item.helpContext);
            connect(action, &QAction::triggered, this,
                    [this, command = item.command] { (this->*command)(); });
        }
    }
    mnuGameStatus_ = menuItem(QStringLiteral("mnuGameStatus"));
    QAction* exitSeparator = menuItem(QStringLiteral("mnuGameSep2"));
    auto* game = qobject_cast<QMenu*>(exitSeparator->parent());
    BuildLevelMenu(game, exitSeparator);
    BuildAidItems(game);
}

void frmOthello::BuildAidItems(QMenu* game) {
    const struct {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        void (frmOthello::*command)();
    } items[] = {{"mnuGameUndo", QT_TR_NOOP("&Undo move"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                  &frmOthello::mnuGameUndo_Click},
                 {"mnuGameRedo", QT_TR_NOOP("&Redo move"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &frmOthello::mnuGameRedo_Click},
                 {"mnuGameHint", QT_TR_NOOP("&Hint"), QKeySequence(Qt::Key_H),
                  &frmOthello::mnuGameHint_Click}};
    QAction* before = menuItem(QStringLiteral("mnuGameSep1"));
    for (const auto& item : items) {
        auto* action = new QAction(tr(item.caption), game);
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(item.shortcut);
        action->setData(11);
        action->setEnabled(false);
        game->insertAction(before, action);
        connect(action, &QAction::triggered, this,
                [this, command = item.command] { (this->*command)(); });
    }
    auto* legal = new QAction(tr("Show le&gal moves"), game);
    legal->setObjectName(QStringLiteral("mnuGameLegal"));
    legal->setCheckable(true);
    legal->setData(11);
    game->insertAction(menuItem(QStringLiteral("mnuGameSep2")), legal);
    connect(legal, &QAction::triggered, this, [this](bool on) { SetShowLegalMoves(on); });
}

void frmOthello::BuildLevelMenu(QMenu* game, QAction* before) {
    auto* menu = new QMenu(tr("&Level"), game);
    // F1 over it opens the topic of starting a game, which tells of the levels.
    game->insertMenu(before, menu)->setData(11);
    auto* group = new QActionGroup(menu);
    for (const LevelInfo& info : kLevels) {
        QAction* action = menu->addAction(tr(info.caption));
        action->setObjectName(QStringLiteral("mnuLevel") + QLatin1String(info.name));
        action->setCheckable(true);
        action->setChecked(&info == &kLevels[0]);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, &info] { SetLevel(static_cast<Level>(&info - kLevels)); });
    }
}

void frmOthello::SetLevel(Level level) {
    level_ = level;
    session().SetComputerLevel(level);
    menuItem(QStringLiteral("mnuLevel") + QLatin1String(InfoOf(level).name))->setChecked(true);
    SaveOption(kLevelKey, QString::fromLatin1(InfoOf(level_).name));
}

void frmOthello::SetShowLegalMoves(bool on) {
    showLegal_ = on;
    menuItem(QStringLiteral("mnuGameLegal"))->setChecked(on);
    RefreshAids();
    SaveOption(kLegalKey, on ? QStringLiteral("1") : QStringLiteral("0"));
}

void frmOthello::SaveOption(const QString& key, const QString& value) {
    Trapped(this, [&] { scores_.store().Save(kScoreApp, kOptionsSection, {{key, value}}); });
}

QAction* frmOthello::menuItem(const QString& name) const {
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == name) {
                return action;
            }
        }
    }
    return nullptr;
}

void frmOthello::BuildToolbar() {
    Toolbar1_ = new QToolBar(client_);
    Toolbar1_->setGeometry(0, 0, kClientSize.width(), kToolbarHeight);
    Toolbar1_->setIconSize(QSize(32, 32));
    Toolbar1_->setMovable(false);
    Toolbar1_->setPalette(QApplication::palette());
    Toolbar1_->setAutoFillBackground(true);
    const struct {
        const char* key;
        const char* tooltip;
    } buttons[] = {
        {"start", QT_TR_NOOP("Start new game")},      {"stop", QT_TR_NOOP("Stop current game")},
        {"score", QT_TR_NOOP("Game score sheet")},    {"help", QT_TR_NOOP("Help topics")},
        {"about", QT_TR_NOOP("About Tarvo Othello")}, {"web", QT_TR_NOOP("Tarvo web site")}};
    for (const auto& b : buttons) {
        const QString key = QString::fromLatin1(b.key);
        QAction* action =
            Toolbar1_->addAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(key)), QString());
        action->setObjectName(key);
        action->setToolTip(tr(b.tooltip));
        connect(action, &QAction::triggered, this, [this, key] { ButtonClick(key); });
    }
}

void frmOthello::BuildStatusBar() {
    StatusBar1_ = new QStatusBar(client_);
    StatusBar1_->setSizeGripEnabled(false);
    statusPanels_[0] = new QLabel(StatusBar1_);
    statusPanels_[1] = new QLabel(StatusBar1_);
    statusPanels_[1]->setAlignment(Qt::AlignCenter);
    statusPanels_[1]->setMinimumWidth(110);
    StatusBar1_->addWidget(statusPanels_[0], 1);
    StatusBar1_->addPermanentWidget(statusPanels_[1]);
    StatusBar1_->setPalette(QApplication::palette());
    StatusBar1_->setAutoFillBackground(true);
    const int height = StatusBar1_->sizeHint().height();
    StatusBar1_->setGeometry(0, kClientSize.height() - height, kClientSize.width(), height);
}

void frmOthello::mnuGameStatus_Click() {
    if (session().running()) {
        if (QMessageBox::question(this, tr("Stop game"),
                                  tr("Are you sure you want to stop this game?"),
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
            session().Stop();
        }
        return;
    }
    frmStart dialog(this, twoPlayers_);
    dialog.exec();
    const std::optional<GameChoice> choice = dialog.choice();
    if (!choice) {
        return;
    }
    if (choice->twoPlayers != twoPlayers_) {
        twoPlayers_ = choice->twoPlayers;
        SaveOption(kPlayersKey, twoPlayers_ ? QStringLiteral("1") : QStringLiteral("0"));
    }
    const Player person{true, level_};
    const Player computer{false, level_};
    if (twoPlayers_) {
        session().Start(person, person);
    } else {
        choice->colour == 1 ? session().Start(computer, person) : session().Start(person, computer);
    }
}

QAction* frmOthello::button(const QString& key) const {
    return Toolbar1_->findChild<QAction*>(key, Qt::FindDirectChildrenOnly);
}

void frmOthello::ButtonClick(const QString& key) {
    Trapped(this, [&] {
        const std::pair<const char*, void (frmOthello::*)()> commands[] = {
            {"start", &frmOthello::mnuGameStatus_Click}, {"stop", &frmOthello::mnuGameStatus_Click},
            {"score", &frmOthello::mnuGameScore_Click},  {"help", &frmOthello::mnuHelpTopics_Click},
            {"about", &frmOthello::mnuHelpAbout_Click},  {"web", &frmOthello::mnuHelpWeb_Click}};
        for (const auto& [name, command] : commands) {
            if (key == QLatin1String(name)) {
                (this->*command)();
                return;
            }
        }
    });
}

void frmOthello::mnuGameScore_Click() {
    scores_.UseSection(QString::fromLatin1(InfoOf(level_).scoreSection));
    scoresheet sheet(scores_, this);
    if (level_ != Level::Classic) {
        sheet.setWindowTitle(
            sheet.windowTitle() +
            QStringLiteral(" (%1)").arg(tr(InfoOf(level_).caption).remove(QLatin1Char('&'))));
    }
    sheet.exec();
}

void frmOthello::mnuGameExit_Click() {
    // Closing the window ends the program: the waits see the quit and the
    // running game unwinds without a result.
    close();
}

void frmOthello::mnuHelpTopics_Click() {
    help_->ShowTopic(1);
}

void frmOthello::mnuHelpWeb_Click() {
    WebLaunch(HomeURL);
}

void frmOthello::mnuHelpAbout_Click() {
    frmAbout about(this, [this](const QString& url) { WebLaunch(url); });
    about.exec();
}

void frmOthello::WebLaunch(const QString& sURL) {
    tarvo::WebLaunch(this, sURL);
}

void frmOthello::Form_Load() {
    Trapped(this, [this] {
        statusPanels_[1]->setText(StatusDate(QDate::currentDate(), QLocale()));
        state().CellSize = CellSizeFor(pictures_.picV->width());
        session().Stop();
        InitBoard(state());
        display_.DrawBoard(state());
    });
}

void frmOthello::LoadOptions() {
    // A settings file that cannot be read leaves the defaults; the damage is
    // told once the game has started.
    QString stored;
    try {
        stored = scores_.store().Get(kScoreApp, kOptionsSection, kLevelKey);
        twoPlayers_ = scores_.store().Get(kScoreApp, kOptionsSection, kPlayersKey).trimmed() ==
                      QLatin1String("1");
        showLegal_ = scores_.store().Get(kScoreApp, kOptionsSection, kLegalKey).trimmed() ==
                     QLatin1String("1");
    } catch (const RuntimeError&) {
        return;
    }
    menuItem(QStringLiteral("mnuGameLegal"))->setChecked(showLegal_);
    for (const LevelInfo& info : kLevels) {
        if (stored.compare(QLatin1String(info.name), Qt::CaseInsensitive) == 0) {
            level_ = static_cast<Level>(&info - kLevels);
            menuItem(QStringLiteral("mnuLevel") + QLatin1String(info.name))->setChecked(true);
        }
    }
}

bool frmOthello::MenuKeyPress(QObject* watched, QEvent* event) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu == nullptr || menu->parentWidget() != menuBar() ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1) {
        return false;
    }
    QAction* highlighted = menu->activeAction();
    const int context = highlighted != nullptr ? highlighted->data().toInt() : 0;
    menu->close();
    help_->ShowTopic(context != 0 ? context : 1);
    return true;
}

bool frmOthello::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A V release that went to a box or another window must not leave the
    // board hidden.
    if (watched == this && type == QEvent::WindowDeactivate) {
        pictures_.picV->setVisible(true);
    }
    if (type == QEvent::KeyPress && MenuKeyPress(watched, event)) {
        return true;
    }
    if (watched == pictures_.picV && type == QEvent::MouseButtonRelease) {
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        picV_MouseUp(static_cast<float>(at.x()), static_cast<float>(at.y()));
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) {
        return false;
    }
    // The window sees every key before its controls do: take each key event
    // at its first receiver, the focus widget or, without one, the window.
    QWidget* first = QApplication::focusWidget();
    if (watched != (first != nullptr ? static_cast<QObject*>(first) : this) ||
        !watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != this) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    // The menu bar moves through its menus with the arrow keys.
    if (type == QEvent::KeyPress && qobject_cast<QMenuBar*>(watched) == nullptr &&
        BoardKey(key->key())) {
        return true;
    }
    bool discard = false;
    if (type == QEvent::KeyPress) {
        if (key->key() == Qt::Key_V) {
            session().ShowPreviousBoard(true);
        }
        const QString text = key->text();
        if (text.size() == 1 && text[0].unicode() < 0x80) {
            discard = !session().KeyPress(static_cast<char>(text[0].unicode()));
        }
    } else if (!key->isAutoRepeat() && key->key() == Qt::Key_V) {
        session().ShowPreviousBoard(false);
    }
    // A test's clock may have moved on.
    driver_.Wake();
    return discard;
}

bool frmOthello::BoardKey(int key) {
    const struct {
        int key;
        QPoint step;
    } arrows[] = {{Qt::Key_Left, {-1, 0}},
                  {Qt::Key_Right, {1, 0}},
                  {Qt::Key_Up, {0, -1}},
                  {Qt::Key_Down, {0, 1}}};
    for (const auto& arrow : arrows) {
        if (key == arrow.key) {
            // The first press only shows the frame.
            const QPoint at = cursor_.isNull() ? QPoint(4, 4) : cursor_ + arrow.step;
            cursor_ = QPoint(std::clamp(at.x(), 1, 8), std::clamp(at.y(), 1, 8));
            RefreshAids();
            FocusBoardCell(pictures_.picV, cursor_.y(), cursor_.x());
            return true;
        }
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        !cursor_.isNull()) {
        session().ChooseCell(cursor_.y(), cursor_.x());
        return true;
    }
    return false;
}

void frmOthello::closeEvent(QCloseEvent* event) {
    // The program ends with its main window, and the game with it.
    help_->close();
    event->accept();
    QCoreApplication::quit();
}

bool frmOthello::event(QEvent* event) {
    // A modal box that closed lets the game go on.
    if (event->type() == QEvent::WindowUnblocked) {
        QTimer::singleShot(0, this, [this] { driver_.ModalClosed(); });
    }
    return QMainWindow::event(event);
}

void frmOthello::picV_MouseUp(float x, float y) {
    const float size = state().CellSize;
    session().ChooseCell(static_cast<int>(std::floor(y / size)),
                         static_cast<int>(std::floor(x / size)));
    driver_.Wake();
}

void frmOthello::OnEvent(const SessionEvent& e) {
    const bool one = session().OnePerson();
    const GameState& s = state();
    if (const auto* status = std::get_if<event::StatusShown>(&e)) {
        statusPanels_[0]->setText(StatusText(status->status, status->colour, one));
    } else if (std::holds_alternative<event::BoardDrawn>(e)) {
        display_.DrawBoard(s);
    } else if (const auto* turn = std::get_if<event::TurnStarted>(&e)) {
        display_.ShowTurnOwner(turn->colour, TurnName(turn->colour, turn->human, one));
    } else if (const auto* waiting = std::get_if<event::InputAwaited>(&e)) {
        SetTurnCommands(waiting->awaited);
    } else if (const auto* mark = std::get_if<event::MoveMarked>(&e)) {
        display_.MarkMove(s, mark->row, mark->col);
    } else if (const auto* move = std::get_if<event::MovePlayed>(&e)) {
        Announce(move->colour, move->row, move->col);
        display_.ShowGained(static_cast<int>(move->turned.size()));
    } else if (const auto* pass = std::get_if<event::Passed>(&e)) {
        Announce(pass->colour, 0, 0);
    } else if (std::holds_alternative<event::BoardKept>(e)) {
        display_.SnapshotBoard(s.MoveCount);
    } else if (const auto* restored = std::get_if<event::BoardRestored>(&e)) {
        display_.RestoreSnapshot(restored->moveCount);
    } else if (const auto* hidden = std::get_if<event::BoardHidden>(&e)) {
        pictures_.picV->setVisible(!hidden->hidden);
    } else if (std::holds_alternative<event::Refused>(e)) {
        QApplication::beep();
    } else if (const auto* running = std::get_if<event::RunningChanged>(&e)) {
        ShowRunning(running->running);
    } else if (const auto* failed = std::get_if<event::Failed>(&e)) {
        ShowErrorBox(this, failed->error);
    }
}

void frmOthello::ShowBox(const SessionEvent& e) {
    if (const auto* over = std::get_if<event::GameOver>(&e)) {
        QMessageBox::information(this, kAppTitle,
                                 ResultText(*over, state().HumanColor, session().OnePerson()));
    } else {
        QMessageBox::warning(this, kAppTitle, tr("Outside playing board area!"));
    }
}

void frmOthello::SetTurnCommands(bool waiting) {
    driver_.DropHint();
    hintAsked_ = false;
    hint_ = {};
    hintRing_.stop();
    menuItem(QStringLiteral("mnuGameUndo"))->setEnabled(waiting && session().CanUndo());
    menuItem(QStringLiteral("mnuGameRedo"))->setEnabled(waiting && session().CanRedo());
    menuItem(QStringLiteral("mnuGameHint"))->setEnabled(waiting);
    RefreshAids();
}

void frmOthello::mnuGameUndo_Click() {
    session().Undo();
}

void frmOthello::mnuGameRedo_Click() {
    session().Redo();
}

void frmOthello::mnuGameHint_Click() {
    if (!state().AwaitingInput || state().StopFlag || hintAsked_) {
        return;
    }
    if (!hint_.isNull()) {
        hintRing_.start();
        return;
    }
    hintAsked_ = true;
    driver_.Hint([this](int cell) { ShowHint(cell); });
}

void frmOthello::ShowHint(int cell) {
    hintAsked_ = false;
    if (cell < 0) {
        return;
    }
    hint_ = QPoint(cell % 8 + 1, cell / 8 + 1);
    session().NoteHint();
    RefreshAids();
    hintRing_.start();
}

bool frmOthello::IsShownLegal(int row, int col) const {
    const GameState& s = driver_.session().state();
    return showLegal_ && s.AwaitingInput && !s.StopFlag && IsHumanMove(s, row, col);
}

void frmOthello::RefreshAids() {
    BoardAids aids;
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            if (IsShownLegal(r, c)) {
                aids.legal.emplace_back(c, r);
            }
        }
    }
    aids.hint = hint_;
    aids.cursor = cursor_;
    display_.ShowAids(driver_.session().state().CellSize, aids);
}

QString frmOthello::CellName(int row, int col) const {
    const int16_t code = driver_.session().state().Board(row, col);
    QString name = (code == Black   ? tr("row %1, column %2, black")
                    : code == White ? tr("row %1, column %2, white")
                                    : tr("row %1, column %2, empty"))
                       .arg(row)
                       .arg(col);
    if (IsShownLegal(row, col)) {
        name += tr(", legal move");
    }
    return name;
}

void frmOthello::ShowRunning(bool running) {
    if (running) {
        display_.ForgetSnapshots();
    } else {
        SetTurnCommands(false);
    }
    mnuGameStatus_->setText(running ? tr("&Stop") : tr("&Start"));
    button(QStringLiteral("start"))->setVisible(!running);
    button(QStringLiteral("stop"))->setVisible(running);
}

void frmOthello::Announce(int16_t colour, int row, int col) {
    const QString who = ColourName(colour);
    // Setting it sends the change to a screen reader.
    pictures_.picV->setAccessibleDescription(
        row == 0 ? tr("%1 passes").arg(who)
                 : tr("%1 plays row %2, column %3").arg(who).arg(row).arg(col));
}

void frmOthello::RecordScore(int16_t count, Level level) {
    scores_.UseSection(QString::fromLatin1(InfoOf(level).scoreSection));
    Trapped(this, [this, count] { scores_.RecordScore(count); });
}

} // namespace tarvo
