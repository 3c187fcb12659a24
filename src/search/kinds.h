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

// The eight directions as (dx, forward): N, NE, E, SE, S, SW, W, NW.
inline constexpr int dir_dx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
inline constexpr int dir_fwd[8] = {1, 1, 0, -1, -1, -1, 0, 1};

struct Kind {
    std::array<std::uint8_t, 8> range{};  // how far along each direction (0 none, 1 a step, 2 two, 盤サイズ any)
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

// A kind's moves for one army as board displacements, only the lines it
// moves along: what the generator and the evaluation walk.
struct Steps {
    int lines = 0;
    std::array<std::int16_t, 8> step{};  // board displacement of one square along the line
    std::array<std::uint8_t, 8> range{};
    std::array<std::uint8_t, 8> dir{};  // the direction (index into dir_dx, dir_fwd)
    int jumps = 0;
    std::array<std::int16_t, 24> jump{};      // board displacement
    std::array<std::uint8_t, 24> jump_near{};  // 1 for a jump onto a neighbouring square
};

// By army (0 the upper, 1 the lower) and code 0..39.
inline constexpr std::array<std::array<Steps, 最大駒コード + 1>, 2> steps = [] {
    std::array<std::array<Steps, 最大駒コード + 1>, 2> t{};
    for (int s = 0; s < 2; ++s) {
        const int side = s == 0 ? 1 : -1;
        for (int code = 1; code <= 最大駒コード; ++code) {
            const Kind& k = kinds[static_cast<std::size_t>(code)];
            Steps& out = t[static_cast<std::size_t>(s)][static_cast<std::size_t>(code)];
            for (int d = 0; d < 8; ++d) {
                if (k.range[static_cast<std::size_t>(d)] == 0) continue;
                const auto i = static_cast<std::size_t>(out.lines++);
                out.step[i] = static_cast<std::int16_t>(delta(dir_dx[d], dir_fwd[d], side));
                out.range[i] = k.range[static_cast<std::size_t>(d)];
                out.dir[i] = static_cast<std::uint8_t>(d);
            }
            for (int j = 0; j < k.jumps; ++j) {
                const auto& jp = k.jump[static_cast<std::size_t>(j)];
                const auto i = static_cast<std::size_t>(out.jumps++);
                out.jump[i] = static_cast<std::int16_t>(delta(jp[0], jp[1], side));
                out.jump_near[i] = jp[0] >= -1 && jp[0] <= 1 && jp[1] >= -1 && jp[1] <= 1;
            }
        }
    }
    return t;
}();

// The moves of a piece code (either army).
inline constexpr const Steps& steps_of(int code) {
    return steps[code > 0 ? 0 : 1][static_cast<std::size_t>(code > 0 ? code : -code)];
}

}  // namespace bexoru::search::kinds_detail
