// The game clocks: the time used by each army, Japanese byoyomi, the flag
// fall that ends a game for either army, the computer's budget cut to what
// its clock leaves, stepping through the log with the clocks stopped, the
// settings key and the texts the side panel shows. The fake clock barely
// moves unless a test moves it.

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <sstream>

#include "engine/search.h"
#include "play/com_turn.h"
#include "play/game_clock.h"
#include "play/play_fixture.h"
#include "play/search_levels.h"
#include "settings/settings_file.h"

namespace bexoru::test {
namespace {

// --- The clock on its own -------------------------------------------------

TEST(GameClock, TimeIsChargedToTheThinkingArmyOnlyAndPausesKeepIt) {
    対局時計 c;
    c.新規({});
    c.動かす(-1, 10);
    EXPECT_DOUBLE_EQ(c.消費(-1, 15), 5);
    EXPECT_DOUBLE_EQ(c.消費(1, 15), 0);
    c.着手(-1, 17);
    c.動かす(1, 17);
    c.動かす(-1, 20);  // hands over without a move: the upper army keeps its 3 s
    EXPECT_DOUBLE_EQ(c.消費(1, 100), 3);
    c.止める(21);
    EXPECT_DOUBLE_EQ(c.消費(-1, 500), 8) << "a stopped clock does not count";
    EXPECT_EQ(c.動いている軍(), 0);
    EXPECT_FALSE(c.切れた軍(1e9)) << "without a time control no flag falls";
    EXPECT_TRUE(std::isinf(c.この手の残り(-1, 21)));
}

TEST(GameClock, ByoyomiStartsWhenTheMainTimeRunsOutAndRestartsEveryMove) {
    対局時計 c;
    c.新規({60, 10});
    c.動かす(-1, 0);
    EXPECT_DOUBLE_EQ(c.この手の残り(-1, 0), 70) << "main time and one byoyomi";
    EXPECT_FALSE(c.秒読み中(-1, 59));
    EXPECT_TRUE(c.秒読み中(-1, 60));
    EXPECT_FALSE(c.切れた軍(69.9));
    c.着手(-1, 65);  // into the byoyomi by 5 s
    c.動かす(1, 65);
    c.着手(1, 66);
    c.動かす(-1, 66);
    EXPECT_DOUBLE_EQ(c.この手の残り(-1, 66), 10) << "the next move has the whole byoyomi again";
    EXPECT_FALSE(c.切れた軍(75.9));
    EXPECT_EQ(c.切れた軍(76), -1);

    // Byoyomi only: every move has its seconds from the first on.
    c.新規({0, 30});
    c.動かす(1, 0);
    EXPECT_TRUE(c.秒読み中(1, 0));
    c.着手(1, 29);
    c.動かす(1, 29);
    EXPECT_FALSE(c.切れた軍(58));
    EXPECT_EQ(c.切れた軍(59), 1);

    // Main time only: sudden death.
    c.新規({30, 0});
    c.動かす(-1, 0);
    c.着手(-1, 20);
    c.動かす(-1, 20);
    EXPECT_FALSE(c.秒読み中(-1, 29));
    EXPECT_EQ(c.切れた軍(30), -1);
}

TEST(GameClock, AMoveMadeWhileItsClockStandsStillStartsAFreshByoyomiToo) {
    対局時計 c;
    c.新規({0, 10});
    c.動かす(1, 0);
    c.止める(6);  // the answer waits for a box to close
    c.着手(1, 50);
    EXPECT_DOUBLE_EQ(c.消費(1, 50), 6);
    c.動かす(1, 50);
    EXPECT_DOUBLE_EQ(c.この手の残り(1, 50), 10);
    c.着手(-1, 60);  // the other army's move does not stop this clock
    EXPECT_EQ(c.動いている軍(), 1);
}

TEST(GameClock, ATakenBackMoveStartsAFreshByoyomi) {
    対局時計 c;
    c.新規({0, 10});
    c.動かす(-1, 0);
    c.止める(8);
    c.手を改める();
    c.動かす(-1, 100);
    EXPECT_DOUBLE_EQ(c.この手の残り(-1, 100), 10);
    EXPECT_DOUBLE_EQ(c.消費(-1, 100), 8) << "the time used stays";
}

TEST(GameClock, TheSidePanelTexts) {
    EXPECT_EQ(時間の表記(0, true), "0:00");
    EXPECT_EQ(時間の表記(59.2, true), "1:00") << "a time left is rounded up";
    EXPECT_EQ(時間の表記(59.8, false), "0:59") << "a time used is rounded down";
    EXPECT_EQ(時間の表記(600, false), "10:00");
    EXPECT_EQ(時間の表記(3600 + 62, false), "1:01:02");

    対局時計 c;
    c.新規({});
    c.動かす(1, 0);
    時計の表示 t = 時計の表記(c, 1, "COM", 75.5);
    EXPECT_EQ(t.行, "COM 消費 1:15");
    EXPECT_EQ(t.消費行, "");
    EXPECT_FALSE(t.急ぎ);

    c.新規({600, 30});
    c.動かす(-1, 0);
    t = 時計の表記(c, -1, "先手", 2.5);
    EXPECT_EQ(t.行, "先手 残り 9:58");
    EXPECT_EQ(t.消費行, "消費 0:02");
    t = 時計の表記(c, -1, "先手", 611.2);
    EXPECT_EQ(t.行, "先手 秒読み 19");
    EXPECT_EQ(t.消費行, "消費 10:11");
    EXPECT_TRUE(t.急ぎ);
}

TEST(GameClock, TheComputersBudgetIsCutToWhatItsClockLeaves) {
    search::Limits level6 = 探索レベルの制限(6);
    EXPECT_EQ(時計で削る(level6, std::numeric_limits<double>::infinity()).movetime_ms, 5000);
    EXPECT_EQ(時計で削る(level6, 30).movetime_ms, 5000) << "a byoyomi of 30 s leaves the level its time";
    EXPECT_EQ(時計で削る(level6, 3).movetime_ms, 2610);
    EXPECT_EQ(時計で削る(level6, 0.05).movetime_ms, 1) << "the engine still answers";
    const search::Limits nodes = 時計で削る(探索レベルの制限(4, 500), 2);
    EXPECT_EQ(nodes.nodes, 500);
    EXPECT_EQ(nodes.movetime_ms, 1710) << "a node budget is bounded by the clock too";
}

// --- The clocks in play ---------------------------------------------------

class Clocks : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        // Nearly still: a reading moves it a tenth of a millisecond, so the
        // blink of the computer's move still comes to an end.
        clock.step = 1e-4;
    }
    void 待つ(double 秒) { clock.now += 秒; }
    // A two-person game from the starting position with this time control.
    void 二人で始める(int 候補) {
        (form.*持ち時間項目[候補])();
        form.START_Click();
        見た();
    }
    void 下の歩() {
        click(6, 9);
        click(6, 8);
    }
    void 上の歩() {
        click(6, 4);
        click(6, 5);
    }
    補助表示 表示() {
        form.補助表示を更新();
        return port.aids;
    }
    static constexpr void (Form1::*持ち時間項目[4])() = {&Form1::JIKAN0_Click, &Form1::JIKAN1_Click,
                                                        &Form1::JIKAN2_Click, &Form1::JIKAN3_Click};
};

TEST_F(Clocks, WithoutATimeControlEachArmysTimeUsedIsShownAndNoFlagFalls) {
    二人で始める(0);
    待つ(12);
    下の歩();
    待つ(7);
    補助表示 a = 表示();
    EXPECT_EQ(a.下の時計, "先手 消費 0:12");
    EXPECT_EQ(a.上の時計, "後手 消費 0:07");
    EXPECT_EQ(a.上の消費, "");
    待つ(100000);
    form.時計を確認();
    EXPECT_TRUE(見た().箱.empty());
    EXPECT_EQ(form.状態.手番, 後手);
}

TEST_F(Clocks, NoClockIsShownBeforeAGame) {
    待つ(50);
    const 補助表示 a = 表示();
    EXPECT_EQ(a.上の時計, "");
    EXPECT_EQ(a.下の時計, "");
}

TEST_F(Clocks, MainTimeRunsDownForTheArmyToMoveAndByoyomiRestartsEveryMove) {
    二人で始める(1);  // 10 min + 30 s
    待つ(590);
    下の歩();
    待つ(5);
    補助表示 a = 表示();
    EXPECT_EQ(a.下の時計, "先手 残り 0:10");
    EXPECT_EQ(a.下の消費, "消費 9:50");
    EXPECT_EQ(a.上の時計, "後手 残り 9:55");
    上の歩();
    待つ(25);  // the last 10 s of main time, then 15 s of the byoyomi
    a = 表示();
    EXPECT_EQ(a.下の時計, "先手 秒読み 15");
    EXPECT_TRUE(a.下の秒読み);
    EXPECT_FALSE(a.上の秒読み);
    click(7, 9);
    click(7, 8);
    click(7, 4);
    click(7, 5);
    待つ(29);
    a = 表示();
    EXPECT_EQ(a.下の時計, "先手 秒読み 1") << "the byoyomi began afresh with this move";
    form.時計を確認();
    EXPECT_TRUE(見た().箱.empty());
}

TEST_F(Clocks, AFlagFallEndsATwoPersonGameForEitherArmy) {
    for (const int 軍 : {-1, 1}) {
        SCOPED_TRACE(軍);
        二人で始める(3);  // byoyomi 30 s only
        if (軍 > 0) 下の歩();
        待つ(29.5);
        form.時計を確認();
        EXPECT_TRUE(見た().箱.empty());
        待つ(0.5);
        port.answerNext("続けますか？", true);
        form.時計を確認();
        EXPECT_EQ(見た().箱, (箱々{"終局|時間切れになりました", 軍 < 0 ? "終了|後手の勝ちです" : "終了|先手の勝ちです",
                                   "?再ゲーム|続けますか？"}));
        EXPECT_EQ(form.状態.手番, 未対局) << "a fresh board for the next game";
        EXPECT_TRUE(form.保全.終局控え && form.保全.終局控え->終局) << "kept like any game that ended";
        form.保全.終局控え.reset();
    }
}

TEST_F(Clocks, AClickAfterTheFlagFellFindsTheGameOver) {
    二人で始める(3);
    click(6, 9);
    待つ(31);  // the window's timer did not come round meanwhile
    port.answerNext("続けますか？", false);
    port.answerWhenAsked(std::string(未保存_文), true);
    click(6, 8);
    const 反応 r = 見た();
    ASSERT_GE(r.箱.size(), 2U);
    EXPECT_EQ(r.箱[0], "終局|時間切れになりました");
    EXPECT_EQ(r.箱[1], "終了|後手の勝ちです");
}

TEST_F(Clocks, AgainstTheComputerTheFlagFallNamesTheWinnerAsTheOtherEndsDo) {
    port.answerWhenAsked(std::string(未保存_文), true);
    form.JIKAN3_Click();
    form.SENTE_Click();
    見た();
    待つ(30);
    port.answerNext("続けますか？", true);
    click(6, 9);
    EXPECT_EQ(見た().箱, (箱々{"終局|時間切れになりました", "終了|ｺﾝﾋﾟｭｰﾀの勝ちです", "?再ゲーム|続けますか？"}));

    // The computer's answer that comes after its flag fell is not played.
    form.COM手番.代役 = [this] {
        待つ(31);
        form.com_ban着手(com探索(form.盤面, form.記録, form.状態, form.com図, form.man図));
    };
    form.SENTE_Click();
    見た();
    port.answerNext("続けますか？", true);
    下の歩();
    EXPECT_EQ(見た().箱, (箱々{"終局|時間切れになりました", "終了|あなたの勝ちです", "?再ゲーム|続けますか？"}));
}

TEST_F(Clocks, TheComputersThinkingIsItsOwnTime) {
    form.JIKAN1_Click();
    form.COM手番.代役 = [this] {
        待つ(4);
        form.com_ban着手(com探索(form.盤面, form.記録, form.状態, form.com図, form.man図));
    };
    form.SENTE_Click();
    待つ(3);
    下の歩();
    待つ(2);
    const 補助表示 a = 表示();
    EXPECT_EQ(a.上の消費, "消費 0:04");
    EXPECT_EQ(a.下の消費, "消費 0:05");
    EXPECT_EQ(a.上の時計, "COM 残り 9:56");
}

TEST_F(Clocks, TheSearchingLevelsAreGivenNoMoreThanTheClockLeaves) {
    form.COM手番.代役 = nullptr;
    form.COM手番.探索節点数 = 3000;
    form.LEVEL6_Click();
    form.持ち時間 = {0, 3};
    form.SENTE_Click();
    見た();
    下の歩();
    EXPECT_TRUE(form.思考中());
    EXPECT_NEAR(static_cast<double>(form.COM手番.最後の持ち時間_ms), 2610, 2);
    port.runBackground();
    EXPECT_FALSE(form.思考中());
    EXPECT_EQ(form.状態.手番, form.状態.MAN側) << "the answer came within the clock";
}

TEST_F(Clocks, ABoxThePersonKeepsOpenIsNotTheComputersTime) {
    form.COM手番.代役 = nullptr;
    form.COM手番.探索節点数 = 3000;
    form.LEVEL4_Click();
    form.JIKAN3_Click();
    form.SENTE_Click();
    下の歩();
    見た();
    待つ(2);
    port.whileMessageShown = [&] {
        port.whileMessageShown = nullptr;
        port.runBackground();  // the answer comes while the refusal is shown
        待つ(100);
    };
    click(7, 9);
    EXPECT_EQ(見た().箱, 箱々{std::string(思考中_題) + "|" + std::string(思考中拒否_文)})
        << "the answer is played, no flag fell";
    EXPECT_EQ(form.状態.手番, form.状態.MAN側);
    const 補助表示 a = 表示();
    EXPECT_EQ(a.上の消費, "消費 0:02");
    EXPECT_EQ(a.上の時計, "COM 秒読み 30");
}

TEST_F(Clocks, SteppingBackStopsTheClocksAndTheGameGoesOnWithTheTimesItHad) {
    二人で始める(1);
    待つ(10);
    下の歩();
    待つ(20);
    上の歩();
    form.REPLAY_Click();
    待つ(1000);
    補助表示 a = 表示();
    EXPECT_EQ(a.下の消費, "消費 0:10") << "nothing counts while the log is stepped through";
    EXPECT_EQ(a.上の消費, "消費 0:20");
    form.AFTER_Click();
    form.REPLAY_Click();
    待つ(1000);
    EXPECT_EQ(表示().上の消費, "消費 0:20");
    見た();
    click(1, 1);  // the click that goes on with the game
    待つ(5);
    a = 表示();
    EXPECT_EQ(a.上の消費, "消費 0:25") << "the upper army is to move again";
    EXPECT_EQ(a.下の消費, "消費 0:10");
}

TEST_F(Clocks, ANewGameStartsTheClocksAfreshAndAChoiceAppliesToTheNext) {
    二人で始める(1);
    待つ(10);
    form.JIKAN3_Click();  // the game on the board keeps 10 min + 30 s
    EXPECT_EQ(表示().下の時計, "先手 残り 9:50");
    form.初期設定();
    form.START_Click();
    見た();
    待つ(4);
    EXPECT_EQ(表示().下の時計, "先手 秒読み 26");
}

TEST_F(Clocks, WithTheAidsOffOnlyTheClocksOfATimeControlAreShown) {
    form.AIDS_Click();
    ASSERT_FALSE(port.isMenuChecked("AIDS"));
    二人で始める(0);
    EXPECT_EQ(表示(), 補助表示{}) << "without a time control the board is drawn as always";
    form.初期設定();
    二人で始める(1);
    待つ(3);
    form.時計を表示();
    EXPECT_EQ(port.aids.下の時計, "先手 残り 9:57");
    EXPECT_EQ(port.aids.手番軍, 0) << "the other aids stay off";
    EXPECT_EQ(port.aids.状態行, "");
}

TEST_F(Clocks, TheTicksHandTheClocksOverAndLeaveTheMoveListAlone) {
    二人で始める(1);
    下の歩();
    form.補助表示を更新();
    ASSERT_FALSE(port.moveList.empty());
    port.moveList.clear();
    port.moveListCurrent = -1;
    待つ(4);
    form.時計を確認();
    form.時計を表示();
    EXPECT_EQ(port.aids.上の時計, "後手 残り 9:56");
    EXPECT_TRUE(port.moveList.empty()) << "a list the player scrolls is not moved back";
    EXPECT_EQ(port.moveListCurrent, -1);
}

TEST_F(Clocks, TheTimeControlIsCheckedInTheMenuAndKeptInTheSettingsFile) {
    auto 設定ファイル = [] {
        std::ifstream in("Bexoru.ini", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };
    EXPECT_TRUE(port.isMenuChecked("JIKAN0")) << "none by default";
    EXPECT_EQ(設定ファイル().find("持ち時間"), std::string::npos);
    form.JIKAN2_Click();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(port.isMenuChecked("JIKAN" + std::to_string(i)), i == 2) << i;
    EXPECT_NE(設定ファイル().find("持ち時間=1800+60\r\n"), std::string::npos);

    RecordingPort port2;
    Form1 next{port2, sound, clock};
    next.Form_Load();
    EXPECT_EQ(next.持ち時間, (持ち時間設定{1800, 60}));
    EXPECT_TRUE(port2.isMenuChecked("JIKAN2"));
    next.JIKAN0_Click();
    EXPECT_EQ(設定ファイル().find("持ち時間"), std::string::npos);
}

}  // namespace
}  // namespace bexoru::test
