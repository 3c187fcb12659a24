#pragma once
// Positions shared by the benchmarks.

#include "board/board.h"

namespace bexoru::bench {

// A crowded middle game: both Lions out in the centre, pawns locked and
// exchanged, ranging pieces with open lines into the other army.
inline 盤面型 中盤局面() {
    static constexpr int 行[盤サイズ][盤サイズ] = {
        {3, 19, 5, 9, 13, 37, 39, 13, 9, 5, 19, 3},
        {28, 0, 21, 0, 30, 25, 0, 30, 0, 21, 0, 28},
        {7, 11, 15, 0, 17, 0, 32, 17, 23, 15, 11, 7},
        {1, 1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 1},
        {0, 0, 1, 35, 23, 1, 27, 1, 35, 0, 1, 0},
        {0, 0, 0, 0, 0, 34, 0, 0, -1, 0, 0, 0},
        {0, 0, -1, 0, 0, 0, -34, 0, 0, 0, 0, 0},
        {0, -1, 0, -35, -1, -27, -1, -35, -1, 0, -1, 0},
        {-1, 0, -1, -1, 0, -23, 0, -1, 0, -1, 0, -1},
        {-7, -11, -15, 0, -17, 0, -32, -17, -23, -15, -11, -7},
        {-28, 0, -21, 0, -30, 0, -25, -30, 0, -21, 0, -28},
        {-3, -19, -5, -9, -13, -39, -37, -13, -9, -5, -19, -3},
    };
    盤面型 b;
    for (int Y = 1; Y <= 盤サイズ; ++Y) {
        for (int X = 1; X <= 盤サイズ; ++X) b(X, Y) = 行[Y - 1][X - 1];
    }
    return b;
}

}  // namespace bexoru::bench
