#pragma once
// Small helpers for the engine tests: a board from a list of pieces, the
// maps of both sides surveyed on it, and a map drawn as text.

#include <string>
#include <vector>

#include "board/board.h"
#include "engine/influence.h"

namespace bexoru::test {

struct 配置 {
    int X;
    int Y;
    駒コード 駒;
};

inline 盤面型 盤を作る(const std::vector<配置>& 駒々) {
    盤面型 b{};
    for (const 配置& p : 駒々) b(p.X, p.Y) = p.駒;
    return b;
}

inline COM勢力図 COM調査(const 盤面型& b) {
    COM勢力図 m;
    勢力調査_COM(b, m);
    return m;
}

inline MAN勢力図 MAN調査(const 盤面型& b) {
    MAN勢力図 m;
    勢力調査_MAN(b, m);
    return m;
}

// The 5×5 window of a map centred on (X, Y), top row first: '.' for 0, the
// digit for 1..9, '#' for anything else; off-board cells read as '.'.
inline std::vector<std::string> 窓(const 勢力表& t, int X, int Y) {
    std::vector<std::string> rows;
    for (int y = Y - 2; y <= Y + 2; ++y) {
        std::string r;
        for (int x = X - 2; x <= X + 2; ++x) {
            const int v = 盤内(x, y) ? t(x, y) : 0;
            r += v == 0 ? '.' : (v >= 1 && v <= 9) ? static_cast<char>('0' + v) : '#';
        }
        rows.push_back(r);
    }
    return rows;
}

// Sum of a map over the squares 1..12 × 1..12.
inline int 合計(const 勢力表& t) {
    int s = 0;
    for (int x = 1; x <= 盤サイズ; ++x) {
        for (int y = 1; y <= 盤サイズ; ++y) s += t(x, y);
    }
    return s;
}

}  // namespace bexoru::test
