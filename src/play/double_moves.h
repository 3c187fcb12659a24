#pragma once
// The person's double moves: which code the second step is checked with.

#include "board/piece.h"

namespace bexoru {

// 二手目駒 after a qualifying first step of dx columns by 駒 (a real code):
// the Eagle's pseudo code of its diagonal (±18.1 toward smaller X, ±18.2
// toward larger X), the Go-between's code for the Falcon (its second step
// goes straight on or back), and the Lion's own code (while the second step
// is pending the move check gives a Lion a King's step).
constexpr 駒コード 二手目の駒(駒コード 駒, int dx) {
    const int 符号 = 駒 < 0 ? -1 : 1;
    switch (駒 * 符号) {
        case 駒::鷲:
            return 符号 * (dx < 0 ? 擬_鷲一 : 擬_鷲二);
        case 駒::鷹:
            return 符号 * 駒::仲;
        default:
            return 駒;
    }
}

}  // namespace bexoru
