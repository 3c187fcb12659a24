#include "rules/reach_marks.h"

namespace bexoru {

到達桝一覧 到達可能桝(規則局面& 局面, int X, int Y, 駒コード code) {
    到達桝一覧 r;
    for (int i = 1; i <= 盤サイズ; ++i) {
        for (int j = 1; j <= 盤サイズ; ++j) {
            if (!移動チェック(局面, X, Y, i, j, code)) continue;
            r.桝[r.数++] = {i, j};
            if (二手目の出る一歩(code, i - X, j - Y) && r.二手目数 < r.二手目桝.size())
                r.二手目桝[r.二手目数++] = {i, j};
        }
    }
    return r;
}

}  // namespace bexoru
