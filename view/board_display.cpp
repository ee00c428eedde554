#include "view/board_display.h"

#include <QBuffer>
#include <QPainter>
#include <QPalette>
#include <cmath>

namespace tarvo {

namespace {

constexpr QPoint kPicturePlace{14, 48};
constexpr QSize kPictureSize{290, 278};
constexpr QRect kLabelPlace{3, 4, 25, 23};

QFont BoardFont() {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(24); // 18 points at 96 dots per inch
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QLabel* CreateGainLabel(PictureBox* picture) {
    auto* label = new QLabel(picture);
    label->setGeometry(kLabelPlace);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setBold(true);
    font.setPixelSize(16); // 12 points
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
    label->setPalette(palette);
    return label;
}

void SetLabelColours(QLabel& label, QColor back, QColor text) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, text);
    label.setPalette(palette);
}

} // namespace

BoardPictures CreateBoardPictures(QWidget* parent) {
    BoardPictures pictures{};
    pictures.picB = new PictureBox(kPictureSize, colours::kWindow, parent);
    pictures.picV = new PictureBox(kPictureSize, colours::kWindow, parent);
    for (PictureBox* picture : {pictures.picB, pictures.picV}) {
        picture->move(kPicturePlace);
        picture->SetDrawFont(BoardFont());
    }
    pictures.picV->raise();
    pictures.lblWinst[0] = CreateGainLabel(pictures.picV);
    pictures.lblWinst[0]->setToolTip(
        QCoreApplication::translate("BoardDisplay", "Pieces gained in each turn"));
    pictures.lblWinst[1] = CreateGainLabel(pictures.picB);
    return pictures;
}

int16_t CellSizeFor(int pictureWidth) {
    return static_cast<int16_t>(std::floor(pictureWidth / 9.5));
}

int16_t Nearest(double v) {
    return CheckedInt16(static_cast<long long>(std::nearbyint(v)));
}

QPoint ColumnNumberAt(int s, int n, QSize extent) {
    return {Nearest(s * n + s / 2.0 - extent.width() / 2.0), Nearest((s - extent.height()) / 2.0)};
}

QPoint RowNumberAt(int s, int n, QSize extent) {
    return {Nearest((s - extent.width()) / 2.0), Nearest(s * n + s / 2.0 - extent.height() / 2.0)};
}

void BoardDisplay::DrawLabel(PictureBox& pic, const QString& text, int x, int y, QColor colour) {
    pic.Print(text, QPoint(x, y), colour);
}

void BoardDisplay::DrawNumbers(int s, int n, QPoint (*place)(int, int, QSize), QColor shadow,
                               QColor colour) {
    PictureBox& picV = *pictures_.picV;
    const QString text = QString::number(n);
    const QPoint at = place(s, n, picV.TextExtent(text));
    DrawLabel(picV, text, at.x() + 1, at.y() + 1, shadow);
    DrawLabel(picV, text, at.x(), at.y(), colour);
}

void BoardDisplay::SetStyle(BoardStyle style) {
    colours_ = &ColoursOf(style);
    pictures_.picV->SetBackColour(colours_->window);
    pictures_.picB->SetBackColour(colours_->window);
}

void BoardDisplay::DrawBoard(const GameState& state) {
    PictureBox& picV = *pictures_.picV;
    const StyleColours& c = *colours_;
    const int s = state.CellSize;
    picV.Clear();
    // The board seems to lie on the window: the picture shows the window's colour.
    picV.Fill(c.window);
    picV.SetDrawFont(BoardFont());
    for (int n = 1; n <= 8; ++n) {
        DrawNumbers(s, n, ColumnNumberAt, c.numberShadow, c.number);
    }
    for (int n = 1; n <= 8; ++n) {
        DrawNumbers(s, n, RowNumberAt, c.numberShadow, c.number);
    }
    for (int i = 1; i <= 8; ++i) {
        for (int j = 1; j <= 8; ++j) {
            const int16_t code = state.Board(i, j);
            const QColor piece = code == White ? c.whitePiece : c.blackPiece;
            const QPoint a(s * j, s * i);
            const QPoint b(s * j + s, s * i + s);
            picV.FilledSquare(a, b, code == Empty || c.roundDiscs ? c.empty : piece);
            picV.Outline(a, b, c.grid);
            if (code != Empty && c.roundDiscs) {
                picV.Disc(a, b, piece, c.shaded, c.grid);
            }
        }
    }
}

void BoardDisplay::ShowTurnOwner(int16_t colour, const QString& name) {
    const bool black = colour == Black;
    SetLabelColours(*pictures_.lblWinst[0], black ? colours::kBlackPiece : colours::kWhitePiece,
                    black ? colours::kWhitePiece : colours::kBlackPiece);
    pictures_.lblWinst[0]->setText(QString());
    turnName_ = name;
    pictures_.lblWinst[0]->setAccessibleName(turnName_);
}

void BoardDisplay::MarkMove(const GameState& state, int row, int col) {
    PictureBox& picV = *pictures_.picV;
    const StyleColours& c = *colours_;
    const int s = state.CellSize;
    const QPoint corners[2][2] = {{QPoint(s * col, s * row), QPoint(s * col + s, s * row + s)},
                                  {QPoint(s * col, s * row + s), QPoint(s * col + s, s * row)}};
    if (c.edgedMarks) {
        for (const auto& line : corners) {
            picV.Line(line[0], line[1], c.markShadow, 5);
        }
    }
    for (const auto& line : corners) {
        picV.Line(line[0], line[1], c.mark);
    }
    picV.SetDrawFont(BoardFont());
    DrawNumbers(s, col, ColumnNumberAt, c.markShadow, c.mark);
    DrawNumbers(s, row, RowNumberAt, c.markShadow, c.mark);
}

void BoardDisplay::ShowGained(int count) {
    pictures_.lblWinst[0]->setText(QString::number(count));
    pictures_.lblWinst[0]->setAccessibleName(tr("%1: %2 pieces gained").arg(turnName_).arg(count));
}

void BoardDisplay::SnapshotBoard(int movesBefore) {
    pictures_.picV->CopyImageTo(*pictures_.picB);
    QLabel& from = *pictures_.lblWinst[0];
    QLabel& to = *pictures_.lblWinst[1];
    to.setText(from.text());
    SetLabelColours(to, from.palette().color(QPalette::Window),
                    from.palette().color(QPalette::WindowText));
    Snapshot kept{{},
                  to.text(),
                  to.palette().color(QPalette::Window),
                  to.palette().color(QPalette::WindowText)};
    QBuffer buffer(&kept.png);
    buffer.open(QIODevice::WriteOnly);
    pictures_.picB->image().save(&buffer, "PNG");
    snapshots_.erase(snapshots_.lower_bound(movesBefore), snapshots_.end());
    snapshots_.emplace(movesBefore, std::move(kept));
}

void BoardDisplay::RestoreSnapshot(int moveCount) {
    PictureBox& picB = *pictures_.picB;
    QLabel& label = *pictures_.lblWinst[1];
    const auto found = snapshots_.find(moveCount - 1);
    if (found == snapshots_.end()) {
        picB.Clear();
        label.setText(QString());
        return;
    }
    const Snapshot& kept = found->second;
    QImage image = QImage::fromData(kept.png, "PNG");
    image.setDevicePixelRatio(picB.image().devicePixelRatio());
    picB.SetImage(image);
    label.setText(kept.text);
    SetLabelColours(label, kept.back, kept.fore);
}

void BoardDisplay::ShowAids(int cellSize, const BoardAids& aids) {
    const int s = cellSize;
    // A cell's square runs from s * n to s * n + s, its edges two pixels wide.
    const auto cell = [s](QPoint at) {
        return QRectF(s * at.x() + 2, s * at.y() + 2, s - 2, s - 2);
    };
    const StyleColours c = *colours_;
    pictures_.picV->SetOverlay([=](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(c.legal);
        for (const QPoint at : aids.legal) {
            const QRectF square = cell(at);
            painter.drawEllipse(square.center(), s / 8.0, s / 8.0);
        }
        painter.setBrush(Qt::NoBrush);
        // An edge in the mark's shadow keeps a ring or frame apart from a
        // disc of its own colour.
        const auto edged = [&](QColor colour, int width, auto draw) {
            if (c.edgedMarks) {
                painter.setPen(QPen(c.markShadow, width + 2));
                draw();
            }
            painter.setPen(QPen(colour, width));
            draw();
        };
        if (!aids.hint.isNull()) {
            edged(c.hint, 3, [&] { painter.drawEllipse(cell(aids.hint).adjusted(4, 4, -4, -4)); });
        }
        if (!aids.cursor.isNull()) {
            edged(c.cursor, 2, [&] { painter.drawRect(cell(aids.cursor).adjusted(1, 1, -1, -1)); });
        }
    });
}

} // namespace tarvo
