#pragma once
// Line, diagonal and gold-pattern influence: the squares one piece reaches
// along its lines, entered into its side's maps together with the check
// lines it draws on the enemy King or Crown Prince.
//
// A line enters every square it reaches like a step does, and stops on the
// first occupied square, except that it passes through the enemy King (so
// the squares behind the King count as reached). Meeting the enemy King or
// Crown Prince marks 1 on every square between and 9 on the piece itself.
//
// Directions are named from the screen: 上 toward smaller rows, 下 toward
// larger rows, 右 toward larger columns, 左 toward smaller columns. 敵 members
// serve the computer's pieces, 自 members the human's; the 直進 members serve
// either side through the overload of the maps they are given. The piece
// code's sign must match the maps' side.

#include "board/board.h"
#include "engine/influence_maps.h"

namespace bexoru {

// Straight lines from (X, Y), the square itself excluded.
void 勢力確定上直進(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y);
void 勢力確定上直進(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y);
void 勢力確定下直進(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y);
void 勢力確定下直進(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y);
void 勢力確定右直進(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y);
void 勢力確定右直進(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y);
void 勢力確定左直進(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y);
void 勢力確定左直進(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y);

// The two diagonals toward smaller rows (the left one first), or toward larger rows.
void 勢力確定敵角_上(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y);
void 勢力確定敵角_下(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y);
void 勢力確定自角_上(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y);
void 勢力確定自角_下(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y);

// The gold pattern: forward, both forward diagonals, both sides and straight
// back. The computer's gold enters no attacker and no defender's square.
void 勢力確定敵金(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y);
void 勢力確定自金(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y);

}  // namespace bexoru
