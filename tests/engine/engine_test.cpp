#include "engine/gtp.h"
#include "engine/nboard.h"
#include "engine/search.h"
#include "game/rules.h"
#include "support/board_diagram.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace tarvo {
namespace {

using engine::Bit;
using engine::Bits;
using engine::CellIndex;
using engine::Position;

TEST(Engine, PerftFromTheOpeningCountsPassesAsMovesAndFinishedGamesAsLeaves) {
    const std::uint64_t expected[] = {4, 12, 56, 244, 1396, 8200, 55092, 390216, 3005288, 24571284};
    for (int depth = 1; depth <= 10; ++depth) {
        EXPECT_EQ(engine::Perft(engine::Opening(), depth), expected[depth - 1]) << depth;
    }
}

Position FromState(const GameState& s, int16_t mover) {
    Position p;
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            const int16_t code = s.Board(r, c);
            if (code == mover) {
                p.mine |= Bit(CellIndex(r, c));
            } else if (code != Empty) {
                p.theirs |= Bit(CellIndex(r, c));
            }
        }
    }
    return p;
}

// Random games by the model's rules; each position's moves and flips by
// the engine's bitboards must agree with them.
TEST(Engine, MovesAndFlipsAgreeWithTheModelsRules) {
    std::mt19937 rng(20261207);
    for (int game = 0; game < 300; ++game) {
        test::PlayRandomGame(rng, Black, [](const GameState& state, int16_t mover) {
            const Position p = FromState(state, mover);
            Bits legal = 0;
            for (const auto& [r, c] : test::LegalMoves(state, mover)) {
                legal |= Bit(CellIndex(r, c));
                GameState played = state;
                test::Play(played, {r, c}, mover);
                const Position after = engine::Play(p, CellIndex(r, c));
                ASSERT_EQ(after, engine::Pass(FromState(played, mover))) << test::Diagram(state);
            }
            ASSERT_EQ(engine::Moves(p), legal) << test::Diagram(state);
        });
    }
}

// Plain minimax to the end, empty cells counting for the winner.
int Minimax(const Position& p) {
    const Bits moves = engine::Moves(p);
    if (moves == 0) {
        if (engine::Moves(p.theirs, p.mine) != 0) {
            return -Minimax(engine::Pass(p));
        }
        const int d = std::popcount(p.mine) - std::popcount(p.theirs);
        return d > 0 ? d + p.Empties() : d < 0 ? d - p.Empties() : 0;
    }
    int best = -100;
    for (Bits m = moves; m != 0; m &= m - 1) {
        best = std::max(best, -Minimax(engine::Play(p, std::countr_zero(m))));
    }
    return best;
}

TEST(Engine, TheSolverAgreesWithMinimaxAndTheSearchFindsTheSameResult) {
    std::mt19937 rng(7);
    engine::Searcher searcher;
    const std::atomic<bool> go{false};
    for (int game = 0; game < 60; ++game) {
        Position p = engine::Opening();
        while (p.Empties() > 9 || engine::Moves(p) == 0) {
            Bits moves = engine::Moves(p);
            if (moves == 0) {
                p = engine::Pass(p);
                continue;
            }
            for (int skip = static_cast<int>(rng() % static_cast<unsigned>(std::popcount(moves)));
                 skip > 0; --skip) {
                moves &= moves - 1;
            }
            p = engine::Play(p, std::countr_zero(moves));
        }
        const int expected = Minimax(p);
        const engine::Result solved = searcher.Solve(p, go);
        ASSERT_TRUE(solved.exact);
        EXPECT_EQ(solved.score, expected);
        EXPECT_EQ(-Minimax(engine::Play(p, solved.cell)), expected) << "the move reaches it";
        const engine::Result searched = searcher.Search(p, {60, {}, 9}, go);
        EXPECT_TRUE(searched.exact);
        EXPECT_EQ(searched.score, expected);
    }
    // The mover takes every disc: the table must give such a result back
    // exactly, or narrow tests at the end of the scale never settle.
    const Position wipeOut{0xfefee0f8f8fcfefeULL, 0x00001e0406030000ULL};
    EXPECT_EQ(searcher.Solve(wipeOut, go).score, Minimax(wipeOut));
}

TEST(Engine, ASearchToldToStopEndsAtOnceWithALegalMove) {
    engine::Searcher searcher;
    const std::atomic<bool> stop{true};
    const Position p = engine::Play(engine::Opening(), CellIndex(3, 4));
    for (const engine::Result& r :
         {searcher.Solve(p, stop), searcher.Search(p, engine::kExpertLevel, stop)}) {
        EXPECT_FALSE(r.exact);
        ASSERT_GE(r.cell, 0);
        EXPECT_NE(engine::Moves(p) & Bit(r.cell), 0U) << r.cell;
    }
}

// Each step: a line sent and the reply, "=" or "?", the id and the answer.
TEST(Gtp, AnswersAsTheProtocolSaysAndRefusesWhatItCannotDo) {
    const std::pair<const char*, const char*> steps[] = {
        {"", ""},
        {"# only a comment", ""},
        {"12 protocol_version", "=12 2"},
        {"boardsize 10", "? unacceptable size"},
        {"boardsize eight", "? syntax error"},
        {"play black e6 # the opening, row 1 at the top", "="},
        {"play white e6", "? illegal move"},
        {"play white pass", "? illegal move"}, // white has moves
        {"play white\tD6", "="},
        {"PLAY B c3", "="},
        {"play green c4", "? syntax error"},
        {"play white i9", "? syntax error"},
        {"final_score", "= B+3"},
        {"3 undo", "=3"},
        {"final_score", "= 0"},
        {"clear_board", "="},
        {"undo", "? cannot undo"},
        {"time_settings 10 -1 0", "? syntax error"},
        {"genmove", "? syntax error"},
        {"known_command final_score", "= true"},
        {"resign", "? unknown command"},
        {"quit", "="},
    };
    engine::GtpEngine gtp(engine::kStrongLevel);
    for (const auto& [line, reply] : steps) {
        const std::string answer = gtp.Execute(line);
        EXPECT_EQ(answer, *reply == '\0' ? "" : std::string(reply) + "\n\n") << line;
    }
    EXPECT_TRUE(gtp.quit());
}

// Each step: a line sent and the start of the answer. Black on a1 and white
// on b1: black's one move, c1, ends the game 64 to nothing.
TEST(Nboard, FollowsTheGamesItIsGivenAndAnswersOnlyWhatItKnows) {
    const std::string board = "BO[8 *O" + std::string(62, '-');
    const std::pair<std::string, std::string> steps[] = {
        {"nboard 2", "set myname Tarvo Othello\n"},
        {"set game (;GM[Othello]" + board + " *];)", ""},
        {"go", "=== C1/64/"},
        {"hint 1", "search C1 64 0 "},
        {"move E5/1.5/0.2", ""}, // not legal: left aside
        {"go", "=== C1/64/"},
        {"move C1", ""},
        {"go", "=== PA\n"},
        // White has no move: a pass, then black's turn again.
        {"set game (;GM[Othello]PC[x \\] B[PA]]" + board + " O]W[PA];)", ""},
        {"go", "=== C1/64/"},
        {"set game (;GM[Othello]" + board + " *]B[PA];)", ""}, // a pass with a move to play
        {"set game (;GM[Othello]" + board + " *]W[C1];)", ""}, // white's move on black's turn
        {"set game (;GM[Othello]BO[8 *O--- *];)", ""},         // a board cut short
        {"set game (;GM[Othello]" + board + " *]B[C1", ""},    // a move cut short
        {"go", "=== C1/64/"},
        // A record may leave out the pass of a side with no move.
        {"set game (;GM[Othello]" + board + " O]B[c1//0.5];)", ""},
        {"go", "=== PA\n"},
        {"fly away", ""},
        {"ping 7", "pong 7\n"},
        {"learn", "learned\n"},
        {"quit", ""},
    };
    engine::NboardEngine nboard(engine::kStrongLevel);
    for (const auto& [line, answer] : steps) {
        const std::string reply = nboard.Execute(line);
        EXPECT_EQ(reply.substr(0, answer.size()), answer) << line;
        EXPECT_TRUE(answer.empty() ? reply.empty() : reply.ends_with("\n")) << line;
    }
    EXPECT_TRUE(nboard.quit());
}

} // namespace
} // namespace tarvo
