#include "game/rules.h"
#include "support/board_diagram.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::Diagram;
using test::OpeningState;
using test::SetBoard;

TEST(CellTests, OutsideAndEdge) {
    struct Row {
        int row, col;
        bool outside, edge;
    };
    const Row rows[] = {
        {0, 5, true, false},  {9, 5, true, false}, {5, 0, true, false},   {5, 9, true, false},
        {-1, 3, true, false}, {0, 1, true, true},  {9, 8, true, true},    {1, 8, false, true},
        {1, 5, false, true},  {8, 8, false, true}, {5, 1, false, true},   {2, 7, false, false},
        {4, 4, false, false}, {0, 0, true, false}, {10, 10, true, false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(IsOutside(r.row, r.col), r.outside) << r.row << "," << r.col;
        EXPECT_EQ(IsEdgeCell(r.row, r.col), r.edge) << r.row << "," << r.col;
    }
}

struct FlipCase {
    const char* name;
    const char* before;
    int row, col;
    int16_t colour;
    int16_t flips;
    const char* after;
};

void PrintTo(const FlipCase& c, std::ostream* os) {
    *os << c.name;
}

class FlipPiecesTest : public testing::TestWithParam<FlipCase> {};

TEST_P(FlipPiecesTest, TurnsTheFlankedRunsAndLeavesThePlayedCellEmpty) {
    const FlipCase& c = GetParam();
    GameState state = OpeningState();
    SetBoard(state, c.before);
    EXPECT_EQ(FlipPieces(state, c.row, c.col, c.colour), c.flips);
    GameState expected = OpeningState();
    SetBoard(expected, c.after);
    EXPECT_EQ(Diagram(state), Diagram(expected));
    EXPECT_EQ(state.Board(c.row, c.col), Empty);
}

INSTANTIATE_TEST_SUITE_P(
    Diagrams, FlipPiecesTest,
    testing::Values(
        FlipCase{"OpeningBlackAbove",
                 "........ ........ ........ ...XO... ...OX... ........ ........ ........", 3, 5,
                 Black, 1,
                 "........ ........ ........ ...XX... ...OX... ........ ........ ........"},
        FlipCase{"OpeningWhiteAbove",
                 "........ ........ ........ ...XO... ...OX... ........ ........ ........", 3, 4,
                 White, 1,
                 "........ ........ ........ ...OO... ...OX... ........ ........ ........"},
        FlipCase{"EightDirectionsAtOnce",
                 "X..X..X. .O.O.O.. ..OOO... XOO.OOOX ..OOO... .O.O.O.. X..X..X. ........", 4, 4,
                 Black, 17,
                 "X..X..X. .X.X.X.. ..XXX... XXX.XXXX ..XXX... .X.X.X.. X..X..X. ........"},
        FlipCase{"RunToTheBorderTurnsNothing",
                 "........ ........ ........ ....OOOO ........ ........ ........ ........", 4, 4,
                 Black, 0,
                 "........ ........ ........ ....OOOO ........ ........ ........ ........"},
        FlipCase{"RunEndingOnEmptyTurnsNothing",
                 "........ ........ ........ ..X.OOO. ........ ........ ........ ........", 4, 4,
                 Black, 0,
                 "........ ........ ........ ..X.OOO. ........ ........ ........ ........"},
        FlipCase{"OwnPiecesOnlyTurnNothing",
                 "........ ........ ........ ...XX... ...XX... ........ ........ ........", 3, 4,
                 Black, 0,
                 "........ ........ ........ ...XX... ...XX... ........ ........ ........"},
        FlipCase{"OnlyTheClosedRunsOfSeveral",
                 "........ ........ ...O.... ..X..... ..XXXO.. ..X..... ...X.... ........", 5, 2,
                 White, 4,
                 "........ ........ ...O.... ..O..... ..OOOO.. ..X..... ...X.... ........"},
        FlipCase{"LongestRunAlongTheEdge",
                 "XOOOOOO. ........ ........ ........ ........ ........ ........ ........", 1, 8,
                 Black, 6,
                 "XXXXXXX. ........ ........ ........ ........ ........ ........ ........"},
        FlipCase{"CornerDiagonal",
                 "........ .O...... ..O..... ...O.... ....O... .....O.. ......O. .......X", 1, 1,
                 Black, 6,
                 "........ .X...... ..X..... ...X.... ....X... .....X.. ......X. .......X"}),
    [](const testing::TestParamInfo<FlipCase>& info) { return info.param.name; });

TEST(FlipPieces, AnOccupiedPlayedCellNeverTurnsPiecesBeyondIt) {
    GameState state = OpeningState();
    SetBoard(state, "........ ........ ........ OXOOX... ........ ........ ........ ........");
    // (4, 2) already holds Black: the run to its right is turned, the White
    // piece beyond it on the left stays.
    EXPECT_EQ(FlipPieces(state, 4, 2, Black), 2);
    EXPECT_EQ(Diagram(state).substr(27, 9), "OXXXX...\n");
}

TEST(IsHumanClosedIn, Positions) {
    struct Row {
        const char* name;
        int16_t human;
        const char* board;
        bool closedIn;
    };
    const Row rows[] = {
        {"opening, human Black", Black,
         "........ ........ ........ ...XO... ...OX... ........ ........ ........", false},
        {"opening, human White", White,
         "........ ........ ........ ...XO... ...OX... ........ ........ ........", false},
        {"full board", Black,
         "XXXXXXXX OOOOOOOO XXXXXXXX OOOOOOOO XXXXXXXX OOOOOOOO XXXXXXXX OOOOOOOO", true},
        {"only own pieces", White,
         "........ ........ ........ ...OO... ...OO... ........ ........ ........", true},
        {"a row closed only at its far end", Black,
         "........ ........ ........ ........ OOOOOOOX ........ ........ ........", true},
        {"one move along the edge", Black,
         "XOOOOOO. ........ ........ ........ ........ ........ ........ ........", false},
        {"one move on a diagonal", White,
         "O....... .X...... ..X..... ........ ........ ........ ........ ........", false},
        {"opponent without own piece behind", Black,
         "........ ........ ...OOO.. ...OOO.. ...OOO.. ........ ........ ........", true},
    };
    for (const Row& r : rows) {
        GameState state = OpeningState(r.human);
        SetBoard(state, r.board);
        EXPECT_EQ(IsHumanClosedIn(state), r.closedIn) << r.name;
    }
}

// Counts the move sequences of the given length from the position, using
// FlipPieces on copies. No side has to pass within six moves of the opening.
long long Perft(const GameState& state, int16_t mover, int depth) {
    if (depth == 0) {
        return 1;
    }
    long long total = 0;
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            if (state.Board(r, c) != Empty) {
                continue;
            }
            GameState next = state;
            if (FlipPieces(next, r, c, mover) == 0) {
                continue;
            }
            next.Board(r, c) = mover;
            total += Perft(next, OpponentOf(mover), depth - 1);
        }
    }
    return total;
}

TEST(FlipPieces, PerftFromTheOpening) {
    const GameState state = OpeningState();
    const long long expected[] = {4, 12, 56, 244, 1396, 8200};
    for (int depth = 1; depth <= 6; ++depth) {
        EXPECT_EQ(Perft(state, Black, depth), expected[depth - 1]) << "depth " << depth;
    }
}

} // namespace
} // namespace tarvo
