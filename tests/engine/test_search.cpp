// The computer's search: the order in which it tries moves and breaks ties,
// its promotion choice, where it stops, and that it leaves the board as it
// found it. A scripted evaluation scores chosen moves, so each case shows
// the search's own rules whatever the real evaluation would say.

#include <gtest/gtest.h>

#include <algorithm>

#include "search_test_game.h"

namespace bexoru {
namespace {

using test::台本評価;
using test::手の文字;
using test::探索局面;
using test::配置;

struct 順序例 {
    const char* name;
    std::vector<配置> board;
    std::vector<test::採点規則> scores;  // every other move scores -1
    指し手 expected;
};

TEST(Search, TiesKeepTheFirstMoveInTrialOrder) {
    const 順序例 cases[] = {
        {"the smaller origin column wins",
         {{5, 3, 13}, {3, 6, 13}},
         {{5, 3, 5, 4, 点(5)}, {3, 6, 3, 7, 点(5)}},
         {3, 6, 3, 7, 13, 13}},
        {"in one column the smaller origin row wins",
         {{3, 6, 13}, {3, 3, 13}},
         {{3, 6, 3, 7, 点(5)}, {3, 3, 3, 4, 点(5)}},
         {3, 3, 3, 4, 13, 13}},
        {"from one square the smaller destination column wins",
         {{5, 5, 13}},
         {{5, 5, 6, 6, 点(5)}, {5, 5, 4, 6, 点(5)}},
         {5, 5, 4, 6, 13, 13}},
        {"in one destination column the smaller row wins",
         {{5, 5, 13}},
         {{5, 5, 5, 6, 点(5)}, {5, 5, 5, 4, 点(5)}},
         {5, 5, 5, 4, 13, 13}},
        {"a strictly greater score later on wins",
         {{5, 5, 13}},
         {{5, 5, 4, 6, 点(5)}, {5, 5, 6, 6, 点(5) + 1}},
         {5, 5, 6, 6, 13, 13}},
        {"with all scores alike the first legal move (a Gold never steps back diagonally)",
         {{5, 5, 13}},
         {},
         {5, 5, 4, 5, 13, 13}},
    };
    for (const 順序例& c : cases) {
        探索局面 g(c.board);
        台本評価 eval{c.scores};
        const 探索結果 r = com探索(g.盤面, g.記録, g.状態, g.com, g.man, eval.関数());
        ASSERT_TRUE(r.手) << c.name;
        EXPECT_EQ(*r.手, c.expected) << c.name << ": got " << 手の文字(r.手);
    }
}

// An upper Silver entering the zone on (5, 9) may promote: both forms are
// scored, the plain one first, and the promoted one is taken only when it
// scores strictly more.
TEST(Search, PromotionIsChosenOnlyWhenStrictlyBetter) {
    const struct {
        const char* name;
        評価値 plain, promoted;
        駒コード expected;
    } cases[] = {
        {"equal scores keep the plain Silver", 点(3), 点(3), 駒::銀},
        {"a tenth more promotes", 点(3), 点(3) + 1, 駒::竪行_成},
        {"less stays plain", 点(3), 点(3) - 1, 駒::銀},
    };
    for (const auto& c : cases) {
        探索局面 g({{5, 8, 9}});
        台本評価 eval{{{5, 8, 5, 9, c.plain, 駒::銀}, {5, 8, 5, 9, c.promoted, 駒::竪行_成}}};
        const 探索結果 r = com探索(g.盤面, g.記録, g.状態, g.com, g.man, eval.関数());
        EXPECT_EQ(*r.手, (指し手{5, 8, 5, 9, 駒::銀, c.expected})) << c.name << ": got " << 手の文字(r.手);
        EXPECT_EQ(r.最高評価値, std::max(c.plain, c.promoted)) << c.name;
        std::vector<駒コード> tried;
        for (const auto& t : eval.試行)
            if (t.X2 == 5 && t.Y2 == 9) tried.push_back(t.移動駒);
        EXPECT_EQ(tried, (std::vector<駒コード>{駒::銀, 駒::竪行_成})) << c.name;
    }
}

// Under the standard rules the side whose move brings a position about the
// fourth time loses. The Gold's step (5, 5) -> (4, 5) scores best, and the
// position after it has come three times: the person's King stepped out and
// back while the Gold stepped back and forth. The game's own rules know no
// repetition; the standard ones try that move only when nothing else is legal.
TEST(Search, UnderTheStandardRulesAFourthRepetitionIsPlayedOnlyWhenNothingElseIs) {
    // The Gold stands on (X, Y) and steps to (X - 1, Y); the game so far has
    // brought the position after that step about three times.
    const auto ask = [](ルール rules, std::vector<配置> pieces, int X, int Y) {
        探索局面 g(pieces);
        g.状態.規則 = rules;
        const 指し手 steps[] = {{1, 1, 2, 1, -駒::王, -駒::王}, {X - 1, Y, X, Y, 駒::金, 駒::金},
                                {2, 1, 1, 1, -駒::王, -駒::王}, {X, Y, X - 1, Y, 駒::金, 駒::金}};
        for (int i = 0; i < 11; ++i) g.記録.手[static_cast<std::size_t>(++g.記録.記録数)] = steps[i % 4];
        台本評価 eval{{{X, Y, X - 1, Y, 点(9)}}};
        const 探索結果 r = com探索(g.盤面, g.記録, g.状態, g.com, g.man, eval.関数());
        return r.手 && r.手->移動元X == X && r.手->移動先X == X - 1 && r.手->移動先Y == Y;
    };
    for (ルール rules : {ルール::本来, ルール::標準}) {
        SCOPED_TRACE(rules == ルール::標準 ? "standard" : "own");
        EXPECT_EQ(ask(rules, {{5, 5, 駒::金}, {1, 1, -駒::王}}, 5, 5), rules == ルール::本来);
        // Boxed in on the last row by its own Pawns, the Gold has that step alone.
        EXPECT_TRUE(ask(rules, {{5, 12, 駒::金}, {6, 12, 駒::歩}, {5, 11, 駒::歩}, {1, 1, -駒::王}}, 5, 12));
    }
}

TEST(Search, APawnReachingTheLastRowIsScoredPromotedOnly) {
    探索局面 g({{5, 11, 1}});
    台本評価 eval;
    const 探索結果 r = com探索(g.盤面, g.記録, g.状態, g.com, g.man, eval.関数());
    ASSERT_EQ(eval.試行.size(), 1u);
    EXPECT_EQ(eval.試行[0].移動駒, 駒::と);
    EXPECT_EQ(*r.手, (指し手{5, 11, 5, 12, 駒::歩, 駒::と}));
    EXPECT_EQ(r.試行数, 1);
}

// Promotion is asked about before the trial piece stands on the destination,
// so a capture inside the zone is seen; a Lance still promotes by capture only
// on the last row.
TEST(Search, PromotionByCaptureInsideTheZoneIsSeen) {
    探索局面 g({{5, 9, 9}, {5, 10, -1}, {8, 9, 3}, {8, 10, -1}});
    台本評価 eval;
    com探索(g.盤面, g.記録, g.状態, g.com, g.man, eval.関数());
    auto codes_tried = [&](int X1, int Y1, int X2, int Y2) {
        std::vector<駒コード> v;
        for (const auto& t : eval.試行)
            if (t.X1 == X1 && t.Y1 == Y1 && t.X2 == X2 && t.Y2 == Y2) v.push_back(t.移動駒);
        return v;
    };
    EXPECT_EQ(codes_tried(5, 9, 5, 10), (std::vector<駒コード>{9, 10})) << "the Silver captures inside the zone";
    EXPECT_EQ(codes_tried(5, 9, 4, 10), (std::vector<駒コード>{9})) << "a quiet move inside the zone";
    EXPECT_EQ(codes_tried(5, 9, 4, 8), (std::vector<駒コード>{9})) << "a move out of the zone";
    EXPECT_EQ(codes_tried(8, 9, 8, 10), (std::vector<駒コード>{3})) << "the Lance captures short of the last row";
}

// A Gold on (2, 2) may take the human King on (2, 3); another Gold waits on
// (10, 10), later in the order of trial.
TEST(Search, StopsAtACaptureOfTheHumanKingThatBecomesBest) {
    const std::vector<配置> board = {{2, 2, 13}, {2, 3, -39}, {10, 10, 13}};
    const struct {
        const char* name;
        std::vector<test::採点規則> scores;
        指し手 expected;
        bool stops;
    } cases[] = {
        {"the capture is the best so far: nothing after it is tried",
         {{2, 2, 2, 3, 点(9999)}},
         {2, 2, 2, 3, 13, 13},
         true},
        {"an earlier move scores more: the search goes on",
         {{2, 2, 1, 2, 点(10000)}, {2, 2, 2, 3, 点(9999)}},
         {2, 2, 1, 2, 13, 13},
         false},
    };
    for (const auto& c : cases) {
        探索局面 g(board);
        台本評価 eval{c.scores};
        const 探索結果 r = com探索(g.盤面, g.記録, g.状態, g.com, g.man, eval.関数());
        EXPECT_EQ(*r.手, c.expected) << c.name << ": got " << 手の文字(r.手);
        const bool later_tried =
            std::any_of(eval.試行.begin(), eval.試行.end(), [](const auto& t) { return t.X1 == 10; });
        EXPECT_EQ(later_tried, !c.stops) << c.name;
        EXPECT_EQ(r.試行数, static_cast<std::int64_t>(eval.試行.size())) << c.name;
        if (c.stops) {
            EXPECT_EQ(eval.試行.back(), (test::試行記録{2, 2, 2, 3, -39, 13})) << c.name << ": the capture comes last";
        }
    }
}

TEST(Search, NoLegalMoveGivesNoMove) {
    // Upper Pawns on their last row have nowhere to go.
    探索局面 g({{5, 12, 1}, {6, 12, 1}, {6, 1, -39}});
    台本評価 eval;
    const 探索結果 r = com探索(g.盤面, g.記録, g.状態, g.com, g.man, eval.関数());
    EXPECT_FALSE(r.手);
    EXPECT_EQ(r.試行数, 0);
    EXPECT_EQ(r.二手目駒, 空);
    EXPECT_FALSE(r.二手目);
}

// The evaluation may change the trial position (the Lion rule empties the
// destination and puts a Lion on the origin); the search restores the board
// after every trial all the same, with or without a second step.
TEST(Search, LeavesTheBoardAsItFoundIt) {
    const std::vector<配置> board = {{6, 5, 34},   {6, 6, -9},   {3, 3, 9},  {8, 2, 39},
                                     {6, 10, -39}, {2, 10, -15}, {9, 8, 24}, {9, 9, -1}};
    for (const bool asks_second_step : {false, true}) {
        探索局面 g(board);
        const 盤面型 before = g.盤面;
        評価関数 meddling = [&](評価局面& e, 駒コード 取得駒, 駒コード, int X1, int Y1, int X2, int Y2) {
            e.局面.盤面(X2, Y2) = 空;
            e.局面.盤面(X1, Y1) = 33;
            勢力調査_COM(e.局面.盤面, e.com);
            const bool lion_capture = X1 == 6 && Y1 == 5 && X2 == 6 && Y2 == 6 && 取得駒 == -9;
            return asks_second_step && lion_capture ? 点(1000) : 点(0);
        };
        const 探索結果 r = com探索(g.盤面, g.記録, g.状態, g.com, g.man, meddling);
        EXPECT_TRUE(g.盤面 == before) << "second step asked: " << asks_second_step;
        EXPECT_EQ(r.二手目.has_value(), asks_second_step);
    }
}

// The search is a pure function: the board, the log, the state and the maps
// it is given are as they were, with the real evaluation (which rebuilds maps
// inside its rules) and a move that asks for a second step.
TEST(Search, ChangesNothingItIsGiven) {
    探索局面 g({{6, 5, 34}, {6, 6, -9}, {3, 3, 9}, {8, 2, 39}, {9, 2, 38}, {6, 10, -39}, {2, 10, -15}, {9, 9, -34}});
    g.com.COM太X = 1;  // a stale royal square, which the search clears in its own copy
    const 盤面型 board = g.盤面;
    const COM勢力図 com = g.com;
    const MAN勢力図 man = g.man;
    const 探索結果 r = com探索(g.盤面, g.記録, g.状態, g.com, g.man);
    ASSERT_TRUE(r.手);
    EXPECT_EQ(*r.手, (指し手{6, 5, 6, 6, 34, 34})) << "the Lion takes the Silver";
    EXPECT_TRUE(r.二手目) << "and steps on";
    EXPECT_TRUE(g.盤面 == board);
    EXPECT_TRUE(g.com == com);
    EXPECT_TRUE(g.man == man);
    EXPECT_EQ(g.記録.記録数, 0);
    EXPECT_EQ(g.記録.記録終端, 0);
    EXPECT_EQ(g.状態.二手目状態, 二手目状態型::一手目);
}

// A Falcon on (6, 6) takes the Silver in front of it with a score that asks
// for a second step, searched on the position after the first step.
TEST(Search, SecondStepIsSearchedAfterTheFirstStep) {
    探索局面 g({{6, 6, 24}, {6, 7, -9}, {1, 12, -39}});
    台本評価 eval{{{6, 6, 6, 7, 点(1009)}, {6, 7, 6, 6, 点(3)}, {6, 7, 6, 8, 点(2)}}};
    std::vector<std::string> seen;
    auto script = eval.関数();
    評価関数 watching = [&](評価局面& e, 駒コード 取得駒, 駒コード 移動駒, int X1, int Y1, int X2, int Y2) {
        if (X1 == 6 && Y1 == 7) {
            const 棋譜記録& log = e.局面.記録;
            seen.push_back(std::to_string(X2) + "," + std::to_string(Y2) + " code " + std::to_string(移動駒) + " log " +
                           std::to_string(log.記録数) + " took " + std::to_string(log.手[1].取駒) + " origin " +
                           std::to_string(e.局面.盤面(6, 6)) + " from " + std::to_string(e.局面.盤面(6, 7)) + " kind " +
                           std::to_string(e.評価移動駒));
        }
        return script(e, 取得駒, 移動駒, X1, Y1, X2, Y2);
    };
    const 探索結果 r = com探索(g.盤面, g.記録, g.状態, g.com, g.man, watching);
    EXPECT_EQ(*r.手, (指し手{6, 6, 6, 7, 24, 24}));
    EXPECT_EQ(r.二手目駒, 擬_鷹);
    ASSERT_TRUE(r.二手目);
    EXPECT_EQ(*r.二手目, (二手目手{6, 6, 点(3)}));
    EXPECT_EQ(seen, (std::vector<std::string>{"6,6 code 24 log 1 took -9 origin 24 from 0 kind 24",
                                              "6,8 code 24 log 1 took -9 origin 0 from 0 kind 24"}))
        << "the first step stands logged and made; the Falcon stands on each candidate in turn";
    EXPECT_EQ(r.二手目試行数, 2);
    EXPECT_EQ(g.記録.記録数, 0) << "the game's own log is untouched";
}

TEST(Search, WhichFirstStepsAskForASecondStep) {
    const struct {
        const char* name;
        指し手 move;
        評価値 score;
        駒コード expected;
    } cases[] = {
        {"a Lion at 1000", {6, 6, 6, 7, 34, 34}, 点(1000), 34},
        {"a promoted Lion at 1030", {6, 6, 5, 5, 33, 33}, 点(1030), 33},
        {"a Lion above 1030", {6, 6, 6, 7, 34, 34}, 点(1030) + 1, 空},
        {"a Lion below 1000", {6, 6, 6, 7, 34, 34}, 点(1000) - 1, 空},
        {"an Eagle toward larger columns", {6, 6, 7, 7, 18, 18}, 点(1009), 擬_鷲二},
        {"an Eagle toward smaller columns", {6, 6, 5, 7, 18, 18}, 点(1009), 擬_鷲一},
        {"a Falcon", {6, 6, 6, 7, 24, 24}, 点(1013), 擬_鷹},
        {"a promoting move never does", {6, 9, 6, 10, 23, 24}, 点(1009), 空},
        {"nor does any other piece", {6, 6, 6, 7, 13, 13}, 点(1000), 空},
    };
    for (const auto& c : cases) EXPECT_EQ(二手目を求めるか(c.move, c.score), c.expected) << c.name;
}

}  // namespace
}  // namespace bexoru
