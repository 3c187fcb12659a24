#include "rules/promotion.h"

namespace bexoru {

namespace {

// Each army promotes in the four rows next to the opponent's side: the upper
// army from row 9 down to its last row, 12; the lower army from row 4 up to
// its last row, 1.
constexpr int 成り陣段数 = 4;
constexpr int 上軍の最終段 = 盤サイズ;
constexpr int 上軍の成り陣入口 = 上軍の最終段 - 成り陣段数 + 1;
constexpr int 下軍の最終段 = 1;
constexpr int 下軍の成り陣入口 = 下軍の最終段 + 成り陣段数 - 1;
static_assert(上軍の成り陣入口 == 9 && 下軍の成り陣入口 == 4);

constexpr bool 上軍の成り陣(int Y) {
    return Y >= 上軍の成り陣入口 && Y <= 上軍の最終段;
}
constexpr bool 下軍の成り陣(int Y) {
    return Y >= 下軍の最終段 && Y <= 下軍の成り陣入口;
}

}  // namespace

bool 調査_駒成(const 盤面型& 盤面, int /*X1*/, int Y1, int X2, int Y2, 駒コード 移動駒, 駒コード& 成駒結果,
              ルール 規則) {
    if (is_pseudo(移動駒) || !成れる種類(std::abs(移動駒))) return false;
    if (規則 == ルール::標準) {
        const bool 上 = 移動駒 > 0;
        const bool 元が陣 = 上 ? 上軍の成り陣(Y1) : 下軍の成り陣(Y1);
        const bool 先が陣 = 上 ? 上軍の成り陣(Y2) : 下軍の成り陣(Y2);
        const 駒コード 先の駒 = 盤面.at(X2, Y2);
        const bool 取る = 上 ? 先の駒 <= -1 : 先の駒 >= 1;
        const bool 入る = 先が陣 && !元が陣;
        const bool 歩香 = std::abs(移動駒) == 駒::歩 || std::abs(移動駒) == 駒::香;
        const bool 最終段 = Y2 == (上 ? 上軍の最終段 : 下軍の最終段);
        // Any piece may promote entering the zone, or taking with a move that
        // begins or ends in it; a Pawn or Lance already inside may promote by
        // taking only on the last row.
        const bool 取って成れる = 取る && (歩香 ? 最終段 : 元が陣 || 先が陣);
        if (!入る && !取って成れる) return false;
        成駒結果 = 移動駒 + sign_of(移動駒);
        return true;
    }
    const bool 歩香 = std::abs(移動駒) == 駒::歩 || std::abs(移動駒) == 駒::香;
    const 駒コード 先の駒 = 盤面.at(X2, Y2);
    bool 成れる = false;
    if (移動駒 > 0) {
        const bool 入る = Y1 < 上軍の成り陣入口;
        成れる = 上軍の成り陣(Y2) && (歩香 ? Y2 == 上軍の最終段 || 入る : 先の駒 <= -1 || 入る);
    } else {
        const bool 入る = Y1 > 下軍の成り陣入口;
        成れる = 下軍の成り陣(Y2) && (歩香 ? Y2 == 下軍の最終段 || 入る : 先の駒 >= 1 || 入る);
    }
    if (!成れる) return false;
    成駒結果 = 移動駒 + sign_of(移動駒);
    return true;
}

bool 移動後チェック(int Y2, 駒コード 移動駒, ルール 規則) {
    if (規則 == ルール::標準) return true;
    const bool 上の歩香 = 移動駒 == 駒::歩 || 移動駒 == 駒::香;
    const bool 下の歩香 = 移動駒 == -駒::歩 || 移動駒 == -駒::香;
    if ((上の歩香 && Y2 == 上軍の最終段) || (下の歩香 && Y2 == 下軍の最終段)) return false;
    return true;
}

}  // namespace bexoru
