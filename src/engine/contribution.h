#pragma once
// What each kind of piece reaches, for the influence survey: the lines it
// traces and the single squares it steps or jumps to, relative to the
// piece's own forward direction (toward larger rows for the computer,
// smaller rows for the human). Every pattern is the same to the left and the
// right, so only forward needs turning round for the human's pieces.
//
// This is the engine's reading of the one move table (rules/move_patterns.h),
// made once at compile time. The survey reads each row as the move check
// does, except where it counts differently on purpose:
// - A line of any length is traced by the 勢力確定 procedures of lines.h,
//   which go on through the enemy King.
// - A reach of one or two squares and every jump are steps, entered whatever
//   stands between: the Horned Falcon's second square straight forward
//   counts even over a piece, where the move check needs the square between
//   empty.
// - The Tokin and the Gold enter through the gold procedure of lines.h.
// - The Crown Prince reaches its own square as well.
// - The King has no row here: the survey enters it by its own procedure.
// - Pseudo codes reach nothing: the survey skips them.

#include <array>
#include <cstdint>
#include <initializer_list>

#include "board/piece.h"
#include "rules/move_patterns.h"

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

// Adds the steps of a short reach along the directions (dx, d前) of one kind of line.
constexpr void 短い到達(駒勢力& r, int 到達, std::initializer_list<一歩> 方向) {
    for (const 一歩 d : 方向) {
        for (int k = 1; k <= 到達; ++k) {
            r.歩[r.歩数++] = {static_cast<std::int8_t>(k * d.dx), static_cast<std::int8_t>(k * d.d前)};
        }
    }
}

// One kind of line: a line bit when it ranges, else steps.
constexpr void 線を読む(駒勢力& r, int 到達, int 線ビット, std::initializer_list<一歩> 方向) {
    if (到達 == 到達全) {
        r.線 = static_cast<std::uint8_t>(r.線 | 線ビット);
    } else {
        短い到達(r, 到達, 方向);
    }
}

constexpr 駒勢力 読む(const 動き定義& d) {
    駒勢力 r;
    線を読む(r, d.前, 線_前, {{0, 1}});
    線を読む(r, d.後, 線_後, {{0, -1}});
    線を読む(r, d.横, 線_左 | 線_右, {{-1, 0}, {1, 0}});
    線を読む(r, d.斜前, 線_前斜, {{-1, 1}, {1, 1}});
    線を読む(r, d.斜後, 線_後斜, {{-1, -1}, {1, -1}});
    for (int d前 = -2; d前 <= 2; ++d前) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (跳びあり(d.跳び, dx, d前))
                r.歩[r.歩数++] = {static_cast<std::int8_t>(dx), static_cast<std::int8_t>(d前)};
        }
    }
    return r;
}

}  // namespace detail

// Indexed by the absolute code; row 0 (empty) and row 39 (the King) are empty.
inline constexpr std::array<駒勢力, 最大駒コード + 1> 表 = [] {
    std::array<駒勢力, 最大駒コード + 1> t{};
    for (int c = 1; c <= 最大駒コード; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (c == 駒::王) continue;
        if (c == 駒::と || c == 駒::金) {
            t[i].金型 = true;
            continue;
        }
        t[i] = detail::読む(動き定義表[i]);
    }
    t[駒::太子].歩[t[駒::太子].歩数++] = {0, 0};
    return t;
}();

namespace detail {

// Every square a row enters on an empty board is entered once (no step on
// another step or on a traced line), or the piece would count twice.
constexpr bool 一度ずつ(const 駒勢力& r) {
    constexpr int 幅 = 2 * 盤サイズ + 1;
    std::array<std::uint8_t, 幅 * 幅> 回数{};
    auto 入る = [&](int dx, int d前) {
        return ++回数[static_cast<std::size_t>((dx + 盤サイズ) * 幅 + d前 + 盤サイズ)] == 1;
    };
    for (int i = 0; i < r.歩数; ++i) {
        if (!入る(r.歩[static_cast<std::size_t>(i)].dx, r.歩[static_cast<std::size_t>(i)].d前)) return false;
    }
    const struct {
        int 線ビット, dx, d前;
    } 線々[] = {{線_前, 0, 1},    {線_後, 0, -1},  {線_左, -1, 0},    {線_右, 1, 0},
                {線_前斜, -1, 1}, {線_前斜, 1, 1}, {線_後斜, -1, -1}, {線_後斜, 1, -1}};
    for (const auto& l : 線々) {
        if ((r.線 & l.線ビット) == 0) continue;
        for (int k = 1; k <= 盤サイズ; ++k) {
            if (!入る(k * l.dx, k * l.d前)) return false;
        }
    }
    return true;
}

// The gold procedure of lines.h enters exactly the squares of the Gold's row.
constexpr bool 金の形(const 動き定義& d) {
    const 駒勢力 r = 読む(d);
    if (r.線 != 0 || r.歩数 != 6) return false;
    std::uint32_t 集合 = 0;
    for (int i = 0; i < r.歩数; ++i)
        集合 |= 跳び桝(r.歩[static_cast<std::size_t>(i)].dx, r.歩[static_cast<std::size_t>(i)].d前);
    return 集合 == (跳び桝(0, 1) | 跳び桝(-1, 1) | 跳び桝(1, 1) | 跳び桝(-1, 0) | 跳び桝(1, 0) | 跳び桝(0, -1));
}

constexpr bool 全行一度ずつ() {
    for (const 駒勢力& r : 表) {
        if (!一度ずつ(r)) return false;
    }
    return true;
}

}  // namespace detail

static_assert(detail::全行一度ずつ());
static_assert(detail::金の形(動き定義表[駒::と]) && detail::金の形(動き定義表[駒::金]));

}  // namespace bexoru::勢力型
