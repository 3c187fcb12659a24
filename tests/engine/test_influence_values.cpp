// The cheapest-defender and cheapest-attacker maps, the Kings' own entries,
// the royal squares, and the surveys as a whole.

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "board/starting_position.h"
#include "engine/influence.h"
#include "influence_test_board.h"

namespace bexoru {
namespace {

using test::COM調査;
using test::MAN調査;
using test::合計;
using test::盤を作る;
using test::配置;

bool 全桝(const 勢力表& t, int v) {
    for (int x = 1; x <= 盤サイズ; ++x) {
        for (int y = 1; y <= 盤サイズ; ++y) {
            if (t(x, y) != v) return false;
        }
    }
    return true;
}

TEST(InfluenceValues, OnlyTheTwoKings) {
    const 盤面型 b = 盤を作る({{7, 1, 39}, {6, 12, -39}});
    const COM勢力図 com = COM調査(b);
    const MAN勢力図 man = MAN調査(b);
    for (桝位置 s : {桝位置{6, 1}, {8, 1}, {6, 2}, {7, 2}, {8, 2}}) EXPECT_EQ(com.COM勢力(s.X, s.Y), 1);
    for (桝位置 s : {桝位置{5, 12}, {7, 12}, {5, 11}, {6, 11}, {7, 11}}) EXPECT_EQ(man.MAN勢力(s.X, s.Y), 1);
    EXPECT_EQ(合計(com.COM勢力), 5);
    EXPECT_EQ(合計(man.MAN勢力), 5);
    EXPECT_TRUE(全桝(com.COM守最小価値, 勢力_なし));
    EXPECT_TRUE(全桝(com.COM攻最小価値, 勢力_なし));
    EXPECT_TRUE(全桝(man.MAN守最小価値, 勢力_なし));
    EXPECT_TRUE(全桝(man.MAN攻最小価値, 勢力_なし));
    EXPECT_TRUE(全桝(com.COM王手筋, 0));
    EXPECT_TRUE(全桝(man.MAN王手筋, 0));
    EXPECT_EQ(com.COM王X, 7);
    EXPECT_EQ(com.COM王Y, 1);
    EXPECT_EQ(man.MAN王X, 6);
    EXPECT_EQ(man.MAN王Y, 12);
    EXPECT_EQ(com.COM太X, 0);
    EXPECT_EQ(man.MAN太X, 0);
}

// A computer piece on (6, 3) next to the King, with a pawn on (6, 2) defending it.
TEST(InfluenceValues, ComputerKingDefendsWith39AndACheaperDefenderWins) {
    struct 例 {
        const char* name;
        std::vector<test::配置> board;
        int value, X, Y;
    };
    const 例 cases[] = {
        {"the King alone", {{5, 2, 39}, {6, 3, 15}}, 39, 0, 0},
        {"King met first, then the pawn", {{5, 2, 39}, {6, 2, 1}, {6, 3, 15}}, 1, 6, 2},
        {"pawn met first, then the King", {{7, 2, 39}, {6, 2, 1}, {6, 3, 15}}, 1, 6, 2},
        {"King met first, then a lance down the file", {{5, 2, 39}, {6, 1, 3}, {6, 3, 15}}, 2, 6, 1},
    };
    for (const 例& c : cases) {
        const COM勢力図 m = COM調査(盤を作る(c.board));
        EXPECT_EQ(m.COM守最小価値(6, 3), c.value) << c.name;
        EXPECT_EQ(m.COM守最小X(6, 3), c.X) << c.name;
        EXPECT_EQ(m.COM守最小Y(6, 3), c.Y) << c.name;
    }
}

TEST(InfluenceValues, ComputerKingEntersNoAttackerAndCountsEveryNeighbour) {
    // A human pawn next to the computer's King, and a human pawn two squares away.
    const COM勢力図 m = COM調査(盤を作る({{6, 6, 39}, {7, 7, -1}, {8, 8, -1}}));
    EXPECT_EQ(m.COM勢力(7, 7), 1);
    EXPECT_EQ(m.COM攻最小価値(7, 7), 勢力_なし);
    EXPECT_EQ(m.COM勢力(8, 8), 0);
    EXPECT_EQ(合計(m.COM勢力), 8);
}

// A human piece on (7, 11) next to the human King, defended also by a pawn on (7, 12).
TEST(InfluenceValues, HumanKingsNeighboursShowMinus39WhateverElseDefendsThem) {
    struct 例 {
        const char* name;
        std::vector<test::配置> board;
    };
    const 例 cases[] = {
        {"King met first", {{6, 11, -39}, {7, 11, -9}, {7, 12, -1}}},
        {"pawn met first", {{8, 11, -39}, {7, 11, -9}, {7, 12, -1}}},
        {"King alone", {{8, 10, -39}, {7, 11, -9}}},
    };
    for (const 例& c : cases) {
        const MAN勢力図 m = MAN調査(盤を作る(c.board));
        EXPECT_EQ(m.MAN守最小価値(7, 11), 勢力_MAN王守) << c.name;
    }
}

// The human King next to a computer piece enters itself as its attacker worth
// 30 (with its square) unless a cheaper human piece attacks it, in either order.
TEST(InfluenceValues, HumanKingAttacksWith30WhenNothingCheaperDoes) {
    struct 例 {
        const char* name;
        std::vector<test::配置> board;
        int value, X, Y, count;
    };
    // The computer's rook stands on (6, 6).
    const 例 cases[] = {
        {"the King alone", {{6, 6, 15}, {7, 7, -39}}, 30, 7, 7, 1},
        {"King met first, then a pawn", {{6, 6, 15}, {5, 7, -39}, {6, 7, -1}}, 1, 6, 7, 2},
        {"pawn met first, then the King", {{6, 6, 15}, {7, 7, -39}, {6, 7, -1}}, 1, 6, 7, 2},
        {"a prince (29) is still cheaper than the King", {{6, 6, 15}, {7, 7, -39}, {5, 5, -38}}, 29, 5, 5, 2},
    };
    for (const 例& c : cases) {
        const MAN勢力図 m = MAN調査(盤を作る(c.board));
        EXPECT_EQ(m.MAN攻最小価値(6, 6), c.value) << c.name;
        EXPECT_EQ(m.MAN攻最小X(6, 6), c.X) << c.name;
        EXPECT_EQ(m.MAN攻最小Y(6, 6), c.Y) << c.name;
        EXPECT_EQ(m.MAN勢力(6, 6), c.count) << c.name;
        EXPECT_EQ(合計(m.MAN王手筋), 0) << c.name << ": the King marks no check line";
    }
}

// Among contributors of equal value the first in scan order keeps the source
// square: smaller column first, then smaller row. A strictly cheaper one replaces it.
TEST(InfluenceValues, ScanOrderBreaksTies) {
    struct 例 {
        const char* name;
        std::vector<test::配置> board;
        int X, Y;
    };
    // The target is a human pawn on (6, 6) (computer attackers) or a computer pawn there (human attackers).
    const 例 computer[] = {
        {"two silvers, smaller column first", {{6, 6, -1}, {7, 5, 9}, {5, 5, 9}}, 5, 5},
        {"two kirins in one column, smaller row first", {{6, 6, -1}, {6, 8, 32}, {6, 4, 32}}, 6, 4},
        {"a cheaper attacker later replaces", {{6, 6, -1}, {6, 1, 15}, {7, 5, 9}}, 7, 5},
        {"a dearer attacker later does not", {{6, 6, -1}, {5, 5, 9}, {6, 1, 15}}, 5, 5},
    };
    for (const 例& c : computer) {
        const COM勢力図 m = COM調査(盤を作る(c.board));
        EXPECT_EQ(m.COM攻最小X(6, 6), c.X) << c.name;
        EXPECT_EQ(m.COM攻最小Y(6, 6), c.Y) << c.name;
    }
    const 例 human[] = {
        {"two human silvers, smaller column first", {{6, 6, 1}, {7, 7, -9}, {5, 7, -9}}, 5, 7},
        {"two human kirins in one column, smaller row first", {{6, 6, 1}, {6, 8, -32}, {6, 4, -32}}, 6, 4},
    };
    for (const 例& c : human) {
        const MAN勢力図 m = MAN調査(盤を作る(c.board));
        EXPECT_EQ(m.MAN攻最小X(6, 6), c.X) << c.name;
        EXPECT_EQ(m.MAN攻最小Y(6, 6), c.Y) << c.name;
    }
    // The same for a computer defender.
    const COM勢力図 d = COM調査(盤を作る({{6, 6, 1}, {6, 8, 32}, {6, 4, 32}}));
    EXPECT_EQ(d.COM守最小価値(6, 6), 20);
    EXPECT_EQ(d.COM守最小Y(6, 6), 4);
}

TEST(InfluenceValues, CrownPrinceCountsItsOwnSquare) {
    const COM勢力図 com = COM調査(盤を作る({{6, 6, 38}}));
    EXPECT_EQ(com.COM勢力(6, 6), 1);
    EXPECT_EQ(com.COM守最小価値(6, 6), 29);
    EXPECT_EQ(com.COM守最小X(6, 6), 6);
    EXPECT_EQ(com.COM守最小Y(6, 6), 6);
    EXPECT_EQ(com.COM太X, 6);
    EXPECT_EQ(com.COM太Y, 6);
    const MAN勢力図 man = MAN調査(盤を作る({{6, 6, -38}}));
    EXPECT_EQ(man.MAN勢力(6, 6), 1);
    EXPECT_EQ(man.MAN守最小価値(6, 6), 29);
    EXPECT_EQ(man.MAN太X, 6);
    // A cheaper defender still wins over the Prince's own entry.
    const COM勢力図 guarded = COM調査(盤を作る({{6, 6, 38}, {6, 5, 1}}));
    EXPECT_EQ(guarded.COM勢力(6, 6), 2);
    EXPECT_EQ(guarded.COM守最小価値(6, 6), 1);
}

TEST(InfluenceValues, RoyalSquaresAreWrittenWhenMetAndKeptWhenGone) {
    MAN勢力図 man;
    COM勢力図 com;
    勢力調査_MAN(盤を作る({{3, 10, -39}, {4, 11, -38}, {2, 9, -34}, {9, 8, -33}}), man);
    勢力調査_COM(盤を作る({{7, 1, 39}, {6, 2, 38}}), com);
    EXPECT_EQ((桝位置{man.MAN王X, man.MAN王Y}), (桝位置{3, 10}));
    EXPECT_EQ((桝位置{man.MAN太X, man.MAN太Y}), (桝位置{4, 11}));
    EXPECT_EQ((桝位置{man.MAN獅X, man.MAN獅Y}), (桝位置{9, 8})) << "the Lion met last in scan order";
    EXPECT_EQ((桝位置{com.COM王X, com.COM王Y}), (桝位置{7, 1}));
    EXPECT_EQ((桝位置{com.COM太X, com.COM太Y}), (桝位置{6, 2}));
    // The pieces are gone: the surveys leave the old squares for the caller to clear.
    勢力調査_MAN(盤面型{}, man);
    勢力調査_COM(盤面型{}, com);
    EXPECT_EQ(man.MAN王X, 3);
    EXPECT_EQ(man.MAN獅X, 9);
    EXPECT_EQ(com.COM太X, 6);
    // Surveying both from "no royal piece seen" clears the King and Prince
    // columns; the Lion's square stays as the last survey saw it.
    勢力調査_両軍(盤を作る({{5, 12, -39}, {8, 1, 38}}), com, man);
    EXPECT_EQ((桝位置{man.MAN王X, man.MAN王Y}), (桝位置{5, 12}));
    EXPECT_EQ(man.MAN太X, 0);
    EXPECT_EQ(com.COM王X, 0);
    EXPECT_EQ((桝位置{com.COM太X, com.COM太Y}), (桝位置{8, 1}));
    EXPECT_EQ((桝位置{man.MAN獅X, man.MAN獅Y}), (桝位置{9, 8}));
}

// Taking a King or Crown Prince ends the game only when it was its army's
// last royal piece. The maps of the position after the capture and the board
// before and after it give the same answer.
TEST(InfluenceValues, TheLastRoyalPieceTaken) {
    struct 例 {
        const char* name;
        std::vector<配置> after;  // the position after the capture
        駒コード taken;
        bool last;
    };
    const 例 cases[] = {
        {"the human King, no Prince left", {{7, 1, 39}}, -駒::王, true},
        {"the human King, the Prince left", {{7, 1, 39}, {6, 12, -38}}, -駒::王, false},
        {"the human Prince, no King left", {{7, 1, 39}}, -駒::太子, true},
        {"the human Prince, the King left", {{7, 1, 39}, {6, 12, -39}}, -駒::太子, false},
        {"the computer's King, no Prince left", {{6, 12, -39}}, 駒::王, true},
        {"the computer's King, the Prince left", {{6, 12, -39}, {7, 1, 38}}, 駒::王, false},
        {"the computer's Prince, no King left", {{6, 12, -39}}, 駒::太子, true},
        {"the computer's Prince, the King left", {{6, 12, -39}, {7, 1, 39}}, 駒::太子, false},
        {"any other piece", {}, -駒::獅子, false},
    };
    for (const 例& e : cases) {
        // Maps that saw every royal piece before the capture.
        COM勢力図 com;
        MAN勢力図 man;
        勢力調査_両軍(盤を作る({{6, 12, -39}, {5, 12, -38}, {7, 1, 39}, {8, 1, 38}}), com, man);
        勢力調査_両軍(盤を作る(e.after), com, man);
        const bool last = e.taken > 0 ? 最後の王族を取る(e.taken, com) : 最後の王族を取る(e.taken, man);
        EXPECT_EQ(last, e.last) << e.name;
        std::vector<配置> before = e.after;
        before.push_back({6, 6, e.taken});
        EXPECT_EQ(最後の王族を取る(盤を作る(e.after), e.taken), e.last) << e.name << ", the board after";
        EXPECT_EQ(最後の王族を取る(盤を作る(before), e.taken), e.last) << e.name << ", the board before";
    }
}

// A survey rebuilds every map it owns: the result does not depend on what the
// maps held before, and row 0 and column 0 stay 0.
TEST(InfluenceValues, SurveyDoesNotDependOnEarlierContents) {
    // The earlier position has attacks on both sides: a computer queen on
    // (6, 7) reaches the human pawns, a human queen on (7, 6) the computer's.
    盤面型 busy;
    初期配置(busy);
    busy(6, 7) = 27;
    busy(7, 6) = -27;
    const 盤面型 small = 盤を作る({{6, 6, 15}, {6, 9, -1}, {8, 8, -15}, {8, 3, 1}});
    COM勢力図 com;
    MAN勢力図 man;
    勢力調査_COM(busy, com);
    勢力調査_MAN(busy, man);
    勢力調査_COM(small, com);
    勢力調査_MAN(small, man);
    COM勢力図 freshCom = COM調査(small);
    MAN勢力図 freshMan = MAN調査(small);
    // The royal squares are kept on purpose; compare the maps only.
    freshCom.COM王X = com.COM王X;
    freshCom.COM王Y = com.COM王Y;
    freshCom.COM太X = com.COM太X;
    freshCom.COM太Y = com.COM太Y;
    freshMan.MAN王X = man.MAN王X;
    freshMan.MAN王Y = man.MAN王Y;
    freshMan.MAN太X = man.MAN太X;
    freshMan.MAN太Y = man.MAN太Y;
    freshMan.MAN獅X = man.MAN獅X;
    freshMan.MAN獅Y = man.MAN獅Y;
    EXPECT_TRUE(com == freshCom);
    EXPECT_TRUE(man == freshMan);
    for (int i = 0; i <= 盤サイズ; ++i) {
        EXPECT_EQ(com.COM守最小価値(0, i), 0);
        EXPECT_EQ(com.COM攻最小価値(i, 0), 0);
        EXPECT_EQ(man.MAN守最小価値(0, i), 0);
        EXPECT_EQ(man.MAN攻最小価値(i, 0), 0);
    }
    EXPECT_EQ(com.COM攻最小価値.at(13, 5), 0);
    EXPECT_EQ(man.MAN勢力.at(-1, 5), 0);
}

TEST(InfluenceValues, StartingPosition) {
    盤面型 b;
    初期配置(b);
    const COM勢力図 com = COM調査(b);
    const MAN勢力図 man = MAN調査(b);
    // The pawn on (6, 4) is reached by the dragon on (5, 3) (diagonal step),
    // the queen on (6, 3) (its file) and the lion on (7, 3).
    EXPECT_EQ(com.COM勢力(6, 4), 3);
    EXPECT_EQ(com.COM守最小価値(6, 4), 22);
    EXPECT_EQ(com.COM守最小X(6, 4), 5);
    EXPECT_EQ(com.COM守最小Y(6, 4), 3);
    // The drunk elephant on (6, 1), next to the King, is defended more cheaply
    // by the gold on (5, 1); its human counterpart shows -39 all the same.
    EXPECT_EQ(com.COM守最小価値(6, 1), 8);
    EXPECT_EQ(man.MAN守最小価値(7, 12), 勢力_MAN王守);
    EXPECT_EQ((桝位置{com.COM王X, com.COM王Y}), (桝位置{7, 1}));
    EXPECT_EQ((桝位置{man.MAN王X, man.MAN王Y}), (桝位置{6, 12}));
    EXPECT_EQ((桝位置{man.MAN獅X, man.MAN獅Y}), (桝位置{6, 10}));
    // No piece reaches the other army at the start, and the armies mirror each other.
    EXPECT_TRUE(全桝(com.COM攻最小価値, 勢力_なし));
    EXPECT_TRUE(全桝(man.MAN攻最小価値, 勢力_なし));
    EXPECT_EQ(合計(com.COM王手筋) + 合計(man.MAN王手筋), 0);
    for (int x = 1; x <= 盤サイズ; ++x) {
        for (int y = 1; y <= 盤サイズ; ++y) {
            ASSERT_EQ(man.MAN勢力(13 - x, 13 - y), com.COM勢力(x, y)) << x << ", " << y;
            const bool 王の隣 = std::abs(x - 7) <= 1 && y <= 2 && b(x, y) > 0 && !(x == 7 && y == 1);
            const int c = 王の隣 ? 勢力_MAN王守 : com.COM守最小価値(x, y);
            ASSERT_EQ(man.MAN守最小価値(13 - x, 13 - y), c) << x << ", " << y;
        }
    }
}

}  // namespace
}  // namespace bexoru
