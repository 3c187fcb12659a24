#pragma once
// How every kind moves, relative to its own forward, as the searching
// engine's generator and evaluation walk it: how far along each of the eight
// directions, and which squares it jumps to. Read at compile time from the
// rules' move table, so the search cannot move a piece differently.

#include <array>
#include <cstdint>

#include "board/board.h"
#include "board/piece.h"
#include "rules/move_patterns.h"
#include "search/position.h"

namespace bexoru::search::kinds_detail {

inline constexpr int A = 盤サイズ;  // any distance

// The eight directions as (dx, forward): N, NE, E, SE, S, SW, W, NW.
inline constexpr int dir_dx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
inline constexpr int dir_fwd[8] = {1, 1, 0, -1, -1, -1, 0, 1};

struct Kind {
    std::array<std::uint8_t, 8> range{};  // how far along each direction (0 none, 1 a step, A any)
    int jumps = 0;
    std::array<std::array<std::int8_t, 2>, 24> jump{};  // (dx, forward)
};

// One row of the rules' move table (rules/move_patterns.h) as the
// generator walks it: the five kinds of line spread over the eight
// directions (left and right alike), and the jump squares in the order of
// their bits (rows from backward to forward, columns from left to right).
inline constexpr Kind from_pattern(const 動き定義& d) {
    Kind k;
    k.range = {d.前, d.斜前, d.横, d.斜後, d.後, d.斜後, d.横, d.斜前};
    for (int fwd = -2; fwd <= 2; ++fwd) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (跳びあり(d.跳び, dx, fwd)) {
                k.jump[static_cast<std::size_t>(k.jumps++)] = {static_cast<std::int8_t>(dx), static_cast<std::int8_t>(fwd)};
            }
        }
    }
    return k;
}

// By code 0..39, built at compile time from the one move table.
inline constexpr std::array<Kind, 最大駒コード + 1> kinds = [] {
    std::array<Kind, 最大駒コード + 1> t{};
    for (int code = 1; code <= 最大駒コード; ++code)
        t[static_cast<std::size_t>(code)] = from_pattern(動き定義表[static_cast<std::size_t>(code)]);
    return t;
}();

// A displacement in board squares for an army (+1 the upper, forward is +Y).
inline constexpr int delta(int dx, int fwd, int side) {
    return dx + side * fwd * kWidth;
}

}  // namespace bexoru::search::kinds_detail
