#include "engine/board.h"

namespace tarvo::engine {

namespace {

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
constexpr Rays kRays;

// The moves along one line, both ways: runs of the opponent's discs that
// begin next to one of ours, and the empty cell after each run. `theirs` is
// masked so that no run wraps round the board's edge.
template <int S> Bits MovesAlong(Bits mine, Bits theirs) {
    Bits up = theirs & (mine << S);
    Bits down = theirs & (mine >> S);
    for (int i = 0; i < 5; ++i) {
        up |= theirs & (up << S);
        down |= theirs & (down >> S);
    }
    return (up << S) | (down >> S);
}

} // namespace

Bits Neighbours(Bits b) {
    Bits around = 0;
    for (int d = 0; d < kDirections; ++d) {
        around |= Shift(b, d);
    }
    return around;
}

Position Opening() {
    return {Bit(CellIndex(4, 4)) | Bit(CellIndex(5, 5)),
            Bit(CellIndex(4, 5)) | Bit(CellIndex(5, 4))};
}

Bits Moves(Bits mine, Bits theirs) {
    constexpr Bits kInner = 0x7e7e7e7e7e7e7e7eULL;
    const Bits inner = theirs & kInner;
    const Bits moves = MovesAlong<1>(mine, inner) | MovesAlong<8>(mine, theirs) |
                       MovesAlong<7>(mine, inner) | MovesAlong<9>(mine, inner);
    return moves & ~(mine | theirs);
}

Bits Flips(Bits mine, Bits theirs, int cell) {
    const auto& rays = kRays.ray[static_cast<std::size_t>(cell)];
    Bits flips = 0;
    // Along each ray the first cell that is not the opponent's ends the run,
    // which turns when that cell is ours. Even directions run towards higher
    // bits, so their first cell is the lowest bit; odd ones the other way.
    for (std::size_t d = 0; d < kDirections; d += 2) {
        const Bits stop = rays[d] & ~theirs;
        const Bits first = stop & (~stop + 1);
        flips |= (first & mine) != 0 ? rays[d] & (first - 1) : 0;
    }
    for (std::size_t d = 1; d < kDirections; d += 2) {
        const Bits stop = rays[d] & ~theirs;
        const Bits first = stop != 0 ? Bit(63 - std::countl_zero(stop)) : 0;
        flips |= (first & mine) != 0 ? rays[d] & ~(first | (first - 1)) : 0;
    }
    return flips;
}

std::uint64_t Perft(const Position& p, int depth) {
    if (depth == 0) {
        return 1;
    }
    Bits moves = Moves(p);
    if (moves == 0) {
        return Moves(p.theirs, p.mine) == 0 ? 1 : Perft(Pass(p), depth - 1);
    }
    if (depth == 1) {
        return static_cast<std::uint64_t>(Count(moves));
    }
    std::uint64_t total = 0;
    for (; moves != 0; moves &= moves - 1) {
        total += Perft(Play(p, std::countr_zero(moves)), depth - 1);
    }
    return total;
}

} // namespace tarvo::engine
