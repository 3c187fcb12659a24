// Levels 4 to 6: the menu items, the searching engine's answer played by the
// same turn as levels 1 to 3, the search handed to a worker while the window
// stays free, what the player may and may not do meanwhile, and Escape and
// closing the window in the middle of a search. The recording port keeps the
// worker's work waiting until a test runs it, so every test sees the window
// between the hand-over and the answer. A small node budget makes the
// engine's moves the same on every run.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "board/starting_position.h"
#include "engine/influence.h"
#include "play/com_turn.h"
#include "play/play_fixture.h"
#include "play/recovery.h"
#include "play/search_levels.h"
#include "port/silent_port.h"

namespace bexoru::test {
namespace {

constexpr std::int64_t 節点数 = 3000;
const std::string 思考中の拒否 = std::string(思考中_題) + "|" + std::string(思考中拒否_文);

class SearchingLevels : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        form.COM手番.代役 = nullptr;
        form.COM手番.探索節点数 = 節点数;
    }
    // A game against the computer at this level from the starting position,
    // the person moving first; the person's pawn then steps forward, which
    // hands the turn to the computer.
    void 歩を突いて待つ(int レベル = 4) {
        (form.*レベル項目[レベル - 1])();
        form.SENTE_Click();
        click(6, 9);
        click(6, 8);
    }
    bool 停止済み() const { return form.COM手番.最後の停止 && form.COM手番.最後の停止->load(); }

    static constexpr void (Form1::*レベル項目[6])() = {&Form1::LEVEL1_Click, &Form1::LEVEL2_Click, &Form1::LEVEL3_Click,
                                                    &Form1::LEVEL4_Click, &Form1::LEVEL5_Click, &Form1::LEVEL6_Click};
};

TEST_F(SearchingLevels, LevelsFourToSixAreCheckedOneAtATimeAndShownLikeTheOthers) {
    for (int level = 4; level <= 6; ++level) {
        SCOPED_TRACE(level);
        (form.*レベル項目[level - 1])();
        EXPECT_EQ(form.状態.レベル, level);
        for (int i = 1; i <= 6; ++i) EXPECT_EQ(port.isMenuChecked("LEVEL" + std::to_string(i)), i == level) << i;
        EXPECT_TRUE(port.printedAt("LEVEL", 座標X(レベル表示X - 1.5), 座標Y(レベル表示Y + 0.1)));
        EXPECT_TRUE(port.printedAt(std::to_string(level), 座標X(レベル表示X), 座標Y(レベル表示Y)));
        port.clear();
        (form.*レベル項目[level - 1])();
        EXPECT_TRUE(port.calls.empty()) << "the level already checked changes nothing";
    }
    form.LEVEL2_Click();
    EXPECT_EQ(form.状態.レベル, 2);
    EXPECT_FALSE(port.isMenuChecked("LEVEL6"));
    form.LEVEL5_Click();
    port.clear();
    form.GOTE_Click();
    EXPECT_TRUE(port.printedAt("5", 座標X(レベル表示X), 座標Y(レベル表示Y))) << "a new game shows the level";
    port.runBackground();
}

TEST_F(SearchingLevels, LevelsFourToSixThinkTheirTimeOrTheNodesTheyAreGiven) {
    EXPECT_EQ(探索レベルの制限(4).movetime_ms, 300);
    EXPECT_EQ(探索レベルの制限(5).movetime_ms, 1000);
    EXPECT_EQ(探索レベルの制限(6).movetime_ms, 5000);
    for (int level = 4; level <= 6; ++level) {
        EXPECT_EQ(探索レベルの制限(level).nodes, 0);
        EXPECT_EQ(探索レベルの制限(level, 500).nodes, 500);
        EXPECT_EQ(探索レベルの制限(level, 500).movetime_ms, 0) << "a node budget replaces the time";
    }
    EXPECT_FALSE(探索レベルか(3));
    EXPECT_TRUE(探索レベルか(4));
    EXPECT_TRUE(探索レベルか(6));
}

TEST_F(SearchingLevels, TheSearchRunsOnAWorkerAndItsAnswerIsPlayedWhenItComesBack) {
    歩を突いて待つ();
    // The click returned before any search: the work waits for its worker.
    EXPECT_EQ(port.backgroundWaiting(), 1u);
    EXPECT_TRUE(form.思考中());
    EXPECT_EQ(form.記録.記録数, 1) << "only the person's move so far";
    EXPECT_EQ(form.COM手番.回数, 1);
    const auto texts = port.texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), std::string(思考中_文)), texts.end()) << "the thinking notice";
    const auto last_text = std::find_if(port.calls.rbegin(), port.calls.rend(),
                                        [](const Call& c) { return c.kind == Call::Text; });
    EXPECT_TRUE(std::any_of(port.calls.rbegin(), last_text, [](const Call& c) { return c.kind == Call::Refresh; }))
        << "the notice is shown before the search";
    見た();

    EXPECT_EQ(port.runBackground(), 1);
    EXPECT_FALSE(form.思考中());
    EXPECT_EQ(form.記録.記録数, 2);
    EXPECT_GT(form.記録.手[2].移動駒, 0) << "the computer moved its own piece";
    EXPECT_EQ(form.状態.手番, form.状態.MAN側);
    EXPECT_EQ(form.状態.手数, 2);
    const 反応 r = 見た();
    EXPECT_EQ(r.音, 音々{"駒打"});
    EXPECT_TRUE(r.箱.empty());
    EXPECT_FALSE(停止済み());

    // The game goes on: the person's next move hands the turn over again.
    click(7, 9);
    click(7, 8);
    EXPECT_EQ(form.記録.記録数, 3);
    EXPECT_EQ(port.runBackground(), 1);
    EXPECT_EQ(form.状態.手数, 4);
    EXPECT_EQ(form.状態.手番, form.状態.MAN側);
}

TEST_F(SearchingLevels, WhileTheComputerThinksTheGameCannotBeChanged) {
    歩を突いて待つ();
    const 盤面型 盤 = form.盤面;
    const 棋譜記録 記録 = form.記録;
    見た();
    const struct {
        const char* name;
        std::function<void()> command;
    } refused[] = {
        {"a click on the board", [&] { click(7, 9); }},
        {"a right click", [&] { click(6, 8, 右ボタン); }},
        {"スタート", [&] { form.START_Click(); }},
        {"先手", [&] { form.SENTE_Click(); }},
        {"後手", [&] { form.GOTE_Click(); }},
        {"最初", [&] { form.CANCEL_Click(); }},
        {"反転", [&] { form.REVERSE_Click(); }},
        {"戻", [&] { form.REPLAY_Click(); }},
        {"進", [&] { form.AFTER_Click(); }},
        {"△", [&] { form.LBEL_UP_Click(); }},
        {"▽", [&] { form.LEBEL_DOWN_Click(); }},
        {"読込", [&] { form.KIFU_READ_Click(); }},
        {"書込", [&] { form.KIFU_WRITE_Click(); }},
        {"a file clicked in the panel", [&] { form.File1_Click(); }},
        {"RETURN", [&] { form.Command1_Click(); }},
        {"移動ﾍﾙﾌﾟ", [&] { form.IDOU_HLP_Click(); }},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.name);
        port.typedName = "kifu";
        port.clicked = "kifu.棋譜";
        c.command();
        const 反応 r = 見た();
        EXPECT_EQ(r.箱, 箱々{思考中の拒否});
        EXPECT_EQ(r.音, 音々{"禁止"});
        EXPECT_TRUE(form.思考中());
        EXPECT_TRUE(form.盤面 == 盤);
        EXPECT_EQ(form.記録.記録数, 記録.記録数);
        EXPECT_EQ(form.状態.手数, 1);
        EXPECT_EQ(form.状態.移動ヘルプ, 移動ヘルプ型::切);
        EXPECT_FALSE(form.状態.反転済);
        EXPECT_FALSE(form.状態.ハンデ済);
        EXPECT_FALSE(port.shown(PanelControl::File1));
    }
    EXPECT_EQ(port.backgroundWaiting(), 1u) << "nothing started a second search";

    // What does not touch the game stays free: the menus, the music, move
    // guidance, the help, the about box and the level (from the next move).
    form.TAIKYOKU_Click();
    form.BGM_Click();
    form.SIDOU_Click();
    form.VER_Click();
    form.LEVEL6_Click();
    EXPECT_TRUE(見た().箱.empty());
    EXPECT_TRUE(port.isMenuChecked("SIDOU"));
    EXPECT_FALSE(port.isMenuChecked("BGM"));
    EXPECT_EQ(form.状態.レベル, 6);

    EXPECT_EQ(port.runBackground(), 1);
    EXPECT_EQ(form.記録.記録数, 2) << "the answer is played on the position it was searched in";
    EXPECT_EQ(form.状態.手番, form.状態.MAN側);
}

TEST_F(SearchingLevels, AnAnswerComingWhileABoxIsOpenWaitsUntilItIsClosed) {
    歩を突いて待つ();
    見た();
    int 箱の中の記録数 = -1;
    port.whileMessageShown = [&] {
        port.whileMessageShown = nullptr;
        port.runBackground();
        箱の中の記録数 = form.記録.記録数;
    };
    click(7, 9);
    EXPECT_EQ(箱の中の記録数, 1) << "nothing was played inside the refusal";
    EXPECT_EQ(見た().箱, 箱々{思考中の拒否});
    EXPECT_FALSE(form.思考中());
    EXPECT_EQ(form.記録.記録数, 2) << "played once the box was closed";
    EXPECT_EQ(form.状態.手番, form.状態.MAN側);
}

TEST_F(SearchingLevels, EscapeStopsTheThinkingAndTheNextClickLetsTheComputerThinkAgain) {
    歩を突いて待つ();
    見た();
    form.Form_KeyPress(キー_Escape);
    EXPECT_TRUE(停止済み()) << "the worker is told to stop";
    EXPECT_FALSE(form.思考中());
    EXPECT_FALSE(port.quitCalled()) << "Escape while the computer thinks stops the thinking only";
    EXPECT_EQ(見た().箱, 箱々{std::string(中断_題) + "|" + std::string(中断_文)});

    // The stopped search's answer is dropped.
    EXPECT_EQ(port.runBackground(), 1);
    EXPECT_EQ(form.記録.記録数, 1);
    EXPECT_EQ(form.状態.手番, form.状態.COM側) << "the turn stays with the computer";
    EXPECT_TRUE(見た().音.empty());

    // Meanwhile the person may take a move back, or let the computer think again.
    click(1, 1);
    EXPECT_EQ(見た().箱, 箱々{"再開(COM)|OKですか？"});
    EXPECT_TRUE(form.思考中());
    EXPECT_FALSE(停止済み()) << "a new search with a stop flag of its own";
    EXPECT_EQ(form.状態.クリック段階, クリック段階型::駒選択) << "the go-ahead click selects nothing";
    EXPECT_EQ(port.runBackground(), 1);
    EXPECT_EQ(form.記録.記録数, 2);
    EXPECT_EQ(form.状態.手番, form.状態.MAN側);

    // With the computer idle Escape ends the program as always.
    port.answerNext(std::string(未保存_文), true);
    form.Form_KeyPress(キー_Escape);
    EXPECT_TRUE(port.quitCalled());
}

TEST_F(SearchingLevels, ClosingTheWindowDuringASearchReturnsAtOnceAndDropsTheAnswer) {
    for (const bool 終わり : {false, true}) {
        SCOPED_TRACE(終わり ? "終わり" : "closing the window");
        form.初期設定();
        歩を突いて待つ(5);
        port.answerNext(std::string(未保存_文), true);
        if (終わり) {
            form.OWARI_Click();
        } else {
            EXPECT_TRUE(form.Form_Unload());
        }
        EXPECT_TRUE(port.quitCalled());
        EXPECT_TRUE(停止済み());
        EXPECT_EQ(port.backgroundWaiting(), 1u) << "the close did not wait for the search";
        見た();
        port.runBackground();
        EXPECT_EQ(form.記録.記録数, 1) << "the answer is dropped";
        EXPECT_TRUE(port.calls.empty());
        EXPECT_TRUE(sound.calls.empty());
        port.clear();
    }

    // Kept open (the player keeps the unsaved game): the computer's turn waits.
    form.初期設定();
    歩を突いて待つ();
    port.answerNext(std::string(未保存_文), false);
    EXPECT_FALSE(form.Form_Unload());
    EXPECT_FALSE(form.思考中());
    EXPECT_EQ(form.状態.手番, form.状態.COM側);
    port.runBackground();
    EXPECT_EQ(form.記録.記録数, 1);
}

TEST(SearchingLevelsGone, AnAnswerComingBackAfterTheGameIsGoneIsDropped) {
    RecordingPort port;
    FakeSound sound;
    FakeClock clock;
    auto form = std::make_unique<Form1>(port, sound, clock);
    form->状態.MAN側 = 先手;
    form->状態.COM側 = 後手;
    form->状態.手番 = 後手;
    form->状態.対局モード = 対局_COM;
    form->状態.レベル = 6;
    初期配置(form->盤面);
    勢力調査_両軍(form->盤面, form->com図, form->man図);
    form->COM手番.探索節点数 = 節点数;
    form->com_ban();
    const auto stop = form->COM手番.最後の停止;
    form.reset();
    EXPECT_TRUE(stop->load()) << "the game told its search to stop as it went";
    port.clear();
    EXPECT_EQ(port.runBackground(), 1);
    EXPECT_TRUE(port.calls.empty());
}

// A window that runs the work at once, as a window without an event loop of
// its own does: the turn is played before com_ban returns. The computer
// (後手, the upper army) plays level 4 with a node budget.
struct 即時の窓 {
    SilentWindow window;
    SilentSound sound;
    JumpingClock clock;
    Form1 form{window, sound, clock};

    explicit 即時の窓(ルール rules = ルール::本来) {
        form.状態.MAN側 = 先手;
        form.状態.COM側 = 後手;
        form.状態.手番 = 後手;
        form.状態.対局モード = 対局_COM;
        form.状態.レベル = 4;
        form.状態.規則 = rules;
        form.COM手番.探索節点数 = 節点数;
    }
    void 指させる() {
        勢力調査_両軍(form.盤面, form.com図, form.man図);
        form.com_ban();
    }
};

TEST(SearchingLevelsAtOnce, AWindowWithoutWorkersPlaysTheTurnAtOnce) {
    即時の窓 w;
    初期配置(w.form.盤面);
    w.指させる();
    EXPECT_FALSE(w.form.思考中());
    EXPECT_EQ(w.form.記録.記録数, 1);
    EXPECT_EQ(w.form.状態.手番, 先手);
}

// The search plays by the game's rule set: an upper Pawn that entered the
// zone unpromoted may step onto the last row but not promote there under the
// standard rules, where the game's own rules make it promote. The game's
// earlier positions go with the question under the standard rules only.
TEST(SearchingLevelsAtOnce, TheSearchPlaysByTheGamesRules) {
    for (ルール rules : {ルール::本来, ルール::標準}) {
        SCOPED_TRACE(rules == ルール::標準 ? "standard" : "own");
        即時の窓 w(rules);
        Form1& form = w.form;
        form.盤面(1, 1) = 駒::王;
        form.盤面(12, 12) = -駒::王;
        form.盤面(6, 11) = 駒::歩;
        form.盤面(11, 12) = -駒::金;
        form.盤面(1, 12) = -駒::金;
        w.指させる();
        ASSERT_EQ(form.記録.記録数, 1);
        const 指し手& played = form.記録.手[1];
        if (played.移動元X == 6 && played.移動元Y == 11) {
            EXPECT_EQ(played.成駒 == 駒::歩 + 1, rules == ルール::本来);
        } else {
            EXPECT_EQ(rules, ルール::標準) << "the game's own rules play the promotion";
        }

        const 探索の問い 問い = 対局の探索の問い(form.盤面, form.記録, rules);
        EXPECT_EQ(問い.局面.rules(), rules);
        EXPECT_EQ(問い.履歴.size(), rules == ルール::標準 ? 1U : 0U);
    }
}

// The same position played twice: at level 4 through the worker, and by the
// turn of levels 1 to 3 given the engine's answer. Everything the player
// sees and hears after the thinking notice, and the game afterwards, must be
// the same.
struct 対局窓 {
    RecordingPort port;
    FakeSound sound;
    FakeClock clock;
    Form1 form{port, sound, clock};

    explicit 対局窓(const std::vector<置駒>& 駒々, int レベル) {
        for (const 置駒& p : 駒々) form.盤面(p.X, p.Y) = p.c;
        form.状態.MAN側 = 先手;
        form.状態.COM側 = 後手;
        form.状態.手番 = 後手;
        form.状態.対局モード = 対局_COM;
        form.状態.レベル = レベル;
        form.COM手番.探索節点数 = 節点数;
        勢力調査_両軍(form.盤面, form.com図, form.man図);
        // A game end declines the new game and lets the game go.
        port.answerWhenAsked("続けますか？", false);
        port.answerWhenAsked(std::string(未保存_文), true);
    }
    // The boxes, questions and sounds from the move on (after the thinking notice).
    std::vector<std::string> 反応() const {
        std::vector<std::string> out;
        for (const Call& c : port.calls) {
            if (c.kind == Call::Message) out.push_back(c.title + "|" + c.name);
            if (c.kind == Call::Question) out.push_back("?" + c.name);
            if (c.kind == Call::Quit) out.push_back("quit");
        }
        for (const std::string& s : sound.calls) out.push_back(s);
        return out;
    }
};

TEST(SearchingLevelsAnnounce, ALevelFourTurnPlaysAndAnnouncesAsTheLowerLevelsDo) {
    const struct {
        const char* name;
        std::vector<置駒> board;
        std::vector<std::string> must_show;
        int entries;
    } cases[] = {
        {"a Lion takes two pieces in one turn",
         {{6, 6, 駒::獅子}, {6, 7, -駒::金}, {6, 8, -駒::銀}, {1, 1, 駒::王}, {12, 12, -駒::王}, {11, 12, -駒::歩}},
         {"二手移動|二手目、移動します"},
         2},
        {"the person's last royal piece is taken",
         {{5, 5, 駒::金}, {5, 6, -駒::王}, {12, 12, -駒::歩}, {11, 12, -駒::歩}, {1, 1, 駒::王}},
         {"終了|ｺﾝﾋﾟｭｰﾀの勝ちです"},
         1},
        {"the person is left with one piece",
         {{5, 5, 駒::金}, {5, 6, -駒::銀}, {12, 12, -駒::王}, {1, 1, 駒::王}},
         {"終局|駒枯れになりました", "終了|引き分けです"},
         1},
        {"an ordinary move from the start", {}, {}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<置駒> board = c.board;
        if (board.empty()) {
            盤面型 start;
            初期配置(start);
            for (int X = 1; X <= 盤サイズ; ++X)
                for (int Y = 1; Y <= 盤サイズ; ++Y)
                    if (start(X, Y) != 空) board.push_back({X, Y, start(X, Y)});
        }
        対局窓 level4(board, 4);
        level4.form.com_ban();
        ASSERT_TRUE(level4.form.思考中());
        level4.port.clear();
        ASSERT_EQ(level4.port.runBackground(), 1);

        対局窓 level3(board, 3);
        const search::Position p = search::Position::from_game(level3.form.盤面, level3.form.記録, search::kUpper);
        search::Engine engine;
        level3.form.com_ban着手(探索の答え(p, engine.search(p, 探索レベルの制限(4, 節点数))));

        EXPECT_EQ(level4.反応(), level3.反応());
        for (const std::string& m : c.must_show) {
            const auto shown = level4.port.messages();
            EXPECT_NE(std::find(shown.begin(), shown.end(), m), shown.end()) << m << " in " << testing::PrintToString(shown);
        }
        EXPECT_EQ(level4.form.記録.記録数, c.entries);
        EXPECT_EQ(level4.form.記録.記録数, level3.form.記録.記録数);
        for (int n = 1; n <= level4.form.記録.記録数; ++n)
            EXPECT_EQ(level4.form.記録.手[static_cast<std::size_t>(n)], level3.form.記録.手[static_cast<std::size_t>(n)]);
        EXPECT_TRUE(level4.form.盤面 == level3.form.盤面);
        EXPECT_EQ(level4.form.状態.手番, level3.form.状態.手番);
        EXPECT_EQ(level4.form.状態.手数, level3.form.状態.手数);
    }
}

TEST(SearchingLevelsAnswer, TheEnginesMoveBecomesTheTurnsMoveWithItsSecondStep) {
    auto answer = [](int code, int X1, int Y1, int X2, int Y2, int X3 = 0, int Y3 = 0, bool promote = false,
                     int score = 50) {
        盤面型 board{};
        board(X1, Y1) = code;
        const search::Position p = search::Position::from_board(board, search::kUpper);
        search::SearchResult r;
        r.has_move = true;
        r.score = score;
        r.best = search::Move{static_cast<std::uint8_t>(search::square_of(X1, Y1)),
                              static_cast<std::uint8_t>(search::square_of(X2, Y2)),
                              static_cast<std::uint8_t>(X3 ? search::square_of(X3, Y3) : 0),
                              static_cast<std::uint8_t>(promote ? 1 : 0)};
        return 探索の答え(p, r);
    };
    {
        const 探索結果 r = answer(駒::歩, 6, 8, 6, 9, 0, 0, true);
        EXPECT_EQ(r.手, (指し手{6, 8, 6, 9, 駒::歩, 駒::と}));
        EXPECT_EQ(r.二手目駒, 空);
        EXPECT_FALSE(r.二手目);
    }
    const struct {
        int code, X2, Y2, X3, Y3;
        駒コード step;
    } doubles[] = {
        {駒::獅子, 6, 7, 6, 8, 駒::獅子},  {駒::獅子_成, 7, 7, 6, 6, 駒::獅子_成},  // the second: back to the origin
        {駒::鷲, 7, 7, 8, 8, 擬_鷲二},       {駒::鷲, 5, 7, 4, 8, 擬_鷲一},
        {駒::鷹, 6, 7, 6, 8, 擬_鷹},
    };
    for (const auto& d : doubles) {
        SCOPED_TRACE(d.code);
        const 探索結果 r = answer(d.code, 6, 6, d.X2, d.Y2, d.X3, d.Y3);
        EXPECT_EQ(r.手, (指し手{6, 6, d.X2, d.Y2, d.code, d.code}));
        EXPECT_EQ(r.二手目駒, d.step);
        ASSERT_TRUE(r.二手目);
        EXPECT_EQ(r.二手目->移動先X, d.X3);
        EXPECT_EQ(r.二手目->移動先Y, d.Y3);
        EXPECT_EQ(二手目の駒(r.二手目駒), d.code) << "the piece that makes the second step";
    }
    EXPECT_EQ(answer(駒::金, 5, 5, 5, 6, 0, 0, false, search::kMate - 1).最高評価値, 点(9999));
    EXPECT_EQ(answer(駒::金, 5, 5, 5, 6, 0, 0, false, -search::kMate + 1).最高評価値, -点(9999));
    EXPECT_FALSE(探索の答え(search::Position(), search::SearchResult{}).手) << "no legal move";
}

}  // namespace
}  // namespace bexoru::test
