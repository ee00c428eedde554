#include "engine/board.h"

namespace tarvo::engine {

namespace {

// The moves along one line, both ways: runs of the opponent's discs that
// begin next to one of ours, and the empty cell after each run. `theirs` is
// masked so that no run wraps round the board's edge. A run grows one disc,
// then two at a time, to the six it can be at most.
template <int S> Bits MovesAlong(Bits mine, Bits theirs) {
    const Bits pairsUp = theirs & (theirs << S);
    const Bits pairsDown = theirs & (theirs >> S);
    Bits up = theirs & (mine << S);
    Bits down = theirs & (mine >> S);
    up |= theirs & (up << S);
    down |= theirs & (down >> S);
    up |= pairsUp & (up << 2 * S);
    down |= pairsDown & (down >> 2 * S);
    up |= pairsUp & (up << 2 * S);
    down |= pairsDown & (down >> 2 * S);
    return (up << S) | (down >> S);
}

// A board and the same board upside down, side by side in one register.
// Downwards on the second is upwards on the first, so the shifts of one way
// along the columns and diagonals give both ways at once.
using Boards = Bits __attribute__((vector_size(16)));

template <int S> Boards MovesDown(Boards mine, Boards theirs) {
    const Boards pairs = theirs & (theirs << S);
    Boards run = theirs & (mine << S);
    run |= theirs & (run << S);
    run |= pairs & (run << 2 * S);
    run |= pairs & (run << 2 * S);
    return run << S;
}

} // namespace

Position Opening() {
    return {Bit(CellIndex(4, 4)) | Bit(CellIndex(5, 5)),
            Bit(CellIndex(4, 5)) | Bit(CellIndex(5, 4))};
}

Bits Moves(Bits mine, Bits theirs) {
    constexpr Bits kInner = 0x7e7e7e7e7e7e7e7eULL;
    const Boards m = {mine, __builtin_bswap64(mine)};
    const Boards t = {theirs, __builtin_bswap64(theirs)};
    const Boards inner = t & kInner;
    const Boards down = MovesDown<8>(m, t) | MovesDown<7>(m, inner) | MovesDown<9>(m, inner);
    const Bits moves = MovesAlong<1>(mine, theirs & kInner) | down[0] | __builtin_bswap64(down[1]);
    return moves & ~(mine | theirs);
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
