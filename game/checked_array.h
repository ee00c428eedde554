#pragma once

#include "game/runtime_error.h"

#include <array>
#include <cstdint>

namespace tarvo {

// Fixed arrays of 16-bit integers with subscripts 0..N-1. A subscript outside
// the declared bounds raises "Subscript out of range" instead of touching memory.
template <int N> class CheckedArray {
public:
    int16_t& operator()(int i) { return cells_[Index(i)]; }
    int16_t operator()(int i) const { return cells_[Index(i)]; }
    bool operator==(const CheckedArray&) const = default;

private:
    static std::size_t Index(int i) {
        if (i < 0 || i >= N) {
            RaiseError(kSubscriptOutOfRange);
        }
        return static_cast<std::size_t>(i);
    }

    std::array<int16_t, N> cells_{};
};

template <int Rows, int Cols> class CheckedGrid {
public:
    int16_t& operator()(int row, int col) { return cells_[Index(row, col)]; }
    int16_t operator()(int row, int col) const { return cells_[Index(row, col)]; }
    bool operator==(const CheckedGrid&) const = default;

private:
    static std::size_t Index(int row, int col) {
        if (row < 0 || row >= Rows || col < 0 || col >= Cols) {
            RaiseError(kSubscriptOutOfRange);
        }
        return static_cast<std::size_t>(row * Cols + col);
    }

    std::array<int16_t, Rows * Cols> cells_{};
};

} // namespace tarvo
