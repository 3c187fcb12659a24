#pragma once
// The move list beside the board: the log's moves in the side panel's
// notation, a double move as one line, and the line of the position shown.

#include <string>
#include <vector>

#include "board/move_log.h"

namespace bexoru {

// A square as the side panel names it: "７六", "10三".
std::string 桝名(int X, int Y);

// One move of the log: its entries 始..終 (two for a double move).
struct 一覧の手 {
    int 始 = 0, 終 = 0;
    bool operator==(const 一覧の手&) const = default;
};

// The moves of entries 1..記録終端, split as 進 steps through them: an entry
// of a Lion, Falcon or Eagle takes the next one with it while that holds the
// same piece.
std::vector<一覧の手> 手の区切り(const 棋譜記録& 記録);

// The move as the side panel writes it, "７六獅"; a double move names both
// squares, "７六獅→８五", unless the piece stayed on the first one. An entry
// read from a file without a square reads "----".
std::string 手の表記(const 棋譜記録& 記録, 一覧の手 手);

// The list's lines: "開始局面", then "1 ７七歩", "2 ...", one per move.
std::vector<std::string> 棋譜一覧の行(const 棋譜記録& 記録, const std::vector<一覧の手>& 手々);

// The line of the position after 記録数 entries: the last move that ends
// there or before.
int 棋譜一覧の現在行(const std::vector<一覧の手>& 手々, int 記録数);

}  // namespace bexoru
