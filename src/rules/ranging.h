#pragma once
// Ranging moves: whether the squares strictly between two squares on one
// straight line are empty. This looks only at the line, not at the
// destination's content nor at which way the mover faces; the move check
// refuses a destination holding the mover's own piece and restricts
// directions itself.

#include "board/board.h"

namespace bexoru {

// True when every square strictly between (X1, Y1) and (X2, Y2) is empty. The
// two squares must lie on one orthogonal or diagonal line; squares off the
// board read as empty.
constexpr bool 線上空き(const 盤面型& 盤面, int X1, int Y1, int X2, int Y2) {
    const int sx = (X2 > X1) - (X2 < X1);
    const int sy = (Y2 > Y1) - (Y2 < Y1);
    for (int x = X1 + sx, y = Y1 + sy; x != X2 || y != Y2; x += sx, y += sy) {
        if (盤面.at(x, y) != 空) return false;
    }
    return true;
}

}  // namespace bexoru
