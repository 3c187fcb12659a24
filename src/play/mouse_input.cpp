// A person's moves: every press on the window, in the order the program
// answers it. A move takes two presses: the first selects a piece of the side
// to move, the second names its destination. The Lion, Falcon and Eagle may
// then take a second step with one more press.

#include <cstdlib>

#include "play/form1.h"
#include "engine/influence.h"
#include "engine/piece_count.h"
#include "play/double_moves.h"
#include "rules/lion_capture_rules.h"
#include "play/move_drawing.h"
#include "rules/move_logging.h"
#include "rules/promotion.h"
#include "rules/reach_marks.h"

namespace bexoru {

namespace {

// Whether the piece belongs to the army whose turn it is: the lower army
// (negative codes) moves when 手番 = MAN側, the upper army when 手番 = COM側.
bool 今動かせる(const 対局状態& 状態, 駒コード c) {
    return (状態.手番 == 状態.MAN側 && c < 0) || (状態.手番 == 状態.COM側 && c > 0);
}

}  // namespace

void Form1::Form_MouseDown(int Button, int /*Shift*/, double X, double Y) {
    // Only the left and the right button take part in the game.
    if (Button != 左ボタン && Button != 右ボタン) return;
    状態行.clear();
    // A click after a flag fell finds the game over.
    if (時間切れ判定()) return;
    if (思考中は拒否()) return;
    描画.描画_可視(false, false, false);
    描画.描画_棋譜_IO(棋譜IO::非表示);

    if (状態.再生中) {
        // Declining drops the replayed record for a fresh board.
        if (!port.askYesNo("棋譜", "棋譜を '進 'で進めて下さい")) {
            音.鳴らす(音.音_禁止);
            初期設定();
        }
        return;
    }

    const 桝位置 桝 = マウス桝(X, Y);
    if (状態.移動ヘルプ != 移動ヘルプ型::切) {
        移動ヘルプ_処理(Button, 桝.X, 桝.Y);
        return;
    }
    if (状態.手番 == 未対局) {
        拒否("開始", "「対局」で始めて下さい");
        return;
    }

    手番の告知();
    // The computer's move just made may have ended the game; at levels 4 to
    // 6 it is still thinking, and this click was only the go-ahead.
    if (状態.手番 == 未対局 || 思考中()) return;
    時計を再開();
    if (!盤内(桝.X, 桝.Y)) return;

    if (状態.クリック段階 == クリック段階型::駒選択) {
        駒の選択(桝.X, 桝.Y);
    } else {
        行き先の指定(Button, 桝.X, 桝.Y);
    }
}

void Form1::手番の告知() {
    if (状態.対局モード == 対局_MAN対MAN) {
        if (状態.再開確認) {
            状態.再開確認 = false;
            if (状態.手番 == 先手) port.messageBox("対局", "先手の番です");
            if (状態.手番 == 後手) port.messageBox("対局", "後手の番です");
        }
        return;
    }
    if (状態.手番 == 状態.COM側) {
        // The computer is to move (a record was stepped to its turn): it
        // moves now, and this click then counts as the person's.
        port.messageBox("再開(COM)", "OKですか？");
        状態.再開確認 = false;
        com_ban();
    } else if (状態.手番 == 状態.MAN側 && 状態.再開確認) {
        状態.再開確認 = false;
        port.messageBox("対局", "MANの番です");
    }
}

void Form1::駒の選択(int X, int Y) {
    状態.二手目状態 = 二手目状態型::一手目;
    const 駒コード c = 盤面(X, Y);
    if (c == 空) return;
    入力.移動元X = X;
    入力.移動元Y = Y;
    入力.移動駒 = c;
    // Any piece shows where it could go, the opponent's too; only a piece of
    // the side to move is selected.
    描画_移動可能桝色(局面, 描画, 表示, X, Y, 表示.盤色, c);
    if (今動かせる(状態, c)) {
        状態.クリック段階 = クリック段階型::行き先選択;
        描画.描画_桝輪郭(表示.選択色, X, Y);
    } else {
        描画.描画_桝輪郭(表示.盤色, X, Y);
        状態行 = "相手の駒です";
    }
}

void Form1::行き先の指定(int Button, int X, int Y) {
    入力.移動先X = X;
    入力.移動先Y = Y;
    int& 元X = 入力.移動元X;
    int& 元Y = 入力.移動元Y;
    const 駒コード 先の駒 = 盤面(X, Y);
    const bool 二手目 = 状態.二手目状態 == 二手目状態型::二手目;

    if (二手目) {
        // A click on the piece itself ends the move where it stands.
        if (X == 元X && Y == 元Y) {
            二手目で止める();
            return;
        }
        if (!移動チェック(局面, 元X, 元Y, X, Y, 入力.二手目駒)) {
            拒否("2手目移動中", "そこへ移動できません！");
            return;
        }
    }

    if (const auto 禁 = 調査_獅子取り(局面, 元X, 元Y, X, Y, 入力.移動駒)) {
        拒否(禁->題, 禁->文);
        return;
    }

    // Another piece of the side to move takes over the selection.
    if (先の駒 != 空 && 今動かせる(状態, 先の駒)) {
        元X = X;
        元Y = Y;
        入力.移動駒 = 先の駒;
        描画_移動可能桝色(局面, 描画, 表示, X, Y, 表示.盤色, 先の駒);
        描画.描画_桝輪郭(表示.選択色, X, Y);
        return;
    }

    // An opposing piece out of reach drops the selection and shows its moves.
    if (先の駒 != 空 && (先の駒 > 0) != (入力.移動駒 > 0) && !移動チェック(局面, 元X, 元Y, X, Y, 入力.移動駒)) {
        描画.描画_桝輪郭(表示.桝輪郭色, 元X, 元Y);
        描画_移動可能桝色(局面, 描画, 表示, X, Y, 表示.盤色, 先の駒);
        描画.描画_桝輪郭(表示.盤色, X, Y);
        状態.クリック段階 = クリック段階型::駒選択;
        状態行 = "相手の駒です";
        return;
    }

    // Anywhere else the piece cannot go, the click is ignored.
    if (!移動チェック(局面, 元X, 元Y, X, Y, 入力.移動駒)) {
        状態行 = "そこへは動けません";
        return;
    }
    if ((入力.移動駒 < 0 && 状態.手番 == 状態.COM側) || (入力.移動駒 > 0 && 状態.手番 == 状態.MAN側)) return;

    // A 歩 or 香 on its last row must promote: the right button does it.
    if (!移動後チェック(Y, 入力.移動駒, 状態.規則) && Button == 左ボタン) {
        port.messageBox("成り", "マウスの右をクリックして下さい");
        return;
    }

    // A first step that offers a second one logs two entries, whatever the
    // answer. One that takes the last royal piece ends the game instead.
    const bool 二手の出る一歩 =
        !二手目 && 二手目の出る一歩(入力.移動駒, X - 元X, Y - 元Y) && !最後の王族を取る(盤面, 先の駒);
    if (記録余地(記録) < (二手の出る一歩 ? 2 : 1)) {
        拒否(棋譜満杯_題, 棋譜満杯_文);
        return;
    }

    // The right button promotes where promotion is allowed; the left never does.
    const 駒コード 移動元駒 = 入力.移動駒;
    if (Button == 右ボタン && 調査_駒成(盤面, 元X, 元Y, X, Y, 入力.移動駒, 状態.成駒結果, 状態.規則)) {
        入力.移動駒 = 状態.成駒結果;
    }

    手順保存(盤面, 記録, 元X, 元Y, X, Y, 移動元駒, 入力.移動駒);
    const 駒コード 取駒 = 先の駒;
    const bool 上の手 = 入力.移動駒 >= 1;
    描画.描画_移動結果(上の手 ? 表示.結果表示X_COM : 表示.結果表示X_MAN,
                       上の手 ? 表示.結果表示Y_COM : 表示.結果表示Y_MAN, X, Y, 入力.移動駒, 表示.結果表示色);

    if (!二手目) {
        入力.二手目駒 = 入力.移動駒;
        if (二手の出る一歩) {
            入力.二手目駒 = 二手目の駒(移動元駒, X - 元X);
            bool 終わり = true;
            switch (std::abs(移動元駒)) {
                case 駒::鷲:
                    終わり = 移動処理_鷲(元X, 元Y, X, Y, 入力.二手目駒);
                    break;
                case 駒::鷹:
                    終わり = 移動処理_鷹(元X, 元Y, X, Y, 入力.二手目駒);
                    break;
                default:
                    終わり = 移動処理_獅(元X, 元Y, X, Y, 入力.二手目駒);
                    break;
            }
            if (!終わり) return;  // the second step comes with the next click
        }
        着手完了(取駒, 空);
        return;
    }
    // The second step: its first step is the entry before this one.
    着手完了(取駒, 記録.手[static_cast<std::size_t>(記録.記録数 - 1)].取駒);
}

void Form1::二手目で止める() {
    // As if the player had declined the second step: the first step is
    // logged once more (its captured code is the piece itself, which already
    // stands there), and the move is complete.
    const auto n = static_cast<std::size_t>(記録.記録数);
    const 駒コード 一手目の取駒 = 記録.手[n].取駒;
    手順保存(盤面, 記録, 記録.手[n].移動元X, 記録.手[n].移動元Y, 入力.移動元X, 入力.移動元Y, 入力.移動駒, 入力.移動駒);
    入力.移動先X = 入力.移動元X;
    入力.移動先Y = 入力.移動元Y;
    着手完了(空, 一手目の取駒);
}

void Form1::着手完了(駒コード 取駒, 駒コード 一手目の取駒) {
    駒移動(局面, 描画, 表示, 入力.移動元X, 入力.移動元Y, 入力.移動先X, 入力.移動先Y, 入力.移動駒);
    描画_移動可能桝色(局面, 描画, 表示, 入力.移動先X, 入力.移動先Y, 表示.桝輪郭色, 入力.移動駒);
    状態.二手目状態 = 二手目状態型::一手目;
    状態.クリック段階 = クリック段階型::駒選択;
    ++状態.手数;
    描画.描画_手数(状態.手数, 表示.文字色);
    const 駒数 残り駒 = 盤上駒数(盤面);
    音.鳴らす(音.音_駒打);

    勢力調査_両軍(盤面, com図, man図);

    // A move made after the flag fell (the mover answered a question too
    // late) loses by time.
    if (時間切れ判定()) return;
    const int 指した軍 = 札の軍(状態.手番);
    時計.着手(指した軍, clock.seconds());
    if (終局判定(取駒, 一手目の取駒, 残り駒.MAN駒数, 残り駒.COM駒数)) return;
    if (状態.対局モード == 対局_COM) {
        // The person's move is kept before the computer starts to think.
        回復記録更新(状態.COM側);
        com_ban();
    } else {
        状態.手番 = -状態.手番;
        時計.動かす(-指した軍, clock.seconds());
        回復記録更新();
    }
}

}  // namespace bexoru
