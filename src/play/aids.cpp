// The player's aids: whose turn it is, the last move's squares, the picked
// piece, the status line, both squares of a double move and the clocks,
// worked out from the game state after each event (and at each tick of the
// window's timer) and handed to the window.

#include <algorithm>
#include <cstdlib>
#include <string>

#include "play/form1.h"
#include "play/move_list.h"

namespace bexoru {

namespace {

std::size_t 添字(int n) {
    return static_cast<std::size_t>(n);
}

// Whether log entry n is the second step of a double move: the entry before
// it is the same double-moving piece (the armies alternate, so two entries
// of one code in a row are one move).
bool 二歩目(const 棋譜記録& 記録, int n) {
    if (n < 2) return false;
    const 駒コード c = 記録.手[添字(n)].成駒;
    const int a = std::abs(c);
    const bool 二手駒 = a == 駒::鷲 || a == 駒::鷹 || a == 駒::獅子_成 || a == 駒::獅子;
    return 二手駒 && 記録.手[添字(n - 1)].成駒 == c;
}

// "７六獅→８五" for the double move ending at entry n, empty when its
// second step stayed on the first step's square.
std::string 二手の表記(const 棋譜記録& 記録, int n) {
    const 指し手& 一 = 記録.手[添字(n - 1)];
    const 指し手& 二 = 記録.手[添字(n)];
    if (一.移動先X == 二.移動先X && 一.移動先Y == 二.移動先Y) return {};
    if (!盤内(一.移動先X, 一.移動先Y) || !盤内(二.移動先X, 二.移動先Y)) return {};
    return 桝名(一.移動先X, 一.移動先Y) + std::string(駒ラベル(二.成駒)) + "→" + 桝名(二.移動先X, 二.移動先Y);
}

// An army as the side labels name it: COM and MAN against the computer,
// otherwise by its turn token.
std::string 軍の名(const 対局状態& 状態, int 軍) {
    if (状態.対局モード == 対局_COM) return 軍 > 0 ? "COM" : "MAN";
    const int 札 = 軍 > 0 ? 状態.COM側 : 状態.MAN側;
    return 札 == 先手 ? "先手" : "後手";
}

}  // namespace

void Form1::補助表示を更新() {
    棋譜一覧を渡す();
    補助表示を渡す();
}

void Form1::補助表示を渡す() {
    // Switched off, the window draws the board exactly as it always did,
    // but for the clocks of a game played with a time control.
    if (!port.isMenuChecked("AIDS")) {
        補助表示 a;
        if (時計.設定().有り()) 時計を表示に(a);
        port.showAids(a);
        return;
    }
    補助表示 a;
    if (状態.手番 != 未対局) a.手番軍 = 状態.手番 == 状態.COM側 ? 1 : -1;

    // The last move, one or two entries, and the last move of each army.
    const int 数 = std::clamp(記録.記録数, 0, 記録最大);
    bool 上済 = false, 下済 = false;
    for (int n = 数; n >= 1 && !(上済 && 下済);) {
        const bool 二手 = 二歩目(記録, n);
        const int 始 = 二手 ? n - 1 : n;
        if (n == 数) {
            auto 加える = [&](int X, int Y) {
                if (!盤内(X, Y)) return;
                for (const auto& s : a.最終手)
                    if (s == std::pair{X, Y}) return;
                a.最終手.emplace_back(X, Y);
            };
            加える(記録.手[添字(始)].移動元X, 記録.手[添字(始)].移動元Y);
            for (int i = 始; i <= n; ++i) 加える(記録.手[添字(i)].移動先X, 記録.手[添字(i)].移動先Y);
        }
        const bool 上 = 記録.手[添字(n)].成駒 > 0;
        bool& 済 = 上 ? 上済 : 下済;
        if (!済 && 記録.手[添字(n)].成駒 != 空) {
            済 = true;
            if (二手) (上 ? a.上の二手 : a.下の二手) = 二手の表記(記録, n);
        }
        n = 始 - 1;
    }

    if (状態.クリック段階 == クリック段階型::行き先選択 && 盤内(入力.移動元X, 入力.移動元Y)) {
        a.選択X = 入力.移動元X;
        a.選択Y = 入力.移動元Y;
    }

    auto 名 = [&](int 軍) { return 軍の名(状態, 軍); };

    a.状態行 = 状態行;
    if (a.状態行.empty() && a.手番軍 != 0) a.状態行 = 名(a.手番軍) + "の番です";

    時計を表示に(a);
    port.showAids(a);
}

void Form1::時計を表示に(補助表示& a) {
    if (状態.手番 == 未対局) return;
    auto 名 = [&](int 軍) { return 軍の名(状態, 軍); };
    const double 今 = clock.seconds();
    const 時計の表示 上 = 時計の表記(時計, 1, 名(1), 今);
    const 時計の表示 下 = 時計の表記(時計, -1, 名(-1), 今);
    a.上の時計 = 上.行;
    a.上の消費 = 上.消費行;
    a.上の秒読み = 上.急ぎ;
    a.下の時計 = 下.行;
    a.下の消費 = 下.消費行;
    a.下の秒読み = 下.急ぎ;
}

}  // namespace bexoru
