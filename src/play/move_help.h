#pragma once
// Move help: any piece, set alone on a demonstration square of an emptied
// board, may be moved to show what it does (double moves and promotion
// included); afterwards the game position comes back as it was.

#include <optional>

#include "board/board.h"
#include "board/game_state.h"

namespace bexoru {

// The help's own state, besides its stage (移動ヘルプ in 対局状態).
struct 移動ヘルプ状態 {
    盤面型 移動ヘルプ盤面控{};  // the game position, taken when the help starts
    int ヘルプX = 0;            // square of the demonstrated piece
    int ヘルプY = 0;
    // 二手目 while the demonstrated piece's second step is pending.
    二手目状態型 ヘルプ手数 = 二手目状態型::一手目;
    駒コード ヘルプ二手目駒 = 空;  // the pseudo code of a pending second step
};

// The demonstration row (on column 6) for a real code: step movers one row
// in front of the middle, the others in the middle, the lower army below the
// upper. Nothing for a code outside the table.
std::optional<int> HLP駒Y座標(駒コード code);

// The pseudo code the help checks a second step with, after the first step
// of dx columns by a Lion, Falcon or Eagle: ±18.1 toward smaller X and ±18.2
// toward larger X for the Eagle, ±24.1 for the Falcon, ±33.1 or ±34.1 for the
// Lion.
駒コード ヘルプ二手目の駒(駒コード code, int dx);

}  // namespace bexoru
