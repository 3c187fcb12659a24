// The first step of the person's double moves. The Lion may take a second
// step after any one-square step, the Soaring Eagle after one square
// diagonally forward, the Horned Falcon after one square straight forward;
// the player is asked each time. The second step itself is an ordinary
// destination click (mouse_input.cpp), checked with 二手目駒.

#include "play/double_moves.h"
#include "play/form1.h"
#include "play/move_drawing.h"
#include "rules/move_logging.h"
#include "rules/reach_marks.h"

namespace bexoru {

bool Form1::移動処理_鷲(int& 移動元X, int& 移動元Y, int 移動先X, int 移動先Y, 駒コード 二手目駒) {
    // ±18.1 and ±18.2 stand for the Eagle itself.
    const 駒コード 駒 = (二手目駒 < 0 ? -1 : 1) * whole_kind(二手目駒);
    return 一手目と問い(移動元X, 移動元Y, 移動先X, 移動先Y, 駒, 二手目駒);
}

bool Form1::移動処理_鷹(int& 移動元X, int& 移動元Y, int 移動先X, int 移動先Y, 駒コード 二手目駒) {
    // The Go-between's code stands for the Falcon's second step.
    const 駒コード 駒 = 二手目駒 == -駒::仲 ? -駒::鷹 : 二手目駒 == 駒::仲 ? 駒::鷹 : 二手目駒;
    return 一手目と問い(移動元X, 移動元Y, 移動先X, 移動先Y, 駒, 二手目駒);
}

bool Form1::移動処理_獅(int& 移動元X, int& 移動元Y, int 移動先X, int 移動先Y, 駒コード 二手目駒) {
    // The marks of the Lion's second step are a King's.
    return 一手目と問い(移動元X, 移動元Y, 移動先X, 移動先Y, 二手目駒, 二手目駒 > 0 ? 駒::王 : -駒::王);
}

bool Form1::一手目と問い(int& 移動元X, int& 移動元Y, int 移動先X, int 移動先Y, 駒コード 駒, 駒コード 二手目模様) {
    音.鳴らす(音.音_駒打);
    駒移動(局面, 描画, 表示, 移動元X, 移動元Y, 移動先X, 移動先Y, 駒);
    描画_移動可能桝色(局面, 描画, 表示, 移動先X, 移動先Y, 表示.盤色, 二手目模様);
    if (port.askYesNo("２手移動", "もう一手移動しますか？")) {
        状態.二手目状態 = 二手目状態型::二手目;
        描画.描画_桝輪郭(表示.選択色, 移動先X, 移動先Y);
        移動元X = 移動先X;
        移動元Y = 移動先Y;
        return false;
    }
    // Declined: the step is logged again. The board has already changed, so
    // this entry's captured code is the moving piece itself, and a recapture
    // of a Lion taken this way is not held back by the counter-capture rule.
    手順保存(盤面, 記録, 移動元X, 移動元Y, 移動先X, 移動先Y, 駒, 駒);
    return true;
}

}  // namespace bexoru
