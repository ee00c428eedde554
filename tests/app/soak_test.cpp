// Thousands of whole games with random legal and illegal human input.
#include "app/scripted_window.h"
#include "game/rules.h"
#include "support/board_diagram.h"

#include <gtest/gtest.h>
#include <random>

namespace tarvo {
namespace {

int Count(const GameState& s, int16_t code) {
    int n = 0;
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            n += s.Board(r, c) == code;
        }
    }
    return n;
}

TEST(Soak, TwoThousandGamesEndProperlyAndRecordTheHumansCount) {
    std::mt19937 rng(4242);
    int endings[3] = {};
    for (int game = 0; game < 2000; ++game) {
        test::ScriptedWindow w;
        w.policy = [&] {
            TurnController& c = w.controller;
            const auto legal = test::LegalMoves(w.state, w.state.HumanColor);
            const int pick = std::uniform_int_distribution<int>(0, 99)(rng);
            if (pick < 70 && !legal.empty()) {
                const auto [r, col] = legal[rng() % legal.size()];
                c.picV_MouseUp(30.0f * col + static_cast<float>(rng() % 30),
                               30.0f * r + static_cast<float>(rng() % 30));
            } else if (pick < 85) {
                c.picV_MouseUp(std::uniform_real_distribution<float>(-10, 300)(rng),
                               std::uniform_real_distribution<float>(-10, 290)(rng));
            } else {
                c.Form_KeyPress(static_cast<int16_t>('0' + rng() % 10));
            }
        };
        w.StartGame(static_cast<int16_t>(game % 2));

        ASSERT_FALSE(w.controller.running()) << "game " << game;
        ASSERT_EQ(w.scores.size(), 1u) << "game " << game;
        const std::string& result = w.log.at(w.log.size() - 3);
        const int human = Count(w.state, w.state.HumanColor);
        const int comp = Count(w.state, w.state.CompColor);
        EXPECT_EQ(w.scores[0], human);
        EXPECT_EQ(human + comp + Count(w.state, Empty), 64);
        EXPECT_EQ(human + comp, 4 + w.state.MoveCount);
        if (result.starts_with("result: All turns played.")) {
            ++endings[0];
            EXPECT_EQ(w.state.MoveCount, 60);
        } else if (result.starts_with("result: I'm closed in - game is over !") ||
                   result.starts_with("result: You're closed in - game is over !")) {
            ++endings[result[8] == 'I' ? 1 : 2];
            EXPECT_TRUE(IsHumanClosedIn(w.state));
            EXPECT_TRUE(test::LegalMoves(w.state, w.state.CompColor).empty());
        } else {
            ADD_FAILURE() << "game " << game << " ended with " << result;
        }
        const std::string verdict = human == comp  ? "Draw"
                                    : human > comp ? "Well done - you won !"
                                                   : "You lost this game !";
        EXPECT_TRUE(result.ends_with(verdict)) << result;
        if (HasFailure()) {
            return;
        }
    }
    EXPECT_GT(endings[0], 1000);
    EXPECT_GT(endings[1] + endings[2], 10);
}

} // namespace
} // namespace tarvo
