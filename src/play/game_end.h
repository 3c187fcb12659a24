#pragma once
// The end of a game.

#include "board/board.h"

namespace bexoru {

// Whether taking the piece 取駒, which still stands on the board, takes its
// army's last royal piece (its King with no Crown Prince, or the reverse):
// such a capture ends the game at once, even with a double mover's first step.
bool 最後の王族を取る(const 盤面型& 盤面, 駒コード 取駒);

}  // namespace bexoru
