#include "rules/move_logging.h"

namespace bexoru {

bool 手順保存(const 盤面型& 盤面, 棋譜記録& 記録, int X1, int Y1, int X2, int Y2, 駒コード 移動元駒,
              駒コード 移動成駒) {
    if (記録余地(記録) < 1) return false;
    const int n = 記録.記録数 + 1;
    const auto i = static_cast<std::size_t>(n);
    記録.手[i] = {X1, Y1, X2, Y2, 移動元駒, 移動成駒, 盤面.at(X2, Y2)};
    記録.記録数 = n;
    記録.記録終端 = n;
    return true;
}

}  // namespace bexoru
