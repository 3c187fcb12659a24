// The one-move mate tests of both sides and the count of the human King's
// escape squares, on hand-built positions.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/game_state.h"
#include "board/move_log.h"
#include "engine/influence.h"
#include "engine/mate.h"
#include "influence_test_board.h"

namespace bexoru {
namespace {

using test::配置;

// A position with both surveys made on it, ready for the mate tests.
struct 局面例 {
    盤面型 盤面{};
    棋譜記録 記録{};
    対局状態 状態{};
    COM勢力図 com{};
    MAN勢力図 man{};
    規則局面 局面{盤面, 記録, 状態};

    explicit 局面例(const std::vector<配置>& 駒々) {
        盤面 = test::盤を作る(駒々);
        状態.MAN側 = 先手;
        状態.COM側 = 後手;
        状態.手番 = 先手;
        勢力調査_COM(盤面, com);
        勢力調査_MAN(盤面, man);
    }
};

struct 詰め例 {
    std::string name;
    std::vector<配置> board;
    bool expected;
};

std::vector<配置> 加えて(std::vector<配置> a, const std::vector<配置>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The human King in the corner (1, 12), checked by a Kirin's jump from
// (1, 10); rooks on (2, 1) and (12, 11) hold column 2 and row 11. A jump
// leaves no square between to block, and the King cannot reach the Kirin.
const std::vector<配置> 隅の王 = {{1, 12, -39}, {1, 10, 32}, {2, 1, 15}, {12, 11, 15}};

// The same with a rook's file check from (1, 1) in place of the Kirin.
const std::vector<配置> 筋の王 = {{1, 12, -39}, {1, 1, 15}, {2, 1, 15}};

TEST(MateMan, OneMoveDefencesOfTheHumanKing) {
    const 詰め例 cases[] = {
        {"lone King with no defence", 隅の王, true},
        {"King and Crown Prince are never mated", 加えて(隅の王, {{6, 6, -38}}), false},
        {"escape to a free square", {{1, 12, -39}, {1, 1, 15}}, false},
        {"capture the jumping checker (rook down column 1)", 加えて(隅の王, {{1, 2, -15}}), false},
        {"capturing one checker leaves the phoenix's jump", 加えて(隅の王, {{1, 2, -15}, {3, 10, 25}}), true},
        {"interpose on the check line (rook to (1, 6))", 加えて(筋の王, {{5, 6, -15}}), false},
        // One move deep: after a step the test asks whether a computer piece can
        // move onto the square the royal piece stood on.
        {"the King steps into the rook's file and so blocks it", 筋の王, false},
        {"the King takes an adjacent checker when nothing reaches its former square",
         {{1, 12, -39}, {2, 11, 13}, {2, 1, 15}},
         false},
        {"the King takes an adjacent checker but a rook reaches its former square",
         {{1, 12, -39}, {2, 11, 13}, {1, 1, 15}, {2, 1, 15}},
         true},
        {"not in check at all", {{1, 12, -39}, {2, 1, 15}}, false},
        {"lone Crown Prince with no defence", {{1, 12, -38}, {1, 10, 32}, {2, 1, 15}, {12, 11, 15}}, true},
        {"lone Crown Prince escapes to a free square", {{1, 12, -38}, {1, 1, 15}}, false},
        {"the Crown Prince takes a checker but a rook reaches its former square",
         {{1, 12, -38}, {2, 11, 13}, {1, 1, 15}, {2, 1, 15}},
         true},
        {"the Crown Prince's defender captures the checker",
         {{1, 12, -38}, {1, 10, 32}, {2, 1, 15}, {12, 11, 15}, {1, 2, -15}},
         false},
    };
    for (const 詰め例& c : cases) {
        局面例 p(c.board);
        const 盤面型 before = p.盤面;
        EXPECT_EQ(詰めかMAN(p.局面, p.com, p.man), c.expected) << c.name;
        EXPECT_TRUE(p.盤面 == before) << c.name << ": the board must come back as it was";
    }
}

TEST(MateMan, MembersAnswerForTheirOwnPiece) {
    // With both royal pieces the family head says no, but the King's member
    // alone finds the King mated.
    局面例 p(加えて(隅の王, {{6, 6, -38}}));
    EXPECT_FALSE(詰めかMAN(p.局面, p.com, p.man));
    EXPECT_TRUE(詰めかMAN_王(p.局面, p.com, p.man));
    EXPECT_FALSE(詰めかMAN_太(p.局面, p.com, p.man)) << "the Prince on (6, 6) is not attacked";
}

TEST(MateMan, ComputerPieceOntoTheRoyalSquare) {
    局面例 p({{1, 12, -39}, {6, 6, -38}, {1, 1, 15}, {2, 1, 15}});
    EXPECT_TRUE(詰めかMAN_COM王移動(p.局面, p.man)) << "the rook on (1, 1) reaches the King";
    EXPECT_FALSE(詰めかMAN_COM太移動(p.局面, p.man)) << "nothing reaches (6, 6)";
    p.盤面(1, 6) = -1;  // a pawn now blocks the file
    EXPECT_FALSE(詰めかMAN_COM王移動(p.局面, p.man));
}

// The computer's King in the corner (12, 1), checked up column 12 by a human
// rook on (12, 12), with a second human rook on (11, 12) holding column 11.
const std::vector<配置> 隅の敵王 = {{12, 1, 39}, {12, 12, -15}, {11, 12, -15}};

TEST(MateCom, OneMoveDefencesOfTheComputersKing) {
    const 詰め例 cases[] = {
        {"lone King with no defence", 隅の敵王, true},
        {"King and Crown Prince are never mated", 加えて(隅の敵王, {{1, 1, 38}}), false},
        {"escape to a free square", {{12, 1, 39}, {12, 12, -15}}, false},
        {"capture the checking rook (kirin jumps onto (12, 12))", 加えて(隅の敵王, {{10, 12, 32}}), false},
        {"interpose on the check line (rook to (12, 6))", 加えて(隅の敵王, {{8, 6, 15}}), false},
        {"capturing one checker leaves the phoenix's check", 加えて(隅の敵王, {{10, 12, 32}, {10, 3, -25}}), true},
        {"the King takes an undefended checker", {{12, 1, 39}, {11, 2, -13}}, false},
        {"the King is no defender against a defended checker", {{12, 1, 39}, {11, 2, -13}, {11, 12, -15}}, true},
        {"not in check at all", {{12, 1, 39}, {11, 12, -15}}, false},
        {"lone Crown Prince with no defence", {{12, 1, 38}, {12, 12, -15}, {11, 12, -15}}, true},
        {"lone Crown Prince, checking rook captured", {{12, 1, 38}, {12, 12, -15}, {11, 12, -15}, {10, 12, 32}}, false},
    };
    for (const 詰め例& c : cases) {
        局面例 p(c.board);
        const 盤面型 before = p.盤面;
        const COM勢力図 comBefore = p.com;
        const MAN勢力図 manBefore = p.man;
        EXPECT_EQ(詰めかCOM(p.局面, p.com, p.man), c.expected) << c.name;
        EXPECT_TRUE(p.盤面 == before) << c.name << ": the board must come back as it was";
        EXPECT_TRUE(p.com == comBefore && p.man == manBefore) << c.name << ": the maps passed in are left alone";
    }
}

TEST(MateCom, MembersAnswerForTheirOwnPiece) {
    局面例 p(加えて(隅の敵王, {{1, 1, 38}}));
    EXPECT_FALSE(詰めかCOM(p.局面, p.com, p.man));
    EXPECT_TRUE(詰めかCOM_王(p.局面, p.com, p.man));
    EXPECT_FALSE(詰めかCOM_太(p.局面, p.com, p.man));
}

TEST(MateEscapeSquares, CountsFreeUnattackedNeighboursOfTheHumanKing) {
    struct 逃道例 {
        std::string name;
        std::vector<配置> board;
        int expected;
    };
    const 逃道例 cases[] = {
        {"King alone in the middle", {{6, 6, -39}}, 8},
        {"King alone in the corner", {{1, 12, -39}}, 3},
        {"a computer rook holds row 5", {{6, 6, -39}, {1, 5, 15}}, 5},
        {"a rook's file through the King takes the squares on both sides", {{6, 6, -39}, {6, 1, 15}}, 6},
        {"occupied neighbours never count, even capturable ones",
         {{6, 6, -39}, {5, 5, 1}, {6, 5, 1}, {7, 5, 1}, {5, 6, -1}, {7, 6, -1}, {5, 7, -9}, {6, 7, 9}, {7, 7, -13}},
         0},
        {"no human King: nothing to count, even with (1, 1) free", {{6, 6, -38}}, 0},
    };
    for (const 逃道例& c : cases) {
        局面例 p(c.board);
        EXPECT_EQ(調査_自王逃道(p.盤面, p.com, p.man), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace bexoru
