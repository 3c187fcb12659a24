#include "play/com_turn_core.h"

#include "engine/influence.h"
#include "engine/mate.h"
#include "play/move_drawing.h"
#include "rules/move_logging.h"

namespace bexoru {

namespace {

// The thinking notice in the computer's last-move place, with a drop shadow.
void 思考中表示(com_ban文脈& c) {
    const 表示設定& 表示 = c.表示;
    const double X = 表示.結果表示X_COM;
    const double Y = 表示.結果表示Y_COM;
    c.描画.描画_四角形(X - 0.3, Y, 1250, 400, 表示.背景色);
    c.描画.描画_数値(X - 0.1, Y + 0.2, 思考中_文, 表示.黒色, 0, 12);
    c.描画.描画_数値(X - 0.3, Y, 思考中_文, 表示.結果表示色, 0, 12);
    c.port.refresh();
}

// One step into the log and onto the board and screen, with its sound and the
// outline of its destination; the piece blinks first on its origin when asked.
void 一歩指す(com_ban文脈& c, 規則局面& 局面, const 指し手& 手, bool 点滅) {
    手順保存(c.盤面, c.記録, 手.移動元X, 手.移動元Y, 手.移動先X, 手.移動先Y, 手.移動駒, 手.成駒);
    if (点滅) c.描画.描画_駒点滅(手.移動駒, 手.移動元X, 手.移動元Y, 2);
    駒移動(局面, c.描画, c.表示, 手.移動元X, 手.移動元Y, 手.移動先X, 手.移動先Y, 手.成駒);
    c.音.鳴らす(c.音.音_駒打);
    c.描画.描画_桝輪郭(c.表示.文字色, 手.移動先X, 手.移動先Y);
}

}  // namespace

void com_ban実行(com_ban文脈& c) {
    if (記録余地(c.記録) < 2) {
        c.音.鳴らす(c.音.音_禁止);
        c.port.messageBox(棋譜満杯_題, 棋譜満杯_文);
        return;
    }
    思考中表示(c);
    const 探索結果 r = com探索(c.盤面, c.記録, c.状態, c.com, c.man);
    com_ban着手(c, r);
}

void com_ban着手(com_ban文脈& c, const 探索結果& r) {
    if (!r.手) {
        c.port.messageBox(指し手なし_題, 指し手なし_文);
        c.終了(結果_MAN勝ち);
        return;
    }
    規則局面 局面{c.盤面, c.記録, c.状態};
    const 指し手& 手 = *r.手;

    // The move, and its second step.
    駒コード 取った駒[2] = {c.盤面(手.移動先X, 手.移動先Y), 空};
    // A first step that takes the person's last royal piece ends the game:
    // no second step follows it.
    const bool 王族で終わる = 最後の王族を取る(c.盤面, 取った駒[0]);
    一歩指す(c, 局面, 手, true);
    if (r.二手目 && !王族で終わる) {
        c.port.messageBox(二手目_題, 二手目_文);
        const 駒コード 駒 = 二手目の駒(r.二手目駒);
        const 指し手 二手目{手.移動先X, 手.移動先Y, r.二手目->移動先X, r.二手目->移動先Y, 駒, 駒};
        取った駒[1] = c.盤面(二手目.移動先X, 二手目.移動先Y);
        一歩指す(c, 局面, 二手目, false);
    }
    ++c.状態.手数;
    c.描画.描画_手数(c.状態.手数, c.表示.文字色);

    // The new position's maps.
    勢力調査_両軍(c.盤面, c.com, c.man);

    // Announcements and the end of the game; the first that applies.
    if (詰めかMAN(局面, c.com, c.man)) {
        c.port.messageBox(詰め_題, 詰め_文);
    } else {
        int man駒数 = 0, com駒数 = 0;
        c.調査_駒数(man駒数, com駒数);
        if ((man駒数 < 2 || com駒数 < 2) && com駒数 > man駒数) {
            c.port.messageBox(駒枯れ_題, 駒枯れ_文);
            c.終了(結果_引き分け);
            return;
        }
        const bool 王族を取った =
            取った駒[0] == -駒::王 || 取った駒[0] == -駒::太子 || 取った駒[1] == -駒::王 || 取った駒[1] == -駒::太子;
        if (王族を取った) {
            if (最後の王族を取る(取った駒[0], c.man) || 最後の王族を取る(取った駒[1], c.man)) {
                c.終了(結果_COM勝ち);
                return;
            }
        } else if (c.com.COM勢力.at(c.man.MAN王X, c.man.MAN王Y) > 0) {
            c.port.messageBox("", 王手_文);
        } else if (c.com.COM勢力.at(c.man.MAN太X, c.man.MAN太Y) > 0) {
            c.port.messageBox("", 王手太子_文);
        }
    }

    c.描画.描画_移動結果(c.表示.結果表示X_COM, c.表示.結果表示Y_COM, 手.移動先X, 手.移動先Y, 手.成駒, c.表示.文字色);
    c.状態.手番 = c.状態.MAN側;
}

}  // namespace bexoru
