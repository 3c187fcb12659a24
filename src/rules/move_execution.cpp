#include "rules/move_execution.h"

namespace bexoru {

盤上移動結果 盤上移動(盤面型& 盤面, int X1, int Y1, int X2, int Y2, 駒コード c) {
    if (!盤内(X1, Y1) || !盤内(X2, Y2)) return {};
    盤上移動結果 r{盤面(X2, Y2), true};
    盤面(X2, Y2) = c;
    if (X1 != X2 || Y1 != Y2) 盤面(X1, Y1) = 空;
    return r;
}

}  // namespace bexoru
