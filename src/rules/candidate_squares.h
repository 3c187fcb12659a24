#pragma once
// The rectangle of destinations worth trying for a piece, used by the
// computer's search to skip squares a short-range piece cannot reach.

#include "board/piece.h"

namespace bexoru {

// The columns O_X1..O_X2 and rows O_Y1..O_Y2 to try for the piece IN_駒 on
// (IN_X, IN_Y). Only the upper army's codes are narrowed; every other code
// gets the whole board. The lower bounds are only raised to 1 and the upper
// bounds only lowered to 12, so a range may be empty (O_X1 > O_X2 or
// O_Y1 > O_Y2). Every square in it must still pass the move check.
void 取得_駒移動座標(駒コード IN_駒, int IN_X, int IN_Y, int& O_X1, int& O_X2, int& O_Y1, int& O_Y2);

}  // namespace bexoru
