#include "rules/move_check.h"

#include "rules/lion_capture_rules.h"
#include "rules/move_patterns.h"
#include "rules/ranging.h"

namespace bexoru {

namespace {

// The counter-capture rule: right after the opponent took one of the mover's
// Lions, the mover may not take a Lion of exactly the opposite code, unless
// that Lion is the piece that moved in the entry before (it took the Lion as
// the second step of a double move). With no last move there is nothing to
// look back on, and the entry before the first is the sentinel entry 0.
bool 獅子取り返し禁止(const 棋譜記録& 記録, 駒コード 先の駒) {
    if (!獅子か(先の駒)) return false;
    const int n = 記録.記録数;
    if (n < 1 || n > 記録最大) return false;
    const auto i = static_cast<std::size_t>(n);
    return 記録.手[i].取駒 == -先の駒 && 先の駒 != 記録.手[i - 1].成駒;
}

// The standard rules' counter-strike: right after a piece other than a Lion
// took one of the mover's Lions, the mover may take no Lion with a piece other
// than a Lion. A Kirin that promotes as it takes the Lion is not a Lion yet.
bool 獅子返し討ち禁止(const 棋譜記録& 記録, 駒コード 先の駒, 駒コード 移動駒, bool 二手目) {
    if (!獅子か(先の駒) || 獅子か(whole_kind(移動駒))) return false;
    const 指し手* 取った手 = 獅子を取った手(記録, -sign_of(先の駒), 二手目);
    return 取った手 && !獅子か(whole_kind(取った手->移動駒));
}

}  // namespace

const 指し手* 獅子を取った手(const 棋譜記録& 記録, int 符号, bool 二手目) {
    int i = 記録.記録数;
    if (i < 1 || i > 記録最大) return nullptr;
    if (二手目) --i;
    // At most the two entries of one turn, while they are the other side's.
    for (int k = 0; k < 2 && i >= 1; ++k, --i) {
        const 指し手& 手 = 記録.手[static_cast<std::size_t>(i)];
        if (sign_of(手.移動駒) != -符号) break;
        if (獅子か(手.取駒) && sign_of(手.取駒) == 符号) return &手;
    }
    return nullptr;
}

std::optional<桝位置> 返し討ちの桝(const 棋譜記録& 記録, int 符号) {
    const 指し手* 手 = 獅子を取った手(記録, 符号, false);
    if (!手 || 獅子か(whole_kind(手->移動駒)) || !盤内(手->移動先X, 手->移動先Y)) return std::nullopt;
    return 桝位置{手->移動先X, 手->移動先Y};
}

bool 移動チェック(規則局面& 局面, int X1, int Y1, int X2, int Y2, 駒コード 移動駒) {
    return 移動チェック(局面, X1, Y1, X2, Y2, 移動駒, 局面.状態.二手目状態);
}

bool 移動チェック(規則局面& 局面, int X1, int Y1, int X2, int Y2, 駒コード 移動駒, 二手目状態型 二手目状態) {
    // The common checks, in order: the destination is a square, holds none of
    // the mover's pieces, differs from the source, and passes the Lion look-back.
    if (!盤内(X2, Y2)) return false;
    const 駒コード 先の駒 = 局面.盤面(X2, Y2);
    if ((移動駒 >= 1 && 先の駒 >= 1) || (移動駒 <= -1 && 先の駒 <= -1)) return false;
    if (X1 == X2 && Y1 == Y2) return false;
    const bool 標準 = 局面.状態.規則 == ルール::標準;
    if (標準 ? 獅子返し討ち禁止(局面.記録, 先の駒, 移動駒, 二手目状態 == 二手目状態型::二手目)
             : 獅子取り返し禁止(局面.記録, 先の駒))
        return false;

    // The pattern of the moving code.
    const int 番号 = 動き番号(移動駒, 二手目状態);
    if (番号 == 動き_なし) return true;
    const int dx = X2 - X1;
    const int dy = Y2 - Y1;
    if (dx < -最大変位 || dx > 最大変位 || dy < -最大変位 || dy > 最大変位) return false;
    const int 前進 = 移動駒 > 0 ? dy : -dy;
    // The standard Falcon jumps to the second square ahead over whatever stands between.
    const bool 鷹の跳び = 標準 && 番号 == 駒::鷹 && dx == 0 && 前進 == 2;
    switch (移動型の(番号, dx, 前進)) {
        case 移動型::不可:
            return false;
        case 移動型::走り:
            if (!鷹の跳び && !線上空き(局面.盤面, X1, Y1, X2, Y2)) return false;
            break;
        case 移動型::跳び:
            break;
    }

    // A Lion may not take a defended Lion in one move (under the standard
    // rules only one two squares away); its second step is judged by the
    // mouse handler's own rules.
    const bool 隣 = dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
    if ((番号 == 駒::獅子 || 番号 == 駒::獅子_成) && 獅子か(先の駒) && !(標準 && 隣)) {
        const int 守る側 = 先の駒 > 0 ? 局面.状態.COM側 : 局面.状態.MAN側;
        if (調査_獅守(局面, 守る側, X1, Y1, X2, Y2)) return false;
    }
    return true;
}

}  // namespace bexoru
