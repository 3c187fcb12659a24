#include "rules/ranging.h"

#include "board/game_state.h"

namespace bexoru {

int 移動チェック上下(const 盤面型& 盤面, int X1, int Y1, int X2, int Y2) {
    return X1 == X2 && Y1 != Y2 && 線上空き(盤面, X1, Y1, X2, Y2) ? ON : OFF;
}

int 移動チェック左右(const 盤面型& 盤面, int X1, int Y1, int X2, int Y2) {
    return Y1 == Y2 && X1 != X2 && 線上空き(盤面, X1, Y1, X2, Y2) ? ON : OFF;
}

int 移動チェック飛車(const 盤面型& 盤面, int X1, int Y1, int X2, int Y2) {
    if (X1 != X2 && Y1 != Y2) return OFF;
    if (移動チェック上下(盤面, X1, Y1, X2, Y2) == ON) return ON;
    return 移動チェック左右(盤面, X1, Y1, X2, Y2);
}

int 移動チェック角(const 盤面型& 盤面, int X1, int Y1, int X2, int Y2) {
    const int dx = X2 - X1;
    const int dy = Y2 - Y1;
    if (dx == 0 || (dx != dy && dx != -dy)) return OFF;
    return 線上空き(盤面, X1, Y1, X2, Y2) ? ON : OFF;
}

}  // namespace bexoru
