#include <gtest/gtest.h>

#include "board/game_state.h"
#include "rules/ranging.h"

namespace bexoru {
namespace {

using 範囲検査 = int (*)(const 盤面型&, int, int, int, int);

struct 線の例 {
    const char* name;
    範囲検査 check;
    std::vector<std::pair<int, int>> pieces;
    int x1, y1, x2, y2;
    int expected;
};

TEST(Ranging, TheFourLineChecks) {
    const 線の例 cases[] = {
        {"上下: adjacent is always open", 移動チェック上下, {}, 6, 6, 6, 7, ON},
        {"上下: down an empty column", 移動チェック上下, {}, 6, 1, 6, 12, ON},
        {"上下: up, blocked in the middle", 移動チェック上下, {{6, 4}}, 6, 9, 6, 2, OFF},
        {"上下: the destination itself is not looked at", 移動チェック上下, {{6, 2}}, 6, 9, 6, 2, ON},
        {"上下: nor the source", 移動チェック上下, {{6, 9}}, 6, 9, 6, 2, ON},
        {"上下: not a column", 移動チェック上下, {}, 6, 6, 7, 6, OFF},
        {"上下: one square is no move", 移動チェック上下, {}, 6, 6, 6, 6, OFF},
        {"左右: right along an empty row", 移動チェック左右, {}, 1, 6, 12, 6, ON},
        {"左右: left, blocked next to the destination", 移動チェック左右, {{3, 6}}, 9, 6, 2, 6, OFF},
        {"左右: not a row", 移動チェック左右, {}, 6, 6, 6, 7, OFF},
        {"左右: one square is no move", 移動チェック左右, {}, 6, 6, 6, 6, OFF},
        {"飛車: a column", 移動チェック飛車, {}, 6, 2, 6, 11, ON},
        {"飛車: a row", 移動チェック飛車, {}, 2, 6, 11, 6, ON},
        {"飛車: a blocked row", 移動チェック飛車, {{5, 6}}, 2, 6, 11, 6, OFF},
        {"飛車: a diagonal is not a rook's line", 移動チェック飛車, {}, 2, 2, 5, 5, OFF},
        {"飛車: one square is no move", 移動チェック飛車, {}, 6, 6, 6, 6, OFF},
        {"角: (1,1) to (12,12) over an empty diagonal", 移動チェック角, {}, 1, 1, 12, 12, ON},
        {"角: (1,1) to (12,12) with a piece on (11,11)", 移動チェック角, {{11, 11}}, 1, 1, 12, 12, OFF},
        {"角: (3,5) to (6,2) looks at (4,4)", 移動チェック角, {{4, 4}}, 3, 5, 6, 2, OFF},
        {"角: (3,5) to (6,2) looks at (5,3)", 移動チェック角, {{5, 3}}, 3, 5, 6, 2, OFF},
        {"角: (3,5) to (6,2) not at the destination", 移動チェック角, {{6, 2}}, 3, 5, 6, 2, ON},
        {"角: pieces off the line do not matter", 移動チェック角, {{4, 5}, {3, 4}}, 3, 5, 6, 2, ON},
        {"角: up and left", 移動チェック角, {{8, 8}}, 10, 10, 7, 7, OFF},
        {"角: down and left", 移動チェック角, {}, 10, 2, 2, 10, ON},
        {"角: not a diagonal", 移動チェック角, {}, 1, 1, 3, 4, OFF},
        {"角: a column is not a diagonal", 移動チェック角, {}, 1, 1, 1, 4, OFF},
        {"角: one square is no move", 移動チェック角, {}, 6, 6, 6, 6, OFF},
    };
    for (const auto& e : cases) {
        盤面型 盤面{};
        for (auto [x, y] : e.pieces) 盤面(x, y) = 駒::歩;
        EXPECT_EQ(e.check(盤面, e.x1, e.y1, e.x2, e.y2), e.expected) << e.name;
    }
}

}  // namespace
}  // namespace bexoru
