#include "records/record_check.h"

#include <cstdlib>
#include <memory>

#include "board/starting_position.h"
#include "rules/move_check.h"
#include "rules/move_logging.h"
#include "rules/promotion.h"
#include "rules/reach_marks.h"

namespace bexoru {

namespace {

// The Soaring Eagle, the Horned Falcon and both Lions may move twice.
bool 二手駒(駒コード c) {
    const int a = std::abs(c);
    return a == 駒::鷲 || a == 駒::鷹 || a == 駒::獅子_成 || a == 駒::獅子;
}

// The code a second step is checked with after a first step of dx columns:
// the Eagle's diagonal (the computer takes 18.1 also after a step straight
// on), the Falcon's file (the Go-between's pattern, which its 24.1 shares),
// the Lion's own code, whose second-step pattern is a King's step.
駒コード 二手目の型(駒コード 駒, int dx) {
    const int 符号 = 駒 < 0 ? -1 : 1;
    switch (std::abs(駒)) {
        case 駒::鷲:
            return 符号 * (dx > 0 ? 擬_鷲二 : 擬_鷲一);
        case 駒::鷹:
            return 符号 * 駒::仲;
        default:
            return 駒;
    }
}

// What the entry before this one was, to tell a second step from a move.
enum class 前の手 {
    なし,    // none, a blank entry, or a step that ended a move
    一手目,  // a step that may have a second step after it
};

struct 照合局面 {
    盤面型 盤面{};
    棋譜記録 記録{};
    対局状態 状態{};
};

}  // namespace

void 棋譜照合(棋譜読込結果& 結果) {
    盤面型 初形;
    初期配置(初形);
    棋譜照合(結果, 初形, 棋譜の規則(結果));
}

void 棋譜照合(棋譜読込結果& 結果, const 盤面型& 初形, ルール 規則) {
    if (結果.不備 != 棋譜不備::なし) return;
    const auto 局 = std::make_unique<照合局面>();
    盤面型& 盤面 = 局->盤面;
    棋譜記録& 記録 = 局->記録;
    初期設定_状態(盤面, 記録, 局->状態);
    盤面 = 初形;
    // Any two different tokens: the Lion-guard survey only needs to tell
    // the upper army (COM側) from the lower one.
    局->状態.MAN側 = 先手;
    局->状態.COM側 = 後手;
    局->状態.規則 = 規則;
    規則局面 局面{盤面, 記録, 局->状態};

    前の手 前 = 前の手::なし;
    const int 数 = static_cast<int>(結果.手々.size());
    for (int k = 1; k <= 数; ++k) {
        const 指し手& 手 = 結果.手々[static_cast<std::size_t>(k - 1)];
        const auto 不備 = [&](棋譜不備 f) {
            結果.不備 = f;
            結果.不備行 = k + 3;
            結果.手々.clear();
        };
        if (記録余地(記録) < 1) return 不備(棋譜不備::多すぎる);

        // A blank line: an entry that names nothing and changes nothing.
        if (手 == 指し手{}) {
            const auto i = static_cast<std::size_t>(k);
            記録.手[i].移動元X = 記録.手[i].移動元Y = 記録.手[i].移動先X = 記録.手[i].移動先Y = 0;
            記録.手[i].移動駒 = 記録.手[i].成駒 = 記録.手[i].取駒 = 空;
            記録.記録数 = 記録.記録終端 = k;
            前 = 前の手::なし;
            continue;
        }
        const int X1 = 手.移動元X, Y1 = 手.移動元Y, X2 = 手.移動先X, Y2 = 手.移動先Y;
        const int dx = X2 - X1, dy = Y2 - Y1;
        const auto 実駒 = [](駒コード c) { return c != 空 && std::abs(c) <= 最大駒コード; };
        if (!盤内(X1, Y1) || !盤内(X2, Y2) || !実駒(手.移動駒) || !実駒(手.成駒) || (手.移動駒 > 0) != (手.成駒 > 0) ||
            std::abs(手.取駒) > 最大駒コード)
            return 不備(棋譜不備::値が不正);

        const 指し手* 直前 = k >= 2 ? &結果.手々[static_cast<std::size_t>(k - 2)] : nullptr;
        const bool 続き = 前 == 前の手::一手目 && 二手駒(手.移動駒) && 手.成駒 == 手.移動駒 && 直前->成駒 == 手.移動駒;

        // A declined second step logs its first step again; the piece
        // already stands on the destination, logged as what it captured.
        if (続き && X1 == 直前->移動元X && Y1 == 直前->移動元Y && X2 == 直前->移動先X && Y2 == 直前->移動先Y &&
            手.取駒 == 手.移動駒 && 盤面(X2, Y2) == 手.移動駒 && 二手目の出る一歩(手.移動駒, dx, dy)) {
            手順保存(盤面, 記録, X1, Y1, X2, Y2, 手.移動駒, 手.成駒);
            前 = 前の手::なし;
            continue;
        }

        if (盤面(X1, Y1) != 手.移動駒) return 不備(棋譜不備::移動元が違う);
        if (盤面(X2, Y2) != 手.取駒) return 不備(棋譜不備::取駒が違う);

        // A second step goes on from where the first one ended, one square.
        bool 二手目 = false;
        if (続き && X1 == 直前->移動先X && Y1 == 直前->移動先Y && std::abs(dx) <= 1 && std::abs(dy) <= 1) {
            const 駒コード 型 = 二手目の型(手.移動駒, 直前->移動先X - 直前->移動元X);
            二手目 = 移動チェック(局面, X1, Y1, X2, Y2, 型, 二手目状態型::二手目);
        }
        if (!二手目 && !移動チェック(局面, X1, Y1, X2, Y2, 手.移動駒, 二手目状態型::一手目))
            return 不備(棋譜不備::指せない手);

        if (手.成駒 != 手.移動駒) {
            駒コード 成駒 = 空;
            if (!調査_駒成(盤面, X1, Y1, X2, Y2, 手.移動駒, 成駒, 規則) || 成駒 != 手.成駒)
                return 不備(棋譜不備::成りが違う);
        } else if (!移動後チェック(Y2, 手.成駒, 規則)) {
            return 不備(棋譜不備::成りが違う);
        }

        手順保存(盤面, 記録, X1, Y1, X2, Y2, 手.移動駒, 手.成駒);
        盤面(X1, Y1) = 空;
        盤面(X2, Y2) = 手.成駒;
        前 = 二手目 ? 前の手::なし : 前の手::一手目;
    }
}

}  // namespace bexoru
