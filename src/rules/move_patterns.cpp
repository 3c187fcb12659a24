#include "rules/move_patterns.h"

namespace bexoru {

namespace {

// The reach of a definition along the line through (dx, 前進), or 0 when the
// displacement lies on no line.
constexpr int 線の到達(const 動き定義& d, int dx, int 前進) {
    if (dx == 0) return 前進 > 0 ? d.前 : d.後;
    if (前進 == 0) return d.横;
    if (dx != 前進 && dx != -前進) return 0;
    return 前進 > 0 ? d.斜前 : d.斜後;
}

constexpr 移動型表型 作表() {
    移動型表型 表{};
    for (int 番号 = 0; 番号 < 動き行数; ++番号) {
        const 動き定義& d = 動き定義表[static_cast<std::size_t>(番号)];
        for (int 前進 = -最大変位; 前進 <= 最大変位; ++前進) {
            for (int dx = -最大変位; dx <= 最大変位; ++dx) {
                if (dx == 0 && 前進 == 0) continue;
                const int 距離 = abs_of(dx) > abs_of(前進) ? abs_of(dx) : abs_of(前進);
                移動型 型 = 移動型::不可;
                if (跳びあり(d.跳び, dx, 前進)) {
                    型 = 移動型::跳び;
                } else if (距離 <= 線の到達(d, dx, 前進)) {
                    型 = 移動型::走り;
                }
                表[static_cast<std::size_t>(番号)][static_cast<std::size_t>(前進 + 最大変位)]
                  [static_cast<std::size_t>(dx + 最大変位)] = 型;
            }
        }
    }
    return 表;
}

}  // namespace

constexpr 移動型表型 移動型表 = 作表();

}  // namespace bexoru
