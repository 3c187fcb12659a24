// The searching engine's alpha-beta search: it takes what is free and the
// King when it can, keeps out of a one-move loss, stops on its budget, and
// plays the same move for the same node budget.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "board/starting_position.h"
#include "search/engine.h"

namespace bexoru::search {
namespace {

Move move_of(int X1, int Y1, int X2, int Y2) {
    return {static_cast<std::uint8_t>(square_of(X1, Y1)), static_cast<std::uint8_t>(square_of(X2, Y2)), 0, 0};
}

Limits nodes(std::int64_t n) {
    Limits l;
    l.nodes = n;
    return l;
}

TEST(SearchEngine, TakesTheLastKingAtOnce) {
    Position p;
    p.set(square_of(6, 5), 駒::金);
    p.set(square_of(6, 6), -駒::王);
    p.set(square_of(1, 1), 駒::王);
    p.set(square_of(12, 12), -駒::飛車);
    Engine e(1);
    const SearchResult r = e.search(p, nodes(5000));
    ASSERT_TRUE(r.has_move);
    EXPECT_EQ(r.best, move_of(6, 5, 6, 6));
    EXPECT_GT(r.score, kMateBound);
}

// Under the standard rules an army left with only its King loses: taking the
// last other piece wins at once. The game's own rules play on.
TEST(SearchEngine, BaresTheKingUnderTheStandardRules) {
    for (const ルール rules : {ルール::本来, ルール::標準}) {
        Position p;
        p.set(square_of(6, 5), 駒::金);
        p.set(square_of(6, 6), -駒::歩);
        p.set(square_of(1, 1), 駒::王);
        p.set(square_of(12, 12), -駒::王);
        p.set_rules(rules);
        Engine e(1);
        Limits l = nodes(20000);
        l.depth = 2;
        const SearchResult r = e.search(p, l);
        ASSERT_TRUE(r.has_move);
        if (rules == ルール::標準) {
            EXPECT_EQ(r.best, move_of(6, 5, 6, 6));
            EXPECT_GT(r.score, kMateBound);
        } else {
            EXPECT_LT(r.score, kMateBound);
        }
    }
}

// Under the standard rules the move that makes a position occur the fourth
// time loses: with the position after taking the free Silver three times in
// the game's history, the engine leaves the Silver alone.
TEST(SearchEngine, MakesNoFourthRepetitionUnderTheStandardRules) {
    for (const ルール rules : {ルール::本来, ルール::標準}) {
        Position p;
        p.set(square_of(6, 5), 駒::金);
        p.set(square_of(6, 6), -駒::銀);
        p.set(square_of(2, 2), -駒::歩);
        p.set(square_of(1, 1), 駒::王);
        p.set(square_of(12, 12), -駒::王);
        p.set_rules(rules);
        Position after = p;
        after.make(move_of(6, 5, 6, 6));
        Limits l = nodes(20000);
        l.history.assign(3, after.hash());
        Engine e(1);
        const SearchResult r = e.search(p, l);
        ASSERT_TRUE(r.has_move);
        EXPECT_EQ(r.best == move_of(6, 5, 6, 6), rules == ルール::本来) << to_text(r.best);
        // Twice before is no loss yet.
        l.history.assign(2, after.hash());
        Engine again(1);
        EXPECT_EQ(again.search(p, l).best, move_of(6, 5, 6, 6));
    }
}

// The history the protocols and the window give the search: the game's
// positions before the one now, read back from its log, each with the side
// that was to move, a double move one move.
TEST(SearchEngine, TheGamesEarlierPositionsComeFromItsLog) {
    盤面型 board{};
    board(1, 1) = 駒::王;
    board(12, 12) = -駒::王;
    board(6, 8) = -駒::鷹;
    const 盤面型 start = board;
    棋譜記録 log{};
    log.手[0].成駒 = +1;
    auto play = [&](int X1, int Y1, int X2, int Y2) {
        const 駒コード c = board(X1, Y1);
        log.手[static_cast<std::size_t>(++log.記録数)] = {X1, Y1, X2, Y2, c, c, board(X2, Y2)};
        board(X1, Y1) = 空;
        board(X2, Y2) = c;
    };
    // Twice round: the upper King steps out and back, and between its steps
    // the lower Falcon steps forward and back in one double move.
    for (int round = 0; round < 2; ++round) {
        play(1, 1, 1, 2);
        play(6, 8, 6, 7);
        play(6, 7, 6, 8);
        play(1, 2, 1, 1);
        play(6, 8, 6, 7);
        play(6, 7, 6, 8);
    }
    EXPECT_EQ(board, start);
    const std::uint64_t now = Position::from_board(board, kUpper, ルール::標準).hash();
    const auto history = earlier_positions(board, log, kUpper, ルール::標準);
    EXPECT_EQ(history.size(), 8U) << "four moves a round, each double move one of them";
    EXPECT_EQ(std::count(history.begin(), history.end(), now), 2) << "the start, and after the first round";
    // The same board with the lower army to move is another position.
    const std::uint64_t other = Position::from_board(board, kLower, ルール::標準).hash();
    EXPECT_EQ(std::count(history.begin(), history.end(), other), 2) << "each time the King is back";
}

TEST(SearchEngine, NeverPlaysAnExcludedMove) {
    Position p;
    p.set(square_of(6, 5), 駒::金);
    p.set(square_of(6, 6), -駒::王);
    p.set(square_of(1, 1), 駒::王);
    Limits l = nodes(5000);
    l.excluded.push_back(move_of(6, 5, 6, 6));
    Engine e(1);
    const SearchResult r = e.search(p, l);
    ASSERT_TRUE(r.has_move);
    EXPECT_NE(r.best, move_of(6, 5, 6, 6));
    // With every move excluded there is nothing to play.
    MoveList all;
    generate(p, all, Generate::unique);
    l.excluded.assign(all.begin(), all.end());
    EXPECT_FALSE(e.search(p, l).has_move);
}

TEST(SearchEngine, TakesTheFreePieceAndNotTheDefendedOne) {
    // An upper Rook may take a lower Gold defended by a Pawn-protected Gold,
    // or a lower Dragon Horse that nothing defends.
    Position p;
    p.set(square_of(1, 1), 駒::王);
    p.set(square_of(12, 12), -駒::王);
    p.set(square_of(6, 2), 駒::飛車);
    p.set(square_of(6, 8), -駒::金);
    p.set(square_of(6, 9), -駒::金);
    p.set(square_of(10, 2), -駒::龍馬);
    Engine e(1);
    const SearchResult r = e.search(p, nodes(50000));
    EXPECT_EQ(r.best, move_of(6, 2, 10, 2));
}

TEST(SearchEngine, SavesItsLionFromAPawnsCapture) {
    // The lower Pawn on (6, 7) attacks the upper Lion on (6, 6) (lower Pawns step
    // toward row 1); the Lion takes it with a bite-and-return, or moves away.
    Position p;
    p.set(square_of(1, 1), 駒::王);
    p.set(square_of(12, 12), -駒::王);
    p.set(square_of(6, 6), 駒::獅子);
    p.set(square_of(6, 7), -駒::歩);
    p.set(square_of(6, 9), -駒::金);
    p.set(square_of(7, 9), -駒::金);
    p.set(square_of(5, 9), -駒::金);
    Engine e(1);
    const SearchResult r = e.search(p, nodes(100000));
    ASSERT_TRUE(r.has_move);
    Position after = p;
    after.make(r.best);
    MoveList replies;
    generate(after, replies);
    for (const Move& m : replies) {
        EXPECT_NE(after.at(m.to), 駒::獅子) << to_text(r.best) << " then " << to_text(m);
        if (m.is_double()) {
            EXPECT_NE(after.at(m.to2), 駒::獅子) << to_text(r.best) << " then " << to_text(m);
        }
    }
    EXPECT_GE(r.score, 0);
}

TEST(SearchEngine, TheSameNodeBudgetGivesTheSameMove) {
    盤面型 b{};
    初期配置(b);
    const Position p = Position::from_board(b, kUpper);
    Engine a(4), c(4);
    const SearchResult r1 = a.search(p, nodes(30000));
    const SearchResult r2 = c.search(p, nodes(30000));
    EXPECT_EQ(r1.best, r2.best);
    EXPECT_EQ(r1.score, r2.score);
    EXPECT_EQ(r1.nodes, r2.nodes);
    EXPECT_LE(r1.nodes, 30000 + 1);
}

TEST(SearchEngine, StopsAtOnceWhenAskedAndStillAnswersALegalMove) {
    盤面型 b{};
    初期配置(b);
    const Position p = Position::from_board(b, kLower);
    std::atomic<bool> stop{true};
    Limits l;
    l.stop = &stop;
    Engine e(1);
    const SearchResult r = e.search(p, l);
    ASSERT_TRUE(r.has_move);
    EXPECT_LE(r.nodes, 64);
    MoveList list;
    generate(p, list);
    bool legal = false;
    for (const Move& m : list) legal = legal || m == r.best;
    EXPECT_TRUE(legal);
}

bool is_legal(const Position& p, const Move& m) {
    MoveList list;
    generate(p, list);
    for (const Move& c : list)
        if (c == m) return true;
    return false;
}

// The window runs the search on a thread of its own and stops it when the
// player closes the window: a stop set from another thread must end an
// unbounded search soon, with a legal move from the iterations it finished.
TEST(SearchEngine, AStopFromAnotherThreadEndsAnUnboundedSearch) {
    盤面型 b{};
    初期配置(b);
    const Position p = Position::from_board(b, kLower);
    std::atomic<bool> stop{false};
    std::atomic<int> finished{0};
    Limits l;
    l.stop = &stop;
    l.movetime_ms = 60 * 1000;  // only a backstop, should the stop be missed
    Engine e(4);
    SearchResult r;
    std::thread worker([&] { r = e.search(p, l, [&](const SearchInfo& i) { finished = i.depth; }); });
    // Let it finish two iterations (generous on a loaded machine), then stop it.
    for (int i = 0; i < 6000 && finished < 2; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const auto asked = std::chrono::steady_clock::now();
    stop = true;
    worker.join();
    const double waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - asked).count();
    ASSERT_TRUE(r.has_move);
    EXPECT_TRUE(is_legal(p, r.best)) << to_text(r.best);
    EXPECT_GE(r.depth, 2);
    // A few milliseconds on a quiet machine; the bound only catches a stop that is not heard.
    EXPECT_LT(waited, 5.0);
}

// Engines share nothing: two searching at once on two threads give what each
// gives alone.
TEST(SearchEngine, EnginesOnTwoThreadsAnswerAsEachDoesAlone) {
    盤面型 b{};
    初期配置(b);
    const Position first = Position::from_board(b, kLower);
    Position second = first;
    second.make(move_of(6, 9, 6, 8));  // a lower Pawn forward
    const Limits l = nodes(20000);
    const SearchResult alone1 = Engine(2).search(first, l);
    const SearchResult alone2 = Engine(2).search(second, l);
    SearchResult r1, r2;
    std::thread t1([&] { r1 = Engine(2).search(first, l); });
    std::thread t2([&] { r2 = Engine(2).search(second, l); });
    t1.join();
    t2.join();
    EXPECT_EQ(r1.best, alone1.best);
    EXPECT_EQ(r1.score, alone1.score);
    EXPECT_EQ(r1.nodes, alone1.nodes);
    EXPECT_EQ(r2.best, alone2.best);
    EXPECT_EQ(r2.score, alone2.score);
    EXPECT_EQ(r2.nodes, alone2.nodes);
}

TEST(SearchEngine, NoLegalMoveGivesNoMove) {
    Position p;
    p.set(square_of(12, 12), 駒::王);
    p.set(square_of(11, 12), 駒::歩);
    p.set(square_of(11, 11), 駒::歩);
    p.set(square_of(12, 11), 駒::歩);
    p.set(square_of(1, 1), -駒::王);
    Engine e(1);
    EXPECT_FALSE(e.search(p, nodes(1000)).has_move);
}

// Bad positions the window or the CLI might hand over: the search answers
// "no move" at once instead of searching on.
TEST(SearchEngine, AnArmyWithoutPiecesOrWithoutARoyalPieceHasNoMove) {
    Position no_pieces;
    no_pieces.set(square_of(3, 3), -駒::王);
    Engine e(1);
    SearchResult r = e.search(no_pieces, nodes(1000));
    EXPECT_FALSE(r.has_move);
    EXPECT_LE(r.nodes, 1);

    // Only Pawns, no King: it may still move, and says its loss is certain.
    Position no_king;
    no_king.set(square_of(3, 3), 駒::歩);
    no_king.set(square_of(9, 9), -駒::王);
    r = e.search(no_king, nodes(1000));
    ASSERT_TRUE(r.has_move);
    EXPECT_EQ(r.best, move_of(3, 3, 3, 4));
    EXPECT_LT(r.score, -kMateBound);
}

// The search reads the look-back from the log's last entries; a log that is
// full, or whose count says more than it holds, is read no further than its end.
TEST(SearchEngine, AFullOrOvercountedLogIsReadWithinItsBounds) {
    盤面型 b{};
    初期配置(b);
    棋譜記録 log{};
    log.記録数 = 記録最大;
    log.手[記録最大].取駒 = 駒::獅子;  // the last step took an upper Lion
    log.手[記録最大].成駒 = -駒::歩;
    log.手[記録最大 - 1].成駒 = -駒::金;
    const Position full = Position::from_game(b, log, kUpper);
    EXPECT_EQ(full.last_captured(), 駒::獅子);
    EXPECT_EQ(full.prev_moved(), -駒::金);
    Engine e(1);
    const SearchResult r = e.search(full, nodes(3000));
    ASSERT_TRUE(r.has_move);
    EXPECT_TRUE(is_legal(full, r.best));

    log.記録数 = 記録最大 + 7;
    const Position over = Position::from_game(b, log, kUpper);
    EXPECT_EQ(over.last_captured(), 0);
    EXPECT_EQ(over.hash(), Position::from_board(b, kUpper).hash());
}

}  // namespace
}  // namespace bexoru::search
