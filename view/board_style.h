#pragma once

#include <QColor>

namespace tarvo {

// The classic style's colours.
namespace colours {
inline const QColor kWindow{128, 128, 255};
inline const QColor kWhitePiece{255, 255, 255};
inline const QColor kBlackPiece{0, 0, 0};
inline const QColor kEmptyCell{223, 223, 223};
inline const QColor kGrid{192, 192, 192};
inline const QColor kNumber{0, 255, 255};
inline const QColor kNumberShadow{255, 255, 255};
inline const QColor kMark{255, 0, 0};
inline const QColor kMarkShadow{0, 0, 0};
inline const QColor kLegalMark{112, 112, 112};
inline const QColor kHint{0, 96, 255};
inline const QColor kCursor{255, 160, 0};
} // namespace colours

// The board's looks: the one it has always had, a green felt with shaded
// round discs, and one whose discs, lines, marks and texts stand out from
// what lies next to them by WCAG AA's contrast ratios.
enum class BoardStyle { Classic, Felt, HighContrast };

struct StyleColours {
    QColor window; // around the board, behind its numbers
    QColor text;   // the status line's, on the window's colour
    QColor empty;
    QColor grid;
    QColor blackPiece;
    QColor whitePiece;
    QColor number;
    QColor numberShadow;
    QColor mark;
    QColor markShadow;
    QColor legal;
    QColor hint;
    QColor cursor;
    bool roundDiscs; // discs instead of whole cells in the pieces' colours
    bool shaded;     // discs lit from the top left
    bool edgedMarks; // the cross, the ring and the frame edged in the mark's shadow
};

const StyleColours& ColoursOf(BoardStyle style);

// WCAG's contrast ratio of two colours, from 1 to 21.
double ContrastRatio(QColor a, QColor b);

} // namespace tarvo
