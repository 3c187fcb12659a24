#include "rules/move_logging.h"

namespace bexoru {

bool 手順保存(const 盤面型& 盤面, 棋譜記録& 記録, int X1, int Y1, int X2, int Y2, 駒コード 移動元駒,
              駒コード 移動成駒) {
    if (記録余地(記録) < 1) return false;
    const int n = 記録.記録数 + 1;
    const auto i = static_cast<std::size_t>(n);
    記録.記録_移動元X[i] = X1;
    記録.記録_移動元Y[i] = Y1;
    記録.記録_移動先X[i] = X2;
    記録.記録_移動先Y[i] = Y2;
    記録.記録_移動駒[i] = 移動元駒;
    記録.記録_成駒[i] = 移動成駒;
    記録.記録_取駒[i] = 盤面.at(X2, Y2);
    記録.記録数 = n;
    記録.記録終端 = n;
    return true;
}

}  // namespace bexoru
