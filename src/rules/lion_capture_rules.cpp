#include "rules/lion_capture_rules.h"

#include <cstdlib>

namespace bexoru {

namespace {

// The standard rules: the counter-strike, then a Lion taking a Lion that
// stood two squares from where the capturing Lion began its move.
std::optional<獅子禁手> 標準の獅子取り(規則局面& 局面, int X1, int Y1, int X2, int Y2, 駒コード 移動駒) {
    const 駒コード 的 = 局面.盤面.at(X2, Y2);
    const 棋譜記録& 記録 = 局面.記録;
    const int n = 記録.記録数 >= 1 && 記録.記録数 <= 記録最大 ? 記録.記録数 : 0;
    const 指し手 最後 = n >= 1 ? 記録.手[static_cast<std::size_t>(n)] : 指し手{};
    const bool 二手目 = 局面.状態.二手目状態 == 二手目状態型::二手目 && n >= 1;
    const bool 獅子が動く = 獅子か(whole_kind(移動駒));

    if (!獅子が動く) {
        const 指し手* 取った手 = 獅子を取った手(記録, -sign_of(的), 二手目);
        if (取った手 && !獅子か(whole_kind(取った手->移動駒))) return 禁手_返し討ち;
        return std::nullopt;
    }
    if ((移動駒 > 0) == (的 > 0)) return std::nullopt;

    // Where the Lion began its move: the first step's origin during a second step.
    const int 元X = 二手目 ? 最後.移動元X : X1;
    const int 元Y = 二手目 ? 最後.移動元Y : Y1;
    if (std::abs(X2 - 元X) <= 1 && std::abs(Y2 - 元Y) <= 1) return std::nullopt;
    const int 守る側 = 的 > 0 ? 局面.状態.COM側 : 局面.状態.MAN側;
    if (二手目) {
        const int 的の符号 = 的 > 0 ? 1 : -1;
        if (最後.取駒 != 空 && 最後.取駒 != 的の符号 * 駒::歩 && 最後.取駒 != 的の符号 * 駒::仲) return std::nullopt;
        if (!調査_獅守(局面, 守る側, X1, Y1, X2, Y2)) return std::nullopt;
        return 最後.取駒 == 空 ? 禁手_離れ獅子 : 禁手_付け食い;
    }
    if (調査_獅守(局面, 守る側, X1, Y1, X2, Y2)) return 禁手_離れ獅子;
    return std::nullopt;
}

}  // namespace

std::optional<獅子禁手> 調査_獅子取り(規則局面& 局面, int X1, int Y1, int X2, int Y2, 駒コード 移動駒) {
    const 駒コード 的 = 局面.盤面.at(X2, Y2);
    if (!獅子か(的)) return std::nullopt;
    const 棋譜記録& 記録 = 局面.記録;
    // With an empty log there is nothing to look back on.
    const int n = 記録.記録数 >= 1 && 記録.記録数 <= 記録最大 ? 記録.記録数 : 0;
    const 駒コード 最後の取駒 = n >= 1 ? 記録.手[static_cast<std::size_t>(n)].取駒 : 空;
    const 駒コード 前の駒 = n >= 1 ? 記録.手[static_cast<std::size_t>(n - 1)].成駒 : 空;

    if (局面.状態.規則 == ルール::標準) return 標準の獅子取り(局面, X1, Y1, X2, Y2, 移動駒);

    // Rule 1: either of the mover's Lions taken by the last entry forbids
    // taking the other side's Lion, whatever piece moves now.
    if (n >= 1 && 的 != 前の駒) {
        if (的 > 0 && 移動駒 < 0 && (最後の取駒 == -駒::獅子_成 || 最後の取駒 == -駒::獅子)) return 禁手_先獅子;
        if (的 < 0 && 移動駒 > 0 && (最後の取駒 == 駒::獅子_成 || 最後の取駒 == 駒::獅子)) return 禁手_先獅子;
    }

    // Rule 2: a Lion taking a Lion of the other side.
    if (!獅子か(移動駒) || (移動駒 > 0) == (的 > 0)) return std::nullopt;
    const int 守る側 = 的 > 0 ? 局面.状態.COM側 : 局面.状態.MAN側;
    const int 的の符号 = 的 > 0 ? 1 : -1;
    auto 守られている = [&] { return 調査_獅守(局面, 守る側, X1, Y1, X2, Y2); };
    if (局面.状態.二手目状態 != 二手目状態型::二手目 || 最後の取駒 == 空) {
        if (守られている()) return 禁手_獅子守り;
        return std::nullopt;
    }
    // A second step: the first step's capture decides. Only a bridge over a
    // piece worth more than a 歩 or 仲 lets a Lion take a defended Lion.
    if (最後の取駒 == 的の符号 * 駒::歩 || 最後の取駒 == 的の符号 * 駒::仲) {
        if (守られている()) return 禁手_付け食い;
    }
    return std::nullopt;
}

}  // namespace bexoru
