#pragma once
// How every piece kind moves, as data: the one move table.
//
// Each kind is described once, relative to its own forward, by how far it
// reaches along the five kinds of line (straight forward, diagonally forward,
// sideways, diagonally backward, straight backward) and by the squares it
// jumps to without looking at the squares between. The two sides of every
// line (left and right) are alike; the only lopsided patterns, the Eagle's
// second steps, are written as one-square jumps. The lower army reads the
// same rows with its forward turned round, as the pseudo codes of the Eagle's
// second step do too (−18.1 is +18.1 mirrored).
//
// Two readers use the table. The move check builds from it, once at compile
// time, a table that answers for every row and every displacement (dx,
// forward distance) whether the move is refused, a jump, or a move along a
// line whose inner squares must be empty. The influence survey of the engine
// reads the same rows for the squares a piece reaches (engine/contribution.h).

#include <array>
#include <cstdint>
#include <cstdlib>

#include "board/board.h"
#include "board/game_state.h"
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

// Reach along one kind of line: 0 none, 1 one step, 2 at most two squares
// (the square between must be empty), 到達全 any distance.
inline constexpr std::uint8_t 到達全 = 盤サイズ;

// A set of jump squares within two squares of the piece, one bit per square
// of the 5×5 block: dx columns to the right, 前進 squares forward.
constexpr std::uint32_t 跳び桝(int dx, int 前進) {
    return 1u << ((dx + 2) + 5 * (前進 + 2));
}
constexpr bool 跳びあり(std::uint32_t 集合, int dx, int 前進) {
    return dx >= -2 && dx <= 2 && 前進 >= -2 && 前進 <= 2 && (集合 & 跳び桝(dx, 前進)) != 0;
}

// One row of the table: a kind's moves relative to its forward.
struct 動き定義 {
    std::uint8_t 前 = 0;    // straight forward
    std::uint8_t 斜前 = 0;  // diagonally forward
    std::uint8_t 横 = 0;    // sideways
    std::uint8_t 斜後 = 0;  // diagonally backward
    std::uint8_t 後 = 0;    // straight backward
    std::uint32_t 跳び = 0;
};

namespace 動き定義詳細 {
constexpr std::uint32_t 鳳跳 = 跳び桝(2, 2) | 跳び桝(-2, 2) | 跳び桝(2, -2) | 跳び桝(-2, -2);
constexpr std::uint32_t 麒跳 = 跳び桝(2, 0) | 跳び桝(-2, 0) | 跳び桝(0, 2) | 跳び桝(0, -2);
constexpr std::uint32_t 鷲跳 = 跳び桝(2, 2) | 跳び桝(-2, 2);
// Every square within two columns and two rows, the Lion's whole move.
constexpr std::uint32_t 獅跳 = ((1u << 25) - 1) & ~跳び桝(0, 0);

constexpr std::uint8_t 全 = 到達全;
constexpr 動き定義 金動 = {.前 = 1, .斜前 = 1, .横 = 1, .後 = 1};
constexpr 動き定義 横動 = {.前 = 1, .横 = 全, .後 = 1};
constexpr 動き定義 竪動 = {.前 = 全, .横 = 1, .後 = 全};
constexpr 動き定義 飛動 = {.前 = 全, .横 = 全, .後 = 全};
constexpr 動き定義 龍動 = {.前 = 全, .斜前 = 1, .横 = 全, .斜後 = 1, .後 = 全};
constexpr 動き定義 角動 = {.斜前 = 全, .斜後 = 全};
constexpr 動き定義 馬動 = {.前 = 1, .斜前 = 全, .横 = 1, .斜後 = 全, .後 = 1};
constexpr 動き定義 奔動 = {.前 = 全, .斜前 = 全, .横 = 全, .斜後 = 全, .後 = 全};
constexpr 動き定義 獅動 = {.跳び = 獅跳};
constexpr 動き定義 象動 = {.前 = 1, .斜前 = 1, .横 = 1, .斜後 = 1};
constexpr 動き定義 王動 = {.前 = 1, .斜前 = 1, .横 = 1, .斜後 = 1, .後 = 1};
}  // namespace 動き定義詳細

// Indexed by the row numbers above: the real codes, then the Eagle's second steps.
inline constexpr std::array<動き定義, 動き行数> 動き定義表 = [] {
    using namespace 動き定義詳細;
    return std::array<動き定義, 動き行数>{{
        {},                                                                   //  0 (no piece)
        {.前 = 1},                                                            //  1 歩
        金動,                                                                 //  2 と
        {.前 = 全},                                                           //  3 香
        {.前 = 全, .斜前 = 全, .後 = 全},                                     //  4 白
        {.前 = 1, .斜前 = 1, .後 = 1},                                        //  5 銅
        横動,                                                                 //  6 横 (promoted 銅)
        横動,                                                                 //  7 横
        {.斜前 = 全, .横 = 全, .斜後 = 全},                                   //  8 猪
        {.前 = 1, .斜前 = 1, .斜後 = 1},                                      //  9 銀
        竪動,                                                                 // 10 竪 (promoted 銀)
        竪動,                                                                 // 11 竪
        {.前 = 全, .斜前 = 全, .斜後 = 全, .後 = 全},                         // 12 牛
        金動,                                                                 // 13 金
        飛動,                                                                 // 14 飛 (promoted 金)
        飛動,                                                                 // 15 飛
        龍動,                                                                 // 16 龍 (promoted 飛)
        龍動,                                                                 // 17 龍
        {.前 = 全, .斜前 = 1, .横 = 全, .斜後 = 全, .後 = 全, .跳び = 鷲跳},  // 18 鷲
        {.前 = 1, .斜前 = 1, .斜後 = 1, .後 = 1},                             // 19 豹
        角動,                                                                 // 20 角 (promoted 豹)
        角動,                                                                 // 21 角
        馬動,                                                                 // 22 馬 (promoted 角)
        馬動,                                                                 // 23 馬
        {.前 = 2, .斜前 = 全, .横 = 全, .斜後 = 全, .後 = 全},                // 24 鷹
        {.前 = 1, .横 = 1, .後 = 1, .跳び = 鳳跳},                            // 25 鳳
        奔動,                                                                 // 26 奔 (promoted 鳳)
        奔動,                                                                 // 27 奔
        {.前 = 全, .後 = 全},                                                 // 28 反
        {.前 = 全, .斜後 = 全, .後 = 全},                                     // 29 鯨
        {.斜前 = 1, .横 = 1, .斜後 = 1, .後 = 1},                             // 30 虎
        {.前 = 全, .斜前 = 1, .横 = 1, .斜後 = 1, .後 = 全},                  // 31 鹿
        {.斜前 = 1, .斜後 = 1, .跳び = 麒跳},                                 // 32 麒
        獅動,                                                                 // 33 獅 (promoted 麒), whole move
        獅動,                                                                 // 34 獅, whole move
        {.前 = 1, .後 = 1},                                                   // 35 仲, also the Falcon's second step
        象動,                                                                 // 36 象 (promoted 仲)
        象動,                                                                 // 37 象
        王動,                                                                 // 38 太
        王動,                                                                 // 39 王, also the Lion's second step
        {.跳び = 跳び桝(-1, 1) | 跳び桝(1, -1)},  // 40: 18.1 (dx = −dy, for the upper side)
        {.跳び = 跳び桝(1, 1) | 跳び桝(-1, -1)},  // 41: 18.2 (dx = dy, for the upper side)
    }};
}();

// Displacements as far as 12 squares are tabled, so a source in row or column
// 0 is still answered; anything farther is no move of any piece.
inline constexpr int 最大変位 = 盤サイズ;

// The row of the pattern table for a moving code (real or pseudo). A Lion's
// code takes the King's row while its second step is pending.
constexpr int 動き番号(駒コード code, 二手目状態型 二手目状態) {
    const int a = code < 0 ? -code : code;
    switch (a) {
        case 0:
            return 動き_なし;
        case 駒::獅子_成:
        case 駒::獅子:
            return 二手目状態 == 二手目状態型::二手目 ? 駒::王 : a;
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
