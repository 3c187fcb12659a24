#pragma once
// Carrying out a move on the board and on the screen.

#include "board/presentation.h"
#include "rules/move_check.h"
#include "ui/drawing.h"

namespace bexoru {

// Moves the code c from (X1, Y1) to (X2, Y2): erases the reach marks, draws
// the source empty and c on the destination, and outlines the destination in
// 背景色. Whatever stood on the destination is gone (the log keeps it). The
// caller passes the promoted code when the move promotes; legality is the
// caller's business. Doing the same move twice leaves the board as doing it
// once. A square off the board changes nothing, and a piece "moved" onto its
// own square stays there.
void 駒移動(規則局面& 局面, 描画器& 描画, const 表示設定& 表示, int X1, int Y1, int X2, int Y2, 駒コード c);

}  // namespace bexoru
