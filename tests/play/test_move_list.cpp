// The move list beside the board: its lines (a double move is one line
// naming both squares), the current line, stepping by a click on a line and
// by each button or key (a double move is one step), a loaded record
// replayed through the same list, the refusals 戻 and 進 make, and the
// ｵﾌﾟｼｮﾝ switches for the list and the player's aids with their ini keys.

#include <fstream>

#include "board/starting_position.h"
#include "play/com_turn.h"
#include "play/move_list.h"
#include "play/play_fixture.h"

namespace bexoru {
namespace {

using namespace test;
using 行々 = std::vector<std::string>;

class MoveList : public PlayTest {
protected:
    const 行々& 一覧() {
        form.補助表示を更新();
        return port.moveList;
    }
    int 現在行() {
        form.補助表示を更新();
        return port.moveListCurrent;
    }
    void 指す(int X1, int Y1, int X2, int Y2) {
        click(X1, Y1);
        click(X2, Y2);
    }
    // A two-person game from the starting position with a double move of
    // the lower Lion: 7九 to 6八 through 7九's neighbour.
    void 四手指す() {
        form.START_Click();
        指す(6, 9, 6, 8);  // ７八歩
        指す(6, 4, 6, 5);  // ７五歩
        port.answerNext("もう一手移動しますか？", true);
        指す(6, 10, 6, 9);  // ７九獅, and on
        click(7, 8);        // →６八
        指す(7, 4, 7, 5);   // ６五歩
        ASSERT_EQ(form.記録.記録数, 5) << "the double move takes two entries";
        見た();
    }
    盤面型 局面() const { return form.盤面; }

    const 行々 四手の行 = {"開始局面", "1 ７八歩", "2 ７五歩", "3 ７九獅→６八", "4 ６五歩"};
};

TEST_F(MoveList, ListsEachMoveInThePanelsNotationADoubleMoveOnOneLine) {
    EXPECT_EQ(一覧(), 行々{"開始局面"}) << "no game yet";
    EXPECT_EQ(port.moveListCurrent, 0);
    四手指す();
    EXPECT_EQ(一覧(), 四手の行);
    EXPECT_EQ(port.moveListCurrent, 4);
    EXPECT_EQ(form.状態.手数, 4) << "the line numbers are the move numbers";
}

TEST_F(MoveList, TheLinesOfCapturesPromotionsAndDeclinedSecondSteps) {
    棋譜記録 r;
    auto 記す = [&](int n, 指し手 手) { r.手[static_cast<std::size_t>(n)] = 手; };
    記す(1, {6, 8, 6, 7, -駒::獅子, -駒::獅子, 駒::歩});  // takes and stops: logged twice
    記す(2, {6, 8, 6, 7, -駒::獅子, -駒::獅子, -駒::獅子});
    記す(3, {3, 3, 3, 4, 駒::鷲, 駒::鷲, 空});  // an Eagle and back where it came from
    記す(4, {3, 4, 3, 3, 駒::鷲, 駒::鷲, 空});
    記す(5, {10, 4, 10, 9, -駒::飛車, -駒::龍王, 駒::歩});  // promotes: the panel names the new piece
    記す(6, {0, 0, 0, 0, 空, 空, 空});                      // a record's entry without a square
    記す(7, {1, 12, 1, 11, -駒::獅子, -駒::獅子, 空});     // a Lion's single step
    記す(8, {1, 1, 1, 2, 駒::獅子, 駒::獅子, 空});         // the other army's Lion: a move of its own
    r.記録数 = r.記録終端 = 8;
    const auto 手々 = 手の区切り(r);
    EXPECT_EQ(手々, (std::vector<一覧の手>{{1, 2}, {3, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}}));
    EXPECT_EQ(棋譜一覧の行(r, 手々),
              (行々{"開始局面", "1 ７七獅", "2 10四鷲→10三", "3 ３九龍", "4 ----", "5 12十一獅", "6 12二獅"}));

    // The current line is the last move that ends at or before the count:
    // in the middle of a double move (its second step pending) the move before.
    EXPECT_EQ(棋譜一覧の現在行(手々, 0), 0);
    EXPECT_EQ(棋譜一覧の現在行(手々, 1), 0);
    EXPECT_EQ(棋譜一覧の現在行(手々, 2), 1);
    EXPECT_EQ(棋譜一覧の現在行(手々, 5), 3);
    EXPECT_EQ(棋譜一覧の現在行(手々, 8), 6);
}

TEST_F(MoveList, AClickedLineShowsThatPositionAsStepping戻And進Would) {
    四手指す();
    const 盤面型 終局面 = 局面();
    form.REPLAY_Click();
    const 盤面型 三手目 = 局面();
    form.REPLAY_Click();
    const 盤面型 二手目 = 局面();
    form.REPLAY_Click();
    form.REPLAY_Click();
    const 盤面型 開始 = 局面();
    EXPECT_EQ(開始, [] {
        盤面型 b;
        初期配置(b);
        return b;
    }());
    ASSERT_EQ(form.記録.記録数, 0);
    EXPECT_EQ(一覧(), 四手の行) << "stepping back keeps the moves ahead in the list";
    EXPECT_EQ(port.moveListCurrent, 0);
    見た();

    struct 例 {
        int 行;
        const 盤面型& 盤;
        int 記録数;
    };
    for (const 例& e : {例{3, 三手目, 4}, 例{2, 二手目, 2}, 例{4, 終局面, 5}, 例{0, 開始, 0}, 例{3, 三手目, 4}}) {
        SCOPED_TRACE(e.行);
        form.棋譜一覧_選択(e.行);
        EXPECT_EQ(局面(), e.盤);
        EXPECT_EQ(form.記録.記録数, e.記録数);
        EXPECT_EQ(form.状態.手数, e.行) << "the move number follows";
        EXPECT_EQ(form.状態.手番, e.行 % 2 == 0 ? 先手 : 後手);
        EXPECT_EQ(現在行(), e.行);
        EXPECT_EQ(一覧(), 四手の行);
        EXPECT_TRUE(見た().箱.empty());
    }
    // Lines past either end and the current line do nothing.
    for (int 行 : {-1, 5, 3}) form.棋譜一覧_選択(行);
    EXPECT_EQ(form.記録.記録数, 4);
    const auto r = 見た();
    EXPECT_TRUE(r.箱.empty());
    EXPECT_TRUE(r.音.empty());

    // A move played from a stepped-back position cuts the moves after it.
    form.棋譜一覧_選択(1);
    指す(1, 4, 1, 5);
    EXPECT_EQ(一覧(), (行々{"開始局面", "1 ７八歩", "2 12五歩"}));
    EXPECT_EQ(port.moveListCurrent, 2);
}

TEST_F(MoveList, EachButtonAndKeyStepsAndADoubleMoveIsOneStep) {
    四手指す();
    struct 例 {
        棋譜一覧操作 操作;
        int 行, 記録数;
        int 音;  // piece sounds: one per log entry stepped over
    };
    const 例 cases[] = {
        {棋譜一覧操作::戻る, 3, 4, 1},  {棋譜一覧操作::戻る, 2, 2, 2},  // back over the double move: one step
        {棋譜一覧操作::進む, 3, 4, 2},  {棋譜一覧操作::最初, 0, 0, 4}, {棋譜一覧操作::進む, 1, 1, 1},
        {棋譜一覧操作::最後, 4, 5, 4},  {棋譜一覧操作::進む, 4, 5, 0},  // at the end: nothing at all
        {棋譜一覧操作::最初, 0, 0, 5},  {棋譜一覧操作::戻る, 0, 0, 0},  // at the start: nothing at all
        {棋譜一覧操作::最初, 0, 0, 0},
    };
    for (const 例& e : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(e.操作)) + " to " + std::to_string(e.行));
        form.棋譜一覧_操作(e.操作);
        EXPECT_EQ(現在行(), e.行);
        EXPECT_EQ(form.記録.記録数, e.記録数);
        EXPECT_EQ(form.状態.手数, e.行);
        const auto r = 見た();
        EXPECT_TRUE(r.箱.empty());
        EXPECT_EQ(r.音.size(), static_cast<std::size_t>(e.音));
    }
}

TEST_F(MoveList, ALoadedRecordIsReplayedThroughTheSameList) {
    四手指す();
    const 盤面型 終局面 = 局面();
    port.folder = dir_.string();
    port.typedName = "四手";
    form.KIFU_WRITE_Click();
    form.Command1_Click();
    ASSERT_EQ(見た().箱, 箱々{"  |棋譜を書き込みました"});

    form.CANCEL_Click();
    EXPECT_EQ(一覧(), 行々{"開始局面"});
    port.clicked = "四手.棋譜";
    form.KIFU_READ_Click();
    form.File1_Click();
    EXPECT_EQ(見た().箱, (箱々{"棋譜| 読み込みました", "棋譜|棋譜を '進 'で進めて下さい"}));
    EXPECT_EQ(一覧(), 四手の行) << "the whole record is listed before it is stepped";
    EXPECT_EQ(port.moveListCurrent, 0);

    form.棋譜一覧_選択(3);
    EXPECT_EQ(form.記録.記録数, 4);
    EXPECT_EQ(局面()(7, 8), -駒::獅子) << "the Lion stands where its double move ended";
    form.棋譜一覧_操作(棋譜一覧操作::最後);
    EXPECT_EQ(局面(), 終局面);
    EXPECT_EQ(現在行(), 4);
    EXPECT_TRUE(見た().箱.empty()) << "the list never steps past the end to \"終わり\"";
    form.AFTER_Click();
    EXPECT_EQ(見た().箱, 箱々{"進む|終わり"}) << "進 itself still says so";
}

TEST_F(MoveList, APendingSecondStepRefusesTheListAs戻And進Do) {
    四手指す();
    form.棋譜一覧_選択(2);
    見た();
    port.answerNext("もう一手移動しますか？", true);
    指す(6, 10, 6, 9);
    ASSERT_EQ(form.状態.二手目状態, 二手目状態型::二手目);
    EXPECT_EQ(一覧(), (行々{"開始局面", "1 ７八歩", "2 ７五歩", "3 ７九獅"})) << "the first step so far";
    EXPECT_EQ(port.moveListCurrent, 3);
    見た();

    form.棋譜一覧_選択(0);
    EXPECT_EQ(見た().箱, 箱々{"戻る|2手目移動中はできません！"}) << "refused once, not once per move";
    form.棋譜一覧_操作(棋譜一覧操作::戻る);
    EXPECT_EQ(見た().箱, 箱々{"戻る|2手目移動中はできません！"});
    EXPECT_EQ(form.記録.記録数, 3);
    EXPECT_EQ(form.状態.二手目状態, 二手目状態型::二手目) << "the second step still waits";
    form.補助表示を更新();
    EXPECT_EQ(port.aids.状態行, "2手目移動中はできません！");
}

TEST_F(MoveList, WhileTheComputerThinksTheListIsRefusedAsEveryCommandIs) {
    form.COM手番.代役 = nullptr;
    form.COM手番.探索節点数 = 3000;
    form.LEVEL4_Click();
    form.SENTE_Click();
    指す(6, 9, 6, 8);
    ASSERT_TRUE(form.思考中());
    EXPECT_EQ(一覧(), (行々{"開始局面", "1 ７八歩"}));
    見た();

    const std::string 拒否 = std::string(思考中_題) + "|" + std::string(思考中拒否_文);
    form.棋譜一覧_選択(0);
    EXPECT_EQ(見た().箱, 箱々{拒否});
    form.棋譜一覧_操作(棋譜一覧操作::最初);
    EXPECT_EQ(見た().箱, 箱々{拒否});
    EXPECT_EQ(form.記録.記録数, 1);
    EXPECT_TRUE(form.思考中()) << "the search goes on";

    port.runBackground();
    EXPECT_EQ(一覧().size(), 3u) << "the computer's answer is listed";
    EXPECT_EQ(port.moveListCurrent, 2);
}

// --- The ｵﾌﾟｼｮﾝ switches and the settings file ------------------------------

std::string 読む(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(MoveList, TheListAndTheAidsAreOnByDefaultAndTheirSwitchesAreRemembered) {
    const std::filesystem::path ini = dir_ / "Bexoru.ini";
    EXPECT_TRUE(port.isMenuChecked("KIFU_LIST"));
    EXPECT_TRUE(port.moveListVisible);
    EXPECT_TRUE(port.isMenuChecked("AIDS"));
    EXPECT_NE(読む(ini).find("棋譜一覧=ON\r\n補助表示=ON\r\n"), std::string::npos);

    form.START_Click();
    click(1, 9);
    form.補助表示を更新();
    EXPECT_EQ(port.aids.選択X, 1);

    form.KIFU_LIST_Click();
    EXPECT_FALSE(port.isMenuChecked("KIFU_LIST"));
    EXPECT_FALSE(port.moveListVisible);
    EXPECT_NE(読む(ini).find("棋譜一覧=OFF\r\n"), std::string::npos);

    form.AIDS_Click();
    EXPECT_FALSE(port.isMenuChecked("AIDS"));
    EXPECT_NE(読む(ini).find("補助表示=OFF\r\n"), std::string::npos);
    form.補助表示を更新();
    EXPECT_EQ(port.aids, 補助表示{}) << "switched off, the window draws nothing of its own";
    EXPECT_EQ(port.moveList, (行々{"開始局面"})) << "the list does not depend on the aids";

    {
        RecordingPort port2;
        FakeSound sound2;
        FakeClock clock2;
        Form1 next(port2, sound2, clock2);
        next.Form_Load();
        EXPECT_FALSE(port2.isMenuChecked("KIFU_LIST")) << "the next start follows the file";
        EXPECT_FALSE(port2.moveListVisible);
        EXPECT_FALSE(port2.isMenuChecked("AIDS"));
        next.START_Click();
        next.補助表示を更新();
        EXPECT_EQ(port2.aids, 補助表示{});
    }

    form.KIFU_LIST_Click();
    form.AIDS_Click();
    EXPECT_TRUE(port.moveListVisible);
    EXPECT_NE(読む(ini).find("棋譜一覧=ON\r\n補助表示=ON\r\n"), std::string::npos);
    form.補助表示を更新();
    EXPECT_EQ(port.aids.選択X, 1) << "switched on again, the picked piece is marked";
}

}  // namespace
}  // namespace bexoru
