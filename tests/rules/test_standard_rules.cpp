// Where the standard rules part from the game's own: the same position and
// move asked under both rule sets, with the answer and the refusal's words.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string_view>

#include "rules/lion_capture_rules.h"
#include "rules/promotion.h"
#include "rules/repetition.h"
#include "rules_fixture.h"

namespace bexoru {
namespace {

struct 駒配置 {
    int x, y;
    駒コード c;
};

struct 両規則の例 {
    const char* name;
    std::vector<駒配置> pieces;
    int x1, y1, x2, y2;
    bool 本来;  // the move check's answer under the game's own rules
    bool 標準;  // ... and under the standard rules
};

void 両方で確かめる(const 両規則の例& e, const 棋譜記録* 記録 = nullptr) {
    for (ルール r : {ルール::本来, ルール::標準}) {
        test::規則盤 b;
        b.状態.規則 = r;
        if (記録) b.記録 = *記録;
        for (const auto& p : e.pieces) b.置く(p.x, p.y, p.c);
        const 盤面型 before = b.盤面;
        EXPECT_EQ(b.可否(e.x1, e.y1, e.x2, e.y2, b.盤面(e.x1, e.y1)), r == ルール::本来 ? e.本来 : e.標準)
            << e.name << (r == ルール::本来 ? " (own rules)" : " (standard rules)");
        EXPECT_EQ(b.盤面, before) << e.name;
    }
}

TEST(StandardRules, TheFalconJumpsTwoSquaresAhead) {
    const 両規則の例 cases[] = {
        {"lower Falcon over its own Pawn", {{6, 8, -24}, {6, 7, -1}}, 6, 8, 6, 6, false, true},
        {"lower Falcon over an enemy Pawn onto an enemy Gold", {{6, 8, -24}, {6, 7, 1}, {6, 6, 13}}, 6, 8, 6, 6,
         false, true},
        {"upper Falcon over a piece", {{6, 5, 24}, {6, 6, -13}}, 6, 5, 6, 7, false, true},
        {"an empty square between: both", {{6, 8, -24}}, 6, 8, 6, 6, true, true},
        {"never onto its own piece", {{6, 8, -24}, {6, 6, -1}}, 6, 8, 6, 6, false, false},
        {"three squares ahead is no move", {{6, 8, -24}}, 6, 8, 6, 5, false, false},
        {"sideways the line must be clear", {{6, 8, -24}, {7, 8, -1}}, 6, 8, 8, 8, false, false},
        {"backwards the line must be clear", {{6, 8, -24}, {6, 9, -1}}, 6, 8, 6, 10, false, false},
        {"a Dragon Horse does not jump", {{6, 8, -23}, {6, 7, -1}}, 6, 8, 6, 6, false, false},
    };
    for (const auto& e : cases) 両方で確かめる(e);
}

TEST(StandardRules, ALionMayTakeAnAdjacentDefendedLion) {
    const 両規則の例 cases[] = {
        {"adjacent, defended by a Gold", {{6, 6, 34}, {6, 7, -34}, {5, 6, 13}}, 6, 7, 6, 6, false, true},
        {"diagonally adjacent, defended", {{6, 6, 34}, {7, 7, -33}, {5, 6, 13}}, 7, 7, 6, 6, false, true},
        {"two squares away, defended", {{6, 6, 34}, {6, 8, -34}, {5, 6, 13}}, 6, 8, 6, 6, false, false},
        {"a knight's leap away, defended", {{6, 6, 34}, {7, 8, -34}, {5, 6, 13}}, 7, 8, 6, 6, false, false},
        {"two squares away, undefended", {{6, 6, 34}, {6, 8, -34}}, 6, 8, 6, 6, true, true},
        {"the standard Falcon's jump defends", {{6, 6, 34}, {6, 8, -34}, {6, 4, 24}, {6, 5, -1}}, 6, 8, 6, 6,
         true, false},
    };
    for (const auto& e : cases) 両方で確かめる(e);
}

// The upper army's non-Lion took the lower army's Lion with the last entry.
棋譜記録 獅子を取られた記録(駒コード 取った駒, 駒コード 取られた獅子) {
    棋譜記録 記録{};
    記録.手[0].成駒 = +1;
    記録.記録数 = 2;
    記録.手[1] = {9, 9, 9, 8, -駒::歩, -駒::歩, 空};
    記録.手[2] = {3, 4, 3, 5, 取った駒, 取った駒 == 駒::麒 ? 駒::獅子_成 : 取った駒, 取られた獅子};
    return 記録;
}

TEST(StandardRules, CounterStrikeBindsEveryLionNotOnlyTheSameCode) {
    const 棋譜記録 by_gold = 獅子を取られた記録(駒::金, -駒::獅子);
    const 両規則の例 cases[] = {
        {"a Silver takes the Lion of the same code", {{6, 6, 34}, {6, 7, -9}}, 6, 7, 6, 6, false, false},
        {"a Silver takes the Lion of the other code", {{6, 6, 33}, {6, 7, -9}}, 6, 7, 6, 6, true, false},
        {"a Lion takes the Lion", {{6, 6, 34}, {6, 7, -34}}, 6, 7, 6, 6, false, true},
        {"a Silver takes a non-Lion", {{6, 6, 13}, {6, 7, -9}}, 6, 7, 6, 6, true, true},
    };
    for (const auto& e : cases) 両方で確かめる(e, &by_gold);

    // Taken by a Lion: no counter-strike under the standard rules.
    const 棋譜記録 by_lion = 獅子を取られた記録(駒::獅子, -駒::獅子);
    両方で確かめる({"after a Lion took the Lion, a Silver may", {{6, 6, 34}, {6, 7, -9}}, 6, 7, 6, 6, false, true},
                   &by_lion);
    // A Kirin that promotes as it takes is not a Lion when it takes.
    const 棋譜記録 by_kirin = 獅子を取られた記録(駒::麒, -駒::獅子);
    両方で確かめる({"after a Kirin took it and promoted", {{6, 6, 33}, {6, 7, -9}}, 6, 7, 6, 6, true, false},
                   &by_kirin);
}

// The counter-strike follows the other side's whole turn: a double move is two
// log entries, and during the mover's own second step the last entry is its
// first step.
TEST(StandardRules, CounterStrikeLooksAtTheOtherSidesWholeTurn) {
    // The upper Falcon took the lower Lion with its first step, then stepped
    // back (or declined the second step, which logs the first step again).
    棋譜記録 stepped_back = 獅子を取られた記録(駒::鷹, -駒::獅子);
    stepped_back.記録数 = 3;
    stepped_back.手[3] = {3, 5, 3, 4, 駒::鷹, 駒::鷹, 空};
    棋譜記録 declined = 獅子を取られた記録(駒::鷹, -駒::獅子);
    declined.記録数 = 3;
    declined.手[3] = {3, 4, 3, 5, 駒::鷹, 駒::鷹, 駒::鷹};
    for (const 棋譜記録* 記録 : {&stepped_back, &declined}) {
        両方で確かめる({"a Silver after a Falcon's double move took our Lion", {{6, 6, 33}, {6, 7, -9}}, 6, 7, 6, 6,
                        true, false},
                       記録);
        両方で確かめる({"a Lion after a Falcon's double move took our Lion", {{6, 6, 33}, {6, 7, -34}}, 6, 7, 6, 6,
                        true, true},
                       記録);
    }

    // The lower Falcon's second step, right after the upper Gold took the
    // lower Lion: the log ends with the Falcon's own first step.
    for (ルール r : {ルール::本来, ルール::標準}) {
        test::規則盤 b;
        b.状態.規則 = r;
        b.記録 = 獅子を取られた記録(駒::金, -駒::獅子);
        b.記録.記録数 = 3;
        b.記録.手[3] = {6, 8, 6, 7, -駒::鷹, -駒::鷹, 空};
        b.置く(6, 7, -駒::鷹);
        b.置く(6, 6, 駒::獅子_成);
        b.状態.二手目状態 = 二手目状態型::二手目;
        const bool 標準 = r == ルール::標準;
        EXPECT_EQ(b.可否(6, 7, 6, 6, -駒::仲), !標準) << (標準 ? "standard" : "own");
        const auto 禁 = 調査_獅子取り(b.局面, 6, 7, 6, 6, -駒::鷹);
        EXPECT_EQ(禁.has_value(), 標準);
        if (禁) {
            EXPECT_EQ(禁->文, 禁手_返し討ち.文);
        }
        // The whole move of the same Falcon, asked before its first step.
        b.状態.二手目状態 = 二手目状態型::一手目;
        b.記録.記録数 = 2;
        EXPECT_EQ(b.可否(6, 7, 6, 6, -駒::鷹), !標準);
    }
}

TEST(StandardRules, RefusalsExplainThemselves) {
    struct 例 {
        const char* name;
        std::vector<駒配置> pieces;
        int x1, y1;  // the target stands on (6, 6)
        std::optional<std::string_view> 本来;
        std::optional<std::string_view> 標準;
    };
    const 棋譜記録 by_gold = 獅子を取られた記録(駒::金, -駒::獅子);
    const 例 cases[] = {
        {"a Silver right after a Gold took our Lion", {{6, 6, 33}, {6, 7, -9}}, 6, 7, 禁手_先獅子.文, 禁手_返し討ち.文},
        {"a Lion right after a Gold took our Lion", {{6, 6, 34}, {6, 7, -34}}, 6, 7, 禁手_先獅子.文, std::nullopt},
    };
    for (const auto& e : cases) {
        for (ルール r : {ルール::本来, ルール::標準}) {
            test::規則盤 b;
            b.状態.規則 = r;
            b.記録 = by_gold;
            for (const auto& p : e.pieces) b.置く(p.x, p.y, p.c);
            const auto 禁 = 調査_獅子取り(b.局面, e.x1, e.y1, 6, 6, b.盤面(e.x1, e.y1));
            const auto expected = r == ルール::本来 ? e.本来 : e.標準;
            ASSERT_EQ(禁.has_value(), expected.has_value()) << e.name;
            if (禁) {
                EXPECT_EQ(禁->文, *expected) << e.name;
            }
        }
    }
    EXPECT_EQ(禁手_返し討ち.題, "禁手：取り返し禁止");

    // A defended Lion: adjacent, two squares away in one move, and by a
    // second step after a first step that took nothing or a Pawn.
    for (ルール r : {ルール::本来, ルール::標準}) {
        const bool 標準 = r == ルール::標準;
        {
            test::規則盤 b;
            b.状態.規則 = r;
            b.置く(6, 6, 34), b.置く(6, 7, -34), b.置く(5, 6, 13);
            const auto 禁 = 調査_獅子取り(b.局面, 6, 7, 6, 6, -34);
            EXPECT_EQ(禁.has_value(), !標準);
            if (禁) {
                EXPECT_EQ(禁->文, 禁手_獅子守り.文);
            }
        }
        {
            test::規則盤 b;
            b.状態.規則 = r;
            b.置く(6, 6, 34), b.置く(6, 8, -34), b.置く(5, 6, 13);
            const auto 禁 = 調査_獅子取り(b.局面, 6, 8, 6, 6, -34);
            ASSERT_TRUE(禁.has_value());
            EXPECT_EQ(禁->文, 標準 ? 禁手_離れ獅子.文 : 禁手_獅子守り.文);
        }
        for (駒コード 橋 : {駒コード{空}, 駒コード{1}, 駒コード{9}}) {
            // The lower Lion stepped from (6, 8) to (6, 7), taking 橋; now its second step.
            test::規則盤 b;
            b.状態.規則 = r;
            b.状態.二手目状態 = 二手目状態型::二手目;
            b.記録.記録数 = 1;
            b.記録.手[1] = {6, 8, 6, 7, -34, -34, 橋};
            b.置く(6, 6, 34), b.置く(6, 7, -34), b.置く(5, 6, 13);
            const auto 禁 = 調査_獅子取り(b.局面, 6, 7, 6, 6, -34);
            EXPECT_EQ(禁.has_value(), 橋 != 9) << "bridge " << 橋;
            if (禁 && 橋 == 1) {
                EXPECT_EQ(禁->文, 禁手_付け食い.文);
            }
            if (禁 && 橋 == 空) {
                EXPECT_EQ(禁->文, 標準 ? 禁手_離れ獅子.文 : 禁手_獅子守り.文);
            }
        }
        {
            // A second step back next to where the Lion began is an adjacent capture.
            test::規則盤 b;
            b.状態.規則 = r;
            b.状態.二手目状態 = 二手目状態型::二手目;
            b.記録.記録数 = 1;
            b.記録.手[1] = {6, 7, 5, 7, -34, -34, 空};
            b.置く(6, 6, 34), b.置く(5, 7, -34), b.置く(5, 6, 13);
            EXPECT_EQ(調査_獅子取り(b.局面, 5, 7, 6, 6, -34).has_value(), !標準);
        }
    }
}

TEST(StandardRules, Promotion) {
    struct 例 {
        const char* name;
        駒コード c;
        int y1, y2;
        bool capture;
        bool 本来, 標準;                  // may promote
        bool 本来で成らずに可, 標準で成らずに可;  // may stay unpromoted
    };
    // Lower army: its zone is rows 1..4.
    const 例 cases[] = {
        {"Silver enters the zone", -9, 5, 4, false, true, true, true, true},
        {"Silver moves inside the zone", -9, 4, 3, false, false, false, true, true},
        {"Silver captures inside the zone", -9, 4, 3, true, true, true, true, true},
        {"Silver captures leaving the zone", -9, 4, 5, true, false, true, true, true},
        {"Silver leaves the zone without capture", -9, 4, 5, false, false, false, true, true},
        {"Silver captures outside the zone", -9, 6, 5, true, false, false, true, true},
        {"Pawn moves onto the last row inside the zone", -1, 2, 1, false, true, false, false, true},
        {"Pawn captures onto the last row", -1, 2, 1, true, true, true, false, true},
        // A Pawn or Lance inside the zone promotes by a capture only on the last row.
        {"Pawn captures inside the zone", -1, 4, 3, true, false, false, true, true},
        {"Pawn captures entering the zone", -1, 5, 4, true, true, true, true, true},
        {"Lance captures inside the zone", -3, 4, 2, true, false, false, true, true},
        {"Lance captures onto the last row", -3, 3, 1, true, true, true, false, true},
        {"Lance enters onto the last row", -3, 8, 1, false, true, true, false, true},
    };
    for (const auto& e : cases) {
        for (ルール r : {ルール::本来, ルール::標準}) {
            盤面型 盤面{};
            if (e.capture) 盤面(6, e.y2) = 駒::金;
            駒コード 結果 = 空;
            const bool 標準 = r == ルール::標準;
            EXPECT_EQ(調査_駒成(盤面, 6, e.y1, 6, e.y2, e.c, 結果, r), 標準 ? e.標準 : e.本来)
                << e.name << (標準 ? " (standard)" : " (own)");
            EXPECT_EQ(移動後チェック(e.y2, e.c, r), 標準 ? e.標準で成らずに可 : e.本来で成らずに可) << e.name;
            // The upper army's mirror image answers alike.
            盤面型 鏡{};
            if (e.capture) 鏡(6, 13 - e.y2) = -駒::金;
            EXPECT_EQ(調査_駒成(鏡, 6, 13 - e.y1, 6, 13 - e.y2, -e.c, 結果, r), 標準 ? e.標準 : e.本来)
                << e.name << " (upper army)";
        }
    }
}

TEST(StandardRules, RepetitionEndsOnTheFourthOccurrence) {
    {
        // Both Kings step out and back: the start comes round once every four moves.
        盤面型 盤面{};
        盤面(1, 12) = -駒::王;
        盤面(12, 1) = 駒::王;
        const auto 記録 = std::make_unique<棋譜記録>();
        auto 指す = [&](int X1, int Y1, int X2, int Y2) {
            const 駒コード c = 盤面(X1, Y1);
            記録->手[static_cast<std::size_t>(++記録->記録数)] = {X1, Y1, X2, Y2, c, c, 盤面(X2, Y2)};
            盤面(X2, Y2) = c;
            盤面(X1, Y1) = 空;
        };
        EXPECT_EQ(局面の回数(盤面, *記録), 1);
        for (int 回 = 2; 回 <= 4; ++回) {
            指す(1, 12, 1, 11);
            EXPECT_EQ(局面の回数(盤面, *記録), 回 - 1);
            指す(12, 1, 12, 2);
            指す(1, 11, 1, 12);
            指す(12, 2, 12, 1);
            EXPECT_EQ(局面の回数(盤面, *記録), 回);
        }
        // Four moves taken back: the same board, counted once fewer.
        記録->記録数 -= 4;
        EXPECT_EQ(局面の回数(盤面, *記録), 3);
    }

    {
        // A double move is one move, also one that ends where it began: the
        // upper King steps out and back while the lower Falcon and Eagle each
        // step forward and back.
        盤面型 盤面{};
        盤面(1, 12) = -駒::王;
        盤面(12, 1) = 駒::王;
        盤面(6, 8) = -駒::鷹;
        盤面(8, 8) = -駒::鷲;
        const auto 記録 = std::make_unique<棋譜記録>();
        auto 記す = [&](int X1, int Y1, int X2, int Y2, 駒コード c) {
            記録->手[static_cast<std::size_t>(++記録->記録数)] = {X1, Y1, X2, Y2, c, c, 盤面(X2, Y2)};
            const 駒コード 駒 = 盤面(X1, Y1);
            盤面(X1, Y1) = 空;
            盤面(X2, Y2) = 駒;
        };
        for (int 回 = 2; 回 <= 3; ++回) {
            記す(12, 1, 12, 2, 駒::王);
            記す(6, 8, 6, 7, -駒::鷹);
            記す(6, 7, 6, 8, -駒::鷹);
            記す(12, 2, 12, 1, 駒::王);
            記す(8, 8, 9, 7, -駒::鷲);
            記す(9, 7, 8, 8, -駒::鷲);
            EXPECT_EQ(局面の回数(盤面, *記録), 回);
        }
    }

    // The key tells the side to move apart: the same board with the other side to move is another position.
    盤面型 盤面{};
    盤面(6, 6) = 駒::王;
    EXPECT_NE(局面キー(盤面, 先手), 局面キー(盤面, 後手));
    盤面型 別 = 盤面;
    別(6, 7) = -駒::歩;
    EXPECT_NE(局面キー(盤面, 先手), 局面キー(別, 先手));
    EXPECT_EQ(局面キー(盤面, 先手), 局面キー(盤面型{盤面}, 先手));
}

TEST(StandardRules, BareKing) {
    盤面型 盤面{};
    盤面(6, 1) = 駒::王;
    盤面(6, 12) = -駒::王;
    盤面(5, 12) = -駒::太子;
    EXPECT_EQ(裸王の軍(盤面), 0) << "both bare: neither loses by it";
    盤面(1, 1) = 駒::歩;
    EXPECT_EQ(裸王の軍(盤面), -1) << "the lower army keeps only royal pieces";
    盤面(1, 12) = -駒::金;
    EXPECT_EQ(裸王の軍(盤面), 0);
    盤面(1, 1) = 空;
    EXPECT_EQ(裸王の軍(盤面), +1);
}

}  // namespace
}  // namespace bexoru
