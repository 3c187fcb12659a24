#pragma once
#include "board/board.h"
#include "board/game_state.h"
#include "board/move_log.h"

namespace bexoru {

// Fills the board with the starting position: 46 pieces a side, the lower
// army the upper one turned by 180 degrees with its codes negated.
void 初期配置(盤面型& 盤面);

// The per-game reset of 初期設定 without its final redraw: starting position,
// no game running, empty move log, handicap and reversal flags cleared.
// Levels, colours, the game mode, the sides and 二手目状態 are left alone.
void 初期設定_状態(盤面型& 盤面, 棋譜記録& 記録, 対局状態& 状態);

}  // namespace bexoru
