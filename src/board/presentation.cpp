#include "board/presentation.h"

#include <cmath>

namespace bexoru {

桝位置 マウス桝(double mx, double my) {
    // Int() of the original rounds toward minus infinity; so must we, or a click
    // just left of the board would land in column 0's neighbour.
    return {static_cast<int>(std::floor((mx - 盤原点X) / 桝幅)), static_cast<int>(std::floor((my - 盤原点Y) / 桝高))};
}

}  // namespace bexoru
