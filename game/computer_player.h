#pragma once

#include "game/game_state.h"

#include <cstdint>
#include <functional>

namespace tarvo {

// Rewrites parts of the weight table from the current position. The table is
// the computer's memory of the game: what one call writes stays until a later
// rule or the next InitBoard changes it.
void AdjustWeights(GameState& state);

struct BestMove {
    int16_t BestWeight = 0; // 0 when the computer has no move
    int16_t BestFlips = 0;
};

// Widens the search window, then collects the computer's equal-best moves in
// BestRow/BestCol (entries 0..BestCount): highest weight first, then most
// pieces turned. `yield` runs after every cell of the window so that the
// caller's window stays responsive. Without a move, the candidate list keeps
// the previous search's values.
BestMove SelectBestMoves(GameState& state, const std::function<void()>& yield = {});

} // namespace tarvo
