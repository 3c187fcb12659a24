// Saving and loading records through the panel, and stepping the move log
// with 戻 and 進, over a game played with the mouse and over a loaded record.

#include <algorithm>
#include <array>
#include <fstream>
#include <random>
#include <sstream>
#include <string_view>
#include <vector>

#include "board/starting_position.h"
#include "engine/piece_count.h"
#include "play/play_fixture.h"
#include "rules/lion_capture_rules.h"
#include "rules/promotion.h"
#include "rules/reach_marks.h"

namespace bexoru {
namespace {

using namespace test;

// A two-person game of five log entries in four moves: the lower Lion takes
// a pawn and steps on (two entries), an upper pawn, a lower pawn that takes
// and promotes, another upper pawn.
constexpr const char* 対局の棋譜 =
    "\r\n\r\n\r\n"
    " 6 8 6 7-34-34  1\r\n"
    " 6 7 6 6-34-34  0\r\n"
    "11 111 2  1  1  0\r\n"
    " 3 5 3 4 -2 -1  1\r\n"
    "10 110 2  1  1  0\r\n";

// A two-person game from the starting position, 16 entries in 14 moves: the
// lower Lion jumps, then steps twice in one move (two entries); a lower
// Go-between walks up, takes the upper Go-between and then a pawn,
// promoting; the Lion steps once more and declines the second step (the
// step logged twice); upper pawns walk down in between.
constexpr const char* 初形からの棋譜 =
    "\r\n\r\n\r\n"
    " 610 6 8-34-34  0\r\n"
    "11 411 5  1  1  0\r\n"
    " 6 8 6 7-34-34  0\r\n"
    " 6 7 6 6-34-34  0\r\n"
    "10 410 5  1  1  0\r\n"
    " 4 8 4 7-35-35  0\r\n"
    "11 511 6  1  1  0\r\n"
    " 4 7 4 6-35-35  0\r\n"
    "10 510 6  1  1  0\r\n"
    " 4 6 4 5-35-35 35\r\n"
    "11 611 7  1  1  0\r\n"
    " 4 5 4 4-36-35  1\r\n"
    "10 610 7  1  1  0\r\n"
    " 6 6 6 5-34-34  0\r\n"
    " 6 6 6 5-34-34-34\r\n"
    "11 711 8  1  1  0\r\n";

class Records : public PlayTest {
protected:
    void 初形から対局する() {
        form.START_Click();
        click(6, 10), click(6, 8);
        click(11, 4), click(11, 5);
        port.answerNext("もう一手移動しますか？", true);
        click(6, 8), click(6, 7), click(6, 6);
        click(10, 4), click(10, 5);
        click(4, 8), click(4, 7);
        click(11, 5), click(11, 6);
        click(4, 7), click(4, 6);
        click(10, 5), click(10, 6);
        click(4, 6), click(4, 5);
        click(11, 6), click(11, 7);
        click(4, 5), click(4, 4, 右ボタン);
        click(10, 6), click(10, 7);
        port.answerNext("もう一手移動しますか？", false);
        click(6, 6), click(6, 5);
        click(11, 7), click(11, 8);
        ASSERT_EQ(form.記録.記録数, 16);
        ASSERT_EQ(form.状態.手数, 14);
        見た();
    }
    void 対局する() {
        盤に置く({{1, 12, -39},
                  {2, 12, -1},
                  {6, 8, -34},
                  {3, 5, -1},  //
                  {12, 1, 39},
                  {11, 1, 1},
                  {10, 1, 1},
                  {6, 7, 1},
                  {3, 4, 1}});
        二人で続ける();
        port.answerNext("もう一手移動しますか？", true);
        click(6, 8), click(6, 7), click(6, 6);
        click(11, 1), click(11, 2);
        click(3, 5), click(3, 4, 右ボタン);
        click(10, 1), click(10, 2);
        ASSERT_EQ(form.記録.記録数, 5);
        ASSERT_EQ(form.状態.手数, 4);
        見た();
    }
    std::string 読む(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static std::string 読むパス(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void 置く(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    void 読み込む(const std::string& name) {
        port.folder = dir_.string();
        port.clicked = name;
        form.File1_Click();
    }
};

TEST_F(Records, SavedGameHasTheExactBytesAndLoadsBackForStepping) {
    初形から対局する();
    const 棋譜記録 元 = form.記録;
    const 盤面型 終局面 = form.盤面;

    form.KIFU_WRITE_Click();
    EXPECT_TRUE(port.shown(PanelControl::Drive1) && port.shown(PanelControl::Dir1));
    EXPECT_FALSE(port.shown(PanelControl::File1));
    EXPECT_TRUE(port.shown(PanelControl::Text1) && port.shown(PanelControl::Command1));
    port.typedName = "対局";
    port.folder = dir_.string();
    form.Command1_Click();
    EXPECT_EQ(port.of(Call::RefreshFiles).size(), 1u);
    EXPECT_EQ(読む("対局.棋譜"), 初形からの棋譜);
    EXPECT_EQ(見た().箱, 箱々{"  |棋譜を書き込みました"});
    EXPECT_FALSE(port.shown(PanelControl::Drive1) || port.shown(PanelControl::Text1));
    EXPECT_EQ(port.typedName, "") << "hiding the name panel empties the name";

    form.KIFU_READ_Click();
    EXPECT_TRUE(port.shown(PanelControl::File1) && !port.shown(PanelControl::Text1));
    読み込む("対局.棋譜");
    EXPECT_FALSE(port.shown(PanelControl::File1));
    const 反応 r = 見た();
    EXPECT_EQ(r.箱, (箱々{"棋譜| 読み込みました", "棋譜|棋譜を '進 'で進めて下さい"}));
    盤面型 初期;
    初期配置(初期);
    EXPECT_EQ(form.盤面, 初期);
    EXPECT_EQ(form.記録.記録終端, 16);
    EXPECT_EQ(form.記録.記録数, 0);
    EXPECT_EQ(form.状態.手数, 0);
    EXPECT_TRUE(form.状態.再生中);
    EXPECT_EQ(form.状態.手番, 先手);
    EXPECT_EQ(form.状態.対局モード, 対局_MAN対MAN) << "the lower army moved first";
    for (std::size_t n = 1; n <= 16; ++n) {
        EXPECT_EQ(form.記録.手[n].移動元X, 元.手[n].移動元X);
        EXPECT_EQ(form.記録.手[n].移動先Y, 元.手[n].移動先Y);
        EXPECT_EQ(form.記録.手[n].移動駒, 元.手[n].移動駒);
        EXPECT_EQ(form.記録.手[n].成駒, 元.手[n].成駒);
        EXPECT_EQ(form.記録.手[n].取駒, 元.手[n].取駒);
    }

    // Stepped to its end from the starting position: each move's two entries
    // (the double move, the declined second step) are one step, and the end
    // of a loaded record says 終わり without a sound.
    const int 記録数[] = {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16};
    for (int k = 0; k < 14; ++k) {
        form.AFTER_Click();
        EXPECT_EQ(form.記録.記録数, 記録数[k]);
        EXPECT_EQ(form.状態.手数, k + 1);
    }
    EXPECT_EQ(見た().音, 音々(16, "駒打"));
    EXPECT_EQ(form.盤面, 終局面);
    EXPECT_EQ(form.盤面(4, 4), -36);
    form.AFTER_Click();
    const 反応 end = 見た();
    EXPECT_EQ(end.箱, 箱々{"進む|終わり"});
    EXPECT_TRUE(end.音.empty());
    EXPECT_EQ(form.状態.手数, 14);
    // And back to the start.
    for (int k = 0; k < 14; ++k) form.REPLAY_Click();
    EXPECT_EQ(form.盤面, 初期);
}

TEST_F(Records, AGameOfTwoThousandEntriesIsSavedLoadedAndSteppedToItsEnd) {
    // Two Go-betweens step forward and back from the starting position, one
    // for each player, until the log is full.
    form.START_Click();
    const int 一巡[4][4] = {{9, 8, 9, 7}, {4, 5, 4, 6}, {9, 7, 9, 8}, {4, 6, 4, 5}};
    for (int k = 0; k < 2000; ++k) {
        const int* m = 一巡[k % 4];
        click(m[0], m[1]), click(m[2], m[3]);
        port.clear();
        sound.calls.clear();
    }
    ASSERT_EQ(form.記録.記録数, 2000);
    EXPECT_EQ(form.状態.手数, 2000);
    click(9, 8), click(9, 7);
    EXPECT_EQ(見た().箱, 箱々{"棋譜|棋譜が一杯です。これ以上は指せません"}) << "a full log still refuses clearly";

    form.KIFU_WRITE_Click();
    port.typedName = "長い対局";
    port.folder = dir_.string();
    form.Command1_Click();
    EXPECT_EQ(見た().箱, 箱々{"  |棋譜を書き込みました"});
    const std::string 書いた = 読む("長い対局.棋譜");
    EXPECT_EQ(std::count(書いた.begin(), 書いた.end(), '\n'), 2003);

    読み込む("長い対局.棋譜");
    EXPECT_EQ(見た().箱, (箱々{"棋譜| 読み込みました", "棋譜|棋譜を '進 'で進めて下さい"}));
    ASSERT_EQ(form.記録.記録終端, 2000);
    for (int k = 0; k < 1999; ++k) {
        form.AFTER_Click();
        port.clear();
    }
    form.AFTER_Click();
    EXPECT_EQ(form.状態.手数, 2000);
    EXPECT_TRUE(port.printedAt("2000", 座標X(14.5), 座標Y(3.3))) << "four digits stand further left";
    盤面型 初期;
    初期配置(初期);
    EXPECT_EQ(form.盤面, 初期);
}

TEST_F(Records, AGameAgainstTheComputerIsSavedLoadedAndSteppedToItsEnd) {
    // The computer plays for real and wins after 124 entries: declined and
    // taken second steps of the person's Lion, the computer's second steps and
    // promotions. The person asks for a new game; the game that ended is kept
    // to be saved.
    form.COM手番.代役 = nullptr;
    port.answerWhenAsked("続けますか？", true);
    form.LEVEL3_Click();
    form.GOTE_Click();  // the computer moves first
    // The person plays moves drawn from every legal one, double moves,
    // declined second steps and promotions among them.
    std::mt19937 乱数(12);
    auto 引く = [&](const auto& v) { return v[乱数() % v.size()]; };
    for (int 手 = 0; 手 < 60 && form.状態.手番 != 未対局; ++手) {
        std::vector<std::array<int, 4>> 候補;
        for (int X = 1; X <= 盤サイズ; ++X)
            for (int Y = 1; Y <= 盤サイズ; ++Y)
                for (int X2 = 1; X2 <= 盤サイズ; ++X2)
                    for (int Y2 = 1; Y2 <= 盤サイズ; ++Y2) {
                        const 駒コード c = form.盤面(X, Y);
                        if (c < 0 && 移動チェック(form.局面, X, Y, X2, Y2, c) &&
                            !調査_獅子取り(form.局面, X, Y, X2, Y2, c))
                            候補.push_back({X, Y, X2, Y2});
                    }
        ASSERT_FALSE(候補.empty());
        const auto [X, Y, X2, Y2] = 引く(候補);
        const 駒コード c = form.盤面(X, Y);
        駒コード 成駒 = 空;
        const bool 成る =
            調査_駒成(form.盤面, X, Y, X2, Y2, c, 成駒) && (!移動後チェック(Y2, c) || 乱数() % 2);
        const bool 二手 = 二手目の出る一歩(c, X2 - X, Y2 - Y);
        const bool 続ける = 二手 && 乱数() % 2;
        if (二手) port.answerNext("もう一手移動しますか？", 続ける);
        click(X, Y);
        click(X2, Y2, 成る ? 右ボタン : 左ボタン);
        if (続ける) {
            std::vector<std::array<int, 2>> 先 = {{X2, Y2}};  // the piece itself ends the move
            for (int x = X2 - 1; x <= X2 + 1; ++x)
                for (int y = Y2 - 1; y <= Y2 + 1; ++y)
                    if (移動チェック(form.局面, X2, Y2, x, y, form.入力.二手目駒) &&
                        !調査_獅子取り(form.局面, X2, Y2, x, y, c))
                        先.push_back({x, y});
            const auto [x, y] = 引く(先);
            click(x, y);
        }
        port.clear();
        sound.calls.clear();
    }
    ASSERT_TRUE(form.保全.終局控え) << "the game ends";
    const 盤面型 終局面 = form.保全.終局控え->盤面;
    const int 手数 = form.保全.終局控え->手数;
    ASSERT_GT(form.保全.終局控え->記録数, 60);
    EXPECT_GT(form.保全.終局控え->記録数, 手数) << "double moves are among them";

    form.KIFU_WRITE_Click();
    port.typedName = "対COM";
    port.folder = dir_.string();
    form.Command1_Click();
    EXPECT_EQ(見た().箱, 箱々{"  |棋譜を書き込みました"});
    読み込む("対COM.棋譜");
    EXPECT_EQ(見た().箱, (箱々{"棋譜| 読み込みました", "棋譜|棋譜を '進 'で進めて下さい"}));
    EXPECT_EQ(form.状態.対局モード, 対局_COM) << "the computer moved first";
    for (int k = 0; k < 手数; ++k) form.AFTER_Click();
    EXPECT_EQ(form.盤面, 終局面);
    form.AFTER_Click();
    EXPECT_EQ(見た().箱.back(), "進む|終わり");
}

TEST_F(Records, TakeBackAndReplayOverAGameInProgress) {
    対局する();
    const 盤面型 終局面 = form.盤面;
    const int 手番 = form.状態.手番;

    form.REPLAY_Click();  // upper pawn
    form.REPLAY_Click();  // the promoting capture
    EXPECT_EQ(form.盤面(3, 5), -1) << "the mover is back unpromoted";
    EXPECT_EQ(form.盤面(3, 4), 1) << "the captured pawn is back";
    EXPECT_EQ(見た().音, (音々{"駒打", "駒打"}));
    form.REPLAY_Click();
    form.REPLAY_Click();  // the Lion's double move, in one step
    EXPECT_EQ(form.記録.記録数, 0);
    EXPECT_EQ(form.状態.手数, 0);
    EXPECT_EQ(form.盤面(6, 8), -34);
    EXPECT_EQ(form.盤面(6, 7), 1);
    EXPECT_EQ(form.盤面(6, 6), 空);
    EXPECT_EQ(見た().音, (音々{"駒打", "駒打", "駒打"}));
    EXPECT_EQ(form.記録.記録終端, 5) << "taking back keeps the rest of the log";

    form.AFTER_Click();
    EXPECT_EQ(form.記録.記録数, 2);
    EXPECT_EQ(form.状態.手数, 1);
    EXPECT_TRUE(port.printedAt("六", 座標X(15.6 + 0.4), 座標Y(6))) << "the Lion's last-move text: ６六獅";
    for (int i = 0; i < 3; ++i) form.AFTER_Click();
    EXPECT_EQ(form.盤面, 終局面);
    EXPECT_EQ(form.状態.手番, 手番);
    EXPECT_EQ(form.状態.手数, 4);
    見た();
    form.AFTER_Click();
    const 反応 end = 見た();
    EXPECT_EQ(end.箱, 箱々{"進む|できません"}) << "a game in progress has no 終わり";
    EXPECT_EQ(end.音, 音々{"禁止"});
}

TEST_F(Records, RefusalsWithTheirTitlesAndSounds) {
    struct 例 {
        const char* name;
        std::function<void()> 準備;
        std::function<void(Form1&)> 命令;
        std::string 箱;
        bool 禁止音;
    };
    // clang-format off
    const 例 cases[] = {
        {"書込 after a reversal", [this] { form.状態.反転済 = true; form.状態.ハンデ済 = true; },
         [](Form1& f) { f.KIFU_WRITE_Click(); }, "棋譜書込|反転後は書き込みできません", true},
        {"書込 after a handicap", [this] { form.状態.ハンデ済 = true; },
         [](Form1& f) { f.KIFU_WRITE_Click(); }, "棋譜書込|ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", true},
        {"RETURN without a name", [this] { form.記録.記録終端 = 1; },
         [](Form1& f) { f.Command1_Click(); }, "  |ﾌｧｲﾙ名が入力されていません", false},
        {"RETURN with an empty log", [this] { port.typedName = "a"; },
         [](Form1& f) { f.Command1_Click(); }, "棋譜保存|保存するデータがありません", false},
        {"RETURN with a path for a name", [this] { port.typedName = "../a"; form.記録.記録終端 = 1; },
         [](Form1& f) { f.Command1_Click(); }, "  |ﾌｧｲﾙ名に '/' は使えません", true},
        {"RETURN into a missing folder", [this] {
             port.typedName = "a"; port.folder = (dir_ / "none").string(); form.記録.記録終端 = 1; },
         [](Form1& f) { f.Command1_Click(); }, "棋譜保存|棋譜を書き込めませんでした: No such file or directory", true},
        {"戻 at the start", [] {}, [](Form1& f) { f.REPLAY_Click(); }, "戻る|できません", true},
        {"戻 during a second step", [this] { form.記録.記録数 = 1; form.状態.二手目状態 = 二手目状態型::二手目; },
         [](Form1& f) { f.REPLAY_Click(); }, "戻る|2手目移動中はできません！", true},
        {"進 before any game", [] {}, [](Form1& f) { f.AFTER_Click(); }, "開始|「対局」で始めて下さい", true},
        {"進 during a second step", [this] { form.状態.手番 = 先手; form.状態.二手目状態 = 二手目状態型::二手目; },
         [](Form1& f) { f.AFTER_Click(); }, "進む|2手目移動中はできません！", true},
    };
    // clang-format on
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        form.初期設定();
        port.folder = dir_.string();
        port.typedName.clear();
        e.準備();
        見た();
        e.命令(form);
        const 反応 r = 見た();
        EXPECT_EQ(r.箱, 箱々{e.箱});
        EXPECT_EQ(r.音, e.禁止音 ? 音々{"禁止"} : 音々{});
    }
}

TEST_F(Records, ARecordOfTheSameNameIsReplacedOnlyWhenThePlayerSaysSo) {
    対局する();
    置く("対局.棋譜", "old");
    port.folder = dir_.string();
    form.KIFU_WRITE_Click();
    port.typedName = "対局";
    port.answerNext("同じ名前の棋譜があります。上書きしますか？", false);
    form.Command1_Click();
    EXPECT_EQ(見た().箱, 箱々{"?棋譜保存|同じ名前の棋譜があります。上書きしますか？"});
    EXPECT_EQ(読む("対局.棋譜"), "old") << "No writes nothing";
    EXPECT_TRUE(port.shown(PanelControl::Text1)) << "the panel stays for another name";
    EXPECT_EQ(port.typedName, "対局");

    port.answerNext("同じ名前の棋譜があります。上書きしますか？", true);
    form.Command1_Click();
    EXPECT_EQ(見た().箱, (箱々{"?棋譜保存|同じ名前の棋譜があります。上書きしますか？", "  |棋譜を書き込みました"}));
    EXPECT_EQ(読む("対局.棋譜"), 対局の棋譜);
}

TEST_F(Records, AWriteProtectedRecordOfTheSameNameIsKept) {
    対局する();
    置く("対局.棋譜", "old");
    const auto 保護 = std::filesystem::perms::owner_read | std::filesystem::perms::group_read;
    std::filesystem::permissions(dir_ / "対局.棋譜", 保護);
    port.folder = dir_.string();
    form.KIFU_WRITE_Click();
    port.typedName = "対局";
    form.Command1_Click();  // no question: the answer could not change anything
    const 反応 r = 見た();
    EXPECT_EQ(r.箱, 箱々{"棋譜保存|同じ名前の棋譜は書き込み禁止のため上書きできません"});
    EXPECT_EQ(r.音, 音々{"禁止"});
    EXPECT_EQ(読む("対局.棋譜"), "old");
    EXPECT_EQ(std::filesystem::status(dir_ / "対局.棋譜").permissions(), 保護);
    EXPECT_TRUE(port.shown(PanelControl::Text1));
}

TEST_F(Records, TypedNamesThatWouldReachAnotherFileOrHideTheRecordAreRefused) {
    const std::filesystem::path 棋譜 = dir_ / "棋譜";
    std::filesystem::create_directories(棋譜);
    std::ofstream(棋譜 / "victim.txt") << "keep me";
    form.記録.記録終端 = 1;
    port.folder = 棋譜.string();
    const std::pair<std::string, const char*> refused[] = {
        {std::string("victim.txt\0junk", 15), "  |ﾌｧｲﾙ名に制御文字は使えません"},
        {"a\tb", "  |ﾌｧｲﾙ名に制御文字は使えません"},
        {"a\x1b[31mred", "  |ﾌｧｲﾙ名に制御文字は使えません"},
        {"a\x7f", "  |ﾌｧｲﾙ名に制御文字は使えません"},
        {"a\u0085b", "  |ﾌｧｲﾙ名に制御文字は使えません"},
        {"a\nb", "  |ﾌｧｲﾙ名に制御文字は使えません"},
        {"   ", "  |ﾌｧｲﾙ名が空白だけです"},
        {"\u3000 \u3000", "  |ﾌｧｲﾙ名が空白だけです"},
        {".hidden", "  |ﾌｧｲﾙ名の先頭に '.' は使えません"},
        {"..", "  |ﾌｧｲﾙ名の先頭に '.' は使えません"},
        {"../victim.txt", "  |ﾌｧｲﾙ名に '/' は使えません"},
    };
    for (const auto& [名, 箱] : refused) {
        SCOPED_TRACE(名);
        port.typedName = 名;
        form.Command1_Click();
        const 反応 r = 見た();
        EXPECT_EQ(r.箱, 箱々{箱});
        EXPECT_EQ(r.音, 音々{"禁止"});
        EXPECT_EQ(読むパス(棋譜 / "victim.txt"), "keep me");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(棋譜), {}), 1) << "nothing is written";
    }
    // Spaces and dots inside a name are a name like any other.
    for (const std::string 名 : {" 一局目", "a.b", "対局 一"}) {
        port.typedName = 名;
        form.Command1_Click();
        EXPECT_EQ(見た().箱, 箱々{"  |棋譜を書き込みました"}) << 名;
        EXPECT_TRUE(std::filesystem::exists(棋譜 / (名 + ".棋譜"))) << 名;
    }
}

TEST_F(Records, AFileThatCannotBeLoadedLeavesTheGameAsItWas) {
    const std::string 見出し = "\r\n\r\n\r\n";
    const std::string 正しい = " 3 4 3 5  1  1  0\r\n";
    std::string 長い = 見出し;
    for (int i = 0; i < 2001; ++i) 長い += 正しい;
    std::string がらくた;
    std::mt19937 乱数(12);
    for (int i = 0; i < 5000; ++i) がらくた += static_cast<char>(乱数() % 255 + 1);  // no NUL
    std::filesystem::create_directories(dir_ / "dir.棋譜");
    struct 例 {
        const char* name;
        std::string bytes;
        const char* 箱;
        bool 禁止音 = true;
    };
    // clang-format off
    const 例 cases[] = {
        {"missing.棋譜", "", "棋譜|棋譜ﾌｧｲﾙを開けません"},
        {"dir.棋譜", "", "棋譜|棋譜ﾌｧｲﾙを開けません"},
        {"nul.棋譜", std::string("\r\n\0\r\n", 5), "棋譜|棋譜ﾌｧｲﾙではありません"},
        {"junk.棋譜", がらくた, "棋譜|棋譜ﾌｧｲﾙではありません"},
        {"text.棋譜", "棋譜ではなく\r\nただの\r\n文章です\r\n三行の後も\r\n", "棋譜|棋譜ﾌｧｲﾙの4行目が読めません"},
        {"noheader.棋譜", 正しい + " 6 9 6 7-34-34  0\r\n", "棋譜|棋譜ﾌｧｲﾙに見出しの3行がありません"},
        {"long.棋譜", 長い, "棋譜|棋譜ﾌｧｲﾙの記録が2000を超えています"},
        {"bad.棋譜", 見出し + 正しい + "99 4 3 5  1  1  0\r\n", "棋譜|棋譜ﾌｧｲﾙの5行目が読めません"},
        // Nothing to load is said without the refusal sound, and the game stays.
        {"empty.棋譜", "", "棋譜|棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", false},
        {"headers.棋譜", "a\r\nb\r\nc\r\n", "棋譜|棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", false},
        {"blank.棋譜", 見出し + "\r\n  \r\n", "棋譜|棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", false},
        // Entries the board does not bear out.
        {"pawn.棋譜", 見出し + " 5 9 5 1 -1 -1 13\r\n", "棋譜|棋譜ﾌｧｲﾙの4行目: 指せない手です"},
        {"gold.棋譜", 見出し + " 512 411-13-13  0\r\n12 412 5  1  1  0\r\n 411 512-13-13  0\r\n",
         "棋譜|棋譜ﾌｧｲﾙの6行目: 指せない手です"},
        {"origin.棋譜", 見出し + 正しい + " 5 5 5 6  1  1  0\r\n", "棋譜|棋譜ﾌｧｲﾙの5行目: 移動元の駒が違います"},
        {"capture.棋譜", 見出し + " 3 4 3 5  1  1 -1\r\n", "棋譜|棋譜ﾌｧｲﾙの4行目: 取った駒が違います"},
        {"promote.棋譜", 見出し + " 3 4 3 5  2  1  0\r\n", "棋譜|棋譜ﾌｧｲﾙの4行目: 成りが正しくありません"},
    };
    // clang-format on
    for (const 例& e : cases)
        if (std::string(e.name) != "missing.棋譜" && std::string(e.name) != "dir.棋譜") 置く(e.name, e.bytes);
    対局する();
    const 盤面型 局面 = form.盤面;
    for (const 例& e : cases) {
        SCOPED_TRACE(e.name);
        読み込む(e.name);
        const 反応 r = 見た();
        EXPECT_EQ(r.箱, 箱々{e.箱});
        EXPECT_EQ(r.音, e.禁止音 ? 音々{"禁止"} : 音々{});
        EXPECT_EQ(form.盤面, 局面);
        EXPECT_EQ(form.記録.記録数, 5);
        EXPECT_EQ(form.記録.記録終端, 5);
        EXPECT_EQ(form.状態.手番, 先手);
        EXPECT_FALSE(form.状態.再生中);
    }
}

TEST_F(Records, LoadingShowsHeadersAndChoosesTheSidesFromTheFirstMover) {
    // Written elsewhere: Shift-JIS headers, the upper army first, a blank
    // line that reads as an entry naming no square.
    置く("com.棋譜", "\x92\x86\x8F\xAB\x8A\xFB\r\nB\r\n\r\n 3 4 3 5  1  1  0\r\n\r\n");
    読み込む("com.棋譜");
    EXPECT_TRUE(port.printedAt("中将棋", 800, 6350));
    EXPECT_TRUE(port.printedAt("B", 3700, 100));
    EXPECT_EQ(form.状態.対局モード, 対局_COM);
    EXPECT_EQ(form.状態.COM側, 先手);
    EXPECT_EQ(form.状態.MAN側, 後手);
    EXPECT_TRUE(port.printedAt("先手:", 座標X(14), 座標Y(5.08)));
    EXPECT_TRUE(port.printedAt("後手:", 座標X(14), 座標Y(6.08)));
    EXPECT_EQ(form.記録.記録終端, 2);

    const 盤面型 前 = form.盤面;
    form.AFTER_Click();
    form.AFTER_Click();
    EXPECT_EQ(form.盤面(3, 5), 1);
    EXPECT_EQ(form.盤面(3, 4), 空);
    盤面型 期待 = 前;
    期待(3, 4) = 空;
    期待(3, 5) = 1;
    EXPECT_EQ(form.盤面, 期待) << "the blank entry leaves the board alone";
    EXPECT_EQ(form.状態.手数, 2);
    form.REPLAY_Click();
    form.REPLAY_Click();
    EXPECT_EQ(form.盤面, 前);
}

}  // namespace
}  // namespace bexoru
