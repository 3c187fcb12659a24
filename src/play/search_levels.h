#pragma once
// The computer's searching levels, 4 to 6: how long each thinks a move, and
// the searching engine's answer in the form the computer's turn plays it
// (com_ban着手), so that everything after the choice of the move is the same
// at every level.

#include <cstdint>
#include <vector>

#include "engine/search.h"
#include "search/engine.h"
#include "search/position.h"

namespace bexoru {

inline constexpr int 最初の探索レベル = 4;
inline constexpr int 最後の探索レベル = 6;
inline constexpr int 最高レベル = 最後の探索レベル;

constexpr bool 探索レベルか(int レベル) {
    return レベル >= 最初の探索レベル && レベル <= 最後の探索レベル;
}

// The time a searching level thinks a move, in milliseconds: 300, 1000 and
// 5000 for levels 4, 5 and 6.
std::int64_t 探索レベルの持ち時間(int レベル);

// The budget of a searching level: its time, or a node budget in its place
// when 節点数 is above 0 (the same moves on every run).
search::Limits 探索レベルの制限(int レベル, std::int64_t 節点数 = 0);

// What a searching level is asked in a game: the position of the board and
// log for the computer's (upper) army under the game's rule set, and under the
// standard rules the game's earlier positions, so that the computer neither
// repeats a position a fourth time nor misses the other side doing so.
struct 探索の問い {
    search::Position 局面;
    std::vector<std::uint64_t> 履歴;
};
探索の問い 対局の探索の問い(const 盤面型& 盤面, const 棋譜記録& 記録, ルール 規則);

// The budget cut to what the clock leaves the computer for this move, 残り秒
// (infinite without a time control): a tenth and 100 ms are kept back for
// the answer's way back to the window, and the budget is at least 1 ms (the
// engine always answers with a move). A node budget stays as it is.
search::Limits 時計で削る(search::Limits 制限, double 残り秒);

// The engine's answer for the upper army in position p as the computer's
// turn plays it: the first step, its score in tenths (9999 points when it
// takes the last royal piece within the engine's horizon), and for a double
// move the step code and the second step. Empty when p has no legal move.
探索結果 探索の答え(const search::Position& p, const search::SearchResult& r);

}  // namespace bexoru
