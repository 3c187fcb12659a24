// The person's clicks: what each click does to the selection, the ignored
// clicks, promotion by the right button, the turn announcements, the replay
// question, the full log, and the hand-over to the computer.

#include "board/starting_position.h"
#include "play_fixture.h"

namespace bexoru {
namespace {

using namespace test;

class MouseInput : public PlayTest {};

TEST_F(MouseInput, ClicksOutsideAGameOrTheBoardOrWithOtherButtons) {
    click(6, 10);
    EXPECT_EQ(port.of(Call::Panel).size(), 6u) << "every click first hides the record panel";
    auto r = 見た();
    EXPECT_EQ(r.箱, 箱々{"開始|「対局」で始めて下さい"});
    EXPECT_EQ(r.音, 音々{"禁止"});

    form.START_Click();
    見た();
    const 対局状態 before = form.状態;
    for (auto [x, y] : {std::pair{0, 5}, {13, 5}, {5, 0}, {5, 13}}) click(x, y);
    form.Form_MouseDown(4, 0, 座標X(6.5), 座標Y(10.5));  // a middle button
    r = 見た();
    EXPECT_EQ(r.箱, 箱々{});
    EXPECT_EQ(r.音, 音々{});
    EXPECT_EQ(form.状態.クリック段階, before.クリック段階);
    EXPECT_EQ(form.状態.手番, before.手番);
    EXPECT_TRUE(port.calls.empty());
}

TEST_F(MouseInput, SelectionReselectionDeselectionAndIgnoredClicks) {
    constexpr auto 選択 = クリック段階型::行き先選択, 待ち = クリック段階型::駒選択;
    struct 例 {
        const char* name;
        std::vector<桝位置> clicks;
        クリック段階型 段階;
        桝位置 元;  // the selected square when a piece is selected
        int 手番;
    };
    const 例 cases[] = {
        {"an own piece is selected", {{6, 10}}, 選択, {6, 10}, 先手},
        {"an opposing piece only shows its moves", {{7, 3}}, 待ち, {}, 先手},
        {"an empty square selects nothing", {{6, 7}}, 待ち, {}, 先手},
        {"another own piece takes the selection over", {{6, 10}, {7, 10}}, 選択, {7, 10}, 先手},
        {"an opposing piece out of reach drops the selection", {{6, 10}, {1, 3}}, 待ち, {}, 先手},
        {"a square the piece cannot reach is ignored", {{6, 10}, {6, 5}}, 選択, {6, 10}, 先手},
        {"a reachable square completes the move", {{6, 9}, {6, 8}}, 待ち, {}, 後手},
        {"after the move the other army is selected", {{6, 9}, {6, 8}, {6, 4}}, 選択, {6, 4}, 後手},
    };
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        form.初期設定();
        form.START_Click();
        見た();
        for (桝位置 s : e.clicks) click(s.X, s.Y);
        EXPECT_EQ(form.状態.クリック段階, e.段階);
        if (e.段階 == 選択) {
            EXPECT_EQ((桝位置{form.入力.移動元X, form.入力.移動元Y}), e.元);
            EXPECT_EQ(form.入力.移動駒, form.盤面(e.元.X, e.元.Y));
            EXPECT_EQ(輪郭(form.表示.選択色).back(), e.元);
        }
        EXPECT_EQ(form.状態.手番, e.手番);
        EXPECT_EQ(見た().箱, 箱々{}) << "none of these explains itself";
    }

    // Dropping the selection: the old square loses its mark and the clicked
    // opposing piece is outlined in the guidance colour.
    form.初期設定();
    form.START_Click();
    click(6, 10);
    見た();
    click(1, 3);
    const auto 消 = 輪郭(form.表示.桝輪郭色);
    EXPECT_NE(std::find(消.begin(), 消.end(), 桝位置{6, 10}), 消.end());
}

TEST_F(MouseInput, TheRightButtonPromotesAndALastRowMoveMust) {
    struct 例 {
        const char* name;
        駒コード 駒;
        int y1, y2;  // on column 6
        int button;
        駒コード 結果;  // on (6, y2); 空: not moved
        箱々 箱;
    };
    const 例 cases[] = {
        {"a pawn on the last row, left button", -1, 2, 1, 左ボタン, 空, {"成り|マウスの右をクリックして下さい"}},
        {"a pawn on the last row, right button", -1, 2, 1, 右ボタン, -2, {}},
        {"a silver entering the zone, left button", -9, 5, 4, 左ボタン, -9, {}},
        {"a silver entering the zone, right button", -9, 5, 4, 右ボタン, -10, {}},
        {"a right click that cannot promote moves plainly", -13, 8, 7, 右ボタン, -13, {}},
    };
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        盤に置く({{6, e.y1, e.駒}, {1, 12, -39}, {2, 12, -1}, {12, 1, 39}, {11, 1, 1}});
        二人で続ける();
        click(6, e.y1);
        click(6, e.y2, e.button);
        const auto r = 見た();
        EXPECT_EQ(r.箱, e.箱);
        EXPECT_EQ(form.盤面(6, e.y2), e.結果);
        if (e.結果 == 空) {
            EXPECT_EQ(r.音, 音々{}) << "the must-promote message comes without a sound";
            EXPECT_EQ(form.状態.クリック段階, クリック段階型::行き先選択) << "the selection stays for the right click";
        } else {
            EXPECT_EQ(form.記録.手[form.記録.記録数].移動駒, e.駒);
            EXPECT_EQ(form.記録.手[form.記録.記録数].成駒, e.結果);
        }
    }
}

TEST_F(MouseInput, TurnAnnouncementsBeforeTheClickGoesOn) {
    struct 例 {
        const char* name;
        対局モード型 モード;
        int 手番, MAN側;
        箱々 箱;
        int com_ban;
    };
    const 例 cases[] = {
        {"two people, the first player's turn", 対局_MAN対MAN, 先手, 先手, {"対局|先手の番です"}, 0},
        {"two people, the second player's turn", 対局_MAN対MAN, 後手, 先手, {"対局|後手の番です"}, 0},
        {"against the computer, the person's turn", 対局_COM, 先手, 先手, {"対局|MANの番です"}, 0},
        {"against the computer, its turn", 対局_COM, 後手, 先手, {"再開(COM)|OKですか？"}, 1},
    };
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        form.初期設定();
        form.状態.対局モード = e.モード;
        form.状態.手番 = e.手番;
        form.状態.MAN側 = e.MAN側;
        form.状態.COM側 = -e.MAN側;
        form.状態.再開確認 = true;
        form.COM手番.回数 = 0;
        // The computer, when asked, plays its pawn so the person moves next.
        form.COM手番.代役 = [this] {
            form.盤面(1, 5) = form.盤面(1, 4);
            form.盤面(1, 4) = 空;
            form.状態.手番 = form.状態.MAN側;
        };
        見た();
        click(6, 10);
        EXPECT_EQ(見た().箱, e.箱);
        EXPECT_FALSE(form.状態.再開確認);
        EXPECT_EQ(form.COM手番.回数, e.com_ban);
        EXPECT_EQ(form.状態.クリック段階,
                  e.手番 == 後手 && e.モード == 対局_MAN対MAN ? クリック段階型::駒選択 : クリック段階型::行き先選択)
            << "the same click then selects the lower Lion when it is the lower army's turn";
        click(6, 12);
        EXPECT_EQ(見た().箱, 箱々{}) << "announced once only";
    }
}

TEST_F(MouseInput, AClickDuringAReplayAsksWhetherToGoOn) {
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "yes" : "no");
        form.初期設定();
        form.盤面(6, 9) = 空;
        form.状態.再生中 = true;
        見た();
        port.answerNext("棋譜を '進 'で進めて下さい", yes);
        click(6, 10);
        const auto r = 見た();
        EXPECT_EQ(r.箱, 箱々{"?棋譜|棋譜を '進 'で進めて下さい"});
        EXPECT_EQ(r.音, yes ? 音々{} : 音々{"禁止"});
        EXPECT_EQ(form.状態.再生中, yes);
        EXPECT_EQ(form.盤面(6, 9), yes ? 空 : -駒::歩) << "no: a fresh board";
    }
}

TEST_F(MouseInput, AFullLogRefusesTheMoveAndKeepsThePosition) {
    struct 例 {
        const char* name;
        int 記録数;
        int x1, y1, x2, y2;  // a pawn's step, or the Lion's one-square step (asked about a second step)
        bool 指せる;
    };
    const 例 cases[] = {
        {"one entry left: a single move", 記録最大 - 1, 6, 9, 6, 8, true},
        {"one entry left: a Lion's step needs two", 記録最大 - 1, 6, 10, 5, 9, false},
        {"two entries left: a Lion's step", 記録最大 - 2, 6, 10, 5, 9, true},
        {"no entry left", 記録最大, 6, 9, 6, 8, false},
    };
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        form.初期設定();
        form.START_Click();
        form.盤面(5, 9) = 空;
        form.記録.記録数 = e.記録数;
        const 盤面型 before = form.盤面;
        見た();
        if (e.指せる && e.y1 == 10) port.answerNext("もう一手移動しますか？", false);
        click(e.x1, e.y1);
        click(e.x2, e.y2);
        const auto r = 見た();
        if (e.指せる) {
            EXPECT_NE(form.盤面, before);
            EXPECT_EQ(form.記録.記録数, 記録最大);
        } else {
            EXPECT_EQ(r.箱, 箱々{"棋譜|棋譜が一杯です。これ以上は指せません"});
            EXPECT_EQ(r.音, 音々{"禁止"});
            EXPECT_EQ(form.盤面, before);
            EXPECT_EQ(form.記録.記録数, e.記録数);
            EXPECT_EQ(form.状態.クリック段階, クリック段階型::行き先選択);
        }
    }
}

TEST_F(MouseInput, AgainstTheComputerTheGameEndsOrTheComputerMoves) {
    struct 例 {
        const char* name;
        std::vector<置駒> 駒々;
        int x1, y1, x2, y2;
        箱々 箱;  // empty: the computer is handed the turn
    };
    const std::vector<置駒> 隅の敵王 = {{12, 1, 39}, {11, 12, -15}, {6, 12, -39}, {1, 5, 1}, {2, 5, 1}};
    auto 加えて = [](std::vector<置駒> a, std::vector<置駒> b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const 箱々 勝ち = {"終了|あなたの勝ちです", "?再ゲーム|続けますか？"};
    // clang-format off
    const 例 cases[] = {
        {"an ordinary move",
         {{6, 9, -1}, {6, 12, -39}, {1, 12, -1}, {7, 1, 39}, {1, 1, 1}}, 6, 9, 6, 8, {}},
        {"the computer left with one piece",
         {{1, 12, -15}, {6, 12, -39}, {7, 1, 39}, {1, 4, 1}}, 1, 12, 1, 4,
         {"終局|駒枯れになりました", 勝ち[0], 勝ち[1]}},
        {"the person left with one piece goes on",
         {{6, 12, -39}, {7, 11, 1}, {7, 1, 39}, {1, 1, 1}}, 6, 12, 7, 11, {}},
        {"the computer's lone King mated",
         加えて(隅の敵王, {{12, 8, -15}}), 12, 8, 12, 12, 勝ち},
        {"a mate while the person's only King stands attacked",
         加えて(隅の敵王, {{12, 8, -15}, {6, 11, 13}}), 12, 8, 12, 12, {}},
        {"the computer's last royal piece taken",
         {{7, 2, -13}, {7, 1, 39}, {6, 12, -39}, {1, 12, -1}, {1, 1, 1}, {2, 1, 1}}, 7, 2, 7, 1, 勝ち},
    };
    // clang-format on
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        form.初期設定();
        form.保全.終局控え.reset();  // the game the case before ended is not kept
        form.盤面 = 盤面型{};
        for (const 置駒& p : e.駒々) form.盤面(p.X, p.Y) = p.c;
        form.SENTE_Click();
        form.COM手番.回数 = 0;
        見た();
        if (!e.箱.empty()) port.answerNext("続けますか？", true);
        click(e.x1, e.y1);
        click(e.x2, e.y2);
        EXPECT_EQ(見た().箱, e.箱);
        EXPECT_EQ(form.COM手番.回数, e.箱.empty() ? 1 : 0);
    }
}

}  // namespace
}  // namespace bexoru
