#include "dialogs/frm_about.h"

#include "common/app_info.h"
#include "common/version.h"
#include "dialogs/sys_info.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QUrl>
#include <algorithm>

static void InitDialogResources() {
    Q_INIT_RESOURCE(dialogs);
}

namespace tarvo {

namespace {

const QColor kTeal(0, 192, 192);
const QColor kDarkGrey(64, 64, 64);
const QColor kLightGrey(192, 192, 192);
const QColor kBlue(0, 0, 255);
const QColor kPurple(192, 0, 192);
const QColor kYellow(255, 255, 0);
constexpr int kRuleY = 98;

QFont AboutFont(bool bold, bool underline = false) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11); // 8.25 points
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QLabel* AddLabel(QWidget* parent, QRect place, const QFont& font, QColor text,
                 const QString& tooltip) {
    auto* label = new QLabel(parent);
    label->setGeometry(place);
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, kLightGrey);
    label->setPalette(palette);
    label->setToolTip(tooltip);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPixmap MotifPixmap(qreal ratio) {
    QPixmap pixmap(QSize(66, 70) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(kTeal);
    QSvgRenderer renderer(QStringLiteral(":/dialogs/motif.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, 66, 70));
    return pixmap;
}

} // namespace

QString PlatformText() {
    return QCoreApplication::translate("frmAbout", "For %1-bit Linux desktops")
        .arg(QT_POINTER_SIZE * 8);
}

frmAbout::frmAbout(QWidget* parent, std::function<void(const QString&)> webLaunch)
    : QDialog(parent), webLaunch_(std::move(webLaunch)) {
    InitDialogResources();
    setFont(AboutFont(false));
    setFixedSize(345, 189);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kTeal);
    setPalette(palette);

    picIcon = new QLabel(this);
    picIcon->setGeometry(8, 8, 70, 74);
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(MotifPixmap(devicePixelRatioF()));
    picIcon->setToolTip(tr("Program motif"));

    lblTitle = AddLabel(this, {96, 8, 161, 13}, AboutFont(true), kDarkGrey, tr("Program title"));
    Label1 = AddLabel(this, {96, 24, 226, 15}, AboutFont(false), kDarkGrey,
                      tr("Suitable operating system"));
    Label1->setText(PlatformText());
    lblCopyright = AddLabel(this, {96, 40, 187, 13}, AboutFont(true), kDarkGrey, QString());
    lblMessage = AddLabel(this, {96, 56, 255, 33}, AboutFont(false), Qt::black,
                          tr("Web hyperlink to navigate you to Tarvo web site"));
    const QString host = QUrl(HomeURL).host();
    lblHomeURL = AddLabel(this, {96, 82, 99, 13}, AboutFont(true, true), kBlue,
                          tr("Click here to visit Tarvo on the web"));
    lblHomeURL->setText(host);
    lblHomeURL->setFixedWidth(std::max(99, lblHomeURL->sizeHint().width()));
    lblHomeURL->setCursor(Qt::PointingHandCursor);
    lblHomeURL->installEventFilter(this);
    lblDisclaimer = AddLabel(this, {8, 104, 337, 61}, AboutFont(false), Qt::black,
                             tr("Legal license agreement"));
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setText(
        tr("Warning: this program is protected by copyright law and international treaties. "
           "Copying or distributing it, or any part of it, without the permission of its "
           "maker is punishable under civil and criminal law, and offenders will be "
           "prosecuted to the full extent the law allows."));
    lblVersion = AddLabel(this, {8, 160, 99, 13}, AboutFont(true), kDarkGrey,
                          QStringLiteral("Program release version"));

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setGeometry(165, 160, 80, 25);
    cmdOK->setDefault(true);
    cmdOK->setToolTip(tr("Close about dialogue window"));
    cmdSysInfo = new QPushButton(tr("&System Info"), this);
    cmdSysInfo->setGeometry(253, 160, 80, 25);
    cmdSysInfo->setToolTip(tr("Your computer system information"));
    // Esc closes the box through QDialog's reject, as the cancel button would.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(this); });
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    Form_Load();
    MakeRoomForTheNotice();
}

void frmAbout::MakeRoomForTheNotice() {
    // A translated caption may be wider: the button grows leftwards, and OK
    // moves along.
    const int right = cmdSysInfo->geometry().right();
    cmdSysInfo->setFixedWidth(std::max(cmdSysInfo->width(), cmdSysInfo->sizeHint().width()));
    cmdSysInfo->move(right + 1 - cmdSysInfo->width(), cmdSysInfo->y());
    cmdOK->move(std::min(cmdOK->x(), cmdSysInfo->x() - 8 - cmdOK->width()), cmdOK->y());
    // A translated notice may need more lines: the box grows below it.
    const int needed = lblDisclaimer->heightForWidth(lblDisclaimer->width());
    // The version line and the buttons overlap the label's last pixels.
    const int extra = std::max(0, needed - (lblVersion->y() - lblDisclaimer->y()));
    if (extra == 0) {
        return;
    }
    lblDisclaimer->resize(lblDisclaimer->width(), lblDisclaimer->height() + extra);
    for (QWidget* below : {static_cast<QWidget*>(lblVersion), static_cast<QWidget*>(cmdOK),
                           static_cast<QWidget*>(cmdSysInfo)}) {
        below->move(below->x(), below->y() + extra);
    }
    setFixedSize(width(), height() + extra);
}

void frmAbout::Form_Load() {
    setWindowTitle(tr("About %1").arg(kAppTitle));
    lblCopyright->setText(QString::fromUtf8(kCopyright));
    lblMessage->setText(tr("See the other free games and other superb\n"
                           "software offers on the Tarvo web site at:"));
    lblVersion->setText(
        tr("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch));
    lblTitle->setText(kAppTitle);
}

void frmAbout::lblHomeURL_Click() {
    webLaunch_(HomeURL);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblHomeURL && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        lblHomeURL->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        lblHomeURL_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // An etched rule: the pair's two lines one pixel apart, so that both show.
    QPainter painter(this);
    painter.setPen(kPurple);
    painter.drawLine(8, kRuleY, 336, kRuleY);
    painter.setPen(kYellow);
    painter.drawLine(8, kRuleY + 1, 336, kRuleY + 1);
}

} // namespace tarvo
