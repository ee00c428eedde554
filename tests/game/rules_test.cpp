#include "game/computer_player.h"
#include "game/rules.h"
#include "support/board_diagram.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::Board;
using test::Diagram;

TEST(FlipPieces, TurnsOnlyClosedRunsAndLeavesThePlayedCell) {
    struct Row {
        const char* before;
        int row, col;
        int16_t colour, flips;
        const char* after;
    };
    const Row rows[] = {
        {"", 3, 5, Black, 1, "X45"},
        {"X11 O12 O13 O14 O15 O16 O17", 1, 8, Black, 6, "X12 X13 X14 X15 X16 X17"},
        {"O22 O33 O44 O55 O66 O77 X88", 1, 1, Black, 6, "X22 X33 X44 X55 X66 X77"},
        {"X42 O43 .44 .45 O46 O47", 4, 5, Black, 0, ""},    // a run that ends on an empty cell
        {"O45 O46 O47 O48", 4, 4, Black, 0, ""},            // a run that ends on the border
        {"O41 X42 O43 O44 X45", 4, 2, Black, 2, "X43 X44"}, // played cell already taken
        {"X11 X14 X17 O22 O24 O26 O33 O34 O35 X41 O42 O43 .44 O46 O47 X48 O53 O55 O62 O64 O66 "
         "X71 X74 X77",
         4, 4, Black, 17, "X22 X24 X26 X33 X34 X35 X42 X43 X45 X46 X47 X53 X54 X55 X62 X64 X66"},
    };
    for (const Row& row : rows) {
        GameState state = Board(row.before);
        const int16_t played = state.Board(row.row, row.col);
        EXPECT_EQ(FlipPieces(state, row.row, row.col, row.colour), row.flips) << row.before;
        const GameState expected = Board(std::string(row.before) + " " + row.after);
        EXPECT_EQ(Diagram(state), Diagram(expected)) << row.before;
        EXPECT_EQ(state.Board(row.row, row.col), played);
    }
}

TEST(IsHumanClosedIn, Positions) {
    const std::tuple<const char*, int16_t, bool> rows[] = {
        {"", Black, false},
        {"", White, false},
        {"O44 O55", White, true},                                         // only own pieces
        {".44 .45 .54 .55 O51 O52 O53 O54 O55 O56 O57 X58", Black, true}, // closed at the far end
        {"X11 O12 O13 O14 O15 O16 O17 .44 .45 .54 .55", Black, false},
        {".44 .45 .54 .55 O33 O34 O35 O43 O44 O45 O53 O54 O55", Black, true},
    };
    for (const auto& [cells, human, closedIn] : rows) {
        GameState state = Board(cells);
        state.HumanColor = human;
        state.CompColor = OpponentOf(human);
        EXPECT_EQ(IsHumanClosedIn(state), closedIn) << cells << " human " << human;
    }
}

TEST(InitBoard, RestoresTheOpeningItsWeightsAndItsWindow) {
    GameState state = Board("X11 O22");
    state.Weight(4, 4) = 9;
    state.MinRow = 1;
    state.MoveCount = 37;
    InitBoard(state);
    const char* weights = "30 01 20 10 10 20 01 30|01 01 03 03 03 03 01 01|"
                          "20 03 05 05 05 05 03 20|10 03 05 00 00 05 03 10|";
    for (int i = 1; i <= 8; ++i) {
        for (int j = 1; j <= 8; ++j) {
            const int row = i <= 4 ? i : 9 - i;
            const char* field = weights + (row - 1) * 24 + (j - 1) * 3;
            EXPECT_EQ(state.Weight(i, j), (field[0] - '0') * 10 + field[1] - '0') << i << j;
        }
    }
    EXPECT_EQ(Diagram(state), Diagram(Board("")));
    EXPECT_EQ(std::tie(state.MinRow, state.MinCol, state.MaxRow, state.MaxCol, state.MoveCount),
              std::make_tuple(2, 2, 7, 7, 0));
}

} // namespace
} // namespace tarvo
