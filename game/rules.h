#pragma once

#include "game/game_state.h"

#include <cstdint>

namespace tarvo {

// True when the cell lies outside rows and columns 1..8.
bool IsOutside(int row, int col);

// True when row or column is 1 or 8; the other coordinate is not tested.
bool IsEdgeCell(int row, int col);

// True when the human (HumanColor) may play the cell.
bool IsHumanMove(const GameState& state, int row, int col);

// True when the human (HumanColor) has no legal move.
bool IsHumanClosedIn(const GameState& state);

// Turns over every run of opponent pieces that a piece of `colour` on the
// Empty cell (row, col) would flank, and returns how many were turned. The
// played cell itself is left Empty: the caller places the piece.
int16_t FlipPieces(GameState& state, int row, int col, int16_t colour);

} // namespace tarvo
