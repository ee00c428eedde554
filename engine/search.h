#pragma once

#include "engine/board.h"
#include "engine/pattern_eval.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <span>

namespace tarvo::engine {

// How far a search may go.
struct Limits {
    int depth = 60;                    // the deepest iteration of the middle-game search
    std::chrono::milliseconds time{0}; // the whole move's budget; 0 for none
    int exactFrom = 0;                 // solve exactly from this many empty cells on
    // The trained evaluation, or none for the hand-made one.
    const PatternWeights* weights = nullptr;
};

// The levels above the classic player: a short search, exact from 14 empty
// cells on; and a search of about a second, exact from 20 empty cells on
// when that can be done within the second.
constexpr Limits kStrongLevel{4, std::chrono::milliseconds(0), 14};
constexpr Limits kExpertLevel{60, std::chrono::milliseconds(1000), 20};

struct Result {
    int cell = -1;      // the move, or -1 when the side to move must pass
    int score = 0;      // exact: the final disc difference; otherwise the evaluation
    bool exact = false; // the score is the result with best play
    std::uint64_t nodes = 0;
    int discs = 0; // the score as a final disc difference, estimated unless exact
    int depth = 0; // the plies searched: all empty cells' when exact
};

// The position's worth for the side to move: mobility, potential mobility,
// corners and the cells next to empty corners, stable discs and, late in the
// game, the discs themselves.
int Evaluate(const Position& p);

// Searches positions with a transposition table of its own, allocated once.
// A search that is told to stop, or that runs out of time, returns at once
// with the best move it has found.
class Searcher {
public:
    // The table's size. The game's searches of a second or less run fastest
    // with a small one; exact solutions of 23 empty cells and more take fewer
    // nodes with 16 MiB, and larger tables only slow them.
    static constexpr int kDefaultTableMiB = 4;
    explicit Searcher(int tableMiB = kDefaultTableMiB);
    ~Searcher();
    Searcher(const Searcher&) = delete;
    Searcher& operator=(const Searcher&) = delete;

    Result Search(const Position& p, const Limits& limits, const std::atomic<bool>& stop);
    // The exact final disc difference with best play from both sides, empty
    // cells counting for the winner, and a move that reaches it. Not exact
    // when it was stopped.
    // The trained evaluation, when given, orders the moves, and from 20 empty
    // cells on it guides a selective pass whose result the exact tests start from.
    Result Solve(const Position& p, const std::atomic<bool>& stop,
                 const PatternWeights* weights = nullptr);

private:
    struct Entry;
    struct Bucket;
    class Run;

    std::span<Bucket> Table();

    std::unique_ptr<Bucket[]> table_;
    std::size_t buckets_ = 0; // a power of two
    // Counts the searches, so that a new one knows the entries of earlier ones.
    std::uint8_t generation_ = 0;
};

} // namespace tarvo::engine
