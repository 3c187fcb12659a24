#include "rules/move_execution.h"

#include "rules/reach_marks.h"

namespace bexoru {

void 駒移動(規則局面& 局面, 描画器& 描画, const 表示設定& 表示, int X1, int Y1, int X2, int Y2, 駒コード c) {
    if (!盤内(X1, Y1) || !盤内(X2, Y2)) return;
    描画_移動可能桝色(局面, 描画, 表示, X1, Y1, 表示.桝輪郭色, c);
    描画.描画_桝(X1, Y1);
    局面.盤面(X2, Y2) = c;
    描画.描画_駒(c, X2, Y2);
    if (X1 != X2 || Y1 != Y2) 局面.盤面(X1, Y1) = 空;
    描画.描画_桝輪郭(表示.背景色, X2, Y2);
}

}  // namespace bexoru
