#include "view/board_style.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarvo {

namespace {

// Made at the first call, after the classic colours exist.
const std::array<StyleColours, 3>& Styles() {
    static const std::array<StyleColours, 3> styles = {{
        {colours::kWindow, Qt::black, colours::kEmptyCell, colours::kGrid, colours::kBlackPiece,
         colours::kWhitePiece, colours::kNumber, colours::kNumberShadow, colours::kMark,
         colours::kMarkShadow, colours::kLegalMark, colours::kHint, colours::kCursor, false, false,
         false},
        {{62, 39, 35},
         {255, 224, 178},
         {46, 125, 50},
         {27, 94, 32},
         {20, 20, 20},
         {245, 245, 240},
         {255, 224, 178},
         {0, 0, 0},
         {255, 40, 40},
         {0, 0, 0},
         {165, 214, 167},
         {255, 235, 59},
         {255, 160, 0},
         true,
         true,
         false},
        // The mid grey of the cells is 4.6 times darker than white and 4.6
        // times lighter than black, so both discs stand out from it.
        {{0, 0, 0},
         {255, 255, 255},
         {118, 118, 118},
         {0, 0, 0},
         {0, 0, 0},
         {255, 255, 255},
         {255, 255, 255},
         {0, 0, 0},
         {255, 0, 0},
         {0, 0, 0},
         {0, 0, 0},
         {255, 255, 255},
         {255, 255, 0},
         true,
         false,
         true},
    }};
    return styles;
}

double Luminance(QColor colour) {
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

} // namespace

const StyleColours& ColoursOf(BoardStyle style) {
    return Styles()[static_cast<std::size_t>(style)];
}

double ContrastRatio(QColor a, QColor b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace tarvo
