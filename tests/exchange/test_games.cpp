// Games in USI and PGN, through the rules, and to and from the game record.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "exchange/pgn.h"
#include "exchange/usi.h"
#include "records/record_check.h"

namespace bexoru::exchange {
namespace {

std::string data_file(const char* name) {
    std::ifstream in(std::string(BEXORU_EXCHANGE_DATA) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The moves of a PGN text without numbers, comments and the result.
std::vector<std::string> movetext_words(const std::string& pgn) {
    std::vector<std::string> out;
    std::string body = pgn.substr(pgn.find("\n\n"));
    std::string cleaned;
    int depth = 0;
    for (const char c : body) {
        if (c == '{') ++depth;
        if (depth == 0) cleaned += c;
        if (c == '}') --depth;
    }
    std::istringstream in(cleaned);
    std::string w;
    while (in >> w) {
        if (w.back() == '.' || w == "*" || w == "1-0" || w == "0-1" || w == "1/2-1/2") continue;
        out.push_back(w);
    }
    return out;
}

TEST(UsiMoves, SquaresPromotionAndDoubleMoves) {
    const auto m = parse_usi_move("7g7f");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->from, (桝位置{6, 7}));
    EXPECT_EQ(m->to, (桝位置{6, 6}));
    EXPECT_FALSE(m->then);
    const auto far = parse_usi_move("12a11b+");
    ASSERT_TRUE(far);
    EXPECT_EQ(far->from, (桝位置{1, 1}));
    EXPECT_EQ(far->to, (桝位置{2, 2}));
    EXPECT_TRUE(far->promote);
    const auto twice = parse_usi_move("7g7f7g");
    ASSERT_TRUE(twice && twice->then);
    EXPECT_EQ(*twice->then, twice->from);
    for (const char* text : {"7g7f", "12a11b+", "7g7f7e", "1l1k", "10j10i"}) {
        const auto p = parse_usi_move(text);
        ASSERT_TRUE(p) << text;
        EXPECT_EQ(to_usi(*p), text);
    }
    for (const char* bad : {"", "7g", "7g7", "7g7f+x", "7g7f7e+", "0a1a", "7m7l", "7g7f ", "P*5e"})
        EXPECT_FALSE(parse_usi_move(bad)) << bad;
}

TEST(UsiGames, MovesArePutToTheRulesAndRefusalsNameTheMove) {
    // A Pawn, then the upper army's Pawn, then the lower Lion's double move.
    const GameResult ok = parse_usi_game("position startpos moves 6i6h 7d7e 7j6i7h");
    ASSERT_TRUE(ok.ok()) << ok.error->message;
    ASSERT_EQ(ok.game.moves.size(), 3u);
    EXPECT_TRUE(ok.game.moves[2].then);
    EXPECT_EQ(usi_game_text(ok.game), "sfen " + std::string(start_sfen) + " moves 6i6h 7d7e 7j6i7h\n");
    const GameResult again = parse_usi_game(usi_game_text(ok.game));
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.game.moves, ok.game.moves);

    // The Lion's pass written as its square twice steps over an empty neighbour and back.
    const GameResult pass = parse_usi_game("startpos moves 6i6h 7d7e 7j7j");
    ASSERT_TRUE(pass.ok()) << pass.error->message;
    EXPECT_EQ(to_usi(pass.game.moves[2]), "7j6i7j");

    const struct {
        const char* text;
        int move;
        const char* says;
    } cases[] = {
        {"startpos moves 6i6h 6h6g", 2, "upper army is to move"},  // the same army twice
        {"startpos moves 6i6g", 1, "do not allow"},                // a Pawn two squares
        {"startpos moves 5e5f", 1, "no piece stands"},
        {"startpos moves 6i6h\n7d7e 7c7d7e", 3, "line 2, move 3"},  // a Rook's "second step"
        {"startpos moves 6i6h x", 2, "not a USI move"},
        {"startpos moves 7j7j", 1, "may pass"},  // no empty square next to the Lion
        {"sfen 12/12 b - 1 moves", 0, "SFEN"},
        {"nonsense", 0, "expected 'startpos'"},
    };
    for (const auto& c : cases) {
        const GameResult r = parse_usi_game(c.text);
        ASSERT_FALSE(r.ok()) << c.text;
        EXPECT_EQ(r.error->move, c.move) << c.text;
        EXPECT_NE(r.error->message.find(c.says), std::string::npos) << c.text << " -> " << r.error->message;
        EXPECT_TRUE(r.game.moves.empty());
    }
}

TEST(Pgn, ReadsXboardsDoubleMovesPassAndPromotionAndWritesThemTheSame) {
    // Written by XBoard 4.9 from a scripted game: a Lion taking and stepping on,
    // taking without moving, stepping and taking, passing; an Eagle's and a
    // Falcon's double moves; a Rook declining promotion and one promoting.
    const std::string text = data_file("xboard_double_moves.pgn");
    const GameResult r = parse_pgn(text);
    ASSERT_TRUE(r.ok()) << r.error->message;
    ASSERT_EQ(r.game.moves.size(), 16u);
    EXPECT_EQ(r.game.moves[2], (Move{{6, 6}, {7, 6}, 桝位置{6, 6}, false}));  // Nxg7-f7
    EXPECT_FALSE(r.game.moves[4].promote);                                    // Rc9
    EXPECT_TRUE(r.game.moves[6].promote);                                     // Rdd9+
    const std::string written = pgn_text(r.game);
    EXPECT_EQ(movetext_words(written), movetext_words(text));
    EXPECT_NE(written.find("[FEN \"10k1/12/pp10/4p7/12/6p5/5p6/2RR1N6/7p2p1/7+H1+D2/12/K11 w - 0 1\"]"),
              std::string::npos);
    const GameResult back = parse_pgn(written);
    ASSERT_TRUE(back.ok()) << back.error->message;
    EXPECT_EQ(back.game.moves.size(), r.game.moves.size());
}

TEST(Pgn, AWholeGameBetweenTwoHachusReadsAndWritesBackAsXboardWroteIt) {
    const std::string text = data_file("hachu_selfplay.pgn");
    const GameResult r = parse_pgn(text);
    ASSERT_TRUE(r.ok()) << r.error->message;
    EXPECT_EQ(r.game.moves.size(), 301u);
    EXPECT_EQ(movetext_words(pgn_text(r.game)), movetext_words(text));
}

TEST(Pgn, RefusalsNameTheLineAndTheMove) {
    const struct {
        const char* text;
        int move;
        const char* says;
    } cases[] = {
        {"[Variant \"shogi\"]\n\n1. e4", 0, "line 1: the game is of the variant 'shogi'"},
        {"[Event \"x\"\n", 0, "closing ']'"},
        {"[FEN \"12/12 w - 0 1\"]\n", 0, "FEN"},
        {"[Variant \"chu\"]\n\n1. h5 h8 2. h6\n{a comment}\n3. Qz4", 4, "line 5: move 4 'Qz4': not a move"},
        {"1. h5 h8 2. h5", 3, "no move of the side to move"},
        {"1. h5 {never closed", 1, "never closed"},
        {"1. h4h6", 1, "do not allow"},
        {"1. 444444444444444444444", 1, "not a move"},  // a rank past any number (found by fuzz_pgn)
        {"1. Ra444444444444444444444", 1, "not a move"},
        {"[FEN \"11k/12/12/12/12/12/12/12/12/12/12/G1G8K w - 0 1\"]\n1. Gb1", 1, "more than one move fits"},
    };
    for (const auto& c : cases) {
        const GameResult r = parse_pgn(c.text);
        ASSERT_FALSE(r.ok()) << c.text;
        EXPECT_EQ(r.error->move, c.move) << c.text;
        EXPECT_NE(r.error->message.find(c.says), std::string::npos) << c.text << " -> " << r.error->message;
        EXPECT_TRUE(r.game.moves.empty());
    }
}

TEST(RecordConversion, AGameGoesToARecordAndBackWithItsDoubleMoves) {
    const GameResult g = parse_usi_game("startpos moves 6i6h 7d7e 7j6i7h 7e7f 7h7g7f 6d6e");
    ASSERT_TRUE(g.ok()) << g.error->message;
    const RecordText rec = record_of_game(g.game);
    ASSERT_FALSE(rec.error) << *rec.error;
    棋譜読込結果 read = 棋譜解析(rec.text);
    棋譜照合(read);
    ASSERT_EQ(read.不備, 棋譜不備::なし) << read.不備行;
    EXPECT_EQ(read.手々.size(), 8u);  // two double moves of two entries each
    const FromRecord back = game_of_record(read.手々);
    ASSERT_TRUE(back.result.ok()) << back.result.error->message;
    EXPECT_EQ(back.result.game.moves, g.game.moves);
    EXPECT_EQ(back.blank_entries + back.declined_second_steps, 0);
}

TEST(RecordConversion, WhatARecordCannotHoldIsSaid) {
    // Only games from the starting position.
    const GameResult g = parse_usi_game("sfen 11k/12/12/12/12/12/12/12/12/12/12/K11 b - 1 moves 12l11l");
    ASSERT_TRUE(g.ok()) << g.error->message;
    const RecordText rec = record_of_game(g.game);
    ASSERT_TRUE(rec.error);
    EXPECT_NE(rec.error->find("only games from the starting position"), std::string::npos);

    // A declined second step and a blank line: the moves survive, the entries are counted.
    std::vector<指し手> entries{
        {7, 9, 7, 8, -1, -1, 0},  // a Pawn of each army
        {6, 4, 6, 5, 1, 1, 0},
        {6, 10, 7, 9, -34, -34, 0},    // the Lion's one step, second step declined,
        {6, 10, 7, 9, -34, -34, -34},  // logged again
        {},                            // a blank line
        {6, 5, 6, 6, 1, 1, 0},
    };
    const FromRecord back = game_of_record(entries);
    ASSERT_TRUE(back.result.ok()) << back.result.error->message;
    EXPECT_EQ(back.result.game.moves.size(), 4u);
    EXPECT_EQ(back.declined_second_steps, 1);
    EXPECT_EQ(back.blank_entries, 1);
}

TEST(LionRules, TheEnginesStricterLionRulesAgainstTheMoveCheck) {
    // HaChu's Lion on g7 is defended by the Dragon Horse on d10 (over e9 and f8).
    const GameResult g = parse_usi_game("startpos moves 7j5h 6c5e 7i7h 8d8e 9h9g 9a9b 7h7g 5e6f");
    ASSERT_TRUE(g.ok()) << g.error->message;
    Replay r(g.game.start);
    for (const Move& m : g.game.moves) ASSERT_FALSE(r.play(m));
    盤面型 board = r.board();
    const auto usi = [](const char* text) { return *parse_usi_move(text); };
    // Over the empty g6: the move check allows it, the Lion rules do not.
    EXPECT_FALSE(rule_check(board, r.log(), r.side(), usi("5h6g6f")));
    EXPECT_TRUE(lion_rule_refusal(board, r.log(), r.side(), usi("5h6g6f")));
    // In one jump the move check refuses it already.
    EXPECT_TRUE(rule_check(board, r.log(), r.side(), usi("5h6f")));
    // Moves that take no Lion pass both.
    EXPECT_FALSE(lion_rule_refusal(board, r.log(), r.side(), usi("7g7f")));
    EXPECT_FALSE(lion_rule_refusal(board, r.log(), r.side(), usi("5h6g5h")));
    EXPECT_EQ(board, r.board());
}

// A game from the online site's position with its counter-strike square: the
// upper promoted Kirin on 8j has just taken the lower Lion, so under the
// standard rules the lower Bishop may take neither upper Lion; without the
// square it may take both.
TEST(LionRules, TheCounterStrikeSquareOfAnSfenHoldsForTheFirstMove) {
    const auto usi = [](const char* text) { return *parse_usi_move(text); };
    for (const char* hand : {"8j", "-"}) {
        const DiagramResult d =
            parse_sfen(std::string("11k/12/12/12/12/4r7/12/12/9n2/4+o7/12/6B4K b ") + hand + " 1");
        ASSERT_TRUE(d.ok());
        Replay r(d.diagram, ルール::標準);
        盤面型 board = r.board();
        const bool struck = std::string(hand) == "8j";
        EXPECT_EQ(rule_check(board, r.log(), r.side(), usi("6l8j"), ルール::標準).has_value(), struck) << hand;
        EXPECT_EQ(rule_check(board, r.log(), r.side(), usi("6l3i"), ルール::標準).has_value(), struck) << hand;
        // The position is written back with its square; the game's own rules know none.
        EXPECT_EQ(r.diagram(), d.diagram) << hand;
        EXPECT_FALSE(Replay(d.diagram, ルール::本来).diagram().lion_taken) << hand;
        // After a move of the lower army the square no longer binds.
        ASSERT_FALSE(r.play(usi("1l2l")));
        ASSERT_FALSE(r.play(usi("1a2a")));
        board = r.board();
        EXPECT_FALSE(rule_check(board, r.log(), r.side(), usi("6l3i"), ルール::標準)) << hand;
        EXPECT_FALSE(r.diagram().lion_taken) << hand;
        // The Bishop takes the Lion on 3i: the upper army is struck, and the square is written.
        ASSERT_FALSE(r.play(usi("6l3i")));
        EXPECT_EQ(r.diagram().lion_taken, (桝位置{10, 9})) << hand;
        EXPECT_NE(to_sfen(r.diagram()).find(" w 3i "), std::string::npos) << to_sfen(r.diagram());
    }
    // A game record holds only games from the start, with nothing to look back on.
    Game g;
    g.start.lion_taken = 桝位置{5, 10};
    EXPECT_TRUE(record_of_game(g, ルール::標準).error.has_value());
}

TEST(RecordConversion, ARecordWhoseUpperArmyMovesFirstKeepsItsFirstMover) {
    // The computer moving first plays the upper army.
    const std::vector<指し手> entries{{6, 4, 6, 5, 1, 1, 0}, {7, 9, 7, 8, -1, -1, 0}};
    const FromRecord r = game_of_record(entries);
    ASSERT_TRUE(r.result.ok()) << r.result.error->message;
    EXPECT_EQ(r.result.game.start.side, upper_army);
    EXPECT_EQ(usi_game_text(r.result.game).substr(0, 5 + start_sfen.size()),
              "sfen " + std::string(start_sfen.substr(0, start_sfen.size() - 5)) + "w - 1");
    const std::string pgn = pgn_text(r.result.game);
    EXPECT_NE(pgn.find("[FEN \"" + to_xboard_fen({start_diagram().board, upper_army, 1}) + "\"]"), std::string::npos);
    EXPECT_NE(pgn.find("\n1... f8 2. g5 *\n"), std::string::npos) << pgn;
    const GameResult back = parse_pgn(pgn);
    ASSERT_TRUE(back.ok()) << back.error->message;
    const RecordText rec = record_of_game(back.game);
    ASSERT_FALSE(rec.error) << *rec.error;
    棋譜読込結果 read = 棋譜解析(rec.text);
    棋譜照合(read);
    EXPECT_EQ(read.手々, entries);
}

}  // namespace
}  // namespace bexoru::exchange
