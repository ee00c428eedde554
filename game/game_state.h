#pragma once

#include "game/checked_array.h"

#include <cstdint>

namespace tarvo {

constexpr int16_t White = 0;
constexpr int16_t Black = 3;
constexpr int16_t Empty = 6;

constexpr int16_t OpponentOf(int16_t colour) {
    return colour == Black ? White : Black;
}

// The whole state of one game window. Rows and columns 1..8 are the playing
// cells; 0 and 9 form a border that always holds Empty, so every walk along a
// direction ends on the border at the latest. Every field starts at 0.
struct GameState {
    CheckedGrid<10, 10> Board;
    CheckedGrid<10, 10> Weight;
    CheckedArray<9> DirCol;
    CheckedArray<9> DirRow;
    CheckedArray<10> BestCol;
    CheckedArray<10> BestRow;
    int16_t BestCount = 0;
    int16_t MinRow = 0;
    int16_t MinCol = 0;
    int16_t MaxRow = 0;
    int16_t MaxCol = 0;
    int16_t HumanColor = 0;
    int16_t CompColor = 0;
    bool AwaitingInput = false;
    int16_t HumanRow = 0;
    int16_t HumanCol = 0;
    int16_t CompRow = 0;
    int16_t CompCol = 0;
    int16_t CellSize = 0;
    bool StopFlag = false;
    int16_t MoveCount = 0;
};

// Puts the board, weights, directions, search window and move count into the
// opening position. Colours, last moves, candidates and flags keep their values.
void InitBoard(GameState& state);

} // namespace tarvo
