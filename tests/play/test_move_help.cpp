// Move help, move guidance and the level commands.

#include "play/move_help.h"
#include "play_fixture.h"

namespace bexoru {
namespace {

using namespace test;

class MoveHelp : public PlayTest {
protected:
    // The pieces on the board, as (X, Y, code).
    std::vector<std::tuple<int, int, 駒コード>> 盤上() const {
        std::vector<std::tuple<int, int, 駒コード>> out;
        for (int x = 1; x <= 盤サイズ; ++x)
            for (int y = 1; y <= 盤サイズ; ++y)
                if (form.盤面(x, y) != 空) out.emplace_back(x, y, form.盤面(x, y));
        return out;
    }
    using 並び = std::vector<std::tuple<int, int, 駒コード>>;
};

TEST(HelpRow, StepMoversStandInFrontOfTheRestLowerArmyBelow) {
    const std::pair<駒コード, std::optional<int>> rows[] = {
        {-1, 5},
        {-39, 5},
        {-35, 5},
        {-3, 6},
        {-34, 6},
        {-18, 6},
        {3, 7},
        {25, 7},
        {1, 8},
        {38, 8},
        {空, std::nullopt},
        {擬_獅, std::nullopt},
        {-擬_鷲一, std::nullopt},
    };
    for (auto [code, row] : rows) EXPECT_EQ(HLP駒Y座標(code), row) << code;
    for (int c = 1; c <= 最大駒コード; ++c) {
        ASSERT_TRUE(HLP駒Y座標(c) && HLP駒Y座標(-c)) << c;
        EXPECT_EQ(*HLP駒Y座標(c) + *HLP駒Y座標(-c), 13) << c << ": the two armies mirror each other";
    }
}

TEST_F(MoveHelp, ALowerPawnMovesOneSquareAndTheGameComesBack) {
    form.START_Click();
    click(6, 9);
    click(6, 8);
    const 盤面型 game = form.盤面;
    const 対局状態 before = form.状態;
    見た();

    form.IDOU_HLP_Click();
    click(0, 5);  // off the board
    click(6, 7);  // empty
    EXPECT_EQ(見た().箱, 箱々(3, "移動ﾍﾙﾌﾟ|駒をｸﾘｯｸして下さい"));
    click(3, 9);
    EXPECT_EQ(盤上(), (並び{{6, 5, -1}})) << "the pawn alone on its demonstration square";
    EXPECT_EQ(輪郭(form.表示.文字色), (std::vector<桝位置>{{6, 4}})) << "its one move, marked in white";
    見た();
    click(6, 3);
    auto r = 見た();
    EXPECT_EQ(r.箱, 箱々{"移動ﾍﾙﾌﾟ|そこへ移動できません！"});
    EXPECT_EQ(r.音, 音々{"禁止"});
    click(6, 4);
    EXPECT_EQ(盤上(), (並び{{6, 4, -1}}));
    EXPECT_EQ(form.状態.移動ヘルプ, 移動ヘルプ型::移動済);
    EXPECT_EQ(見た().音, 音々{"駒打"});
    click(1, 1);
    EXPECT_EQ(form.状態.移動ヘルプ, 移動ヘルプ型::切);
    EXPECT_EQ(form.盤面, game);
    EXPECT_EQ(port.of(Call::Picture).size(), 144u) << "every square drawn again";
    EXPECT_EQ(form.状態.手番, before.手番);
    EXPECT_EQ(form.記録.記録数, 1);
    見た();
    click(6, 4);
    click(6, 5);
    EXPECT_EQ(form.盤面(6, 5), 1) << "the game goes on";
}

TEST_F(MoveHelp, AnUpperLionOffersASecondStepOnlyAfterAOneSquareStep) {
    struct 例 {
        const char* name;
        std::vector<桝位置> clicks;  // after the Lion
        std::vector<bool> answers;
        移動ヘルプ型 状態;  // the help's state afterwards
        並び pieces;
    };
    const 例 cases[] = {
        {"a two-square jump completes the demonstration", {{8, 9}}, {}, 移動ヘルプ型::移動済, {{8, 9, 34}}},
        {"a step, a second step", {{7, 8}, {8, 9}}, {true}, 移動ヘルプ型::移動済, {{8, 9, 34}}},
        {"a step, pending", {{7, 8}}, {true}, 移動ヘルプ型::移動待ち, {{7, 8, 擬_獅}}},
        {"a step, declined: the help ends", {{7, 8}}, {false}, 移動ヘルプ型::切, {}},
    };
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        form.初期設定();
        const 盤面型 game = form.盤面;
        form.IDOU_HLP_Click();
        click(7, 3);
        ASSERT_EQ(盤上(), (並び{{6, 7, 34}}));
        for (bool a : e.answers) port.answerNext("もう一手移動しますか？", a);
        for (桝位置 s : e.clicks) click(s.X, s.Y);
        EXPECT_EQ(form.状態.移動ヘルプ, e.状態);
        if (e.状態 == 移動ヘルプ型::切) {
            EXPECT_EQ(form.盤面, game);
        } else {
            EXPECT_EQ(盤上(), e.pieces);
        }
        form.IDOU_HLP_Click();  // choosing the help again restores the game and starts over
        EXPECT_EQ(form.盤面, game);
        EXPECT_EQ(form.状態.移動ヘルプ, 移動ヘルプ型::駒待ち);
        form.移動ヘルプ_解除();
        見た();
    }
}

TEST_F(MoveHelp, TheRightButtonPromotesTheDemonstratedPiece) {
    for (int button : {左ボタン, 右ボタン}) {
        form.初期設定();
        form.IDOU_HLP_Click();
        click(4, 12);  // a lower silver, shown on (6, 5)
        click(6, 4, button);
        EXPECT_EQ(form.盤面(6, 4), button == 右ボタン ? -10 : -9);
        form.移動ヘルプ_解除();
        見た();
    }
}

TEST_F(MoveHelp, GuidanceMakesTheMarksVisibleAndTheDoubleMoveSquaresRed) {
    for (bool on : {true, false}) {
        SCOPED_TRACE(on ? "on" : "off");
        form.SIDOU_Click();
        EXPECT_EQ(port.isMenuChecked("SIDOU"), on);
        EXPECT_EQ(form.表示.盤色, on ? 15 : 2);
        盤に置く({{6, 6, -34}, {1, 12, -39}, {2, 12, -1}, {12, 1, 39}, {11, 1, 1}});
        二人で続ける();
        見た();
        click(6, 6);
        EXPECT_EQ(輪郭(15).size(), on ? 24u : 0u) << "the Lion's 24 squares";
        EXPECT_EQ(輪郭(12).size(), on ? 9u : 1u) << "its eight neighbours again, and the selection";
        EXPECT_EQ(輪郭(2).size() >= 144u, true);
    }
}

TEST_F(MoveHelp, LevelCommandsCheckOneItemAndShowTheLevel) {
    form.LEVEL1_Click();
    EXPECT_TRUE(port.isMenuChecked("LEVEL1"));
    EXPECT_FALSE(port.isMenuChecked("LEVEL2"));
    EXPECT_FALSE(port.isMenuChecked("LEVEL3"));
    EXPECT_EQ(form.状態.レベル, 1);
    EXPECT_TRUE(port.printedAt("LEVEL", 座標X(レベル表示X - 1.5), 座標Y(レベル表示Y + 0.1)));
    EXPECT_TRUE(port.printedAt("1", 座標X(レベル表示X), 座標Y(レベル表示Y)));
    port.clear();
    form.LEVEL1_Click();
    EXPECT_TRUE(port.calls.empty()) << "the checked level changes nothing and draws nothing";
    form.LEVEL2_Click();
    EXPECT_EQ(form.状態.レベル, 2);
    EXPECT_FALSE(port.isMenuChecked("LEVEL1"));
    EXPECT_TRUE(port.isMenuChecked("LEVEL2"));
}

}  // namespace
}  // namespace bexoru
