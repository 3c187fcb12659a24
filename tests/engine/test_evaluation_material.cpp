// The rules added at level 2: safe destinations, approach to the human King,
// pinned attackers, quiet moves and captures. Each row gives the score of one
// trial at levels 1, 2 and 3, in tenths, counted by hand from the rules.

#include <gtest/gtest.h>

#include "board/starting_position.h"
#include "engine/piece_count.h"
#include "evaluation_fixture.h"

namespace bexoru {
namespace {

using test::三段で確かめる;
using test::三段例;

TEST(EvalSafety, FleeingAndNewThreats) {
    const 三段例 cases[] = {
        // The Gold leaves (5, 5), attacked by a pawn and undefended, for (4, 5):
        // +1 fled, +8 escaped a cheaper attacker; the danger term's fork test
        // finds the pawn: +0.1.
        {"fleeing an attacked, undefended square", {{5, 5, 13}, {5, 6, -1}}, {5, 5, 4, 5}, 空, {1, 91, 91}},
        // A Silver defends (5, 5): no +1.
        {"fleeing a defended square", {{5, 5, 13}, {5, 6, -1}, {5, 4, 9}}, {5, 5, 4, 5}, 空, {1, 81, 81}},
        // The Rook's step to (1, 8) newly attacks the human Lion on (8, 8): +5,
        // and +0.1 for the Lion as a fork target.
        {"newly attacking the human Lion", {{1, 2, 15}, {8, 8, -34}}, {1, 2, 1, 8}, 空, {1, 51, 51}},
    };
    for (const 三段例& c : cases) 三段で確かめる(c);
}

// The human King on (6, 11); a Gold steps nearer. The score is the approach
// rule alone (level 2 = level 3 for these steps, except the diagonal one).
TEST(EvalApproach, NearerToTheHumanKing) {
    const 三段例 cases[] = {
        // Distance before 4; after, 3 columns and 3 rows: the rows decide, 4 > 3.
        {"nearer along the row distance", {{6, 11, -39}, {10, 8, 13}}, {10, 8, 9, 8}, 空, {0, 1, 1}},
        // After, 4 columns and 2 rows: the columns decide, and 4 is not nearer.
        {"not nearer along the column distance", {{6, 11, -39}, {10, 8, 13}}, {10, 8, 10, 9}, 空, {0, 0, 0}},
        // Before 5; after 3 columns and 4 rows: +0.1; level 3 Gold: diagonal forward -0.5.
        {"a diagonal step nearer", {{6, 11, -39}, {10, 6, 13}}, {10, 6, 9, 7}, 空, {0, 1, -4}},
        // Before 5; after 4 columns and 2 rows: the columns decide, 5 > 4: +1.
        {"nearer along the column distance", {{6, 11, -39}, {11, 9, 13}}, {11, 9, 10, 9}, 空, {0, 10, 10}},
    };
    for (const 三段例& c : cases) 三段で確かめる(c);
}

// The human King on (6, 12); a human Gold on (6, 10) is pinned by the
// computer's Lance on (6, 3) and defended by a Silver on (5, 11). The
// computer's Gold steps onto (7, 9), where only the pinned Gold attacks it,
// and could take it from there off the pin line.
TEST(EvalPinnedAttacker, TakingAPinnedAttacker) {
    const 三段例 cases[] = {
        // The Gold hangs (-13); approach +0.1; the pinned attacker's code +13.
        {"a pinned, defended attacker",
         {{6, 12, -39}, {6, 10, -13}, {5, 11, -9}, {6, 3, 3}, {7, 8, 13}},
         {7, 8, 7, 9},
         空,
         {-130, 1, 1}},
        {"no Lance: the attacker is free",
         {{6, 12, -39}, {6, 10, -13}, {5, 11, -9}, {7, 8, 13}},
         {7, 8, 7, 9},
         空,
         {-130, -129, -129}},
        {"no Silver: the attacker is undefended",
         {{6, 12, -39}, {6, 10, -13}, {6, 3, 3}, {7, 8, 13}},
         {7, 8, 7, 9},
         空,
         {-130, -129, -129}},
        // The Gold steps onto (6, 9), on the pin line itself: nothing. (It stands
        // defended by the Lance there; level 3: diagonal forward -0.5.)
        {"the moved piece on the pin line",
         {{6, 12, -39}, {6, 10, -13}, {5, 11, -9}, {6, 3, 3}, {7, 8, 13}},
         {7, 8, 6, 9},
         空,
         {0, 1, -4}},
        // A Dragon King pins; the Rook on (8, 10) was the cheapest attacker of the
        // pinned Gold and is the piece that moves: nothing. The Rook hangs (-15)
        // and stands where a piece worth 8 attacks it (-9).
        {"the piece that attacked it before has moved",
         {{6, 12, -39}, {6, 10, -13}, {5, 11, -9}, {6, 3, 17}, {8, 10, 15}},
         {8, 10, 7, 10},
         空,
         {-150, -240, -240}},
    };
    for (const 三段例& c : cases) 三段で確かめる(c);
}

TEST(EvalQuietMove, LossEscapeSquaresAndTheHumanLion) {
    const 三段例 cases[] = {
        // The Gold (worth 8) steps onto (6, 7), attacked by a pawn: -7, and it
        // hangs in the danger term: -13.
        {"onto a square a cheaper piece attacks", {{6, 6, 13}, {6, 8, -1}}, {6, 6, 6, 7}, 空, {-130, -200, -200}},
        // Onto (5, 7), unattacked: nothing lost; the pawn is a fork target
        // (+0.1); level 3 Gold: diagonal forward -0.5.
        {"onto an unattacked square", {{6, 6, 13}, {6, 8, -1}}, {6, 6, 5, 7}, 空, {1, 1, -4}},
        // The Gold's step to (6, 10) takes three of the human King's five escape
        // squares: +3; approach +0.1.
        {"taking escape squares from the human King", {{6, 12, -39}, {6, 9, 13}}, {6, 9, 6, 10}, 空, {0, 31, 31}},
        // Onto (6, 9) beside the human Lion on (6, 10): -5; it hangs: -13.
        {"onto a square beside the human Lion", {{6, 8, 13}, {6, 10, -34}}, {6, 8, 6, 9}, 空, {-130, -180, -180}},
        // Away from beside the Lion onto a square it still attacks: -1.
        {"away from the Lion, still attacked", {{6, 9, 13}, {6, 10, -34}}, {6, 9, 6, 8}, 空, {-130, -140, -140}},
        // The Rook leaves the Lion's side for a safe square: -1 + 5, and +1
        // for fleeing an attacked, undefended square.
        {"away from the Lion to safety", {{5, 9, 15}, {6, 10, -34}}, {5, 9, 5, 3}, 空, {0, 50, 50}},
    };
    for (const 三段例& c : cases) 三段で確かめる(c);
}

// Two far human pawns on (11, 12) and (12, 12) keep the armies from running
// bare where a row needs it.
TEST(EvalCapture, TradesAndWhatTheCapturerRisks) {
    const 三段例 cases[] = {
        // Silver takes Silver, safe: +5 for the equal trade, 5 x 5, +1 fled.
        // Level 3: a Silver's straight step forward, -0.1.
        {"an equal trade", {{5, 5, 9}, {5, 6, -9}, {11, 12, -1}, {12, 12, -1}}, {5, 5, 5, 6}, 空, {0, 310, 309}},
        // Copper (worth 4): the trade -1, not 0; 5 x 4, +1 fled.
        {"a trade one point down",
         {{5, 5, 9}, {5, 6, -5}, {11, 12, -1}, {12, 12, -1}},
         {5, 5, 5, 6},
         空,
         {0, 200, 199}},
        // Tokin (worth 7): trade +2, 5 x 7, +50, fled +1.
        {"taking a Tokin", {{5, 5, 9}, {5, 6, -2}, {11, 12, -1}, {12, 12, -1}}, {5, 5, 5, 6}, 空, {0, 880, 879}},
        {"taking a White Horse", {{5, 5, 9}, {5, 6, -4}, {11, 12, -1}, {12, 12, -1}}, {5, 5, 5, 6}, 空, {0, 820, 819}},
        // Drunk Elephant (worth 28): trade +23, 5 x 28, +300, fled +1.
        {"taking a Drunk Elephant",
         {{5, 5, 9}, {5, 6, -37}, {11, 12, -1}, {12, 12, -1}},
         {5, 5, 5, 6},
         空,
         {0, 4640, 4639}},
        // The promoted one (worth 11) is no Crown Prince to be: +6, 5 x 11, +1.
        {"taking a promoted Drunk Elephant",
         {{5, 5, 9}, {5, 6, -36}, {11, 12, -1}, {12, 12, -1}},
         {5, 5, 5, 6},
         空,
         {0, 620, 619}},
        // The pawn takes a Gold that a Silver defends, and a Gold of its own
        // defends it: trade +7, and +8 since the pawn is cheaper than the
        // Silver. Level 3: the square in front held (+2), a Gold defends (+0.6),
        // a capture from a square one piece covered (+5).
        {"a defended capture by a cheaper piece",
         {{5, 5, 1}, {4, 5, 13}, {5, 6, -13}, {4, 7, -9}, {11, 12, -1}, {12, 12, -1}},
         {5, 5, 5, 6},
         空,
         {0, 150, 226}},
        // The Gold takes a Silver that a pawn defends: trade -3 twice; the Gold
        // hangs (-13) after capturing a Silver there (+9).
        {"an attacked, undefended capture",
         {{5, 5, 13}, {5, 6, -9}, {5, 7, -1}, {11, 12, -1}, {12, 12, -1}},
         {5, 5, 5, 6},
         空,
         {-40, -100, -100}},
        // The pawn takes a Silver that a pawn defends; a second Silver attacks
        // the pawn's origin, where it has nowhere to go: trade +4 twice and +5;
        // danger -1 + 9. Level 3: a defended human pawn ahead (-5), then the
        // pawn in front (-1).
        {"a trapped piece sells itself",
         {{5, 5, 1}, {5, 6, -9}, {5, 7, -1}, {4, 6, -9}, {12, 12, -1}},
         {5, 5, 5, 6},
         空,
         {80, 210, 150}},
    };
    for (const 三段例& c : cases) 三段で確かめる(c);
}

// The count behind the bare-army rules, here and at the end of a game.
TEST(PieceCount, CountsEachArmyRoyalPiecesIncluded) {
    盤面型 b;
    初期配置(b);
    駒数 n = 盤上駒数(b);
    EXPECT_EQ(n.MAN駒数, 46);
    EXPECT_EQ(n.COM駒数, 46);
    b = 盤面型{};
    b(1, 1) = 39;
    b(12, 12) = -38;
    b(6, 6) = -1;
    n = 盤上駒数(b);
    EXPECT_EQ(n.MAN駒数, 2);
    EXPECT_EQ(n.COM駒数, 1);
}

}  // namespace
}  // namespace bexoru
