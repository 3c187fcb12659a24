// The computer's turn (com_ban): the thinking notice, the search, then the
// move played on the board, in the log and on the screen, its second step,
// the surveys of the new position, the announcements and the end of the
// game, and the turn handed back to the person.

#include "play/com_turn.h"

#include "engine/influence.h"
#include "engine/mate.h"
#include "engine/piece_count.h"
#include "play/form1.h"
#include "play/move_drawing.h"
#include "play/search_levels.h"
#include "rules/move_logging.h"

namespace bexoru {

std::string 結果の文(std::string_view 結果) {
    return 結果 == 結果_引き分け ? std::string("引き分けです") : std::string(結果) + "の勝ちです";
}

void Form1::com_ban() {
    // The turn being thought about already is not started twice.
    if (思考中()) return;
    ++COM手番.回数;
    const int 前の手数 = 状態.手数;
    // The computer plays the upper army.
    時計.動かす(1, clock.seconds());
    if (COM手番.代役) {
        COM手番.代役();
        if (状態.手数 != 前の手数) 回復記録更新();
        return;
    }
    if (記録余地(記録) < 2) {
        // The turn stays with the computer, and nothing changed.
        時計.止める(clock.seconds());
        拒否(棋譜満杯_題, 棋譜満杯_文);
        return;
    }
    思考中表示();
    if (探索レベルか(状態.レベル)) {
        // The answer is played when it comes back (com_search.cpp).
        探索を始める();
        return;
    }
    com_ban着手(com探索(盤面, 記録, 状態, com図, man図));
    if (状態.手数 != 前の手数) 回復記録更新();
}

void Form1::思考中表示() {
    const double X = 表示.結果表示X_COM;
    const double Y = 表示.結果表示Y_COM;
    描画.描画_四角形(X - 0.3, Y, 1250, 400, 表示.背景色);
    描画.描画_数値(X - 0.1, Y + 0.2, 思考中_文, 表示.黒色, 0, 12);
    描画.描画_数値(X - 0.3, Y, 思考中_文, 表示.結果表示色, 0, 12);
    port.refresh();
}

void Form1::COM一歩(const 指し手& 手, bool 点滅) {
    手順保存(盤面, 記録, 手.移動元X, 手.移動元Y, 手.移動先X, 手.移動先Y, 手.移動駒, 手.成駒);
    if (点滅) 描画.描画_駒点滅(手.移動駒, 手.移動元X, 手.移動元Y, 2);
    駒移動(局面, 描画, 表示, 手.移動元X, 手.移動元Y, 手.移動先X, 手.移動先Y, 手.成駒);
    音.鳴らす(音.音_駒打);
    描画.描画_桝輪郭(表示.文字色, 手.移動先X, 手.移動先Y);
}

void Form1::com_ban着手(const 探索結果& r) {
    // An answer that came back too late is not played.
    if (時間切れ判定()) return;
    時計.着手(1, clock.seconds());
    if (!r.手) {
        port.messageBox(指し手なし_題, 指し手なし_文);
        終了(結果_MAN勝ち);
        return;
    }
    const 指し手& 手 = *r.手;

    // The move, and its second step.
    駒コード 取った駒[2] = {盤面(手.移動先X, 手.移動先Y), 空};
    // A first step that takes the person's last royal piece ends the game:
    // no second step follows it.
    const bool 王族で終わる = 最後の王族を取る(盤面, 取った駒[0]);
    COM一歩(手, true);
    if (r.二手目 && !王族で終わる) {
        port.messageBox(二手目_題, 二手目_文);
        const 駒コード 駒 = 二手目の駒(r.二手目駒);
        const 指し手 二手目{手.移動先X, 手.移動先Y, r.二手目->移動先X, r.二手目->移動先Y, 駒, 駒};
        取った駒[1] = 盤面(二手目.移動先X, 二手目.移動先Y);
        COM一歩(二手目, false);
    }
    ++状態.手数;
    描画.描画_手数(状態.手数, 表示.文字色);

    // The new position's maps.
    勢力調査_両軍(盤面, com図, man図);

    // Announcements and the end of the game; the first that applies.
    if (詰めかMAN(局面, com図, man図)) {
        port.messageBox(詰め_題, 詰め_文);
    } else {
        const 駒数 数 = 盤上駒数(盤面);
        if (状態.規則 == ルール::本来 && (数.MAN駒数 < 2 || 数.COM駒数 < 2) && 数.COM駒数 > 数.MAN駒数) {
            port.messageBox(駒枯れ_題, 駒枯れ_文);
            終了(結果_引き分け);
            return;
        }
        const bool 王族を取った =
            取った駒[0] == -駒::王 || 取った駒[0] == -駒::太子 || 取った駒[1] == -駒::王 || 取った駒[1] == -駒::太子;
        if (王族を取った) {
            if (最後の王族を取る(取った駒[0], man図) || 最後の王族を取る(取った駒[1], man図)) {
                終了(結果_COM勝ち);
                return;
            }
        } else if (com図.COM勢力.at(man図.MAN王X, man図.MAN王Y) > 0) {
            port.messageBox("", 王手_文);
        } else if (com図.COM勢力.at(man図.MAN太X, man図.MAN太Y) > 0) {
            port.messageBox("", 王手太子_文);
        }
    }

    if (標準の終局判定(+1)) return;

    描画.描画_移動結果(表示.結果表示X_COM, 表示.結果表示Y_COM, 手.移動先X, 手.移動先Y, 手.成駒, 表示.文字色);
    状態.手番 = 状態.MAN側;
    時計.動かす(-1, clock.seconds());
}

}  // namespace bexoru
