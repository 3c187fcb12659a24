#include "rules/repetition.h"

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

int 千日手履歴::記録する(std::uint64_t キー) {
    順_.push_back(キー);
    最後の回数_ = ++回数_[キー];
    return 最後の回数_;
}

void 千日手履歴::戻す() {
    if (順_.empty()) return;
    if (--回数_[順_.back()] == 0) 回数_.erase(順_.back());
    順_.pop_back();
    最後の回数_ = 順_.empty() ? 0 : 回数_[順_.back()];
}

void 千日手履歴::消す() {
    順_.clear();
    回数_.clear();
    最後の回数_ = 0;
}

int 裸王の軍(const 盤面型& 盤面) {
    bool 上に兵 = false, 下に兵 = false, 上に王 = false, 下に王 = false;
    for (int y = 1; y <= 盤サイズ; ++y) {
        for (int x = 1; x <= 盤サイズ; ++x) {
            const 駒コード c = 盤面(x, y);
            if (c == 空) continue;
            const bool 王族 = whole_kind(c) == 駒::王 || whole_kind(c) == 駒::太子;
            (c > 0 ? (王族 ? 上に王 : 上に兵) : (王族 ? 下に王 : 下に兵)) = true;
        }
    }
    if (上に王 && !上に兵 && 下に兵) return +1;
    if (下に王 && !下に兵 && 上に兵) return -1;
    return 0;
}

}  // namespace bexoru
