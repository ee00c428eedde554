#include "game/computer_player.h"
#include "game/rules.h"
#include "support/board_diagram.h"

#include <gtest/gtest.h>
#include <random>

namespace tarvo {
namespace {

using test::Cell;

bool InWindow(const GameState& s, int r, int c) {
    return r >= s.MinRow && r <= s.MaxRow && c >= s.MinCol && c <= s.MaxCol;
}

int16_t Flips(const GameState& state, int r, int c) {
    GameState copy = state;
    return FlipPieces(copy, r, c, state.CompColor);
}

// Checks one computer decision against the legal moves found independently.
void CheckDecision(const GameState& position) {
    GameState state = position;
    AdjustWeights(state);
    const BestMove best = SelectBestMoves(state);
    std::vector<Cell> tied;
    for (const Cell& move : test::LegalMoves(state, state.CompColor)) {
        const auto [r, c] = move;
        if (!InWindow(state, r, c)) {
            continue;
        }
        const int16_t weight = state.Weight(r, c);
        const int16_t flips = Flips(state, r, c);
        ASSERT_TRUE(weight < best.BestWeight ||
                    (weight == best.BestWeight && flips <= best.BestFlips))
            << "a better move at " << r << "," << c << " was passed over\n"
            << test::Diagram(state);
        if (weight == best.BestWeight && flips == best.BestFlips) {
            tied.push_back(move);
        }
    }
    if (best.BestWeight < 1) {
        ASSERT_TRUE(tied.empty()) << "the computer passed with a move\n" << test::Diagram(state);
        return;
    }
    ASSERT_GE(state.BestCount, 0);
    ASSERT_LE(state.BestCount, 9);
    ASSERT_EQ(static_cast<std::size_t>(state.BestCount) + 1,
              std::min<std::size_t>(tied.size(), 10));
    for (int i = 0; i <= state.BestCount; ++i) {
        EXPECT_EQ(Cell(state.BestRow(i), state.BestCol(i)), tied[static_cast<std::size_t>(i)]);
    }
}

TEST(RandomGames, EveryDecisionIsTheBestLegalMoveInTheWindow) {
    std::mt19937 rng(20261207);
    int decisions = 0;
    for (int game = 0; game < 400; ++game) {
        test::PlayRandomGame(rng, game % 2 == 0 ? Black : White, [&](const GameState& state) {
            ++decisions;
            CheckDecision(state);
        });
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(decisions, 400 * 20);
}

TEST(RandomGames, ClosedInAgreesWithTheLegalMovesAndEveryGameEnds) {
    std::mt19937 rng(7);
    for (int game = 0; game < 400; ++game) {
        const GameState end =
            test::PlayRandomGame(rng, game % 2 == 0 ? Black : White, [](const GameState& state) {
                ASSERT_EQ(IsHumanClosedIn(state), test::LegalMoves(state, state.HumanColor).empty())
                    << test::Diagram(state);
            });
        ASSERT_TRUE(IsHumanClosedIn(end)) << test::Diagram(end);
        const bool full = end.MoveCount == 60;
        EXPECT_TRUE(full || test::LegalMoves(end, end.CompColor).empty()) << test::Diagram(end);
        int pieces = 0;
        for (int r = 1; r <= 8; ++r) {
            for (int c = 1; c <= 8; ++c) {
                pieces += end.Board(r, c) != Empty;
            }
        }
        EXPECT_EQ(pieces, 4 + end.MoveCount);
    }
}

} // namespace
} // namespace tarvo
