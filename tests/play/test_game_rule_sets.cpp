// The rule set in the game: chosen under ｵﾌﾟｼｮﾝ → ルール, kept in the settings
// file, shown in the side panel, fixed for a game once it has begun; the ends
// of a game under the standard rules (a bare King, the fourth occurrence of a
// position); and the person's refusals under each set.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "play/com_turn.h"
#include "play/display_texts.h"
#include "play_fixture.h"
#include "records/record_file.h"
#include "rules/lion_capture_rules.h"
#include "settings/settings_file.h"

namespace bexoru {
namespace {

using namespace test;

class GameRuleSets : public PlayTest {
protected:
    std::string ini() const {
        std::ifstream in(dir_ / "Bexoru.ini", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Whether "標準ルール" was printed since the last look (without looking).
    bool 標準の表示() const {
        for (const Call& c : port.of(Call::Text))
            if (c.name == 規則表示_標準) return true;
        return false;
    }
    void 指す(int x1, int y1, int x2, int y2) {
        click(x1, y1);
        click(x2, y2);
    }
    // Both Kings in a corner each and a Gold each: a two-person game.
    void 金と王(ルール 規則) {
        form.選んだ規則 = 規則;
        盤に置く({{1, 12, -駒::王}, {12, 1, 駒::王}, {6, 9, -駒::金}, {6, 4, 駒::金}});
        二人で続ける();
        見た();
    }
};

bool 印(const RecordingPort& port, std::string_view control) {
    return port.isMenuChecked(control);
}

TEST_F(GameRuleSets, TheChoiceIsCheckedKeptAndShownBeforeAGame) {
    // A first run: the game's own rules, and the settings file says nothing of them.
    EXPECT_TRUE(印(port, "RULE_HON"));
    EXPECT_FALSE(印(port, "RULE_STD"));
    EXPECT_EQ(form.状態.規則, ルール::本来);
    EXPECT_EQ(ini().find("ルール"), std::string::npos);

    form.RULE_STD_Click();
    EXPECT_FALSE(印(port, "RULE_HON"));
    EXPECT_TRUE(印(port, "RULE_STD"));
    EXPECT_EQ(form.状態.規則, ルール::標準) << "no game has begun: the choice holds at once";
    EXPECT_TRUE(標準の表示());
    EXPECT_TRUE(見た().箱.empty());
    EXPECT_EQ(ini(), "移動指導=OFF\r\nBGM=ON\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\nルール=標準\r\n");

    // The next run reads it back.
    {
        RecordingPort port2;
        FakeSound sound2;
        FakeClock clock2;
        Form1 form2{port2, sound2, clock2};
        form2.Form_Load();
        EXPECT_EQ(form2.状態.規則, ルール::標準);
        EXPECT_TRUE(port2.isMenuChecked("RULE_STD"));
        bool 表示 = false;
        for (const Call& c : port2.of(Call::Text)) 表示 = 表示 || c.name == 規則表示_標準;
        EXPECT_TRUE(表示) << "the side panel names the standard rules after the start";
    }

    // Back to the game's own rules: the caption is cleared, the line goes.
    見た();
    form.RULE_HON_Click();
    EXPECT_EQ(form.状態.規則, ルール::本来);
    EXPECT_FALSE(標準の表示());
    EXPECT_EQ(ini(), "移動指導=OFF\r\nBGM=ON\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\n");
}

TEST_F(GameRuleSets, AGameInProgressKeepsItsRulesUntilTheNextGame) {
    form.START_Click();
    指す(6, 9, 6, 8);
    見た();
    form.RULE_STD_Click();
    EXPECT_EQ(見た().箱, 箱々{"ルール|対局中はルールを変えられません。次の対局から標準ルールで指します"});
    EXPECT_EQ(form.状態.規則, ルール::本来);
    EXPECT_TRUE(form.port.isMenuChecked("RULE_STD"));

    // 最初: a new game, by the rules chosen.
    port.answerNext(std::string(未保存_文), true);
    form.CANCEL_Click();
    EXPECT_EQ(form.状態.規則, ルール::標準);
    EXPECT_TRUE(標準の表示());

    // A start command with no move yet has begun the game too.
    form.START_Click();
    見た();
    form.RULE_HON_Click();
    EXPECT_EQ(見た().箱, 箱々{"ルール|対局中はルールを変えられません。次の対局から本来ルールで指します"});
    EXPECT_EQ(form.状態.規則, ルール::標準);
}

TEST_F(GameRuleSets, SettingsFileRuleValues) {
    struct 例 {
        const char* text;
        bool 標準;
    };
    for (const 例& e :
         {例{"ルール=標準\r\n", true}, 例{"ルール=本来\r\n", false}, 例{"ルール=standard\r\n", false},
          例{"ルール=標準 \r\n", false}, 例{"COMレベル=2\r\n", false}, 例{"ルール=標準\r\nルール=x\r\n", false}}) {
        EXPECT_EQ(環境設定を解釈(e.text).標準ルール, e.標準) << e.text;
    }
}

TEST_F(GameRuleSets, ARecordCarriesItsRulesAndReloadsUnderThem) {
    form.RULE_STD_Click();
    form.START_Click();
    指す(6, 9, 6, 8);
    // 書込 in the start folder.
    form.KIFU_WRITE_Click();
    port.folder = dir_.string();
    port.typedName = "標準の対局";
    form.Command1_Click();
    std::ifstream in(dir_ / "標準の対局.棋譜", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "標準ルール");
    EXPECT_EQ(text.substr(text.find("\r\n")), "\r\n\r\n\r\n" + 棋譜行(form.記録.手[1]) + "\r\n");

    // Loaded while the game's own rules are chosen: the record's rules hold,
    // and its marker is not printed as a title.
    form.RULE_HON_Click();
    見た();
    port.clicked = "標準の対局.棋譜";
    form.File1_Click();
    EXPECT_EQ(form.状態.規則, ルール::標準);
    EXPECT_EQ(form.選んだ規則, ルール::本来);
    int 標準の字 = 0;
    for (const Call& c : port.of(Call::Text)) 標準の字 += c.name == "標準ルール";
    EXPECT_EQ(標準の字, 2) << "the panel caption and its shadow only";

    // A record without the marker loads under the game's own rules, whatever is chosen.
    std::ofstream(dir_ / "本来.棋譜", std::ios::binary) << "\r\n\r\n\r\n" + 棋譜行(form.記録.手[1]) + "\r\n";
    form.RULE_STD_Click();
    port.clicked = "本来.棋譜";
    form.File1_Click();
    EXPECT_EQ(form.状態.規則, ルール::本来);
}

TEST_F(GameRuleSets, ABareKingLosesUnderTheStandardRulesOnly) {
    // The lower Gold takes the upper army's last piece but its King and
    // Prince: two pieces left, so the game's own rules play on.
    for (ルール 規則 : {ルール::本来, ルール::標準}) {
        form.選んだ規則 = 規則;
        盤に置く({{1, 12, -駒::王}, {12, 1, 駒::王}, {11, 1, 駒::太子}, {6, 9, -駒::金}, {6, 8, 駒::銅}});
        二人で続ける();
        見た();
        if (規則 == ルール::標準) port.answerNext("続けますか？", true);
        指す(6, 9, 6, 8);
        if (規則 == ルール::標準) {
            EXPECT_EQ(見た().箱, (箱々{"終局|裸王になりました", "終了|先手の勝ちです", "?再ゲーム|続けますか？"}));
        } else {
            EXPECT_TRUE(見た().箱.empty()) << "a King and a Prince against two pieces: play goes on";
            EXPECT_EQ(form.状態.手番, 後手);
        }
    }
    // A bare King against a bare King is a draw.
    form.選んだ規則 = ルール::標準;
    盤に置く({{1, 12, -駒::王}, {12, 1, 駒::王}, {6, 9, -駒::金}, {6, 8, 駒::銅}});
    form.盤面(6, 9) = -駒::王;
    form.盤面(1, 12) = 空;
    二人で続ける();
    見た();
    port.answerNext("続けますか？", true);
    指す(6, 9, 6, 8);
    EXPECT_EQ(見た().箱, (箱々{"終局|裸王になりました", "終了|引き分けです", "?再ゲーム|続けますか？"}));
}

TEST_F(GameRuleSets, TheComputerWinsWhenItBaresThePersonsKing) {
    form.選んだ規則 = ルール::標準;
    盤に置く({{1, 12, -駒::王}, {12, 1, 駒::王}, {6, 8, -駒::金}, {6, 7, 駒::金}, {8, 1, 駒::歩}});
    form.状態.対局モード = 対局_COM;
    form.状態.MAN側 = 先手;
    form.状態.COM側 = 後手;
    form.状態.手番 = 後手;
    // The computer's Gold takes the person's last piece but the King.
    探索結果 r;
    r.手 = 指し手{6, 7, 6, 8, 駒::金, 駒::金};
    port.answerNext("続けますか？", true);
    form.com_ban着手(r);
    EXPECT_EQ(見た().箱, (箱々{"終局|裸王になりました", "終了|ｺﾝﾋﾟｭｰﾀの勝ちです", "?再ゲーム|続けますか？"}));
}

TEST_F(GameRuleSets, TheFourthOccurrenceOfAPositionLosesForTheSideThatMadeIt) {
    for (ルール 規則 : {ルール::本来, ルール::標準}) {
        金と王(規則);
        if (規則 == ルール::標準) port.answerNext("続けますか？", true);
        // Both Golds step out and back: the opening position comes again
        // after every fourth move, the fourth time after the twelfth, made by
        // the upper army (後手).
        for (int i = 0; i < 3; ++i) {
            指す(6, 9, 6, 8);
            指す(6, 4, 6, 5);
            指す(6, 8, 6, 9);
            指す(6, 5, 6, 4);
        }
        if (規則 == ルール::標準) {
            EXPECT_EQ(見た().箱, (箱々{"終局|千日手になりました", "終了|先手の勝ちです", "?再ゲーム|続けますか？"}));
        } else {
            EXPECT_TRUE(見た().箱.empty());
            EXPECT_EQ(form.状態.手数, 12);
        }
    }
}

TEST_F(GameRuleSets, SteppingBackAndForthKeepsTheCountOfPositions) {
    金と王(ルール::標準);
    // Eleven moves: the opening position has stood three times.
    for (int i = 0; i < 3; ++i) {
        指す(6, 9, 6, 8);
        指す(6, 4, 6, 5);
        指す(6, 8, 6, 9);
        if (i < 2) 指す(6, 5, 6, 4);
    }
    // Three back, three forth: nothing has changed.
    for (int i = 0; i < 3; ++i) form.REPLAY_Click();
    for (int i = 0; i < 3; ++i) form.AFTER_Click();
    見た();
    port.answerNext("続けますか？", true);
    指す(6, 5, 6, 4);
    EXPECT_EQ(見た().箱,
              (箱々{"対局|後手の番です", "終局|千日手になりました", "終了|先手の勝ちです", "?再ゲーム|続けますか？"}));

    // Taken back to the third occurrence and played on otherwise: the
    // positions taken back no longer count.
    金と王(ルール::標準);
    for (int i = 0; i < 2; ++i) {
        指す(6, 9, 6, 8);
        指す(6, 4, 6, 5);
        指す(6, 8, 6, 9);
        指す(6, 5, 6, 4);
    }
    for (int i = 0; i < 4; ++i) form.REPLAY_Click();  // the opening position, its second time
    指す(6, 9, 6, 8);
    指す(6, 4, 6, 5);
    指す(6, 8, 6, 9);
    見た();
    指す(6, 5, 6, 4);  // its third time only
    EXPECT_TRUE(見た().箱.empty());
    EXPECT_EQ(form.状態.手番, 先手);
}

TEST_F(GameRuleSets, APersonsLionRefusalsFollowTheRuleSet) {
    struct 例 {
        const char* name;
        std::vector<置駒> 駒々;  // besides both Kings; the last is the Lion to be taken
        駒コード 取った駒;       // the last move took the person's Lion with this piece (空: no capture)
        桝位置 元, 先;
        std::string 本来;  // the refusal ("" when the capture is made)
        std::string 標準;
    };
    const auto 箱の文 = [](const 獅子禁手& k) { return std::string(k.題) + "|" + std::string(k.文); };
    // clang-format off
    const 例 cases[] = {
        {"a Gold took our Lion: our Gold may not take theirs",
         {{6, 7, -駒::金}, {6, 6, 駒::獅子}}, 駒::金, {6, 7}, {6, 6}, 箱の文(禁手_先獅子), 箱の文(禁手_返し討ち)},
        {"their Lion took ours (a double move): it may be taken back",
         {{6, 7, -駒::金}, {6, 6, 駒::獅子}}, 駒::獅子, {6, 7}, {6, 6}, "", ""},
        {"an adjacent defended Lion",
         {{6, 7, -駒::獅子}, {6, 5, 駒::金}, {6, 6, 駒::獅子}}, 空, {6, 7}, {6, 6}, 箱の文(禁手_獅子守り), ""},
        {"a defended Lion two squares away",
         {{6, 7, -駒::獅子}, {6, 4, 駒::金}, {6, 5, 駒::獅子}}, 空, {6, 7}, {6, 5},
         箱の文(禁手_獅子守り), 箱の文(禁手_離れ獅子)},
    };
    // clang-format on
    for (const 例& e : cases) {
        for (ルール 規則 : {ルール::本来, ルール::標準}) {
            SCOPED_TRACE(std::string(e.name) + (規則 == ルール::本来 ? " (own rules)" : " (standard rules)"));
            form.選んだ規則 = 規則;
            盤に置く({{1, 12, -駒::王}, {2, 12, -駒::歩}, {12, 1, 駒::王}, {11, 1, 駒::歩}});
            for (const 置駒& p : e.駒々) form.盤面(p.X, p.Y) = p.c;
            二人で続ける();
            if (e.取った駒 != 空) {
                // Two entries of the taking piece: the Lion's double move, or
                // the Gold's move after another piece of its army.
                form.記録.手[1] = 指し手{6, 4, 6, 5, e.取った駒, e.取った駒, 空};
                if (e.取った駒 != 駒::獅子) form.記録.手[1].成駒 = form.記録.手[1].移動駒 = 駒::歩;
                form.記録.手[2] = 指し手{6, 5, 6, 6, e.取った駒, e.取った駒, -駒::獅子};
                form.記録.記録数 = form.記録.記録終端 = 2;
            }
            const 駒コード 獅子 = e.駒々.back().c;
            const std::string& 禁 = 規則 == ルール::本来 ? e.本来 : e.標準;
            // A Lion's capture of an adjacent piece offers a second step: declined.
            const bool 隣 = std::abs(e.先.X - e.元.X) <= 1 && std::abs(e.先.Y - e.元.Y) <= 1;
            if (禁.empty() && 獅子か(form.盤面(e.元.X, e.元.Y)) && 隣) port.answerNext("もう一手移動しますか？", false);
            見た();
            指す(e.元.X, e.元.Y, e.先.X, e.先.Y);
            auto r = 見た();
            std::erase_if(r.箱, [](const std::string& b) { return b.starts_with("?"); });
            if (禁.empty()) {
                EXPECT_EQ(r.箱, 箱々{});
                EXPECT_NE(form.盤面(e.先.X, e.先.Y), 獅子) << "the Lion was taken";
            } else {
                EXPECT_EQ(r.箱, 箱々{禁});
                EXPECT_EQ(r.音, 音々{"禁止"});
                EXPECT_EQ(form.盤面(e.先.X, e.先.Y), 獅子);
            }
        }
    }
}

}  // namespace
}  // namespace bexoru
