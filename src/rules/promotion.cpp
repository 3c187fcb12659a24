#include "rules/promotion.h"

#include "board/game_state.h"

namespace bexoru {

namespace {

// The rows where each army promotes.
constexpr bool 上軍の成り陣(int Y) {
    return Y >= 9 && Y <= 盤サイズ;
}
constexpr bool 下軍の成り陣(int Y) {
    return Y >= 1 && Y <= 4;
}

}  // namespace

int 調査_駒成(const 盤面型& 盤面, int /*X1*/, int Y1, int X2, int Y2, 駒コード 移動駒, 駒コード& 成駒結果) {
    if (is_pseudo(移動駒) || !成れる種類(std::abs(移動駒))) return OFF;
    const bool 歩香 = std::abs(移動駒) == 駒::歩 || std::abs(移動駒) == 駒::香;
    const 駒コード 先の駒 = 盤面.at(X2, Y2);
    bool 成れる = false;
    if (移動駒 > 0) {
        // The upper army promotes in rows 9..12 and its last row is 12.
        const bool 入る = Y1 < 9;
        成れる = 上軍の成り陣(Y2) && (歩香 ? Y2 == 盤サイズ || 入る : 先の駒 <= -1 || 入る);
    } else {
        // The lower army promotes in rows 1..4 and its last row is 1.
        const bool 入る = Y1 > 4;
        成れる = 下軍の成り陣(Y2) && (歩香 ? Y2 == 1 || 入る : 先の駒 >= 1 || 入る);
    }
    if (!成れる) return OFF;
    成駒結果 = 移動駒 + sign_of(移動駒);
    return ON;
}

int 移動後チェック(int Y2, 駒コード 移動駒) {
    const bool 上の歩香 = 移動駒 == 駒::歩 || 移動駒 == 駒::香;
    const bool 下の歩香 = 移動駒 == -駒::歩 || 移動駒 == -駒::香;
    if ((上の歩香 && Y2 == 盤サイズ) || (下の歩香 && Y2 == 1)) return OFF;
    return ON;
}

}  // namespace bexoru
