#include "app/frm_othello.h"

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
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTimer>
#include <algorithm>

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

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString LoopText(const std::string& text) {
    return QCoreApplication::translate(kTurnLoopTexts, text.c_str());
}

} // namespace

QString StatusDate(QDate date, const QLocale& locale) {
    return locale.toString(date, QStringLiteral("dd-MMM-yyyy"));
}

frmOthello::frmOthello(Clock& clock, ScoreRecords& scores, QWidget* parent)
    : QMainWindow(parent), client_(new QWidget(this)), pictures_(CreateBoardPictures(client_)),
      ImgLogo_(new QLabel(client_)), help_(new HelpViewer(HelpFileCandidates(), this)),
      waits_(clock), display_(pictures_, waits_), scores_(scores), controller_(state_, *this) {
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
    qApp->installEventFilter(this);
    Form_Load();
}

frmOthello::~frmOthello() {
    StopHint();
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
    controller_.mnuGameStatus_Click();
    // A stop sets StopFlag: the waiting loop must look at it now.
    waits_.Wake();
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
        state_.CellSize = CellSizeFor(pictures_.picV->width());
        controller_.StopGame();
        InitBoard(state_);
        display_.DrawBoard(state_);
    });
}

void frmOthello::LoadOptions() {
    // A settings file that cannot be read leaves the defaults; the damage is
    // told once the game has started.
    QString stored;
    try {
        stored = scores_.store().Get(kScoreApp, kOptionsSection, kLevelKey);
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
        ShowBoardPicture(true);
    }
    if (type == QEvent::KeyPress && MenuKeyPress(watched, event)) {
        return true;
    }
    if (watched == pictures_.picV && type == QEvent::MouseButtonRelease) {
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        controller_.picV_MouseUp(static_cast<float>(at.x()), static_cast<float>(at.y()));
        waits_.Wake();
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
        waits_.Wake();
        return true;
    }
    bool discard = false;
    if (type == QEvent::KeyPress) {
        controller_.Form_KeyDown(key->key());
        const QString text = key->text();
        if (text.size() == 1 && text[0].unicode() < 0x80) {
            discard = controller_.Form_KeyPress(static_cast<int16_t>(text[0].unicode())) == 0;
        }
    } else if (!key->isAutoRepeat()) {
        controller_.Form_KeyUp(key->key());
    }
    waits_.Wake();
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
        const float s = state_.CellSize;
        controller_.picV_MouseUp(s * static_cast<float>(cursor_.x()) + s / 2,
                                 s * static_cast<float>(cursor_.y()) + s / 2);
        return true;
    }
    return false;
}

void frmOthello::closeEvent(QCloseEvent* event) {
    // The program ends with its main window; a running game unwinds at its
    // next wait, which reports the quit.
    help_->close();
    event->accept();
    QCoreApplication::quit();
}

void frmOthello::ShowStatus(const std::string& text) {
    statusPanels_[0]->setText(LoopText(text));
}

void frmOthello::DrawBoard() {
    display_.DrawBoard(state_);
}

void frmOthello::ShowTurnOwner(const std::string& who) {
    display_.ShowTurnOwner(state_, who);
}

bool frmOthello::MarkMove(int row, int col) {
    return display_.MarkMove(state_, row, col);
}

bool frmOthello::ShowGained(int count) {
    return display_.ShowGained(count);
}

void frmOthello::SnapshotBoard() {
    display_.SnapshotBoard(state_.MoveCount);
}

bool frmOthello::Pause(int ms) {
    return waits_.Pause(ms);
}

bool frmOthello::WaitForInput() {
    SetTurnCommands(true);
    const bool completed =
        waits_.WaitUntil([this] { return !state_.AwaitingInput || state_.StopFlag; });
    SetTurnCommands(false);
    return completed;
}

void frmOthello::SetTurnCommands(bool waiting) {
    StopHint();
    ++hintGeneration_;
    hint_ = {};
    hintRing_.stop();
    menuItem(QStringLiteral("mnuGameUndo"))->setEnabled(waiting && controller_.CanUndo());
    menuItem(QStringLiteral("mnuGameRedo"))->setEnabled(waiting && controller_.CanRedo());
    menuItem(QStringLiteral("mnuGameHint"))->setEnabled(waiting);
    RefreshAids();
}

void frmOthello::mnuGameUndo_Click() {
    controller_.Undo();
    waits_.Wake();
}

void frmOthello::mnuGameRedo_Click() {
    controller_.Redo();
    waits_.Wake();
}

void frmOthello::mnuGameHint_Click() {
    if (!state_.AwaitingInput || state_.StopFlag || hintWorker_.joinable()) {
        return;
    }
    if (!hint_.isNull()) {
        hintRing_.start();
        return;
    }
    engine::Searcher& search = searcher();
    const engine::Position position = PositionOf(state_.HumanColor);
    hintStop_ = false;
    hintWorker_ = std::thread([this, &search, position, generation = hintGeneration_] {
        const int cell = search.Search(position, engine::kExpertLevel, hintStop_).cell;
        QMetaObject::invokeMethod(
            this, [this, cell, generation] { ShowHint(cell, generation); }, Qt::QueuedConnection);
    });
}

void frmOthello::ShowHint(int cell, int generation) {
    // A wait that ended has joined its search already.
    if (generation != hintGeneration_) {
        return;
    }
    StopHint();
    if (cell < 0) {
        return;
    }
    hint_ = QPoint(cell % 8 + 1, cell / 8 + 1);
    controller_.NoteHint();
    RefreshAids();
    hintRing_.start();
}

void frmOthello::StopHint() {
    if (hintWorker_.joinable()) {
        hintStop_ = true;
        hintWorker_.join();
    }
}

bool frmOthello::IsShownLegal(int row, int col) const {
    return showLegal_ && state_.AwaitingInput && !state_.StopFlag && IsHumanMove(state_, row, col);
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
    display_.ShowAids(state_.CellSize, aids);
}

QString frmOthello::CellName(int row, int col) const {
    const int16_t code = state_.Board(row, col);
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

engine::Position frmOthello::PositionOf(int16_t mover) const {
    engine::Position position;
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            const int16_t code = state_.Board(r, c);
            if (code != Empty) {
                (code == mover ? position.mine : position.theirs) |=
                    engine::Bit(engine::CellIndex(r, c));
            }
        }
    }
    return position;
}

engine::Searcher& frmOthello::searcher() {
    if (!searcher_) {
        searcher_ = std::make_unique<engine::Searcher>();
    }
    return *searcher_;
}

bool frmOthello::YieldToEvents() {
    return waits_.Yield();
}

GameWindow::SearchedMove frmOthello::SearchMove() {
    gameLevel_ = std::min(gameLevel_, level_);
    if (level_ == Level::Classic) {
        return {};
    }
    engine::Searcher& search = searcher();
    const engine::Position position = PositionOf(state_.CompColor);
    const engine::Limits limits =
        level_ == Level::Strong ? engine::kStrongLevel : engine::kExpertLevel;
    // The search runs beside the window, which goes on handling events;
    // Stop, a new game or the end of the program tell it to stop at once.
    std::atomic<bool> stop{false};
    std::atomic<bool> done{false};
    engine::Result result;
    std::thread worker([&] {
        result = search.Search(position, limits, stop);
        done = true;
        QMetaObject::invokeMethod(
            this, [this] { waits_.Wake(); }, Qt::QueuedConnection);
    });
    const bool completed = waits_.WaitUntil([&] { return done.load() || state_.StopFlag; });
    stop = true;
    worker.join();
    if (result.cell < 0) {
        return {false, completed, 0, 0};
    }
    return {false, completed, result.cell / 8 + 1, result.cell % 8 + 1};
}

void frmOthello::ShowBoardPicture(bool visible) {
    pictures_.picV->setVisible(visible);
}

void frmOthello::Beep() {
    QApplication::beep();
}

void frmOthello::ShowOutsideBoard() {
    QMessageBox::warning(this, kAppTitle, tr("Outside playing board area!"));
}

void frmOthello::ShowResult(const std::string& text) {
    static const QRegularExpression counts(
        QStringLiteral("^You gained (\\d+) pieces, I gained (\\d+)\\.$"));
    QStringList lines = FromUtf8(text).split(QStringLiteral("\r\n"));
    for (QString& line : lines) {
        const QRegularExpressionMatch match = counts.match(line);
        line =
            match.hasMatch()
                ? tr("You gained %1 pieces, I gained %2.").arg(match.captured(1), match.captured(2))
                : LoopText(line.toStdString());
    }
    QMessageBox::information(this, kAppTitle, lines.join(QLatin1Char('\n')));
}

bool frmOthello::ConfirmStop() {
    return QMessageBox::question(this, tr("Stop game"),
                                 tr("Are you sure you want to stop this game?"),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<int16_t> frmOthello::ChooseColour() {
    frmStart dialog(this);
    const bool closedWithOk = dialog.exec() == QDialog::Accepted;
    // The close box leaves OK as the last button press set it; a game starts
    // only when OK was pressed in this opening.
    if (!closedWithOk || !frmStart::OK) {
        return std::nullopt;
    }
    return frmStart::ChosenColor;
}

void frmOthello::ShowRunning(bool running) {
    if (running) {
        gameLevel_ = level_;
        display_.ForgetSnapshots();
    }
    mnuGameStatus_->setText(running ? tr("&Stop") : tr("&Start"));
    button(QStringLiteral("start"))->setVisible(!running);
    button(QStringLiteral("stop"))->setVisible(running);
}

void frmOthello::ShowError(const RuntimeError& error) {
    ShowErrorBox(this, error);
}

void frmOthello::RestoreSnapshot(int moveCount) {
    display_.RestoreSnapshot(moveCount);
}

void frmOthello::Announce(int16_t colour, int row, int col) {
    const QString who = colour == Black ? tr("Black") : tr("White");
    // Setting it sends the change to a screen reader.
    pictures_.picV->setAccessibleDescription(
        row == 0 ? tr("%1 passes").arg(who)
                 : tr("%1 plays row %2, column %3").arg(who).arg(row).arg(col));
}

void frmOthello::RecordScore(int16_t humanCount) {
    scores_.UseSection(QString::fromLatin1(InfoOf(gameLevel_).scoreSection));
    Trapped(this, [this, humanCount] { scores_.RecordScore(humanCount); });
}

} // namespace tarvo
