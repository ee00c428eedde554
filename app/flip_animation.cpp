#include "app/flip_animation.h"

#include <QPainter>
#include <cmath>

namespace tarvo {

FlipAnimation::FlipAnimation(const BoardDisplay& display, const GameSession& session, QWidget* picV)
    : QWidget(picV->parentWidget()), display_(display), session_(session), picV_(picV) {
    // A sibling over the board, not its child, so that a screen reader
    // still finds the board's cells and turn label alone inside it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    flip_.setStartValue(0.0);
    flip_.setEndValue(1.0);
    flip_.setDuration(kFlipMs);
    connect(&flip_, &QVariantAnimation::valueChanged, this, [this] { update(); });
    connect(&flip_, &QVariantAnimation::finished, this, [this] { Finish(); });
}

void FlipAnimation::SetEnabled(bool on) {
    enabled_ = on;
    if (!on) {
        Finish();
    }
}

void FlipAnimation::OnEvent(const SessionEvent& e) {
    if (const auto* move = std::get_if<event::MovePlayed>(&e)) {
        turned_ = move->turned;
        turnedTo_ = move->colour;
    } else if (std::holds_alternative<event::BoardDrawn>(e) && !turned_.empty() && enabled_) {
        // The board now shows the move's pieces turned: flip them over it.
        flipping_ = std::exchange(turned_, {});
        setGeometry(picV_->geometry());
        show();
        raise();
        flip_.stop();
        flip_.start();
    } else if (std::holds_alternative<event::BoardDrawn>(e) ||
               std::holds_alternative<event::BoardRestored>(e) ||
               std::holds_alternative<event::BoardHidden>(e) ||
               std::holds_alternative<event::RunningChanged>(e)) {
        // The board changed otherwise, or the game ended: no flip on it.
        turned_.clear();
        Finish();
    }
}

void FlipAnimation::Finish() {
    flip_.stop();
    flipping_.clear();
    hide();
}

void FlipAnimation::paintEvent(QPaintEvent*) {
    const StyleColours& c = display_.colours();
    const int s = session_.state().CellSize;
    const double t = flip_.currentValue().toDouble();
    // The piece shows its old colour edge-on at half time, then its new one.
    const QColor colour = t < 0.5 ? (turnedTo_ == Black ? c.whitePiece : c.blackPiece)
                                  : (turnedTo_ == Black ? c.blackPiece : c.whitePiece);
    const double width = std::abs(1 - 2 * t);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& [row, col] : flipping_) {
        // Inside the cell's two-pixel edges.
        const QRectF cell(s * col + 2, s * row + 2, s - 2, s - 2);
        painter.fillRect(cell, c.empty);
        const QRectF piece = c.roundDiscs ? cell.adjusted(2, 2, -2, -2) : cell;
        const QRectF narrowed(piece.center().x() - piece.width() * width / 2, piece.top(),
                              piece.width() * width, piece.height());
        painter.setPen(c.roundDiscs ? QPen(c.grid, 1) : Qt::NoPen);
        painter.setBrush(colour);
        if (c.roundDiscs) {
            painter.drawEllipse(narrowed);
        } else {
            painter.drawRect(narrowed);
        }
    }
}

} // namespace tarvo
