#include "game/rules.h"

namespace tarvo {

bool IsOutside(int row, int col) {
    return row < 1 || row > 8 || col < 1 || col > 8;
}

bool IsEdgeCell(int row, int col) {
    return row == 1 || row == 8 || col == 1 || col == 8;
}

bool IsHumanMove(const GameState& state, int row, int col) {
    if (state.Board(row, col) != Empty) {
        return false;
    }
    for (int d = 1; d <= 8; ++d) {
        int n = 0;
        int i = row;
        int j = col;
        for (;;) {
            i += state.DirRow(d);
            j += state.DirCol(d);
            if (IsOutside(i, j) || state.Board(i, j) != state.CompColor) {
                break;
            }
            ++n;
        }
        if (n > 0 && state.Board(i, j) == state.HumanColor) {
            return true;
        }
    }
    return false;
}

bool IsHumanClosedIn(const GameState& state) {
    for (int a = 1; a <= 8; ++a) {
        for (int b = 1; b <= 8; ++b) {
            if (IsHumanMove(state, a, b)) {
                return false;
            }
        }
    }
    return true;
}

int16_t FlipPieces(GameState& state, int row, int col, int16_t colour) {
    const int16_t opponent = OpponentOf(colour);
    int16_t total = 0;
    for (int d = 1; d <= 8; ++d) {
        const int dr = state.DirRow(d);
        const int dc = state.DirCol(d);
        int n = 0;
        int i = row + dr;
        int j = col + dc;
        while (state.Board(i, j) == opponent) {
            ++n;
            i += dr;
            j += dc;
        }
        if (n == 0 || state.Board(i, j) == Empty) {
            continue;
        }
        total = static_cast<int16_t>(total + n);
        // Turn exactly the n pieces of the run, so that the walk back can never
        // pass the played cell, whatever that cell holds.
        for (int k = 0; k < n; ++k) {
            i -= dr;
            j -= dc;
            state.Board(i, j) = colour;
        }
    }
    return total;
}

} // namespace tarvo
