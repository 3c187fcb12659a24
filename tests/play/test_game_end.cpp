// Announcing the result.

#include "play_fixture.h"

namespace bexoru {
namespace {

using namespace test;

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
