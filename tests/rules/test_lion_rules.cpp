// The two Lion rules inside the move check: no recapture right after one's
// own Lion was taken, and no Lion taking a defended Lion in one move; and the
// Lion-guard survey they rest on.

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace bexoru {
namespace {

struct 振り返りの例 {
    const char* name;
    int 記録数;
    駒コード 取駒;      // 取駒 of the last entry (or of entry 0 when the log is empty)
    駒コード 前の成駒;  // 成駒 of the entry before it
    駒コード mover;     // stands next to the target and steps onto it
    駒コード target;    // the Lion on (6, 6)
    bool expected;
};

TEST(LionLookBack, RecaptureRightAfterLosingALion) {
    const 振り返りの例 cases[] = {
        {"empty log, even if entry 0 read like a Lion capture", 0, -34, 1, -13, 34, true},
        {"own −34 taken by a non-Lion: no taking +34", 2, -34, 13, -13, 34, false},
        {"own −34 taken: +33 (the other code) may be taken", 2, -34, 13, -13, 33, true},
        {"own −33 taken: no taking +33", 2, -33, 13, -13, 33, false},
        {"own −34 taken by a Lion's second step: that Lion may be taken", 2, -34, 34, -13, 34, true},
        {"own +34 taken: the upper army may not take −34", 2, 34, -13, 13, -34, false},
        {"the rule binds a Lion mover as well", 2, -34, 13, -34, 34, false},
        {"the first entry looks back on the sentinel entry 0", 1, -34, 1, -13, 34, false},
        {"the last move captured nothing", 2, 0, 13, -13, 34, true},
        {"the last move captured the target's own code", 2, 34, 13, -13, 34, true},
        {"a declined second step logs the capturing Lion as captured", 2, 34, 34, -13, 34, true},
        {"a count beyond the log looks back on nothing", 記録最大 + 100, 0, 0, -13, 34, true},
    };
    for (const auto& e : cases) {
        test::規則盤 b;
        const int n = e.記録数 >= 1 && e.記録数 <= 記録最大 ? e.記録数 : 0;
        b.記録.記録数 = e.記録数;
        b.記録.手[static_cast<std::size_t>(n)].取駒 = e.取駒;
        if (n >= 1) b.記録.手[static_cast<std::size_t>(n - 1)].成駒 = e.前の成駒;
        // The mover stands one square in front of the target, seen from its own side.
        const int y = e.mover < 0 ? 7 : 5;
        b.置く(6, 6, e.target);
        b.置く(6, y, e.mover);
        EXPECT_EQ(b.可否(6, y, 6, 6, e.mover), e.expected) << e.name;
    }
}

struct 駒配置 {
    int x, y;
    駒コード c;
};

struct 獅子取りの例 {
    const char* name;
    std::vector<駒配置> pieces;
    int x1, y1;  // the mover's square; the target stands on (6, 6)
    bool expected;
    二手目状態型 二手目状態 = 二手目状態型::一手目;
};

TEST(LionTakesLion, OnlyAnUndefendedLionInOneMove) {
    const 獅子取りの例 cases[] = {
        {"undefended, adjacent", {{6, 6, 34}, {6, 7, -34}}, 6, 7, true},
        {"undefended, two squares away", {{6, 6, 34}, {6, 8, -34}}, 6, 8, true},
        {"undefended, a knight's leap away", {{6, 6, 33}, {7, 8, -34}}, 7, 8, true},
        {"defended by a 金, adjacent", {{6, 6, 34}, {6, 7, -34}, {5, 6, 13}}, 6, 7, false},
        {"defended by a 金, two squares away", {{6, 6, 34}, {6, 8, -34}, {5, 6, 13}}, 6, 8, false},
        {"defended through the capturing Lion's square", {{6, 6, 34}, {6, 8, -34}, {6, 10, 15}}, 6, 8, false},
        {"the 飛 behind is blocked", {{6, 6, 34}, {6, 8, -34}, {6, 10, 15}, {6, 9, -1}}, 6, 8, true},
        {"defended by the other Lion two squares away", {{6, 6, 34}, {6, 7, -34}, {8, 6, 33}}, 6, 7, false},
        {"a piece of the capturing side is no guard", {{6, 6, 34}, {6, 7, -34}, {5, 6, -13}}, 6, 7, true},
        {"the promoted Lion −33 obeys it too", {{6, 6, 34}, {6, 7, -33}, {5, 6, 13}}, 6, 7, false},
        {"the upper army's Lion likewise", {{6, 6, -34}, {6, 5, 34}, {7, 6, -13}}, 6, 5, false},
        {"the upper army's Lion takes an undefended one", {{6, 6, -33}, {6, 4, 34}}, 6, 4, true},
        {"a non-Lion may take a defended Lion", {{6, 6, 34}, {6, 7, -13}, {5, 6, 13}}, 6, 7, true},
        {"the second step is not asked here", {{6, 6, 34}, {6, 7, -34}, {5, 6, 13}}, 6, 7, true, 二手目状態型::二手目},
    };
    for (const auto& e : cases) {
        test::規則盤 b;
        b.状態.二手目状態 = e.二手目状態;
        for (const auto& p : e.pieces) b.置く(p.x, p.y, p.c);
        const 盤面型 before = b.盤面;
        EXPECT_EQ(b.可否(e.x1, e.y1, 6, 6, b.盤面(e.x1, e.y1)), e.expected) << e.name;
        EXPECT_EQ(b.盤面, before) << e.name << ": the board changed";
    }
}

TEST(LionGuardSurvey, LooksAmongTheSideOfTheTokenAndPutsEverythingBack) {
    // An upper Lion on (6, 6), a lower Lion on (6, 8) about to take it; a lower
    // 金 on (5, 6) and an upper 金 on (7, 6) both touch the target.
    struct 例 {
        const char* name;
        int MAN側, COM側, 手番;
        bool upper_guard, lower_guard;
        bool expected;
    };
    const 例 cases[] = {
        {"COM側 seeks positive guards", 先手, 後手, 後手, true, false, true},
        {"COM側 ignores negative pieces", 先手, 後手, 後手, false, true, false},
        {"MAN側 seeks negative guards", 先手, 後手, 先手, false, true, true},
        {"MAN側 ignores positive pieces", 先手, 後手, 先手, true, false, false},
        {"the tokens turned round", 後手, 先手, 後手, false, true, true},
        {"a token of neither side finds no guard", 先手, 後手, 未対局, true, true, false},
    };
    for (const auto& e : cases) {
        test::規則盤 b;
        b.状態.MAN側 = e.MAN側;
        b.状態.COM側 = e.COM側;
        b.置く(6, 6, 34);
        b.置く(6, 8, -34);
        if (e.upper_guard) b.置く(7, 6, 13);
        if (e.lower_guard) b.置く(5, 6, -13);
        const 盤面型 before = b.盤面;
        EXPECT_EQ(調査_獅守(b.局面, e.手番, 6, 8, 6, 6), e.expected) << e.name;
        EXPECT_EQ(b.盤面, before) << e.name << ": the board changed";
    }
}

TEST(LionGuardSurvey, EdgeCasesKeepTheBoard) {
    test::規則盤 b;
    b.置く(6, 6, 34);
    b.置く(5, 6, 13);
    const 盤面型 before = b.盤面;
    EXPECT_TRUE(調査_獅守(b.局面, 後手, 6, 6, 6, 6)) << "capturer and Lion on one square";
    EXPECT_EQ(b.盤面, before);
    EXPECT_TRUE(調査_獅守(b.局面, 後手, 0, 0, 6, 6)) << "a capturer off the board";
    EXPECT_EQ(b.盤面, before);
    EXPECT_FALSE(調査_獅守(b.局面, 後手, 6, 6, 13, 6)) << "a Lion square off the board";
    EXPECT_EQ(b.盤面, before);
}

TEST(LionGuardSurvey, AGuardingLionReachesTwoSquaresEvenWhileASecondStepIsPending) {
    // The lower Lion has stepped to (6, 7) and its second step is pending; the
    // upper Lion on (6, 6) is guarded only by the upper Lion on (8, 6).
    test::規則盤 b;
    b.状態.二手目状態 = 二手目状態型::二手目;
    b.置く(6, 6, 34);
    b.置く(6, 7, -34);
    b.置く(8, 6, 33);
    EXPECT_TRUE(調査_獅守(b.局面, 後手, 6, 7, 6, 6));
}

}  // namespace
}  // namespace bexoru
