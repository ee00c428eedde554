#include "engine/search.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>

namespace tarvo::engine {

namespace {

using Clock = std::chrono::steady_clock;

// The table's entries come in buckets of four that share a cache line.
constexpr int kWays = 4;
constexpr int kInfinity = 1'000'000;
// A finished game's disc difference outweighs every evaluation.
constexpr int kDiscWorth = 1000;
// From this many empty cells down the solver drops the table and the sorting.
constexpr int kShallowEmpties = 6;
// From this many empty cells up the solver looks up each reply in the table first.
constexpr int kEtcEmpties = 8;
// From this many empty cells up the trained evaluation's searches of rising
// depth give the solver its first guess.
constexpr int kPreSearchEmpties = 12;
// From this many empty cells up the trained evaluation helps order the
// solver's moves; below, the subtrees are too small to repay it.
constexpr int kEvaluatedOrderEmpties = 14;
// From this many empty cells up the solver runs a selective pass before the
// exact one. In it, a node of kProbCutEmpties or more is cut when a short
// search with the trained evaluation lies kProbCutMargin discs or more
// outside the window.
constexpr int kSelectiveEmpties = 20;
constexpr int kProbCutEmpties = 12;
constexpr int kProbCutDepth = 4;
constexpr int kProbCutMargin = 6;
// The table's mark for a result of the selective pass: its move orders the
// exact search, its bounds serve only the selective pass. It lies between
// the middle game's depths and the exact results' 64 and more.
constexpr std::int8_t kSelectiveDepth = 63;
// With more empty cells the subtrees are large enough to repay a short search
// of each move instead of its evaluation: 2 plies from 20 empty cells, 4 from
// 23 and 6 from 26. Even depths: in trials, odd ones ordered far worse.
constexpr int OrderingDepth(int empties) {
    return std::clamp((empties - 17) / 3 * 2, 0, 6);
}

constexpr Bits kCorners = 0x8100000000000081ULL;
// The cells next to each corner, diagonally (X) and along the edges (C).
struct CornerCells {
    int corner, x, c1, c2;
};
constexpr std::array<CornerCells, 4> kCornerCells = {
    {{0, 9, 1, 8}, {7, 14, 6, 15}, {56, 49, 57, 48}, {63, 54, 62, 55}}};

// The board's quarters, for the parity of their empty cells.
constexpr std::array<Bits, 4> kQuadrants = {0x000000000f0f0f0fULL, 0x00000000f0f0f0f0ULL,
                                            0x0f0f0f0f00000000ULL, 0xf0f0f0f000000000ULL};
constexpr Bits Quadrant(int cell) {
    return kQuadrants[static_cast<std::size_t>((cell >> 4 & 2) | (cell >> 2 & 1))];
}
// The quadrants with an odd number of cells of `cells`. Folding each row's
// halves and then each half's rows leaves a quadrant's parity in its top-left
// cell, and a multiplication spreads that over the quadrant.
constexpr Bits OddQuadrants(Bits cells) {
    Bits folded = cells ^ cells >> 2;
    folded ^= folded >> 1;
    folded ^= folded >> 16;
    folded ^= folded >> 8;
    return (folded & 0x0000001100000011ULL) * 0x0f0f0f0fULL;
}
static_assert([] {
    for (int a = 0; a < 64; ++a) {
        for (int b = 0; b < 64; ++b) {
            const Bits cells = Bit(a) | Bit(b) | 0x8000000000000001ULL;
            Bits odd = 0;
            for (const Bits q : kQuadrants) {
                odd |= (Count(cells & q) & 1) != 0 ? q : 0;
            }
            if (OddQuadrants(cells) != odd) {
                return false;
            }
        }
    }
    return true;
}());

// The cells that n steps of (rows, cols) lead off the board from.
constexpr Bits Leaving(int rows, int cols, int n) {
    Bits leaving = 0;
    for (int cell = 0; cell < 64; ++cell) {
        const int row = cell / 8 + rows * n;
        const int col = cell % 8 + cols * n;
        leaving |= row < 0 || row > 7 || col < 0 || col > 7 ? Bit(cell) : 0;
    }
    return leaving;
}
// The cells of the diagonals with no empty cell, along steps of S bits (9:
// down and right, 7: down and left). Each cell's run of occupied cells is
// followed 1, 2 and then 4 steps at a time, both ways, to see that it reaches
// the board's edge.
template <int S> constexpr Bits FullDiagonals(Bits occupied) {
    constexpr int cols = S == 9 ? 1 : -1;
    constexpr std::array<Bits, 3> forwards = {Leaving(1, cols, 1), Leaving(1, cols, 2),
                                              Leaving(1, cols, 4)};
    constexpr std::array<Bits, 3> backwards = {Leaving(-1, -cols, 1), Leaving(-1, -cols, 2),
                                               Leaving(-1, -cols, 4)};
    Bits ahead = occupied;
    Bits behind = occupied;
    for (std::size_t i = 0; i < 3; ++i) {
        ahead &= ahead >> (S << i) | forwards[i];
        behind &= behind << (S << i) | backwards[i];
    }
    return ahead & behind;
}
// The cells of the lines with no empty cell, a set for each axis: rows,
// columns and the two diagonals, in the order of the directions' pairs. No
// move can ever be made on such a line, so none of its discs turns along it.
constexpr std::array<Bits, 4> FullLines(Bits occupied) {
    Bits rows = occupied & occupied >> 4;
    rows &= rows >> 2;
    rows &= rows >> 1;
    Bits columns = occupied & occupied >> 32;
    columns &= columns >> 16;
    columns &= columns >> 8;
    return {(rows & 0x0101010101010101ULL) * 0xff, (columns & 0xff) * 0x0101010101010101ULL,
            FullDiagonals<9>(occupied), FullDiagonals<7>(occupied)};
}
// On a board with one empty cell, the lines through it are the ones not full.
constexpr bool FullLinesFollowTheCells() {
    for (int empty = 0; empty < 64; ++empty) {
        const std::array<Bits, 4> full = FullLines(~Bit(empty));
        for (int cell = 0; cell < 64; ++cell) {
            const int rows = cell / 8 - empty / 8;
            const int cols = cell % 8 - empty % 8;
            const std::array<bool, 4> through = {rows == 0, cols == 0, rows == cols, rows == -cols};
            for (std::size_t axis = 0; axis < 4; ++axis) {
                if (((full[axis] >> cell & 1) != 0) == through[axis]) {
                    return false;
                }
            }
        }
    }
    return true;
}
static_assert(FullLinesFollowTheCells());

// Discs that can never be turned, as far as this cheap test sees: along each
// of the four lines through it, a disc has the board's edge or a stable disc
// of its own colour next to it, or the line is full (the solver gives the
// full lines; the hand-made evaluation was tuned without them). It grows from
// the corners along the edges.
Bits Stable(Bits own, const std::array<Bits, 4>& full = {}) {
    Bits stable = 0;
    for (;;) {
        Bits next = own;
        for (int axis = 0; axis < kDirections; axis += 2) {
            Bits safe = full[static_cast<std::size_t>(axis / 2)];
            for (const int i : {axis, axis + 1}) {
                // Cells whose neighbour in direction i is stable or off the board.
                const int back = i ^ 1;
                safe |= Shift(stable, back) | ~Shift(~Bits{0}, back);
            }
            next &= safe;
        }
        if (next == stable) {
            return stable;
        }
        stable = next;
    }
}

// A bound on the result that the opponent's discs that can never turn set,
// if it is no better than alpha.
std::optional<int> StabilityCut(const Position& p, int alpha) {
    if (alpha >= 64 - 2 * Count(p.theirs)) {
        const int bound = 64 - 2 * Count(Stable(p.theirs, FullLines(p.mine | p.theirs)));
        if (bound <= alpha) {
            return bound;
        }
    }
    return std::nullopt;
}

// The result of a finished game for the side to move, empty cells counting
// for the winner.
int FinalDifference(const Position& p) {
    const int difference = Count(p.mine) - Count(p.theirs);
    const int empties = p.Empties();
    return difference > 0 ? difference + empties : difference < 0 ? difference - empties : 0;
}

// The last empty cell's flips, counted line by line. On a full board but for
// that cell a line is known by the mover's discs on it alone, so a table gives
// the count for each place of the cell on a line and each pattern of discs.
struct LastFlips {
    std::array<std::array<std::uint8_t, 256>, 8> count{};
    std::array<Bits, 64> diagonal{}; // the cells on each cell's two diagonals
    std::array<Bits, 64> antidiagonal{};
    constexpr LastFlips() {
        for (int place = 0; place < 8; ++place) {
            for (int pattern = 0; pattern < 256; ++pattern) {
                int n = 0;
                for (const int step : {-1, 1}) {
                    int i = place + step;
                    for (; i >= 0 && i < 8 && (pattern >> i & 1) == 0; i += step) {
                    }
                    // A run up to the line's end, or past a diagonal's end, turns nothing.
                    n += i >= 0 && i < 8 ? (i - place) * step - 1 : 0;
                }
                count[static_cast<std::size_t>(place)][static_cast<std::size_t>(pattern)] =
                    static_cast<std::uint8_t>(n);
            }
        }
        for (int cell = 0; cell < 64; ++cell) {
            for (int other = 0; other < 64; ++other) {
                const int rows = other / 8 - cell / 8;
                const int cols = other % 8 - cell % 8;
                const auto c = static_cast<std::size_t>(cell);
                diagonal[c] |= rows == cols ? Bit(other) : 0;
                antidiagonal[c] |= rows == -cols ? Bit(other) : 0;
            }
        }
    }
};
constexpr LastFlips kLastFlips;

// The discs a disc of `mine` on `cell` turns when it is the board's last empty cell.
int LastFlipCount(Bits mine, int cell) {
    constexpr Bits kColumn = 0x0101010101010101ULL;
    const auto row = static_cast<std::size_t>(cell) / 8;
    const auto col = static_cast<std::size_t>(cell) % 8;
    const auto& count = kLastFlips.count;
    // A multiplication gathers a line's cells, one to a column, into the top byte.
    return count[col][(mine >> (row * 8)) & 0xff] +
           count[row][(((mine >> col) & kColumn) * 0x0102040810204080ULL) >> 56] +
           count[col][((mine & kLastFlips.diagonal[row * 8 + col]) * kColumn) >> 56] +
           count[col][((mine & kLastFlips.antidiagonal[row * 8 + col]) * kColumn) >> 56];
}

std::uint64_t Mix(std::uint64_t x) {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

std::uint64_t Key(const Position& p) {
    return Mix(p.mine) ^ Mix(p.theirs + 0x9e3779b97f4a7c15ULL);
}

// A position's moves in the order to try them: the table's move first, then
// those that leave the opponent the fewest replies (a reply into a corner
// counts twice, a move into a corner gains half a reply, and in the solver a
// move into a quadrant of the board with an odd number of empty cells gains a
// quarter); among equals, those that leave the fewest empty cells next to the
// mover's discs. With the trained evaluation, each disc it expects for the
// opponent counts as well, `discRank` to a reply's 64.
struct OrderedMoves {
    struct Move {
        int rank;
        int cell;
        Position next;
    };
    std::array<Move, 32> moves; // only the first `size` are set
    int size = 0;

    // Plays the moves, in no order yet.
    OrderedMoves(const Position& p, Bits cells) {
        for (; cells != 0; cells &= cells - 1) {
            const int cell = std::countr_zero(cells);
            moves[static_cast<std::size_t>(size++)] = {0, cell, Play(p, cell)};
        }
    }
    OrderedMoves(const Position& p, Bits cells, int first) : OrderedMoves(p, cells) {
        Order(first);
    }

    // `odd`: the quadrants with an odd number of empty cells.
    void Order(int first, Bits odd = 0) {
        Order(first, odd, 0, [](const Position&) { return 0; });
    }
    // `judge` tells what the position after a move is worth to the opponent,
    // in the trained evaluation's units.
    template <typename Judge> void Order(int first, Bits odd, int discRank, Judge judge) {
        for (int i = 0; i < size; ++i) {
            Move& m = moves[static_cast<std::size_t>(i)];
            if (m.cell == first) {
                m.rank = -kInfinity;
                continue;
            }
            const Bits replies = Moves(m.next);
            const Bits around = Neighbours(m.next.theirs) & m.next.Empty();
            m.rank = (Count(replies) + Count(replies & kCorners)) * 64 + Count(around) -
                     ((Bit(m.cell) & kCorners) != 0 ? 32 : 0) - ((Bit(m.cell) & odd) != 0 ? 16 : 0);
            if (discRank != 0) {
                m.rank += judge(m.next) * discRank / kEvalUnit;
            }
        }
        std::sort(moves.begin(), moves.begin() + size,
                  [](const Move& a, const Move& b) { return a.rank < b.rank; });
    }
};

// A searched score as final discs for the side to move.
int ScoreInDiscs(int score, bool trained) {
    // The hand-made evaluation's points were fitted to exact results for a
    // 10-ply search (eval_bench 100 10 3); the trained one counts in discs.
    constexpr double kPointsPerDisc = 4.15;
    const double discs = trained ? static_cast<double>(score) / kEvalUnit
                         : std::abs(score) >= kDiscWorth / 2
                             ? static_cast<double>(score) / kDiscWorth
                             : static_cast<double>(score) / kPointsPerDisc;
    return std::clamp(static_cast<int>(std::lround(discs)), -64, 64);
}

} // namespace

int Evaluate(const Position& p) {
    const int mobility = Count(Moves(p)) - Count(Moves(p.theirs, p.mine));
    const Bits nearEmpty = Neighbours(p.Empty());
    const int frontier = Count(p.theirs & nearEmpty) - Count(p.mine & nearEmpty);
    int corners = 0;
    for (const CornerCells& c : kCornerCells) {
        const Bits corner = Bit(c.corner);
        const int sign = (p.mine & corner) != 0 ? 1 : (p.theirs & corner) != 0 ? -1 : 0;
        corners += 25 * sign;
        if (sign == 0) {
            // A disc next to an empty corner may give the corner away.
            const auto worth = [&](int cell) {
                return (p.theirs & Bit(cell)) != 0 ? 1 : (p.mine & Bit(cell)) != 0 ? -1 : 0;
            };
            corners += 12 * worth(c.x) + 4 * (worth(c.c1) + worth(c.c2));
        }
    }
    const int stable = Count(Stable(p.mine)) - Count(Stable(p.theirs));
    const int empties = p.Empties();
    const int discs = empties < 20 ? (Count(p.mine) - Count(p.theirs)) * (20 - empties) / 8 : 0;
    return 3 * mobility + frontier + corners + 4 * stable + discs;
}

struct Searcher::Entry {
    std::uint64_t key = 0;
    std::int16_t lower = 0;
    std::int16_t upper = 0;
    std::int8_t depth = -1; // the middle-game depth, or 64 + empties for an exact result
    std::int8_t cell = -1;
    std::uint8_t generation = 0; // the search that stored it
};

struct alignas(64) Searcher::Bucket {
    std::array<Entry, kWays> ways;
};

// One search: its limits, its counts and whether it must stop.
class Searcher::Run {
public:
    // An exact solution orders its moves by the weights without their
    // network: it took as many nodes with the network (1 % fewer on FFO #40
    // to #49), each of them dearer.
    Run(std::span<Bucket> table, std::uint8_t generation, const std::atomic<bool>& stop,
        Clock::time_point deadline, const PatternWeights* weights, bool exact)
        : table_(table), generation_(generation), stop_(stop), deadline_(deadline),
          weights_(weights), network_(!exact),
          discWorth_(weights != nullptr ? kEvalUnit : kDiscWorth) {}

    bool aborted() const { return aborted_; }
    std::uint64_t nodes() const { return nodes_; }

    // The best cell and its score at the root, by the middle-game search.
    std::pair<int, int> Root(const Position& p, int depth, int first) {
        const auto [best, cell] = Principal(OrderedMoves(p, Moves(p), first), -kInfinity, kInfinity,
                                            [&](const Position& next, int a, int b) {
                                                return -AlphaBeta(next, depth - 1, -b, -a);
                                            });
        return {cell, best};
    }

    // The exact result by narrow tests: whether it reaches a first guess,
    // then upwards from there, since a test that the result reaches a guess
    // costs far less than one that it falls short. Results are even, so the
    // odd values either side of a guess tell whether the result is below, at
    // or above it. With no estimate the first guess is a draw, and a test
    // that falls short drops the guess well below. The trained evaluation's
    // searches of rising depth, to about half the empty cells and at most 12
    // plies, give an estimate, and the first guess lies a little below it;
    // they also seed the table with good moves. Two plies shallower, the
    // solver took 13 % more nodes; two deeper, the searches cost more than
    // they saved.
    //
    // With many empty cells the same tests are run first in a selective pass,
    // which cuts a node where a short search lies far outside the window. It
    // finds a result close to the exact one for a small part of the nodes,
    // and leaves the exact tests, which start from that result, a table full
    // of good moves from all depths.
    std::pair<int, int> RootExact(const Position& p) {
        const auto child = [&](const Position& next, int alpha, int beta) {
            return -Solve(next, -beta, -alpha);
        };
        int first = -1; // the move that reached the last guess
        int guess = 0;
        int drop = 16;
        if (weights_ != nullptr && p.Empties() >= kPreSearchEmpties) {
            int estimate = 0;
            for (int depth = 2; depth <= std::min((p.Empties() - 2) / 2, 12) && !aborted_;
                 depth += 2) {
                std::tie(first, estimate) = Root(p, depth, first);
            }
            const long even = std::lround(static_cast<double>(estimate) / kEvalUnit / 2) * 2;
            guess = std::clamp(static_cast<int>(even) - 4, -64, 64);
            drop = 2;
        }
        // A cut node's bound is odd, so a selective guess is made even; and
        // a selective test may fall short of a guess an earlier one reached,
        // which settles the selective result between the two.
        const auto tests = [&](int guess) {
            bool rose = false;
            for (;;) {
                const auto [best, cell] =
                    Principal(OrderedMoves(p, Moves(p), first), guess - 1, guess + 1, child);
                if (best == guess || aborted_) {
                    return std::pair{cell, best};
                }
                if (best > guess) {
                    first = cell;
                    guess = best + (best & 1);
                    rose = true;
                } else if (rose) {
                    return std::pair{first, guess - 2};
                } else {
                    guess = std::max(best - (best & 1) - drop, -64);
                }
            }
        };
        if (weights_ != nullptr && p.Empties() >= kSelectiveEmpties) {
            margin_ = kProbCutMargin;
            std::tie(first, guess) = tests(guess);
            margin_ = 0;
        }
        return tests(guess);
    }

private:
    bool MustStop() {
        if ((++nodes_ & 1023) == 0 &&
            (stop_.load(std::memory_order_relaxed) || Clock::now() >= deadline_)) {
            aborted_ = true;
        }
        return aborted_;
    }

    // A position is looked for in each entry of its bucket, and a new one
    // takes the place of one left by an earlier search, or else of the
    // shallowest, so that the few deep results outlive the many shallow ones.
    Entry* BucketOf(std::uint64_t key) { return table_[key & (table_.size() - 1)].ways.data(); }
    Entry& Slot(std::uint64_t key) {
        Entry* bucket = BucketOf(key);
        for (int i = 0; i < kWays; ++i) {
            if (bucket[i].key == key) {
                return bucket[i];
            }
        }
        for (int i = 0; i < kWays; ++i) {
            if (bucket[i].generation != generation_) {
                return bucket[i];
            }
        }
        Entry* shallowest = bucket;
        for (int i = 1; i < kWays; ++i) {
            shallowest = bucket[i].depth < shallowest->depth ? &bucket[i] : shallowest;
        }
        return *shallowest;
    }

    // The moves in their order, the first searched with the whole window and
    // each other one with a null window first: the best score and its cell.
    // `child` gives a move's score from the mover's side within a window.
    template <typename Child>
    std::pair<int, int> Principal(const OrderedMoves& ordered, int alpha, int beta, Child child) {
        int best = -kInfinity;
        // When stopped at once, the first move stands in for the best one.
        int bestCell = ordered.size > 0 ? ordered.moves[0].cell : -1;
        for (int i = 0; i < ordered.size; ++i) {
            const auto& [rank, cell, next] = ordered.moves[static_cast<std::size_t>(i)];
            int score = child(next, alpha, i == 0 ? beta : alpha + 1);
            if (i > 0 && score > alpha && score < beta && !aborted_) {
                score = child(next, score, beta);
            }
            if (aborted_) {
                break;
            }
            if (score > best) {
                best = score;
                bestCell = cell;
                alpha = std::max(alpha, score);
                if (alpha >= beta) {
                    break;
                }
            }
        }
        return {best, bestCell};
    }

    int AlphaBeta(const Position& p, int depth, int alpha, int beta) {
        if (MustStop()) {
            return 0;
        }
        const Bits moves = Moves(p);
        if (moves == 0) {
            if (Moves(p.theirs, p.mine) == 0) {
                return FinalDifference(p) * discWorth_;
            }
            return -AlphaBeta(Pass(p), depth, -beta, -alpha);
        }
        if (depth <= 0) {
            return weights_ != nullptr ? weights_->Evaluate(p, network_) : Evaluate(p);
        }
        const std::uint64_t key = Key(p);
        Entry& entry = Slot(key);
        int first = -1;
        if (entry.key == key) {
            first = entry.cell;
            // An exact result's bounds hold at any depth.
            const int scale = entry.depth >= 64 ? discWorth_ : 1;
            if (entry.depth >= depth && entry.depth != kSelectiveDepth) {
                if (entry.lower * scale >= beta) {
                    return entry.lower * scale;
                }
                if (entry.upper * scale <= alpha) {
                    return entry.upper * scale;
                }
            }
        }
        const bool keep = entry.key == key && entry.depth >= 64;
        const int alphaIn = alpha;
        const auto [best, bestCell] = Principal(OrderedMoves(p, moves, first), alpha, beta,
                                                [&](const Position& next, int a, int b) {
                                                    return -AlphaBeta(next, depth - 1, -b, -a);
                                                });
        if (aborted_) {
            return 0;
        }
        if (keep) {
            return best;
        }
        // Evaluations fit 16 bits; finished games are stored clamped.
        const auto narrow = [](int v) {
            return static_cast<std::int16_t>(std::clamp(v, -32000, 32000));
        };
        entry = {key,
                 best > alphaIn ? narrow(best) : std::int16_t{-32000},
                 best < beta ? narrow(best) : std::int16_t{32000},
                 static_cast<std::int8_t>(depth),
                 static_cast<std::int8_t>(bestCell),
                 generation_};
        return best;
    }

    // The exact final disc difference, within alpha and beta.
    int Solve(const Position& p, int alpha, int beta) {
        const Bits empty = p.Empty();
        const int empties = Count(empty);
        const Bits odd = OddQuadrants(empty);
        if (empties <= kShallowEmpties) {
            return SolveShallow(p, empty, odd, empties, alpha, beta);
        }
        if (MustStop()) {
            return 0;
        }
        if (const std::optional<int> bound = StabilityCut(p, alpha)) {
            return *bound;
        }
        const Bits moves = Moves(p);
        if (moves == 0) {
            if (Moves(p.theirs, p.mine) == 0) {
                return FinalDifference(p);
            }
            return -Solve(Pass(p), -beta, -alpha);
        }
        const std::uint64_t key = Key(p);
        Entry& entry = Slot(key);
        int first = -1;
        if (entry.key == key) {
            first = entry.cell;
            if (entry.depth == 64 + empties || (margin_ > 0 && entry.depth == kSelectiveDepth)) {
                if (entry.lower >= beta) {
                    return entry.lower;
                }
                if (entry.upper <= alpha || entry.lower == entry.upper) {
                    return entry.upper;
                }
                alpha = std::max<int>(alpha, entry.lower);
                beta = std::min<int>(beta, entry.upper);
            }
        }
        // A cut's bound is the window's edge, and only one a result can reach:
        // the evaluation may promise more than 64 discs, and a bound beyond
        // them would keep the tests at the end of the scale from settling.
        const bool selective = margin_ > 0 && empties >= kProbCutEmpties;
        if (selective) {
            const int estimate = AlphaBeta(p, kProbCutDepth, -kInfinity, kInfinity) / kEvalUnit;
            if (estimate - margin_ >= beta && beta <= 64) {
                return beta;
            }
            if (estimate + margin_ <= alpha && alpha >= -64) {
                return alpha;
            }
        }
        OrderedMoves ordered(p, moves);
        // A reply already known to be good enough ends the search here. The
        // replies' entries are fetched while the moves are ordered.
        std::array<std::uint64_t, 32> keys; // one for each move
        const bool lookAhead = empties >= kEtcEmpties;
        if (lookAhead) {
            for (int i = 0; i < ordered.size; ++i) {
                keys[static_cast<std::size_t>(i)] =
                    Key(ordered.moves[static_cast<std::size_t>(i)].next);
                __builtin_prefetch(BucketOf(keys[static_cast<std::size_t>(i)]));
            }
        }
        // The more empty cells, the more the evaluation's judgement is worth
        // beside the count of replies: from a quarter of a reply a disc at 14
        // empty cells to five eighths at 26.
        if (weights_ != nullptr && empties >= kEvaluatedOrderEmpties) {
            const int depth = OrderingDepth(empties);
            ordered.Order(first, odd, 2 * empties - 12, [&](const Position& next) {
                return depth == 0 ? weights_->Evaluate(next, network_)
                                  : AlphaBeta(next, depth, -kInfinity, kInfinity);
            });
        } else {
            ordered.Order(first, odd);
        }
        if (lookAhead) {
            for (const std::uint64_t childKey :
                 std::span(keys).first(static_cast<std::size_t>(ordered.size))) {
                const Entry& child = Slot(childKey);
                if (child.key == childKey && child.depth == 63 + empties && -child.upper >= beta) {
                    return -child.upper;
                }
            }
        }
        const int alphaIn = alpha;
        const auto [best, bestCell] =
            Principal(ordered, alpha, beta,
                      [&](const Position& next, int a, int b) { return -Solve(next, -b, -a); });
        if (aborted_) {
            return 0;
        }
        entry = {key,
                 static_cast<std::int16_t>(best > alphaIn ? best : -64),
                 static_cast<std::int16_t>(best < beta ? best : 64),
                 static_cast<std::int8_t>(selective ? kSelectiveDepth : 64 + empties),
                 static_cast<std::int8_t>(bestCell),
                 generation_};
        return best;
    }

    // Few empty cells: no table, no move generation and no sorting, but the
    // cells of regions with an odd number of empty cells first, since the
    // last move in a region is often worth most.
    // `odd` holds the quadrants with an odd number of empty cells.
    int SolveShallow(const Position& p, Bits empty, Bits odd, int empties, int alpha, int beta) {
        if (empties == 1) {
            return LastCell(p, std::countr_zero(empty));
        }
        if (empties == 2) {
            return LastTwo(p, empty, alpha, beta);
        }
        if (MustStop()) {
            return 0;
        }
        // Below five empty cells the test costs more than it saves.
        if (empties >= 5) {
            if (const std::optional<int> bound = StabilityCut(p, alpha)) {
                return *bound;
            }
        }
        // Only a cell next to an opponent's disc can turn one.
        const Bits candidates = empty & Neighbours(p.theirs);
        int best = -kInfinity;
        for (const Bits group : {candidates & odd, candidates & ~odd}) {
            for (Bits m = group; m != 0; m &= m - 1) {
                const int cell = std::countr_zero(m);
                const Bits flips = Flips(p.mine, p.theirs, cell);
                if (flips == 0) {
                    continue;
                }
                const Position next{p.theirs & ~flips, p.mine | flips | Bit(cell)};
                const int score = -SolveShallow(next, empty & ~Bit(cell), odd ^ Quadrant(cell),
                                                empties - 1, -beta, -alpha);
                if (aborted_) {
                    return 0;
                }
                if (score > best) {
                    best = score;
                    alpha = std::max(alpha, score);
                    if (alpha >= beta) {
                        return best;
                    }
                }
            }
        }
        if (best != -kInfinity) {
            return best;
        }
        for (Bits m = empty & Neighbours(p.mine); m != 0; m &= m - 1) {
            if (Flips(p.theirs, p.mine, std::countr_zero(m)) != 0) {
                return -SolveShallow(Pass(p), empty, odd, empties, -beta, -alpha);
            }
        }
        return FinalDifference(p);
    }

    // Two empty cells: each tried in turn, with nothing to order.
    int LastTwo(const Position& p, Bits empty, int alpha, int beta) {
        if (MustStop()) {
            return 0;
        }
        const int a = std::countr_zero(empty);
        const int b = std::countr_zero(empty & (empty - 1));
        // The score of playing `cell` with `other` left, if it turns a disc.
        const auto play = [&](int cell, int other) {
            const Bits flips = Flips(p.mine, p.theirs, cell);
            return flips != 0 ? -LastCell({p.theirs & ~flips, p.mine | flips | Bit(cell)}, other)
                              : -kInfinity;
        };
        int best = play(a, b);
        if (best >= beta) {
            return best;
        }
        best = std::max(best, play(b, a));
        if (best != -kInfinity) {
            return best;
        }
        if (Flips(p.theirs, p.mine, a) != 0 || Flips(p.theirs, p.mine, b) != 0) {
            return -LastTwo(Pass(p), empty, -beta, -alpha);
        }
        return FinalDifference(p);
    }

    int LastCell(const Position& p, int cell) {
        // 63 discs: the difference is odd, so never a draw.
        const int difference = 2 * Count(p.mine) - 63;
        if (const int n = LastFlipCount(p.mine, cell); n > 0) {
            return difference + 2 * n + 1;
        }
        if (const int n = LastFlipCount(p.theirs, cell); n > 0) {
            return difference - 2 * n - 1;
        }
        return difference > 0 ? difference + 1 : difference - 1;
    }

    std::span<Bucket> table_; // a power of two buckets
    std::uint8_t generation_;
    const std::atomic<bool>& stop_;
    Clock::time_point deadline_;
    const PatternWeights* weights_;
    bool network_;
    int discWorth_;
    std::uint64_t nodes_ = 0;
    bool aborted_ = false;
    int margin_ = 0; // in the selective pass, kProbCutMargin
};

Searcher::Searcher(int tableMiB) {
    const auto wanted = static_cast<std::size_t>(std::max(tableMiB, 1)) << 20;
    buckets_ = std::bit_floor(wanted / sizeof(Bucket));
    table_.reset(new Bucket[buckets_]);
}

Searcher::~Searcher() = default;

std::span<Searcher::Bucket> Searcher::Table() {
    return {table_.get(), buckets_};
}

Result Searcher::Solve(const Position& p, const std::atomic<bool>& stop,
                       const PatternWeights* weights) {
    if (Moves(p) == 0) {
        if (Moves(p.theirs, p.mine) == 0) {
            return {-1, FinalDifference(p), true, 0, FinalDifference(p)};
        }
        Result other = Solve(Pass(p), stop, weights);
        return {-1, -other.score, other.exact, other.nodes, -other.score, other.depth};
    }
    Result result;
    Run run(Table(), ++generation_, stop, Clock::time_point::max(), weights, true);
    std::tie(result.cell, result.score) = run.RootExact(p);
    result.exact = !run.aborted();
    result.nodes = run.nodes();
    result.discs = result.score;
    result.depth = p.Empties();
    return result;
}

Result Searcher::Search(const Position& p, const Limits& limits, const std::atomic<bool>& stop) {
    const Clock::time_point start = Clock::now();
    ++generation_;
    const Clock::time_point deadline =
        limits.time.count() > 0 ? start + limits.time : Clock::time_point::max();
    Result result;
    if (Moves(p) == 0) {
        return result;
    }
    if (p.Empties() <= limits.exactFrom) {
        // The exact solution, if it comes within the first part of the budget.
        Run run(Table(), generation_, stop,
                limits.time.count() > 0 ? start + limits.time * 3 / 5 : Clock::time_point::max(),
                limits.weights, true);
        std::tie(result.cell, result.score) = run.RootExact(p);
        result.nodes = run.nodes();
        if (!run.aborted()) {
            result.exact = true;
            result.discs = result.score;
            result.depth = p.Empties();
            return result;
        }
    }
    for (int depth = 1; depth <= std::min(limits.depth, p.Empties()); ++depth) {
        // An iteration takes longer than all before it: one that would begin
        // after half the budget is not begun.
        if (limits.time.count() > 0 && Clock::now() > start + limits.time / 2) {
            break;
        }
        Run run(Table(), generation_, stop, deadline, limits.weights, false);
        const auto [cell, score] = run.Root(p, depth, result.cell);
        result.nodes += run.nodes();
        if (run.aborted()) {
            break;
        }
        result.cell = cell;
        result.score = score;
        result.depth = depth;
    }
    if (result.cell < 0) {
        // Stopped before the first iteration ended: any legal move will do.
        result.cell = std::countr_zero(Moves(p));
    }
    result.discs = ScoreInDiscs(result.score, limits.weights != nullptr);
    return result;
}

} // namespace tarvo::engine
