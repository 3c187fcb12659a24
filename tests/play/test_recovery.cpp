// Keeping the game in hand: the recovery record after every move, the offer
// to continue at the next start, the question before unsaved moves are thrown
// away, and the game that ended, which stays to be saved until the next one.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>

#include "board/starting_position.h"
#include "play_fixture.h"
#include "records/record_file.h"

namespace bexoru {
namespace {

using namespace test;
namespace fs = std::filesystem;

const std::string 未保存の問い = "?" + std::string(未保存_題) + "|" + std::string(未保存_文);
const std::string 前回の問い = "?" + std::string(前回_題) + "|" + std::string(前回_文);

// One run of the program: a window loaded in the scratch start folder, with
// the recovery record kept in `folder`. When it finds a game kept there, it
// is asked whether to continue it and answers `続ける`.
struct 窓 {
    RecordingPort port;
    FakeSound sound;
    FakeClock clock;
    Form1 form{port, sound, clock};

    explicit 窓(const fs::path& folder, std::optional<bool> 続ける = std::nullopt) {
        form.保全.フォルダ = folder;
        if (続ける) port.answerNext(std::string(前回_文), *続ける);
        form.Form_Load();
        // The computer's turns are counted, not played (unless a test lets it).
        form.COM手番.代役 = [] {};
    }
    void click(int X, int Y) { form.Form_MouseDown(左ボタン, 0, 座標X(X + 0.5), 座標Y(Y + 0.5)); }
    void 指す(int x1, int y1, int x2, int y2) {
        click(x1, y1);
        click(x2, y2);
    }
    // Boxes and questions ("?title|text") since the last look.
    std::vector<std::string> 箱() {
        std::vector<std::string> r;
        for (const Call& c : port.calls) {
            if (c.kind == Call::Message) r.push_back(c.title + "|" + c.name);
            if (c.kind == Call::Question) r.push_back("?" + c.title + "|" + c.name);
        }
        port.clear();
        return r;
    }
    // An otherwise empty board with these pieces, and a game of two people
    // started on it (the lower army to move).
    void 二人で始める(std::initializer_list<置駒> 駒々) {
        form.初期設定();
        form.盤面 = 盤面型{};
        for (const 置駒& p : 駒々) form.盤面(p.X, p.Y) = p.c;
        form.START_Click();
        箱();
    }
    // A lower Gold takes the upper army's lone King: the game is over. The
    // player answers "続けますか？" and, when asked, whether to discard the game.
    void 王を取って終わる(bool 続ける, std::optional<bool> 破棄 = std::nullopt) {
        二人で始める({{6, 6, -13}, {6, 5, 39}, {1, 12, -39}, {1, 1, 5}, {2, 1, 5}, {2, 12, -1}});
        port.answerNext("続けますか？", 続ける);
        if (破棄) port.answerNext(std::string(未保存_文), *破棄);
        指す(6, 6, 6, 5);
    }
    // 書込 with the name typed into the box, in the folder.
    void 書込(const fs::path& folder, const std::string& name) {
        form.KIFU_WRITE_Click();
        port.folder = folder.string();
        port.typedName = name;
        form.Command1_Click();
    }
};

// The entries of a record file as written. The games here are played on
// boards of their own, so the record is read, not replayed from the
// starting position as loading it would.
std::vector<指し手> 書かれた手(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return 棋譜解析(bytes).手々;
}

class Recovery : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        folder_ = dir_ / "data" / "bexoru";
    }
    std::optional<回復対局> 控え() const { return 回復記録読込(folder_); }
    bool 控えなし() const { return !fs::exists(folder_ / 回復状態名) && !fs::exists(folder_ / 回復棋譜名); }

    fs::path folder_;
};

TEST_F(Recovery, EveryFinishedMoveIsKeptAsItIsMade) {
    窓 w(folder_);
    w.form.START_Click();
    EXPECT_TRUE(控えなし()) << "a game without moves is nothing to keep";

    w.指す(6, 9, 6, 8);
    auto k = 控え();
    ASSERT_TRUE(k);
    EXPECT_EQ(k->手々, (std::vector<指し手>{{6, 9, 6, 8, -1, -1, 0}}));
    EXPECT_EQ(k->記録数, 1);
    EXPECT_EQ(k->手番, 後手);
    EXPECT_EQ(k->対局モード, 対局_MAN対MAN);
    EXPECT_EQ(k->手数, 1);
    EXPECT_TRUE(k->盤面 == w.form.盤面);
    EXPECT_FALSE(k->終局);
    EXPECT_FALSE(k->保存済);

    w.指す(7, 4, 7, 5);
    EXPECT_EQ(控え()->手々.size(), 2u);
    EXPECT_EQ(控え()->手番, 先手);

    // The Lion's first step with a second step pending is not kept: only the
    // finished move is.
    w.port.answerNext("もう一手移動しますか？", true);
    w.指す(6, 10, 6, 9);
    EXPECT_EQ(控え()->手々.size(), 2u);
    w.click(5, 8);
    k = 控え();
    EXPECT_EQ(k->手々.size(), 4u);
    EXPECT_EQ(k->手番, 後手);
    EXPECT_TRUE(k->盤面 == w.form.盤面);

    // Stepping back and forth moves the position; the log stays whole.
    w.form.REPLAY_Click();
    k = 控え();
    EXPECT_EQ(k->記録数, 2);
    EXPECT_EQ(k->手々.size(), 4u);
    EXPECT_EQ(k->手番, 先手);
    EXPECT_TRUE(k->盤面 == w.form.盤面);
    w.form.AFTER_Click();
    EXPECT_EQ(控え()->記録数, 4);
    EXPECT_TRUE(控え()->盤面 == w.form.盤面);
}

TEST_F(Recovery, ThePersonsMoveIsKeptBeforeTheComputerThinksAndItsAnswerAfter) {
    窓 w(folder_);
    w.form.SENTE_Click();
    w.箱();
    std::optional<回復対局> 考える間;
    w.form.COM手番.代役 = [&] { 考える間 = 控え(); };
    w.指す(6, 9, 6, 8);
    ASSERT_TRUE(考える間);
    EXPECT_EQ(考える間->手々.size(), 1u);
    EXPECT_EQ(考える間->手番, w.form.状態.COM側) << "the computer is to move";
    EXPECT_EQ(考える間->対局モード, 対局_COM);

    // Now the computer really answers.
    w.form.COM手番.代役 = nullptr;
    w.指す(5, 9, 5, 8);
    const auto k = 控え();
    ASSERT_EQ(k->手々.size(), 3u);
    EXPECT_GT(k->手々[2].移動駒, 0) << "the computer's move";
    EXPECT_EQ(k->手番, w.form.状態.MAN側);
    EXPECT_TRUE(k->盤面 == w.form.盤面);
}

TEST_F(Recovery, TheNextStartOffersTheGameAndGoesOnWithIt) {
    盤面型 盤;
    棋譜記録 記録;
    {
        窓 w(folder_);
        w.form.START_Click();
        w.指す(6, 9, 6, 8);
        w.指す(7, 4, 7, 5);
        w.port.answerNext("もう一手移動しますか？", false);
        w.指す(6, 10, 6, 9);
        盤 = w.form.盤面;
        記録 = w.form.記録;
        // The program dies here: no question, nothing else is written.
    }
    窓 next(folder_, true);
    // The window shows the game: its move number and the last move of each army.
    EXPECT_TRUE(next.port.printedAt("3", 座標X(14.9), 座標Y(3.3)));
    EXPECT_TRUE(next.port.printedAt("後手:", 座標X(14), 座標Y(5.08)));
    EXPECT_TRUE(next.port.printedAt("獅", 座標X(16.6), 座標Y(6))) << "the Lion's move on the lower army's row";
    EXPECT_EQ(next.箱(), std::vector<std::string>{前回の問い});
    EXPECT_TRUE(next.form.盤面 == 盤);
    EXPECT_EQ(next.form.記録.記録数, 4);
    EXPECT_EQ(next.form.記録.記録終端, 4);
    for (std::size_t n = 1; n <= 4; ++n) EXPECT_EQ(next.form.記録.手[n], 記録.手[n]) << n;
    EXPECT_EQ(next.form.状態.手番, 後手);
    EXPECT_EQ(next.form.状態.手数, 3);
    EXPECT_EQ(next.form.状態.対局モード, 対局_MAN対MAN);

    // The next click says whose turn it is, and the game goes on.
    next.指す(8, 4, 8, 5);
    EXPECT_EQ(next.箱(), std::vector<std::string>{"対局|後手の番です"});
    EXPECT_EQ(next.form.盤面(8, 5), 1);
    EXPECT_EQ(next.form.状態.手番, 先手);
    EXPECT_EQ(控え()->手々.size(), 5u);
}

TEST_F(Recovery, AGameAgainstTheComputerComesBackWithItsLevelAndTurn) {
    {
        窓 w(folder_);
        w.form.LEVEL1_Click();
        w.form.SENTE_Click();
        w.指す(6, 9, 6, 8);  // the computer does not answer: the program dies while it thinks
    }
    窓 next(folder_, true);
    EXPECT_EQ(next.form.状態.レベル, 1);
    EXPECT_TRUE(next.port.isMenuChecked("LEVEL1"));
    EXPECT_FALSE(next.port.isMenuChecked("LEVEL3"));
    EXPECT_EQ(next.form.状態.対局モード, 対局_COM);
    EXPECT_EQ(next.form.状態.手番, next.form.状態.COM側);
    EXPECT_TRUE(next.port.printedAt("COM:", 座標X(14), 座標Y(5.05)));
    next.箱();
    next.click(1, 1);
    EXPECT_EQ(next.箱(), std::vector<std::string>{"再開(COM)|OKですか？"});
    EXPECT_EQ(next.form.COM手番.回数, 1) << "the computer makes the move it was thinking about";
}

TEST_F(Recovery, DecliningTheOfferForgetsTheGame) {
    {
        窓 w(folder_);
        w.form.START_Click();
        w.指す(6, 9, 6, 8);
    }
    {
        窓 next(folder_, false);
        盤面型 start;
        初期配置(start);
        EXPECT_TRUE(next.form.盤面 == start);
        EXPECT_EQ(next.form.状態.手番, 未対局);
        EXPECT_TRUE(控えなし());
    }
    窓 third(folder_);  // is not asked (an unexpected question fails the test)
    EXPECT_EQ(third.form.状態.手番, 未対局);
}

TEST_F(Recovery, CommandsThatWouldLoseUnsavedMovesAskFirst) {
    // A record to load, beside the games.
    {
        棋譜記録 r;
        r.記録終端 = 1;
        r.手[1].移動元X = 6, r.手[1].移動元Y = 9, r.手[1].移動先X = 6, r.手[1].移動先Y = 8;
        r.手[1].移動駒 = r.手[1].成駒 = -1;
        std::string why;
        ASSERT_TRUE(棋譜ファイル書込(dir_ / "読む.棋譜", 棋譜テキスト(r), why));
    }
    struct 例 {
        const char* name;
        void (*command)(窓&);
        bool ends;  // the program ends when the player agrees
    };
    const 例 cases[] = {
        {"終わり", [](窓& w) { w.form.OWARI_Click(); }, true},
        {"Escape", [](窓& w) { w.form.Form_KeyPress(キー_Escape); }, true},
        {"closing the window",
         [](窓& w) {
             const bool closes = w.form.Form_Unload();
             EXPECT_EQ(closes, w.port.quitCalled());
         },
         true},
        {"最初", [](窓& w) { w.form.CANCEL_Click(); }, false},
        {"読込",
         [](窓& w) {
             w.form.KIFU_READ_Click();
             w.port.clicked = "読む.棋譜";
             w.form.File1_Click();
         },
         false},
    };
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        窓 w(folder_);
        w.port.folder = dir_.string();
        w.form.START_Click();
        w.指す(7, 9, 7, 8);
        const 盤面型 game = w.form.盤面;
        w.箱();

        // Kept: nothing happens.
        w.port.answerNext(std::string(未保存_文), false);
        e.command(w);
        EXPECT_EQ(w.箱(), std::vector<std::string>{未保存の問い});
        EXPECT_FALSE(w.port.quitCalled());
        EXPECT_TRUE(w.form.盤面 == game);
        EXPECT_EQ(w.form.記録.記録終端, 1);
        EXPECT_FALSE(w.form.状態.再生中);
        EXPECT_TRUE(控え()) << "still kept for a crash";

        // Discarded: the command goes on, and the game is not offered again.
        w.port.answerNext(std::string(未保存_文), true);
        e.command(w);
        EXPECT_EQ(w.port.quitCalled(), e.ends);
        if (!e.ends) {
            EXPECT_FALSE(w.form.盤面 == game);
        }
        EXPECT_TRUE(控えなし());
    }
}

TEST_F(Recovery, TheQuestionComesOnlyWhenSomethingIsUnsaved) {
    {
        窓 w(folder_);
        w.form.OWARI_Click();
        EXPECT_TRUE(w.port.quitCalled()) << "no game";
    }
    {
        窓 w(folder_);
        w.form.START_Click();
        w.form.CANCEL_Click();
        w.form.OWARI_Click();
        EXPECT_TRUE(w.port.quitCalled()) << "a game without moves";
    }
    {
        窓 w(folder_);
        w.form.START_Click();
        w.指す(6, 9, 6, 8);
        w.書込(dir_, "途中");
        EXPECT_EQ(w.箱().back(), "  |棋譜を書き込みました");
        EXPECT_TRUE(控え()->保存済);
        w.form.REPLAY_Click();
        w.form.AFTER_Click();
        w.form.Form_KeyPress(キー_Escape);
        EXPECT_TRUE(w.port.quitCalled()) << "saved, then only stepped through";
    }
    // A saved game in progress is still offered at the next start.
    {
        窓 w(folder_, true);
        EXPECT_EQ(w.form.記録.記録終端, 1);
        w.form.CANCEL_Click();  // saved: no question
        EXPECT_TRUE(控えなし());
        w.port.folder = dir_.string();
        w.port.clicked = "途中.棋譜";
        w.form.KIFU_READ_Click();
        w.form.File1_Click();
        w.form.AFTER_Click();
        w.form.OWARI_Click();
        EXPECT_TRUE(w.port.quitCalled()) << "a loaded record";
    }
    {
        窓 w(folder_);
        w.form.START_Click();
        w.指す(6, 9, 6, 8);
        w.port.answerNext("同じ名前の棋譜があります。上書きしますか？", true);
        w.書込(dir_, "途中");
        w.指す(7, 4, 7, 5);
        w.箱();
        w.port.answerNext(std::string(未保存_文), true);
        w.form.OWARI_Click();
        EXPECT_EQ(w.箱(), std::vector<std::string>{未保存の問い}) << "a move made after the save";
    }
}

TEST_F(Recovery, AFinishedGameCanBeSavedUntilTheNextGameStarts) {
    窓 w(folder_);
    w.王を取って終わる(true);
    EXPECT_EQ(w.箱(), (std::vector<std::string>{"終了|先手の勝ちです", "?再ゲーム|続けますか？"}));
    EXPECT_EQ(w.form.状態.手番, 未対局);
    auto k = 控え();
    ASSERT_TRUE(k);
    EXPECT_TRUE(k->終局);
    EXPECT_EQ(k->手々, (std::vector<指し手>{{6, 6, 6, 5, -13, -13, 39}}));

    w.書込(dir_, "終局");
    EXPECT_EQ(w.箱(), std::vector<std::string>{"  |棋譜を書き込みました"});
    EXPECT_EQ(書かれた手(dir_ / "終局.棋譜"), k->手々);
    EXPECT_TRUE(控え()->保存済);

    // Saved: the next game starts without a question and the record is let go.
    w.form.START_Click();
    EXPECT_EQ(w.箱(), std::vector<std::string>{" |先手の番です"});
    EXPECT_TRUE(控えなし());
    w.書込(dir_, "空");
    EXPECT_EQ(w.箱(), std::vector<std::string>{"棋譜保存|保存するデータがありません"});
}

TEST_F(Recovery, ANewGameAfterAnUnsavedFinishedGameAsksFirst) {
    窓 w(folder_);
    w.王を取って終わる(true);
    w.箱();
    for (auto command : {&Form1::START_Click, &Form1::SENTE_Click, &Form1::GOTE_Click}) {
        w.port.answerNext(std::string(未保存_文), false);
        (w.form.*command)();
        EXPECT_EQ(w.箱(), std::vector<std::string>{未保存の問い});
        EXPECT_EQ(w.form.状態.手番, 未対局) << "no game started";
        EXPECT_EQ(w.form.COM手番.回数, 0);
        EXPECT_TRUE(控え());
    }
    w.port.answerNext(std::string(未保存_文), true);
    w.form.GOTE_Click();
    EXPECT_EQ(w.form.COM手番.回数, 1) << "the new game started";
    EXPECT_TRUE(控えなし());
}

TEST_F(Recovery, DecliningANewGameAsksBeforeTheUnsavedGameIsLost) {
    {
        窓 w(folder_);
        w.王を取って終わる(false, false);
        EXPECT_EQ(w.箱(), (std::vector<std::string>{"終了|先手の勝ちです", "?再ゲーム|続けますか？", 未保存の問い}));
        EXPECT_FALSE(w.port.quitCalled()) << "the player keeps the game";
        EXPECT_EQ(w.form.状態.手番, 未対局);
        w.書込(dir_, "残す");
        EXPECT_EQ(書かれた手(dir_ / "残す.棋譜").size(), 1u);
        w.form.OWARI_Click();
        EXPECT_TRUE(w.port.quitCalled()) << "saved now: no question";
        EXPECT_TRUE(控えなし()) << "a saved finished game is nothing to continue";
    }
    {
        窓 w(folder_);
        w.王を取って終わる(false, true);
        EXPECT_TRUE(w.port.quitCalled());
        EXPECT_TRUE(控えなし());
    }
}

TEST_F(Recovery, AFinishedGameLeftAtACrashIsOfferedToBeSaved) {
    {
        窓 w(folder_);
        w.王を取って終わる(true);
    }
    窓 next(folder_, true);
    EXPECT_EQ(next.箱(), (std::vector<std::string>{前回の問い, std::string(前回_題) + "|" + std::string(前回終局_文)}));
    EXPECT_EQ(next.form.状態.手番, 未対局);
    next.書込(dir_, "あとで");
    EXPECT_EQ(書かれた手(dir_ / "あとで.棋譜").size(), 1u);
}

TEST_F(Recovery, AFolderThatCannotBeWrittenIsReportedOnce) {
    std::ofstream(dir_ / "data") << "a file where the folder should be";
    窓 w(folder_);
    w.form.START_Click();
    w.箱();
    w.指す(6, 9, 6, 8);
    const auto boxes = w.箱();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].starts_with(std::string(回復書込失敗_題) + "|" + std::string(回復書込失敗_文))) << boxes[0];
    w.指す(7, 4, 7, 5);
    EXPECT_TRUE(w.箱().empty()) << "once is enough";
    EXPECT_EQ(w.form.状態.手数, 2) << "the game goes on";
}

}  // namespace
}  // namespace bexoru
