// The △ and ▽ commands: which piece each click takes off or puts back, the
// grade shown, the limits and the refusals.

#include <array>
#include <cstdlib>
#include <functional>

#include "board/starting_position.h"
#include "play/play_fixture.h"
#include "board/handicap.h"

namespace bexoru {
namespace {

using namespace test;

class Handicap : public PlayTest {
protected:
    // The grade captions printed since the last look (main copies, not shadows).
    std::vector<std::string> 段級() const {
        std::vector<std::string> out;
        for (const Call& c : port.of(Call::Text))
            if (c.colour == form.表示.文字色 && c.size == 10 && c.name != "手目") out.push_back(c.name);
        return out;
    }
    盤面型 start() const {
        盤面型 b;
        初期配置(b);
        return b;
    }
};

TEST_F(Handicap, EachClickTakesOffTheNextPieceAndShowsTheGrade) {
    struct Step {
        int X, Y;
        const char* grade;
    };
    struct Case {
        const char* name;
        void (Form1::*away)();  // the button that gives the handicap
        void (Form1::*back)();
        std::array<Step, 4> steps;  // Kirin, Phoenix, Lion, Queen
    };
    const Case cases[] = {
        {"△: the upper army",
         &Form1::LBEL_UP_Click,
         &Form1::LEBEL_DOWN_Click,
         {{{7, 2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"},
           {6, 2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"},
           {7, 3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"},
           {6, 3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"}}}},
        {"▽: the lower army",
         &Form1::LEBEL_DOWN_Click,
         &Form1::LBEL_UP_Click,
         {{{6, 11, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"},
           {7, 11, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"},
           {6, 10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"},
           {7, 10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.初期設定();
        見た();
        盤面型 expected = start();
        for (const Step& s : c.steps) {
            (form.*c.away)();
            expected(s.X, s.Y) = 空;
            EXPECT_EQ(form.盤面, expected) << "only (" << s.X << ", " << s.Y << ") is emptied";
            EXPECT_EQ(段級(), std::vector<std::string>{s.grade});
            const 反応 r = 見た();
            EXPECT_EQ(r.音, 音々{"駒打"});
            EXPECT_TRUE(r.箱.empty());
        }
        // The limit: the sound alone.
        (form.*c.away)();
        EXPECT_EQ(form.盤面, expected);
        EXPECT_TRUE(段級().empty());
        EXPECT_EQ(見た().音, 音々{"禁止"});
        EXPECT_EQ(std::abs(form.状態.ハンデレベル), 4);

        // The other button puts the pieces back, last removed first.
        std::vector<std::string> grades;
        for (auto s = c.steps.rbegin(); s != c.steps.rend(); ++s) {
            (form.*c.back)();
            expected(s->X, s->Y) = start()(s->X, s->Y);
            EXPECT_EQ(form.盤面, expected);
            for (const std::string& g : 段級()) grades.push_back(g);
            EXPECT_EQ(見た().音, 音々{"駒打"});
        }
        EXPECT_EQ(form.盤面, start());
        EXPECT_EQ(form.状態.ハンデレベル, 0);
        ASSERT_EQ(grades.size(), 4u);
        EXPECT_EQ(grades.back(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
        EXPECT_TRUE(form.状態.ハンデ済) << "set once a click was taken, even back at 0";
    }
}

TEST_F(Handicap, TheGradeIsDrawnWithItsShadowOverAClearedBox) {
    form.LBEL_UP_Click();
    form.LEBEL_DOWN_Click();
    ASSERT_FALSE(port.of(Call::Fill).empty());
    const Call box = port.of(Call::Fill).back();  // a copy: of() returns a new vector
    EXPECT_EQ(box.x, 座標X(14));
    EXPECT_EQ(box.y, 座標Y(2));
    EXPECT_EQ(box.w, 2200);
    EXPECT_EQ(box.h, 560);
    EXPECT_EQ(box.colour, form.表示.背景色);
    EXPECT_TRUE(port.printedAt("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", 座標X(14) + 120, 座標Y(2) + 160));
    EXPECT_TRUE(port.printedAt("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", 座標X(14.1) + 120, 座標Y(2.1) + 160));
}

TEST_F(Handicap, RefusedOutsideAFreshBoard) {
    struct Case {
        const char* name;
        std::function<void(Form1&)> setUp;
        const char* message;
    };
    const Case cases[] = {
        {"a loaded record, also with moves made",
         [](Form1& f) {
             f.状態.再生中 = true;
             f.記録.記録数 = 2;
         },
         "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定|棋譜ﾓｰﾄﾞではできません(局面→最初)"},
        {"moves made", [](Form1& f) { f.記録.記録数 = 1; }, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定|対局途中ではできません"},
        {"a game started, no move yet", [](Form1& f) { f.START_Click(); },
         "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定|'局面 '→ '最初 'にして下さい"},
        {"the board reversed", [](Form1& f) { f.REVERSE_Click(); }, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定|'局面 '→ '最初 'にして下さい"},
    };
    for (const Case& c : cases) {
        for (void (Form1::*button)() : {&Form1::LBEL_UP_Click, &Form1::LEBEL_DOWN_Click}) {
            SCOPED_TRACE(c.name);
            form.初期設定();
            c.setUp(form);
            const 盤面型 before = form.盤面;
            見た();
            (form.*button)();
            const 反応 r = 見た();
            EXPECT_EQ(r.箱, 箱々{c.message});
            EXPECT_EQ(r.音, 音々{"禁止"});
            EXPECT_EQ(form.盤面, before);
            EXPECT_EQ(form.状態.ハンデレベル, 0);
            EXPECT_FALSE(form.状態.ハンデ済);
        }
    }
}

}  // namespace
}  // namespace bexoru
