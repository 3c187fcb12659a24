// The commands that start a game on whatever position stands, set the sides
// and the turn, return to the starting position and end the program.
//
// 先手 and 後手 are turn tokens, not armies: the lower army (negative codes)
// always belongs to the person, or to the first player of two, and moves
// when 手番 = MAN側; the upper army moves when 手番 = COM側.

#include "play/com_turn.h"
#include "play/form1.h"
#include "play/side_labels.h"

namespace bexoru {

void Form1::TAIKYOKU_Click() {
    描画.描画_可視(false, false, false);
    描画.描画_棋譜_IO(棋譜IO::非表示);
}

void Form1::STOP_Click() {
    描画.描画_可視(false, false, false);
    描画.描画_棋譜_IO(棋譜IO::非表示);
}

void Form1::OPTION_Click() {
    描画.描画_可視(false, false, false);
    描画.描画_棋譜_IO(棋譜IO::非表示);
}

void Form1::MATCH_MAN_Click() {}

void Form1::START_Click() {
    if (思考中は拒否()) return;
    if (!終局控えを手放す()) return;
    描画.描画_将棋盤桝();
    描画.描画_桝_数値();
    状態.対局モード = 対局_MAN対MAN;
    状態.再生中 = false;
    描画_対局者名(描画, 表示, 5.08, 5.08, "後手:", "先手:", 11);
    移動ヘルプ_解除();

    if (状態.手番 == 未対局 || 記録.記録数 == 0) {
        // A new game: the lower army starts.
        状態.MAN側 = 先手;
        状態.COM側 = 後手;
        状態.手番 = 先手;
        時計.新規(持ち時間);
        port.messageBox(" ", "先手の番です");
    } else {
        // The game goes on from the board. When the upper army moved first,
        // its label beside row 5 reads 先手.
        if (状態.COM側 == 先手) 描画_対局者名(描画, 表示, 5.08, 5.08, "先手:", "後手:", 11);
        if (状態.手番 == 先手) port.messageBox(" ", "先手の番です");
        if (状態.手番 == 後手) port.messageBox(" ", "後手の番です");
    }
    状態.再開確認 = false;
    時計を再開();
    回復記録更新();
}

void Form1::SENTE_Click() {
    if (思考中は拒否()) return;
    if (!終局控えを手放す()) return;
    対COM開始(false);
    回復記録更新();
}

void Form1::GOTE_Click() {
    if (思考中は拒否()) return;
    if (!終局控えを手放す()) return;
    対COM開始(true);
    回復記録更新();
}

void Form1::対COM開始(bool 後手番) {
    描画.描画_レベル(状態.レベル);
    描画.描画_将棋盤桝();
    // Dropping the selection drops a pending second step with it (the next
    // click would do so anyway); the computer, handed the turn below, must
    // not search as if one of its Lions were halfway through a double move.
    状態.クリック段階 = クリック段階型::駒選択;
    状態.二手目状態 = 二手目状態型::一手目;
    状態.対局モード = 対局_COM;
    状態.再生中 = false;
    状態.再開確認 = false;
    // Later moves overwrite the rest of the log from the position on the
    // board. The log's own count, not the move number: a double move takes
    // two entries, and a reversal empties the log but keeps the move number.
    if (!後手番) {
        移動ヘルプ_解除();
        記録.記録終端 = 記録.記録数;
    }
    描画_対局者名(描画, 表示, 5.1, 5.05, "COM:", "MAN:", 10);
    port.refresh();
    if (後手番) {
        移動ヘルプ_解除();
        記録.記録終端 = 記録.記録数;
    }

    const bool 新しい対局 = 後手番 ? 状態.手番 == 未対局 || 状態.手数 == 0 : 状態.手番 == 未対局 || 記録.記録数 == 0;
    // Another game on the board stops the clocks of the last; a new one
    // starts them afresh, a game that goes on keeps their times.
    時計.止める(clock.seconds());
    if (新しい対局) 時計.新規(持ち時間);
    if (新しい対局) {
        if (後手番) {
            状態.MAN側 = 後手;
            状態.COM側 = 先手;
            状態.手番 = 先手;
            com_ban();
        } else {
            状態.MAN側 = 先手;
            状態.COM側 = 後手;
            状態.手番 = 先手;
            port.messageBox(" ", "MANの番です");
            時計を再開();
        }
        return;
    }
    // The game goes on from the board; the armies stay.
    if (状態.手番 == 状態.MAN側) {
        状態.MAN側 = 先手;
        状態.COM側 = 後手;
        状態.手番 = 先手;
        port.messageBox("対局", "MANの番です");
        時計を再開();
    } else if (状態.手番 == 状態.COM側) {
        com_ban();
    }
}

void Form1::CANCEL_Click() {
    if (思考中は拒否()) return;
    if (!破棄の確認(破棄対象::対局)) return;
    初期設定();
    音.鳴らす(音.音_駒打);
    回復記録更新();
}

void Form1::OWARI_Click() {
    思考を中断();
    if (!終了してよいか()) return;
    port.quit();
    終了処理();
}

bool Form1::Form_Unload() {
    思考を中断();
    if (!終了してよいか()) return false;
    port.quit();
    終了処理();
    return true;
}

void Form1::Form_KeyPress(int KeyAscii) {
    if (KeyAscii != キー_Escape) return;
    // While the computer thinks, Escape stops the thinking only.
    if (思考中()) {
        思考を中断();
        port.messageBox(中断_題, 中断_文);
        return;
    }
    if (!終了してよいか()) return;
    port.quit();
    終了処理();
}

}  // namespace bexoru
