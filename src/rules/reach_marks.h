#pragma once
// The squares a piece can reach, and those of them where a double mover would
// be offered a second step.

#include <array>
#include <cstddef>
#include <cstdlib>

#include "rules/move_check.h"

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
            return abs_of(dx) <= 1 && abs_of(dy) <= 1 && (dx != 0 || dy != 0);
        case 駒::鷲:
            return abs_of(dx) == 1 && 前進 == 1;
        case 駒::鷹:
            return dx == 0 && 前進 == 1;
        default:
            return false;
    }
}

// Every square the piece with that code standing on (X, Y) may move to, in
// column-major order (column 1 first, each column from row 1), and, of those,
// the squares that would offer a second step (a Lion has at most eight).
struct 到達桝一覧 {
    std::array<桝位置, 盤サイズ * 盤サイズ> 桝{};
    std::size_t 数 = 0;
    std::array<桝位置, 8> 二手目桝{};
    std::size_t 二手目数 = 0;
};
到達桝一覧 到達可能桝(規則局面& 局面, int X, int Y, 駒コード code);

}  // namespace bexoru
