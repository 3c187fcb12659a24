#pragma once
// Handicaps: before a game up to four strong pieces of either army leave the
// starting position, one per click of △ (towards the upper army's handicap,
// positive grades) or ▽ (towards the lower army's, negative grades).

#include <array>

#include "board/board.h"

namespace bexoru {

inline constexpr int ハンデ上限 = 4;

struct ハンデ駒 {
    int X;
    int Y;
    駒コード 駒;  // its code in the starting position
};

// The pieces in the order they leave the board: Kirin, Phoenix, Lion, Queen.
inline constexpr std::array<ハンデ駒, ハンデ上限> 上手ハンデ駒{
    {{7, 2, 駒::麒}, {6, 2, 駒::鳳}, {7, 3, 駒::獅子}, {6, 3, 駒::奔王}}};
inline constexpr std::array<ハンデ駒, ハンデ上限> 下手ハンデ駒{
    {{6, 11, -駒::麒}, {7, 11, -駒::鳳}, {6, 10, -駒::獅子}, {7, 10, -駒::奔王}}};

// The one square a step of the grade from 旧レベル to 新レベル (one apart,
// both within ±ハンデ上限) changes, with the code it holds afterwards: 空
// for a piece taken off, the starting code for a piece put back.
ハンデ駒 ハンデ変更駒(int 旧レベル, int 新レベル);

}  // namespace bexoru
