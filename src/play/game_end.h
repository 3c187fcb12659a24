#pragma once
// Counting the armies, for the bare-army rule that ends a game.

#include "board/board.h"

namespace bexoru {

// The number of pieces of the lower army (negative codes, the person's) and
// of the upper army (positive codes), royal pieces included.
void 調査_駒数(const 盤面型& 盤面, int& O_MAN駒数, int& O_COM駒数);

}  // namespace bexoru
