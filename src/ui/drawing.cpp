#include "ui/drawing.h"

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

void 描画器::描画_桝輪郭(int colour, int X, int Y) { port_.outlineBox(座標X(X), 座標Y(Y), 桝幅, 桝高, colour); }

void 描画器::画面_再描画() {
    // The board's pictures come with the window; until then the side panel is cleared.
    port_.fillBox(座標X(14), 座標Y(2), 2000, 4000, 表示_.背景色);
}

}  // namespace bexoru
