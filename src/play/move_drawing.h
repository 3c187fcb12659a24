#pragma once
// A move and the reach marks as the player sees them on the board.

#include "board/presentation.h"
#include "play/drawing.h"
#include "rules/move_check.h"

namespace bexoru {

// Moves the code c from (X1, Y1) to (X2, Y2) on the board (see 盤上移動) and
// on the screen: erases the reach marks, draws the source empty and c on the
// destination, and outlines the destination in 背景色. A square off the board
// changes nothing.
void 駒移動(規則局面& 局面, 描画器& 描画, const 表示設定& 表示, int X1, int Y1, int X2, int Y2, 駒コード c);

// Outlines, in the colour, every square the piece with that code standing on
// (X, Y) could move to, after clearing every earlier mark. Unless the colour
// is 桝輪郭色 (which erases the marks), the squares that would offer a second
// step are outlined once more in 選択色.
void 描画_移動可能桝色(規則局面& 局面, 描画器& 描画, const 表示設定& 表示, int X, int Y, int colour, 駒コード code);

}  // namespace bexoru
