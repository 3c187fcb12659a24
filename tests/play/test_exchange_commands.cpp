// The 棋譜 menu's exchange items: the position as SFEN to the clipboard, and
// the game written to and read from USI and PGN files through a scripted
// file dialog.

#include <fstream>
#include <sstream>
#include <string>

#include "board/starting_position.h"
#include "exchange/notation.h"
#include "play/play_fixture.h"

namespace bexoru {
namespace {

using namespace test;

const std::string 初形 = std::string(exchange::start_sfen);
const std::string 三手のUSI = "sfen " + 初形 + " moves 7j7h 2d2e 7h7g7f\n";
constexpr const char* 上書き = "同じ名前のﾌｧｲﾙがあります。上書きしますか？";

class Exchange : public PlayTest {
protected:
    // Three moves from the start: the lower Lion jumps, an upper pawn, the
    // Lion steps twice in one move (four log entries).
    void 三手指す() {
        form.START_Click();
        click(6, 10), click(6, 8);
        click(11, 4), click(11, 5);
        port.answerNext("もう一手移動しますか？", true);
        click(6, 8), click(6, 7), click(6, 6);
        ASSERT_EQ(form.記録.記録終端, 4);
        ASSERT_EQ(form.状態.手数, 3);
        見た();
    }
    std::string 道(const std::string& name) const { return (dir_ / name).string(); }
    std::string 読む(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void 置く(const std::string& name, const std::string& text) const {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    // The game on the board as it stands, to see that a refusal left it.
    struct 写し {
        盤面型 盤面;
        int 記録終端, 記録数, 手数;
        bool 再生中;
        friend bool operator==(const 写し&, const 写し&) = default;
    };
    写し 今() const { return {form.盤面, form.記録.記録終端, form.記録.記録数, form.状態.手数, form.状態.再生中}; }
};

bool 含む(const std::vector<std::string>& 箱, const std::string& 文) {
    for (const std::string& b : 箱)
        if (b.find(文) != std::string::npos) return true;
    return false;
}

TEST_F(Exchange, SfenOfThePositionGoesToTheClipboardWithTheSideToMove) {
    // Before any game: the starting position, the lower army first.
    form.SFEN_COPY_Click();
    EXPECT_EQ(port.clipboard, 初形);
    EXPECT_EQ(見た().箱, 箱々{"SFENｺﾋﾟｰ|局面をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました\n" + 初形});

    三手指す();
    form.SFEN_COPY_Click();
    EXPECT_EQ(port.clipboard,
              "lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppp1p/3i4i1p1/5N6/12/3I4I3/PPPPPPPPPPPP/MVRHD1QDHRVM/"
              "A1B1TOXT1B1A/LFCSGKEGSCFL w - 4");
    EXPECT_EQ(port.of(Call::Copy).size(), 1u);
}

// Under the standard rules, right after the lower Silver took the upper Lion on
// 7g, the upper army may not take a Lion with another piece: the SFEN names the
// square as the online site does. The game's own rules write '-'.
TEST_F(Exchange, SfenNamesTheCounterStrikeSquareUnderTheStandardRules) {
    for (ルール rules : {ルール::標準, ルール::本来}) {
        form.盤面 = 盤面型{};
        form.盤面(1, 1) = 駒::王;
        form.盤面(12, 12) = -駒::王;
        form.盤面(6, 7) = -駒::銀;
        form.盤面(3, 3) = -駒::獅子;
        form.記録 = 棋譜記録{};
        form.記録.手[0].成駒 = +1;
        form.記録.手[1] = {6, 8, 6, 7, -駒::銀, -駒::銀, 駒::獅子};
        form.記録.記録数 = form.記録.記録終端 = 1;
        form.状態.規則 = rules;
        form.状態.MAN側 = 先手;
        form.状態.COM側 = 後手;
        form.状態.手番 = 後手;
        form.SFEN_COPY_Click();
        const std::string hand = rules == ルール::標準 ? " w 7g " : " w - ";
        EXPECT_NE(port.clipboard.find(hand), std::string::npos) << port.clipboard;
    }
}

TEST_F(Exchange, UsiAndPgnAreWrittenToTheChosenFileAndReadBackForStepping) {
    三手指す();
    const 盤面型 終局面 = form.盤面;

    // The extension is added to a name without one.
    port.chooseNext(道("game"));
    form.USI_WRITE_Click();
    ASSERT_EQ(port.of(Call::FileChoice).size(), 1u);
    EXPECT_TRUE(port.of(Call::FileChoice)[0].flag) << "a save dialog";
    EXPECT_EQ(読む("game.usi"), 三手のUSI);
    EXPECT_EQ(見た().箱, 箱々{"USI書出|棋譜を書き出しました"});
    EXPECT_TRUE(form.未保存あり(破棄対象::対局)) << "an export is no saved record";

    port.chooseNext(道("game.pgn"));
    form.PGN_WRITE_Click();
    const std::string pgn = 読む("game.pgn");
    EXPECT_NE(pgn.find("[Variant \"chu\"]"), std::string::npos);
    EXPECT_NE(pgn.find("1. "), std::string::npos);
    見た();

    for (const auto& [名, PGN] : {std::pair{"game.usi", false}, std::pair{"game.pgn", true}}) {
        SCOPED_TRACE(名);
        // The game played was never saved: it is thrown away only when the
        // player agrees, after the file has been read. The game loaded from
        // the USI file counts as saved, so the PGN file replaces it at once.
        port.chooseNext(道(名));
        if (!PGN) port.answerNext(std::string(未保存_文), true);
        PGN ? form.PGN_READ_Click() : form.USI_READ_Click();
        箱々 期待{"棋譜| 読み込みました", "棋譜|棋譜を '進 'で進めて下さい"};
        if (!PGN) 期待.insert(期待.begin(), "?対局|" + std::string(未保存_文));
        EXPECT_EQ(見た().箱, 期待);
        盤面型 初期;
        初期配置(初期);
        EXPECT_EQ(form.盤面, 初期);
        EXPECT_TRUE(form.状態.再生中);
        EXPECT_EQ(form.記録.記録終端, 4);
        EXPECT_FALSE(form.未保存あり(破棄対象::すべて));
        for (int k = 0; k < 3; ++k) form.AFTER_Click();
        EXPECT_EQ(form.盤面, 終局面);
        EXPECT_EQ(form.状態.手数, 3);
        form.REPLAY_Click();
        EXPECT_EQ(form.状態.手数, 2);
    }
}

TEST_F(Exchange, AnExistingFileIsReplacedOnlyAfterTheQuestionAndAFailedWriteSaysWhy) {
    三手指す();
    置く("old.usi", "keep");
    port.chooseNext(道("old.usi"));
    port.answerNext(上書き, false);
    form.USI_WRITE_Click();
    EXPECT_EQ(読む("old.usi"), "keep");

    port.chooseNext(道("old.usi"));
    port.answerNext(上書き, true);
    form.USI_WRITE_Click();
    EXPECT_EQ(読む("old.usi"), 三手のUSI);
    見た();

    // A cancelled dialog does nothing.
    port.chooseNext(std::nullopt);
    form.PGN_WRITE_Click();
    EXPECT_TRUE(見た().箱.empty());

    // A folder that is not there: the reason is given, the game stays.
    const 写し 前 = 今();
    port.chooseNext(道("no such folder/game.pgn"));
    form.PGN_WRITE_Click();
    const 反応 r = 見た();
    ASSERT_EQ(r.箱.size(), 1u);
    EXPECT_EQ(r.箱[0].rfind("PGN書出|書き出せませんでした: ", 0), 0u) << r.箱[0];
    EXPECT_GT(r.箱[0].size(), std::string("PGN書出|書き出せませんでした: ").size()) << "with the reason";
    EXPECT_EQ(r.音, 音々{"禁止"});
    EXPECT_TRUE(今() == 前);
}

TEST_F(Exchange, NothingToExportAndNoDialogBeforeAGame) {
    form.USI_WRITE_Click();
    EXPECT_EQ(見た().箱, 箱々{"USI書出|書き出すデータがありません"});
    EXPECT_TRUE(port.of(Call::FileChoice).empty());
}

TEST_F(Exchange, ARefusedFileLeavesTheGameOnTheBoardAsItWas) {
    三手指す();
    const 写し 前 = 今();
    struct Row {
        const char* name;
        const char* file;
        std::string text;
        bool PGN;
        std::string expected;  // in the message
    };
    const Row rows[] = {
        {"an illegal second move", "bad.usi", "startpos moves 7j7h 7h7a\n", false, "move 2"},
        {"a move that names no square", "bad2.usi", "startpos moves\n7j7h\n2d2e zz\n", false, "line 3"},
        {"another variant", "bad.pgn", "[Variant \"shogi\"]\n\n1. P7f\n", true, "読み込めません"},
        {"another start", "start.usi", "sfen " + std::string(exchange::start_sfen).replace(0, 1, "1") + " moves 7j7h\n",
         false, "初形から始まらない対局は読み込めません"},
        {"no file", "missing.usi", "", false, "ﾌｧｲﾙを開けません"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (std::string(row.name) != "no file") 置く(row.file, row.text);
        port.chooseNext(道(row.file));
        row.PGN ? form.PGN_READ_Click() : form.USI_READ_Click();
        const 反応 r = 見た();
        ASSERT_EQ(r.箱.size(), 1u) << "no discard question before the file has passed";
        EXPECT_NE(r.箱[0].find(row.expected), std::string::npos) << r.箱[0];
        EXPECT_EQ(r.音, 音々{"禁止"});
        EXPECT_TRUE(今() == 前);
    }

    // A good file, but the player keeps the unsaved game.
    置く("good.usi", 三手のUSI);
    port.chooseNext(道("good.usi"));
    port.answerNext(std::string(未保存_文), false);
    form.USI_READ_Click();
    EXPECT_TRUE(今() == 前);
    EXPECT_FALSE(form.状態.再生中);
    EXPECT_FALSE(含む(見た().箱, "読み込みました"));
}

}  // namespace
TEST_F(Exchange, AGameReadIsJudgedAndPlayedOnByTheStandardRules) {
    // The upper Lion takes the lower one next to it, which a Pawn defends:
    // the game's own rules refuse it, the standard rules allow it.
    const std::string 開始 =
        "sfen lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/"
        "PPPPPPPPPPPP/MVRHDNQDHRVM/A1B1TOXT1B1A/LFCSGKEGSCFL b - 1 moves ";
    置く("lions.usi", 開始 + "7j7h 6c6e 12i12h 6e7g 11i11h 7g7h\n");
    port.chooseNext(道("lions.usi"));
    form.USI_READ_Click();
    EXPECT_EQ(見た().箱, (箱々{"棋譜| 読み込みました", "棋譜|棋譜を '進 'で進めて下さい"}));
    EXPECT_EQ(form.状態.規則, ルール::標準);
    EXPECT_EQ(form.記録.記録終端, 6);

    // A move the standard rules refuse is named, with the rule set.
    置く("bad.usi", 開始 + "7j7h 6c6e 12i12h 6e7g 11i11h 1a1e\n");
    port.chooseNext(道("bad.usi"));
    form.USI_READ_Click();
    const auto r = 見た();
    ASSERT_EQ(r.箱.size(), 1u);
    EXPECT_TRUE(r.箱[0].starts_with("USI読込|読み込めません (標準ルール): line 1, move 6")) << r.箱[0];
}

}  // namespace bexoru
