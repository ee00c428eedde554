#pragma once

#include "game/game_state.h"

#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvo::test {

// A state after InitBoard, with the human playing `human`.
GameState OpeningState(int16_t human = Black);

// Eight rows of eight cells: '.' Empty, 'X' Black, 'O' White; blanks ignored.
void SetBoard(GameState& state, std::string_view diagram);

// The opening position plus the listed cells, each a code and its row and
// column digits: "O13 X22 .44" puts White on (1, 3), Black on (2, 2) and
// empties (4, 4). The human plays Black.
GameState Board(std::string_view cells);

// The playing cells in diagram notation, one row a line.
std::string Diagram(const GameState& state);

using Cell = std::pair<int, int>;

// Every legal move for `colour`, rows ascending, then columns.
std::vector<Cell> LegalMoves(const GameState& state, int16_t colour);

// Plays the move with the model's own rules, counts it and keeps it as the
// mover's last move.
void Play(GameState& state, Cell move, int16_t colour);

// One game of random legal moves from the opening, the human playing
// `human`: `visit` sees each position and the side to move, also before a pass.
void PlayRandomGame(std::mt19937& rng, int16_t human,
                    const std::function<void(const GameState&, int16_t mover)>& visit);

} // namespace tarvo::test
