// The match tool's notation: squares, moves and positions as a CECP engine
// (HaChu) writes them, read back onto our board.

#include <gtest/gtest.h>

#include <cctype>

#include "board/starting_position.h"
#include "notation.h"
#include "search/movegen.h"

namespace bexoru::notation {
namespace {

using search::square_of;

search::Move step(int X1, int Y1, int X2, int Y2, bool promote = false) {
    return {static_cast<std::uint8_t>(square_of(X1, Y1)), static_cast<std::uint8_t>(square_of(X2, Y2)), 0,
            static_cast<std::uint8_t>(promote)};
}

search::Position start() {
    盤面型 b{};
    初期配置(b);
    return search::Position::from_board(b, search::kLower);
}

TEST(MatchNotation, SquaresAreFileByColumnAndRankCountedFromTheLowerArmy) {
    EXPECT_EQ(square_name(square_of(1, 1)), "a12");
    EXPECT_EQ(square_name(square_of(12, 12)), "l1");
    EXPECT_EQ(square_name(square_of(5, 9)), "e4");
    EXPECT_EQ(square_name(square_of(10, 3)), "j10");
    // Every square reads back as itself; text around the names is skipped.
    for (int sq = 0; sq < search::kSquares; ++sq) {
        if (start().at(sq) == search::kOff) continue;
        const auto back = squares_in("move " + square_name(sq) + "\n");
        ASSERT_EQ(back.size(), 1u) << sq;
        EXPECT_EQ(back[0], sq);
    }
    EXPECT_EQ(squares_in("a13 m5 a0 b"), std::vector<int>{});
    EXPECT_EQ(squares_in("e5e6,e6e7"), (std::vector<int>{square_of(5, 8), square_of(5, 7), square_of(5, 7), square_of(5, 6)}));
}

TEST(MatchNotation, MovesRoundTripThroughTheOtherEnginesText) {
    const search::Position p = start();
    // The lower army's Pawn on (6, 9) steps to (6, 8): f4f5.
    EXPECT_EQ(move_name(p, step(6, 9, 6, 8)), "f4f5");
    ASSERT_TRUE(parse_move(p, "f4f5"));
    EXPECT_EQ(*parse_move(p, "f4f5"), step(6, 9, 6, 8));
    // Every legal move of the start, either army, reads back as itself.
    for (const int side : {search::kLower, search::kUpper}) {
        search::Position q = p;
        q.set_side(side);
        search::MoveList list;
        search::generate(q, list, search::Generate::unique);
        for (const search::Move& m : list) {
            const auto back = parse_move(q, move_name(q, m));
            ASSERT_TRUE(back) << move_name(q, m);
            EXPECT_EQ(*back, m) << move_name(q, m);
        }
    }
    EXPECT_FALSE(parse_move(p, "f4f6"));  // a Pawn steps one square
    EXPECT_FALSE(parse_move(p, "a1a2"));  // our own piece stands there
}

TEST(MatchNotation, PromotionsPassesAndTwoLegMoves) {
    search::Position p;
    p.set(square_of(1, 12), -駒::王);
    p.set(square_of(12, 1), 駒::王);
    p.set(square_of(6, 5), -駒::歩);   // a lower Pawn stepping into the zone (rows 1..4)
    p.set(square_of(8, 8), -駒::獅子);
    p.set(square_of(8, 7), 駒::金);
    p.set_side(search::kLower);
    EXPECT_EQ(move_name(p, step(6, 5, 6, 4, true)), "f8f9+");
    EXPECT_EQ(*parse_move(p, "f8f9+"), step(6, 5, 6, 4, true));
    EXPECT_EQ(*parse_move(p, "f8f9"), step(6, 5, 6, 4, false));
    const auto lion = static_cast<std::uint8_t>(square_of(8, 8));
    // Take the Gold and come back (h6 is (8, 7)); step to (9, 7) and on to (10, 6).
    const search::Move igui{lion, static_cast<std::uint8_t>(square_of(8, 7)), lion, 0};
    const search::Move two{lion, static_cast<std::uint8_t>(square_of(9, 7)), static_cast<std::uint8_t>(square_of(10, 6)), 0};
    const search::Move pass{lion, static_cast<std::uint8_t>(square_of(9, 8)), lion, 0};
    EXPECT_EQ(move_name(p, igui), "h5h6,h6h5");
    EXPECT_EQ(move_name(p, two), "h5i6,i6j7");
    EXPECT_EQ(move_name(p, pass), "h5h5");
    EXPECT_EQ(*parse_move(p, "h5h6,h6h5"), igui);
    EXPECT_EQ(*parse_move(p, "h5i6,i6j7"), two);
    const auto passed = parse_move(p, "h5h5");
    ASSERT_TRUE(passed);
    EXPECT_EQ(passed->from, lion);
    EXPECT_EQ(passed->to2, lion);
    EXPECT_EQ(p.at(passed->to), 0);
}

TEST(MatchNotation, TheStartingPositionInFenAndBack) {
    const search::Position p = start();
    EXPECT_EQ(to_fen(p),
              "lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/PPPPPPPPPPPP/"
              "MVRHDNQDHRVM/A1B1TOXT1B1A/LFCSGKEGSCFL w");
    const auto back = from_fen(to_fen(p));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->to_board(), p.to_board());
    EXPECT_EQ(back->side(), search::kLower);
    EXPECT_EQ(back->hash(), p.hash());
}

TEST(MatchNotation, EveryCodeHasItsLettersAndReadsBack) {
    const char* expected[] = {"",   "P",  "+P", "L",  "+L", "C",  "+C", "M", "+M", "S",  "+S", "V",  "+V", "G",
                              "+G", "R",  "+R", "D",  "+D", "F",  "+F", "B", "+B", "H",  "+H", "X",  "+X", "Q",
                              "A",  "+A", "T",  "+T", "O",  "+O", "N",  "I", "+I", "E",  "+E", "K"};
    for (int code = 1; code <= 最大駒コード; ++code) {
        EXPECT_EQ(piece_letters(-code), expected[code]) << code;
        std::string lower = expected[code];
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(piece_letters(code), lower) << code;
        // One piece of this code on an empty board, both armies.
        for (const int sign : {1, -1}) {
            search::Position p;
            p.set(square_of(7, 4), sign * code);
            const auto back = from_fen(to_fen(p));
            ASSERT_TRUE(back) << to_fen(p);
            EXPECT_EQ(back->at(7, 4), sign * code) << to_fen(p);
        }
    }
}

TEST(MatchNotation, MalformedFenIsRefused) {
    const std::string board12 = "12/12/12/12/12/12/12/12/12/12/12/12";
    EXPECT_TRUE(from_fen(board12 + " b"));
    EXPECT_FALSE(from_fen("12/12/12/12/12/12/12/12/12/12/12"));          // eleven ranks
    EXPECT_FALSE(from_fen("13/12/12/12/12/12/12/12/12/12/12/12"));       // a rank too long
    EXPECT_FALSE(from_fen("11/12/12/12/12/12/12/12/12/12/12/12"));       // a rank too short
    EXPECT_FALSE(from_fen("Z11/12/12/12/12/12/12/12/12/12/12/12"));      // no such letter
    EXPECT_FALSE(from_fen("+K11/12/12/12/12/12/12/12/12/12/12/12"));     // a King does not promote
    EXPECT_FALSE(from_fen("+N11/12/12/12/12/12/12/12/12/12/12/12"));     // nor does a Lion
    EXPECT_FALSE(from_fen(board12 + " x"));
}

}  // namespace
}  // namespace bexoru::notation
