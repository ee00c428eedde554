#include "game/computer_player.h"

#include "game/rules.h"

#include <array>

namespace tarvo {

namespace {

class Position {
public:
    explicit Position(GameState& state) : s_(state) {}

    bool Computer(int r, int c) const { return s_.Board(r, c) == s_.CompColor; }
    bool Human(int r, int c) const { return s_.Board(r, c) == s_.HumanColor; }
    bool IsEmpty(int r, int c) const { return s_.Board(r, c) == Empty; }
    void Set(int r, int c, int16_t weight) { s_.Weight(r, c) = weight; }

private:
    GameState& s_;
};

void CornerGuards(Position& p) {
    // The (1, 1) corner groups its terms differently: (1, 3) alone is enough.
    if (p.Computer(1, 3) || (p.Computer(3, 1) && p.Human(2, 2))) {
        p.Set(3, 1, 1);
        p.Set(1, 3, 1);
    }
    if ((p.Computer(6, 8) || p.Computer(8, 6)) && p.Human(7, 7)) {
        p.Set(8, 6, 1);
        p.Set(6, 8, 1);
    }
    if ((p.Computer(1, 6) || p.Computer(3, 8)) && p.Human(2, 7)) {
        p.Set(1, 6, 1);
        p.Set(3, 8, 1);
    }
    if ((p.Computer(6, 1) || p.Computer(8, 3)) && p.Human(7, 2)) {
        p.Set(6, 1, 1);
        p.Set(8, 3, 1);
    }
}

void EdgeNeighbours(Position& p) {
    for (const int e : {1, 8}) {
        for (int j = 2; j <= 7; ++j) {
            if (p.Computer(j, e)) {
                p.Set(j - 1, e, 21);
                p.Set(j + 1, e, 21);
            }
            if (p.Computer(e, j)) {
                p.Set(e, j - 1, 21);
                p.Set(e, j + 1, 21);
            }
        }
        for (int j = 2; j <= 7; ++j) {
            if (p.Human(j, e)) {
                p.Set(j - 1, e, 2);
                p.Set(j + 1, e, 2);
            }
            if (p.Human(e, j)) {
                p.Set(e, j - 1, 2);
                p.Set(e, j + 1, 2);
            }
        }
    }
}

void CornerNeighbours(Position& p) {
    for (const auto& [r, c] : std::array<std::array<int, 2>, 8>{
             {{1, 2}, {1, 7}, {2, 1}, {7, 1}, {2, 8}, {7, 8}, {8, 2}, {8, 7}}}) {
        p.Set(r, c, 1);
    }
}

void BetweenHumanPieces(Position& p) {
    for (int j = 2; j <= 7; ++j) {
        if (p.Human(1, j - 1) && p.Human(1, j + 1)) {
            p.Set(1, j, 2);
        }
        if (p.Human(8, j - 1) && p.Human(8, j + 1)) {
            p.Set(8, j, 2);
        }
        if (p.Human(j - 1, 1) && p.Human(j + 1, 1)) {
            p.Set(j, 1, 2);
        }
        if (p.Human(j - 1, 8) && p.Human(j + 1, 8)) {
            p.Set(j, 8, 2);
        }
    }
}

// An edge seen as a line of cells 0..9, so that one walk serves rows and columns.
class EdgeLine {
public:
    EdgeLine(Position& p, int e, bool alongRow) : p_(p), e_(e), alongRow_(alongRow) {}

    bool Computer(int k) const { return alongRow_ ? p_.Computer(e_, k) : p_.Computer(k, e_); }
    bool Human(int k) const { return alongRow_ ? p_.Human(e_, k) : p_.Human(k, e_); }
    bool IsEmpty(int k) const { return alongRow_ ? p_.IsEmpty(e_, k) : p_.IsEmpty(k, e_); }
    void Set(int k, int16_t weight) {
        if (alongRow_) {
            p_.Set(e_, k, weight);
        } else {
            p_.Set(k, e_, weight);
        }
    }

    // The computer piece at j closes a run of human pieces that ends on an
    // empty cell in direction `step`: that cell gets 26, unless the computer
    // pieces would then lie between an empty cell and a human piece.
    void CloseRun(int j, int step) {
        int m = j + step;
        while (Human(m)) {
            m += step;
        }
        if (m >= 1 && m <= 8 && IsEmpty(m) && !(Human(j - step) && IsEmpty(m + step))) {
            Set(m, 26);
        }
    }

private:
    Position& p_;
    int e_;
    bool alongRow_;
};

void RunClosing(Position& p) {
    for (const int e : {1, 8}) {
        EdgeLine row(p, e, true);
        EdgeLine column(p, e, false);
        for (int j = 4; j <= 8; ++j) {
            for (EdgeLine* line : {&row, &column}) {
                if (line->Computer(j) && !line->IsEmpty(j - 1)) {
                    line->CloseRun(j, -1);
                }
            }
        }
        for (int j = 1; j <= 5; ++j) {
            if (row.Computer(j) && !row.IsEmpty(j + 1)) {
                row.CloseRun(j, +1);
            }
            if (column.Computer(j) && column.IsEmpty(j + 1)) {
                return; // ends the whole run-closing step, both edges
            }
            if (column.Computer(j)) {
                column.CloseRun(j, +1);
            }
        }
    }
}

void OwnedCorners(Position& p) {
    if (p.Computer(1, 1)) {
        for (int k = 2; k <= 6; ++k) {
            p.Set(1, k, 20);
            p.Set(k, 1, 20);
        }
    }
    if (p.Computer(1, 8)) {
        for (int k = 2; k <= 6; ++k) {
            p.Set(k, 8, 20);
            p.Set(1, 9 - k, 20);
        }
    }
    if (p.Computer(8, 1)) {
        for (int k = 2; k <= 6; ++k) {
            p.Set(9 - k, 1, 20);
            p.Set(8, k, 20);
        }
    }
    if (p.Computer(8, 8)) {
        for (int k = 3; k <= 6; ++k) {
            p.Set(k, 8, 20);
            p.Set(8, k, 20);
        }
    }
}

void TakenCorners(Position& p) {
    if (!p.IsEmpty(1, 1)) {
        p.Set(2, 2, 5);
    }
    if (!p.IsEmpty(1, 8)) {
        p.Set(2, 7, 5);
    }
    if (!p.IsEmpty(8, 1)) {
        p.Set(7, 2, 5);
    }
    if (!p.IsEmpty(8, 8)) {
        p.Set(7, 7, 5);
    }
}

void Corners(Position& p) {
    p.Set(1, 1, 30);
    p.Set(1, 8, 30);
    p.Set(8, 1, 30);
    p.Set(8, 8, 30);
}

void BehindOwnEdgePieces(Position& p) {
    for (int k = 3; k <= 6; ++k) {
        if (p.Computer(1, k)) {
            p.Set(2, k, 4);
        }
        if (p.Computer(8, k)) {
            p.Set(7, k, 4);
        }
        if (p.Computer(k, 1)) {
            p.Set(k, 2, 4);
        }
        if (p.Computer(k, 8)) {
            p.Set(k, 7, 4);
        }
    }
}

struct EdgeGap {
    int humanR, humanC, compR, compC, empty1R, empty1C, empty2R, empty2C, targetR, targetC;
};

// A computer and a human piece three cells apart on an edge with two empty
// cells between them: the empty cell next to the human piece gets 26.
constexpr std::array<EdgeGap, 8> kEdgeGaps = {{
    {7, 1, 4, 1, 5, 1, 6, 1, 6, 1},
    {1, 7, 1, 4, 1, 5, 1, 6, 1, 6},
    {2, 1, 5, 1, 3, 1, 4, 1, 3, 1},
    {1, 2, 1, 5, 1, 3, 1, 4, 1, 3},
    {8, 2, 8, 5, 8, 3, 8, 4, 8, 3},
    {2, 8, 5, 8, 3, 8, 4, 8, 3, 8},
    {8, 7, 8, 4, 8, 5, 8, 6, 8, 6},
    {7, 8, 4, 8, 5, 8, 6, 8, 6, 8},
}};

void EdgeGaps(Position& p) {
    for (const EdgeGap& g : kEdgeGaps) {
        if (p.Human(g.humanR, g.humanC) && p.Computer(g.compR, g.compC) &&
            p.IsEmpty(g.empty1R, g.empty1C) && p.IsEmpty(g.empty2R, g.empty2C)) {
            p.Set(g.targetR, g.targetC, 26);
        }
    }
}

int16_t CountComputerFlips(const GameState& s, int row, int col) {
    int16_t total = 0;
    for (int d = 1; d <= 8; ++d) {
        int n = 0;
        int i = row + s.DirRow(d);
        int j = col + s.DirCol(d);
        while (s.Board(i, j) == s.HumanColor) {
            ++n;
            i += s.DirRow(d);
            j += s.DirCol(d);
        }
        if (n != 0 && s.Board(i, j) != Empty) {
            total = static_cast<int16_t>(total + n);
        }
    }
    return total;
}

void WidenWindow(GameState& s) {
    if (s.MaxRow * s.MaxCol == 64 && s.MinRow * s.MinCol == 1) {
        return;
    }
    for (int k = 2; k <= 7; ++k) {
        if (s.Board(2, k) != Empty) {
            s.MinRow = 1;
        }
        if (s.Board(7, k) != Empty) {
            s.MaxRow = 8;
        }
        if (s.Board(k, 2) != Empty) {
            s.MinCol = 1;
        }
        if (s.Board(k, 7) != Empty) {
            s.MaxCol = 8;
        }
    }
}

} // namespace

void AdjustWeights(GameState& state) {
    Position p(state);
    CornerGuards(p);
    if (!IsEdgeCell(state.HumanRow, state.HumanCol) && !IsEdgeCell(state.CompRow, state.CompCol)) {
        return;
    }
    EdgeNeighbours(p);
    CornerNeighbours(p);
    BetweenHumanPieces(p);
    RunClosing(p);
    OwnedCorners(p);
    TakenCorners(p);
    Corners(p);
    BehindOwnEdgePieces(p);
    EdgeGaps(p);
}

BestMove SelectBestMoves(GameState& state, const std::function<void()>& yield) {
    WidenWindow(state);
    BestMove best;
    for (int a = state.MinRow, lastRow = state.MaxRow; a <= lastRow; ++a) {
        for (int b = state.MinCol, lastCol = state.MaxCol; b <= lastCol; ++b) {
            const int16_t weight = state.Weight(a, b);
            const int16_t flips = state.Board(a, b) == Empty && weight >= best.BestWeight
                                      ? CountComputerFlips(state, a, b)
                                      : int16_t{0};
            if (flips != 0 && (weight > best.BestWeight || flips > best.BestFlips)) {
                best = {weight, flips};
                state.BestCount = 0;
                state.BestRow(0) = static_cast<int16_t>(a);
                state.BestCol(0) = static_cast<int16_t>(b);
            } else if (flips != 0 && flips == best.BestFlips && state.BestCount < 9) {
                // The list holds ten moves: ties beyond the tenth are left out,
                // so every listed entry stays a valid move found in scan order.
                ++state.BestCount;
                state.BestRow(state.BestCount) = static_cast<int16_t>(a);
                state.BestCol(state.BestCount) = static_cast<int16_t>(b);
            }
            if (yield) {
                yield();
            }
        }
    }
    return best;
}

} // namespace tarvo
