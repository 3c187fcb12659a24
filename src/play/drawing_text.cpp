// Texts printed at a board position: plain values, kanji numerals, the parts
// of the last-move text and the captions of the side panel.

#include <string>

#include "play/display_texts.h"
#include "play/drawing.h"

namespace bexoru {

namespace {
constexpr int 移動表示サイズ = 12;    // font size of the last-move text
constexpr double 二桁左寄せ = 100;    // twips "10".."12" move left to end near "１".."９"
constexpr int 行番号基数 = 1000;      // 描画_移動数値 prints 1001..1012 as a row numeral
constexpr double 文字列右寄せ = 120;  // 描画_文字列 prints right of and below its position
constexpr double 文字列下寄せ = 160;
}  // namespace

void 描画器::印字(double c, double r, std::string_view text, int colour, int fontSize) {
    if (text.empty()) return;
    port_.printText(座標X(c), 座標Y(r), text, fontSize, colour);
}

void 描画器::描画_数値(double c, double r, int value, int colour, int kind, int fontSize) {
    if (kind == 0) {
        印字(c, r, std::to_string(value), colour, fontSize);
    } else if (kind == 1) {
        印字(c, r, 漢数字(value), colour, fontSize);
    }
}

void 描画器::描画_数値(double c, double r, std::string_view value, int colour, int kind, int fontSize) {
    if (kind == 0) 印字(c, r, value, colour, fontSize);
}

void 描画器::描画_移動数値(double c, double r, int value, int colour) {
    if (value >= 1 && value <= 9) {
        印字(c, r, 全角数字(value), colour, 移動表示サイズ);
    } else if (value >= 10 && value <= 12) {
        port_.printText(座標X(c) - 二桁左寄せ, 座標Y(r), std::to_string(value), 移動表示サイズ, colour);
    } else {
        印字(c, r, 漢数字(value - 行番号基数), colour, 移動表示サイズ);
    }
}

void 描画器::描画_移動駒種類(double c, double r, 駒コード code, int colour) {
    印字(c, r, 駒ラベル(code), colour, 移動表示サイズ);
}

void 描画器::描画_文字列(double c, double r, int value, int colour, int fontSize) {
    const std::string_view text = 表示文字列(value);
    if (text.empty()) return;
    port_.printText(座標X(c) + 文字列右寄せ, 座標Y(r) + 文字列下寄せ, text, fontSize, colour);
}

}  // namespace bexoru
