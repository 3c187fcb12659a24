#include "engine/second_step.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

#include "engine/influence.h"

namespace bexoru {

namespace {

constexpr bool 獅子か(駒コード c) {
    return c == 駒::獅子 || c == 駒::獅子_成;
}

}  // namespace

駒コード 二手目の駒(駒コード 二手目駒) {
    return is_pseudo(二手目駒) ? sign_of(二手目駒) * whole_kind(二手目駒) : 二手目駒;
}

std::optional<二手目手> com二手目探索(評価局面& e, int X, int Y, 駒コード 二手目駒, const 評価関数& 評価,
                                      std::int64_t& 試行数) {
    盤面型& 盤面 = e.局面.盤面;
#ifndef NDEBUG
    const 盤面型 控 = 盤面;
#endif
    const 駒コード 駒 = 二手目の駒(二手目駒);
    const bool 獅子 = 獅子か(二手目駒);
    e.評価移動駒 = 駒;
    e.王距離 = std::max(std::abs(e.man.MAN王X - X), std::abs(e.man.MAN王Y - Y));

    // The Falcon steps along its column only; the Eagle and the Lion anywhere
    // in the 3×3 block. The move check decides which squares are legal.
    const int 列下 = 二手目駒 == 擬_鷹 ? X : X - 1;
    const int 列上 = 二手目駒 == 擬_鷹 ? X : X + 1;

    std::optional<二手目手> 最善;
    評価値 最高 = 二手目初期評価値;
    for (int x = 列下; x <= 列上; ++x) {
        for (int y = Y - 1; y <= Y + 1; ++y) {
            if (!移動チェック(e.局面, X, Y, x, y, 二手目駒)) continue;
            const 駒コード 取得駒 = 盤面(x, y);
            盤面(x, y) = 駒;
            盤面(X, Y) = 空;
            勢力調査_MAN(盤面, e.man);
            ++試行数;
            // A Lion may stand where only a human Lion attacks it first and a
            // computer piece defends it: that square is judged as a safe one.
            const bool 攻められる = e.man.MAN勢力(x, y) > 0;
            const bool 獅子の例外 = 獅子 && e.com.COM勢力(x, y) > 0 && e.man.MAN攻最小価値(x, y) == 駒価値(駒::獅子);
            const 評価値 s = 攻められる && !獅子の例外 ? 二手目危険評価値 : 評価(e, 取得駒, 駒, X, Y, x, y);
            盤面(x, y) = 取得駒;
            盤面(X, Y) = 駒;
            assert(盤面 == 控);
            if (s > 最高) {
                最高 = s;
                最善 = 二手目手{x, y, s};
            }
        }
    }
    return 最善;
}

}  // namespace bexoru
