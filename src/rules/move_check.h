#pragma once
// The move check: the single authority on how every piece moves.

#include <optional>

#include "board/board.h"
#include "board/game_state.h"
#include "board/move_log.h"

namespace bexoru {

// What the move check reads besides its arguments. The board is not const:
// the Lion-guard survey lifts two pieces off it and puts them back.
struct 規則局面 {
    盤面型& 盤面;
    const 棋譜記録& 記録;  // the Lion look-back reads the last entries
    const 対局状態& 状態;  // 二手目状態 for the Lion; MAN側 and COM側 for the guard survey
};

// Whether the piece 移動駒 (a real or pseudo code) may move from (X1, Y1) to
// (X2, Y2) on the current board. It does not know whose turn it is and does
// not look at what stands on the source square.
bool 移動チェック(規則局面& 局面, int X1, int Y1, int X2, int Y2, 駒コード 移動駒);

// The same with the Lion's state given instead of read from 局面.状態:
// 二手目状態型::二手目 asks about a Lion's second step, 一手目 about its whole
// move. The guard survey judges every guard by its whole move.
bool 移動チェック(規則局面& 局面, int X1, int Y1, int X2, int Y2, 駒コード 移動駒, 二手目状態型 二手目状態);

// The standard counter-strike's look-back: the log entry of the other side's
// last turn that took a Lion of the side 符号 (+1 upper, -1 lower), or null.
// A double move is two entries (a declined second step logs its first step
// again); during the mover's second step (二手目) the last entry is its own
// first step and is passed over.
const 指し手* 獅子を取った手(const 棋譜記録& 記録, int 符号, bool 二手目);
// Where the counter-strike binds the side 符号 to move (a piece other than a
// Lion took its Lion there in the other side's last turn); nothing otherwise.
std::optional<桝位置> 返し討ちの桝(const 棋譜記録& 記録, int 符号);

// Whether a piece of the side whose turn token is 手番 could move onto the
// Lion's square (獅X, 獅Y) once the capturing piece on (X1, Y1) and the Lion
// are lifted off the board. The board is the same afterwards in every case.
bool 調査_獅守(規則局面& 局面, int 手番, int X1, int Y1, int 獅X, int 獅Y);

}  // namespace bexoru
