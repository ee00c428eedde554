#include "app/frm_othello.h"

#include "common/app_info.h"
#include "common/error_trap.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resources live in a static library, whose initialiser the linker
// would otherwise drop.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace tarvo {

namespace {

constexpr QRect kLogoPlace{304, 104, 300, 150};

QPixmap LogoPixmap() {
    InitResources();
    QPixmap pixmap(kLogoPlace.size());
    pixmap.fill(colours::kWindow);
    QSvgRenderer renderer(QStringLiteral(":/logo.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace

QString StatusDate(QDate date, const QLocale& locale) {
    return locale.toString(date, QStringLiteral("dd-MMM-yyyy"));
}

frmOthello::frmOthello(Clock& clock, QWidget* parent)
    : QMainWindow(parent), client_(new QWidget(this)), pictures_(CreateBoardPictures(client_)),
      ImgLogo_(new QLabel(client_)), StatusBar1_(new QStatusBar(client_)), statusPanels_{},
      pause_(clock), display_(pictures_, pause_) {
    setWindowTitle(kAppTitle);
    client_->setFixedSize(kClientSize);
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, colours::kWindow);
    client_->setPalette(palette);
    setCentralWidget(client_);

    ImgLogo_->setGeometry(kLogoPlace);
    ImgLogo_->setPixmap(LogoPixmap());

    StatusBar1_->setSizeGripEnabled(false);
    statusPanels_[0] = new QLabel(StatusBar1_);
    statusPanels_[1] = new QLabel(StatusBar1_);
    statusPanels_[1]->setAlignment(Qt::AlignCenter);
    statusPanels_[1]->setMinimumWidth(110);
    StatusBar1_->addWidget(statusPanels_[0], 1);
    StatusBar1_->addPermanentWidget(statusPanels_[1]);
    StatusBar1_->setPalette(QApplication::palette());
    StatusBar1_->setAutoFillBackground(true);
    const int statusHeight = StatusBar1_->sizeHint().height();
    StatusBar1_->setGeometry(0, kClientSize.height() - statusHeight, kClientSize.width(),
                             statusHeight);

    Form_Load();
}

void frmOthello::ShowStatus(const QString& text) {
    statusPanels_[0]->setText(text);
}

void frmOthello::Form_Load() {
    Trapped(this, [this] {
        statusPanels_[1]->setText(StatusDate(QDate::currentDate(), QLocale::system()));
        state_.CellSize = CellSizeFor(pictures_.picV->width());
        ShowStatus(QStringLiteral("Game stopped"));
        InitBoard(state_);
        display_.DrawBoard(state_);
    });
}

} // namespace tarvo
