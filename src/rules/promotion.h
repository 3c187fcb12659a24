#pragma once
// Promotion: may a move promote, and must it.
//
// A piece may promote when it ends its move in the opponent's zone and either
// enters the zone with this move or captures there. A 歩 or 香 may promote
// when it enters the zone or reaches the last row, but not by capturing inside
// the zone short of the last row, and it must promote on the last row. The
// zone is rows 9..12 for the upper army and rows 1..4 for the lower one.
//
// Under the standard rules (docs/rules.md) every promotable piece, 歩 and 香
// alike, may promote when it enters the zone, or when it captures with a move
// that begins or ends in the zone; no piece is ever made to promote.

#include <cstdint>

#include "board/board.h"
#include "board/game_state.h"

namespace bexoru {

// The kinds (whole-number codes without sign) that have a promoted form, c + 1.
inline constexpr std::uint64_t 成れる種類表 = [] {
    std::uint64_t 表 = 0;
    for (int kind : {駒::歩, 駒::香, 駒::銅, 駒::横行, 駒::銀, 駒::竪行, 駒::金, 駒::飛車, 駒::龍王, 駒::豹, 駒::角行,
                     駒::龍馬, 駒::鳳, 駒::反, 駒::虎, 駒::麒, 駒::仲, 駒::象}) {
        表 |= std::uint64_t{1} << kind;
    }
    return 表;
}();
constexpr bool 成れる種類(int kind) {
    return kind >= 1 && kind <= 最大駒コード && ((成れる種類表 >> kind) & 1) != 0;
}

// Whether the move of 移動駒 from (X1, Y1) to (X2, Y2) may promote; 成駒結果
// then receives the promoted code and is left alone otherwise. Call it before
// the move is made: a capture is read from the destination. The source column
// is not used.
bool 調査_駒成(const 盤面型& 盤面, int X1, int Y1, int X2, int Y2, 駒コード 移動駒, 駒コード& 成駒結果,
              ルール 規則 = ルール::本来);

// False when an unpromoted 歩 or 香 would stand on its army's last row (row
// 12 for the upper army, row 1 for the lower), that is when the move must
// promote; true otherwise.
bool 移動後チェック(int Y2, 駒コード 移動駒, ルール 規則 = ルール::本来);

}  // namespace bexoru
