#include "game/computer_player.h"
#include "game/rules.h"
#include "support/board_diagram.h"

#include <gtest/gtest.h>
#include <vector>

namespace tarvo {
namespace {

using test::Cell;
using test::OpeningState;
using test::SetBoard;

// The human plays Black (X), the computer White (O).
GameState Position(const char* board, Cell lastHuman = {4, 4}, Cell lastComp = {5, 4}) {
    GameState state = OpeningState(Black);
    SetBoard(state, board);
    state.HumanRow = static_cast<int16_t>(lastHuman.first);
    state.HumanCol = static_cast<int16_t>(lastHuman.second);
    state.CompRow = static_cast<int16_t>(lastComp.first);
    state.CompCol = static_cast<int16_t>(lastComp.second);
    return state;
}

// Last moves that open the edge gate.
constexpr Cell kOnEdge{1, 8};
constexpr Cell kInside{4, 4};

GameState Adjusted(const char* board, Cell lastHuman = kOnEdge, Cell lastComp = kInside) {
    GameState state = Position(board, lastHuman, lastComp);
    AdjustWeights(state);
    return state;
}

struct WeightRow {
    const char* rule;
    const char* board;
    Cell lastHuman;
    Cell cell;
    int16_t weight;
};

void PrintTo(const WeightRow& row, std::ostream* os) {
    *os << row.rule;
}

class AdjustWeightsTest : public testing::TestWithParam<WeightRow> {};

TEST_P(AdjustWeightsTest, WritesTheRuleWeight) {
    const WeightRow& row = GetParam();
    const GameState state = Adjusted(row.board, row.lastHuman);
    EXPECT_EQ(state.Weight(row.cell.first, row.cell.second), row.weight)
        << row.rule << " at " << row.cell.first << "," << row.cell.second;
}

// Boards: X human, O computer.
INSTANTIATE_TEST_SUITE_P(
    Rules, AdjustWeightsTest,
    testing::Values(
        // Corner guards run on every call, also behind a closed edge gate.
        WeightRow{"guard (1,1) by (1,3) alone",
                  "..O..... ........ ........ ...XO... ...OX... ........ ........ ........",
                  kInside,
                  {3, 1},
                  1},
        WeightRow{"guard (1,1) by (1,3) alone, its other cell",
                  "..O..... ........ ........ ...XO... ...OX... ........ ........ ........",
                  kInside,
                  {1, 3},
                  1},
        WeightRow{"guard (1,1) by (3,1) with human (2,2)",
                  "........ .X...... O....... ...XO... ...OX... ........ ........ ........",
                  kInside,
                  {1, 3},
                  1},
        WeightRow{"no guard (1,1) by (3,1) alone",
                  "........ ........ O....... ...XO... ...OX... ........ ........ ........",
                  kInside,
                  {3, 1},
                  20},
        WeightRow{"guard (8,8) by (6,8) with human (7,7)",
                  "........ ........ ........ ...XO... ...OX... .......O ......X. ........",
                  kInside,
                  {8, 6},
                  1},
        WeightRow{"no guard (8,8) by (8,6) alone",
                  "........ ........ ........ ...XO... ...OX... ........ ........ .....O..",
                  kInside,
                  {6, 8},
                  20},
        WeightRow{"guard (1,8) by (3,8) with human (2,7)",
                  "........ ......X. .......O ...XO... ...OX... ........ ........ ........",
                  kInside,
                  {1, 6},
                  1},
        WeightRow{"guard (8,1) by (8,3) with human (7,2)",
                  "........ ........ ........ ...XO... ...OX... ........ .X...... ..O.....",
                  kInside,
                  {6, 1},
                  1},
        // The edge gate: nothing after step 1 runs while no last move is on an edge.
        WeightRow{"gate closed",
                  "...O.... ........ ........ ...XO... ...OX... ........ ........ ........",
                  kInside,
                  {1, 5},
                  10},
        WeightRow{"gate open by the human's move (0, 1)",
                  "...O.... ........ ........ ...XO... ...OX... ........ ........ ........",
                  {0, 1},
                  {1, 5},
                  21},
        // Edge neighbours.
        WeightRow{"next to a computer edge piece",
                  "...O.... ........ ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {1, 5},
                  21},
        WeightRow{"next to a computer piece on column 8",
                  "........ ........ ........ ...XO..O ...OX... ........ ........ ........",
                  kOnEdge,
                  {5, 8},
                  21},
        WeightRow{"between computer and human ends at 2",
                  "...O.X.. ........ ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {1, 5},
                  2},
        WeightRow{"corner touched by step 3 is restored",
                  ".O...... ........ ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {1, 1},
                  30},
        // Corner neighbours override step 3; step 5 overrides step 4.
        WeightRow{"corner neighbour back to 1",
                  "..O..... ........ ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {1, 2},
                  1},
        WeightRow{"corner neighbour between two human pieces",
                  "X.X..... ........ ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {1, 2},
                  2},
        WeightRow{"between two human pieces on column 1",
                  "........ ........ ........ X..XO... ...OX... X....... ........ ........",
                  kOnEdge,
                  {5, 1},
                  2},
        // Run-closing rules.
        WeightRow{"backward along row 1",
                  "...XXO.. ........ ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {1, 3},
                  26},
        WeightRow{"backward along row 1, human behind and empty beyond",
                  "...XXOX. ........ ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {1, 3},
                  2},
        WeightRow{"forward along row 1",
                  "..OXX... ........ ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {1, 6},
                  26},
        WeightRow{"backward along column 8",
                  "........ ........ ........ ...XO..X ...OX..X .......O ........ ........",
                  kOnEdge,
                  {3, 8},
                  26},
        WeightRow{"backward along row 8",
                  "........ ........ ........ ...XO... ...OX... ........ ........ ...XXO..",
                  kOnEdge,
                  {8, 3},
                  26},
        WeightRow{"a computer piece on column 1 before an empty cell ends the rules",
                  "........ O....... ........ ...XO... ...OX... ........ ........ ...XXO..",
                  kOnEdge,
                  {8, 3},
                  2},
        // Owned corners.
        WeightRow{"own (1,1): row 1",
                  "O....... ........ ........ ...XO... ...OX... ........ "
                  "........ ........",
                  kOnEdge,
                  {1, 6},
                  20},
        WeightRow{"own (1,1): column 1",
                  "O....... ........ ........ ...XO... ...OX... ........ "
                  "........ ........",
                  kOnEdge,
                  {2, 1},
                  20},
        WeightRow{"own (1,1): its diagonal",
                  "O....... ........ ........ ...XO... ...OX... "
                  "........ ........ ........",
                  kOnEdge,
                  {2, 2},
                  5},
        WeightRow{"own (1,8): row 1 up to its neighbour",
                  ".......O ........ ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {1, 7},
                  20},
        WeightRow{"own (1,8): column 8",
                  ".......O ........ ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {6, 8},
                  20},
        WeightRow{"own (8,1): row 8",
                  "........ ........ ........ ...XO... ...OX... ........ ........ O.......",
                  kOnEdge,
                  {8, 2},
                  20},
        WeightRow{"own (8,1): column 1 from its neighbour",
                  "........ ........ ........ ...XO... ...OX... ........ ........ O.......",
                  kOnEdge,
                  {7, 1},
                  20},
        WeightRow{"own (8,8): from the third cell",
                  "........ ........ ........ ...XO... ...OX... ........ ........ .......O",
                  kOnEdge,
                  {3, 8},
                  20},
        WeightRow{"own (8,8): its neighbours keep 1",
                  "........ ........ ........ ...XO... ...OX... ........ ........ .......O",
                  kOnEdge,
                  {8, 7},
                  1},
        WeightRow{"own (8,8): its other neighbour keeps 1",
                  "........ ........ ........ ...XO... ...OX... ........ ........ .......O",
                  kOnEdge,
                  {7, 8},
                  1},
        // Taken corners, either colour.
        WeightRow{"human corner",
                  "........ ........ ........ ...XO... ...OX... ........ "
                  "........ .......X",
                  kOnEdge,
                  {7, 7},
                  5},
        WeightRow{"empty corner",
                  "........ ........ ........ ...XO... ...OX... ........ "
                  "........ ........",
                  kOnEdge,
                  {7, 7},
                  1},
        // Behind own edge pieces, k = 3..6 only.
        WeightRow{"behind (1,4)",
                  "...O.... ........ ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {2, 4},
                  4},
        WeightRow{"behind (5,8)",
                  "........ ........ ........ ...XO... ...OX..O ........ ........ ........",
                  kOnEdge,
                  {5, 7},
                  4},
        WeightRow{"not behind (2,8)",
                  "........ .......O ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {2, 7},
                  1},
        // Edge gaps, all eight.
        WeightRow{"gap column 1 low",
                  "........ ........ ........ O..XO... ...OX... ........ X....... ........",
                  kOnEdge,
                  {6, 1},
                  26},
        WeightRow{"gap row 1 right",
                  "...O..X. ........ ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {1, 6},
                  26},
        WeightRow{"gap column 1 high",
                  "........ X....... ........ ...XO... O..OX... ........ ........ ........",
                  kOnEdge,
                  {3, 1},
                  26},
        WeightRow{"gap row 1 left",
                  ".X..O... ........ ........ ...XO... ...OX... ........ ........ ........",
                  kOnEdge,
                  {1, 3},
                  26},
        WeightRow{"gap row 8 left",
                  "........ ........ ........ ...XO... ...OX... ........ ........ .X..O...",
                  kOnEdge,
                  {8, 3},
                  26},
        WeightRow{"gap column 8 high",
                  "........ .......X ........ ...XO... ...OX..O ........ ........ ........",
                  kOnEdge,
                  {3, 8},
                  26},
        WeightRow{"gap row 8 right",
                  "........ ........ ........ ...XO... ...OX... ........ ........ ...O..X.",
                  kOnEdge,
                  {8, 6},
                  26},
        WeightRow{"gap column 8 low",
                  "........ ........ ........ ...XO..O ...OX... ........ .......X ........",
                  kOnEdge,
                  {6, 8},
                  26}));

TEST(AdjustWeights, ClosedGateChangesOnlyTheCornerGuards) {
    const char* board = "..O.O... ........ ........ ...XO... ...OX... ........ ........ .......O";
    GameState before = Position(board);
    const GameState after = Adjusted(board, kInside, kInside);
    before.Weight(3, 1) = 1;
    before.Weight(1, 3) = 1;
    EXPECT_EQ(after.Weight, before.Weight);
}

TEST(AdjustWeights, OwnedCornerCellsAreChangedOnlyByTheEdgeGaps) {
    // The computer holds (1, 1); the human's (1, 7) and the computer's (1, 4)
    // form the gap pattern that gives (1, 6) 26 after the corner gave it 20.
    const GameState state =
        Adjusted("O..O..X. ........ ........ ...XO... ...OX... ........ ........ ........");
    EXPECT_EQ(state.Weight(1, 6), 26);
    EXPECT_EQ(state.Weight(1, 5), 20);
    EXPECT_EQ(state.Weight(1, 2), 20);
    EXPECT_EQ(state.Weight(2, 1), 20);
    EXPECT_EQ(state.Weight(6, 1), 20);
    EXPECT_EQ(state.Weight(2, 2), 5);
}

TEST(AdjustWeights, WeightsStayUntilALaterRuleChangesThem) {
    GameState state = Position(
        "...O.... ........ ........ ...XO... ...OX... ........ ........ ........", kOnEdge);
    AdjustWeights(state);
    ASSERT_EQ(state.Weight(1, 5), 21);
    state.Board(1, 4) = Empty;
    state.HumanRow = 4;
    state.HumanCol = 4;
    AdjustWeights(state);
    EXPECT_EQ(state.Weight(1, 5), 21);
}

std::vector<Cell> Candidates(const GameState& state) {
    std::vector<Cell> cells;
    for (int i = 0; i <= state.BestCount; ++i) {
        cells.emplace_back(state.BestRow(i), state.BestCol(i));
    }
    return cells;
}

TEST(SelectBestMoves, ComputerAsBlackOnTheOpening) {
    GameState state = OpeningState(White);
    int yields = 0;
    const BestMove best = SelectBestMoves(state, [&] { ++yields; });
    EXPECT_EQ(best.BestWeight, 5);
    EXPECT_EQ(best.BestFlips, 1);
    EXPECT_EQ(Candidates(state), (std::vector<Cell>{{3, 5}, {4, 6}, {5, 3}, {6, 4}}));
    EXPECT_EQ(yields, 36); // once for every cell of the 6 x 6 window
}

TEST(SelectBestMoves, Choices) {
    struct Row {
        const char* name;
        const char* board;
        std::vector<std::pair<Cell, int16_t>>
            weights; // over a table of 3s; none: the opening table
        std::vector<Cell> candidates;
        int16_t weight, flips;
    };
    // Human X, computer O; the window is the whole board.
    const std::vector<Row> rows = {
        {"a corner beats more flips",
         ".XO..... ........ ........ OXXXXX.. ........ ........ ........ ........",
         {},
         {{1, 1}},
         30,
         1},
        {"equal weight, more flips wins",
         "........ ........ ........ OXX..... ........ OX...... ........ ........",
         {{{0, 0}, 0}},
         {{4, 4}},
         3,
         2},
        {"higher weight beats more flips",
         "........ ........ ........ OXX..... ........ OX...... ........ ........",
         {{{6, 3}, 4}},
         {{6, 3}},
         4,
         1},
        {"equal weight and flips are all kept in scan order",
         "........ ........ ........ OX...... ........ OX...... ........ ........",
         {{{0, 0}, 0}},
         {{4, 3}, {6, 3}},
         3,
         1},
        {"the highest weight that turns nothing is never a candidate",
         "........ ........ ........ OX...... ........ ........ ........ ........",
         {{{2, 2}, 9}},
         {{4, 3}},
         3,
         1},
    };
    for (const Row& row : rows) {
        GameState state = OpeningState(Black);
        SetBoard(state, row.board);
        if (!row.weights.empty()) {
            for (int r = 1; r <= 8; ++r) {
                for (int c = 1; c <= 8; ++c) {
                    state.Weight(r, c) = 3;
                }
            }
            for (const auto& [cell, weight] : row.weights) {
                state.Weight(cell.first, cell.second) = weight;
            }
        }
        state.MinRow = state.MinCol = 1;
        state.MaxRow = state.MaxCol = 8;
        const BestMove best = SelectBestMoves(state);
        EXPECT_EQ(Candidates(state), row.candidates) << row.name;
        EXPECT_EQ(best.BestWeight, row.weight) << row.name;
        EXPECT_EQ(best.BestFlips, row.flips) << row.name;
    }
}

TEST(SelectBestMoves, NoMoveLeavesTheCandidatesOfThePreviousSearch) {
    GameState state = OpeningState(Black);
    SetBoard(state, "........ ........ ........ ...XX... ...XX... ........ ........ ........");
    state.BestCount = 2;
    state.BestRow(2) = 7;
    state.BestCol(2) = 3;
    const BestMove best = SelectBestMoves(state);
    EXPECT_EQ(best.BestWeight, 0);
    EXPECT_EQ(best.BestFlips, 0);
    EXPECT_EQ(state.BestCount, 2);
    EXPECT_EQ(state.BestRow(2), 7);
    EXPECT_EQ(state.BestCol(2), 3);
}

TEST(SelectBestMoves, WidensTheWindowOnlyForPiecesOnTheSecondAndSeventhLines) {
    struct Row {
        const char* board;
        int16_t minRow, minCol, maxRow, maxCol;
    };
    const Row rows[] = {
        {"........ ....X... ........ ...XO... ...OX... ........ ........ ........", 1, 2, 7, 7},
        {"....X... ........ ........ ...XO... ...OX... ........ ........ ........", 2, 2, 7, 7},
        {"........ ........ ........ ...XO... ...OX... ......O. ........ ........", 2, 2, 7, 8},
        {"........ ........ ........ ...XO... ...OX... ........ ..X..... ........", 2, 2, 8, 7},
        {"........ ........ ........ .O.XO... ...OX... ........ ........ ........", 2, 1, 7, 7},
        {"........ .X...... ........ ...XO... ...OX... ........ ........ ........", 1, 1, 7, 7},
    };
    for (const Row& row : rows) {
        GameState state = OpeningState(Black);
        SetBoard(state, row.board);
        SelectBestMoves(state);
        EXPECT_EQ(state.MinRow, row.minRow) << row.board;
        EXPECT_EQ(state.MinCol, row.minCol) << row.board;
        EXPECT_EQ(state.MaxRow, row.maxRow) << row.board;
        EXPECT_EQ(state.MaxCol, row.maxCol) << row.board;
    }
}

TEST(SelectBestMoves, MoreThanTenTiesKeepTheFirstTenFound) {
    GameState state = OpeningState(Black);
    // Twelve moves for O that each turn over one X.
    SetBoard(state, "O.O.O.O. "
                    "X.X.X.X. "
                    "........ "
                    "O.O.O.O. "
                    "X.X.X.X. "
                    "........ "
                    ".X.X.X.X "
                    ".O.O.O.O");
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            state.Weight(r, c) = 7;
        }
    }
    state.MinRow = state.MinCol = 1;
    state.MaxRow = state.MaxCol = 8;
    ASSERT_EQ(test::LegalMoves(state, White).size(), 12u);

    const BestMove best = SelectBestMoves(state);

    EXPECT_EQ(best.BestWeight, 7);
    EXPECT_EQ(best.BestFlips, 1);
    EXPECT_EQ(Candidates(state),
              (std::vector<Cell>{
                  {3, 1}, {3, 3}, {3, 5}, {3, 7}, {6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5}, {6, 6}}));
}

} // namespace
} // namespace tarvo
