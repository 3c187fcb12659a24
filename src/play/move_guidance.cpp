// Move guidance: the reach marks of a clicked piece are always drawn, in
// 盤色; the option only makes that colour visible (white) or the plain
// outline colour.

#include "play/form1.h"

namespace bexoru {

void Form1::SIDOU_Click() {
    if (port.isMenuChecked("SIDOU")) {
        描画.描画_将棋盤桝();
        port.setMenuChecked("SIDOU", false);
        表示.盤色 = 表示.桝輪郭色;
    } else {
        port.setMenuChecked("SIDOU", true);
        表示.盤色 = 表示.文字色;
    }
    描画.描画_将棋盤桝();
    書込_環境設定ファイル();
}

}  // namespace bexoru
