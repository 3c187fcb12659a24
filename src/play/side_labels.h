#pragma once
// The two side labels of the side panel: the upper army's beside its
// last-move text on row 5, the lower army's beside row 6.

#include <string_view>

#include "board/presentation.h"
#include "play/drawing.h"

namespace bexoru {

// Clears the label area from row 消去行 (column 14, 595 × 800 twips) and
// prints the two labels on column 14 at rows 上行 and 上行 + 1, each under a
// black shadow 0.1 right and 0.1 down.
void 描画_対局者名(描画器& 描画, const 表示設定& 表示, double 消去行, double 上行, std::string_view 上,
                   std::string_view 下, int サイズ);

}  // namespace bexoru
