#pragma once
// How every piece kind moves, as data.
//
// Each kind is described once, relative to its own forward, by how far it
// reaches along the five kinds of line (straight forward, diagonally forward,
// sideways, diagonally backward, straight backward) and by the squares it
// jumps to without looking at the squares between. From these descriptions a
// table is built once, at compile time, that answers for every kind and every
// displacement (dx, forward distance) whether the move is refused, a jump, or a
// move along a line whose inner squares must be empty. The lower army uses the
// same table with its forward turned round, so both sides share one row, as
// the pseudo codes of the Eagle's second step do too (−18.1 is +18.1 mirrored).

#include <array>
#include <cstdint>
#include <cstdlib>

#include "board/board.h"
#include "board/piece.h"

namespace bexoru {

enum class 移動型 : std::uint8_t {
    不可,  // the piece cannot make this displacement
    跳び,  // reached without looking at the squares between
    走り,  // reached along a straight line whose inner squares must be empty
};

// Rows of the pattern table. Rows 1..39 are the real kinds (a Lion's row is
// its whole move); two more rows hold the Eagle's second steps. The Falcon's
// second step is the Go-between's row, the Lion's second step the King's.
inline constexpr int 動き_なし = -1;  // a code that matches no row: every displacement passes
inline constexpr int 動き_鷲二手一 = 40;
inline constexpr int 動き_鷲二手二 = 41;
inline constexpr int 動き行数 = 42;

// Displacements as far as 12 squares are tabled, so a source in row or column
// 0 is still answered; anything farther is no move of any piece.
inline constexpr int 最大変位 = 盤サイズ;

// The row of the pattern table for a moving code (real or pseudo). A Lion's
// code takes the King's row while its second step is pending (二手目状態 = 2).
constexpr int 動き番号(駒コード code, int 二手目状態) {
    const int a = code < 0 ? -code : code;
    switch (a) {
        case 0:
            return 動き_なし;
        case 駒::獅子_成:
        case 駒::獅子:
            return 二手目状態 == 2 ? 駒::王 : a;
        case 擬_鷲一:
            return 動き_鷲二手一;
        case 擬_鷲二:
            return 動き_鷲二手二;
        case 擬_鷹:
            return 駒::仲;
        case 擬_獅成:
        case 擬_獅:
            return 駒::王;
        default:
            return a <= 最大駒コード ? a : 動き_なし;
    }
}

using 移動型表型 = std::array<std::array<std::array<移動型, 2 * 最大変位 + 1>, 2 * 最大変位 + 1>, 動き行数>;
extern const 移動型表型 移動型表;

// What the row 番号 allows for a displacement of dx columns and 前進 squares
// forward (negative: backward). Both must lie within ±最大変位.
inline 移動型 移動型の(int 番号, int dx, int 前進) {
    return 移動型表[static_cast<std::size_t>(番号)][static_cast<std::size_t>(前進 + 最大変位)]
                   [static_cast<std::size_t>(dx + 最大変位)];
}

}  // namespace bexoru
