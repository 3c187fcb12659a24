#include "rules/reach_marks.h"

#include <array>

namespace bexoru {

void 描画_移動可能桝色(規則局面& 局面, 描画器& 描画, const 表示設定& 表示, int X, int Y, int colour, 駒コード code) {
    描画.描画_将棋盤桝();

    // At most the eight neighbours of a Lion offer a second step.
    std::array<桝位置, 8> 二手目桝{};
    std::size_t 二手目数 = 0;
    for (int i = 1; i <= 盤サイズ; ++i) {
        for (int j = 1; j <= 盤サイズ; ++j) {
            if (移動チェック(局面, X, Y, i, j, code) != ON) continue;
            描画.描画_桝輪郭(colour, i, j);
            if (二手目の出る一歩(code, i - X, j - Y) && 二手目数 < 二手目桝.size()) 二手目桝[二手目数++] = {i, j};
        }
    }
    if (colour == 表示.桝輪郭色) return;
    for (std::size_t k = 0; k < 二手目数; ++k) 描画.描画_桝輪郭(表示.選択色, 二手目桝[k].X, 二手目桝[k].Y);
}

}  // namespace bexoru
