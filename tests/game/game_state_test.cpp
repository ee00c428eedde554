#include "game/game_state.h"
#include "game/runtime_error.h"
#include "support/board_diagram.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

constexpr int16_t kOpeningWeights[8][8] = {
    {30, 1, 20, 10, 10, 20, 1, 30}, {1, 1, 3, 3, 3, 3, 1, 1},       {20, 3, 5, 5, 5, 5, 3, 20},
    {10, 3, 5, 0, 0, 5, 3, 10},     {10, 3, 5, 0, 0, 5, 3, 10},     {20, 3, 5, 5, 5, 5, 3, 20},
    {1, 1, 3, 3, 3, 3, 1, 1},       {30, 1, 20, 10, 10, 20, 1, 30},
};

TEST(GameState, EveryFieldStartsAtZero) {
    const GameState state;
    for (int i = 0; i <= 9; ++i) {
        for (int j = 0; j <= 9; ++j) {
            EXPECT_EQ(state.Board(i, j), 0);
            EXPECT_EQ(state.Weight(i, j), 0);
        }
    }
    EXPECT_EQ(state.BestCount, 0);
    EXPECT_EQ(state.MinRow + state.MinCol + state.MaxRow + state.MaxCol, 0);
    EXPECT_FALSE(state.AwaitingInput);
    EXPECT_FALSE(state.StopFlag);
    EXPECT_EQ(state.MoveCount, 0);
}

TEST(InitBoard, SetsTheOpeningPosition) {
    GameState state;
    InitBoard(state);
    EXPECT_EQ(test::Diagram(state), "........\n"
                                    "........\n"
                                    "........\n"
                                    "...XO...\n"
                                    "...OX...\n"
                                    "........\n"
                                    "........\n"
                                    "........\n");
    for (int i = 0; i <= 9; ++i) {
        for (const auto& [r, c] : {std::pair{i, 0}, {0, i}, {9, i}, {i, 9}}) {
            EXPECT_EQ(state.Board(r, c), Empty) << r << "," << c;
        }
    }
    EXPECT_EQ(state.MoveCount, 0);
    EXPECT_EQ(state.MinRow, 2);
    EXPECT_EQ(state.MinCol, 2);
    EXPECT_EQ(state.MaxRow, 7);
    EXPECT_EQ(state.MaxCol, 7);
}

TEST(InitBoard, ReadsTheWeightTableAndLeavesTheBorderAlone) {
    GameState state;
    InitBoard(state);
    for (int i = 1; i <= 8; ++i) {
        for (int j = 1; j <= 8; ++j) {
            EXPECT_EQ(state.Weight(i, j), kOpeningWeights[i - 1][j - 1]) << i << "," << j;
            EXPECT_EQ(state.Weight(i, j), state.Weight(j, i));
        }
    }
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(state.Weight(0, i), 0);
        EXPECT_EQ(state.Weight(9, i), 0);
        EXPECT_EQ(state.Weight(i, 0), 0);
        EXPECT_EQ(state.Weight(i, 9), 0);
    }
}

TEST(InitBoard, SetsTheEightDirections) {
    GameState state;
    InitBoard(state);
    const int rows[9] = {0, 0, 1, 1, 1, 0, -1, -1, -1};
    const int cols[9] = {0, 1, 1, 0, -1, -1, -1, 0, 1};
    for (int d = 0; d <= 8; ++d) {
        EXPECT_EQ(state.DirRow(d), rows[d]) << d;
        EXPECT_EQ(state.DirCol(d), cols[d]) << d;
    }
}

TEST(InitBoard, RestoresWhatAGameChangedAndKeepsTheRest) {
    GameState state = test::OpeningState(White);
    state.Weight(1, 2) = 26;
    state.Weight(4, 4) = 9;
    state.MinRow = 1;
    state.MaxCol = 8;
    state.MoveCount = 37;
    state.Board(1, 1) = Black;
    state.BestCount = 4;
    state.BestRow(4) = 6;
    state.HumanRow = 1;
    state.HumanCol = 7;
    state.CompRow = 8;
    state.CompCol = 3;
    state.StopFlag = true;
    state.AwaitingInput = true;
    state.CellSize = 30;

    InitBoard(state);

    EXPECT_EQ(state.Weight(1, 2), 1);
    EXPECT_EQ(state.Weight(4, 4), 0);
    EXPECT_EQ(state.Board(1, 1), Empty);
    EXPECT_EQ(state.MinRow, 2);
    EXPECT_EQ(state.MaxCol, 7);
    EXPECT_EQ(state.MoveCount, 0);
    EXPECT_EQ(state.BestCount, 4);
    EXPECT_EQ(state.BestRow(4), 6);
    EXPECT_EQ(state.HumanRow, 1);
    EXPECT_EQ(state.HumanCol, 7);
    EXPECT_EQ(state.CompRow, 8);
    EXPECT_EQ(state.CompCol, 3);
    EXPECT_EQ(state.HumanColor, White);
    EXPECT_EQ(state.CompColor, Black);
    EXPECT_TRUE(state.StopFlag);
    EXPECT_TRUE(state.AwaitingInput);
    EXPECT_EQ(state.CellSize, 30);
}

TEST(CheckedArrays, ASubscriptOutsideTheBoundsRaisesError9) {
    GameState state;
    const auto expectError9 = [](auto access) {
        try {
            access();
            ADD_FAILURE() << "no error raised";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), 9);
            EXPECT_EQ(e.message(), "9: Subscript out of range");
        }
    };
    expectError9([&] { return state.Board(10, 0); });
    expectError9([&] { return state.Board(0, -1); });
    expectError9([&] { return state.Weight(-1, 5); });
    expectError9([&] { return state.DirRow(9); });
    expectError9([&] { return state.DirCol(-1); });
    expectError9([&] { return state.BestRow(10); });
    expectError9([&] { state.BestCol(10) = 1; });
    EXPECT_NO_THROW(state.Board(9, 9) = Empty);
    EXPECT_NO_THROW(state.BestRow(9) = 1);
    EXPECT_NO_THROW(state.DirRow(8) = 1);
}

TEST(CheckedInt16, OverflowRaisesError6) {
    EXPECT_EQ(CheckedInt16(32767), 32767);
    EXPECT_EQ(CheckedInt16(-32768), -32768);
    for (const long long value : {32768LL, -32769LL, 40000LL}) {
        try {
            CheckedInt16(value);
            ADD_FAILURE() << value << " did not overflow";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.message(), "6: Overflow");
        }
    }
}

} // namespace
} // namespace tarvo
