#include "board/piece.h"

#include <string>

namespace bexoru {

std::string 駒画像名(駒コード c) {
    const int a = std::abs(c);
    if (a < 1 || a > 最大駒コード) return {};
    std::string name = c > 0 ? "UE_" : "SITA_";
    name += 駒表[static_cast<std::size_t>(a)].picture;
    return name;
}

}  // namespace bexoru
