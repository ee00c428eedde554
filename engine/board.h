#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tarvo::engine {

// One bit a cell: bit (row - 1) * 8 + (column - 1), row 1 at the top, so a1
// is bit 0 and h8 bit 63.
using Bits = std::uint64_t;

constexpr int CellIndex(int row, int col) {
    return (row - 1) * 8 + col - 1;
}
constexpr Bits Bit(int cell) {
    return Bits{1} << cell;
}

// The number of cells in `b`. Written out because the standard one becomes
// a library call on processors without a population-count instruction.
constexpr int Count(Bits b) {
    b -= (b >> 1) & 0x5555555555555555ULL;
    b = (b & 0x3333333333333333ULL) + ((b >> 2) & 0x3333333333333333ULL);
    b = (b + (b >> 4)) & 0x0f0f0f0f0f0f0f0fULL;
    return static_cast<int>((b * 0x0101010101010101ULL) >> 56);
}

// The eight directions, in pairs of opposites (direction d ^ 1 is the
// opposite of d): the cells one step from each cell of `b` in direction d,
// none wrapping round to the other side of the board.
constexpr int kDirections = 8;

namespace detail {
constexpr Bits kNotColumnA = 0xfefefefefefefefeULL;
constexpr Bits kNotColumnH = 0x7f7f7f7f7f7f7f7fULL;
// Each direction as a shift and the mask that stops a wrap to the other side.
struct Step {
    int shift;
    Bits mask;
};
constexpr std::array<Step, kDirections> kSteps = {{{1, kNotColumnA},
                                                   {-1, kNotColumnH},
                                                   {8, ~Bits{0}},
                                                   {-8, ~Bits{0}},
                                                   {9, kNotColumnA},
                                                   {-9, kNotColumnH},
                                                   {7, kNotColumnH},
                                                   {-7, kNotColumnA}}};
} // namespace detail

constexpr Bits Shift(Bits b, int d) {
    const detail::Step& step = detail::kSteps[static_cast<std::size_t>(d)];
    return (step.shift > 0 ? b << step.shift : b >> -step.shift) & step.mask;
}

// The cells next to the cells of `b`, in any direction.
constexpr Bits Neighbours(Bits b) {
    const Bits beside = ((b << 1) & detail::kNotColumnA) | ((b >> 1) & detail::kNotColumnH);
    const Bits row = b | beside;
    return beside | (row << 8) | (row >> 8);
}

// The discs of the side to move and of its opponent.
struct Position {
    Bits mine = 0;
    Bits theirs = 0;

    Bits Empty() const { return ~(mine | theirs); }
    int Empties() const { return Count(Empty()); }
    bool operator==(const Position&) const = default;
};

// The opening position, Black to move.
Position Opening();
// The tournament opening, which other programs and published games start
// from: the opening's colours swapped, white on d4 and e5; Black to move.
Position TournamentOpening();

// The cells where the side to move may play.
Bits Moves(Bits mine, Bits theirs);
inline Bits Moves(const Position& p) {
    return Moves(p.mine, p.theirs);
}

namespace detail {
// The cells beyond each cell in each direction, nearest first along the ray.
struct Rays {
    std::array<std::array<Bits, kDirections>, 64> ray{};
    constexpr Rays() {
        for (int cell = 0; cell < 64; ++cell) {
            for (int d = 0; d < kDirections; ++d) {
                for (Bits b = Shift(Bit(cell), d); b != 0; b = Shift(b, d)) {
                    ray[static_cast<std::size_t>(cell)][static_cast<std::size_t>(d)] |= b;
                }
            }
        }
    }
};
inline constexpr Rays kRays;
} // namespace detail

namespace detail {
// The discs a disc on `Cell` turns along direction D. Along each ray the first
// cell that is not the opponent's ends the run, which turns when that cell is
// ours. Even directions run towards higher bits, so their first cell is the
// lowest bit; odd ones the other way. No branches: which rays turn discs
// follows no pattern that a processor could guess.
template <int Cell, std::size_t D> Bits RayFlips(Bits mine, Bits theirs) {
    constexpr Bits ray = kRays.ray[Cell][D];
    if constexpr (Count(ray) < 2) {
        return 0; // no room for a run and the disc that ends it
    } else if constexpr (D % 2 == 0) {
        const Bits stop = ray & ~theirs;
        const Bits hit = stop & (~stop + 1) & mine;
        return ray & (hit - static_cast<Bits>(hit != 0));
    } else {
        // With no cell to stop it, the run is taken to end on a1, which then
        // is the opponent's or not on the ray.
        const Bits stop = (ray & ~theirs) | 1;
        const Bits hit = Bit(63 - std::countl_zero(stop)) & mine & ray;
        return ray & (Bits{0} - (hit << 1));
    }
}
template <int Cell> Bits FlipsAt(Bits mine, Bits theirs) {
    return [&]<std::size_t... D>(std::index_sequence<D...>) {
        return (RayFlips<Cell, D>(mine, theirs) | ...);
    }
    (std::make_index_sequence<kDirections>{});
}
// One function a cell, each with only the directions that can turn a disc
// there: the solver plays a move at nearly every node, mostly near the edges.
using FlipsFunction = Bits (*)(Bits, Bits);
template <std::size_t... Cell>
constexpr std::array<FlipsFunction, 64> FlipsTable(std::index_sequence<Cell...>) {
    return {&FlipsAt<static_cast<int>(Cell)>...};
}
inline constexpr std::array<FlipsFunction, 64> kFlipsAt =
    FlipsTable(std::make_index_sequence<64>{});
} // namespace detail

// The opponent's discs that a disc on `cell` turns over.
inline Bits Flips(Bits mine, Bits theirs, int cell) {
    return detail::kFlipsAt[static_cast<std::size_t>(cell)](mine, theirs);
}

// The position after the side to move plays `cell`, the opponent to move.
inline Position Play(const Position& p, int cell) {
    const Bits flips = Flips(p.mine, p.theirs, cell);
    return {p.theirs & ~flips, p.mine | flips | Bit(cell)};
}
inline Position Pass(const Position& p) {
    return {p.theirs, p.mine};
}

// A cell as its column letter and row digit, "f5"; "pass" for -1.
std::string CellName(int cell);
// The cell that a column letter and row digit name, "f5" or "F5"; nothing
// for anything else.
std::optional<int> CellOf(std::string_view name);

// The number of move sequences of `depth` moves, a pass counting as a move
// and a finished game as a leaf.
std::uint64_t Perft(const Position& p, int depth);

} // namespace tarvo::engine
