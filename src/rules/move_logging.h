#pragma once
// Writing the move log: one entry per logged step.
//
// The log holds entries 1..記録最大 and never more: when it is full a step is
// refused, nothing is written, and the caller keeps the position as it is and
// tells the player with 棋譜満杯_題 / 棋譜満杯_文. A double mover's first step
// may need two entries (the step, then its repeat when the player declines
// the second step, or the second step itself), so callers ask 記録余地 for
// room before they change the board.

#include <string_view>

#include "board/board.h"
#include "board/move_log.h"

namespace bexoru {

inline constexpr std::string_view 棋譜満杯_題 = "棋譜";
inline constexpr std::string_view 棋譜満杯_文 = "棋譜が一杯です。これ以上は指せません";

// How many more entries the log can take.
constexpr int 記録余地(const 棋譜記録& 記録) {
    return 記録.記録数 < 0 ? 0 : 記録.記録数 >= 記録最大 ? 0 : 記録最大 - 記録.記録数;
}

// Appends the step from (X1, Y1) to (X2, Y2): the code before the move
// (移動元駒), the code after it (移動成駒, the promoted code when it promoted)
// and, read from the board, the code that stands on the destination. Call it
// before the board changes. 記録終端 follows 記録数, so steps saved after a
// replay went back replace the rest of the record. True when saved; false,
// with the log untouched, when it is full.
bool 手順保存(const 盤面型& 盤面, 棋譜記録& 記録, int X1, int Y1, int X2, int Y2, 駒コード 移動元駒, 駒コード 移動成駒);

}  // namespace bexoru
