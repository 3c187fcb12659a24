// The 反転 command: the half turn with every code negated, its refusals, and
// what it does to the turn, the move log and the handicap grade.

#include "board/starting_position.h"
#include "play/play_fixture.h"
#include "board/reversal.h"

namespace bexoru {
namespace {

using namespace test;

class Reversal : public PlayTest {};

TEST_F(Reversal, EverySquareGoesToItsMirrorWithTheOtherSign) {
    // A different code on nearly every square, both signs, a few empty squares.
    盤面型 before;
    for (int X = 1; X <= 12; ++X)
        for (int Y = 1; Y <= 12; ++Y)
            before(X, Y) = (X * 7 + Y * 3) % 11 == 0 ? 空 : ((X + Y) % 2 ? 1 : -1) * (1 + (X * 12 + Y) % 39);
    form.盤面 = before;
    form.REVERSE_Click();
    for (int X = 1; X <= 12; ++X)
        for (int Y = 1; Y <= 12; ++Y)
            ASSERT_EQ(form.盤面(X, Y), -before(13 - X, 13 - Y)) << "square (" << X << ", " << Y << ")";
    EXPECT_EQ(form.盤面.at(0, 0), 空);

    form.REVERSE_Click();
    EXPECT_EQ(form.盤面, before) << "twice gives the position back";
}

TEST_F(Reversal, TheStartingPositionStaysAndTheTurnChangesSign) {
    form.START_Click();
    form.状態.クリック段階 = クリック段階型::行き先選択;
    見た();
    form.REVERSE_Click();
    盤面型 start;
    初期配置(start);
    EXPECT_EQ(form.盤面, start);
    EXPECT_EQ(form.状態.手番, 後手);
    EXPECT_EQ(form.状態.MAN側, 先手) << "the roles keep their tokens";
    EXPECT_EQ(form.状態.クリック段階, クリック段階型::駒選択);
    EXPECT_TRUE(form.状態.反転済);
    const 反応 r = 見た();
    EXPECT_TRUE(r.箱.empty());
    EXPECT_EQ(r.音, (音々{"駒打", "駒打"}));
}

TEST_F(Reversal, TheMoveLogIsCleared) {
    for (int i = 0; i <= 記録最大; ++i) {
        form.記録.手[i].移動元X = 3;
        form.記録.手[i].移動先Y = 4;
        form.記録.手[i].移動駒 = -5;
        form.記録.手[i].成駒 = -6;
        form.記録.手[i].取駒 = 7;
    }
    form.記録.記録数 = 3;
    form.記録.記録終端 = 5;
    form.状態.手数 = 3;
    form.REVERSE_Click();
    EXPECT_EQ(form.記録.記録数, 0);
    EXPECT_EQ(form.記録.記録終端, 0);
    for (int i : {0, 1, 5, 記録最大}) {
        EXPECT_EQ(form.記録.手[i].移動駒, 0);
        EXPECT_EQ(form.記録.手[i].成駒, 0);
        EXPECT_EQ(form.記録.手[i].取駒, 0);
        EXPECT_EQ(form.記録.手[i].移動元X, 3) << "the squares are left";
    }
    EXPECT_EQ(form.状態.手数, 3) << "the move number stays";
}

TEST_F(Reversal, RefusedDuringARecordAndASecondStep) {
    struct Case {
        const char* name;
        bool 再生中;
        二手目状態型 二手目状態;
        const char* message;
    };
    const Case cases[] = {
        {"a loaded record", true, 二手目状態型::一手目, "反転|棋譜ﾓｰﾄﾞではできません"},
        {"a pending second step", false, 二手目状態型::二手目, "反転|2手目移動中はできません！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.初期設定();
        form.盤面(6, 6) = -34;
        form.状態.再生中 = c.再生中;
        form.状態.二手目状態 = c.二手目状態;
        form.記録.記録数 = 2;
        const 盤面型 before = form.盤面;
        見た();
        form.REVERSE_Click();
        const 反応 r = 見た();
        EXPECT_EQ(r.箱, 箱々{c.message});
        EXPECT_EQ(r.音, 音々{"禁止"});
        EXPECT_EQ(form.盤面, before);
        EXPECT_EQ(form.記録.記録数, 2);
        EXPECT_FALSE(form.状態.反転済);
    }
}

TEST_F(Reversal, AHandicapGradeFollowsItsArmy) {
    form.LBEL_UP_Click();
    form.LBEL_UP_Click();
    見た();
    form.REVERSE_Click();
    EXPECT_EQ(form.状態.ハンデレベル, -2);
    EXPECT_TRUE(port.printedAt("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", 座標X(14) + 120, 座標Y(2) + 160));
    EXPECT_EQ(form.盤面(6, 11), 空) << "the upper army's missing Kirin is now the lower army's";
    EXPECT_EQ(form.盤面(7, 11), 空);
}

TEST_F(Reversal, TheCaptionsOfTheGameStayAfterTheRedraw) {
    // The redraw clears the side panel; the captions of the running game
    // come back, each over its shadow, and a board with no game gets none.
    form.SENTE_Click();
    見た();
    form.REVERSE_Click();
    EXPECT_TRUE(port.printedAt("LEVEL", 座標X(レベル表示X - 1.5), 座標Y(レベル表示Y + 0.1)));
    EXPECT_TRUE(port.printedAt("COM:", 座標X(14), 座標Y(5.05)));
    EXPECT_TRUE(port.printedAt("MAN:", 座標X(14.1), 座標Y(6.15)));

    form.CANCEL_Click();
    form.START_Click();
    見た();
    form.REVERSE_Click();
    EXPECT_TRUE(port.printedAt("後手:", 座標X(14), 座標Y(5.08)));
    EXPECT_TRUE(port.printedAt("先手:", 座標X(14), 座標Y(6.08)));

    form.初期設定();
    見た();
    form.REVERSE_Click();
    EXPECT_FALSE(port.printedAt("後手:", 座標X(14), 座標Y(5.08)));
    EXPECT_FALSE(port.printedAt("LEVEL", 座標X(レベル表示X - 1.5), 座標Y(レベル表示Y + 0.1)));
}

}  // namespace
}  // namespace bexoru
