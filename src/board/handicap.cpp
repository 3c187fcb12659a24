// The one square each step of the handicap grade changes.

#include "board/handicap.h"

namespace bexoru {

ハンデ駒 ハンデ変更駒(int 旧レベル, int 新レベル) {
    const auto 番 = [](int 段) { return static_cast<std::size_t>(段 - 1); };
    if (新レベル > 旧レベル) {
        // Up: the upper army loses its next piece, or the lower army gets its last one back.
        if (新レベル >= 1) return {上手ハンデ駒[番(新レベル)].X, 上手ハンデ駒[番(新レベル)].Y, 空};
        return 下手ハンデ駒[番(-旧レベル)];
    }
    if (新レベル <= -1) return {下手ハンデ駒[番(-新レベル)].X, 下手ハンデ駒[番(-新レベル)].Y, 空};
    return 上手ハンデ駒[番(旧レベル)];
}

}  // namespace bexoru
