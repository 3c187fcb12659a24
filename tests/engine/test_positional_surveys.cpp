// The positional surveys: safe destinations of a piece, strong computer
// pieces around a square, backing from below by a human ranging piece, and
// pinned pieces. Each leaves the board as it found it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/game_state.h"
#include "board/move_log.h"
#include "engine/evaluation.h"
#include "engine/influence.h"
#include "engine/positional_surveys.h"
#include "influence_test_board.h"
#include "rules/move_check.h"

namespace bexoru {
namespace {

using test::配置;

// A position with both sides surveyed.
struct 調査盤 {
    盤面型 盤面{};
    棋譜記録 記録{};
    対局状態 状態{};
    規則局面 局面{盤面, 記録, 状態};
    COM勢力図 com{};
    MAN勢力図 man{};

    explicit 調査盤(const std::vector<配置>& 駒々) {
        記録.手[0].成駒 = +1;
        状態.MAN側 = 先手;
        状態.COM側 = 後手;
        盤面 = test::盤を作る(駒々);
        勢力調査_COM(盤面, com);
        勢力調査_MAN(盤面, man);
    }
    調査盤(const 調査盤&) = delete;
    調査盤& operator=(const 調査盤&) = delete;
};

struct 場所数例 {
    std::string name;
    std::vector<配置> board;
    int X, Y;
    int expected;
};

TEST(SurveyMobility, SafeDestinationsOfAPiece) {
    const 場所数例 cases[] = {
        {"a computer Lion is 1 on an open board", {{6, 6, 34}}, 6, 6, 1},
        {"a promoted computer Lion boxed in is still 1",
         {{1, 1, 33}, {2, 1, 1}, {1, 2, 1}, {2, 2, 1}, {3, 3, -34}},
         1,
         1,
         1},
        {"a human Lion is 1", {{6, 6, -34}, {6, 4, 15}}, 6, 6, 1},
        {"a computer Gold alone has its six steps", {{6, 6, 13}}, 6, 6, 6},
        {"a human Rook on row 7 takes the Gold's three forward steps", {{6, 6, 13}, {1, 7, -15}}, 6, 6, 3},
        {"every destination attacked: a human Lion ahead and a Rook on row 5",
         {{6, 6, 13}, {6, 8, -34}, {1, 5, -15}},
         6,
         6,
         0},
        {"own pieces on two destinations", {{6, 6, 13}, {5, 7, 1}, {7, 7, 1}}, 6, 6, 4},
        {"a capture counts; the human Silver's own reach takes two steps", {{6, 6, 13}, {6, 7, -9}}, 6, 6, 4},
        {"a human Gold counts squares the computer does not reach", {{6, 6, -13}}, 6, 6, 6},
        {"a computer Rook on row 5 takes the human Gold's forward steps", {{6, 6, -13}, {1, 5, 15}}, 6, 6, 3},
        {"a King in the corner", {{1, 1, 39}}, 1, 1, 3},
        {"a computer Reverse Chariot ranges its whole column", {{6, 6, 28}}, 6, 6, 11},
        {"a computer Reverse Chariot: the human Rook on row 4 takes one square", {{6, 6, 28}, {1, 4, -15}}, 6, 6, 10},
    };
    for (const 場所数例& c : cases) {
        調査盤 p(c.board);
        const 盤面型 before = p.盤面;
        const 駒コード piece = p.盤面(c.X, c.Y);
        EXPECT_EQ(調査_移動可場所数(p.局面, p.com, p.man, c.X, c.Y, piece), c.expected) << c.name;
        EXPECT_TRUE(p.盤面 == before) << c.name;
    }
}

// The survey bounds a computer piece's destinations by the search's
// rectangle; it must find every safe destination a scan of the whole board finds.
TEST(SurveyMobility, TheDestinationRectangleLosesNothing) {
    static constexpr int 行[盤サイズ][盤サイズ] = {
        {3, 19, 5, 9, 13, 37, 39, 13, 9, 5, 19, 3},         {28, 0, 21, 0, 30, 25, 0, 30, 0, 21, 0, 28},
        {7, 11, 15, 0, 17, 0, 32, 17, 23, 15, 11, 7},       {1, 1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 1},
        {0, 0, 1, 35, 23, 1, 27, 1, 35, 0, 1, 0},           {0, 0, 0, 2, 0, 34, 0, 0, -1, 0, 0, 0},
        {0, 24, -1, 0, 0, 0, -34, 0, 18, 0, 0, 0},          {0, -1, 0, -35, -1, -27, -1, -35, -1, 36, -1, 0},
        {-1, 0, -1, -1, 0, -23, 0, -1, 0, -1, 0, -1},       {-7, -11, -15, 0, -17, 0, -32, -17, -23, -15, -11, -7},
        {-28, 0, -21, 0, -30, 0, -25, -30, 0, -21, 0, -28}, {-3, -19, -5, -9, -13, -39, -37, -13, -9, -5, -19, -3},
    };
    調査盤 p({});
    for (int Y = 1; Y <= 盤サイズ; ++Y) {
        for (int X = 1; X <= 盤サイズ; ++X) p.盤面(X, Y) = 行[Y - 1][X - 1];
    }
    勢力調査_COM(p.盤面, p.com);
    勢力調査_MAN(p.盤面, p.man);
    for (int X = 1; X <= 盤サイズ; ++X) {
        for (int Y = 1; Y <= 盤サイズ; ++Y) {
            const 駒コード c = p.盤面(X, Y);
            if (c == 空 || c == 33 || c == 34 || c == -33 || c == -34) continue;
            const 勢力表& 敵 = c >= 1 ? p.man.MAN勢力 : p.com.COM勢力;
            int 全数 = 0;
            for (int x = 1; x <= 盤サイズ; ++x) {
                for (int y = 1; y <= 盤サイズ; ++y) {
                    if (移動チェック(p.局面, X, Y, x, y, c) && 敵(x, y) == 0) ++全数;
                }
            }
            EXPECT_EQ(調査_移動可場所数(p.局面, p.com, p.man, X, Y, c), 全数)
                << "code " << c << " on (" << X << ", " << Y << ")";
        }
    }
}

struct 周辺例 {
    std::string name;
    std::vector<配置> board;
    int X, Y;
    int expected;
};

TEST(SurveySurroundings, StrongComputerPiecesAroundASquare) {
    const 周辺例 cases[] = {
        {"nothing around", {}, 5, 5, 0},
        {"Bishop, promoted Bishop, Prince and King count; Ox, Dragon Kings and a human Phoenix do not",
         {{4, 4, 20}, {5, 4, 12}, {6, 4, 16}, {4, 6, 17}, {6, 6, 39}, {5, 6, 38}, {4, 5, 21}, {6, 5, -25}},
         5,
         5,
         -4},
        {"all eight neighbours",
         {{4, 4, 20}, {5, 4, 25}, {6, 4, 27}, {4, 5, 30}, {6, 5, 34}, {4, 6, 23}, {5, 6, 32}, {6, 6, 29}},
         5,
         5,
         -8},
        {"the square itself is not looked at", {{5, 5, 25}}, 5, 5, 0},
        {"around (11, 11) every neighbour lies in column or row 10..12",
         {{10, 10, 25},
          {11, 10, 25},
          {12, 10, 25},
          {10, 11, 25},
          {12, 11, 25},
          {10, 12, 25},
          {11, 12, 25},
          {12, 12, 25}},
         11,
         11,
         0},
        {"column 10 is not looked at, column 8 is", {{10, 10, 30}, {8, 8, 25}, {10, 9, 25}}, 9, 9, -1},
        {"a corner has three neighbours", {{2, 1, 25}, {1, 2, 25}, {2, 2, 25}}, 1, 1, -3},
    };
    for (const 周辺例& c : cases) {
        const 盤面型 b = test::盤を作る(c.board);
        EXPECT_EQ(調査_周辺状況(b, c.X, c.Y), c.expected) << c.name;
    }
}

struct 直進駒例 {
    std::string name;
    std::vector<配置> board;
    int X, Y;
    bool expected;
};

TEST(SurveyBacking, HumanRangingPieceBelowInTheColumn) {
    const 直進駒例 cases[] = {
        {"a human Rook below on an open column", {{5, 12, -15}}, 5, 3, true},
        {"a promoted human Rook", {{5, 12, -14}}, 5, 3, true},
        {"a human Lance", {{5, 9, -3}}, 5, 3, true},
        {"a human Dragon King", {{5, 9, -17}}, 5, 3, true},
        {"a promoted human Dragon King", {{5, 9, -16}}, 5, 3, true},
        {"a computer piece between", {{5, 12, -15}, {5, 8, 1}}, 5, 3, false},
        {"a human pawn between stops the Rook's move", {{5, 12, -15}, {5, 8, -1}}, 5, 3, false},
        {"the first of them decides: a Lance behind a pawn, a Rook behind both",
         {{5, 8, -1}, {5, 10, -3}, {5, 12, -15}},
         5,
         3,
         false},
        {"a human Bishop below is no backer", {{5, 9, -21}}, 5, 3, false},
        {"a human Rook in another column", {{6, 12, -15}}, 5, 3, false},
        {"nothing below", {}, 5, 3, false},
        {"the bottom row has nothing below it", {{5, 12, -1}}, 5, 12, false},
        {"a human piece on the square is lifted for the question", {{5, 3, -1}, {5, 12, -15}}, 5, 3, true},
        {"a computer piece on the square", {{5, 3, 13}, {5, 12, -15}}, 5, 3, true},
        {"a computer piece above the square does not matter", {{5, 2, 13}, {5, 12, -3}}, 5, 3, true},
    };
    for (const 直進駒例& c : cases) {
        調査盤 p(c.board);
        const 盤面型 before = p.盤面;
        EXPECT_EQ(調査_自守駒MAN_直進駒(p.局面, c.X, c.Y), c.expected) << c.name;
        EXPECT_TRUE(p.盤面 == before) << c.name << ": the square must get its piece back";
    }
}

struct 釘付け例 {
    std::string name;
    std::vector<配置> board;
    std::vector<桝位置> pinned;  // human pieces marked in MAN移動不可
    bool com_pinned;             // COM移動不可有
};

TEST(SurveyPins, PiecesPinnedToTheirKing) {
    const 釘付け例 cases[] = {
        {"a human Silver on the file between its King and a computer Rook",
         {{6, 12, -39}, {6, 10, -9}, {6, 2, 15}, {3, 10, -1}},
         {{6, 10}},
         false},
        {"two human pieces between: neither is pinned", {{6, 12, -39}, {6, 10, -9}, {6, 8, -1}, {6, 2, 15}}, {}, false},
        {"a diagonal pin by a computer Bishop", {{6, 12, -39}, {4, 10, -13}, {1, 7, 21}}, {{4, 10}}, false},
        {"a diagonal pin by a computer Dragon Horse", {{6, 12, -39}, {4, 10, -13}, {1, 7, 22}}, {{4, 10}}, false},
        {"a file pin by a computer Lance from above", {{6, 12, -39}, {6, 7, -1}, {6, 3, 3}}, {{6, 7}}, false},
        {"a computer Lance cannot pin backwards", {{6, 2, -39}, {6, 7, -1}, {6, 11, 3}}, {}, false},
        {"a rank pin by a computer Dragon King", {{6, 12, -39}, {9, 12, -5}, {12, 12, 16}}, {{9, 12}}, false},
        {"a computer Queen on the line does not pin", {{6, 12, -39}, {6, 10, -9}, {6, 2, 27}}, {}, false},
        {"a computer Gold next to its King on a human Lance's file", {{6, 1, 39}, {6, 2, 13}, {6, 12, -3}}, {}, true},
        {"a computer piece behind another computer piece is not pinned",
         {{6, 1, 39}, {6, 2, 13}, {6, 3, 13}, {6, 12, -3}},
         {},
         false},
        {"the human King in check on an open file: every human piece is marked",
         {{6, 12, -39}, {6, 1, 15}, {1, 12, -1}, {12, 9, -1}, {3, 5, -13}},
         {{6, 12}, {1, 12}, {12, 9}, {3, 5}},
         false},
        {"no human King: nothing is pinned to it", {{6, 10, -9}, {6, 2, 15}}, {}, false},
        {"pins on both sides at once",
         {{6, 12, -39}, {6, 10, -9}, {6, 2, 15}, {6, 1, 39}, {1, 6, -20}, {3, 4, 1}},
         {{6, 10}},
         true},
    };
    for (const 釘付け例& c : cases) {
        調査盤 p(c.board);
        const 盤面型 before = p.盤面;
        移動不可情報 結果;
        結果.MAN移動不可.盤内設定(1);  // marks of an earlier survey must not survive
        結果.COM移動不可有 = true;
        調査_移動不可駒(p.局面, p.com, p.man, 結果);
        勢力表 expected{};
        for (const 桝位置 s : c.pinned) expected(s.X, s.Y) = 1;
        for (int x = 1; x <= 盤サイズ; ++x) {
            for (int y = 1; y <= 盤サイズ; ++y) {
                EXPECT_EQ(結果.MAN移動不可(x, y), expected(x, y)) << c.name << " at (" << x << ", " << y << ")";
            }
        }
        EXPECT_EQ(結果.COM移動不可有, c.com_pinned) << c.name;
        EXPECT_TRUE(p.盤面 == before) << c.name;
    }
}

}  // namespace
}  // namespace bexoru
