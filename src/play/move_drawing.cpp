#include "play/move_drawing.h"

#include "rules/move_execution.h"
#include "rules/reach_marks.h"

namespace bexoru {

void 駒移動(規則局面& 局面, 描画器& 描画, const 表示設定& 表示, int X1, int Y1, int X2, int Y2, 駒コード c) {
    if (!盤内(X1, Y1) || !盤内(X2, Y2)) return;
    描画_移動可能桝色(局面, 描画, 表示, X1, Y1, 表示.桝輪郭色, c);
    描画.描画_桝(X1, Y1);
    盤上移動(局面.盤面, X1, Y1, X2, Y2, c);
    描画.描画_駒(c, X2, Y2);
    描画.描画_桝輪郭(表示.背景色, X2, Y2);
}

void 描画_移動可能桝色(規則局面& 局面, 描画器& 描画, const 表示設定& 表示, int X, int Y, int colour, 駒コード code) {
    描画.描画_将棋盤桝();
    const 到達桝一覧 到達 = 到達可能桝(局面, X, Y, code);
    for (std::size_t k = 0; k < 到達.数; ++k) 描画.描画_桝輪郭(colour, 到達.桝[k].X, 到達.桝[k].Y);
    if (colour == 表示.桝輪郭色) return;
    for (std::size_t k = 0; k < 到達.二手目数; ++k)
        描画.描画_桝輪郭(表示.選択色, 到達.二手目桝[k].X, 到達.二手目桝[k].Y);
}

}  // namespace bexoru
