#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

namespace tarvo {

// A picture with retained drawing: everything drawn goes into an image of the
// picture's full size, which the paint event shows. Lines and rectangle edges
// are two pixels wide, covering the given coordinate and the one after it.
// Coordinates are the widget's; the image has the screen's own pixels, so on
// a high-density screen every line and glyph is drawn sharp.
class PictureBox : public QWidget {
public:
    PictureBox(QSize size, QColor backColour, QWidget* parent);

    // Fills the whole image with the back colour.
    void Clear();
    // Fills the whole image with one colour.
    void Fill(QColor colour);
    // Fills the rectangle from `a` to `b`, both corners included, edge and all.
    void FilledSquare(QPoint a, QPoint b, QColor colour);
    // Draws the four edges of the rectangle from `a` to `b`.
    void Outline(QPoint a, QPoint b, QColor colour);
    void Line(QPoint a, QPoint b, QColor colour, int width = 2);
    // A round disc inside the rectangle from `a` to `b`, lit from the top
    // left when shaded, with a thin rim in `rim`.
    void Disc(QPoint a, QPoint b, QColor colour, bool shaded, QColor rim);
    // The colour Clear() fills with.
    void SetBackColour(QColor colour) { backColour_ = colour; }

    void SetDrawFont(const QFont& font);
    const QFont& drawFont() const { return font_; }
    QSize TextExtent(const QString& text) const;
    // Paints the glyphs of `text` with the top-left corner of its box at `topLeft`.
    void Print(const QString& text, QPoint topLeft, QColor colour);

    // Gives `other` a copy of this picture's current image.
    void CopyImageTo(PictureBox& other) const;
    const QImage& image() const { return image_; }
    void SetImage(const QImage& image);
    // Painted over the image and never part of it: marks that come and go.
    void SetOverlay(std::function<void(QPainter&)> paint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QColor backColour_;
    QFont font_;
    QFontMetrics metrics_;
    std::function<void(QPainter&)> overlay_;
};

} // namespace tarvo
