#include "rules/move_patterns.h"

namespace bexoru {

namespace {

// Reach along one kind of line: 0 none, 1 one step, 2 at most two squares
// (the square between must be empty), 全 any distance.
inline constexpr std::uint8_t 全 = 盤サイズ;

// A set of jump squares within two squares of the piece, one bit per square.
constexpr std::uint32_t 跳(int dx, int 前進) {
    return 1u << ((dx + 2) + 5 * (前進 + 2));
}
constexpr bool 跳びあり(std::uint32_t 集合, int dx, int 前進) {
    return dx >= -2 && dx <= 2 && 前進 >= -2 && 前進 <= 2 && (集合 & 跳(dx, 前進)) != 0;
}

// One kind's moves, relative to its forward. The two sides of every line
// (left and right) are alike; the only lopsided patterns, the Eagle's second
// steps, are written as one-square jumps.
struct 動き定義 {
    std::uint8_t 前 = 0;    // straight forward
    std::uint8_t 斜前 = 0;  // diagonally forward
    std::uint8_t 横 = 0;    // sideways
    std::uint8_t 斜後 = 0;  // diagonally backward
    std::uint8_t 後 = 0;    // straight backward
    std::uint32_t 跳び = 0;
};

constexpr std::uint32_t 鳳跳 = 跳(2, 2) | 跳(-2, 2) | 跳(2, -2) | 跳(-2, -2);
constexpr std::uint32_t 麒跳 = 跳(2, 0) | 跳(-2, 0) | 跳(0, 2) | 跳(0, -2);
constexpr std::uint32_t 鷲跳 = 跳(2, 2) | 跳(-2, 2);
// Every square within two columns and two rows, the Lion's whole move.
constexpr std::uint32_t 獅跳 = ((1u << 25) - 1) & ~跳(0, 0);

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

constexpr std::array<動き定義, 動き行数> 動き定義表 = {{
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
    {.跳び = 跳(-1, 1) | 跳(1, -1)},                                      // 40: 18.1 (dx = −dy, for the upper side)
    {.跳び = 跳(1, 1) | 跳(-1, -1)},                                      // 41: 18.2 (dx = dy, for the upper side)
}};

// The reach of a definition along the line through (dx, 前進), or 0 when the
// displacement lies on no line.
constexpr int 線の到達(const 動き定義& d, int dx, int 前進) {
    if (dx == 0) return 前進 > 0 ? d.前 : d.後;
    if (前進 == 0) return d.横;
    if (dx != 前進 && dx != -前進) return 0;
    return 前進 > 0 ? d.斜前 : d.斜後;
}

constexpr 移動型表型 作表() {
    移動型表型 表{};
    for (int 番号 = 0; 番号 < 動き行数; ++番号) {
        const 動き定義& d = 動き定義表[static_cast<std::size_t>(番号)];
        for (int 前進 = -最大変位; 前進 <= 最大変位; ++前進) {
            for (int dx = -最大変位; dx <= 最大変位; ++dx) {
                if (dx == 0 && 前進 == 0) continue;
                const int 距離 = std::abs(dx) > std::abs(前進) ? std::abs(dx) : std::abs(前進);
                移動型 型 = 移動型::不可;
                if (跳びあり(d.跳び, dx, 前進)) {
                    型 = 移動型::跳び;
                } else if (距離 <= 線の到達(d, dx, 前進)) {
                    型 = 移動型::走り;
                }
                表[static_cast<std::size_t>(番号)][static_cast<std::size_t>(前進 + 最大変位)]
                  [static_cast<std::size_t>(dx + 最大変位)] = 型;
            }
        }
    }
    return 表;
}

}  // namespace

constexpr 移動型表型 移動型表 = 作表();

}  // namespace bexoru
