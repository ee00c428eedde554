#include "app/frm_splash.h"

#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

namespace tarvo {

namespace {

constexpr QSize kPictureSize{300, 150};

QPixmap SplashPixmap(qreal ratio) {
    QPixmap pixmap(kPictureSize * ratio);
    pixmap.setDevicePixelRatio(ratio);
    QSvgRenderer renderer(QStringLiteral(":/splash.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), kPictureSize));
    return pixmap;
}

} // namespace

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    window->move(screen->availableGeometry().center() - window->rect().center());
}

frmSplash::frmSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(new QLabel(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kPictureSize);
    picture_->setGeometry(QRect(QPoint(0, 0), kPictureSize));
    picture_->setPixmap(SplashPixmap(devicePixelRatioF()));
    Timer1_.setSingleShot(true);
    connect(&Timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    CentreOnScreen(this);
}

void frmSplash::Timer1_Timer() {
    Timer1_.stop();
    // The main window appears before the splash goes, so that no moment
    // passes with no window, which would end the program.
    if (mainWindow_ != nullptr) {
        mainWindow_->show();
    }
    close();
}

} // namespace tarvo
