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

} // namespace

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
