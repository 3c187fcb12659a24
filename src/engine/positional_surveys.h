#pragma once
// Small positional questions the evaluation asks about the board as it
// stands: how many safe destinations a piece has, how crowded a square's
// neighbourhood is with the computer's strong pieces, and whether a square is
// backed from below by a human Lance, Rook or Dragon King. (Which pieces are
// pinned to their King, 調査_移動不可駒, is declared with its result in
// evaluation.h.)
//
// Legality is asked of 移動チェック. A survey that lifts a piece for its
// question puts it back before it returns: the board is the same afterwards.

#include "board/board.h"
#include "engine/influence_maps.h"
#include "rules/move_check.h"

namespace bexoru {

// The destinations the piece p on (X, Y) may move to that the other side
// does not reach (MAN勢力 = 0 for a computer piece, COM勢力 = 0 for a human
// one). A Lion of either side counts 1 whatever the position.
int 調査_移動可場所数(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man, int X, int Y, 駒コード p);

// Minus the number of squares around (X, Y) that hold a computer piece coded
// 20 or more (a Bishop and every larger code, the royal pieces included).
// Only neighbours in columns and rows 1..9 are looked at: 0 to -8.
int 調査_周辺状況(const 盤面型& 盤面, int X, int Y);

// Whether, with (X, Y) emptied, the first human Lance, Rook or Dragon King
// below it in its column (toward row 12) could move onto it, with no computer
// piece between.
bool 調査_自守駒MAN_直進駒(規則局面& 局面, int X, int Y);

}  // namespace bexoru
