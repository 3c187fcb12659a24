#include "play/side_labels.h"

namespace bexoru {

void 描画_対局者名(描画器& 描画, const 表示設定& 表示, double 消去行, double 上行, std::string_view 上,
                   std::string_view 下, int サイズ) {
    constexpr double 列 = 14, 影 = 0.1;
    描画.描画_四角形(列, 消去行, 595, 800, 表示.背景色);
    描画.描画_数値(列 + 影, 上行 + 影, 上, 表示.黒色, 0, サイズ);
    描画.描画_数値(列, 上行, 上, 表示.文字色, 0, サイズ);
    描画.描画_数値(列 + 影, 上行 + 1 + 影, 下, 表示.黒色, 0, サイズ);
    描画.描画_数値(列, 上行 + 1, 下, 表示.文字色, 0, サイズ);
}

}  // namespace bexoru
