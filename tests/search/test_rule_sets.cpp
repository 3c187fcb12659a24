// The searching engine's generator under the two rule sets, one rule
// difference at a time: the same position, the move, and whether each set
// generates it. The upper army moves towards row 12, the lower towards row 1.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "search/agreement.h"
#include "search/movegen.h"

namespace bexoru::search {
namespace {

// A board with both Kings tucked away in corners, the given army to move.
Position board_with(std::initializer_list<std::tuple<int, int, int>> pieces, int side, ルール rules) {
    Position p;
    p.set(square_of(1, 1), 駒::王);
    p.set(square_of(12, 12), -駒::王);
    for (const auto& [X, Y, code] : pieces) p.set(square_of(X, Y), code);
    p.set_side(side);
    p.set_rules(rules);
    return p;
}

// The same as the game keeps it: a board with both Kings in their corners,
// and a log of the given entries.
盤面型 game_board(std::initializer_list<std::tuple<int, int, int>> pieces) {
    盤面型 board{};
    board(1, 1) = 駒::王;
    board(12, 12) = -駒::王;
    for (const auto& [X, Y, code] : pieces) board(X, Y) = code;
    return board;
}

棋譜記録 game_log(std::initializer_list<指し手> entries) {
    棋譜記録 log{};
    log.手[0].成駒 = +1;
    for (const 指し手& e : entries) log.手[static_cast<std::size_t>(++log.記録数)] = e;
    return log;
}

std::set<std::string> moves_of(const Position& p, Generate kind = Generate::all) {
    MoveList list;
    generate(p, list, kind);
    std::set<std::string> out;
    for (const Move& m : list) out.insert(to_text(m));
    return out;
}

bool generates(const Position& p, const std::string& move) {
    return moves_of(p).count(move) == 1;
}

TEST(RuleSets, TheStandardFalconJumpsOverThePieceAhead) {
    for (const int blocker : {駒::歩, -駒::歩}) {
        const auto original = board_with({{6, 5, 駒::鷹}, {6, 6, blocker}}, kUpper, ルール::本来);
        const auto standard = board_with({{6, 5, 駒::鷹}, {6, 6, blocker}}, kUpper, ルール::標準);
        EXPECT_FALSE(generates(original, "6 5 6 7")) << blocker;
        EXPECT_TRUE(generates(standard, "6 5 6 7")) << blocker;
        // Only straight ahead, and no further than two squares.
        EXPECT_FALSE(generates(standard, "6 5 6 8"));
    }
    // The lower army's Falcon jumps towards row 1, and may take what stands there.
    const auto lower = board_with({{6, 8, -駒::鷹}, {6, 7, -駒::歩}, {6, 6, 駒::金}}, kLower, ルール::標準);
    EXPECT_TRUE(generates(lower, "6 8 6 6"));
    // The jump guards a Lion: a Lion two squares away behind it may not be taken.
    // (The upper Pawn on (6, 9) stands between the Falcon and the Lion it guards.)
    for (const ルール rules : {ルール::本来, ルール::標準}) {
        const auto guard =
            board_with({{6, 6, 駒::獅子}, {6, 8, -駒::獅子}, {6, 10, -駒::鷹}, {6, 9, 駒::歩}}, kUpper, rules);
        EXPECT_EQ(generates(guard, "6 6 6 8"), rules == ルール::本来);
    }
    const auto unguarded = board_with({{6, 6, 駒::獅子}, {6, 8, -駒::獅子}, {6, 11, -駒::鷹}}, kUpper, ルール::標準);
    EXPECT_TRUE(generates(unguarded, "6 6 6 8"));
}

TEST(RuleSets, AnAdjacentDefendedLionMayBeTakenOnlyUnderTheStandardRules) {
    // The lower Lion on (7, 7) is defended by the lower Pawn on (7, 8).
    const std::initializer_list<std::tuple<int, int, int>> pieces = {{6, 6, 駒::獅子}, {7, 7, -駒::獅子}, {7, 8, -駒::歩}};
    const auto original = board_with(pieces, kUpper, ルール::本来);
    const auto standard = board_with(pieces, kUpper, ルール::標準);
    EXPECT_FALSE(generates(original, "6 6 7 7"));
    EXPECT_TRUE(generates(standard, "6 6 7 7"));
    // The igui: take it and step back.
    EXPECT_TRUE(generates(standard, "6 6 7 7 6 6"));
    EXPECT_FALSE(generates(original, "6 6 7 7 6 6"));
}

TEST(RuleSets, ADistantDefendedLionFallsOnlyAfterAFirstStepTakingMoreThanAPawn) {
    // The lower Lion on (6, 8), two squares ahead, defended by the Pawn on (6, 9).
    auto with_between = [](int between, ルール rules) {
        return board_with({{6, 6, 駒::獅子}, {6, 8, -駒::獅子}, {6, 9, -駒::歩}, {6, 7, between}}, kUpper, rules);
    };
    for (const ルール rules : {ルール::本来, ルール::標準}) {
        EXPECT_FALSE(generates(with_between(0, ルール::標準), "6 6 6 8"));
        EXPECT_FALSE(generates(board_with({{6, 6, 駒::獅子}, {6, 8, -駒::獅子}, {6, 9, -駒::歩}}, kUpper, rules),
                               "6 6 6 8"));
    }
    // Over an empty square, a Pawn or a Go-between: refused under the standard rules.
    EXPECT_FALSE(generates(with_between(0, ルール::標準), "6 6 6 7 6 8"));
    EXPECT_FALSE(generates(with_between(-駒::歩, ルール::標準), "6 6 6 7 6 8"));
    EXPECT_FALSE(generates(with_between(-駒::仲, ルール::標準), "6 6 6 7 6 8"));
    EXPECT_TRUE(generates(with_between(-駒::金, ルール::標準), "6 6 6 7 6 8"));
    // The game's own rules do not ask the second step.
    EXPECT_TRUE(generates(with_between(0, ルール::本来), "6 6 6 7 6 8"));
    // An undefended Lion two squares away falls to either.
    const auto free = board_with({{6, 6, 駒::獅子}, {6, 8, -駒::獅子}}, kUpper, ルール::標準);
    EXPECT_TRUE(generates(free, "6 6 6 8"));
    EXPECT_TRUE(generates(free, "6 6 6 7 6 8"));
}

TEST(RuleSets, TheCounterStrikeFollowsWhatTookTheLion) {
    // The upper army to move, its Lion just taken; a lower Lion next to an
    // upper Gold on (5, 5) and to the upper Lion on (7, 7).
    const std::initializer_list<std::tuple<int, int, int>> pieces = {{5, 5, 駒::金}, {7, 7, 駒::獅子}, {6, 6, -駒::獅子}};
    auto after = [&](int taker, ルール rules) {
        Position p = board_with(pieces, kUpper, rules);
        p.set_lookback(駒::獅子, taker, 0, is_lion(taker));
        return p;
    };
    // Taken by a Silver: under the standard rules only a Lion may take a Lion.
    EXPECT_FALSE(generates(after(-駒::銀, ルール::標準), "5 5 6 6"));
    EXPECT_TRUE(generates(after(-駒::銀, ルール::標準), "7 7 6 6"));
    // Taken by a Lion: no restriction.
    EXPECT_TRUE(generates(after(-駒::獅子, ルール::標準), "5 5 6 6"));
    // The game's own rules forbid taking the Lion of the opposite code at all.
    EXPECT_FALSE(generates(after(-駒::銀, ルール::本来), "5 5 6 6"));
    EXPECT_FALSE(generates(after(-駒::銀, ルール::本来), "7 7 6 6"));
}

TEST(RuleSets, AKirinPromotingAsItTakesTheLionIsNotALionYet) {
    // The lower Kirin on (6, 5) takes the upper Lion on (6, 3) and promotes to a Lion.
    Position p = board_with({{6, 5, -駒::麒}, {6, 3, 駒::獅子}, {7, 8, 駒::金}, {7, 9, -駒::獅子}}, kLower, ルール::標準);
    const Move take{static_cast<std::uint8_t>(square_of(6, 5)), static_cast<std::uint8_t>(square_of(6, 3)), 0, 1};
    ASSERT_TRUE(generates(p, to_text(take)));
    const Undo u = p.make(take);
    EXPECT_EQ(p.at(6, 3), -駒::獅子_成);
    EXPECT_EQ(p.hash(), p.compute_hash());
    // The Gold may take neither the promoted Kirin nor the other Lion.
    EXPECT_FALSE(generates(p, "7 8 7 9"));
    p.unmake(take, u);
    EXPECT_EQ(p.hash(), p.compute_hash());
    // Taken by a Lion instead, the Gold may.
    Position q = board_with({{6, 4, -駒::獅子}, {6, 3, 駒::獅子}, {7, 8, 駒::金}, {7, 9, -駒::獅子}}, kLower, ルール::標準);
    q.make({static_cast<std::uint8_t>(square_of(6, 4)), static_cast<std::uint8_t>(square_of(6, 3)), 0, 0});
    EXPECT_TRUE(generates(q, "7 8 7 9"));
}

// The counter-strike follows a Lion taken by either step of a double move,
// whether the turn is made on the board or read back from the game's log.
TEST(RuleSets, TheCounterStrikeFollowsALionTakenByAFirstStep) {
    const auto sq = [](int X, int Y) { return static_cast<std::uint8_t>(square_of(X, Y)); };
    // The lower Falcon on (6, 5) takes the upper Lion on (6, 4) and steps back.
    Position p = board_with({{6, 5, -駒::鷹}, {6, 4, 駒::獅子}, {7, 8, 駒::金}, {7, 9, -駒::獅子}}, kLower, ルール::標準);
    const Move hit_and_back{sq(6, 5), sq(6, 4), sq(6, 5), 0};
    ASSERT_TRUE(generates(p, to_text(hit_and_back)));
    const Undo u = p.make(hit_and_back);
    EXPECT_EQ(p.hash(), p.compute_hash());
    EXPECT_FALSE(generates(p, "7 8 7 9"));
    p.unmake(hit_and_back, u);

    // The same turn as the game logs it: the first step, then the second.
    const 盤面型 board = game_board({{6, 5, -駒::鷹}, {7, 8, 駒::金}, {7, 9, -駒::獅子}});
    const 棋譜記録 log =
        game_log({{6, 5, 6, 4, -駒::鷹, -駒::鷹, 駒::獅子}, {6, 4, 6, 5, -駒::鷹, -駒::鷹, 空}});
    EXPECT_FALSE(generates(Position::from_game(board, log, kUpper, 0, ルール::標準), "7 8 7 9"));
    EXPECT_TRUE(generates(Position::from_game(board, log, kUpper, 0, ルール::本来), "7 8 7 9"));

    // The upper Falcon's pending second step right after the lower Gold took
    // the upper Lion: its own first step is not the other side's turn.
    const 盤面型 pending = game_board({{6, 6, 駒::鷹}, {6, 7, -駒::獅子}});
    const 棋譜記録 struck =
        game_log({{3, 6, 3, 5, -駒::金, -駒::金, 駒::獅子}, {6, 5, 6, 6, 駒::鷹, 駒::鷹, 空}});
    EXPECT_FALSE(generates(Position::from_game(pending, struck, kUpper, 駒::仲, ルール::標準), "6 6 6 7"));
    EXPECT_TRUE(generates(Position::from_game(pending, struck, kUpper, 駒::仲, ルール::本来), "6 6 6 7"));
}

TEST(RuleSets, PromotionUnderEachSet) {
    // A Silver inside the zone takes on its way out: only the standard rules let it promote.
    const auto out_of_zone = [](ルール rules) {
        return moves_of(board_with({{5, 9, 駒::銀}, {4, 8, -駒::歩}}, kUpper, rules));
    };
    EXPECT_TRUE(out_of_zone(ルール::標準).count("5 9 4 8 +"));
    EXPECT_FALSE(out_of_zone(ルール::本来).count("5 9 4 8 +"));
    // A Pawn inside the zone promotes by a capture on the last row only, under
    // either set (HaChu refuses the capture short of it).
    for (ルール rules : {ルール::標準, ルール::本来}) {
        EXPECT_FALSE(moves_of(board_with({{5, 10, 駒::歩}, {5, 11, -駒::金}}, kUpper, rules)).count("5 10 5 11 +"));
        EXPECT_TRUE(moves_of(board_with({{5, 11, 駒::歩}, {5, 12, -駒::金}}, kUpper, rules)).count("5 11 5 12 +"));
    }
    // A Pawn that entered unpromoted reaches the last row: the game's own
    // rules make it promote, the standard rules neither force nor allow it.
    const auto last_row = [](ルール rules) { return moves_of(board_with({{5, 11, 駒::歩}}, kUpper, rules)); };
    EXPECT_TRUE(last_row(ルール::本来).count("5 11 5 12 +"));
    EXPECT_FALSE(last_row(ルール::本来).count("5 11 5 12"));
    EXPECT_FALSE(last_row(ルール::標準).count("5 11 5 12 +"));
    EXPECT_TRUE(last_row(ルール::標準).count("5 11 5 12"));
    // Entering the zone: both may promote, only the game's own rules force a Lance onto the last row.
    const auto lance = [](ルール rules) { return moves_of(board_with({{3, 4, 駒::香}}, kUpper, rules)); };
    EXPECT_TRUE(lance(ルール::標準).count("3 4 3 12"));
    EXPECT_TRUE(lance(ルール::標準).count("3 4 3 12 +"));
    EXPECT_FALSE(lance(ルール::本来).count("3 4 3 12"));
    EXPECT_TRUE(lance(ルール::本来).count("3 4 3 12 +"));
}

// Against HaChu: our Lion took an undefended Lion two squares away as a step
// onto an empty square and on, which HaChu refuses (it knows that capture
// only as the jump). Under the standard rules the two are the same move, so
// the search plays the jump.
TEST(RuleSets, TheSearchListPlaysADistantCaptureAsTheJumpUnderTheStandardRules) {
    const std::initializer_list<std::tuple<int, int, int>> pieces = {{6, 6, 駒::獅子}, {6, 8, -駒::獅子}};
    const auto standard = moves_of(board_with(pieces, kUpper, ルール::標準), Generate::unique);
    EXPECT_TRUE(standard.count("6 6 6 8"));
    EXPECT_FALSE(standard.count("6 6 6 7 6 8"));
    EXPECT_FALSE(standard.count("6 6 5 7 6 8"));
    int passes = 0;
    for (const std::string& m : standard) passes += m.starts_with("6 6 ") && m.ends_with(" 6 6");
    EXPECT_EQ(passes, 1);
    // The game's own rules tell them apart by the look-back, so both stay.
    const auto original = moves_of(board_with(pieces, kUpper, ルール::本来), Generate::unique);
    EXPECT_TRUE(original.count("6 6 6 8"));
    EXPECT_TRUE(original.count("6 6 6 7 6 8"));
}

TEST(RuleSets, StandardMakeUnmakeAndTheSearchListsHoldOnRandomGames) {
    Random rng(17);
    for (int game = 0; game < 40; ++game) {
        const RandomGame g = random_game(rng);
        Position p = Position::from_game(g.board, g.log, game % 2 == 0 ? kUpper : kLower, 0, ルール::標準);
        ASSERT_EQ(p.hash(), p.compute_hash());
        for (int ply = 0; ply < 20; ++ply) {
            MoveList all;
            generate(p, all, Generate::all);
            if (all.size == 0) break;
            std::set<std::uint64_t> reached_all, reached_unique;
            for (const Move& m : all) {
                // Right after a non-Lion took one's Lion, the search plays no
                // double move that takes a Lion with a non-Lion, though the
                // move check, asking its second step alone, allows it.
                if (m.is_double() && m.to2 != m.from && is_lion(p.at(m.to2)) && !is_lion(p.at(m.from)) &&
                    is_lion(p.last_captured()) && !p.last_by_lion())
                    continue;
                const Undo u = p.make(m);
                ASSERT_EQ(p.hash(), p.compute_hash()) << to_text(m);
                reached_all.insert(p.hash());
                p.unmake(m, u);
            }
            MoveList unique;
            generate(p, unique, Generate::unique);
            for (const Move& m : unique) {
                const Undo u = p.make(m);
                reached_unique.insert(p.hash());
                p.unmake(m, u);
            }
            ASSERT_EQ(reached_all, reached_unique) << "game " << game << " ply " << ply;
            p.make(all[rng.below(all.size)]);
        }
    }
}

}  // namespace
}  // namespace bexoru::search
