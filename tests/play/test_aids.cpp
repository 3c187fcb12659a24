// The player's aids handed to the window after each event: the army to move,
// the last move's squares (both steps of a double move), the picked piece,
// the status line of a refused click, and both squares of a double move.

#include "play/play_fixture.h"

namespace bexoru {
namespace {

using namespace test;
using 桝々 = std::vector<std::pair<int, int>>;

class Aids : public PlayTest {
protected:
    const 補助表示& 更新() {
        form.補助表示を更新();
        return port.aids;
    }
};

TEST_F(Aids, TheTurnMarkerAndTheLastMoveFollowAPersonsMoves) {
    EXPECT_EQ(更新().手番軍, 0) << "no game yet";
    EXPECT_EQ(port.aids.状態行, "");

    form.START_Click();
    EXPECT_EQ(更新().手番軍, -1) << "the lower army starts";
    EXPECT_EQ(port.aids.状態行, "先手の番です");
    EXPECT_TRUE(port.aids.最終手.empty());

    click(1, 9);  // the lower army's pawn
    EXPECT_EQ(更新().選択X, 1);
    EXPECT_EQ(port.aids.選択Y, 9);
    click(1, 8);
    更新();
    EXPECT_EQ(port.aids.手番軍, 1);
    EXPECT_EQ(port.aids.状態行, "後手の番です");
    EXPECT_EQ(port.aids.最終手, (桝々{{1, 9}, {1, 8}}));
    EXPECT_EQ(port.aids.選択X, 0) << "nothing picked after the move";

    form.REPLAY_Click();
    EXPECT_EQ(更新().手番軍, -1) << "a step back gives the turn back";
    EXPECT_TRUE(port.aids.最終手.empty());

    port.answerNext("保存されていない対局があります。破棄しますか？", true);
    form.CANCEL_Click();
    form.SENTE_Click();
    見た();
    EXPECT_EQ(更新().状態行, "MANの番です");
}

TEST_F(Aids, RefusedClicksSayWhy) {
    form.START_Click();
    click(1, 4);  // the upper army's pawn while the lower army moves
    EXPECT_EQ(更新().状態行, "相手の駒です");
    EXPECT_EQ(port.aids.選択X, 0);

    click(1, 9);
    click(1, 6);  // a pawn does not go three squares
    EXPECT_EQ(更新().状態行, "そこへは動けません");
    click(1, 8);
    EXPECT_EQ(更新().状態行, "後手の番です") << "a move clears the line";

    form.REVERSE_Click();
    form.状態.二手目状態 = 二手目状態型::二手目;
    form.REVERSE_Click();
    見た();
    EXPECT_EQ(更新().状態行, "2手目移動中はできません！") << "a refusal's message stays on the line";
}

TEST_F(Aids, ADoubleMoveTintsBothStepsAndNamesWhereThePieceEnded) {
    盤に置く({{5, 5, 駒::獅子}, {6, 10, -駒::獅子}});
    二人で続ける();
    // The upper Lion: 6七 → 6六 → 5五, as the computer plays a double move.
    auto 記す = [&](int n, 指し手 手) { form.記録.手[static_cast<std::size_t>(n)] = 手; };
    記す(1, {6, 7, 6, 6, 駒::獅子, 駒::獅子, 空});
    記す(2, {6, 6, 5, 5, 駒::獅子, 駒::獅子, 空});
    form.記録.記録数 = form.記録.記録終端 = 2;
    更新();
    EXPECT_EQ(port.aids.最終手, (桝々{{6, 7}, {6, 6}, {5, 5}}));
    EXPECT_EQ(port.aids.上の二手, "７六獅→８五");
    EXPECT_EQ(port.aids.下の二手, "");

    // The lower army answers with a plain move: the tint moves to it, the
    // upper army's double move is still named under its last-move text.
    記す(3, {6, 10, 6, 9, -駒::獅子, -駒::獅子, 空});
    form.記録.記録数 = form.記録.記録終端 = 3;
    更新();
    EXPECT_EQ(port.aids.最終手, (桝々{{6, 10}, {6, 9}}));
    EXPECT_EQ(port.aids.上の二手, "７六獅→８五");

    // A second step declined logs the first step twice: no second square.
    記す(4, {5, 5, 5, 6, 駒::獅子, 駒::獅子, 空});
    記す(5, {5, 5, 5, 6, 駒::獅子, 駒::獅子, 駒::獅子});
    form.記録.記録数 = form.記録.記録終端 = 5;
    更新();
    EXPECT_EQ(port.aids.最終手, (桝々{{5, 5}, {5, 6}}));
    EXPECT_EQ(port.aids.上の二手, "");
}

}  // namespace
}  // namespace bexoru
