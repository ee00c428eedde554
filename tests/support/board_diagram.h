#pragma once

#include "game/game_state.h"
#include "game/random_source.h"

#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvo::test {

// A state after InitBoard, with the human playing `human`.
GameState OpeningState(int16_t human = Black);

// Eight rows of eight cells: '.' Empty, 'X' Black, 'O' White. Blanks and line
// breaks are ignored, so diagrams can be laid out as the board looks.
void SetBoard(GameState& state, std::string_view diagram);

// The playing cells in the same notation, one row a line.
std::string Diagram(const GameState& state);

using Cell = std::pair<int, int>;

// Every legal move for `colour`, rows ascending, then columns.
std::vector<Cell> LegalMoves(const GameState& state, int16_t colour);

// Plays the move on the board with the model's own rules and counts it.
void Play(GameState& state, Cell move, int16_t colour);

// The computer's move as the turn loop makes it: AdjustWeights, SelectBestMoves
// and the random tie-break; nothing when it must pass.
std::optional<Cell> ComputerMove(GameState& state, RandomSource& random);

class SeededRandomSource : public RandomSource {
public:
    explicit SeededRandomSource(unsigned seed) : rng_(seed) {}
    float Next() override;

private:
    std::mt19937 rng_;
};

// One game of the computer against random legal human moves, to its end,
// which it returns. `beforeComputer` sees every position where the computer
// is to move.
GameState PlayRandomGame(std::mt19937& rng, int16_t human,
                         const std::function<void(const GameState&)>& beforeComputer);

} // namespace tarvo::test
