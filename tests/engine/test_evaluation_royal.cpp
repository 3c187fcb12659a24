// The rules of every level: the royal pieces, check and mate, promotion, and
// that level 1 cares nothing for material. Each row gives the score of one
// trial at levels 1, 2 and 3, in tenths, counted by hand from the rules;
// the comments list the terms.

#include <gtest/gtest.h>

#include "evaluation_fixture.h"

namespace bexoru {
namespace {

using test::三段で確かめる;
using test::三段例;

constexpr 評価値 取り切り = 点(9999);
constexpr 評価値 負け = 点(-9998);
constexpr 評価値 詰み = 点(9998);

TEST(EvalRoyal, EarlyReturns) {
    const 三段例 cases[] = {
        {"the human's last royal piece, the King, is taken",
         {{6, 5, 13}, {6, 6, -39}},
         {6, 5, 6, 6},
         空,
         {取り切り, 取り切り, 取り切り}},
        {"the human's last royal piece, the Crown Prince, is taken",
         {{6, 5, 13}, {6, 6, -38}},
         {6, 5, 6, 6},
         空,
         {取り切り, 取り切り, 取り切り}},
        // Level 1: nothing. Levels 2 and 3: +1 (fled the King's attack), +0.1
        // (approach), the trade 30 - 8 = 22, and the safe capture 5 x 30 + 300.
        {"the King taken while the Crown Prince remains",
         {{6, 5, 13}, {6, 6, -39}, {1, 12, -38}},
         {6, 5, 6, 6},
         空,
         {0, 4731, 4731}},
        // The Silver's step opens the human Lance's file onto the King.
        {"the computer's King attacked after the move",
         {{6, 1, 39}, {6, 2, 9}, {6, 9, -3}},
         {6, 2, 5, 3},
         空,
         {負け, 負け, 負け}},
        {"the computer's sole Crown Prince attacked",
         {{6, 1, 38}, {6, 2, 9}, {6, 9, -3}},
         {6, 2, 5, 3},
         空,
         {負け, 負け, 負け}},
        // The Crown Prince attacked with the King safe: S = -10; the danger term
        // finds the hole (6, 3) backed by the Lance (-10.1). From level 2 the
        // Silver, worth 5, escaped the Lance (worth 2): +5.
        {"the Crown Prince attacked while the King is safe",
         {{1, 1, 39}, {6, 1, 38}, {6, 2, 9}, {6, 9, -3}},
         {6, 2, 5, 3},
         空,
         {-201, -151, -151}},
    };
    for (const 三段例& c : cases) 三段で確かめる(c);
}

// The human King in the corner (1, 12). Rooks hold column 2 and row 11, a
// Phoenix on (3, 10) jumps onto (1, 12).
TEST(EvalCheck, MateScoresByTheMovingPiece) {
    const 三段例 cases[] = {
        {"a pawn gives the mate",
         {{1, 12, -39}, {1, 10, 1}, {2, 1, 15}, {12, 11, 15}, {3, 10, 25}},
         {1, 10, 1, 11},
         空,
         {負け, 負け, 負け}},
        {"a pawn that promotes as it mates",
         {{1, 12, -39}, {1, 10, 1}, {2, 1, 15}, {12, 11, 15}, {3, 10, 25}},
         {1, 10, 1, 11},
         2,
         {詰み, 詰み, 詰み}},
        {"a Gold gives the same mate",
         {{1, 12, -39}, {1, 10, 13}, {2, 1, 15}, {12, 11, 15}, {3, 10, 25}},
         {1, 10, 1, 11},
         空,
         {詰み, 詰み, 詰み}},
        // With a Crown Prince on (9, 6) there is no mate. The pawn is attacked
        // only by the King and defended: +50. Level 2: +0.1 approach. Level 3:
        // the King in front has no safe square (+30), the computer holds its
        // square (+2), and the Phoenix already attacked it, undefended, before
        // the move (-1).
        {"King and Crown Prince are never mated",
         {{1, 12, -39}, {9, 6, -38}, {1, 10, 1}, {2, 1, 15}, {12, 11, 15}, {3, 10, 25}},
         {1, 10, 1, 11},
         空,
         {500, 501, 811}},
    };
    for (const 三段例& c : cases) 三段で確かめる(c);
}

// The human King on (6, 10) with its Crown Prince far away on (12, 12), so no
// check here is ever a mate.
TEST(EvalCheck, HowTheCheckingPieceStands) {
    const 三段例 cases[] = {
        // The Gold checks from (6, 9), attacked only by the King, defended by
        // the Silver: +50. Level 2: +0.1 approach.
        {"attacked by the King alone and defended",
         {{6, 10, -39}, {12, 12, -38}, {6, 8, 13}, {5, 8, 9}},
         {6, 8, 6, 9},
         空,
         {500, 501, 501}},
        // Undefended it hangs: -13 in the danger term.
        {"attacked by the King alone and undefended",
         {{6, 10, -39}, {12, 12, -38}, {6, 8, 13}},
         {6, 8, 6, 9},
         空,
         {-130, -129, -129}},
        // The Gold checks from (5, 9), diagonally beside the King, with a Dragon
        // King on (6, 8), on the King's column, as its defender: +500 and +50.
        {"diagonally beside the King, backed by a Dragon King on its column",
         {{6, 10, -39}, {12, 12, -38}, {5, 8, 13}, {6, 8, 17}},
         {5, 8, 5, 9},
         空,
         {5500, 5501, 5501}},
        {"the Dragon King off the King's lines",
         {{6, 10, -39}, {12, 12, -38}, {5, 8, 13}, {4, 8, 17}},
         {5, 8, 5, 9},
         空,
         {500, 501, 501}},
        // The Rook checks down column 6 from a square nothing attacks: +10, and
        // +0.1 for the King as a target of the danger term's fork test.
        {"a check from a safe square", {{6, 10, -39}, {12, 12, -38}, {1, 5, 15}}, {1, 5, 6, 5}, 空, {101, 101, 101}},
    };
    for (const 三段例& c : cases) 三段で確かめる(c);
}

TEST(EvalPromotion, BonusAndSafety) {
    const 三段例 cases[] = {
        // +0.1 and +10 on a safe square; level 3: the Tokin holds its square, +1.
        {"a pawn promotes on a safe square", {{5, 8, 1}}, {5, 8, 5, 9}, 2, {101, 101, 111}},
        // The same step unpromoted: level 3 only, the pawn's own rules: the
        // square in front held (+2), the square safe and unheld (+0.5).
        {"the same step unpromoted", {{5, 8, 1}}, {5, 8, 5, 9}, 空, {0, 0, 25}},
        // A human Gold on (5, 10) attacks (5, 9): +0.1 only, and the Tokin
        // (code 2) hangs: -2.
        {"a pawn promotes on an attacked square", {{5, 8, 1}, {5, 10, -13}}, {5, 8, 5, 9}, 2, {-19, -19, -19}},
    };
    for (const 三段例& c : cases) 三段で確かめる(c);
}

TEST(EvalMaterial, LevelOneIgnoresCaptures) {
    const 三段例 cases[] = {
        // Level 2: +1 (fled the Silver's attack), the trade 5 - 8 = -3, safe
        // capture 5 x 5. Two far human pawns keep the armies from running bare.
        {"a safe capture", {{5, 5, 13}, {5, 6, -9}, {11, 12, -1}, {12, 12, -1}}, {5, 5, 5, 6}, 空, {0, 230, 230}},
        // Afterwards one human piece against two computer pieces: bare army.
        {"a capture that leaves the human a bare army",
         {{5, 5, 13}, {5, 6, -9}, {1, 12, -1}, {12, 1, 1}},
         {5, 5, 5, 6},
         空,
         {0, 取り切り, 取り切り}},
    };
    for (const 三段例& c : cases) 三段で確かめる(c);
}

}  // namespace
}  // namespace bexoru
