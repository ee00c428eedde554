#include "app/scripted_window.h"
#include "support/board_diagram.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvo {
namespace {

using test::At;
using test::ScriptedWindow;
using Log = std::vector<std::string>;

// The log from the first entry equal to `from` on (everything when empty).
Log From(const Log& log, const std::string& from = {}) {
    const auto start = from.empty() ? log.begin() : std::find(log.begin(), log.end(), from);
    return Log(start, log.end());
}

bool Contains(const Log& log, const std::string& entry) {
    return std::find(log.begin(), log.end(), entry) != log.end();
}

const Log kHumanMove35 = {"mark 3,5", "pause 500", "gained 1", "pause 1000", "snapshot", "draw"};

TEST(TurnLoop, HumanBlackMovesFirstThenTheComputerAnswers) {
    ScriptedWindow w;
    w.Click(3, 5);
    w.StartGame(0);

    const Log& log = w.log;
    ASSERT_EQ(log.size(), 21u);
    EXPECT_EQ(Log(log.begin(), log.begin() + 5),
              (Log{"colour dialog", "running", "draw", "status: Your turn ...", "owner: you"}));
    EXPECT_EQ(Log(log.begin() + 5, log.begin() + 11), kHumanMove35);
    EXPECT_EQ(Log(log.begin() + 11, log.begin() + 13),
              (Log{"status: My turn now ...", "owner: comp"}));
    EXPECT_EQ(log[13].substr(0, 5), "mark ");
    EXPECT_EQ(Log(log.begin() + 14, log.begin() + 15), Log{"pause 500"});
    EXPECT_EQ(log[15].substr(0, 7), "gained ");
    EXPECT_EQ(Log(log.begin() + 16, log.end()),
              (Log{"pause 1000", "snapshot", "draw", "status: Your turn ...", "owner: you"}));
    EXPECT_EQ(w.state.MoveCount, 2);
    EXPECT_EQ(w.state.Board(3, 5), Black);
    EXPECT_EQ(w.state.Board(4, 5), Black);
    EXPECT_EQ(w.clockMs, 3000);
    EXPECT_TRUE(w.controller.quitting()) << "the script's end closes the window";
    EXPECT_TRUE(w.scores.empty());
}

TEST(TurnLoop, HumanWhiteLetsTheComputerOpen) {
    ScriptedWindow w;
    w.StartGame(1);
    EXPECT_EQ(w.state.HumanColor, White);
    EXPECT_EQ(w.state.CompColor, Black);
    EXPECT_EQ(From(w.log, "draw").at(1), "status: My turn now ...");
    EXPECT_EQ(w.state.MoveCount, 1);
    EXPECT_EQ(w.log.back(), "owner: you");
}

TEST(TurnLoop, CancelledColourDialogStartsNothing) {
    ScriptedWindow w;
    w.StartGame(std::nullopt);
    EXPECT_EQ(w.log, Log{"colour dialog"});
    EXPECT_FALSE(w.controller.running());
}

TEST(TurnLoop, OccupiedCellBeepsAndAsksAgainWithoutYourTurn) {
    ScriptedWindow w;
    w.Click(4, 4);
    w.Click(3, 5);
    w.StartGame(0);
    EXPECT_EQ(Log(w.log.begin() + 5, w.log.begin() + 15),
              (Log{"status: Cell already taken !", "beep", "pause 1000", "status: It's your turn !",
                   "mark 3,5", "pause 500", "gained 1", "pause 1000", "snapshot", "draw"}));
}

TEST(TurnLoop, IllegalMoveIsMarkedThenWipedAndTheTurnBegins) {
    ScriptedWindow w;
    w.Click(1, 1);
    w.Click(3, 5);
    w.StartGame(0);
    EXPECT_EQ(Log(w.log.begin() + 5, w.log.begin() + 13),
              (Log{"mark 1,1", "pause 500", "status: Illegal move !", "pause 1000", "draw",
                   "status: Your turn ...", "owner: you", "mark 3,5"}));
    EXPECT_EQ(w.state.Board(1, 1), Empty);
}

TEST(TurnLoop, ReleasesOutsideThePlayingCellsAreRefused) {
    const std::pair<float, float> outside[] = {{15, 100}, {100, 15},    {285, 100}, {100, 275},
                                               {-3, 100}, {100, -0.5f}, {0, 0}};
    for (const auto& [x, y] : outside) {
        ScriptedWindow w;
        w.ClickAt(x, y);
        w.Add(At::Wait, "check", [&w] {
            EXPECT_EQ(w.state.HumanRow, 0);
            EXPECT_EQ(w.state.HumanCol, 0);
            EXPECT_TRUE(w.state.AwaitingInput);
            w.controller.picV_MouseUp(5 * 30 + 1, 3 * 30 + 29);
        });
        w.StartGame(0);
        EXPECT_EQ(w.log.at(5), "box: Outside playing board area!") << x << "," << y;
        EXPECT_EQ(w.log.at(6), "mark 3,5") << x << "," << y;
    }
}

TEST(TurnLoop, TypedDigitsPlayRowThenColumnAndOtherKeysPass) {
    ScriptedWindow w;
    w.Add(At::Wait, "keys", [&w] {
        TurnController& c = w.controller;
        EXPECT_EQ(c.Form_KeyPress('0'), '0');
        EXPECT_EQ(c.Form_KeyPress('9'), '9');
        EXPECT_EQ(c.Form_KeyPress('a'), 'a');
        EXPECT_EQ(c.Form_KeyPress('3'), '3');
        EXPECT_EQ(w.state.HumanRow, 3);
        EXPECT_TRUE(w.state.AwaitingInput);
        EXPECT_EQ(c.Form_KeyPress('v'), 'v');
        EXPECT_EQ(c.Form_KeyPress('5'), 0);
        EXPECT_FALSE(w.state.AwaitingInput);
        EXPECT_EQ(c.Form_KeyPress('6'), '6') << "outside a wait keys pass";
    });
    w.StartGame(0);
    EXPECT_EQ(Log(w.log.begin() + 5, w.log.begin() + 6), Log{"mark 3,5"});
}

TEST(TurnLoop, AReleaseAfterOneDigitOverridesIt) {
    ScriptedWindow w;
    w.Type('6');
    w.Click(5, 6);
    w.StartGame(0);
    EXPECT_EQ(w.log.at(5), "mark 5,6");
}

// Human X, computer O: the human's only move is (1, 3); the computer's only
// answer (8, 4) leaves the human without a move and itself without one too.
constexpr const char* kHumanThenClosedIn = "XO...... "
                                           "........ "
                                           "........ "
                                           "........ "
                                           "........ "
                                           "........ "
                                           ".O...... "
                                           "....XXXO";

TEST(TurnLoop, HumanPassesThenTheComputerIsClosedIn) {
    ScriptedWindow w;
    w.setUp = [](GameState& s) { test::SetBoard(s, kHumanThenClosedIn); };
    w.Click(1, 3);
    w.StartGame(0);
    EXPECT_EQ(From(w.log, "mark 8,4"),
              (Log{"mark 8,4", "pause 500", "gained 3", "pause 1000", "snapshot", "draw",
                   "status: You have to pass ...", "pause 2000", "status: My turn now ...",
                   "owner: comp", "score 3",
                   "result: I'm closed in - game is over !\r\nYou gained 3 pieces, I gained "
                   "6.\r\nYou lost this game !",
                   "stopped", "status: Game stopped"}));
    EXPECT_EQ(w.scores, std::vector<int16_t>{3});
    EXPECT_FALSE(w.controller.running());
    EXPECT_FALSE(w.controller.quitting());
}

TEST(TurnLoop, ComputerPassesAndTheHumanGoesOn) {
    ScriptedWindow w;
    w.setUp = [](GameState& s) {
        test::SetBoard(s,
                       "XO...... ........ XO...... ........ ........ ........ ........ ........");
    };
    w.Click(1, 3);
    w.Click(3, 3);
    w.StartGame(0);
    EXPECT_EQ(From(w.log, "status: My turn now ..."),
              (Log{"status: My turn now ...",
                   "owner: comp",
                   "status: I Pass",
                   "pause 2000",
                   "status: Your turn ...",
                   "owner: you",
                   "mark 3,3",
                   "pause 500",
                   "gained 1",
                   "pause 1000",
                   "snapshot",
                   "draw",
                   "status: My turn now ...",
                   "owner: comp",
                   "status: I Pass",
                   "pause 2000",
                   "score 6",
                   "result: You're closed in - game is over !\r\nYou gained 6 pieces, I gained "
                   "0.\r\nWell done - you won !",
                   "stopped",
                   "status: Game stopped"}));
}

TEST(TurnLoop, ComputerPassesAndThenTheHumanIsClosedIn) {
    ScriptedWindow w;
    w.setUp = [](GameState& s) {
        test::SetBoard(s,
                       "XO...... ........ ........ ........ ........ ........ ........ ........");
    };
    w.Click(1, 3);
    w.StartGame(0);
    EXPECT_EQ(From(w.log, "status: I Pass"),
              (Log{"status: I Pass", "pause 2000", "score 3",
                   "result: You're closed in - game is over !\r\nYou gained 3 pieces, I gained "
                   "0.\r\nWell done - you won !",
                   "stopped", "status: Game stopped"}));
}

TEST(TurnLoop, TheSixtiethPlacementEndsTheGameWithItsResult) {
    struct Row {
        const char* board;
        std::string result;
        int16_t score;
    };
    const Row rows[] = {
        {"OOOOOOOO OOOOOOOO OOOOOOOO OOOOOOOO XXXXXXXX XXXXXXXX XXXXXXXX XXXXXXO.",
         "We both has equal scores.\r\nDraw", 32},
        {"OOOOOOOO OOOOOOOO OOOOOOOO XXXXXXXX XXXXXXXX XXXXXXXX XXXXXXXX XXXXXXO.",
         "You gained 40 pieces, I gained 24.\r\nWell done - you won !", 40},
        {"OOOOOOOO OOOOOOOO OOOOOOOO OOOOOOOO OOOOOOOO OOOOOOOO XXOOOOOO XXXXXXO.",
         "You gained 10 pieces, I gained 54.\r\nYou lost this game !", 10},
    };
    for (const Row& row : rows) {
        ScriptedWindow w;
        w.setUp = [&row](GameState& s) {
            test::SetBoard(s, row.board);
            s.MoveCount = 59;
        };
        w.Click(8, 8);
        w.StartGame(0);
        EXPECT_EQ(From(w.log, "draw").back(), "status: Game stopped");
        const Log tail(w.log.end() - 5, w.log.end());
        EXPECT_EQ(tail, (Log{"draw", "score " + std::to_string(row.score),
                             "result: All turns played.\r\n" + row.result, "stopped",
                             "status: Game stopped"}));
        EXPECT_EQ(w.state.MoveCount, 60);
        EXPECT_TRUE(w.state.StopFlag);
    }
}

TEST(Stopping, NoDuringAWaitGoesOnAndYesEndsWithoutScore) {
    ScriptedWindow w;
    w.Stop(false);
    w.Click(3, 5);
    w.Stop(true);
    w.StartGame(0);
    EXPECT_EQ(Log(w.log.begin() + 5, w.log.begin() + 7), (Log{"confirm stop", "mark 3,5"}));
    const Log tail(w.log.end() - 3, w.log.end());
    EXPECT_EQ(tail, (Log{"confirm stop", "stopped", "status: Game stopped"}));
    EXPECT_TRUE(w.scores.empty());
    EXPECT_FALSE(w.controller.running());
    EXPECT_FALSE(w.controller.quitting());
    EXPECT_FALSE(w.state.AwaitingInput);
}

TEST(Stopping, YesDuringAPauseEndsTheMoveUnfinished) {
    ScriptedWindow w;
    w.Click(3, 5);
    w.Stop(true, At::Pause); // inside MarkMove's pause
    w.StartGame(0);
    EXPECT_EQ(From(w.log, "mark 3,5"),
              (Log{"mark 3,5", "pause 500", "confirm stop", "stopped", "status: Game stopped"}));
    EXPECT_EQ(w.state.Board(4, 5), White) << "the move was not completed";
}

TEST(Stopping, YesDuringTheComputersSearchPlaysNoMove) {
    ScriptedWindow w;
    w.Click(3, 5);
    w.Stop(true, At::Search);
    w.StartGame(0);
    EXPECT_EQ(From(w.log, "owner: comp"),
              (Log{"owner: comp", "confirm stop", "stopped", "status: Game stopped"}));
    EXPECT_EQ(w.state.MoveCount, 1);
    EXPECT_GT(w.yields, 1) << "the search goes on to its end, yielding per cell";
}

TEST(Stopping, AStartInsideAStoppedGamesPauseRunsANestedGame) {
    ScriptedWindow w;
    w.Click(3, 5);
    w.Stop(true, At::Pause);
    w.Start(1, At::Pause); // the nested game: the computer opens
    w.Stop(true);          // ends the nested game in its first wait
    w.StartGame(0);
    EXPECT_EQ(From(w.log, "mark 3,5"), (Log{"mark 3,5",
                                            "pause 500",
                                            "confirm stop",
                                            "stopped",
                                            "status: Game stopped",
                                            "colour dialog",
                                            "running",
                                            "draw",
                                            "status: My turn now ...",
                                            "owner: comp",
                                            w.log.at(15),
                                            "pause 500",
                                            w.log.at(17),
                                            "pause 1000",
                                            "snapshot",
                                            "draw",
                                            "status: Your turn ...",
                                            "owner: you",
                                            "confirm stop",
                                            "stopped",
                                            "status: Game stopped"}))
        << "the outer game ends at once when the nested one returns";
    EXPECT_EQ(w.state.HumanColor, White);
}

TEST(Stopping, ClicksAndKeysDuringAPauseDoNothing) {
    ScriptedWindow w;
    w.Click(3, 5);
    w.Click(6, 4, At::Pause);
    w.Type('2', At::Pause);
    w.Type('3', At::Pause);
    w.StartGame(0);
    EXPECT_EQ(w.state.Board(3, 5), Black);
    EXPECT_EQ(w.state.MoveCount, 2);
    EXPECT_EQ(w.log.back(), "owner: you");
    EXPECT_EQ(w.state.HumanRow, 0) << "the next wait began afresh";
}

TEST(Quitting, ClosingTheWindowUnwindsWithNoFurtherMessage) {
    for (const At at : {At::Wait, At::Pause, At::Search}) {
        ScriptedWindow w;
        w.Click(3, 5);
        w.Close(at);
        w.StartGame(0);
        EXPECT_TRUE(w.controller.quitting());
        EXPECT_TRUE(w.scores.empty());
        EXPECT_FALSE(Contains(w.log, "status: Game stopped"));
        const std::string last = w.log.back();
        EXPECT_TRUE(last == "pause 500" || last == "owner: comp" || last == "owner: you") << last;
        // Handlers after the quit start nothing.
        w.StartGame(0);
        EXPECT_EQ(w.log.back(), last);
    }
}

TEST(PeekKey, VHidesTheBoardOnlyAfterTwoPlacements) {
    struct Row {
        int16_t moves;
        int key;
        Log log;
    };
    const Row rows[] = {
        {0, 86, {}},
        {1, 86, {}},
        {2, 86, {"board hidden", "board shown"}},
        {37, 86, {"board hidden", "board shown"}},
        {37, 87, {}},
    };
    for (const Row& row : rows) {
        ScriptedWindow w;
        w.state.MoveCount = row.moves;
        w.controller.Form_KeyDown(row.key);
        w.controller.Form_KeyUp(row.key);
        EXPECT_EQ(w.log, row.log) << row.moves;
    }
}

} // namespace
} // namespace tarvo
