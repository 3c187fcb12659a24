// The piece-specific rules of level 3. Most rows give what they add to the
// level-2 score of the same trial (in tenths, counted by hand from the
// rule); the double movers' second-step signals are whole scores.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "evaluation_fixture.h"

namespace bexoru {
namespace {

using test::三段目の差;
using test::手;
using test::評価盤;
using test::配置;

struct 差の例 {
    std::string name;
    std::vector<配置> board;
    手 trial;
    評価値 expected;  // level 3 minus level 2
    駒コード 成駒 = 空;
};

template <std::size_t N>
void 差を確かめる(const 差の例 (&cases)[N]) {
    for (const 差の例& c : cases) EXPECT_EQ(三段目の差(c.board, c.trial, c.成駒), c.expected) << c.name;
}

TEST(EvalPieces, PawnBacking) {
    const 差の例 cases[] = {
        // The pawn's step (5, 5) -> (5, 6) unless said otherwise. The square in
        // front, (5, 7), is held by the pawn itself (+2) wherever the human does
        // not reach it.
        {"alone and unattacked: +2, and +0.5 for the unheld safe square", {{5, 5, 1}}, {5, 5, 5, 6}, 25},
        {"a Gold in front (+0.5) defends it (+0.6)", {{5, 5, 1}, {5, 7, 13}}, {5, 5, 5, 6}, 31},
        {"a Silver defends it (+0.6)", {{5, 5, 1}, {4, 5, 9}}, {5, 5, 5, 6}, 26},
        {"a Rook beside it (-1) defends it", {{5, 5, 1}, {4, 6, 15}}, {5, 5, 5, 6}, 10},
        {"a Lance behind it (+2)", {{5, 5, 1}, {5, 3, 3}}, {5, 5, 5, 6}, 40},
        {"a Rook behind it in the column (+2)", {{5, 5, 1}, {5, 2, 15}}, {5, 5, 5, 6}, 40},
        // Two human Silvers attack (5, 6): the Rook's +2 needs the computer to
        // hold the square at least as often; the Lance's does not.
        {"a Rook behind it, outnumbered", {{5, 5, 1}, {5, 2, 15}, {4, 7, -9}, {6, 7, -9}}, {5, 5, 5, 6}, 20},
        {"a Lance behind it, outnumbered", {{5, 5, 1}, {5, 3, 3}, {4, 7, -9}, {6, 7, -9}}, {5, 5, 5, 6}, 40},
        // The Vertical Mover / Dragon King defender's +1 needs 1 < column < 12.
        {"a Dragon King behind it on column 1", {{1, 5, 1}, {1, 3, 17}}, {1, 5, 1, 6}, 20},
        {"a Dragon King behind it on column 2 (+1)", {{2, 5, 1}, {2, 3, 17}}, {2, 5, 2, 6}, 30},
        // The step ends on row 12 with nothing in front: only +0.5.
        {"onto the last row, the square in front off the board", {{5, 11, 1}}, {5, 11, 5, 12}, 5},
    };
    差を確かめる(cases);
}

TEST(EvalPieces, PawnOpeningsAndCaptures) {
    const 差の例 cases[] = {
        // Beside a Bishop on (6, 6) (+0.5) with a human pawn two rows ahead of
        // the Bishop's column (+5); the Bishop holds (5, 7) too (+2), and the
        // pawn's square is safe and unheld (+0.5).
        {"opening a Bishop's diagonal", {{5, 5, 1}, {6, 6, 21}, {6, 8, -1}}, {5, 5, 5, 6}, 80},
        // The step to (7, 4) with the Bishop on (8, 2): +10, +2, +0.5.
        {"the opening step to (7, 4)", {{7, 3, 1}, {8, 2, 21}}, {7, 3, 7, 4}, 125},
        // It takes a pawn backed by a human Lance, from a square one Gold
        // covers: +5, and +50 for a pawn taken under a Lance's attack. (A far
        // human pawn keeps the armies from running bare.)
        {"a capture under a Lance's attack",
         {{5, 5, 1}, {4, 4, 13}, {5, 6, -1}, {5, 12, -3}, {11, 12, -1}},
         {5, 5, 5, 6},
         550},
        {"the same with a Bishop two rows behind: -5 for +5",
         {{5, 5, 1}, {4, 4, 13}, {5, 4, 21}, {5, 6, -1}, {5, 12, -3}},
         {5, 5, 5, 6},
         450},
        // Both bonuses need the origin covered by exactly one computer piece.
        {"the same from a square nothing covers", {{5, 5, 1}, {5, 6, -1}, {5, 12, -3}, {11, 12, -1}}, {5, 5, 5, 6}, 0},
        // ... and they apply on every row, here on row 8.
        {"a capture under a Lance's attack on row 8",
         {{5, 7, 1}, {4, 6, 13}, {5, 8, -1}, {5, 12, -3}, {11, 12, -1}},
         {5, 7, 5, 8},
         550},
        // A human Gold in front that still has a safe square: +2, a Gold
        // defends (+0.6), held as often as attacked with the Gold in front (+5).
        {"a human Gold in front, held", {{5, 5, 1}, {4, 5, 13}, {5, 7, -13}}, {5, 5, 5, 6}, 76},
        // Its every move is covered or blocked: +8 for the trapped Gold; the
        // square in front is now attacked as often as held (no +2).
        {"a trapped human Gold in front",
         {{5, 5, 1}, {4, 5, 13}, {7, 5, 9}, {5, 7, -13}, {4, 7, -1}, {6, 7, -1}, {5, 8, -1}},
         {5, 5, 5, 6},
         136},
    };
    差を確かめる(cases);
}

TEST(EvalPieces, ShortRangePieces) {
    const 差の例 cases[] = {
        {"a Tokin held at least as often as attacked", {{5, 5, 2}}, {5, 5, 5, 6}, 10},
        {"a Tokin outnumbered", {{5, 5, 2}, {5, 7, -1}}, {5, 5, 5, 6}, 0},
        {"a Side Mover forward onto a safe square", {{5, 5, 7}}, {5, 5, 5, 6}, 10},
        {"a Side Mover sideways", {{5, 5, 7}}, {5, 5, 8, 5}, 0},
        {"a Go-between forward onto a safe square", {{5, 5, 35}}, {5, 5, 5, 6}, 10},
        {"a Go-between forward onto an attacked square", {{5, 5, 35}, {5, 7, -1}}, {5, 5, 5, 6}, 0},
        {"a Leopard forward, even attacked", {{5, 5, 19}, {5, 7, -1}}, {5, 5, 5, 6}, 10},
        {"a Leopard backward", {{5, 5, 19}}, {5, 5, 5, 4}, 0},
        {"a Silver straight forward", {{5, 5, 9}}, {5, 5, 5, 6}, -1},
        {"a Silver diagonally forward", {{5, 5, 9}}, {5, 5, 6, 6}, 0},
        {"a Silver back onto row 1", {{5, 2, 9}}, {5, 2, 4, 1}, 0},
        {"the Silver's opening step to (7, 3)", {{7, 2, 9}, {8, 3, 1}, {8, 5, -1}}, {7, 2, 7, 3}, 1149},
        {"a Gold diagonally forward", {{5, 5, 13}}, {5, 5, 6, 6}, -5},
        // A human Rook attacks the Bishop on (6, 4) up its column.
        {"a Gold to row 4 beside an attacked Bishop", {{5, 3, 13}, {6, 4, 21}, {6, 8, -15}}, {5, 3, 5, 4}, -10},
        // The human pawn on (8, 6) is backed by a human Rook (cheapest defender 17).
        {"the Gold's opening step to (7, 2)", {{7, 1, 13}, {8, 3, 1}, {8, 6, -1}, {8, 12, -15}}, {7, 1, 7, 2}, 100},
        // The Gold on (6, 2) is pinned by the human Lance: COM移動不可有.
        {"the King moves while a piece is pinned to it", {{6, 1, 39}, {6, 2, 13}, {6, 12, -3}}, {6, 1, 5, 1}, 100},
        {"the King into a corner with one square left", {{2, 1, 39}, {1, 2, 13}, {2, 2, 13}}, {2, 1, 1, 1}, -10},
    };
    差を確かめる(cases);
}

TEST(EvalPieces, RangingPieces) {
    const 差の例 cases[] = {
        {"a Bishop among a Dragon Horse and a Phoenix", {{5, 5, 21}, {7, 7, 23}, {5, 7, 25}}, {5, 5, 6, 6}, -20},
        {"a Phoenix in column 11 is not looked at", {{9, 5, 21}, {11, 7, 25}}, {9, 5, 10, 6}, 0},
        // A human pawn on (5, 7) attacks (5, 6), the square in front; it stands
        // two rows ahead.
        {"a Bishop before an attacked square", {{4, 4, 21}, {5, 7, -1}}, {4, 4, 5, 5}, -10},
        // In the corner, its one way out covered by the human Lion.
        {"a Bishop stuck in the corner", {{2, 2, 21}, {3, 3, 13}, {1, 4, -34}}, {2, 2, 1, 1}, -1000},
        {"a Bishop onto the last row", {{10, 10, 21}}, {10, 10, 12, 12}, 0},
        // Sideways next to the human pawn's attack: -1, and -5 with the pawn
        // two rows ahead.
        {"a Rook sideways before an advanced human pawn", {{1, 6, 15}, {5, 8, -1}}, {1, 6, 5, 6}, -60},
        {"a Rook from (2, 2) to (2, 3)", {{2, 2, 15}}, {2, 2, 2, 3}, -10},
        // A human pawn on (8, 5) backed by a human Rook: the Rook leaves row 4,
        // where it covered (8, 4): -11.
        {"a Rook stops covering column 8 in front of a backed pawn",
         {{5, 4, 15}, {8, 5, -1}, {8, 12, -15}},
         {5, 4, 5, 2},
         -110},
        {"a Rook leaves a pawn on (7, 4) by a file move",
         {{8, 4, 15}, {7, 4, 1}, {8, 5, -1}, {8, 12, -15}},
         {8, 4, 8, 2},
         -110},
        // Boxed in on (1, 1) by its own Golds: one square left.
        {"a Rook with one square left", {{2, 1, 15}, {3, 1, 13}, {1, 2, 13}}, {2, 1, 1, 1}, -10},
        {"a Dragon King into the (3, 12) corner",
         {{4, 11, 17}, {3, 11, -1}, {2, 12, -3}, {4, 8, -13}},
         {4, 11, 3, 12},
         -1500},
        {"a Dragon King under a human Silver with a Gold beside it",
         {{5, 6, 17}, {5, 3, -9}, {4, 4, 1}, {6, 3, -13}},
         {5, 6, 5, 4},
         -100},
        {"a Dragon King leaving row 12 between two human Golds",
         {{5, 12, 17}, {5, 10, -9}, {4, 11, -13}, {6, 11, -13}},
         {5, 12, 5, 11},
         40},
    };
    差を確かめる(cases);
}

TEST(EvalPieces, RookAndDragonKingApproachTheKing) {
    const 差の例 cases[] = {
        // The human King on (6, 10) with its Crown Prince far away; the Rook
        // reaches the King's column two rows from it, on a safe square.
        {"a Rook two rows from the King on its column", {{6, 10, -39}, {12, 12, -38}, {1, 8, 15}}, {1, 8, 6, 8}, 1000},
        {"three rows away", {{6, 10, -39}, {12, 12, -38}, {1, 7, 15}}, {1, 7, 6, 7}, 0},
        {"a Dragon King two columns from the King on its row",
         {{6, 10, -39}, {12, 12, -38}, {8, 1, 17}},
         {8, 1, 8, 10},
         1000},
        // Beside the King, attacked by the King alone and defended by a Gold.
        {"a Dragon King beside the King, defended",
         {{6, 10, -39}, {12, 12, -38}, {7, 1, 17}, {8, 9, 13}},
         {7, 1, 7, 10},
         1000},
        {"a Dragon King beside the King, undefended", {{6, 10, -39}, {12, 12, -38}, {7, 1, 17}}, {7, 1, 7, 10}, 0},
    };
    差を確かめる(cases);
}

TEST(EvalPieces, LionPositions) {
    const 差の例 cases[] = {
        {"human pieces in front of a safe Lion", {{5, 5, 34}, {4, 7, -35}, {6, 7, -35}, {5, 7, -21}}, {5, 5, 5, 6}, 60},
        {"the human Lion three rows ahead", {{5, 5, 34}, {5, 9, -34}}, {5, 5, 5, 6}, 50},
        {"defended, two squares from the human Lion", {{4, 4, 34}, {5, 4, 13}, {5, 7, -34}}, {4, 4, 5, 5}, 51},
    };
    差を確かめる(cases);
}

struct 合図例 {
    std::string name;
    std::vector<配置> board;
    手 trial;
    評価値 expected;  // the whole level-3 score; 0 when no signal is expected
    駒コード 成駒 = 空;
};

// A Falcon, Eagle or Lion capture that could step back scores 1000 (the
// Lion) or 1000 plus the captured code: the move driver's signal for a
// second step. Far human pawns keep the armies from running bare.
TEST(EvalPieces, SecondStepSignals) {
    const 合図例 signals[] = {
        {"a Falcon takes straight ahead", {{5, 5, 24}, {5, 6, -9}, {11, 12, -1}, {12, 12, -1}}, {5, 5, 5, 6}, 点(1009)},
        {"a Falcon takes a Flying Stag: above 1030",
         {{5, 5, 24}, {5, 6, -31}, {11, 12, -1}, {12, 12, -1}},
         {5, 5, 5, 6},
         点(1031)},
        {"an Eagle takes diagonally forward",
         {{5, 5, 18}, {6, 6, -9}, {11, 12, -1}, {12, 12, -1}},
         {5, 5, 6, 6},
         点(1009)},
        {"a Lion takes beside it", {{5, 5, 34}, {5, 6, -9}, {11, 12, -1}, {12, 12, -1}}, {5, 5, 5, 6}, 点(1000)},
        // Back on its origin only the human Lion would attack it, and a Gold defends it.
        {"a Lion whose origin only the human Lion attacks, defended",
         {{5, 5, 34}, {5, 4, 13}, {5, 6, -9}, {5, 7, -34}, {12, 12, -1}},
         {5, 5, 5, 6},
         点(1000)},
        // A human Rook would attack the origin up the column, but (6, 5) is free.
        // Human Rooks would attack the origin up column 5 and, where given, the
        // squares beside it in its row up columns 4 or 6; one free square is enough.
        {"a Lion whose origin is attacked but both squares beside it free",
         {{5, 5, 34}, {5, 6, -9}, {5, 12, -15}},
         {5, 5, 5, 6},
         点(1000)},
        {"... only the square toward larger columns free",
         {{5, 5, 34}, {5, 6, -9}, {5, 12, -15}, {4, 12, -15}},
         {5, 5, 5, 6},
         点(1000)},
        {"... only the square toward smaller columns free",
         {{5, 5, 34}, {5, 6, -9}, {5, 12, -15}, {6, 12, -15}},
         {5, 5, 5, 6},
         点(1000)},
    };
    for (const 合図例& c : signals) {
        評価盤 p(c.board, 3);
        EXPECT_EQ(p.評価(c.trial.fx, c.trial.fy, c.trial.tx, c.trial.ty, c.成駒), c.expected) << c.name;
    }
    // No signal: the level-3 rule adds nothing to the level-2 score.
    const 差の例 none[] = {
        {"a Falcon that takes diagonally", {{5, 5, 24}, {6, 6, -9}, {11, 12, -1}, {12, 12, -1}}, {5, 5, 6, 6}, 0},
        {"a Falcon whose origin a human Lance would attack",
         {{5, 5, 24}, {5, 6, -9}, {5, 12, -3}, {11, 12, -1}},
         {5, 5, 5, 6},
         0},
        {"a Dragon Horse that becomes a Falcon as it takes",
         {{5, 8, 23}, {5, 9, -9}, {11, 12, -1}, {12, 12, -1}},
         {5, 8, 5, 9},
         0,
         24},
        {"an Eagle that takes straight ahead", {{5, 5, 18}, {5, 6, -9}, {11, 12, -1}, {12, 12, -1}}, {5, 5, 5, 6}, 0},
        {"a Lion that takes two squares away", {{5, 5, 34}, {5, 7, -9}, {11, 12, -1}, {12, 12, -1}}, {5, 5, 5, 7}, 0},
        {"a Lion whose origin only the human Lion attacks, undefended",
         {{5, 5, 34}, {5, 6, -9}, {5, 7, -34}, {12, 12, -1}},
         {5, 5, 5, 6},
         0},
        {"a Lion whose origin and both squares beside it are attacked",
         {{5, 5, 34}, {5, 6, -9}, {4, 12, -15}, {5, 12, -15}, {6, 12, -15}},
         {5, 5, 5, 6},
         0},
    };
    差を確かめる(none);
}

TEST(EvalPieces, NoSignalBelowLevelThree) {
    // The Falcon's straight capture at level 2 is scored as any capture:
    // trade 5 - 24 = -19, safe capture 5 x 5, +1 for leaving the square the
    // Silver attacked, and +0.1 for the pawn on (11, 12) down its diagonal.
    評価盤 p({{5, 5, 24}, {5, 6, -9}, {11, 12, -1}, {12, 12, -1}}, 2);
    EXPECT_EQ(p.評価(5, 5, 5, 6), -190 + 250 + 10 + 1);
}

}  // namespace
}  // namespace bexoru
