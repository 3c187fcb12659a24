// Turning the position round and emptying the log.

#include "board/reversal.h"

namespace bexoru {

void 盤面反転(盤面型& 盤面) {
    const 盤面型 元 = 盤面;
    for (int X = 1; X <= 盤サイズ; ++X)
        for (int Y = 1; Y <= 盤サイズ; ++Y) 盤面(盤サイズ + 1 - X, 盤サイズ + 1 - Y) = -元(X, Y);
}

void 記録消去(棋譜記録& 記録) {
    for (指し手& 手 : 記録.手) 手.取駒 = 手.移動駒 = 手.成駒 = 空;
    記録.記録数 = 0;
    記録.記録終端 = 0;
}

}  // namespace bexoru
