#pragma once
// A position for the rule tests: a board, a move log and the game state, with
// helpers to place pieces and to collect the squares a piece may move to.

#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "board/board.h"
#include "board/game_state.h"
#include "board/move_log.h"
#include "rules/move_check.h"

namespace bexoru::test {

using 桝集合 = std::set<std::pair<int, int>>;

// A straight run of squares from (x1, y1) to (x2, y2), both included.
struct 線分 {
    int x1, y1, x2, y2;
};

inline 桝集合 線分の桝(std::initializer_list<線分> 線分群) {
    桝集合 s;
    for (const 線分& l : 線分群) {
        const int sx = (l.x2 > l.x1) - (l.x2 < l.x1);
        const int sy = (l.y2 > l.y1) - (l.y2 < l.y1);
        for (int x = l.x1, y = l.y1;; x += sx, y += sy) {
            s.insert({x, y});
            if (x == l.x2 && y == l.y2) break;
        }
    }
    return s;
}

// The board turned by 180 degrees: where the lower army's mirror image of a square lies.
inline 桝集合 回転(const 桝集合& s) {
    桝集合 r;
    for (auto [x, y] : s) r.insert({盤サイズ + 1 - x, 盤サイズ + 1 - y});
    return r;
}

inline std::string 桝一覧(const 桝集合& s) {
    std::ostringstream o;
    for (auto [x, y] : s) o << " (" << x << "," << y << ")";
    return s.empty() ? std::string(" none") : o.str();
}

// The difference between two sets of squares, for a failure message.
inline std::string 差分(const 桝集合& expected, const 桝集合& actual) {
    桝集合 missing, extra;
    for (const auto& p : expected)
        if (!actual.count(p)) missing.insert(p);
    for (const auto& p : actual)
        if (!expected.count(p)) extra.insert(p);
    return "missing:" + 桝一覧(missing) + "; unexpected:" + 桝一覧(extra);
}

struct 規則盤 {
    盤面型 盤面{};
    棋譜記録 記録{};
    対局状態 状態{};
    規則局面 局面{盤面, 記録, 状態};

    規則盤() {
        記録.手[0].成駒 = +1;
        状態.MAN側 = 先手;
        状態.COM側 = 後手;
    }
    規則盤(const 規則盤&) = delete;
    規則盤& operator=(const 規則盤&) = delete;

    void 置く(int x, int y, 駒コード c) { 盤面(x, y) = c; }
    bool 可否(int x1, int y1, int x2, int y2, 駒コード c) { return 移動チェック(局面, x1, y1, x2, y2, c); }

    // Every square of the board the code standing on (x, y) may move to.
    桝集合 行き先(int x, int y, 駒コード c) {
        桝集合 s;
        for (int i = 1; i <= 盤サイズ; ++i)
            for (int j = 1; j <= 盤サイズ; ++j)
                if (可否(x, y, i, j, c)) s.insert({i, j});
        return s;
    }
};

}  // namespace bexoru::test
