#include "view/picture_box.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tarvo {

namespace {

constexpr int kPenWidth = 2;

// Fills straight into the image's memory: a board is 128 rectangles, and a
// painter for each would cost more than the filling itself. `area` is in the
// widget's coordinates; neighbouring areas meet without a gap at any ratio.
void FillRect(QImage& image, QRect area, QColor colour) {
    const qreal ratio = image.devicePixelRatio();
    const auto scaled = [ratio](int v) { return static_cast<int>(std::floor(v * ratio)); };
    area = QRect(QPoint(scaled(area.left()), scaled(area.top())),
                 QPoint(scaled(area.right() + 1) - 1, scaled(area.bottom() + 1) - 1))
               .intersected(image.rect());
    const QRgb value = colour.rgb();
    uchar* const bits = image.bits();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * image.bytesPerLine());
        std::fill(line + area.left(), line + area.right() + 1, value);
    }
}

} // namespace

PictureBox::PictureBox(QSize size, QColor backColour, QWidget* parent)
    : QWidget(parent), backColour_(backColour), metrics_(font_) {
    const qreal ratio = devicePixelRatioF();
    image_ = QImage((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Clear();
}

void PictureBox::Clear() {
    Fill(backColour_);
}

void PictureBox::Fill(QColor colour) {
    image_.fill(colour);
    update();
}

void PictureBox::FilledSquare(QPoint a, QPoint b, QColor colour) {
    FillRect(image_, QRect(a, b + QPoint(kPenWidth - 1, kPenWidth - 1)), colour);
    update();
}

void PictureBox::Outline(QPoint a, QPoint b, QColor colour) {
    const int right = b.x() + kPenWidth - 1;
    const int bottom = b.y() + kPenWidth - 1;
    FillRect(image_, QRect(QPoint(a.x(), a.y()), QPoint(right, a.y() + kPenWidth - 1)), colour);
    FillRect(image_, QRect(QPoint(a.x(), b.y()), QPoint(right, bottom)), colour);
    FillRect(image_, QRect(QPoint(a.x(), a.y()), QPoint(a.x() + kPenWidth - 1, bottom)), colour);
    FillRect(image_, QRect(QPoint(b.x(), a.y()), QPoint(right, bottom)), colour);
    update();
}

void PictureBox::Line(QPoint a, QPoint b, QColor colour, int width) {
    QPainter painter(&image_);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(a, b);
    update();
}

void PictureBox::Disc(QPoint a, QPoint b, QColor colour, bool shaded, QColor rim) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(a, b).adjusted(kPenWidth + 2, kPenWidth + 2, -2, -2);
    if (shaded) {
        // A highlight up and to the left, the rim in shadow.
        QRadialGradient light(area.center(), area.width() / 2,
                              area.topLeft() + QPointF(area.width() * 0.35, area.height() * 0.3));
        light.setColorAt(0, colour.lightness() < 128 ? QColor(110, 110, 110) : Qt::white);
        light.setColorAt(0.45, colour);
        light.setColorAt(1, colour.darker(colour.lightness() < 128 ? 100 : 130));
        painter.setBrush(light);
    } else {
        painter.setBrush(colour);
    }
    painter.setPen(QPen(rim, 1));
    painter.drawEllipse(area);
    update();
}

void PictureBox::SetDrawFont(const QFont& font) {
    if (font != font_) {
        font_ = font;
        metrics_ = QFontMetrics(font_);
    }
}

QSize PictureBox::TextExtent(const QString& text) const {
    return {metrics_.horizontalAdvance(text), metrics_.height()};
}

void PictureBox::Print(const QString& text, QPoint topLeft, QColor colour) {
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(colour);
    painter.drawText(topLeft.x(), topLeft.y() + metrics_.ascent(), text);
    update();
}

void PictureBox::CopyImageTo(PictureBox& other) const {
    other.image_ = image_.copy();
    other.update();
}

void PictureBox::SetImage(const QImage& image) {
    image_ = image;
    update();
}

void PictureBox::SetOverlay(std::function<void(QPainter&)> paint) {
    overlay_ = std::move(paint);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    if (overlay_) {
        overlay_(painter);
    }
}

} // namespace tarvo
