#pragma once
// Reach marks: outlining every square a piece could move to, and the squares
// of those where a double mover would be offered a second step.

#include <cstdlib>

#include "board/presentation.h"
#include "rules/move_check.h"
#include "ui/drawing.h"

namespace bexoru {

// Whether a step of (dx, dy) by the code is a first step after which a second
// step is offered: any one-square step of a Lion, one square diagonally
// forward for the Soaring Eagle, one square straight forward for the Horned
// Falcon. Pseudo codes never qualify.
constexpr bool 二手目の出る一歩(駒コード code, int dx, int dy) {
    const int 前進 = code > 0 ? dy : -dy;
    switch (code < 0 ? -code : code) {
        case 駒::獅子:
        case 駒::獅子_成:
            return std::abs(dx) <= 1 && std::abs(dy) <= 1 && (dx != 0 || dy != 0);
        case 駒::鷲:
            return std::abs(dx) == 1 && 前進 == 1;
        case 駒::鷹:
            return dx == 0 && 前進 == 1;
        default:
            return false;
    }
}

// Outlines, in the colour, every square the piece with that code standing on
// (X, Y) could move to, after clearing every earlier mark. Unless the colour
// is 桝輪郭色 (which erases the marks), the squares that would offer a second
// step are outlined once more in 選択色.
void 描画_移動可能桝色(規則局面& 局面, 描画器& 描画, const 表示設定& 表示, int X, int Y, int colour, 駒コード code);

}  // namespace bexoru
