// The commands that start a game on the position that stands, set the sides
// and the turn, go back to the starting position and end the program.

#include "board/starting_position.h"
#include "play_fixture.h"

namespace bexoru {
namespace {

using namespace test;

class GameCommands : public PlayTest {
protected:
    // The side labels printed at column 14 (with their shadows), top to bottom.
    std::vector<std::string> 名札(int size) const {
        std::vector<std::string> out;
        for (const Call& c : port.of(Call::Text))
            if (c.size == size && c.y >= 座標Y(5) && (c.x == 座標X(14) || c.x == 座標X(14.1))) out.push_back(c.name);
        return out;
    }
    // A game against the computer that has run two moves and waits for the given side.
    void 対局中(int MAN側, int 手番) {
        form.状態.対局モード = 対局_COM;
        form.状態.MAN側 = MAN側;
        form.状態.COM側 = -MAN側;
        form.状態.手番 = 手番;
        form.状態.手数 = 2;
        form.記録.記録数 = 3;    // one of the moves was a Lion's double move
        form.記録.記録終端 = 5;  // and two more entries were taken back
    }
};

TEST_F(GameCommands, StartOnAFreshBoardLetsTheLowerArmyBegin) {
    form.START_Click();
    EXPECT_EQ(名札(11), (std::vector<std::string>{"後手:", "後手:", "先手:", "先手:"}));
    EXPECT_TRUE(port.printedAt("後手:", 座標X(14), 座標Y(5.08)));
    EXPECT_TRUE(port.printedAt("先手:", 座標X(14), 座標Y(6.08)));
    EXPECT_EQ(見た().箱, 箱々{" |先手の番です"});
    EXPECT_EQ(form.状態.対局モード, 対局_MAN対MAN);
    EXPECT_EQ(form.状態.MAN側, 先手);
    EXPECT_EQ(form.状態.COM側, 後手);
    EXPECT_EQ(form.状態.手番, 先手);
}

TEST_F(GameCommands, StartGoesOnFromTheBoardWithTheLabelsOfThatGame) {
    // The computer opened this game: its pawn moved first.
    form.COM手番.代役 = [this] {
        form.盤面(1, 5) = form.盤面(1, 4);
        form.盤面(1, 4) = 空;
        ++form.記録.記録数;
        ++form.状態.手数;
        form.状態.手番 = form.状態.MAN側;
    };
    form.GOTE_Click();
    見た();
    form.START_Click();
    const auto labels = 名札(11);
    ASSERT_EQ(labels.size(), 8u);
    EXPECT_EQ(std::vector<std::string>(labels.begin() + 4, labels.end()),
              (std::vector<std::string>{"先手:", "先手:", "後手:", "後手:"}))
        << "rewritten with 先手 beside the upper army";
    EXPECT_TRUE(port.printedAt("先手:", 座標X(14), 座標Y(5.08)));
    EXPECT_EQ(見た().箱, 箱々{" |後手の番です"});
    EXPECT_EQ(form.状態.MAN側, 後手);
    EXPECT_EQ(form.状態.手番, 後手);
    EXPECT_EQ(form.状態.対局モード, 対局_MAN対MAN);

    // A two-person game after the lower army's first move: the upper army's turn.
    form.初期設定();
    form.START_Click();
    click(6, 9);
    click(6, 8);
    見た();
    form.START_Click();
    EXPECT_EQ(名札(11), (std::vector<std::string>{"後手:", "後手:", "先手:", "先手:"}));
    EXPECT_EQ(見た().箱, 箱々{" |後手の番です"});
}

TEST_F(GameCommands, SenteAndGoteSetTheSidesOrHandTheComputerItsTurn) {
    struct 例 {
        const char* name;
        bool 後手番;      // GOTE, else SENTE
        int MAN側, 手番;  // of a running game; 未対局: a fresh board
        int 期待MAN側, 期待手番;
        箱々 箱;
        int com_ban;
    };
    const 例 cases[] = {
        {"SENTE on a fresh board", false, 未対局, 未対局, 先手, 先手, {" |MANの番です"}, 0},
        {"GOTE on a fresh board", true, 未対局, 未対局, 後手, 先手, {}, 1},
        {"SENTE on the person's turn", false, 後手, 後手, 先手, 先手, {"対局|MANの番です"}, 0},
        {"GOTE on the person's turn", true, 後手, 後手, 先手, 先手, {"対局|MANの番です"}, 0},
        {"SENTE on the computer's turn", false, 先手, 後手, 先手, 後手, {}, 1},
        {"GOTE on the computer's turn", true, 後手, 先手, 後手, 先手, {}, 1},
    };
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        form.初期設定();
        if (e.手番 != 未対局) 対局中(e.MAN側, e.手番);
        form.状態.クリック段階 = クリック段階型::行き先選択;
        form.COM手番.回数 = 0;
        見た();
        e.後手番 ? form.GOTE_Click() : form.SENTE_Click();
        EXPECT_TRUE(port.printedAt("COM:", 座標X(14), 座標Y(5.05)));
        EXPECT_TRUE(port.printedAt("MAN:", 座標X(14), 座標Y(6.05)));
        EXPECT_EQ(名札(10).size(), 4u);
        EXPECT_TRUE(port.printedAt("3", 座標X(レベル表示X), 座標Y(レベル表示Y))) << "the level is shown";
        EXPECT_EQ(見た().箱, e.箱);
        EXPECT_EQ(form.COM手番.回数, e.com_ban);
        EXPECT_EQ(form.状態.MAN側, e.期待MAN側);
        EXPECT_EQ(form.状態.COM側, -e.期待MAN側);
        EXPECT_EQ(form.状態.手番, e.期待手番);
        EXPECT_EQ(form.状態.対局モード, 対局_COM);
        EXPECT_EQ(form.状態.クリック段階, クリック段階型::駒選択);
        EXPECT_EQ(form.記録.記録終端, form.記録.記録数) << "later moves overwrite the log from the board's position";
    }
}

TEST_F(GameCommands, StartCommandsBringTheGamePositionBackFromMoveHelp) {
    for (auto command : {&Form1::START_Click, &Form1::SENTE_Click, &Form1::GOTE_Click}) {
        form.初期設定();
        form.盤面(6, 9) = 空;
        const 盤面型 game = form.盤面;
        form.IDOU_HLP_Click();
        click(6, 10);
        ASSERT_NE(form.盤面, game);
        (form.*command)();
        EXPECT_EQ(form.状態.移動ヘルプ, 移動ヘルプ型::切);
        EXPECT_EQ(form.盤面, game);
        見た();
    }
}

TEST_F(GameCommands, CancelGivesAFreshBoardEvenDuringASecondStep) {
    form.START_Click();
    form.盤面(6, 9) = 空;
    port.answerNext("もう一手移動しますか？", true);
    click(6, 10);
    click(6, 9);
    ASSERT_EQ(form.状態.二手目状態, 二手目状態型::二手目);
    見た();
    port.answerNext(std::string(未保存_文), true);
    form.CANCEL_Click();
    盤面型 start;
    初期配置(start);
    EXPECT_EQ(form.盤面, start);
    EXPECT_EQ(form.状態.手番, 未対局);
    EXPECT_EQ(form.状態.二手目状態, 二手目状態型::一手目) << "nothing is left pending on the fresh board";
    EXPECT_EQ(form.記録.記録数, 0);
    EXPECT_EQ(見た().音, 音々{"駒打"});
}

TEST_F(GameCommands, SenteOrGoteDuringASecondStepHandTheComputerANormalTurn) {
    // Two people: the upper Lion has stepped and a second step is pending when
    // the player switches to a game against the computer, whose turn it is.
    for (auto command : {&Form1::SENTE_Click, &Form1::GOTE_Click}) {
        盤に置く({{6, 6, 34}, {1, 12, -39}, {2, 12, -1}, {12, 1, 39}, {11, 1, 1}});
        二人で続ける(後手);
        port.answerNext("もう一手移動しますか？", true);
        click(6, 6);
        click(6, 7);
        ASSERT_EQ(form.状態.二手目状態, 二手目状態型::二手目);
        二手目状態型 探索時の二手目状態{};
        form.COM手番.回数 = 0;
        form.COM手番.代役 = [&] { 探索時の二手目状態 = form.状態.二手目状態; };
        (form.*command)();
        EXPECT_EQ(form.COM手番.回数, 1);
        EXPECT_EQ(探索時の二手目状態, 二手目状態型::一手目)
            << "a pending step would give the computer's Lions a King's move";
        EXPECT_EQ(form.状態.クリック段階, クリック段階型::駒選択);
        見た();
    }
}

TEST_F(GameCommands, OpeningATopMenuOnlyHidesTheRecordPanel) {
    for (auto command : {&Form1::TAIKYOKU_Click, &Form1::STOP_Click, &Form1::OPTION_Click}) {
        for (PanelControl c : {PanelControl::Drive1, PanelControl::Text1}) port.panelVisible[c] = true;
        (form.*command)();
        EXPECT_FALSE(port.shown(PanelControl::Drive1));
        EXPECT_FALSE(port.shown(PanelControl::Text1));
        for (const Call& c : port.calls) EXPECT_TRUE(c.kind == Call::Panel || c.kind == Call::ClearName);
        port.clear();
    }
    form.OWARI_Click();
    EXPECT_TRUE(port.quitCalled());
    EXPECT_EQ(sound.calls.back(), "dsTerminate(1)");
}

}  // namespace
}  // namespace bexoru
