#include "rules/candidate_squares.h"

#include <algorithm>
#include <array>

#include "board/board.h"

namespace bexoru {

namespace {

// A bound that stays at the board's edge instead of following the piece.
inline constexpr int 盤端 = 100;

// Offsets of the rectangle from the piece's square, by upper code.
struct 候補範囲 {
    int 列下 = -盤端, 列上 = 盤端, 行下 = -盤端, 行上 = 盤端;
};

constexpr 候補範囲 一桝 = {-1, 1, -1, 1};
constexpr 候補範囲 二桝 = {-2, 2, -2, 2};

constexpr std::array<候補範囲, 最大駒コード + 1> 候補範囲表 = [] {
    std::array<候補範囲, 最大駒コード + 1> 表{};
    表[駒::歩] = {0, 0, 1, 1};
    表[駒::香] = {0, 0, 1, 盤端};
    表[駒::仲] = {0, 0, -1, 1};
    // Side movers and the Reverse Chariot: one row above, beside and below.
    for (int c : {駒::横行_成, 駒::横行, 駒::反}) 表[static_cast<std::size_t>(c)] = {-盤端, 盤端, -1, 1};
    for (int c : {駒::竪行_成, 駒::竪行}) 表[static_cast<std::size_t>(c)] = {-1, 1, -盤端, 盤端};
    for (int c : {駒::と, 駒::銅, 駒::銀, 駒::金, 駒::豹, 駒::虎, 駒::象_成, 駒::象, 駒::太子, 駒::王}) {
        表[static_cast<std::size_t>(c)] = 一桝;
    }
    for (int c : {駒::鳳, 駒::獅子_成, 駒::獅子}) 表[static_cast<std::size_t>(c)] = 二桝;
    return 表;
}();

constexpr int 下端(int 位置, int ずれ) {
    return ずれ == -盤端 ? 1 : 位置 + ずれ;
}
constexpr int 上端(int 位置, int ずれ) {
    return ずれ == 盤端 ? 盤サイズ : 位置 + ずれ;
}

}  // namespace

void 取得_駒移動座標(駒コード IN_駒, int IN_X, int IN_Y, int& O_X1, int& O_X2, int& O_Y1, int& O_Y2) {
    const 候補範囲 範囲 =
        IN_駒 >= 1 && IN_駒 <= 最大駒コード ? 候補範囲表[static_cast<std::size_t>(IN_駒)] : 候補範囲{};
    O_X1 = std::max(1, 下端(IN_X, 範囲.列下));
    O_X2 = std::min(盤サイズ, 上端(IN_X, 範囲.列上));
    O_Y1 = std::max(1, 下端(IN_Y, 範囲.行下));
    O_Y2 = std::min(盤サイズ, 上端(IN_Y, 範囲.行上));
}

}  // namespace bexoru
