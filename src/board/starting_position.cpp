#include "board/starting_position.h"

namespace bexoru {

namespace 初期配置表 {
using namespace 駒;
// The upper army's back three rows, row by row from row 1.
// clang-format off
constexpr 駒コード 上段[3][盤サイズ] = {
    {香,   豹,   銅,   銀,   金,   象,   王,   金,   銀,   銅,   豹,   香},
    {反,   空,   角行, 空,   虎,   鳳,   麒,   虎,   空,   角行, 空,   反},
    {横行, 竪行, 飛車, 龍馬, 龍王, 奔王, 獅子, 龍王, 龍馬, 飛車, 竪行, 横行},
};
// clang-format on
}  // namespace 初期配置表

void 初期配置(盤面型& 盤面) {
    for (int Y = 1; Y <= 盤サイズ; ++Y) {
        for (int X = 1; X <= 盤サイズ; ++X) {
            盤面(X, Y) = Y == 4 ? 駒::歩 : Y == 9 ? -駒::歩 : 空;
        }
    }
    for (int r = 0; r < 3; ++r) {
        for (int X = 1; X <= 盤サイズ; ++X) {
            const 駒コード c = 初期配置表::上段[r][X - 1];
            盤面(X, r + 1) = c;
            盤面(盤サイズ + 1 - X, 盤サイズ - r) = -c;  // turned by 180 degrees
        }
    }
    盤面(4, 5) = 駒::仲;
    盤面(9, 5) = 駒::仲;
    盤面(4, 8) = -駒::仲;
    盤面(9, 8) = -駒::仲;
}

void 初期設定_状態(盤面型& 盤面, 棋譜記録& 記録, 対局状態& 状態) {
    状態.ハンデレベル = 0;
    状態.ハンデ済 = false;
    状態.再生中 = false;
    状態.手番 = 未対局;
    状態.手数 = 0;
    状態.移動ヘルプ = 移動ヘルプ型::切;
    記録.記録数 = 0;
    記録.記録終端 = 0;
    状態.反転済 = false;
    // Entry 0 stands before the first real entry, so a look-back to it finds a harmless value.
    記録.手[0].成駒 = +1;
    状態.クリック段階 = クリック段階型::駒選択;
    初期配置(盤面);
}

}  // namespace bexoru
