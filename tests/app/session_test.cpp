#include "scripted_session.h"
#include "support/board_diagram.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::ScriptedDriver;

const std::string kMove35 = "mark 35|pause 500|Black plays 35|gained 1|pause 1000|snapshot|draw|";
const std::string kStopped = "stopped|status: Game stopped|end";

struct Game {
    const char* name;
    const char* board; // a diagram set after the first drawing, or ""
    int16_t colour;    // 0 Black, 1 White
    const char* script;
    std::string expected; // a part of the log
    int engine = -1;      // a stronger level's move (row * 10 + column, 0 to pass); -1 classic
};

TEST(TurnLoop, Games) {
    const Game games[] = {
        {"a move and the answer", "", 0, "35",
         "colour dialog|running|shown|draw|status: Your turn ...|owner: you|" + kMove35 +
             "status: My turn now ...|owner: comp|mark "},
        {"the computer opens", "", 1, "", "draw|status: My turn now ...|owner: comp|mark "},
        {"cancelled colour dialog", "", -1, "", "colour dialog|end"},
        {"occupied cell", "", 0, "44 35",
         "owner: you|status: Cell already taken !|beep|pause 1000|status: It's your turn !|" +
             kMove35},
        {"illegal move", "", 0, "11 35",
         "owner: you|mark 11|pause 500|status: Illegal move !|pause 1000|draw|status: Your turn "
         "...|owner: you|mark 35|"},
        {"outside left, right and above", "", 0, "x15,100 x275,100 x100,-0.5 x179,91",
         "owner: you|outside|outside|outside|mark 35|"},
        {"digits, two turns", "", 0, "k0 k9 k3 k5 k6 k4",
         "status: Your turn ...|owner: you|mark 64|"},
        {"a release after one digit", "", 0, "k6 56", "owner: you|mark 56|"},
        {"clicks and keys in a pause", "", 0, "35 64@p k2@p k3@p",
         kMove35 + "status: My turn now ...|owner: comp|mark "},
        {"the human passes, then the computer is closed in",
         "XO...... ........ ........ ........ ........ ........ .O...... ....XXXO", 0, "13",
         "mark 84|pause 500|White plays 84|gained 3|pause 1000|snapshot|draw|status: You have to "
         "pass ...|Black passes|pause 2000|status: My turn now ...|owner: comp|score 3|result: I'm "
         "closed in - "
         "game is over !\r\nYou gained 3 pieces, I gained 6.\r\nYou lost this game !|" +
             kStopped},
        {"the computer passes, the human goes on and is closed in",
         "XO...... ........ XO...... ........ ........ ........ ........ ........", 0, "13 33",
         "status: I Pass|White passes|pause 2000|status: Your turn ...|owner: you|mark 33|pause "
         "500|Black plays 33|gained 1|pause 1000|snapshot|draw|status: My turn now ...|owner: "
         "comp|status: I Pass|White passes|pause 2000|score 6|result: You're closed in - game is "
         "over !\r\nYou gained 6 pieces, I "
         "gained 0.\r\nWell done - you won !|" +
             kStopped},
        {"Stop in the wait", "", 0, "35 s+", "owner: you|confirm stop|" + kStopped},
        {"Stop answered No goes on, Yes ends in the wait", "", 0, "s- 35 s+",
         "owner: you|confirm stop|mark 35|"},
        {"Stop in a pause", "", 0, "35 s+@p", "mark 35|pause 500|confirm stop|" + kStopped},
        {"Start in a stopped game's pause", "", 0, "35 s+@p w@p s+",
         "confirm stop|stopped|status: Game stopped|colour dialog|running|shown|draw|status: My "
         "turn "
         "now ...|owner: comp|mark "},
        {"a searched move", "", 0, "35", "owner: comp|mark 36|pause 500|White plays 36|gained 1|",
         36},
        {"a searched pass", "", 0, "35",
         "owner: comp|status: I Pass|White passes|pause 2000|status: Your turn ...|", 0},
        {"Stop in a stronger level's search", "", 0, "35 s+@s",
         "owner: comp|confirm stop|" + kStopped, 36},
        {"Undo or Redo before the first move does nothing", "", 0, "u r 35", "owner: you|mark 35|"},
        {"Undo takes back the move and the reply", "", 0, "35 u 35",
         "snapshot|draw|status: Your turn ...|owner: you|restore 0|draw|status: Your turn "
         "...|owner: you|" +
             kMove35},
        {"Undo outside the wait does nothing", "", 0, "35 u@p", kMove35 + "status: My turn"},
        {"Redo plays the move and the reply again", "", 0, "35 u r 64",
         "restore 0|draw|status: Your turn ...|owner: you|restore 2|draw|status: Your turn "
         "...|owner: you|mark 64|"},
        {"Redo twice after two undos, once more does nothing", "", 0, "35 64 u u r r r 53",
         "restore 2|draw|status: Your turn ...|owner: you|restore 4|draw|status: Your turn "
         "...|owner: you|mark 53|"},
        {"a new move ends what Redo can replay", "", 0, "35 u 53 r 64",
         "White plays 43|gained 1|pause 1000|snapshot|draw|status: Your turn ...|owner: you|mark "
         "64|"},
        {"a hint keeps the result off the score sheet",
         "XO...... ........ XO...... ........ ........ ........ ........ ........", 0, "h 13 33",
         "Well done - you won !\r\nWith a hint or an undo, this game does not enter the score "
         "sheet.|"},
        {"closed in a wait", "", 0, "35 q", "status: Your turn ...|owner: you|end"},
        {"closed in a pause", "", 0, "35 q@p", "owner: you|mark 35|pause 500|end"},
        {"closed in the search", "", 0, "35 q@s", "status: My turn now ...|owner: comp|end", 36},
    };
    for (const Game& game : games) {
        ScriptedDriver w;
        if (*game.board != '\0') {
            w.setUp = [&game](GameState& s) { test::SetBoard(s, game.board); };
        }
        w.Script(game.script);
        if (game.engine >= 0) {
            w.engineMove = game.engine;
        }
        w.StartGame(game.colour < 0 ? std::nullopt : std::optional<int16_t>(game.colour));
        const std::string log = w.Log();
        EXPECT_NE(log.find(game.expected), std::string::npos) << game.name << "\n" << log;
        const bool ended = log.find("result: ") != std::string::npos &&
                           log.find("With a hint") == std::string::npos;
        EXPECT_EQ(log.find("|score ") != std::string::npos, ended) << game.name;
    }
}

TEST(TurnLoop, TheSixtiethPlacementEndsTheGame) {
    const std::tuple<const char*, const char*, int16_t> rows[] = {
        {"OOOOOOOO OOOOOOOO OOOOOOOO OOOOOOOO XXXXXXXX XXXXXXXX XXXXXXXX XXXXXXO.",
         "We both has equal scores.\r\nDraw", 32},
        {"OOOOOOOO OOOOOOOO OOOOOOOO OOOOOOOO OOOOOOOO OOOOOOOO XXOOOOOO XXXXXXO.",
         "You gained 10 pieces, I gained 54.\r\nYou lost this game !", 10},
    };
    for (const auto& [board, result, score] : rows) {
        ScriptedDriver w;
        w.setUp = [board](GameState& s) {
            test::SetBoard(s, board);
            s.MoveCount = 59;
        };
        w.Script("88");
        w.StartGame(0);
        EXPECT_TRUE(w.Log().ends_with("draw|score " + std::to_string(score) +
                                      "|result: All turns played.\r\n" + result + "|" + kStopped))
            << w.Log();
    }
}

// Any pair of players: the log speaks of the sides by colour, and a game
// without exactly one person records no score.
TEST(TurnLoop, AnyPairOfPlayers) {
    const Player person{true, Level::Classic};
    const Player computer{false, Level::Classic};
    const struct {
        const char* name;
        std::pair<Player, Player> players;
        const char* board;
        const char* script;
        std::string expected;
    } games[] = {
        {"two people take turns",
         {person, person},
         "",
         "35 36 u",
         "status: Black's turn|owner: Black|mark 35|pause 500|Black plays 35|gained 1|pause "
         "1000|snapshot|draw|status: White's turn|owner: White|mark 36|pause 500|White plays "
         "36|gained 1|"},
        {"undo takes back one person's move",
         {person, person},
         "",
         "35 36 u 64",
         "restore 1|draw|status: White's turn|owner: White|mark 64|"},
        {"a person without a move passes, and both closed in ends the game",
         {person, person},
         "XO...... ........ ........ ........ ........ ........ ........ ........",
         "13",
         "Black plays 13|gained 1|pause 1000|snapshot|draw|status: White passes|White "
         "passes|pause 2000|result: You're closed in"},
        {"two computers play to the end", {computer, computer}, "", "", "|result: "},
    };
    for (const auto& game : games) {
        ScriptedDriver w;
        w.players = game.players;
        if (*game.board != '\0') {
            w.setUp = [&game](GameState& s) { test::SetBoard(s, game.board); };
        }
        w.Script(game.script);
        w.StartGame(0);
        const std::string log = w.Log();
        EXPECT_NE(log.find(game.expected), std::string::npos) << game.name << "\n" << log;
        EXPECT_EQ(log.find("|score "), std::string::npos) << game.name;
    }
}

// A game that goes on from the published start after f5, with White to
// move; an undo goes back no further than where it began.
TEST(TurnLoop, GoesOnFromTheMovesOfAnother) {
    const int f5 = engine::CellIndex(5, 6);
    const int d6 = engine::CellIndex(6, 4);
    const struct {
        const char* script;
        std::vector<int> moves;
    } games[] = {{"64", {f5, d6}}, {"64 u", {f5}}, {"64 u u", {f5}}};
    for (const auto& game : games) {
        ScriptedDriver w;
        w.players = {{true, Level::Classic}, {true, Level::Classic}};
        w.from = {SetupOf(StartPosition::WhiteOnD4), {f5}};
        w.Script(game.script);
        w.StartGame(0);
        EXPECT_NE(w.Log().find("status: White's turn|owner: White|mark 64|pause 500|White plays "
                               "64|gained 1|"),
                  std::string::npos)
            << w.Log();
        EXPECT_EQ(w.session.Moves().moves, game.moves) << game.script;
        EXPECT_EQ(w.session.state().MoveCount, static_cast<int16_t>(game.moves.size()));
    }
}

// Stop, then Start in the stopped game's pause, a thousand times: one game
// lives on, and each starts from the same depth of the stack.
TEST(TurnLoop, NoGameRunsInsideAnother) {
    std::string script = "35 ";
    for (int i = 0; i < 1000; ++i) {
        script += "s+@p b@p ";
    }
    struct DepthDriver : ScriptedDriver {
        std::vector<std::uintptr_t> depths;
        void Emit(const SessionEvent& e) override {
            const auto* running = std::get_if<event::RunningChanged>(&e);
            if (running != nullptr && running->running) {
                const int here = 0;
                depths.push_back(reinterpret_cast<std::uintptr_t>(&here));
            }
            ScriptedDriver::Emit(e);
        }
    } w;
    w.Script(script + "35");
    w.StartGame(0);
    ASSERT_EQ(w.depths.size(), 1001u);
    EXPECT_EQ(w.depths.back(), w.depths[1]) << "the stack grows with every new game";
    EXPECT_NE(w.Log().find("mark 35|pause 500|Black plays 35"), std::string::npos);
}

} // namespace
} // namespace tarvo
