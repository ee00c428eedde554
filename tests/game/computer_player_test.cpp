#include "game/computer_player.h"
#include "game/rules.h"
#include "support/board_diagram.h"

#include <array>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace tarvo {
namespace {

using test::Board;
using test::Cell;

// Cells placed on the opening position (X the human, O the computer), the
// human's last move as row and column digits (18 lies on an edge and opens
// the edge rules, 44 does not, 01 is a border cell on an edge line), the
// cell looked at and its weight; the computer's last move is (4, 4).
struct WeightRow {
    const char* cells;
    int lastHuman;
    int cell;
    int16_t weight;
};

TEST(AdjustWeights, EachRuleWritesItsWeight) {
    const WeightRow rows[] = {
        // Corner guards run also behind a closed edge gate.
        {"O13", 44, 31, 1},
        {"O13", 44, 13, 1},
        {"X22 O31", 44, 13, 1},
        {"O31", 44, 31, 20},
        {"O68 X77", 44, 86, 1},
        {"O86", 44, 68, 20},
        {"X27 O38", 44, 16, 1},
        {"X72 O83", 44, 61, 1},
        // The edge gate, edge neighbours, corner neighbours.
        {"O14", 44, 15, 10},
        {"O14", 1, 15, 21},
        {"O14", 18, 15, 21},
        {"O48", 18, 58, 21},
        {"O48", 18, 38, 21},
        {"O14 X16", 18, 15, 2},
        {"O12", 18, 11, 30},
        {"O13", 18, 12, 1},
        {"X11 X13", 18, 12, 2},
        {"X41 X61", 18, 51, 2},
        // Runs closed along an edge.
        {"X14 X15 O16", 18, 13, 26},
        {"X14 X15 O16 X17", 18, 13, 2},
        {"O13 X14 X15", 18, 16, 26},
        {"X48 X58 O68", 18, 38, 26},
        {"X84 X85 O86", 18, 83, 26},
        {"O21 X84 X85 O86", 18, 83, 2}, // a computer piece before an empty cell ends the rule
        {"X83 X84 X85 X86 X87 O88", 18, 82, 26},
        // Owned and taken corners, cells behind own edge pieces.
        {"O11", 18, 16, 20},
        {"O11", 18, 21, 20},
        {"O11", 18, 22, 5},
        {"O18", 18, 17, 20},
        {"O18", 18, 68, 20},
        {"O81", 18, 82, 20},
        {"O81", 18, 71, 20},
        {"O88", 18, 38, 20},
        {"O88", 18, 87, 1},
        {"O88", 18, 78, 1},
        {"O88", 18, 28, 1},
        {"X88", 18, 77, 5},
        {"", 18, 77, 1},
        {"O14", 18, 24, 4},
        {"O58", 18, 57, 4},
        {"O28", 18, 27, 1},
        // Edge gaps.
        {"O41 X71", 18, 61, 26},
        {"O14 X17", 18, 16, 26},
        {"X21 O51", 18, 31, 26},
        {"X12 O15", 18, 13, 26},
        {"X82 O85", 18, 83, 26},
        {"X28 O58", 18, 38, 26},
        {"O84 X87", 18, 86, 26},
        {"O48 X78", 18, 68, 26},
    };
    for (const WeightRow& row : rows) {
        GameState state = Board(row.cells);
        state.HumanRow = static_cast<int16_t>(row.lastHuman / 10);
        state.HumanCol = static_cast<int16_t>(row.lastHuman % 10);
        state.CompRow = state.CompCol = 4;
        AdjustWeights(state);
        EXPECT_EQ(state.Weight(row.cell / 10, row.cell % 10), row.weight)
            << row.cells << " after " << row.lastHuman << ", at " << row.cell;
    }
}

std::vector<Cell> Candidates(const GameState& state) {
    std::vector<Cell> cells;
    for (int i = 0; i <= state.BestCount; ++i) {
        cells.emplace_back(state.BestRow(i), state.BestCol(i));
    }
    return cells;
}

// Random games seldom tie more than ten moves.
TEST(SelectBestMoves, TiesBeyondTheTenthAreLeftOut) {
    GameState state = Board("O11 O13 O15 O17 X21 X23 X25 X27 O41 O43 .44 O47 X51 X53 .54 X57 X72 "
                            "X74 X76 X78 O82 O84 O86 O88");
    state.Weight = {};
    SelectBestMoves(state);
    EXPECT_EQ(Candidates(state),
              (std::vector<Cell>{
                  {3, 1}, {3, 3}, {3, 5}, {3, 7}, {6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5}, {6, 6}}));
}

// The window of cells looked at, as "min row, min col - max row, max col",
// before and after a decision: a piece on a second or seventh line opens the
// way to that edge alone, also when the window reaches one far corner already.
TEST(SelectBestMoves, APieceNextToAnEdgeWidensTheWindowToThatEdge) {
    const std::tuple<const char*, std::array<int16_t, 4>, std::array<int16_t, 4>> rows[] = {
        {"X72", {2, 2, 7, 7}, {2, 1, 8, 7}},
        {"X74", {1, 1, 6, 6}, {1, 1, 8, 6}},
        {"X25", {3, 3, 8, 8}, {1, 3, 8, 8}},
    };
    for (const auto& [cells, before, after] : rows) {
        GameState state = Board(cells);
        std::tie(state.MinRow, state.MinCol, state.MaxRow, state.MaxCol) =
            std::tuple(before[0], before[1], before[2], before[3]);
        SelectBestMoves(state);
        EXPECT_EQ((std::array{state.MinRow, state.MinCol, state.MaxRow, state.MaxCol}), after)
            << cells;
    }
}

// Every decision in random games against the legal moves found independently.
TEST(SelectBestMoves, RandomGamesAlwaysListTheBestLegalMovesOfTheWindow) {
    std::mt19937 rng(20261207);
    for (int game = 0; game < 300; ++game) {
        test::PlayRandomGame(
            rng, game % 2 == 0 ? Black : White, [&](const GameState& position, int16_t mover) {
                if (mover != position.CompColor) {
                    return;
                }
                GameState state = position;
                AdjustWeights(state);
                const BestMove best = SelectBestMoves(state);
                std::vector<Cell> tied;
                for (const auto& [r, c] : test::LegalMoves(state, state.CompColor)) {
                    if (r < state.MinRow || r > state.MaxRow || c < state.MinCol ||
                        c > state.MaxCol) {
                        continue;
                    }
                    GameState copy = state;
                    const auto key =
                        std::make_pair(state.Weight(r, c), FlipPieces(copy, r, c, state.CompColor));
                    ASSERT_LE(key, std::make_pair(best.BestWeight, best.BestFlips)) << r << c;
                    if (key == std::make_pair(best.BestWeight, best.BestFlips)) {
                        tied.emplace_back(r, c);
                    }
                }
                if (best.BestWeight < 1) {
                    ASSERT_TRUE(tied.empty()) << "the computer passed with a move";
                    return;
                }
                tied.resize(std::min<std::size_t>(tied.size(), 10));
                ASSERT_EQ(Candidates(state), tied) << test::Diagram(state);
            });
    }
}

} // namespace
} // namespace tarvo
