// SFEN, XBoard's FEN, the piece letters and the squares of both notations.

#include <gtest/gtest.h>

#include <set>

#include "board/starting_position.h"
#include "exchange/notation.h"

namespace bexoru::exchange {
namespace {

TEST(PieceLetters, EveryCodeHasItsOwnLettersAndBack) {
    std::set<std::string> seen;
    for (int c = -最大駒コード; c <= 最大駒コード; ++c) {
        if (c == 空) continue;
        const std::string l = piece_letters(c);
        ASSERT_FALSE(l.empty()) << c;
        EXPECT_TRUE(seen.insert(l).second) << "two codes are written " << l;
        EXPECT_EQ(piece_of_letters(l), c) << l;
    }
    EXPECT_EQ(seen.size(), 78u);
    // Promoted forms are '+' and the letter of the piece they promote from.
    EXPECT_EQ(piece_letters(-駒::と), "+P");
    EXPECT_EQ(piece_letters(駒::獅子_成), "+o");
    EXPECT_EQ(piece_letters(-駒::奔王_成), "+X");
    EXPECT_EQ(piece_letters(-駒::太子), "+E");
    EXPECT_EQ(piece_letters(-駒::鷲), "+D");
    EXPECT_EQ(piece_letters(-駒::鷹), "+H");
    EXPECT_EQ(piece_letters(駒::獅子), "n");
    for (const char* bad : {"", "+K", "+Q", "+N", "Z", "PP", "+", "1", "+p+"})
        EXPECT_FALSE(piece_of_letters(bad)) << bad;
    EXPECT_TRUE(piece_letters(181).empty());
    EXPECT_TRUE(piece_letters(空).empty());
}

TEST(Sfen, StartingPositionBothWays) {
    EXPECT_EQ(to_sfen(start_diagram()), start_sfen);
    const DiagramResult r = parse_sfen(start_sfen);
    ASSERT_TRUE(r.ok()) << r.error->message;
    EXPECT_EQ(r.diagram, start_diagram());
    // The lower army's King stands on our column 6, file 7 of USI.
    EXPECT_EQ(r.diagram.board(6, 12), -駒::王);
    EXPECT_EQ(r.diagram.board(7, 1), 駒::王);
}

TEST(Sfen, PositionsReadBackAndTheMoveNumberMayBeLeftOff) {
    Diagram s;
    s.board(1, 1) = -駒::と;
    s.board(12, 12) = 駒::獅子_成;
    s.board(5, 6) = 駒::鷲;
    s.side = upper_army;
    s.move_number = 57;
    const std::string text = to_sfen(s);
    EXPECT_EQ(text, "+P11/12/12/12/12/4+d7/12/12/12/12/12/11+o w - 57");
    const DiagramResult r = parse_sfen(text);
    ASSERT_TRUE(r.ok()) << r.error->message;
    EXPECT_EQ(r.diagram, s);
    for (const char* short_form :
         {"12/12/12/12/12/12/12/12/12/12/12/12 b -", "12/12/12/12/12/12/12/12/12/12/12/12 b"}) {
        const DiagramResult r = parse_sfen(short_form);
        ASSERT_TRUE(r.ok()) << short_form;
        EXPECT_EQ(r.diagram.move_number, 1);
    }
}

TEST(Sfen, MalformedTextsAreRefusedWithThePlace) {
    const struct {
        const char* text;
        const char* says;
    } cases[] = {
        {"", "not 0 fields"},
        {"12/12/12/12/12/12/12/12/12/12/12/12 b - 1 9", "at most 4"},
        {"12/12/12/12/12/12/12/12/12/12/12 b - 1", "11 ranks"},
        {"12/12/12/12/12/12/12/12/12/12/12/12/12 b - 1", "more than 12 ranks"},
        {"13/12/12/12/12/12/12/12/12/12/12/12 b - 1", "rank 1"},
        {"12/11/12/12/12/12/12/12/12/12/12/12 b - 1", "rank 2"},
        {"12/12/5Z6/12/12/12/12/12/12/12/12/12 b - 1", "rank 3 (character 8 of the board): no piece is written 'Z'"},
        {"12/12/12/+K11/12/12/12/12/12/12/12/12 b - 1", "no piece is written '+K'"},
        {"12/12/12/12/12/12/12/12/12/12/12/11+ b - 1", "'+' with no piece"},
        {"12/12/12/12/12/12/12/12/12/12/12/12 x - 1", "side to move"},
        {"12/12/12/12/12/12/12/12/12/12/12/12 b P 1", "no pieces in hand"},
        {"12/12/12/12/12/12/12/12/12/12/12/12", "not 1 field"},
        {"12/12/12/12/12/12/12/12/12/12/12/12 b - 0", "move number"},
        {"P11/12/12/12/12/12/12/12/12/12/12/12 b - 1", "must have promoted"},
        {"12/12/12/12/12/12/12/12/12/12/12/l11 b - 1", "must have promoted"},
        {"06/12/12/12/12/12/12/12/12/12/12/12 b - 1", "rank 1"},
    };
    for (const auto& c : cases) {
        const DiagramResult r = parse_sfen(c.text);
        ASSERT_FALSE(r.ok()) << c.text;
        EXPECT_NE(r.error->message.find(c.says), std::string::npos) << c.text << " -> " << r.error->message;
        EXPECT_EQ(r.diagram, Diagram{}) << c.text;
    }
}

// The online site writes, in place of the hand, the square where the last move
// took a Lion with a piece other than a Lion (the counter-strike): it is read,
// checked against the board and written back.
TEST(Sfen, TheCounterStrikeSquareOfTheOnlineSite) {
    const std::string text = "11k/12/12/12/12/4r7/12/12/9n2/4+o7/12/6B4K b 8j 1";
    const DiagramResult r = parse_sfen(text);
    ASSERT_TRUE(r.ok()) << r.error->message;
    ASSERT_TRUE(r.diagram.lion_taken);
    EXPECT_EQ(*r.diagram.lion_taken, (桝位置{5, 10}));
    EXPECT_EQ(r.diagram.board(5, 10), 駒::獅子_成);
    EXPECT_EQ(to_sfen(r.diagram), text);
    EXPECT_FALSE(parse_sfen("11k/12/12/12/12/4r7/12/12/9n2/4+o7/12/6B4K b - 1").diagram.lion_taken);

    const struct {
        const char* text;
        const char* says;
    } refused[] = {
        {"11k/12/12/12/12/4r7/12/12/9n2/4+o7/12/6B4K b 7j 1", "holds no piece of the army that moved"},
        {"11k/12/12/12/12/4r7/12/12/9n2/4+o7/12/6B4K b 6l 1", "holds no piece of the army that moved"},
        {"11k/12/12/12/12/4r7/12/12/9n2/4+o7/12/6B4K b 8jj 1", "no pieces in hand"},
        {"11k/12/12/12/12/4r7/12/12/9n2/4+o7/12/6B4K b 13a 1", "no pieces in hand"},
    };
    for (const auto& c : refused) {
        const DiagramResult bad = parse_sfen(c.text);
        ASSERT_FALSE(bad.ok()) << c.text;
        EXPECT_NE(bad.error->message.find(c.says), std::string::npos) << c.text << " -> " << bad.error->message;
    }
}

TEST(XboardFen, TheStartAsXboardWritesItAndItsSides) {
    // XBoard's first mover ('w') is our lower army; the move number counts pairs.
    EXPECT_EQ(to_xboard_fen(start_diagram()),
              "lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/PPPPPPPPPPPP/MVRHDNQDHRVM/"
              "A1B1TOXT1B1A/LFCSGKEGSCFL w - 0 1");
    const DiagramResult r = parse_xboard_fen("11k/12/pp10/12/12/6p5/5p6/2RR1N6/7p2p1/7+H1+D2/12/K11 b - - 0 12");
    ASSERT_TRUE(r.ok()) << r.error->message;
    EXPECT_EQ(r.diagram.side, upper_army);
    EXPECT_EQ(r.diagram.move_number, 24);
    EXPECT_EQ(r.diagram.board(8, 10), -駒::鷹);
    EXPECT_EQ(r.diagram.board(10, 10), -駒::鷲);
    EXPECT_EQ(r.diagram.board(12, 1), 駒::王);
    EXPECT_EQ(to_xboard_fen(r.diagram), "11k/12/pp10/12/12/6p5/5p6/2RR1N6/7p2p1/7+H1+D2/12/K11 b - 0 12");
    EXPECT_FALSE(parse_xboard_fen("11k/12/12/12/12/12/12/12/12/12/12/K11 w KQ 0 1").ok());
    EXPECT_FALSE(parse_xboard_fen("11k/12/12/12/12/12/12/12/12/12/12/K11").ok());
}

TEST(Squares, BothNotationsNameOurSquares) {
    EXPECT_EQ(usi_square({1, 1}), "12a");
    EXPECT_EQ(usi_square({12, 12}), "1l");
    EXPECT_EQ(usi_square({6, 7}), "7g");
    EXPECT_EQ(xboard_square({1, 12}), "a1");
    EXPECT_EQ(xboard_square({12, 1}), "l12");
    for (int X = 1; X <= 盤サイズ; ++X) {
        for (int Y = 1; Y <= 盤サイズ; ++Y) {
            const auto u = read_usi_square(usi_square({X, Y}) + "x");
            ASSERT_TRUE(u);
            EXPECT_EQ(u->first, (桝位置{X, Y}));
            const auto x = read_xboard_square(xboard_square({X, Y}) + "x");
            ASSERT_TRUE(x);
            EXPECT_EQ(x->first, (桝位置{X, Y}));
        }
    }
    for (const char* bad : {"", "0a", "13a", "1m", "a", "7"}) EXPECT_FALSE(read_usi_square(bad)) << bad;
    for (const char* bad : {"", "a0", "m1", "a13x", "1a"}) {
        const auto r = read_xboard_square(bad);
        // "a13x" reads "a1" and leaves "3x": a square, but not the whole text.
        if (std::string_view(bad) == "a13x")
            EXPECT_TRUE(r && r->second == 2);
        else
            EXPECT_FALSE(r) << bad;
    }
}

}  // namespace
}  // namespace bexoru::exchange
