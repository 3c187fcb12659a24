#include "rules/repetition.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace bexoru {

std::uint64_t 局面キー(const 盤面型& 盤面, int 手番) {
    // FNV-1a over the side to move and every square's code.
    std::uint64_t h = 14695981039346656037ull;
    auto mix = [&h](std::int64_t v) {
        h ^= static_cast<std::uint64_t>(v);
        h *= 1099511628211ull;
    };
    mix(手番);
    for (int y = 1; y <= 盤サイズ; ++y) {
        for (int x = 1; x <= 盤サイズ; ++x) mix(盤面(x, y) + 1000);
    }
    return h;
}

namespace {

// The Soaring Eagle, the Horned Falcon and both Lions may move twice.
bool 二手駒(駒コード c) {
    const int a = std::abs(c);
    return a == 駒::鷲 || a == 駒::鷹 || a == 駒::獅子_成 || a == 駒::獅子;
}

}  // namespace

void 以前の局面(const 盤面型& 盤面, const 棋譜記録& 記録, const std::function<void(const 盤面型&, int)>& 見る) {
    盤面型 前 = 盤面;
    int 側 = +1;
    int n = std::clamp(記録.記録数, 0, 記録最大);
    while (n >= 1) {
        for (;;) {
            const 指し手& 手 = 記録.手[static_cast<std::size_t>(n)];
            // Entries that name no square (blank lines of a file) change nothing.
            if (盤内(手.移動先X, 手.移動先Y)) 前(手.移動先X, 手.移動先Y) = 手.取駒;
            if (盤内(手.移動元X, 手.移動元Y)) 前(手.移動元X, 手.移動元Y) = 手.移動駒;
            --n;
            const 駒コード c = 記録.手[static_cast<std::size_t>(n)].移動駒;
            if (n < 1 || !二手駒(c) || 記録.手[static_cast<std::size_t>(n + 1)].移動駒 != c) break;
        }
        側 = -側;
        見る(前, 側);
    }
}

int 局面の回数(const 盤面型& 盤面, const 棋譜記録& 記録) {
    // The side to move only alternates, so the position now is taken as +1.
    const std::uint64_t 今 = 局面キー(盤面, +1);
    int 回数 = 1;
    以前の局面(盤面, 記録, [&](const 盤面型& 前, int 側) { 回数 += 局面キー(前, 側) == 今; });
    return 回数;
}

namespace {

struct 王族と兵 {
    bool 上に兵 = false, 下に兵 = false, 上に王 = false, 下に王 = false;
};

王族と兵 軍の中身(const 盤面型& 盤面) {
    王族と兵 r;
    for (int y = 1; y <= 盤サイズ; ++y) {
        for (int x = 1; x <= 盤サイズ; ++x) {
            const 駒コード c = 盤面(x, y);
            if (c == 空) continue;
            const bool 王族 = whole_kind(c) == 駒::王 || whole_kind(c) == 駒::太子;
            (c > 0 ? (王族 ? r.上に王 : r.上に兵) : (王族 ? r.下に王 : r.下に兵)) = true;
        }
    }
    return r;
}

}  // namespace

bool 両軍とも王族だけ(const 盤面型& 盤面) {
    const 王族と兵 r = 軍の中身(盤面);
    return r.上に王 && r.下に王 && !r.上に兵 && !r.下に兵;
}

int 裸王の軍(const 盤面型& 盤面) {
    const auto [上に兵, 下に兵, 上に王, 下に王] = 軍の中身(盤面);
    if (上に王 && !上に兵 && 下に兵) return +1;
    if (下に王 && !下に兵 && 上に兵) return -1;
    return 0;
}

}  // namespace bexoru
