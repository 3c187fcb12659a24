// Counting the armies and announcing the result.

#include "board/starting_position.h"
#include "play/game_end.h"
#include "play_fixture.h"

namespace bexoru {
namespace {

using namespace test;

TEST(PieceCount, CountsEachArmyRoyalPiecesIncluded) {
    盤面型 b;
    初期配置(b);
    int man = -1, com = -1;
    調査_駒数(b, man, com);
    EXPECT_EQ(man, 46);
    EXPECT_EQ(com, 46);
    b = 盤面型{};
    b(1, 1) = 39;
    b(12, 12) = -38;
    b(6, 6) = -1;
    調査_駒数(b, man, com);
    EXPECT_EQ(man, 2);
    EXPECT_EQ(com, 1);
}

class GameEnd : public PlayTest {};

TEST_F(GameEnd, TheResultIsAnnouncedAndANewGameOffered) {
    struct 例 {
        const char* 結果;
        const char* 文;
    };
    bool 前の対局あり = false;
    for (const 例& e :
         {例{"引き分け", "引き分けです"}, 例{"あなた", "あなたの勝ちです"}, 例{"ｺﾝﾋﾟｭｰﾀ", "ｺﾝﾋﾟｭｰﾀの勝ちです"}}) {
        // The game before, never saved, is let go when the next one starts.
        if (前の対局あり) port.answerNext(std::string(未保存_文), true);
        前の対局あり = true;
        form.START_Click();
        click(6, 9);
        click(6, 8);
        見た();
        port.answerNext("続けますか？", true);
        form.終了(e.結果);
        EXPECT_EQ(見た().箱, (箱々{std::string("終了|") + e.文, "?再ゲーム|続けますか？"}));
        EXPECT_EQ(form.状態.手番, 未対局);
        EXPECT_EQ(form.記録.記録数, 0);
        EXPECT_EQ(form.盤面(6, 9), -1) << "the starting position again";
    }
}

}  // namespace
}  // namespace bexoru
