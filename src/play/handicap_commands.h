#pragma once
// The handicap grade as the side panel shows it.

#include "board/presentation.h"
#include "play/drawing.h"

namespace bexoru {

// The grade caption beside the board, with its drop shadow, over a cleared box.
void 描画_ハンデレベル(描画器& 描画, const 表示設定& 表示, int レベル);

}  // namespace bexoru
