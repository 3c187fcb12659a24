// The move check on boards with pieces: blocked lines, jumps, and the
// positions worth knowing by heart.

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace bexoru {
namespace {

using test::桝集合;
using test::線分の桝;

struct 駒配置 {
    int x, y;
    駒コード c;
};

struct 局面の例 {
    const char* name;
    std::vector<駒配置> pieces;
    int x1, y1, x2, y2;
    駒コード mover;
    bool expected;
    二手目状態型 二手目状態 = 二手目状態型::一手目;
};

TEST(MoveCheck, PositionsWorthKnowing) {
    const 局面の例 cases[] = {
        {"lower 歩 (5,9) steps forward to (5,8)", {{5, 9, -1}}, 5, 9, 5, 8, -1, true},
        {"lower 歩 (5,9) may not step back to (5,10)", {{5, 9, -1}}, 5, 9, 5, 10, -1, false},
        {"lower 歩 (5,9) may not step to (4,8)", {{5, 9, -1}}, 5, 9, 4, 8, -1, false},
        {"upper 歩 (5,4) steps forward to (5,5)", {{5, 4, 1}}, 5, 4, 5, 5, 1, true},
        {"upper 歩 (5,4) may not go to (5,3)", {{5, 4, 1}}, 5, 4, 5, 3, 1, false},
        {"upper 香 (1,1) behind its own 反 cannot reach (1,2)", {{1, 1, 3}, {1, 2, 28}}, 1, 1, 1, 2, 3, false},
        {"upper 香 (1,1) behind its own 反 cannot reach (1,3)", {{1, 1, 3}, {1, 2, 28}}, 1, 1, 1, 3, 3, false},
        {"upper 香 (1,1) to an empty (1,2)", {{1, 1, 3}, {1, 3, -1}}, 1, 1, 1, 2, 3, true},
        {"upper 香 (1,1) captures on (1,3)", {{1, 1, 3}, {1, 3, -1}}, 1, 1, 1, 3, 3, true},
        {"upper 香 (1,1) cannot pass the enemy on (1,3)", {{1, 1, 3}, {1, 3, -1}}, 1, 1, 1, 4, 3, false},
        {"upper 鷲 (6,6) jumps to (8,8) over (7,7)", {{6, 6, 18}, {7, 7, -1}}, 6, 6, 8, 8, 18, true},
        {"upper 鷲 (6,6) never reaches (9,9)", {{6, 6, 18}}, 6, 6, 9, 9, 18, false},
        {"upper 鷲 (6,6) ranges back to (3,3)", {{6, 6, 18}}, 6, 6, 3, 3, 18, true},
        {"upper 鷹 (6,6) goes two forward over an empty (6,7)", {{6, 6, 24}}, 6, 6, 6, 8, 24, true},
        {"upper 鷹 (6,6) cannot go two forward over (6,7)", {{6, 6, 24}, {6, 7, -1}}, 6, 6, 6, 8, 24, false},
        {"upper 鷹 (6,6) never reaches (6,9)", {{6, 6, 24}}, 6, 6, 6, 9, 24, false},
        {"upper 鷹 (6,6) ranges back to (6,1)", {{6, 6, 24}}, 6, 6, 6, 1, 24, true},
        {"lower 鷹 (6,6) goes two forward to (6,4)", {{6, 6, -24}}, 6, 6, 6, 4, -24, true},
        {"lower 鷹 (6,6) cannot go two forward over (6,5)", {{6, 6, -24}, {6, 5, 1}}, 6, 6, 6, 4, -24, false},
        {"鳳 (6,6) to (6,7)", {{6, 6, 25}}, 6, 6, 6, 7, 25, true},
        {"鳳 (6,6) jumps to (8,8)", {{6, 6, 25}, {7, 7, 1}}, 6, 6, 8, 8, 25, true},
        {"鳳 (6,6) not to (7,7)", {{6, 6, 25}}, 6, 6, 7, 7, 25, false},
        {"鳳 (6,6) not to (6,8)", {{6, 6, 25}}, 6, 6, 6, 8, 25, false},
        {"麒 (6,6) to (7,7)", {{6, 6, 32}}, 6, 6, 7, 7, 32, true},
        {"麒 (6,6) jumps to (6,8)", {{6, 6, 32}, {6, 7, 1}}, 6, 6, 6, 8, 32, true},
        {"麒 (6,6) not to (6,7)", {{6, 6, 32}}, 6, 6, 6, 7, 32, false},
        {"麒 (6,6) not to (8,8)", {{6, 6, 32}}, 6, 6, 8, 8, 32, false},
        {"獅 (6,6) jumps to (8,4) over occupied squares",
         {{6, 6, 34}, {7, 5, 1}, {7, 4, -1}, {8, 5, -1}},
         6,
         6,
         8,
         4,
         34,
         true},
        {"獅 (6,6) not to (9,6)", {{6, 6, 34}}, 6, 6, 9, 6, 34, false},
        {"獅 (6,6) on its second step not to (8,4)", {{6, 6, 34}}, 6, 6, 8, 4, 34, false, 二手目状態型::二手目},
        {"獅 (6,6) on its second step to (7,5)", {{6, 6, 34}}, 6, 6, 7, 5, 34, true, 二手目状態型::二手目},
        {"豹 may not step sideways", {{6, 6, 19}}, 6, 6, 7, 6, 19, false},
        {"upper 虎 may not step forward", {{6, 6, 30}}, 6, 6, 6, 7, 30, false},
        {"lower 虎 may not step forward", {{6, 6, -30}}, 6, 6, 6, 5, -30, false},
        {"lower 虎 steps backward", {{6, 6, -30}}, 6, 6, 6, 7, -30, true},
        {"upper 象 may not step backward", {{6, 6, 37}}, 6, 6, 6, 5, 37, false},
        {"lower 象 may not step backward", {{6, 6, -37}}, 6, 6, 6, 7, -37, false},
        {"+18.1 refuses (+1,+1)", {{6, 6, 擬_鷲一}}, 6, 6, 7, 7, 擬_鷲一, false},
        {"a move onto the source square is refused", {}, 6, 6, 6, 6, 空, false},
        {"the source is not checked", {}, 0, 6, 1, 6, 7, true},
        {"a far-off source reaches nothing", {}, -20, 6, 1, 6, 27, false},
        {"a pseudo code on the board counts as a piece of its sign", {{6, 7, 擬_獅}}, 6, 6, 6, 7, 39, false},
        {"an enemy pseudo code on the board may be taken", {{6, 7, -擬_獅}}, 6, 6, 6, 7, 39, true},
        {"a pseudo code on the line blocks a range", {{6, 7, -擬_鷹}}, 6, 6, 6, 8, 15, false},
    };
    for (const auto& e : cases) {
        test::規則盤 b;
        b.状態.二手目状態 = e.二手目状態;
        for (const auto& p : e.pieces) b.置く(p.x, p.y, p.c);
        EXPECT_EQ(b.可否(e.x1, e.y1, e.x2, e.y2, e.mover), e.expected) << e.name;
    }
}

// Directions relative to the upper army's forward (toward row 12).
struct 方向 {
    const char* name;
    int dx, 前進;
};
constexpr 方向 F{"forward", 0, 1}, B{"backward", 0, -1}, L{"left", -1, 0}, R{"right", 1, 0}, FL{"forward-left", -1, 1},
    FR{"forward-right", 1, 1}, BL{"backward-left", -1, -1}, BR{"backward-right", 1, -1};

TEST(MoveCheck, EveryRangingDirectionStopsAtThePieceInTheWay) {
    struct 行 {
        const char* name;
        std::vector<int> codes;
        std::vector<方向> dirs;
    };
    const 行 rows[] = {
        {"香", {3}, {F}},
        {"白", {4}, {F, B, FL, FR}},
        {"横", {6, 7}, {L, R}},
        {"猪", {8}, {FL, FR, BL, BR, L, R}},
        {"竪", {10, 11}, {F, B}},
        {"牛", {12}, {F, B, FL, FR, BL, BR}},
        {"飛", {14, 15}, {F, B, L, R}},
        {"龍", {16, 17}, {F, B, L, R}},
        {"鷲", {18}, {F, B, L, R, BL, BR}},
        {"角", {20, 21}, {FL, FR, BL, BR}},
        {"馬", {22, 23}, {FL, FR, BL, BR}},
        {"鷹", {24}, {B, L, R, FL, FR, BL, BR}},
        {"奔", {26, 27}, {F, B, L, R, FL, FR, BL, BR}},
        {"反", {28}, {F, B}},
        {"鯨", {29}, {F, B, BL, BR}},
        {"鹿", {31}, {F, B}},
    };
    for (const auto& row : rows) {
        for (int code : row.codes) {
            for (int side : {+1, -1}) {
                for (const 方向& d : row.dirs) {
                    for (bool enemy : {true, false}) {
                        // A piece three squares away along the line, from (6, 6).
                        const auto sq = [&](int k) { return std::pair{6 + k * d.dx, 6 + k * d.前進 * side}; };
                        test::規則盤 b;
                        b.置く(6, 6, side * code);
                        b.置く(sq(3).first, sq(3).second, enemy ? -side : side);
                        const bool expected[] = {true, true, enemy, false};
                        for (int k = 1; k <= 4; ++k) {
                            EXPECT_EQ(b.可否(6, 6, sq(k).first, sq(k).second, side * code), expected[k - 1])
                                << row.name << " (" << side * code << ") " << d.name << ", "
                                << (enemy ? "enemy" : "own") << " piece 3 squares away, distance " << k;
                        }
                    }
                }
            }
        }
    }
}

// A ranging move looks at the squares strictly between: not at the source,
// not at the destination (an enemy there is taken), not off the line. The
// Reverse Chariot ranges along its column only, the Boar along its row and
// diagonals, the Rook along column and row, the Bishop along diagonals.
TEST(MoveCheck, LinesLookOnlyAtTheSquaresBetween) {
    struct 例 {
        const char* name;
        駒コード mover;
        std::vector<std::pair<int, int>> enemies;
        int x1, y1, x2, y2;
        bool expected;
    };
    const 例 cases[] = {
        {"反: adjacent is always open", 駒::反, {}, 6, 6, 6, 7, true},
        {"反: down an empty column", 駒::反, {}, 6, 1, 6, 12, true},
        {"反: up, blocked in the middle", 駒::反, {{6, 4}}, 6, 9, 6, 2, false},
        {"反: the destination itself is not looked at", 駒::反, {{6, 2}}, 6, 9, 6, 2, true},
        {"反: nor the source", 駒::反, {{6, 9}}, 6, 9, 6, 2, true},
        {"反: not a column", 駒::反, {}, 6, 6, 7, 6, false},
        {"反: one square is no move", 駒::反, {}, 6, 6, 6, 6, false},
        {"猪: right along an empty row", 駒::猪, {}, 1, 6, 12, 6, true},
        {"猪: left, blocked next to the destination", 駒::猪, {{3, 6}}, 9, 6, 2, 6, false},
        {"猪: not a row", 駒::猪, {}, 6, 6, 6, 7, false},
        {"猪: one square is no move", 駒::猪, {}, 6, 6, 6, 6, false},
        {"飛: a column", 駒::飛車, {}, 6, 2, 6, 11, true},
        {"飛: a row", 駒::飛車, {}, 2, 6, 11, 6, true},
        {"飛: a blocked row", 駒::飛車, {{5, 6}}, 2, 6, 11, 6, false},
        {"飛: a diagonal is not a rook's line", 駒::飛車, {}, 2, 2, 5, 5, false},
        {"飛: one square is no move", 駒::飛車, {}, 6, 6, 6, 6, false},
        {"角: (1,1) to (12,12) over an empty diagonal", 駒::角行, {}, 1, 1, 12, 12, true},
        {"角: (1,1) to (12,12) with a piece on (11,11)", 駒::角行, {{11, 11}}, 1, 1, 12, 12, false},
        {"角: (3,5) to (6,2) looks at (4,4)", 駒::角行, {{4, 4}}, 3, 5, 6, 2, false},
        {"角: (3,5) to (6,2) looks at (5,3)", 駒::角行, {{5, 3}}, 3, 5, 6, 2, false},
        {"角: (3,5) to (6,2) not at the destination", 駒::角行, {{6, 2}}, 3, 5, 6, 2, true},
        {"角: pieces off the line do not matter", 駒::角行, {{4, 5}, {3, 4}}, 3, 5, 6, 2, true},
        {"角: up and left", 駒::角行, {{8, 8}}, 10, 10, 7, 7, false},
        {"角: down and left", 駒::角行, {}, 10, 2, 2, 10, true},
        {"角: not a diagonal", 駒::角行, {}, 1, 1, 3, 4, false},
        {"角: a column is not a diagonal", 駒::角行, {}, 1, 1, 1, 4, false},
        {"角: one square is no move", 駒::角行, {}, 6, 6, 6, 6, false},
    };
    for (const 例& e : cases) {
        test::規則盤 b;
        for (auto [x, y] : e.enemies) b.置く(x, y, -駒::歩);
        EXPECT_EQ(b.可否(e.x1, e.y1, e.x2, e.y2, e.mover), e.expected) << e.name;
    }
}

TEST(MoveCheck, JumpsPassOverOwnAndEnemyPieces) {
    // The piece on (6, 6) is boxed in by its eight neighbours.
    const 桝集合 隣 = 線分の桝({{5, 5, 7, 5}, {5, 6, 5, 6}, {7, 6, 7, 6}, {5, 7, 7, 7}});
    const 桝集合 縦横隣 = 線分の桝({{6, 5, 6, 5}, {6, 7, 6, 7}, {5, 6, 5, 6}, {7, 6, 7, 6}});
    const 桝集合 斜隣 = 線分の桝({{5, 5, 5, 5}, {7, 5, 7, 5}, {5, 7, 5, 7}, {7, 7, 7, 7}});
    const auto 和 = [](桝集合 a, const 桝集合& b) {
        a.insert(b.begin(), b.end());
        return a;
    };
    struct 例 {
        const char* name;
        駒コード c;
        桝集合 over_own;    // what it reaches when the neighbours are its own
        桝集合 over_enemy;  // and when they are the enemy's
    };
    const 桝集合 上鷲跳 = 線分の桝({{4, 8, 4, 8}, {8, 8, 8, 8}});
    const 桝集合 下鷲跳 = 線分の桝({{4, 4, 4, 4}, {8, 4, 8, 4}});
    const 桝集合 鳳跳 = 線分の桝({{4, 4, 4, 4}, {8, 4, 8, 4}, {4, 8, 4, 8}, {8, 8, 8, 8}});
    const 桝集合 麒跳 = 線分の桝({{4, 6, 4, 6}, {8, 6, 8, 6}, {6, 4, 6, 4}, {6, 8, 6, 8}});
    const 桝集合 獅外周 = 線分の桝({{4, 4, 8, 4}, {4, 8, 8, 8}, {4, 5, 4, 7}, {8, 5, 8, 7}});
    const 例 cases[] = {
        {"upper 鷲", 18, 上鷲跳, 和(隣, 上鷲跳)}, {"lower 鷲", -18, 下鷲跳, 和(隣, 下鷲跳)},
        {"鳳", 25, 鳳跳, 和(縦横隣, 鳳跳)},       {"麒", -32, 麒跳, 和(斜隣, 麒跳)},
        {"獅", 34, 獅外周, 和(隣, 獅外周)},       {"鷹 (two forward is no jump)", 24, {}, 隣},
    };
    for (const 例& e : cases) {
        for (bool enemy : {false, true}) {
            test::規則盤 b;
            b.置く(6, 6, e.c);
            for (auto [x, y] : 隣) b.置く(x, y, enemy ? -sign_of(e.c) : sign_of(e.c));
            const 桝集合& expected = enemy ? e.over_enemy : e.over_own;
            const 桝集合 actual = b.行き先(6, 6, e.c);
            EXPECT_EQ(actual, expected) << e.name << (enemy ? " among enemies" : " among its own pieces") << ": "
                                        << test::差分(expected, actual);
        }
    }
}

}  // namespace
}  // namespace bexoru
