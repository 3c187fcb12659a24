// The Lion-capture rules as the mouse handler applies them, with their
// messages: no recapture right after one's own Lion was taken, and no Lion
// taking a defended Lion except over a bridge.

#include "play_fixture.h"

namespace bexoru {
namespace {

using namespace test;

class LionCapture : public PlayTest {};

const std::string 先獅子 = "禁手：先獅子(せんしし)|すぐに獅子を取り返せません";
const std::string 足あり = "禁手|相手の獅子に足があります\r\n獅子を獅子で取れません";
const std::string 付け食い = "禁手|付け食いが歩兵、仲人の為\r\n獅子で獅子を取れません";

TEST_F(LionCapture, EachRuleRefusesWithItsMessageOrLetsTheCaptureBe) {
    struct 例 {
        const char* name;
        std::vector<置駒> 駒々;   // besides both Kings and a pawn each
        int 記録数;               // the log's last entry...
        駒コード 取駒, 前の成駒;  // ...captured 取駒; the entry before moved 前の成駒
        int 手番;
        std::vector<桝位置> clicks;
        std::vector<bool> answers;
        std::string 禁;  // empty: the last click captures the Lion
    };
    // clang-format off
    const 例 cases[] = {
        {"own Lion just taken: no taking theirs",
         {{6, 6, 34}, {6, 7, -13}}, 2, -34, 13, 先手, {{6, 7}, {6, 6}}, {}, 先獅子},
        {"either code of one's own Lion counts",
         {{6, 6, 33}, {6, 7, -13}}, 2, -34, 13, 先手, {{6, 7}, {6, 6}}, {}, 先獅子},
        {"the upper army likewise",
         {{6, 6, -34}, {6, 5, 13}}, 2, 33, -13, 後手, {{6, 5}, {6, 6}}, {}, 先獅子},
        {"the Lion that took ours as its second step may be taken",
         {{6, 6, 34}, {6, 7, -13}}, 2, -34, 34, 先手, {{6, 7}, {6, 6}}, {}, ""},
        {"after a declined second step the capturing Lion is the logged capture: it may be retaken",
         {{6, 6, -34}, {6, 3, 15}}, 2, -34, -34, 後手, {{6, 3}, {6, 6}}, {}, ""},
        {"with an empty log there is nothing to look back on",
         {{6, 6, 34}, {6, 7, -13}}, 0, 空, 空, 先手, {{6, 7}, {6, 6}}, {}, ""},
        {"a defended Lion, two squares away",
         {{6, 6, 34}, {5, 6, 13}, {6, 8, -34}}, 0, 空, 空, 先手, {{6, 8}, {6, 6}}, {}, 足あり},
        {"a defended Lion, adjacent",
         {{6, 6, 34}, {5, 6, 13}, {6, 7, -34}}, 0, 空, 空, 先手, {{6, 7}, {6, 6}}, {}, 足あり},
        {"an undefended Lion, two squares away",
         {{6, 6, 34}, {6, 8, -34}}, 0, 空, 空, 先手, {{6, 8}, {6, 6}}, {}, ""},
        {"a bridge over a silver onto a defended Lion",
         {{6, 6, 34}, {5, 6, 13}, {6, 7, 9}, {6, 8, -34}}, 0, 空, 空, 先手, {{6, 8}, {6, 7}, {6, 6}}, {true}, ""},
        {"first step onto a pawn",
         {{6, 6, 34}, {5, 6, 13}, {6, 7, 1}, {6, 8, -34}}, 0, 空, 空, 先手, {{6, 8}, {6, 7}, {6, 6}}, {true}, 付け食い},
        {"first step onto a Go-between",
         {{6, 6, 34}, {5, 6, 13}, {6, 7, 35}, {6, 8, -34}}, 0, 空, 空, 先手, {{6, 8}, {6, 7}, {6, 6}}, {true}, 付け食い},
        {"first step onto a pawn, the Lion undefended",
         {{6, 6, 34}, {6, 7, 1}, {6, 8, -34}}, 0, 空, 空, 先手, {{6, 8}, {6, 7}, {6, 6}}, {true}, ""},
        {"first step onto an empty square",
         {{6, 6, 34}, {5, 6, 13}, {6, 8, -34}}, 0, 空, 空, 先手, {{6, 8}, {7, 7}, {6, 6}}, {true}, 足あり},
    };
    // clang-format on
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        盤に置く({{1, 12, -39}, {2, 12, -1}, {12, 1, 39}, {11, 1, 1}});
        for (const 置駒& p : e.駒々) form.盤面(p.X, p.Y) = p.c;
        二人で続ける(e.手番);
        form.記録.記録数 = e.記録数;
        form.記録.記録終端 = e.記録数;
        if (e.記録数 >= 1) {
            form.記録.手[static_cast<std::size_t>(e.記録数)].取駒 = e.取駒;
            form.記録.手[static_cast<std::size_t>(e.記録数 - 1)].成駒 = e.前の成駒;
        }
        for (bool a : e.answers) port.answerNext("もう一手移動しますか？", a);
        const 桝位置 最後 = e.clicks.back();
        const 駒コード 獅子 = form.盤面(最後.X, 最後.Y);
        for (桝位置 s : e.clicks) click(s.X, s.Y);
        auto r = 見た();
        if (!e.answers.empty()) {
            ASSERT_EQ(r.箱.front(), "?２手移動|もう一手移動しますか？");
            r.箱.erase(r.箱.begin());
        }
        if (e.禁.empty()) {
            EXPECT_EQ(r.箱, 箱々{});
            EXPECT_NE(form.盤面(最後.X, 最後.Y), 獅子) << "the Lion was taken";
            EXPECT_EQ(form.状態.手番, -e.手番);
        } else {
            EXPECT_EQ(r.箱, 箱々{e.禁});
            EXPECT_EQ(r.音.back(), "禁止");
            EXPECT_EQ(form.盤面(最後.X, 最後.Y), 獅子);
            EXPECT_EQ(form.状態.クリック段階, クリック段階型::行き先選択) << "the selection stays";
            EXPECT_EQ(form.状態.手番, e.手番);
        }
    }
}

}  // namespace
}  // namespace bexoru
