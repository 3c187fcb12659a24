// The danger term, component by component. Each position is small enough
// that every square's contribution can be counted by hand; the comment of a
// row lists them (scores in tenths). Unless a row says otherwise, the trial
// is the far pawn's step (12, 5) -> (12, 6), which touches nothing else.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "evaluation_fixture.h"

namespace bexoru {
namespace {

using test::手;
using test::評価盤;
using test::遠い一歩;
using test::遠い歩;
using test::配置;

struct 危険例 {
    std::string name;
    std::vector<配置> board;
    手 trial;
    評価値 expected;
};

template <std::size_t N>
void 確かめる(const 危険例 (&cases)[N]) {
    for (const 危険例& c : cases) {
        評価盤 p(c.board);
        EXPECT_EQ(p.危険(c.trial.fx, c.trial.fy, c.trial.tx, c.trial.ty), c.expected) << c.name;
    }
}

TEST(Danger, AttackedEmptySquaresByTheKingAndHoles) {
    const 危険例 cases[] = {
        // Kirin on (5, 4) jumps to (5, 2) beside the King: -0.5; its steps to
        // (4, 3) and (6, 3) are holes in row 3: -0.1 each.
        {"one attacker beside the King", {{6, 1, 39}, {5, 4, -32}, 遠い歩}, 遠い一歩, -7},
        // A Phoenix on (3, 4) also jumps to (5, 2): -0.5 x 2, and -10 since only
        // the King covers it; holes (1, 2), (3, 3), (4, 3), (6, 3).
        {"two attackers on a square only the King covers",
         {{6, 1, 39}, {5, 4, -32}, {3, 4, -25}, 遠い歩},
         遠い一歩,
         -114},
        // A human Lance up the open column 3: holes (3, 1), (3, 2), (3, 3), each
        // -0.1 and -10 for the Lance behind it.
        {"holes backed by a human Lance", {{3, 12, -3}, 遠い歩}, 遠い一歩, -303},
        // A computer Gold on (4, 2) covers (3, 2) and (3, 3): only (3, 1) is a hole.
        {"a covered square is no hole", {{3, 12, -3}, {4, 2, 13}, 遠い歩}, 遠い一歩, -101},
        // A human pawn on (3, 4) with the Lance behind it: the hole (3, 3) is
        // -0.1 (the pawn blocks the Lance there), and the pawn in front of it,
        // attacking it at least as often as the computer, -30 and -70 more since
        // the Lance backs the pawn's square.
        {"a hole in front of a backed human pawn", {{3, 4, -1}, {3, 12, -3}, 遠い歩}, 遠い一歩, -1001},
        {"the same square covered once: no hole, the pawn's threat stays",
         {{3, 4, -1}, {3, 12, -3}, {4, 2, 13}, 遠い歩},
         遠い一歩,
         -1000},
        {"covered twice: the pawn is outnumbered",
         {{3, 4, -1}, {3, 12, -3}, {4, 2, 13}, {2, 2, 9}, 遠い歩},
         遠い一歩,
         0},
    };
    確かめる(cases);
}

TEST(Danger, TheKingOnRowOne) {
    const 危険例 cases[] = {
        // Kirin on (6, 4) jumps to (6, 2): -50, -250 more (attacked as often as
        // defended), -0.5 for the square beside the King, holes (5, 3), (7, 3).
        {"the square in front attacked as often as defended", {{6, 1, 39}, {6, 4, -32}, 遠い歩}, 遠い一歩, -3007},
        // A Silver on (5, 1) covers (6, 2) too.
        {"the square in front defended twice", {{6, 1, 39}, {6, 4, -32}, {5, 1, 9}, 遠い歩}, 遠い一歩, -507},
    };
    確かめる(cases);
}

TEST(Danger, AttackedComputerPieces) {
    const 危険例 cases[] = {
        // Silver (code 9) beside its King on (6, 2), attacked once by a Kirin
        // (worth 20): 9 is not above 20, and nothing else applies.
        {"defended by the King alone, attacked once by a dearer piece",
         {{6, 2, 39}, {6, 3, 9}, {6, 5, -32}, 遠い歩},
         遠い一歩,
         0},
        // By a pawn: -100 (code 9 > 1), -4 twice (worth 5 against 1), and the
        // backing test on (6, 4) finds nothing below the pawn.
        {"defended by the King alone, attacked by a pawn",
         {{6, 2, 39}, {6, 3, 9}, {6, 4, -1}, 遠い歩},
         遠い一歩,
         -1080},
        // Kirin and Phoenix: -100 (attacked twice), -9 (attacked more often than
        // defended, by the King, worth 39 >= 20), and the Phoenix's hole (10, 3).
        {"defended by the King alone, attacked twice",
         {{6, 2, 39}, {6, 3, 9}, {6, 5, -32}, {8, 5, -25}, 遠い歩},
         遠い一歩,
         -1091},
        // Gold (code 13, worth 8) attacked by a pawn: -7 for the free attacker,
        // -13 undefended.
        {"undefended, attacked by a cheaper free piece", {{5, 5, 13}, {5, 6, -1}, 遠い歩}, 遠い一歩, -200},
        {"defended, attacked by a cheaper free piece: the difference twice",
         {{5, 5, 13}, {5, 6, -1}, {5, 4, 9}, 遠い歩},
         遠い一歩,
         -140},
        // The pawn is pinned to its King on (7, 8) by the Bishop on (3, 4).
        {"undefended, the attacker pinned", {{5, 5, 13}, {5, 6, -1}, {7, 8, -39}, {3, 4, 21}, 遠い歩}, 遠い一歩, -130},
        {"defended, the attacker pinned: the difference once",
         {{5, 5, 13}, {5, 6, -1}, {7, 8, -39}, {3, 4, 21}, {5, 4, 9}, 遠い歩},
         遠い一歩,
         -70},
        // Pawn (1) and Silver (5) attack the Gold, a Rook defends: -7 twice,
        // -13 for being outnumbered by attackers no dearer than the defender.
        {"outnumbered", {{5, 5, 13}, {5, 1, 15}, {5, 6, -1}, {4, 6, -9}, 遠い歩}, 遠い一歩, -270},
        // Silver on (3, 3), attacked by a Phoenix and defended by a Gold once
        // each, with a pawn on (3, 4) that a human Lance attacks up the column:
        // -(9 + 2), and the Phoenix's hole (7, 3).
        {"a first-rows piece above a square a human Lance reaches",
         {{3, 3, 9}, {3, 2, 13}, {3, 4, 1}, {3, 12, -3}, {5, 5, -25}, 遠い歩},
         遠い一歩,
         -111},
        {"the same without the Lance", {{3, 3, 9}, {3, 2, 13}, {3, 4, 1}, {5, 5, -25}, 遠い歩}, 遠い一歩, -1},
        // The Gold takes a Silver (code 9) that a pawn defends: -13, +9 for
        // the capture made there.
        {"a piece that has just captured", {{5, 4, 13}, {5, 5, -9}, {5, 6, -1}}, {5, 4, 5, 5}, -40},
        {"a piece that has just captured in row 3", {{5, 2, 13}, {5, 3, -9}, {5, 4, -1}}, {5, 2, 5, 3}, -50},
    };
    確かめる(cases);
}

TEST(Danger, PressureOnHumanPieces) {
    const 危険例 cases[] = {
        // The Silver's step (9, 2) -> (9, 3) newly attacks a Go-between on (8, 4)
        // within two of the King on (6, 2): +15; a fork target alone: +0.1; the
        // Go-between's step onto (8, 3) makes a hole: -0.1.
        {"a human piece newly attacked near the King", {{6, 2, 39}, {9, 2, 9}, {8, 4, -35}}, {9, 2, 9, 3}, 150},
        {"the same three columns from the King", {{5, 2, 39}, {9, 2, 9}, {8, 4, -35}}, {9, 2, 9, 3}, 0},
        {"a human Lance on the King's column", {{6, 1, 39}, {6, 5, -1}, {6, 12, -3}, 遠い歩}, 遠い一歩, -10},
        {"a human Rook on the King's column", {{6, 1, 39}, {6, 5, -1}, {6, 12, -15}, 遠い歩}, 遠い一歩, -10},
        {"a human Flying Stag on the King's column", {{6, 1, 39}, {6, 5, -1}, {6, 12, -31}, 遠い歩}, 遠い一歩, -10},
        {"a human Whale on the King's column", {{6, 1, 39}, {6, 5, -1}, {6, 12, -29}, 遠い歩}, 遠い一歩, -10},
        {"a human Gold on the King's column is not counted",
         {{6, 1, 39}, {6, 5, -1}, {6, 12, -13}, 遠い歩},
         遠い一歩,
         0},
        {"nor a human Reverse Chariot", {{6, 1, 39}, {6, 5, -1}, {6, 12, -28}, 遠い歩}, 遠い一歩, 0},
    };
    確かめる(cases);
}

TEST(Danger, Forks) {
    const 危険例 cases[] = {
        // The Gold's step (5, 5) -> (5, 6) reaches two undefended Go-betweens
        // beside it: 0.1 each and the smaller code, 35.
        {"two undefended targets", {{5, 5, 13}, {4, 6, -35}, {6, 6, -35}}, {5, 5, 5, 6}, 352},
        {"the smaller code of the two", {{5, 5, 13}, {4, 6, -9}, {6, 6, -35}}, {5, 5, 5, 6}, 92},
        {"one target", {{5, 5, 13}, {4, 6, -35}}, {5, 5, 5, 6}, 1},
        // A pawn on (6, 7) defends the Go-between on (6, 6), which defends it back.
        {"a defended piece is no target", {{5, 5, 13}, {4, 6, -35}, {6, 6, -35}, {6, 7, -1}}, {5, 5, 5, 6}, 1},
        // A pawn on (5, 7) attacks the Gold's square: no fork, the Gold hangs.
        {"no forks from an attacked square", {{5, 5, 13}, {4, 6, -35}, {6, 6, -35}, {5, 7, -1}}, {5, 5, 5, 6}, -130},
        // The Rook's step to (1, 6) attacks the King on (6, 6), defended by its
        // Gold, and a Go-between down the column: the King counts all the same.
        {"the human King counts even when defended",
         {{1, 2, 15}, {6, 6, -39}, {7, 7, -13}, {1, 9, -35}},
         {1, 2, 1, 6},
         352},
    };
    確かめる(cases);
}

}  // namespace
}  // namespace bexoru
