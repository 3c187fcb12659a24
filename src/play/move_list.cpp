// The move list: its lines and current line after each event, a click on a
// line, the buttons and keys, and the ｵﾌﾟｼｮﾝ switches for the list and the
// player's aids. Stepping to a line is 戻 and 進 given as often as it takes,
// with their refusals: the list never replays a game by itself.

#include "play/move_list.h"

#include <algorithm>
#include <cstdlib>

#include "play/display_texts.h"
#include "play/form1.h"

namespace bexoru {

namespace {

std::size_t 添字(int n) {
    return static_cast<std::size_t>(n);
}

bool 二手駒(駒コード c) {
    const int a = std::abs(c);
    return a == 駒::鷲 || a == 駒::鷹 || a == 駒::獅子_成 || a == 駒::獅子;
}

}  // namespace

std::string 桝名(int X, int Y) {
    const int 列 = 13 - X;
    return std::string(列 <= 9 ? 全角数字(列) : std::to_string(列)) + std::string(漢数字(Y));
}

std::vector<一覧の手> 手の区切り(const 棋譜記録& 記録) {
    const int 終端 = std::clamp(記録.記録終端, 0, 記録最大);
    std::vector<一覧の手> 手々;
    for (int n = 1; n <= 終端;) {
        int 終 = n;
        while (終 < 終端 && 二手駒(記録.手[添字(終)].成駒) && 記録.手[添字(終 + 1)].成駒 == 記録.手[添字(終)].成駒)
            ++終;
        手々.push_back({n, 終});
        n = 終 + 1;
    }
    return 手々;
}

std::string 手の表記(const 棋譜記録& 記録, 一覧の手 手) {
    const 指し手& 一 = 記録.手[添字(手.始)];
    const 指し手& 後 = 記録.手[添字(手.終)];
    if (!盤内(一.移動先X, 一.移動先Y) || !盤内(後.移動先X, 後.移動先Y)) return "----";
    std::string 文 = 桝名(一.移動先X, 一.移動先Y) + std::string(駒ラベル(後.成駒));
    if (一.移動先X != 後.移動先X || 一.移動先Y != 後.移動先Y) 文 += "→" + 桝名(後.移動先X, 後.移動先Y);
    return 文;
}

std::vector<std::string> 棋譜一覧の行(const 棋譜記録& 記録, const std::vector<一覧の手>& 手々) {
    std::vector<std::string> 行々{"開始局面"};
    行々.reserve(手々.size() + 1);
    for (std::size_t i = 0; i < 手々.size(); ++i) 行々.push_back(std::to_string(i + 1) + " " + 手の表記(記録, 手々[i]));
    return 行々;
}

int 棋譜一覧の現在行(const std::vector<一覧の手>& 手々, int 記録数) {
    const auto 先 = std::upper_bound(手々.begin(), 手々.end(), 記録数,
                                    [](int 数, const 一覧の手& 手) { return 数 < 手.終; });
    return static_cast<int>(先 - 手々.begin());
}

void Form1::棋譜一覧を渡す() {
    const std::vector<一覧の手> 手々 = 手の区切り(記録);
    port.showMoveList(棋譜一覧の行(記録, 手々), 棋譜一覧の現在行(手々, 記録.記録数));
}

void Form1::棋譜一覧_選択(int 行) {
    const std::vector<一覧の手> 手々 = 手の区切り(記録);
    if (行 < 0 || 行 > static_cast<int>(手々.size())) return;
    const int 目標 = 行 == 0 ? 0 : 手々[添字(行 - 1)].終;
    // One 戻 or 進 at a time, each with its own refusals; a step that was
    // refused (the computer thinks, a second step is pending) ends the walk.
    // The recovery record is written once, for the position reached.
    一覧で移動中_ = true;
    for (int 残り = 2 * 記録最大; 残り > 0 && 記録.記録数 != 目標; --残り) {
        const int 前 = 記録.記録数;
        if (記録.記録数 > 目標) {
            REPLAY_Click();
        } else {
            AFTER_Click();
        }
        if (記録.記録数 == 前) break;
    }
    一覧で移動中_ = false;
    回復記録更新();
}

void Form1::棋譜一覧_操作(棋譜一覧操作 操作) {
    const std::vector<一覧の手> 手々 = 手の区切り(記録);
    const int 今 = 棋譜一覧の現在行(手々, 記録.記録数);
    const int 最後 = static_cast<int>(手々.size());
    int 行 = 今;
    switch (操作) {
        case 棋譜一覧操作::最初:
            行 = 0;
            break;
        case 棋譜一覧操作::戻る:
            行 = 今 - 1;
            break;
        case 棋譜一覧操作::進む:
            行 = 今 + 1;
            break;
        case 棋譜一覧操作::最後:
            行 = 最後;
            break;
    }
    // Past either end there is nothing to step to: the buttons are greyed there.
    if (行 < 0 || 行 > 最後 || 行 == 今) return;
    棋譜一覧_選択(行);
}

void Form1::KIFU_LIST_Click() {
    const bool 見せる = !port.isMenuChecked("KIFU_LIST");
    port.setMenuChecked("KIFU_LIST", 見せる);
    port.setMoveListVisible(見せる);
    書込_環境設定ファイル();
}

void Form1::AIDS_Click() {
    port.setMenuChecked("AIDS", !port.isMenuChecked("AIDS"));
    書込_環境設定ファイル();
}

}  // namespace bexoru
