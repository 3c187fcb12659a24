#pragma once
// What each kind of piece reaches, as data: the lines it traces and the
// single squares it steps or jumps to. Everything is written relative to the
// piece's own forward direction (toward larger rows for the computer, smaller
// rows for the human); every pattern is the same to the left and the right,
// so only forward needs turning round for the human's pieces.
//
// A step is entered whatever stands between (so the two-square moves are
// jumps); a line is traced by the 勢力確定 procedures of lines.h. The King
// is handled by the survey itself and has no row here.

#include <array>
#include <cstdint>
#include <initializer_list>

#include "board/piece.h"

namespace bexoru::勢力型 {

// Lines of a kind, as a set of bits.
enum 線 : std::uint8_t {
    線_前 = 1 << 0,    // straight forward
    線_後 = 1 << 1,    // straight backward
    線_左 = 1 << 2,    // toward smaller columns
    線_右 = 1 << 3,    // toward larger columns
    線_前斜 = 1 << 4,  // both forward diagonals
    線_後斜 = 1 << 5,  // both backward diagonals
};
inline constexpr std::uint8_t 線_縦 = 線_前 | 線_後;
inline constexpr std::uint8_t 線_横 = 線_左 | 線_右;
inline constexpr std::uint8_t 線_十字 = 線_縦 | 線_横;
inline constexpr std::uint8_t 線_斜 = 線_前斜 | 線_後斜;

// One step: dx columns to the right, d前 rows forward.
struct 一歩 {
    std::int8_t dx = 0;
    std::int8_t d前 = 0;
};

inline constexpr int 最大歩数 = 24;  // the Lion's 5×5 box

struct 駒勢力 {
    std::uint8_t 線 = 0;
    bool 金型 = false;  // the gold pattern of lines.h
    std::uint8_t 歩数 = 0;
    std::array<一歩, 最大歩数> 歩{};
};

namespace detail {
constexpr 駒勢力 型(std::uint8_t lines, std::initializer_list<一歩> steps = {}) {
    駒勢力 r;
    r.線 = lines;
    for (const 一歩& s : steps) r.歩[r.歩数++] = s;
    return r;
}
constexpr 駒勢力 金型() {
    駒勢力 r;
    r.金型 = true;
    return r;
}
// Every square of the (2n+1)-square box around the piece; its own square only when asked.
constexpr 駒勢力 箱(int n, bool 自桝) {
    駒勢力 r;
    for (int dx = -n; dx <= n; ++dx) {
        for (int d = -n; d <= n; ++d) {
            if (dx == 0 && d == 0 && !自桝) continue;
            r.歩[r.歩数++] = {static_cast<std::int8_t>(dx), static_cast<std::int8_t>(d)};
        }
    }
    return r;
}

inline constexpr 一歩 F{0, 1}, B{0, -1}, L{-1, 0}, R{1, 0}, FL{-1, 1}, FR{1, 1}, BL{-1, -1}, BR{1, -1};
}  // namespace detail

// Indexed by the absolute code; row 0 (empty) and row 39 (the King) are empty.
inline constexpr std::array<駒勢力, 最大駒コード + 1> 表 = [] {
    using namespace detail;
    std::array<駒勢力, 最大駒コード + 1> t{};
    t[駒::歩] = 型(0, {F});
    t[駒::と] = 金型();
    t[駒::香] = 型(線_前);
    t[駒::白駒] = 型(線_縦 | 線_前斜);
    t[駒::銅] = 型(0, {B, F, FL, FR});
    t[駒::横行_成] = t[駒::横行] = 型(線_横, {F, B});
    t[駒::猪] = 型(線_横 | 線_斜);
    t[駒::銀] = 型(0, {F, FL, FR, BL, BR});
    t[駒::竪行_成] = t[駒::竪行] = 型(線_縦, {L, R});
    t[駒::牛] = 型(線_縦 | 線_斜);
    t[駒::金] = 金型();
    t[駒::飛車_成] = t[駒::飛車] = 型(線_十字);
    t[駒::龍王_成] = t[駒::龍王] = 型(線_十字, {FL, FR, BL, BR});
    t[駒::鷲] = 型(線_十字 | 線_後斜, {FL, FR, {-2, 2}, {2, 2}});
    t[駒::豹] = 型(0, {F, FL, FR, B, BL, BR});
    t[駒::角行_成] = t[駒::角行] = 型(線_斜);
    t[駒::龍馬_成] = t[駒::龍馬] = 型(線_斜, {F, B, L, R});
    t[駒::鷹] = 型(線_後 | 線_横 | 線_斜, {F, {0, 2}});
    t[駒::鳳] = 型(0, {F, B, L, R, {-2, 2}, {2, 2}, {-2, -2}, {2, -2}});
    t[駒::奔王_成] = t[駒::奔王] = 型(線_十字 | 線_斜);
    t[駒::反] = 型(線_縦);
    t[駒::鯨] = 型(線_縦 | 線_後斜);
    t[駒::虎] = 型(0, {FL, FR, L, R, B, BL, BR});
    t[駒::鹿] = 型(線_縦, {FL, L, BL, FR, R, BR});
    t[駒::麒] = 型(0, {FL, FR, BL, BR, {-2, 0}, {2, 0}, {0, 2}, {0, -2}});
    t[駒::獅子_成] = t[駒::獅子] = 箱(2, false);
    t[駒::仲] = 型(0, {F, B});
    t[駒::象_成] = t[駒::象] = 型(0, {F, FL, FR, L, R, BL, BR});
    t[駒::太子] = 箱(1, true);
    return t;
}();

}  // namespace bexoru::勢力型
