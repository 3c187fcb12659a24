#pragma once
// The two side labels of the side panel: the upper army's beside its
// last-move text on row 5, the lower army's beside row 6.

#include <string_view>

#include "board/game_state.h"
#include "board/presentation.h"
#include "play/drawing.h"

namespace bexoru {

// Clears the label area from row 消去行 (column 14, 595 × 800 twips) and
// prints the two labels on column 14 at rows 上行 and 上行 + 1, each under a
// black shadow 0.1 right and 0.1 down.
void 描画_対局者名(描画器& 描画, const 表示設定& 表示, double 消去行, double 上行, std::string_view 上,
                   std::string_view 下, int サイズ);

// The captions of the game that runs, after a redraw cleared the side panel:
// against the computer the level and "COM:"/"MAN:", between two people
// "先手:"/"後手:" with the army that moved first beside its row. Nothing
// before a game has started.
void 描画_対局の見出し(描画器& 描画, const 表示設定& 表示, const 対局状態& 状態);

}  // namespace bexoru
