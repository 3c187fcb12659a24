// The computer's second step, searched on the position after the first step:
// the walk over its candidate squares, the −500 of an attacked square, the
// Lion's exception for a square only a human Lion attacks, and the case with
// no legal square at all.

#include <gtest/gtest.h>

#include "engine/second_step.h"
#include "search_test_game.h"

namespace bexoru {
namespace {

using test::台本評価;
using test::探索局面;
using test::配置;

// The position after a first step, with the computer's maps surveyed on the
// board without the moving piece (so that only other pieces defend) and the
// human's maps on the board as it stands.
struct 二手目局面 : 探索局面 {
    探索前情報 前{};
    移動不可情報 不可{};
    評価局面 e{局面, com, man, 前, 不可};

    二手目局面(const std::vector<配置>& 駒々, int X, int Y) : 探索局面(駒々) {
        盤面型 without = 盤面;
        without(X, Y) = 空;
        com = COM勢力図{};
        勢力調査_COM(without, com);
    }
};

struct 歩み {
    int X, Y;
    friend bool operator==(const 歩み&, const 歩み&) = default;
};

std::vector<歩み> walked(const 台本評価& eval) {
    std::vector<歩み> v;
    for (const auto& t : eval.試行) v.push_back({t.X2, t.Y2});
    return v;
}

TEST(SecondStep, ALionWalksItsBlockColumnByColumnAndRowByRow) {
    二手目局面 g({{6, 6, 34}, {12, 12, -39}}, 6, 6);
    台本評価 eval;
    eval.既定 = 点(0);
    std::int64_t trials = 0;
    const auto best = com二手目探索(g.e, 6, 6, 34, eval.関数(), trials);
    EXPECT_EQ(walked(eval), (std::vector<歩み>{{5, 5}, {5, 6}, {5, 7}, {6, 5}, {6, 7}, {7, 5}, {7, 6}, {7, 7}}));
    EXPECT_EQ(trials, 8);
    ASSERT_TRUE(best);
    EXPECT_EQ(*best, (二手目手{5, 5, 点(0)})) << "ties keep the first square of the walk";
    EXPECT_EQ(g.e.評価移動駒, 34);
    EXPECT_EQ(g.e.王距離, 6) << "from (6, 6) to the human King on (12, 12)";
}

TEST(SecondStep, SquaresAHumanPieceReachesScoreMinus500) {
    const struct {
        const char* name;
        std::vector<配置> board;
        二手目手 expected;
        std::vector<歩み> evaluated;
    } cases[] = {
        {"a Rook holds row 5: the first free square wins",
         {{6, 6, 34}, {1, 5, -15}},
         {5, 6, 点(0)},
         {{5, 6}, {5, 7}, {6, 7}, {7, 6}, {7, 7}}},
        {"every square attacked: the first legal one at -500",
         {{6, 6, 34}, {1, 5, -15}, {1, 6, -15}, {1, 7, -15}},
         {5, 5, 点(-500)},
         {}},
    };
    for (const auto& c : cases) {
        二手目局面 g(c.board, 6, 6);
        台本評価 eval;
        eval.既定 = 点(0);
        std::int64_t trials = 0;
        const auto best = com二手目探索(g.e, 6, 6, 34, eval.関数(), trials);
        ASSERT_TRUE(best) << c.name;
        EXPECT_EQ(*best, c.expected) << c.name;
        EXPECT_EQ(walked(eval), c.evaluated) << c.name << ": attacked squares are never evaluated";
        EXPECT_EQ(trials, 8) << c.name;
    }
}

// The Falcon took the piece on (6, 7) with its first step from (6, 6). A human
// Gold on (6, 9) reaches (6, 8), however much the evaluation would like it.
TEST(SecondStep, AFalconStepsBackOntoItsOrigin) {
    二手目局面 g({{6, 7, 24}, {6, 9, -13}, {1, 12, -39}}, 6, 7);
    台本評価 eval{{{6, 7, 6, 8, 点(100)}}};
    eval.既定 = 点(0);
    std::int64_t trials = 0;
    const auto best = com二手目探索(g.e, 6, 7, 擬_鷹, eval.関数(), trials);
    ASSERT_TRUE(best);
    EXPECT_EQ(*best, (二手目手{6, 6, 点(0)}));
    EXPECT_EQ(walked(eval), (std::vector<歩み>{{6, 6}}));
    EXPECT_EQ(trials, 2);
    EXPECT_EQ(g.e.評価移動駒, 24) << "the Falcon is scored as itself, not as its step code";
}

TEST(SecondStep, AnEagleGoesOnAlongItsDiagonalOrBack) {
    // First step (6, 6) -> (5, 7), toward smaller columns: 18.1.
    二手目局面 g({{5, 7, 18}, {1, 12, -39}}, 5, 7);
    台本評価 eval;
    eval.既定 = 点(0);
    std::int64_t trials = 0;
    const auto best = com二手目探索(g.e, 5, 7, 擬_鷲一, eval.関数(), trials);
    EXPECT_EQ(walked(eval), (std::vector<歩み>{{4, 8}, {6, 6}}));
    ASSERT_TRUE(best);
    EXPECT_EQ(*best, (二手目手{4, 8, 点(0)}));
    EXPECT_EQ(eval.試行[0].移動駒, 18);
}

// A Lion on (6, 6); the square (7, 7) is two squares from a human Lion on
// (9, 9), and the evaluation would give it 50.
TEST(SecondStep, ALionMayStandWhereOnlyAHumanLionAttacksAndItIsDefended) {
    const std::vector<配置> base = {{6, 6, 34}, {9, 9, -34}};
    auto with = [&](std::vector<配置> more) {
        more.insert(more.begin(), base.begin(), base.end());
        return more;
    };
    const struct {
        const char* name;
        std::vector<配置> board;
        二手目手 expected;
    } cases[] = {
        {"a Gold on (7, 6) defends it: scored as a safe square", with({{7, 6, 13}}), {7, 7, 点(50)}},
        {"nothing defends it: -500", base, {5, 5, 点(0)}},
        {"a human Pawn attacks it too: -500", with({{7, 6, 13}, {7, 8, -1}}), {5, 5, 点(0)}},
    };
    for (const auto& c : cases) {
        二手目局面 g(c.board, 6, 6);
        台本評価 eval{{{6, 6, 7, 7, 点(50)}}};
        eval.既定 = 点(0);
        std::int64_t trials = 0;
        const auto best = com二手目探索(g.e, 6, 6, 34, eval.関数(), trials);
        ASSERT_TRUE(best) << c.name;
        EXPECT_EQ(*best, c.expected) << c.name;
    }
}

TEST(SecondStep, NoLegalSquareGivesNoStep) {
    // Computer pieces stand on both squares the Falcon could step to.
    二手目局面 g({{6, 7, 24}, {6, 6, 13}, {6, 8, 9}}, 6, 7);
    const 盤面型 before = g.盤面;
    台本評価 eval;
    std::int64_t trials = 0;
    EXPECT_FALSE(com二手目探索(g.e, 6, 7, 擬_鷹, eval.関数(), trials));
    EXPECT_EQ(trials, 0);
    EXPECT_TRUE(g.盤面 == before);
}

}  // namespace
}  // namespace bexoru
