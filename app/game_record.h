#pragma once

#include "app/player.h"
#include "engine/board.h"
#include "game/game_state.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvo {

// A game's moves in the standard notation: a column a-h and a row 1-8, row 1
// at the top, as in "f5 d6 c3". Cells are numbered as the engine numbers
// them, a1 = 0 to h8 = 63.
// engine::CellName writes one.
constexpr int kPassMove = -1;

// The two starting positions in use: this program's, black on d4 and e5, and
// the one other programs and published games use, white on d4 and e5. Black
// moves first in both, and no first move is legal in both, so a game's first
// move tells which it started from.
enum class StartPosition { BlackOnD4, WhiteOnD4 };
// The board a game's moves start from, seen from the side to move: one of
// the two starts, or any position, an endgame's say.
struct Setup {
    engine::Position board;
    int16_t toMove = Black;
    bool operator==(const Setup&) const = default;
};
Setup SetupOf(StartPosition start);

// One step of a game: a side plays a cell or passes. `before` is the position
// it met, seen from the side to move.
struct GameStep {
    int16_t colour;
    int cell; // kPassMove for a pass
    engine::Position before;
};

// A game replayed from its moves: every step with the passes in their place,
// and the position after the last, seen from the side whose turn it is.
struct Replay {
    Setup setup = SetupOf(StartPosition::BlackOnD4);
    std::vector<GameStep> steps;
    engine::Position last = setup.board;
    int16_t toMove = Black;
    bool over = false;
    // Black's and White's discs on the last position.
    std::array<int, 2> Counts() const;
    // The cells played, passes left out.
    std::vector<int> Moves() const;
};

// What keeps a text from being a game.
struct RecordError {
    enum class Kind {
        UnreadableText, // `text` is neither a move nor a pass
        IllegalMove,    // move `number` (from 1), `text`, is not legal there
        NeedlessPass,   // move `number` is a pass, but the side has a move
        AfterTheEnd,    // move `number` comes after the game is over
        UnreadableLine, // line `number` of a record
        NoMoves,        // a record without its moves
        BadPosition,    // a record's position is not 64 cells and a side to move
    };
    Kind kind;
    int number = 0;
    std::string text;
};

// Reads a transcript: moves with or without spaces or commas between them,
// in either case, passes written ("pass", "pa" or "--") or left out. Without
// a setup, the first move chooses one of the two starts.
std::variant<Replay, RecordError> ReadTranscript(std::string_view text,
                                                 std::optional<Setup> setup = std::nullopt);
// The moves as a transcript, "e6 f4 c3", passes left out.
std::string WriteTranscript(const Replay& replay);
// Plays `moves` (passes may be written) from `setup`.
std::variant<Replay, RecordError> ReplayMoves(const Setup& setup, const std::vector<int>& moves);

// A saved game: who played each side, the date and the moves. The result is
// counted from the moves.
struct GameRecord {
    std::array<Player, 2> players; // Black's, White's
    std::string date;              // as written, "2026-12-08"
    Replay replay;
};

// The record as text:
//   ; Tarvo Othello game record
//   Black: person
//   White: computer Expert
//   Date: 2026-12-08
//   Result: 36-28            ("unfinished" before the end)
//   Position: <64 cells>  X  (only for a game from another position)
//   Moves: e3 f4 c5 ...
// The position lists a1 b1 ... h1 a2 ... h8 as X (black), O (white) or -
// (empty), then a blank and the side to move, X or O.
// Keys in any case and order; blank lines and lines from ";" or "#" are
// skipped, lines of other keys too. A text with no key line at all is read
// as a bare transcript, after a board line as above if it has one.
std::string WriteRecord(const GameRecord& record);
std::variant<GameRecord, RecordError> ReadRecord(std::string_view text);

} // namespace tarvo
