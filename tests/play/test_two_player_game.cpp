// Two people play whole games with the mouse, click by click, to the capture
// of the last royal piece and to a bare army.

#include "board/starting_position.h"
#include "play_fixture.h"

namespace bexoru {
namespace {

using namespace test;

class TwoPlayerGame : public PlayTest {
protected:
    // Whether the last-move text was written at (c, r): column numeral, row
    // numeral and piece, each at its place.
    bool 棋譜表示(double c, double r, const std::string& 列, const std::string& 行, const std::string& 駒) const {
        const double 左 = 列.size() == 2 ? 100 : 0;  // two-digit columns start further left
        return port.printedAt(列, 座標X(c) - 左, 座標Y(r)) && port.printedAt(行, 座標X(c + 0.4), 座標Y(r)) &&
               port.printedAt(駒, 座標X(c + 1), 座標Y(r));
    }
};

TEST_F(TwoPlayerGame, TheLowerLionRunsUpTheBoardAndTakesTheKing) {
    form.START_Click();
    EXPECT_TRUE(port.printedAt("後手:", 座標X(14), 座標Y(5.08)));
    EXPECT_TRUE(port.printedAt("先手:", 座標X(14), 座標Y(6.08)));
    EXPECT_EQ(見た().箱, 箱々{" |先手の番です"});

    struct 手 {
        int x1, y1, x2, y2;
        const char *列, *行, *駒;  // the last-move text
    };
    const 手 手々[] = {
        {6, 10, 6, 8, "７", "八", "獅"},  {1, 4, 1, 5, "12", "五", "歩"},   {6, 8, 6, 6, "７", "六", "獅"},
        {12, 4, 12, 5, "１", "五", "歩"}, {6, 6, 6, 4, "７", "四", "獅"},   {2, 4, 2, 5, "11", "五", "歩"},
        {6, 4, 7, 2, "６", "二", "獅"},   {11, 4, 11, 5, "２", "五", "歩"},
    };
    int 手数 = 0;
    for (const 手& m : 手々) {
        SCOPED_TRACE(std::to_string(m.x1) + "," + std::to_string(m.y1) + " to " + std::to_string(m.x2) + "," +
                     std::to_string(m.y2));
        const 駒コード 駒 = form.盤面(m.x1, m.y1);
        const int 手番 = form.状態.手番;
        click(m.x1, m.y1);
        EXPECT_EQ(輪郭(form.表示.選択色).back(), (桝位置{m.x1, m.y1})) << "the selection outline";
        click(m.x2, m.y2);
        EXPECT_TRUE(棋譜表示(15.6, 駒 < 0 ? 6 : 5, m.列, m.行, m.駒)) << "the lower army on row 6, the upper on 5";
        EXPECT_TRUE(port.printedAt(std::to_string(手数 + 1), 座標X(14.9), 座標Y(3.3))) << "the move number";
        const auto r = 見た();
        EXPECT_EQ(r.箱, 箱々{});
        EXPECT_EQ(r.音, 音々{"駒打"});
        EXPECT_EQ(form.盤面(m.x2, m.y2), 駒);
        EXPECT_EQ(form.盤面(m.x1, m.y1), 空);
        EXPECT_EQ(form.状態.手番, -手番) << "the turn passes";
        EXPECT_EQ(form.状態.手数, ++手数);
        EXPECT_EQ(form.記録.記録数, 手数) << "one entry per single move";
    }
    EXPECT_EQ(form.記録.手[5].取駒, 1);
    EXPECT_EQ(form.記録.手[7].取駒, 32);

    // The Lion steps onto the lone King: the game is over at once, with no
    // offer of a second step. The unsaved game is discarded on the way out.
    port.answerNext("続けますか？", false);
    port.answerNext(std::string(未保存_文), true);
    click(7, 2);
    click(7, 1);
    EXPECT_TRUE(port.quitCalled()) << "declining a new game ends the program";
    EXPECT_EQ(std::vector<std::string>(sound.calls.end() - 5, sound.calls.end()),
              (std::vector<std::string>{"dsFree(100)", "dsFree(101)", "dsFree(102)", "dsFree(103)", "dsTerminate(1)"}));
    const auto r = 見た();
    EXPECT_EQ(r.箱, (箱々{"終了|先手の勝ちです", "?再ゲーム|続けますか？",
                          "?" + std::string(未保存_題) + "|" + std::string(未保存_文)}));
    EXPECT_EQ(r.音, (音々{"駒打"}));
    EXPECT_EQ(form.盤面(7, 1), -駒::獅子);
    EXPECT_EQ(form.記録.記録数, 9) << "one entry: the capture was the whole move";
    EXPECT_EQ(form.記録.手[9].取駒, 駒::王);
    EXPECT_EQ(form.状態.手数, 9);
}

TEST_F(TwoPlayerGame, ABareArmyEndsTheGameAndNamesTheWinnerByItsToken) {
    struct 例 {
        const char* name;
        std::vector<置駒> 駒々;
        int MAN側;  // 後手: the upper army moved first in this game
        int 手番;
        int x1, y1, x2, y2;
        const char* 勝者;
    };
    // clang-format off
    const 例 cases[] = {
        {"the lower army takes the upper's last piece but its King",
         {{6, 12, -39}, {1, 12, -15}, {7, 1, 39}, {1, 4, 1}}, 先手, 先手, 1, 12, 1, 4, "終了|先手の勝ちです"},
        {"the upper army leaves the lower one its King alone",
         {{6, 12, -39}, {1, 8, -1}, {7, 1, 39}, {1, 1, 15}, {2, 2, 1}}, 先手, 後手, 1, 1, 1, 8, "終了|後手の勝ちです"},
        {"when the upper army moved first the lower one is 後手",
         {{6, 12, -39}, {1, 12, -15}, {7, 1, 39}, {1, 4, 1}}, 後手, 後手, 1, 12, 1, 4, "終了|後手の勝ちです"},
        {"both armies bare: the upper army is named",
         {{6, 12, -39}, {7, 11, 1}, {12, 1, 39}}, 先手, 先手, 6, 12, 7, 11, "終了|後手の勝ちです"},
    };
    // clang-format on
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        form.初期設定();
        form.盤面 = 盤面型{};
        for (const 置駒& p : e.駒々) form.盤面(p.X, p.Y) = p.c;
        form.状態.対局モード = 対局_MAN対MAN;
        form.状態.MAN側 = e.MAN側;
        form.状態.COM側 = -e.MAN側;
        form.状態.手番 = e.手番;
        見た();
        port.answerNext("続けますか？", true);
        click(e.x1, e.y1);
        click(e.x2, e.y2);
        const auto r = 見た();
        EXPECT_EQ(r.箱, (箱々{"終局|駒枯れになりました", e.勝者, "?再ゲーム|続けますか？"}));
        EXPECT_EQ(r.音, 音々{"駒打"});
        盤面型 start;
        初期配置(start);
        EXPECT_EQ(form.盤面, start) << "a new game starts from the starting position";
        EXPECT_EQ(form.状態.手番, 未対局);
        EXPECT_FALSE(port.quitCalled());
    }
}

TEST_F(TwoPlayerGame, TakingOneRoyalPieceEndsTheGameOnlyWhenItWasTheLast) {
    struct 例 {
        const char* name;
        駒コード 的;        // the royal piece taken on (6, 5) by a lower Gold from (6, 6)
        駒コード もう一つ;  // the other royal piece of the upper army on (12, 1), or none
        const char* 結果;   // nothing: the game goes on
    };
    const 例 cases[] = {
        {"the King, no Crown Prince", 39, 空, "終了|先手の勝ちです"},
        {"the Crown Prince, no King", 38, 空, "終了|先手の勝ちです"},
        {"the King, the Crown Prince stays", 39, 38, nullptr},
        {"the Crown Prince, the King stays", 38, 39, nullptr},
    };
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        盤に置く({{6, 6, -13}, {6, 5, e.的}, {12, 1, e.もう一つ}, {1, 12, -39}, {1, 1, 5}, {2, 1, 5}, {2, 12, -1}});
        二人で続ける();
        if (e.結果) {
            port.answerNext("続けますか？", false);
            port.answerNext(std::string(未保存_文), true);
        }
        click(6, 6);
        click(6, 5);
        const auto r = 見た();
        if (e.結果) {
            EXPECT_EQ(r.箱, (箱々{e.結果, "?再ゲーム|続けますか？",
                                  "?" + std::string(未保存_題) + "|" + std::string(未保存_文)}));
        } else {
            EXPECT_EQ(r.箱, 箱々{});
            EXPECT_EQ(form.状態.手番, 後手);
        }
    }
}

}  // namespace
}  // namespace bexoru
