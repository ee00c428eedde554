#include "engine/board.h"

namespace tarvo::engine {

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
    const Bits empty = ~(mine | theirs);
    Bits moves = 0;
    for (int d = 0; d < kDirections; ++d) {
        Bits run = Shift(mine, d) & theirs;
        for (int i = 0; i < 5; ++i) {
            run |= Shift(run, d) & theirs;
        }
        moves |= Shift(run, d) & empty;
    }
    return moves;
}

Bits Flips(Bits mine, Bits theirs, int cell) {
    Bits flips = 0;
    for (int d = 0; d < kDirections; ++d) {
        Bits run = 0;
        Bits next = Shift(Bit(cell), d);
        while ((next & theirs) != 0) {
            run |= next;
            next = Shift(next, d);
        }
        if ((next & mine) != 0) {
            flips |= run;
        }
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
        return static_cast<std::uint64_t>(std::popcount(moves));
    }
    std::uint64_t total = 0;
    for (; moves != 0; moves &= moves - 1) {
        total += Perft(Play(p, std::countr_zero(moves)), depth - 1);
    }
    return total;
}

} // namespace tarvo::engine
