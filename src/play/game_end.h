#pragma once
// Counting the armies, for the bare-army rule that ends a game.

#include "board/board.h"

namespace bexoru {

// The number of pieces of the lower army (negative codes, the person's) and
// of the upper army (positive codes), royal pieces included.
void 調査_駒数(const 盤面型& 盤面, int& O_MAN駒数, int& O_COM駒数);

// Whether taking the piece 取駒, which still stands on the board, takes its
// army's last royal piece (its King with no Crown Prince, or the reverse):
// such a capture ends the game at once, even with a double mover's first step.
bool 最後の王族を取る(const 盤面型& 盤面, 駒コード 取駒);

}  // namespace bexoru
