#pragma once
// How every kind moves, relative to its own forward, as the searching
// engine's generator and evaluation walk it: how far along each of the eight
// directions, and which squares it jumps to.

#include <array>
#include <cstdint>

#include "board/board.h"
#include "board/piece.h"
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

inline constexpr Kind ranges(int n, int ne, int e, int se, int s, int sw, int w, int nw) {
    Kind k;
    k.range = {static_cast<std::uint8_t>(n),  static_cast<std::uint8_t>(ne), static_cast<std::uint8_t>(e),
               static_cast<std::uint8_t>(se), static_cast<std::uint8_t>(s),  static_cast<std::uint8_t>(sw),
               static_cast<std::uint8_t>(w),  static_cast<std::uint8_t>(nw)};
    return k;
}
inline constexpr Kind with_jump(Kind k, int dx, int fwd) {
    k.jump[static_cast<std::size_t>(k.jumps++)] = {static_cast<std::int8_t>(dx), static_cast<std::int8_t>(fwd)};
    return k;
}

inline constexpr Kind lion_kind() {
    Kind k;
    for (int f = -2; f <= 2; ++f)
        for (int dx = -2; dx <= 2; ++dx)
            if (dx != 0 || f != 0) k = with_jump(k, dx, f);
    return k;
}

inline constexpr Kind gold = ranges(1, 1, 1, 0, 1, 0, 1, 1);
inline constexpr Kind side_mover = ranges(1, 0, A, 0, 1, 0, A, 0);
inline constexpr Kind vertical_mover = ranges(A, 0, 1, 0, A, 0, 1, 0);
inline constexpr Kind rook = ranges(A, 0, A, 0, A, 0, A, 0);
inline constexpr Kind dragon_king = ranges(A, 1, A, 1, A, 1, A, 1);
inline constexpr Kind bishop = ranges(0, A, 0, A, 0, A, 0, A);
inline constexpr Kind dragon_horse = ranges(1, A, 1, A, 1, A, 1, A);
inline constexpr Kind free_king = ranges(A, A, A, A, A, A, A, A);
inline constexpr Kind elephant = ranges(1, 1, 1, 1, 0, 1, 1, 1);
inline constexpr Kind king = ranges(1, 1, 1, 1, 1, 1, 1, 1);

// By code 0..39.
inline constexpr std::array<Kind, 最大駒コード + 1> kinds = {{
    {},                                                                 // 0
    ranges(1, 0, 0, 0, 0, 0, 0, 0),                                     // 1 Pawn
    gold,                                                               // 2 Tokin
    ranges(A, 0, 0, 0, 0, 0, 0, 0),                                     // 3 Lance
    ranges(A, A, 0, 0, A, 0, 0, A),                                     // 4 White Horse
    ranges(1, 1, 0, 0, 1, 0, 0, 1),                                     // 5 Copper
    side_mover,                                                         // 6 Side Mover (promoted)
    side_mover,                                                         // 7 Side Mover
    ranges(0, A, A, A, 0, A, A, A),                                     // 8 Boar
    ranges(1, 1, 0, 1, 0, 1, 0, 1),                                     // 9 Silver
    vertical_mover,                                                     // 10 Vertical Mover (promoted)
    vertical_mover,                                                     // 11 Vertical Mover
    ranges(A, A, 0, A, A, A, 0, A),                                     // 12 Ox
    gold,                                                               // 13 Gold
    rook,                                                               // 14 Rook (promoted)
    rook,                                                               // 15 Rook
    dragon_king,                                                        // 16 Dragon King (promoted)
    dragon_king,                                                        // 17 Dragon King
    with_jump(with_jump(ranges(A, 1, A, A, A, A, A, 1), 2, 2), -2, 2),  // 18 Soaring Eagle
    ranges(1, 1, 0, 1, 1, 1, 0, 1),                                     // 19 Leopard
    bishop,                                                             // 20 Bishop (promoted)
    bishop,                                                             // 21 Bishop
    dragon_horse,                                                       // 22 Dragon Horse (promoted)
    dragon_horse,                                                       // 23 Dragon Horse
    ranges(2, A, A, A, A, A, A, A),                                     // 24 Horned Falcon
    with_jump(with_jump(with_jump(with_jump(ranges(1, 0, 1, 0, 1, 0, 1, 0), 2, 2), -2, 2), 2, -2), -2,
              -2),                   // 25 Phoenix
    free_king,                       // 26 Free King (promoted)
    free_king,                       // 27 Free King
    ranges(A, 0, 0, 0, A, 0, 0, 0),  // 28 Reverse Chariot
    ranges(A, 0, 0, A, A, A, 0, 0),  // 29 Whale
    ranges(0, 1, 1, 1, 1, 1, 1, 1),  // 30 Tiger
    ranges(A, 1, 1, 1, A, 1, 1, 1),  // 31 Stag
    with_jump(with_jump(with_jump(with_jump(ranges(0, 1, 0, 1, 0, 1, 0, 1), 2, 0), -2, 0), 0, 2), 0,
              -2),                   // 32 Kirin
    lion_kind(),                     // 33 Lion (promoted)
    lion_kind(),                     // 34 Lion
    ranges(1, 0, 0, 0, 1, 0, 0, 0),  // 35 Go-between
    elephant,                        // 36 Elephant (promoted)
    elephant,                        // 37 Elephant
    king,                            // 38 Prince
    king,                            // 39 King
}};

// A displacement in board squares for an army (+1 the upper, forward is +Y).
inline constexpr int delta(int dx, int fwd, int side) {
    return dx + side * fwd * kWidth;
}

}  // namespace bexoru::search::kinds_detail
