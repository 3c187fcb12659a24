#pragma once
// How many pieces each army has on the board, as the bare-army rules of the
// evaluation and of the game's end count them: every code below 0 is the
// lower army's (the human's), every code above 0 the upper army's (the
// computer's), royal pieces and pseudo codes alike.

#include "board/board.h"

namespace bexoru {

struct 駒数 {
    int MAN駒数 = 0;
    int COM駒数 = 0;
};

constexpr 駒数 盤上駒数(const 盤面型& 盤面) {
    駒数 n;
    for (int x = 1; x <= 盤サイズ; ++x) {
        for (int y = 1; y <= 盤サイズ; ++y) {
            const 駒コード c = 盤面(x, y);
            if (c >= 1) ++n.COM駒数;
            if (c <= -1) ++n.MAN駒数;
        }
    }
    return n;
}

}  // namespace bexoru
