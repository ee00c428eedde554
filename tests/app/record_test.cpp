#include "app/game_analysis.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using Kind = RecordError::Kind;

// A game from the published start with Black's pass after its 57th move.
constexpr const char* kPassingGame =
    "d3 c3 b3 d6 c4 f3 f4 e3 g3 b4 c6 b2 a4 b5 f5 b6 c2 g2 a2 e6 e7 f6 g4 h2 g7 g5 c5 d2 f7 d8 "
    "d1 c7 d7 h7 a3 e1 h4 a5 g8 b1 a1 h5 f2 f8 h3 f1 b8 c8 a7 c1 e2 b7 h6 a8 h1 h8 a6 e8 g1 g6";
constexpr const char* kWipeout = "d3 e3 f2 c4 b5 c5 f5 f4 g4"; // 13-0 after nine moves

struct Good {
    std::string text;
    StartPosition start;
    std::string written;
    std::array<int, 2> counts;
    bool over;
};

TEST(Transcript, ReadsMovesInEveryWriting) {
    const std::string passing = kPassingGame;
    const std::string passWritten = passing.substr(0, 57 * 3) + "-- " + passing.substr(57 * 3);
    const std::vector<Good> table = {
        {"f5 d6 c3", StartPosition::WhiteOnD4, "f5 d6 c3", {5, 2}, false},
        {"F5D6c3\n", StartPosition::WhiteOnD4, "f5 d6 c3", {5, 2}, false},
        {"c5,e6", StartPosition::BlackOnD4, "c5 e6", {3, 3}, false},
        {"", StartPosition::BlackOnD4, "", {2, 2}, false},
        {kWipeout, StartPosition::WhiteOnD4, kWipeout, {13, 0}, true},
        {passing, StartPosition::WhiteOnD4, passing, {49, 15}, true},
        {passWritten, StartPosition::WhiteOnD4, passing, {49, 15}, true},
    };
    for (const Good& good : table) {
        SCOPED_TRACE(good.text);
        const auto read = ReadTranscript(good.text);
        ASSERT_TRUE(std::holds_alternative<Replay>(read));
        const Replay& replay = std::get<Replay>(read);
        EXPECT_EQ(replay.setup, SetupOf(good.start));
        EXPECT_EQ(WriteTranscript(replay), good.written);
        EXPECT_EQ(replay.Counts(), good.counts);
        EXPECT_EQ(replay.over, good.over);
    }
}

struct Bad {
    std::string text;
    Kind kind;
    int number;
    std::string named;
};

template <typename Read> void ExpectError(const Read& read, const Bad& bad) {
    SCOPED_TRACE(bad.text);
    ASSERT_TRUE(std::holds_alternative<RecordError>(read));
    const RecordError& error = std::get<RecordError>(read);
    EXPECT_EQ(error.kind, bad.kind);
    EXPECT_EQ(error.number, bad.number);
    EXPECT_EQ(error.text, bad.named);
}

TEST(Transcript, NamesTheFirstMoveItCannotPlay) {
    const std::vector<Bad> table = {
        {"f5 x9 d6", Kind::UnreadableText, 2, "x9"},
        {"f5 d6 i3", Kind::UnreadableText, 3, "i3"},
        {"f5 f5", Kind::IllegalMove, 2, "f5"},
        {"a1", Kind::IllegalMove, 1, "a1"},
        {"e3 a8", Kind::IllegalMove, 2, "a8"},
        {"f5 pass", Kind::NeedlessPass, 2, "pass"},
        {std::string(kWipeout) + " a1", Kind::AfterTheEnd, 10, "a1"},
    };
    for (const Bad& bad : table) {
        ExpectError(ReadTranscript(bad.text), bad);
    }
}

TEST(Record, KeepsPlayersDateAndMovesThroughItsText) {
    GameRecord record{{Player{true, Level::Classic}, Player{false, Level::Expert}},
                      "2026-12-08",
                      std::get<Replay>(ReadTranscript(kWipeout))};
    const std::string text = WriteRecord(record);
    EXPECT_NE(text.find("Result: 13-0\n"), std::string::npos);
    const auto read = ReadRecord("# saved\r\n" + text);
    ASSERT_TRUE(std::holds_alternative<GameRecord>(read));
    const GameRecord& back = std::get<GameRecord>(read);
    EXPECT_EQ(back.players, record.players);
    EXPECT_EQ(back.date, "2026-12-08");
    EXPECT_EQ(back.replay.Moves(), record.replay.Moves());

    const auto bare = ReadRecord("; a bare transcript\nf5 d6\nc3\n");
    ASSERT_TRUE(std::holds_alternative<GameRecord>(bare));
    EXPECT_EQ(WriteTranscript(std::get<GameRecord>(bare).replay), "f5 d6 c3");
}

// An endgame without a game before it: FFO #40, Black to move wins by 38.
TEST(Record, AnEndgamePositionKeepsItsPlaceAndItsKnownResult) {
    const std::string ffo40 = "O--OOOOX-OOOOOOXOOXXOOOXOOXOOOXXOOOOOOXX---OOOOX----O--X-------- X";
    const auto read = ReadRecord("Position: " + ffo40 + "\nMoves: a2\n");
    ASSERT_TRUE(std::holds_alternative<GameRecord>(read));
    const GameRecord& record = std::get<GameRecord>(read);
    EXPECT_NE(WriteRecord(record).find("Position: " + ffo40 + "\nMoves: a2\n"), std::string::npos);
    const auto bare = ReadRecord(ffo40 + " FFO #40: a2 +38\na2\n");
    ASSERT_TRUE(std::holds_alternative<GameRecord>(bare));
    EXPECT_EQ(std::get<GameRecord>(bare).replay.setup, record.replay.setup);
    GameAnalysis analysis(record.replay, {2, 20});
    engine::Searcher searcher;
    const std::atomic<bool> go{false};
    while (analysis.Next(searcher, go)) {
    }
    EXPECT_EQ(analysis.ValueOf(0).black, 38);
    EXPECT_EQ(analysis.Move(0).Lost(), 0);
}

TEST(Record, NamesTheLineItCannotRead) {
    const std::vector<Bad> table = {
        {"Black: person\nWhite: robot\nMoves: f5", Kind::UnreadableLine, 2, "White: robot"},
        {"moves: f5\n\nf6 is next", Kind::UnreadableLine, 3, "f6 is next"},
        {"Black: computer strong\nEvent: club\nDate: today", Kind::NoMoves, 0, ""},
        {"MOVES: f5 e6", Kind::IllegalMove, 2, "e6"},
        {"Position: XO X\nMoves:", Kind::BadPosition, 1, "XO X"},
    };
    for (const Bad& bad : table) {
        ExpectError(ReadRecord(bad.text), bad);
    }
}

// The solver's score of `p` for the side to move, passing when it must.
int Solved(engine::Searcher& searcher, const engine::Position& p) {
    const std::atomic<bool> go{false};
    return searcher.Solve(p, go).score;
}

TEST(Analysis, ExactScoresAreTheSolversAcrossAPass) {
    const Replay replay = std::get<Replay>(ReadTranscript(kPassingGame));
    GameAnalysis analysis(replay, {2, 14});
    engine::Searcher searcher;
    engine::Searcher check;
    const std::atomic<bool> go{false};
    std::vector<int> completed;
    while (!analysis.Finished()) {
        if (const auto scored = analysis.Next(searcher, go); scored->placement) {
            completed.push_back(*scored->placement);
        }
    }
    ASSERT_EQ(completed.size(), 60U);
    EXPECT_EQ(completed.front(), 59);
    EXPECT_EQ(completed.back(), 0);
    for (int k = 46; k < 60; ++k) {
        SCOPED_TRACE(k);
        const GameStep& step = replay.steps[static_cast<std::size_t>(analysis.placements()[k])];
        const MoveAnalysis& move = analysis.Move(k);
        ASSERT_TRUE(move.exact);
        EXPECT_EQ(move.best, Solved(check, step.before));
        EXPECT_EQ(move.played, -Solved(check, engine::Play(step.before, step.cell)));
        EXPECT_EQ(move.Lost(), move.best - move.played);
    }
    EXPECT_FALSE(analysis.Move(45).exact);
    EXPECT_EQ(analysis.Move(59).played, 49 - 15);
    EXPECT_EQ(analysis.ValueOf(46).black, Solved(check, replay.steps[46].before));
}

} // namespace
} // namespace tarvo
