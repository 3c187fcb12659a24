// The end of a game: the tests after a person's move, the result
// announcement with the offer of a new game, and the orderly end of the
// program.

#include <string>

#include "play/form1.h"
#include "engine/influence.h"
#include "engine/mate.h"
#include "play/com_turn.h"
#include "rules/repetition.h"

namespace bexoru {

void Form1::終了(std::string_view 結果) {
    // The game that ended stays, to be saved, until the next game starts.
    時計.止める(clock.seconds());
    保全.終局控え = 今の対局();
    保全.終局控え->終局 = true;
    回復記録更新();

    port.messageBox("終了", 結果の文(結果));
    if (!port.askYesNo("再ゲーム", "続けますか？") && 終了してよいか()) {
        port.quit();
        終了処理();
        return;
    }
    // A new game, or the player kept the unsaved game: a fresh board.
    初期設定();
    回復記録更新();
}

void Form1::終了処理() {
    音.全音解放();
}

std::string_view Form1::勝者の名(int 軍) const {
    if (状態.対局モード == 対局_COM) return 軍 > 0 ? 結果_COM勝ち : 結果_MAN勝ち;
    // The turn token of the army, as the side labels name them ("先手" for
    // the lower army unless the upper army moved first in this game).
    const bool 上が先手 = 状態.MAN側 == 後手;
    return (軍 > 0) == 上が先手 ? "先手" : "後手";
}

bool Form1::標準の終局判定(int 指した軍) {
    if (状態.規則 != ルール::標準) return false;
    if (const int 裸 = 裸王の軍(盤面); 裸 != 0) {
        port.messageBox(裸王_題, 裸王_文);
        終了(勝者の名(-裸));
        return true;
    }
    if (両軍とも王族だけ(盤面)) {
        port.messageBox(裸王_題, 裸王_文);
        終了(結果_引き分け);
        return true;
    }
    if (局面の回数(盤面, 記録) >= 千日手の回数) {
        port.messageBox(千日手_題, 千日手_文);
        終了(勝者の名(-指した軍));
        return true;
    }
    return false;
}

bool Form1::終局判定(駒コード 取駒, 駒コード 一手目の取駒, int MAN駒数, int COM駒数) {
    // A double move can take a royal piece with either step; the surveys of
    // the new position have just cleared and rewritten the royal squares.
    const bool 上の玉を取った = 最後の王族を取る(取駒, com図) || 最後の王族を取る(一手目の取駒, com図);
    const bool 下の玉を取った = 最後の王族を取る(取駒, man図) || 最後の王族を取る(一手目の取駒, man図);

    // Under the standard rules a bare King takes the place of the lone piece.
    const bool 本来 = 状態.規則 == ルール::本来;
    if (状態.対局モード == 対局_COM) {
        if (本来 && (MAN駒数 <= 1 || COM駒数 <= 1) && MAN駒数 > COM駒数) {
            port.messageBox("終局", "駒枯れになりました");
            終了("あなた");
            return true;
        }
        if (詰めかCOM(局面, com図, man図)) {
            // Not while the person's only royal piece stands attacked itself.
            const bool 王だけ攻められ =
                man図.MAN王X > 0 && man図.MAN太X == 0 && com図.COM勢力.at(man図.MAN王X, man図.MAN王Y) > 0;
            const bool 太子だけ攻められ =
                man図.MAN王X == 0 && man図.MAN太X > 0 && com図.COM勢力.at(man図.MAN太X, man図.MAN太Y) > 0;
            if (!王だけ攻められ && !太子だけ攻められ) {
                終了("あなた");
                return true;
            }
        }
        if (上の玉を取った) {
            終了("あなた");
            return true;
        }
        return 標準の終局判定(-1);
    }

    // Two people: the winner is named by the turn token of the army that won,
    // as the side labels name them ("先手" for the lower army unless the
    // upper army moved first in this game).
    const std::string_view 下の名 = 状態.MAN側 == 後手 ? "後手" : "先手";
    const std::string_view 上の名 = 状態.MAN側 == 後手 ? "先手" : "後手";
    if (本来 && (MAN駒数 <= 1 || COM駒数 <= 1)) {
        port.messageBox("終局", "駒枯れになりました");
        終了(MAN駒数 > COM駒数 ? 下の名 : 上の名);
        return true;
    }
    if (上の玉を取った) {
        終了(下の名);
        return true;
    }
    if (下の玉を取った) {
        終了(上の名);
        return true;
    }
    return 標準の終局判定(状態.手番 == 状態.COM側 ? +1 : -1);
}

}  // namespace bexoru
