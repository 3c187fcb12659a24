#pragma once
// The board: 13×13 piece codes addressed as 盤面(X, Y), X the column (1 = left),
// Y the row (1 = top of the screen). Row 0 and column 0 exist so that indices
// match the squares' numbers; they always read as empty.

#include <array>
#include <cmath>

#include "board/piece.h"

namespace bexoru {

inline constexpr int 盤サイズ = 12;

constexpr bool 盤内(int X, int Y) {
    return X >= 1 && X <= 盤サイズ && Y >= 1 && Y <= 盤サイズ;
}

struct 盤面型 {
    std::array<std::array<駒コード, 盤サイズ + 1>, 盤サイズ + 1> cells{};

    constexpr 駒コード& operator()(int X, int Y) {
        return cells[static_cast<std::size_t>(X)][static_cast<std::size_t>(Y)];
    }
    constexpr 駒コード operator()(int X, int Y) const {
        return cells[static_cast<std::size_t>(X)][static_cast<std::size_t>(Y)];
    }
    // Reads any (X, Y); a square off the board reads as empty.
    constexpr 駒コード at(int X, int Y) const {
        return X >= 0 && X <= 盤サイズ && Y >= 0 && Y <= 盤サイズ ? (*this)(X, Y) : 空;
    }
    friend bool operator==(const 盤面型&, const 盤面型&) = default;
};

// A square as column and row; either may lie off the board.
struct 桝位置 {
    int X = 0;
    int Y = 0;
    friend bool operator==(const 桝位置&, const 桝位置&) = default;
};

}  // namespace bexoru
