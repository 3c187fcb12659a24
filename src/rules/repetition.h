#pragma once
// Game end under the standard rules: the same position for the fourth time
// (sennichite), and an army left with nothing but royal pieces (a bare King).

#include <cstdint>
#include <functional>

#include "board/board.h"
#include "board/move_log.h"

namespace bexoru {

// A key of the position: every square of the board and the side to move
// (the turn token 先手 or 後手). Different positions may share a key only by
// a 64-bit hash collision.
std::uint64_t 局面キー(const 盤面型& 盤面, int 手番);

// How often the position on the board, with the same side to move, has
// occurred in the game of the log (entries 1..記録数), counting itself: the
// log's moves are taken back from the board one by one, the two entries of a
// double move as one move. Worked out from the log each time, so taking moves
// back, stepping forth again or loading a game cannot leave it out of step.
int 局面の回数(const 盤面型& 盤面, const 棋譜記録& 記録);

// Shows 見る each position of the game before the one on the board, the latest
// first: the board, and +1 when the same side is to move as now, −1 when the
// other is. The log's moves are taken back one by one, a double move's two
// entries as one.
void 以前の局面(const 盤面型& 盤面, const 棋譜記録& 記録, const std::function<void(const 盤面型&, int)>& 見る);

// The army (+1 upper, −1 lower) left with only royal pieces (王, 太子) while the
// other army still has a piece besides its royal ones; 0 when there is none.
int 裸王の軍(const 盤面型& 盤面);
// Whether both armies are left with royal pieces only.
bool 両軍とも王族だけ(const 盤面型& 盤面);

}  // namespace bexoru
