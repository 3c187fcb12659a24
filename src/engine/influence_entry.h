#pragma once
// What one reached square adds to a side's maps. The step procedures, the
// line traces and the gold pattern all enter squares through these, so the
// rules for counts, cheapest values and check marks live in one place.
//
// Each side has the same set of overloads; the line traces are written once
// as templates over the maps' type.

#include "board/board.h"
#include "engine/influence_maps.h"

namespace bexoru::勢力記入 {

// Which pieces belong to the side whose maps these are, and which are its targets.
constexpr bool 自駒(const COM勢力図&, 駒コード c) {
    return c >= 1;
}
constexpr bool 自駒(const MAN勢力図&, 駒コード c) {
    return c <= -1;
}
constexpr bool 敵駒(const COM勢力図&, 駒コード c) {
    return c <= -1;
}
constexpr bool 敵駒(const MAN勢力図&, 駒コード c) {
    return c >= 1;
}
constexpr bool 敵王(const COM勢力図&, 駒コード c) {
    return c == -駒::王;
}
constexpr bool 敵王(const MAN勢力図&, 駒コード c) {
    return c == 駒::王;
}
constexpr bool 敵王太(const COM勢力図&, 駒コード c) {
    return c == -駒::王 || c == -駒::太子;
}
constexpr bool 敵王太(const MAN勢力図&, 駒コード c) {
    return c == 駒::王 || c == 駒::太子;
}

inline 勢力表& 王手筋(COM勢力図& 図) {
    return 図.COM王手筋;
}
inline 勢力表& 王手筋(MAN勢力図& 図) {
    return 図.MAN王手筋;
}

// The piece worth v on (SX, SY) reaches (TX, TY), which holds t: count it,
// and enter it as the cheapest defender or attacker when it is strictly
// cheaper than the one entered so far (so the first met keeps a tie).
inline void 記入(COM勢力図& 図, 駒コード t, int SX, int SY, int TX, int TY, int v) {
    ++図.COM勢力(TX, TY);
    if (t <= -1) {
        if (図.COM攻最小価値(TX, TY) > v) {
            図.COM攻最小価値(TX, TY) = v;
            図.COM攻最小X(TX, TY) = SX;
            図.COM攻最小Y(TX, TY) = SY;
        }
    } else if (t >= 1) {
        if (図.COM守最小価値(TX, TY) > v) {
            図.COM守最小価値(TX, TY) = v;
            図.COM守最小X(TX, TY) = SX;
            図.COM守最小Y(TX, TY) = SY;
        }
    }
}

// The human side keeps no square for its defenders.
inline void 記入(MAN勢力図& 図, 駒コード t, int SX, int SY, int TX, int TY, int v) {
    ++図.MAN勢力(TX, TY);
    if (t <= -1) {
        if (図.MAN守最小価値(TX, TY) > v) 図.MAN守最小価値(TX, TY) = v;
    } else if (t >= 1) {
        if (図.MAN攻最小価値(TX, TY) > v) {
            図.MAN攻最小価値(TX, TY) = v;
            図.MAN攻最小X(TX, TY) = SX;
            図.MAN攻最小Y(TX, TY) = SY;
        }
    }
}

// The gold pattern of the computer enters a count, a defender value without
// its square, and nothing at all for an enemy piece.
inline void 金記入(COM勢力図& 図, 駒コード t, int, int, int TX, int TY, int v) {
    ++図.COM勢力(TX, TY);
    if (t >= 1 && 図.COM守最小価値(TX, TY) > v) 図.COM守最小価値(TX, TY) = v;
}

// The human's gold pattern enters like any human step.
inline void 金記入(MAN勢力図& 図, 駒コード t, int SX, int SY, int TX, int TY, int v) {
    記入(図, t, SX, SY, TX, TY, v);
}

}  // namespace bexoru::勢力記入
