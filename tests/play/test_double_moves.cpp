// The person's double moves: the question after a qualifying first step, the
// pending second step, its refusals, and the log entries of every case.

#include "play_fixture.h"

namespace bexoru {
namespace {

using namespace test;

struct 記録行 {
    int x1, y1, x2, y2;
    駒コード 移動駒, 成駒, 取駒;
    friend bool operator==(const 記録行&, const 記録行&) = default;
};
std::ostream& operator<<(std::ostream& o, const 記録行& e) {
    return o << "(" << e.x1 << "," << e.y1 << "→" << e.x2 << "," << e.y2 << " " << e.移動駒 << "/" << e.成駒 << " took "
             << e.取駒 << ")";
}

class DoubleMoves : public PlayTest {
protected:
    std::vector<記録行> 記録行々() const {
        std::vector<記録行> out;
        const 棋譜記録& r = form.記録;
        for (std::size_t i = 1; i <= static_cast<std::size_t>(r.記録数); ++i)
            out.push_back({r.手[i].移動元X, r.手[i].移動元Y, r.手[i].移動先X, r.手[i].移動先Y, r.手[i].移動駒,
                           r.手[i].成駒, r.手[i].取駒});
        return out;
    }
};

TEST_F(DoubleMoves, EveryCaseLogsItsEntriesAndPassesTheTurnOnce) {
    struct 例 {
        const char* name;
        置駒 mover;
        std::vector<桝位置> clicks;  // after selecting the mover
        std::vector<bool> answers;   // to "もう一手移動しますか？"
        std::vector<記録行> entries;
        駒コード 二手目駒;  // asked with for the second step; 空: not asked
        std::vector<置駒> after;
    };
    // clang-format off
    const 例 cases[] = {
        {"Lion takes a pawn, declines", {6, 8, -34}, {{6, 7}}, {false},
         {{6, 8, 6, 7, -34, -34, 1}, {6, 8, 6, 7, -34, -34, -34}}, -34, {{6, 7, -34}, {6, 8, 空}}},
        {"Lion takes a pawn, steps on", {6, 8, -34}, {{6, 7}, {6, 6}}, {true},
         {{6, 8, 6, 7, -34, -34, 1}, {6, 7, 6, 6, -34, -34, 0}}, -34, {{6, 6, -34}, {6, 7, 空}, {6, 8, 空}}},
        {"Lion takes a pawn and steps back: taken without moving", {6, 8, -34}, {{6, 7}, {6, 8}}, {true},
         {{6, 8, 6, 7, -34, -34, 1}, {6, 7, 6, 8, -34, -34, 0}}, -34, {{6, 7, 空}, {6, 8, -34}}},
        {"Lion clicked again on its intermediate square stops there", {6, 8, -34}, {{6, 7}, {6, 7}}, {true},
         {{6, 8, 6, 7, -34, -34, 1}, {6, 8, 6, 7, -34, -34, -34}}, -34, {{6, 7, -34}, {6, 8, 空}}},
        {"Lion's two-square jump is a whole move", {6, 8, -34}, {{6, 6}}, {},
         {{6, 8, 6, 6, -34, -34, 0}}, 空, {{6, 6, -34}, {6, 7, 1}}},
        {"Eagle forward-left, on along the diagonal", {6, 8, -18}, {{5, 7}, {4, 6}}, {true},
         {{6, 8, 5, 7, -18, -18, 0}, {5, 7, 4, 6, -18, -18, 0}}, -擬_鷲一, {{4, 6, -18}}},
        {"Eagle forward-right and back", {6, 8, -18}, {{7, 7}, {6, 8}}, {true},
         {{6, 8, 7, 7, -18, -18, 0}, {7, 7, 6, 8, -18, -18, 0}}, -擬_鷲二, {{6, 8, -18}, {7, 7, 空}}},
        {"upper Eagle forward-left", {6, 6, 18}, {{5, 7}, {4, 8}}, {true},
         {{6, 6, 5, 7, 18, 18, 0}, {5, 7, 4, 8, 18, 18, 0}}, 擬_鷲一, {{4, 8, 18}}},
        {"Falcon takes straight ahead, steps on", {6, 8, -24}, {{6, 7}, {6, 6}}, {true},
         {{6, 8, 6, 7, -24, -24, 1}, {6, 7, 6, 6, -24, -24, 0}}, -駒::仲, {{6, 6, -24}}},
        {"Falcon's two-square advance is a whole move", {6, 9, -24}, {{6, 7}}, {},
         {{6, 9, 6, 7, -24, -24, 1}}, 空, {{6, 7, -24}}},
    };
    // clang-format on
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        盤に置く({{6, 7, 1}, {1, 12, -39}, {2, 12, -1}, {12, 1, 39}, {11, 1, 1}, {10, 1, 1}, e.mover});
        二人で続ける(e.mover.c < 0 ? 先手 : 後手);
        const int 手番 = form.状態.手番;
        form.入力.二手目駒 = 空;
        for (bool a : e.answers) port.answerNext("もう一手移動しますか？", a);
        click(e.mover.X, e.mover.Y);
        for (std::size_t i = 0; i < e.clicks.size(); ++i) {
            click(e.clicks[i].X, e.clicks[i].Y);
            if (i + 1 < e.clicks.size()) {
                EXPECT_EQ(form.状態.二手目状態, 二手目状態型::二手目) << "a second step is pending";
                EXPECT_EQ(form.状態.手番, 手番) << "the turn waits for the second step";
                EXPECT_EQ(輪郭(form.表示.選択色).back(), e.clicks[i]) << "the intermediate square is outlined";
            }
        }
        EXPECT_EQ(記録行々(), e.entries);
        if (e.二手目駒 != 空) {
            EXPECT_EQ(form.入力.二手目駒, e.二手目駒);
        }
        for (const 置駒& p : e.after) EXPECT_EQ(form.盤面(p.X, p.Y), p.c) << "(" << p.X << "," << p.Y << ")";
        EXPECT_EQ(form.状態.手番, -手番) << "the turn passes once";
        EXPECT_EQ(form.状態.手数, 1);
        EXPECT_EQ(form.状態.二手目状態, 二手目状態型::一手目);
        EXPECT_EQ(form.状態.クリック段階, クリック段階型::駒選択);
        const auto r = 見た();
        EXPECT_EQ(r.音, 音々(e.answers.empty() ? 1 : 2, "駒打")) << "the first step and the completed move";
    }
}

TEST_F(DoubleMoves, ASecondStepOutsideItsPatternIsRefusedAndStillPending) {
    盤に置く({{6, 6, 18}, {7, 7, 5}, {1, 12, -39}, {2, 12, -1}, {12, 1, 39}, {11, 1, 1}});
    二人で続ける(後手);
    port.answerNext("もう一手移動しますか？", true);
    click(6, 6);
    click(5, 7);
    見た();
    for (桝位置 s : {桝位置{6, 8}, {4, 6}, {7, 7}, {5, 9}}) {
        SCOPED_TRACE(std::to_string(s.X) + "," + std::to_string(s.Y));
        click(s.X, s.Y);
        const auto r = 見た();
        EXPECT_EQ(r.箱, 箱々{"2手目移動中|そこへ移動できません！"});
        EXPECT_EQ(r.音, 音々{"禁止"});
        EXPECT_EQ(form.状態.二手目状態, 二手目状態型::二手目);
        EXPECT_EQ(form.盤面(5, 7), 18);
        EXPECT_EQ(form.記録.記録数, 1);
    }
    click(4, 8);
    EXPECT_EQ(form.盤面(4, 8), 18);
    EXPECT_EQ(form.状態.手番, 先手);
}

TEST_F(DoubleMoves, AFirstStepThatTakesTheLastRoyalPieceEndsTheGameAtOnce) {
    // Each double mover takes the upper army's lone King (or lone Crown
    // Prince) with a step that would offer a second one: no question, the
    // game is over, and the capture is one entry of the log.
    struct 例 {
        const char* name;
        置駒 mover;
        置駒 royal;
    };
    const 例 cases[] = {
        {"a Lion takes the King", {7, 2, -34}, {7, 1, 39}},
        {"a promoted Lion takes the Crown Prince", {7, 2, -33}, {6, 1, 38}},
        {"a Falcon takes the King straight ahead", {7, 2, -24}, {7, 1, 39}},
        {"an Eagle takes the King diagonally", {7, 2, -18}, {8, 1, 39}},
    };
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        盤に置く({e.mover, e.royal, {1, 12, -39}, {2, 12, -1}, {11, 1, 1}, {10, 1, 1}});
        二人で続ける();
        port.answerNext("続けますか？", true);
        click(e.mover.X, e.mover.Y);
        click(e.royal.X, e.royal.Y);
        EXPECT_EQ(見た().箱, (箱々{"終了|先手の勝ちです", "?再ゲーム|続けますか？"}));
        EXPECT_EQ(form.状態.手番, 未対局);
        ASSERT_TRUE(form.保全.終局控え);
        ASSERT_EQ(form.保全.終局控え->手々.size(), 1u);
        EXPECT_EQ(form.保全.終局控え->手々[0].取駒, e.royal.c);
        form.保全.終局控え.reset();
    }
}

TEST_F(DoubleMoves, AFirstStepThatTakesARoyalPieceWithAnotherLeftStillOffersTheSecond) {
    // The Crown Prince stays: the King's capture does not end the game.
    盤に置く({{7, 2, -34}, {7, 1, 39}, {12, 1, 38}, {1, 12, -39}, {2, 12, -1}, {11, 1, 1}});
    二人で続ける();
    port.answerNext("もう一手移動しますか？", true);
    click(7, 2);
    click(7, 1);
    click(7, 2);
    EXPECT_EQ(見た().箱, 箱々{"?２手移動|もう一手移動しますか？"});
    EXPECT_EQ(form.状態.手番, 後手);
    EXPECT_EQ(記録行々(), (std::vector<記録行>{{7, 2, 7, 1, -34, -34, 39}, {7, 1, 7, 2, -34, -34, 0}}));
}

}  // namespace
}  // namespace bexoru
