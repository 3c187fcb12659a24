// The △ and ▽ commands: refusals, the grade limits and the one square each
// accepted click changes, with the grade caption beside the board.

#include "play/handicap_commands.h"

#include <cstdlib>

#include "board/handicap.h"
#include "play/form1.h"

namespace bexoru {

void 描画_ハンデレベル(描画器& 描画, const 表示設定& 表示, int レベル) {
    描画.描画_四角形(14, 2, 2200, 560, 表示.背景色);
    描画.描画_文字列(14.1, 2.1, レベル, 表示.黒色, 10);
    描画.描画_文字列(14, 2, レベル, 表示.文字色, 10);
}

namespace {

constexpr std::string_view ハンデ表題 = "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定";

// 向き +1 for △, -1 for ▽.
void ハンデ設定(Form1& form, int 向き) {
    form.描画.描画_可視(false, false, false);
    form.描画.描画_棋譜_IO(棋譜IO::非表示);
    form.移動ヘルプ_解除();

    対局状態& 状態 = form.状態;
    if (状態.再生中) return form.拒否(ハンデ表題, "棋譜ﾓｰﾄﾞではできません(局面→最初)");
    if (form.記録.記録数 > 0) return form.拒否(ハンデ表題, "対局途中ではできません");
    if (状態.手番 != 未対局 || 状態.反転済) return form.拒否(ハンデ表題, "'局面 '→ '最初 'にして下さい");

    const int 新レベル = 状態.ハンデレベル + 向き;
    if (std::abs(新レベル) > ハンデ上限 || std::abs(状態.ハンデレベル) > ハンデ上限) {
        form.音.鳴らす(form.音.音_禁止);
    } else {
        const ハンデ駒 変更 = ハンデ変更駒(状態.ハンデレベル, 新レベル);
        状態.ハンデレベル = 新レベル;
        描画_ハンデレベル(form.描画, form.表示, 新レベル);
        form.盤面(変更.X, 変更.Y) = 変更.駒;
        if (変更.駒 == 空)
            form.描画.描画_桝(変更.X, 変更.Y);
        else
            form.描画.描画_駒(変更.駒, 変更.X, 変更.Y);
        form.音.鳴らす(form.音.音_駒打);
    }
    状態.ハンデ済 = true;
}

}  // namespace

void Form1::LBEL_UP_Click() {
    if (思考中は拒否()) return;
    ハンデ設定(*this, +1);
}

void Form1::LEBEL_DOWN_Click() {
    if (思考中は拒否()) return;
    ハンデ設定(*this, -1);
}

}  // namespace bexoru
