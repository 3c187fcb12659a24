// Lines: where they stop, how they pass through the enemy King, the check
// lines they draw, and the gold pattern.

#include <gtest/gtest.h>

#include "engine/influence.h"
#include "engine/lines.h"
#include "influence_test_board.h"

namespace bexoru {
namespace {

using test::COM調査;
using test::MAN調査;
using test::合計;
using test::盤を作る;

TEST(InfluenceLines, ComputerLineStopsOnOwnAndEnemyPieces) {
    // Rook (17) on (6, 6); its own pawn on (6, 5) and a human pawn on (3, 6).
    const COM勢力図 m = COM調査(盤を作る({{6, 6, 15}, {6, 5, 1}, {3, 6, -1}}));
    EXPECT_EQ(m.COM勢力(6, 5), 1) << "first square holds an own piece: entered";
    EXPECT_EQ(m.COM勢力(6, 4), 0) << "and the line stops there";
    EXPECT_EQ(m.COM守最小価値(6, 5), 17);
    EXPECT_EQ(m.COM守最小X(6, 5), 6);
    EXPECT_EQ(m.COM守最小Y(6, 5), 6);
    EXPECT_EQ(m.COM勢力(3, 6), 1) << "enemy piece: entered";
    EXPECT_EQ(m.COM勢力(2, 6), 0) << "and the line stops there";
    EXPECT_EQ(m.COM攻最小価値(3, 6), 17);
    EXPECT_EQ(m.COM攻最小X(3, 6), 6);
    EXPECT_EQ(m.COM攻最小Y(3, 6), 6);
    EXPECT_EQ(m.COM守最小価値(6, 6), 1) << "the pawn defends the rook";
    EXPECT_EQ(m.COM守最小X(6, 6), 6);
    EXPECT_EQ(m.COM守最小Y(6, 6), 5);
    // Rook: down 6, right 6, left 3, up 1; pawn: 1.
    EXPECT_EQ(合計(m.COM勢力), 17);
    EXPECT_EQ(合計(m.COM王手筋), 0);
}

TEST(InfluenceLines, HumanLineStopsOnOwnAndEnemyPieces) {
    // Human rook on (7, 7), its own pawn on (7, 8) (which defends the rook) and a computer silver on (10, 7).
    const MAN勢力図 m = MAN調査(盤を作る({{7, 7, -15}, {7, 8, -1}, {10, 7, 9}}));
    EXPECT_EQ(m.MAN勢力(7, 8), 1);
    EXPECT_EQ(m.MAN勢力(7, 9), 0);
    EXPECT_EQ(m.MAN守最小価値(7, 8), 17);
    EXPECT_EQ(m.MAN守最小価値(7, 7), 1);
    EXPECT_EQ(m.MAN勢力(10, 7), 1);
    EXPECT_EQ(m.MAN勢力(11, 7), 0);
    EXPECT_EQ(m.MAN攻最小価値(10, 7), 17);
    EXPECT_EQ(m.MAN攻最小X(10, 7), 7);
    EXPECT_EQ(m.MAN攻最小Y(10, 7), 7);
    // Rook: up 6, left 6, right 3, down 1; pawn: 1.
    EXPECT_EQ(合計(m.MAN勢力), 17);
}

TEST(InfluenceLines, ComputerLinePassesThroughTheHumanKing) {
    // Rook on (6, 2) looks down the file at the human King on (6, 6); a human pawn stands on (6, 9).
    const COM勢力図 m = COM調査(盤を作る({{6, 2, 15}, {6, 6, -39}, {6, 9, -1}}));
    for (int y = 3; y <= 9; ++y) EXPECT_EQ(m.COM勢力(6, y), 1) << "row " << y;
    EXPECT_EQ(m.COM勢力(6, 10), 0) << "the line ends on the pawn behind the King";
    EXPECT_EQ(m.COM攻最小価値(6, 6), 17) << "the King is attacked";
    EXPECT_EQ(m.COM攻最小価値(6, 9), 17) << "so is the pawn behind it";
    EXPECT_EQ(m.COM攻最小Y(6, 9), 2);
    EXPECT_EQ(m.COM王手筋(6, 2), 9);
    for (int y = 3; y <= 5; ++y) EXPECT_EQ(m.COM王手筋(6, y), 1) << "between, row " << y;
    EXPECT_EQ(合計(m.COM王手筋), 9 + 3) << "nothing on or behind the King";
}

TEST(InfluenceLines, HumanLinePassesThroughTheComputersKing) {
    // Human lance on (6, 12), the computer's King on (6, 8), a computer pawn on (6, 4).
    const MAN勢力図 m = MAN調査(盤を作る({{6, 12, -3}, {6, 8, 39}, {6, 4, 1}}));
    for (int y = 4; y <= 11; ++y) EXPECT_EQ(m.MAN勢力(6, y), 1) << "row " << y;
    EXPECT_EQ(m.MAN勢力(6, 3), 0);
    EXPECT_EQ(m.MAN攻最小価値(6, 8), 2);
    EXPECT_EQ(m.MAN攻最小価値(6, 4), 2);
    EXPECT_EQ(m.MAN攻最小X(6, 4), 6);
    EXPECT_EQ(m.MAN攻最小Y(6, 4), 12);
    EXPECT_EQ(m.MAN王手筋(6, 12), 9);
    for (int y = 9; y <= 11; ++y) EXPECT_EQ(m.MAN王手筋(6, y), 1) << "row " << y;
    EXPECT_EQ(合計(m.MAN王手筋), 9 + 3);
}

TEST(InfluenceLines, DiagonalThroughTheKing) {
    // Bishop on (2, 2), human King on (5, 5), human gold on (8, 8).
    const COM勢力図 m = COM調査(盤を作る({{2, 2, 21}, {5, 5, -39}, {8, 8, -13}}));
    for (int i = 3; i <= 8; ++i) EXPECT_EQ(m.COM勢力(i, i), 1) << i;
    EXPECT_EQ(m.COM勢力(9, 9), 0);
    EXPECT_EQ(m.COM王手筋(2, 2), 9);
    EXPECT_EQ(m.COM王手筋(3, 3), 1);
    EXPECT_EQ(m.COM王手筋(4, 4), 1);
    EXPECT_EQ(合計(m.COM王手筋), 11);
}

TEST(InfluenceLines, LineThroughTheKingOntoTheCrownPrince) {
    // Rook on (6, 2), human King on (6, 5), human Crown Prince on (6, 8).
    const COM勢力図 m = COM調査(盤を作る({{6, 2, 15}, {6, 5, -39}, {6, 8, -38}}));
    for (int y = 3; y <= 8; ++y) EXPECT_EQ(m.COM勢力(6, y), 1) << "row " << y;
    EXPECT_EQ(m.COM勢力(6, 9), 0) << "the line stops on the Prince";
    EXPECT_EQ(m.COM王手筋(6, 2), 9);
    for (int y = 3; y <= 7; ++y) EXPECT_EQ(m.COM王手筋(6, y), 1) << "between rook and Prince, row " << y;
    EXPECT_EQ(m.COM王手筋(6, 8), 0);
    EXPECT_EQ(合計(m.COM王手筋), 9 + 5);
}

TEST(InfluenceLines, LineStopsOnTheCrownPrince) {
    const COM勢力図 m = COM調査(盤を作る({{6, 2, 3}, {6, 6, -38}}));
    EXPECT_EQ(m.COM勢力(6, 6), 1);
    EXPECT_EQ(m.COM勢力(6, 7), 0);
    EXPECT_EQ(m.COM攻最小価値(6, 6), 2);
    EXPECT_EQ(m.COM王手筋(6, 2), 9);
    EXPECT_EQ(合計(m.COM王手筋), 9 + 3);
    // The human side the same way round.
    const MAN勢力図 h = MAN調査(盤を作る({{6, 12, -3}, {6, 9, 38}}));
    EXPECT_EQ(h.MAN勢力(6, 8), 0);
    EXPECT_EQ(h.MAN王手筋(6, 12), 9);
    EXPECT_EQ(合計(h.MAN王手筋), 9 + 2);
}

// A piece that reaches the enemy royal piece by a step, a gold pattern or an
// adjacent line marks 9 on its own square and nothing else.
TEST(InfluenceLines, CheckMarkOfNineOnly) {
    struct 例 {
        const char* name;
        std::vector<test::配置> board;
        桝位置 piece;
        bool human;  // the marks are in MAN王手筋
    };
    const 例 cases[] = {
        {"computer pawn in front of the human King", {{6, 6, 1}, {6, 7, -39}}, {6, 6}, false},
        {"computer dragon next to the King along the file", {{6, 6, 17}, {6, 7, -39}}, {6, 6}, false},
        {"computer dragon's diagonal step onto the King", {{6, 6, 17}, {7, 7, -39}}, {6, 6}, false},
        {"computer gold beside the Crown Prince", {{6, 6, 13}, {5, 6, -38}}, {6, 6}, false},
        {"computer lion jumping onto the King", {{6, 6, 34}, {8, 8, -39}}, {6, 6}, false},
        {"human pawn in front of the computer's King", {{6, 7, -1}, {6, 6, 39}}, {6, 7}, true},
        {"human gold straight back onto the Crown Prince", {{6, 6, -13}, {6, 7, 38}}, {6, 6}, true},
        {"human rook next to the King along the rank", {{6, 6, -15}, {7, 6, 39}}, {6, 6}, true},
    };
    for (const 例& c : cases) {
        const 盤面型 b = 盤を作る(c.board);
        const 勢力表 marks = c.human ? MAN調査(b).MAN王手筋 : COM調査(b).COM王手筋;
        EXPECT_EQ(marks(c.piece.X, c.piece.Y), 9) << c.name;
        EXPECT_EQ(合計(marks), 9) << c.name;
    }
}

TEST(InfluenceLines, KingsMarkNoCheck) {
    const 盤面型 b = 盤を作る({{6, 6, 39}, {6, 7, -39}});
    EXPECT_EQ(合計(COM調査(b).COM王手筋), 0);
    EXPECT_EQ(合計(MAN調査(b).MAN王手筋), 0);
}

TEST(InfluenceLines, ComputerGoldEntersNoAttackerAndNoDefenderSquare) {
    // Gold on (6, 6); a human pawn forward of it on (6, 7); its own pawn beside it on (5, 6).
    const COM勢力図 m = COM調査(盤を作る({{6, 6, 13}, {6, 7, -1}, {5, 6, 1}}));
    EXPECT_EQ(m.COM勢力(6, 7), 1);
    EXPECT_EQ(m.COM攻最小価値(6, 7), 勢力_なし);
    EXPECT_EQ(m.COM攻最小X(6, 7), 0);
    EXPECT_EQ(m.COM守最小価値(5, 6), 8);
    EXPECT_EQ(m.COM守最小X(5, 6), 0);
    EXPECT_EQ(m.COM守最小Y(5, 6), 0);
    EXPECT_EQ(m.COM勢力(5, 5), 0) << "no backward diagonal";
    EXPECT_EQ(m.COM勢力(7, 5), 0) << "no backward diagonal";
    EXPECT_EQ(m.COM勢力(6, 5), 1) << "straight back";
}

TEST(InfluenceLines, ComputerGoldTakesTheValueButNotTheSquareOfAnEarlierDefender) {
    // The rook on (2, 6) defends the pawn on (5, 6) first (column 2 comes first); the gold on (6, 6) is cheaper.
    const COM勢力図 m = COM調査(盤を作る({{2, 6, 15}, {5, 6, 1}, {6, 6, 13}}));
    EXPECT_EQ(m.COM守最小価値(5, 6), 8);
    EXPECT_EQ(m.COM守最小X(5, 6), 2);
    EXPECT_EQ(m.COM守最小Y(5, 6), 6);
}

TEST(InfluenceLines, HumanGoldEntersAttackerWithItsSquare) {
    // Human gold on (6, 6): a computer pawn forward of it on (6, 5), its own pawn on (7, 6).
    const MAN勢力図 m = MAN調査(盤を作る({{6, 6, -13}, {6, 5, 1}, {7, 6, -1}}));
    EXPECT_EQ(m.MAN攻最小価値(6, 5), 8);
    EXPECT_EQ(m.MAN攻最小X(6, 5), 6);
    EXPECT_EQ(m.MAN攻最小Y(6, 5), 6);
    EXPECT_EQ(m.MAN守最小価値(7, 6), 8);
    EXPECT_EQ(m.MAN勢力(5, 7), 0) << "no backward diagonal";
    EXPECT_EQ(m.MAN勢力(6, 7), 1) << "straight back";
}

TEST(InfluenceLines, PseudoCodeStandsAsAPieceOfItsSide) {
    // A rook's line ends on a pseudo code of its own side and enters it as defended.
    const COM勢力図 m = COM調査(盤を作る({{6, 2, 15}, {6, 5, 擬_獅}}));
    EXPECT_EQ(m.COM勢力(6, 5), 1);
    EXPECT_EQ(m.COM勢力(6, 6), 0);
    EXPECT_EQ(m.COM守最小価値(6, 5), 17);
    // And a human rook's line ends on it as an attacked piece.
    const MAN勢力図 h = MAN調査(盤を作る({{6, 12, -15}, {6, 5, 擬_獅}}));
    EXPECT_EQ(h.MAN勢力(6, 4), 0);
    EXPECT_EQ(h.MAN攻最小価値(6, 5), 17);
}

}  // namespace
}  // namespace bexoru
