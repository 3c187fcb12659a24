#pragma once
// Board reversal: the position turned half a turn, every piece changing side.

#include "board/board.h"
#include "board/move_log.h"

namespace bexoru {

// Moves every piece to the point-symmetric square (13 − X, 13 − Y) and negates
// its code; empty squares stay empty. Twice gives the position back.
void 盤面反転(盤面型& 盤面);

// Empties the move log: no entries on the board, none beyond. The piece
// columns of every entry (0 included) are zeroed; the squares are left as
// they were.
void 記録消去(棋譜記録& 記録);

}  // namespace bexoru
