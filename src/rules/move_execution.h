#pragma once
// Carrying out a move on the board.

#include "board/board.h"

namespace bexoru {

// What 盤上移動 changed: the code that stood on the destination (空 when it
// was empty) and whether anything moved at all.
struct 盤上移動結果 {
    駒コード 取駒 = 空;
    bool 動いた = false;
};

// Moves the code c from (X1, Y1) to (X2, Y2). Whatever stood on the
// destination is gone (the log keeps it). The caller passes the promoted code
// when the move promotes; legality is the caller's business. Doing the same
// move twice leaves the board as doing it once. A square off the board changes
// nothing, and a piece "moved" onto its own square stays there.
盤上移動結果 盤上移動(盤面型& 盤面, int X1, int Y1, int X2, int Y2, 駒コード c);

}  // namespace bexoru
