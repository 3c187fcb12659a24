// Squares, pieces, the whole board and the full redraw.

#include "play/drawing.h"

#include <string>

namespace bexoru {

void 描画器::描画_桝(int X, int Y) {
    port_.paintPicture("KARA_MASU", 座標X(X), 座標Y(Y));
    描画_桝輪郭(表示_.背景色, X, Y);
}

void 描画器::描画_駒(駒コード code, int X, int Y) {
    const std::string name = 駒画像名(code);
    if (!name.empty()) port_.paintPicture(name, 座標X(X), 座標Y(Y));
    描画_桝輪郭(表示_.背景色, X, Y);
}

void 描画器::描画_桝輪郭(int colour, int X, int Y) {
    port_.outlineBox(座標X(X), 座標Y(Y), 桝幅, 桝高, colour);
}

void 描画器::描画_将棋盤桝() {
    for (int X = 1; X <= 盤サイズ; ++X)
        for (int Y = 1; Y <= 盤サイズ; ++Y) 描画_桝輪郭(表示_.桝輪郭色, X, Y);
}

void 描画器::描画_盤() {
    for (int X = 1; X <= 盤サイズ; ++X) {
        for (int Y = 1; Y <= 盤サイズ; ++Y) {
            描画_桝(X, Y);
            if (盤面_(X, Y) != 空) 描画_駒(盤面_(X, Y), X, Y);
            描画_桝輪郭(表示_.背景色, X, Y);
        }
    }
}

void 描画器::描画_四角形(double c, double r, double width, double height, int colour) {
    port_.fillBox(座標X(c), 座標Y(r), width, height, colour);
}

void 描画器::画面_再描画() {
    描画_四角形(14, 2, 2000, 4000, 表示_.背景色);
    描画_盤();
    描画_桝_数値();
    port_.paintPicture("TITLE", 座標X(14.2), 座標Y(1));
}

}  // namespace bexoru
