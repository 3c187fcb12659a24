// Stepping back (戻) and forth (進) through the move log, over a game in
// progress or a record read from a file. The log itself is never changed:
// only 記録数 moves, between 0 and 記録終端. A double move (two entries of
// the same Lion, Falcon or Eagle) is one step either way. Both stop the
// clocks (clock_commands.cpp says when they run again).

#include <cstdlib>

#include "play/form1.h"

namespace bexoru {

namespace {

// The Soaring Eagle, the Horned Falcon and both Lions may move twice.
bool 二手駒(駒コード c) {
    const int a = std::abs(c);
    return a == 駒::鷲 || a == 駒::鷹 || a == 駒::獅子_成 || a == 駒::獅子;
}

std::size_t 添字(int n) {
    return static_cast<std::size_t>(n);
}

}  // namespace

void Form1::REPLAY_Click() {
    if (思考中は拒否()) return;
    状態.再開確認 = true;
    描画.描画_可視(false, false, false);
    描画.描画_棋譜_IO(棋譜IO::非表示);
    if (状態.移動ヘルプ != 移動ヘルプ型::切) 移動ヘルプ_解除();

    if (記録.記録数 < 1) {
        拒否("戻る", "できません");
        return;
    }
    if (状態.二手目状態 == 二手目状態型::二手目) {
        拒否("戻る", "2手目移動中はできません！");
        return;
    }
    状態.クリック段階 = クリック段階型::駒選択;
    描画.描画_将棋盤桝();

    while (記録.記録数 >= 1) {
        const int n = 記録.記録数;
        const 駒コード 取駒 = 記録.手[添字(n)].取駒;
        const 駒コード 移動駒 = 記録.手[添字(n)].移動駒;
        const int 先X = 記録.手[添字(n)].移動先X, 先Y = 記録.手[添字(n)].移動先Y;
        const int 元X = 記録.手[添字(n)].移動元X, 元Y = 記録.手[添字(n)].移動元Y;
        // Entries read from a file may name no square (a blank line): they
        // count as a move but leave the board alone.
        if (盤内(先X, 先Y)) {
            if (取駒 == 空) {
                描画.描画_桝(先X, 先Y);
            } else {
                描画.描画_駒(取駒, 先X, 先Y);
            }
            盤面(先X, 先Y) = 取駒;
        }
        if (盤内(元X, 元Y)) {
            盤面(元X, 元Y) = 移動駒;
            描画.描画_駒(移動駒, 元X, 元Y);
        }
        音.鳴らす(音.音_駒打);
        if (移動駒 >= 1) {
            描画.描画_四角形(表示.結果表示X_COM - 0.3, 表示.結果表示Y_COM, 1250, 400, 表示.背景色);
        } else {
            描画.描画_四角形(表示.結果表示X_MAN - 0.3, 表示.結果表示Y_MAN, 1250, 400, 表示.背景色);
        }
        記録.記録数 = n - 1;
        // Go on only when the entry just taken back was the second half of
        // the same piece's move.
        const 駒コード 前 = 記録.手[添字(記録.記録数)].移動駒;
        if (!(二手駒(前) && 記録.手[添字(記録.記録数 + 1)].移動駒 == 前)) break;
    }

    状態.手数 -= 1;
    状態.手番 = -状態.手番;
    時計.止める(clock.seconds());
    時計.手を改める();
    描画.描画_手数(状態.手数, 表示.文字色);
    回復記録更新();
}

void Form1::AFTER_Click() {
    if (思考中は拒否()) return;
    状態.再開確認 = true;
    描画.描画_可視(false, false, false);
    描画.描画_棋譜_IO(棋譜IO::非表示);

    if (状態.手番 == 未対局) {
        拒否("開始", "「対局」で始めて下さい");
        return;
    }
    if (状態.移動ヘルプ != 移動ヘルプ型::切) 移動ヘルプ_解除();
    if (状態.二手目状態 == 二手目状態型::二手目) {
        拒否("進む", "2手目移動中はできません！");
        return;
    }
    状態.クリック段階 = クリック段階型::駒選択;
    描画.描画_将棋盤桝();

    if (記録.記録数 >= 記録.記録終端) {
        if (状態.再生中) {
            port.messageBox("進む", "終わり");
        } else {
            拒否("進む", "できません");
        }
        return;
    }

    int n = 記録.記録数;
    while (記録.記録数 < 記録.記録終端 && 記録.記録数 < 記録最大) {
        記録.記録数 += 1;
        n = 記録.記録数;
        const int 元X = 記録.手[添字(n)].移動元X, 元Y = 記録.手[添字(n)].移動元Y;
        const int 先X = 記録.手[添字(n)].移動先X, 先Y = 記録.手[添字(n)].移動先Y;
        const 駒コード 成駒 = 記録.手[添字(n)].成駒;
        if (盤内(元X, 元Y)) {
            盤面(元X, 元Y) = 空;
            描画.描画_桝(元X, 元Y);
        }
        if (盤内(先X, 先Y)) {
            盤面(先X, 先Y) = 成駒;
            描画.描画_駒(成駒, 先X, 先Y);
        }
        音.鳴らす(音.音_駒打);
        if (!(二手駒(成駒) && n < 記録.記録終端 && 記録.手[添字(n + 1)].成駒 == 成駒)) break;
    }

    状態.手数 += 1;
    描画.描画_手数(状態.手数, 表示.文字色);
    const 駒コード 成駒 = 記録.手[添字(n)].成駒;
    const int 先X = 記録.手[添字(n)].移動先X, 先Y = 記録.手[添字(n)].移動先Y;
    if (成駒 >= 1) {
        描画.描画_移動結果(表示.結果表示X_COM, 表示.結果表示Y_COM, 先X, 先Y, 成駒, 表示.結果表示色);
    } else {
        描画.描画_移動結果(表示.結果表示X_MAN, 表示.結果表示Y_MAN, 先X, 先Y, 成駒, 表示.結果表示色);
    }
    状態.手番 = -状態.手番;
    時計.止める(clock.seconds());
    時計.手を改める();
    回復記録更新();
}

}  // namespace bexoru
