// Games against the computer through the window's own entry points: the
// computer really searches and plays here.

#include "play_fixture.h"

#include "board/starting_position.h"

namespace bexoru::test {
namespace {

class AgainstComputer : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        form.COM手番.代役 = nullptr;  // the real computer
    }
    // How many squares differ from the starting position.
    int 初期配置との差() const {
        盤面型 start;
        初期配置(start);
        int n = 0;
        for (int X = 1; X <= 12; ++X)
            for (int Y = 1; Y <= 12; ++Y) n += form.盤面(X, Y) != start(X, Y);
        return n;
    }
};

TEST_F(AgainstComputer, GoteLetsTheComputerOpenAndHandsTheTurnBack) {
    form.GOTE_Click();
    EXPECT_EQ(form.状態.MAN側, 後手);
    EXPECT_EQ(form.状態.COM側, 先手);
    EXPECT_EQ(form.状態.手番, form.状態.MAN側) << "the person moves next";
    EXPECT_EQ(form.状態.手数, 1);
    ASSERT_EQ(form.記録.記録数, 1);
    const int 駒 = form.記録.手[1].移動駒;
    EXPECT_GT(駒, 0) << "the computer plays the upper army";
    EXPECT_EQ(form.盤面(form.記録.手[1].移動先X, form.記録.手[1].移動先Y), form.記録.手[1].成駒);
    EXPECT_EQ(form.盤面(form.記録.手[1].移動元X, form.記録.手[1].移動元Y), 空);
    EXPECT_EQ(初期配置との差(), 2);
    EXPECT_TRUE(port.printedAt(" 思考中", 座標X(15.3), 座標Y(5))) << "the thinking notice shows during the search";
    const 反応 r = 見た();
    EXPECT_EQ(r.音, 音々{"駒打"});
}

TEST_F(AgainstComputer, ThePersonMovesAndTheComputerAnswersInTheSameClick) {
    form.SENTE_Click();
    EXPECT_EQ(見た().箱, 箱々{" |MANの番です"});
    click(6, 9);  // the lower pawn in front of the King's file
    click(6, 8);
    EXPECT_EQ(form.状態.手数, 2) << "one move each";
    EXPECT_EQ(form.記録.記録数, 2);
    EXPECT_LT(form.記録.手[1].移動駒, 0);
    EXPECT_GT(form.記録.手[2].移動駒, 0);
    EXPECT_EQ(form.状態.手番, form.状態.MAN側);
    EXPECT_EQ(初期配置との差(), 4);
}

TEST_F(AgainstComputer, TheComputerTakesAHangingKingAndWins) {
    // The person's King stands in the open file of a computer rook; two pawns
    // stay with it, so taking the King is not a bare-army ending.
    盤に置く({{6, 12, -39}, {1, 12, -1}, {2, 12, -1}, {6, 1, 15}, {12, 1, 39}, {1, 1, 1}});
    form.SENTE_Click();
    見た();
    port.answerNext("続けますか？", false);
    port.answerNext(std::string(未保存_文), true);
    click(1, 12);  // a pawn move that leaves the King hanging
    click(1, 11);
    EXPECT_EQ(form.盤面(6, 12), 15) << "the rook took the King";
    EXPECT_TRUE(port.quitCalled()) << "no new game: the program ends";
    const 反応 r = 見た();
    EXPECT_EQ(r.箱, (箱々{"終了|ｺﾝﾋﾟｭｰﾀの勝ちです", "?再ゲーム|続けますか？",
                          "?" + std::string(未保存_題) + "|" + std::string(未保存_文)}))
        << "the game was never saved";
}

TEST_F(AgainstComputer, TakingTheKingOfAnArmyLeftWithOnePieceIsABareArmyDraw) {
    // The bare-army test comes before the royal capture.
    盤に置く({{6, 12, -39}, {1, 12, -1}, {6, 1, 15}, {12, 1, 39}, {1, 1, 1}});
    form.SENTE_Click();
    見た();
    port.answerNext("続けますか？", true);
    click(1, 12);
    click(1, 11);
    EXPECT_EQ(見た().箱, (箱々{"終局|駒枯れになりました", "終了|引き分けです", "?再ゲーム|続けますか？"}));
    EXPECT_EQ(form.状態.手番, 未対局) << "a new game was chosen: a fresh board";
}

}  // namespace
}  // namespace bexoru::test
