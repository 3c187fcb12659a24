#pragma once
// The Lion-capture rules as the person meets them: every refusal explains
// itself. The move check (rules/move_check.cpp) applies narrower forms of
// the same rules silently, for the computer as well.
//
// 1. Counter-capture (先獅子): right after one's own Lion was taken, no Lion
//    of the other side may be taken, unless it is the Lion that moved in the
//    entry before (it took the Lion as the second step of a double move).
// 2. A Lion may not take a defended Lion, except as the second step of a
//    double move whose first step captured something other than a 歩 or 仲.
//
// Under the standard rules (docs/rules.md) rule 1 is the counter-strike:
// right after a piece other than a Lion took one of the mover's Lions, the
// mover may take no Lion with a piece other than a Lion; and rule 2 spares a
// Lion next to the capturing Lion's square at the start of its move.

#include <optional>
#include <string_view>

#include "rules/move_check.h"

namespace bexoru {

struct 獅子禁手 {
    std::string_view 題;
    std::string_view 文;
};

inline constexpr 獅子禁手 禁手_先獅子{"禁手：先獅子(せんしし)", "すぐに獅子を取り返せません"};
inline constexpr 獅子禁手 禁手_獅子守り{"禁手", "相手の獅子に足があります\r\n獅子を獅子で取れません"};
inline constexpr 獅子禁手 禁手_付け食い{"禁手", "付け食いが歩兵、仲人の為\r\n獅子で獅子を取れません"};
inline constexpr 獅子禁手 禁手_返し討ち{"禁手：取り返し禁止",
                                     "獅子以外の駒で獅子を取られた直後です\r\n"
                                     "獅子を取り返せません（取り返し禁止）"};
inline constexpr 獅子禁手 禁手_離れ獅子{"禁手", "相手の獅子に足があります\r\n離れた獅子を獅子で取れません"};

constexpr bool 獅子か(駒コード c) {
    return c == 駒::獅子 || c == 駒::獅子_成 || c == -駒::獅子 || c == -駒::獅子_成;
}

// Why 移動駒, standing on (X1, Y1), may not take the Lion on (X2, Y2);
// nothing when the rules let it (whether the piece can reach the square at
// all is the move check's business). While a second step is pending
// (局面.状態.二手目状態) the log's last entry is its first step. The board is
// the same afterwards.
std::optional<獅子禁手> 調査_獅子取り(規則局面& 局面, int X1, int Y1, int X2, int Y2, 駒コード 移動駒);

}  // namespace bexoru
