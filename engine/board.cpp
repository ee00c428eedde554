#include "engine/board.h"

#include <cctype>

namespace tarvo::engine {

namespace {

// A board and the same board upside down, side by side in one register.
// Downwards on the second is upwards on the first, so the shifts of one way
// along the columns and diagonals give both ways at once.
using Boards = Bits __attribute__((vector_size(16)));

// Cells one step of S bits on: towards higher bits for S > 0, lower for S < 0.
template <int S, typename B> B Step(B b) {
    if constexpr (S > 0) {
        return b << S;
    } else {
        return b >> -S;
    }
}

// The moves one way along a line: runs of the opponent's discs that begin
// next to one of ours, and the empty cell after each run. `theirs` is masked
// so that no run wraps round the board's edge. A run grows one disc, then two
// at a time, to the six it can be at most.
template <int S, typename B> B MovesAlong(B mine, B theirs) {
    const B pairs = theirs & Step<S>(theirs);
    B run = theirs & Step<S>(mine);
    run |= theirs & Step<S>(run);
    run |= pairs & Step<2 * S>(run);
    run |= pairs & Step<2 * S>(run);
    return Step<S>(run);
}

} // namespace

std::string CellName(int cell) {
    if (cell < 0) {
        return "pass";
    }
    return {static_cast<char>('a' + cell % 8), static_cast<char>('1' + cell / 8)};
}

std::optional<int> CellOf(std::string_view name) {
    if (name.size() != 2) {
        return std::nullopt;
    }
    const char column = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    if (column < 'a' || column > 'h' || name[1] < '1' || name[1] > '8') {
        return std::nullopt;
    }
    return CellIndex(name[1] - '0', column - 'a' + 1);
}

Position Opening() {
    return {Bit(CellIndex(4, 4)) | Bit(CellIndex(5, 5)),
            Bit(CellIndex(4, 5)) | Bit(CellIndex(5, 4))};
}

Position TournamentOpening() {
    return Pass(Opening());
}

Bits Moves(Bits mine, Bits theirs) {
    constexpr Bits kInner = 0x7e7e7e7e7e7e7e7eULL;
    const Boards m = {mine, __builtin_bswap64(mine)};
    const Boards t = {theirs, __builtin_bswap64(theirs)};
    const Boards inner = t & kInner;
    const Boards down = MovesAlong<8>(m, t) | MovesAlong<7>(m, inner) | MovesAlong<9>(m, inner);
    const Bits row = MovesAlong<1>(mine, theirs & kInner) | MovesAlong<-1>(mine, theirs & kInner);
    const Bits moves = row | down[0] | __builtin_bswap64(down[1]);
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
