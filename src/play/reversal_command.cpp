// The 反転 command under 局面.

#include "board/reversal.h"
#include "play/form1.h"
#include "play/handicap_commands.h"
#include "play/side_labels.h"

namespace bexoru {

void Form1::REVERSE_Click() {
    if (思考中は拒否()) return;
    移動ヘルプ_解除();
    if (状態.再生中) {
        拒否("反転", "棋譜ﾓｰﾄﾞではできません");
        return;
    }
    if (状態.二手目状態 == 二手目状態型::二手目) {
        拒否("反転", "2手目移動中はできません！");
        return;
    }
    状態.反転済 = true;
    状態.クリック段階 = クリック段階型::駒選択;

    盤面反転(盤面);
    描画.画面_再描画();
    // The redraw cleared the side panel with the captions of the game.
    描画_対局の見出し(描画, 表示, 状態);
    描画.描画_手数(状態.手数, 表示.文字色);
    if (状態.ハンデ済) {
        // The grade keeps naming the same army, which now carries the other sign.
        状態.ハンデレベル = -状態.ハンデレベル;
        描画_ハンデレベル(描画, 表示, 状態.ハンデレベル);
    }
    音.鳴らす(音.音_駒打);

    記録消去(記録);
    // The army that was to move still moves, now under its new sign.
    状態.手番 = -状態.手番;
    音.鳴らす(音.音_駒打);
    回復記録更新();
}

}  // namespace bexoru
