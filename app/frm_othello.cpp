#include "app/frm_othello.h"

#include "app/game_files.h"
#include "app/game_listeners.h"
#include "app/game_texts.h"
#include "app/main_actions.h"
#include "common/app_info.h"
#include "common/error_trap.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_start.h"
#include "dialogs/web_launch.h"
#include "game/rules.h"
#include "scores/score_sheet.h"
#include "scores/statistics_sheet.h"
#include "view/board_accessible.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
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

QPixmap LogoPixmap(qreal ratio, QColor back) {
    QPixmap pixmap(kLogoPlace.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(back);
    QSvgRenderer renderer(QStringLiteral(":/logo.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), kLogoPlace.size()));
    return pixmap;
}

const QString kOptionsSection = QStringLiteral("Options");
const QString kLevelKey = QStringLiteral("Level");
const QString kLegalKey = QStringLiteral("ShowLegalMoves");
const QString kPlayersKey = QStringLiteral("Players");
const QString kStyleKey = QStringLiteral("BoardStyle");
const QString kAnimateKey = QStringLiteral("AnimateMoves");
const QString kSoundKey = QStringLiteral("Sound");
// The board styles' names in the settings, in the order of BoardStyle.
const std::array<QString, 3> kStyleNames = {QStringLiteral("classic"), QStringLiteral("felt"),
                                            QStringLiteral("high-contrast")};

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
    MakeBoardAccessible(pictures_.picV,
                        [this](int row, int col) { return comforts_.CellName(row, col); });
    pictures_.picV->setAccessibleName(tr("Board"));
    pictures_.picV->setFocusPolicy(Qt::StrongFocus);

    Toolbar1_ = new QToolBar(client_);
    Toolbar1_->setGeometry(0, 0, kClientSize.width(), kToolbarHeight);
    Toolbar1_->setIconSize(QSize(32, 32));
    Toolbar1_->setMovable(false);
    Toolbar1_->setPalette(QApplication::palette());
    Toolbar1_->setAutoFillBackground(true);
    actions_ = BuildActions(menuBar(), Toolbar1_, this);
    const std::pair<QAction*, void (frmOthello::*)()> commands[] = {
        {actions_.status, &frmOthello::mnuGameStatus_Click},
        {actions_.undo, &frmOthello::mnuGameUndo_Click},
        {actions_.redo, &frmOthello::mnuGameRedo_Click},
        {actions_.hint, &frmOthello::mnuGameHint_Click},
        {actions_.review, &frmOthello::mnuGameReview_Click},
        {actions_.open, &frmOthello::mnuGameOpen_Click},
        {actions_.save, &frmOthello::mnuGameSave_Click},
        {actions_.copy, &frmOthello::mnuGameCopy_Click},
        {actions_.paste, &frmOthello::mnuGamePaste_Click},
        {actions_.score, &frmOthello::mnuGameScore_Click},
        {actions_.statistics, &frmOthello::mnuGameStatistics_Click},
        {actions_.exit, &frmOthello::mnuGameExit_Click},
        {actions_.helpTopics, &frmOthello::mnuHelpTopics_Click},
        {actions_.web, &frmOthello::mnuHelpWeb_Click},
        {actions_.about, &frmOthello::mnuHelpAbout_Click}};
    for (const auto& [action, command] : commands) {
        connect(action, &QAction::triggered, this, command);
    }
    for (const Level level : {Level::Classic, Level::Strong, Level::Expert}) {
        connect(actions_.levels[static_cast<std::size_t>(level)], &QAction::triggered, this,
                [this, level] { SetLevel(level); });
    }
    connect(actions_.legal, &QAction::triggered, this, [this](bool on) { SetShowLegalMoves(on); });
    connect(actions_.animate, &QAction::triggered, this, [this](bool on) { SetAnimateMoves(on); });
    connect(actions_.sound, &QAction::triggered, this, [this](bool on) { SetSound(on); });
    for (std::size_t i = 0; i < actions_.styles.size(); ++i) {
        connect(actions_.styles[i], &QAction::triggered, this,
                [this, i] { SetBoardStyle(static_cast<BoardStyle>(i)); });
    }
    BuildStatusBar();
    LoadOptions();
    // The score first, so that it is kept before the result box shows.
    driver_.AddListener(ScoreListener(scores_, session(), this));
    driver_.AddListener(StatisticsListener(scores_.store(), session(), this));
    // A move is said before its gain shows.
    driver_.AddListener(SpeechListener(pictures_.picV));
    driver_.AddListener(BoardListener(display_, pictures_.picV, session()));
    driver_.AddListener([this](const SessionEvent& event) { flip_->OnEvent(event); });
    driver_.AddListener([this](const SessionEvent& event) { sound_.OnEvent(event); });
    driver_.AddListener(StatusListener(statusPanels_[0], session()));
    driver_.AddListener([this](const SessionEvent& event) { OnEvent(event); });
    qApp->installEventFilter(this);
    Form_Load();
}

frmOthello::~frmOthello() {
    qApp->removeEventFilter(this);
}

void frmOthello::SetLevel(Level level) {
    level_ = level;
    session().SetComputerLevel(level);
    actions_.levels[static_cast<std::size_t>(level)]->setChecked(true);
    SaveOption(kLevelKey, QString::fromLatin1(InfoOf(level_).name));
}

void frmOthello::SetShowLegalMoves(bool on) {
    comforts_.SetShowLegal(on);
    actions_.legal->setChecked(on);
    SaveOption(kLegalKey, on ? QStringLiteral("1") : QStringLiteral("0"));
}

void frmOthello::ApplyBoardStyle(BoardStyle style) {
    style_ = style;
    const QColor window = ColoursOf(style).window;
    display_.SetStyle(style);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, ColoursOf(style).text);
    client_->setPalette(palette);
    ImgLogo_->setPixmap(LogoPixmap(ImgLogo_->devicePixelRatioF(), window));
    display_.DrawBoard(state());
    comforts_.Refresh();
    actions_.styles[static_cast<std::size_t>(style)]->setChecked(true);
}

void frmOthello::SetBoardStyle(BoardStyle style) {
    ApplyBoardStyle(style);
    SaveOption(kStyleKey, kStyleNames[static_cast<std::size_t>(style)]);
}

void frmOthello::SetAnimateMoves(bool on) {
    flip_->SetEnabled(on);
    actions_.animate->setChecked(on);
    SaveOption(kAnimateKey, on ? QStringLiteral("1") : QStringLiteral("0"));
}

void frmOthello::SetSound(bool on) {
    sound_.SetEnabled(on);
    actions_.sound->setChecked(on);
    SaveOption(kSoundKey, on ? QStringLiteral("1") : QStringLiteral("0"));
}

void frmOthello::SaveOption(const QString& key, const QString& value) {
    Trapped(this, [&] { scores_.store().Save(kScoreApp, kOptionsSection, {{key, value}}); });
}

QAction* frmOthello::menuItem(const QString& name) const {
    return findChild<QAction*>(name);
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

bool frmOthello::ConfirmStop() {
    return QMessageBox::question(this, tr("Stop game"),
                                 tr("Are you sure you want to stop this game?"),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void frmOthello::mnuGameStatus_Click() {
    if (!session().running()) {
        StartGame({});
    } else if (ConfirmStop()) {
        session().Stop();
    }
}

void frmOthello::StartGame(const GameStart& from) {
    if (session().running()) {
        if (!ConfirmStop()) {
            return;
        }
        session().Stop();
    }
    frmStart dialog(this, opponents_);
    if (style_ == BoardStyle::HighContrast) {
        dialog.SetHighContrast();
    }
    dialog.exec();
    const std::optional<GameChoice> choice = dialog.choice();
    if (!choice) {
        return;
    }
    if (choice->opponents != opponents_) {
        opponents_ = choice->opponents;
        SaveOption(kPlayersKey, QString::number(static_cast<int>(opponents_)));
    }
    const Player person{true, level_};
    const Player computer{false, level_};
    if (opponents_ == Opponents::Computer) {
        choice->colour == 1 ? session().Start(computer, person, from)
                            : session().Start(person, computer, from);
    } else {
        const Player both = opponents_ == Opponents::TwoPlayers ? person : computer;
        session().Start(both, both, from);
    }
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

void frmOthello::mnuGameStatistics_Click() {
    StatisticsSheet sheet(scores_.store(), this);
    sheet.exec();
}

void frmOthello::mnuGameExit_Click() {
    // Closing the window ends the program, and the game with it.
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
        ApplyBoardStyle(style_);
    });
}

void frmOthello::LoadOptions() {
    // A settings file that cannot be read leaves the defaults; the damage is
    // told once the game has started.
    KeyValues options;
    try {
        options = scores_.store().GetAll(kScoreApp, kOptionsSection);
    } catch (const RuntimeError&) {
        return;
    }
    // Keys are read in any case, as the store reads them.
    const auto option = [&options](const QString& key) {
        const auto found = std::ranges::find_if(options, [&key](const auto& pair) {
            return pair.first.compare(key, Qt::CaseInsensitive) == 0;
        });
        return found == options.end() ? QString() : found->second.trimmed();
    };
    const auto on = [&option](const QString& key) { return option(key) == QLatin1String("1"); };
    const QString stored = option(kLevelKey);
    // 0 against the computer, 1 two players, 2 two computers.
    const int players = option(kPlayersKey).toInt();
    opponents_ =
        players == 1 || players == 2 ? static_cast<Opponents>(players) : Opponents::Computer;
    comforts_.SetShowLegal(on(kLegalKey));
    flip_->SetEnabled(on(kAnimateKey));
    sound_.SetEnabled(on(kSoundKey));
    const auto found = std::ranges::find(kStyleNames, option(kStyleKey).toLower());
    if (found != kStyleNames.end()) {
        style_ = static_cast<BoardStyle>(found - kStyleNames.begin());
    }
    actions_.legal->setChecked(comforts_.showLegal());
    actions_.animate->setChecked(flip_->enabled());
    actions_.sound->setChecked(sound_.enabled());
    for (const Level level : {Level::Classic, Level::Strong, Level::Expert}) {
        if (stored.compare(QLatin1String(InfoOf(level).name), Qt::CaseInsensitive) == 0) {
            level_ = level;
            actions_.levels[static_cast<std::size_t>(level)]->setChecked(true);
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
        comforts_.Key(key->key())) {
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
    if (const auto* waiting = std::get_if<event::InputAwaited>(&e)) {
        SetTurnCommands(waiting->awaited);
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
        QMessageBox box(QMessageBox::Information, kAppTitle,
                        ResultText(*over, state().HumanColor, session().OnePerson()),
                        QMessageBox::Ok, this);
        QPushButton* review = box.addButton(tr("Re&view game"), QMessageBox::ActionRole);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        if (box.clickedButton() == review) {
            // Once the game has ended, which closing the box does.
            QTimer::singleShot(0, this, [this] { ReviewGame(LatestGame()); });
        }
    } else {
        QMessageBox::warning(this, kAppTitle, tr("Outside playing board area!"));
    }
}

void frmOthello::SetTurnCommands(bool waiting) {
    comforts_.Reset();
    actions_.undo->setEnabled(waiting && session().CanUndo());
    actions_.redo->setEnabled(waiting && session().CanRedo());
    actions_.hint->setEnabled(waiting);
}

void frmOthello::mnuGameUndo_Click() {
    session().Undo();
}

void frmOthello::mnuGameRedo_Click() {
    session().Redo();
}

void frmOthello::mnuGameHint_Click() {
    comforts_.AskHint();
}

GameRecord frmOthello::LatestGame() const {
    const GameSession& game = driver_.session();
    const GameStart moves = game.Moves();
    return {{game.PlayerOf(Black), game.PlayerOf(White)},
            QDate::currentDate().toString(Qt::ISODate).toStdString(),
            std::get<Replay>(ReplayMoves(moves.setup, moves.moves))};
}

ReviewWindow* frmOthello::ReviewGame(GameRecord record) {
    auto* review = new ReviewWindow(
        std::move(record),
        [this](const GameStart& from) {
            QTimer::singleShot(0, this, [this, from] { StartGame(from); });
        },
        this);
    review->setAttribute(Qt::WA_DeleteOnClose);
    review->open();
    return review;
}

void frmOthello::mnuGameReview_Click() {
    ReviewGame(LatestGame());
}

void frmOthello::mnuGameOpen_Click() {
    if (std::optional<GameRecord> record = OpenGameRecord(this)) {
        ReviewGame(std::move(*record));
    }
}

void frmOthello::mnuGameSave_Click() {
    SaveGameRecord(this, LatestGame());
}

void frmOthello::mnuGameCopy_Click() {
    QApplication::clipboard()->setText(
        QString::fromStdString(WriteTranscript(LatestGame().replay)));
}

void frmOthello::mnuGamePaste_Click() {
    if (std::optional<GameRecord> record = PastedGame(this)) {
        ReviewGame(std::move(*record));
    }
}

void frmOthello::ShowRunning(bool running) {
    if (!running) {
        SetTurnCommands(false);
    }
    ShowGameRunning(actions_.status, running);
}

} // namespace tarvo
