// The displays around the board, each cleared and printed with a drop
// shadow: coordinates, move number, last move of each side, level caption.

#include "play/display_texts.h"
#include "play/drawing.h"

namespace bexoru {

namespace {
constexpr double 影 = 0.1;        // the black copy stands 0.1 column right and 0.1 row down
constexpr int 座標サイズ = 10;    // coordinate labels
constexpr int 手数サイズ = 12;    // the move number
constexpr int 手目サイズ = 10;    // "手目" after it
constexpr int 行番号基数 = 1000;  // 描画_移動数値 prints 1000 + Y as the row numeral
}  // namespace

void 描画器::描画_桝_数値() {
    const int 黒 = 表示_.黒色, 文字 = 表示_.文字色;
    for (int i = 1; i <= 盤サイズ; ++i) {
        // Columns read 12 down to 1 from left to right.
        描画_四角形(i + 0.1, 0.6, 400, 210, 表示_.背景色);
        描画_数値(i + 0.1 + 影, 0.6 + 影, 13 - i, 黒, 0, 座標サイズ);
        描画_数値(i + 0.1, 0.6, 13 - i, 文字, 0, 座標サイズ);
        // Rows read 一 to 十二 from top to bottom.
        描画_四角形(13.1, i + 0.3, 400, 210, 表示_.背景色);
        描画_数値(13.1 + 影, i + 0.3 + 影, i, 黒, 1, 座標サイズ);
        描画_数値(13.1, i + 0.3, i, 文字, 1, 座標サイズ);
    }
}

void 描画器::描画_手数(int number, int colour) {
    // Fewer digits stand further right so the numbers end near the same place.
    // Four digits step back further: at 14.6 their last one would touch "手目".
    const double c = number < 10 ? 14.9 : number < 100 ? 14.8 : number < 1000 ? 14.7 : 14.5;
    // The box starts where a four-digit number starts: a box from further
    // right would leave the edge of its first digit behind when the count
    // drops below 1000 (taking moves back). It ends where it always did.
    描画_四角形(14.5, 3.3, 1250 + 3 * 影 * 桝幅, 300, 表示_.背景色);
    描画_数値(c + 影, 3.3 + 影, number, 表示_.黒色, 0, 手数サイズ);
    描画_数値(c, 3.3, number, colour, 0, 手数サイズ);

    描画_四角形(15.8, 3.1, 2200, 560, 表示_.背景色);
    描画_文字列(15.8 + 影, 3.1 + 影, 手目値, 表示_.黒色, 手目サイズ);
    描画_文字列(15.8, 3.1, 手目値, colour, 手目サイズ);
}

void 描画器::消去_移動結果(double c, double r) {
    描画_四角形(c - 0.3, r, 1250, 400, 表示_.背景色);
}

void 描画器::描画_移動結果(double c, double r, int X, int Y, 駒コード code, int colour) {
    const int 黒 = 表示_.黒色;
    消去_移動結果(c, r);
    // Columns are numbered from the right, as above the board.
    描画_移動数値(c + 影, r + 影, 13 - X, 黒);
    描画_移動数値(c, r, 13 - X, colour);
    描画_移動数値(c + 0.4 + 影, r + 影, 行番号基数 + Y, 黒);
    描画_移動数値(c + 0.4, r, 行番号基数 + Y, colour);
    // 十一 and 十二 take two kanji, so the piece moves right to make room.
    const double 駒c = c + (Y >= 11 ? 1.6 : 1.0);
    描画_移動駒種類(駒c + 影, r + 影, code, 黒);
    描画_移動駒種類(駒c, r, code, colour);
}

void 描画器::描画_レベル(int IN_LEVEL) {
    const double c = レベル表示X, r = レベル表示Y;
    // Cleared first: a narrower digit would leave the old one showing.
    描画_四角形(c - 1.5, r, 1100, 400, 表示_.背景色);
    描画_数値(c - 1.5 + 影, r + 0.1 + 影, "LEVEL", 表示_.黒色, 0, 10);
    描画_数値(c - 1.5, r + 0.1, "LEVEL", 表示_.文字色, 0, 10);
    描画_数値(c + 影, r + 影, IN_LEVEL, 表示_.黒色, 0, 12);
    描画_数値(c, r, IN_LEVEL, 表示_.文字色, 0, 12);
}

void 描画器::描画_規則(ルール 規則) {
    // Between the title and the move number, inside the panel a full redraw clears.
    const double c = 14.6, r = 2.3;
    描画_四角形(c - 0.1, r - 0.1, 1900, 360, 表示_.背景色);
    if (規則 != ルール::標準) return;
    描画_数値(c + 影, r + 影, 規則表示_標準, 表示_.黒色, 0, 10);
    描画_数値(c, r, 規則表示_標準, 表示_.文字色, 0, 10);
}

}  // namespace bexoru
