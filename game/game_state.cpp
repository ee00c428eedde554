#include "game/game_state.h"

#include <array>
#include <string_view>

namespace tarvo {

namespace {

constexpr std::array<std::string_view, 4> kWeightRows = {
    "30 01 20 10 10 20 01 30",
    "01 01 03 03 03 03 01 01",
    "20 03 05 05 05 05 03 20",
    "10 03 05 00 00 05 03 10",
};

// Rows 1..8 use the texts first, second, third, fourth, fourth, third, second, first.
constexpr std::array<int, 8> kTextOfRow = {0, 1, 2, 3, 3, 2, 1, 0};

constexpr std::array<int16_t, 8> kColumnSteps = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr std::array<int16_t, 8> kRowSteps = {0, 1, 1, 1, 0, -1, -1, -1};

// The decimal value of the three characters from position 3j - 2 (from 1),
// trailing blank ignored; for j = 8 only two characters remain.
int16_t WeightField(std::string_view text, int j) {
    const std::string_view field = text.substr(static_cast<std::size_t>(3 * j - 3), 3);
    int16_t value = 0;
    for (const char c : field) {
        if (c == ' ') {
            break;
        }
        value = static_cast<int16_t>(value * 10 + (c - '0'));
    }
    return value;
}

} // namespace

void InitBoard(GameState& state) {
    for (int i = 0; i <= 9; ++i) {
        state.Board(i, 0) = Empty;
        state.Board(0, i) = Empty;
        state.Board(9, i) = Empty;
        state.Board(i, 9) = Empty;
    }
    state.MinRow = 2;
    state.MinCol = 2;
    state.MaxRow = 7;
    state.MaxCol = 7;
    for (int d = 1; d <= 8; ++d) {
        state.DirCol(d) = kColumnSteps[static_cast<std::size_t>(d - 1)];
        state.DirRow(d) = kRowSteps[static_cast<std::size_t>(d - 1)];
    }
    for (int i = 1; i <= 8; ++i) {
        const std::string_view text =
            kWeightRows[static_cast<std::size_t>(kTextOfRow[static_cast<std::size_t>(i - 1)])];
        for (int j = 1; j <= 8; ++j) {
            state.Weight(i, j) = WeightField(text, j);
            state.Board(i, j) = Empty;
        }
    }
    state.Board(4, 4) = Black;
    state.Board(4, 5) = White;
    state.Board(5, 4) = White;
    state.Board(5, 5) = Black;
    state.MoveCount = 0;
}

} // namespace tarvo
