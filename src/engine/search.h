#pragma once
// The computer's search: one move deep over every legal move of every
// computer piece (the positive codes), each scored by the evaluation on the
// position after it, with the second step of a double mover when the score
// asks for one.
//
// The search is a pure function of the game state: the board, the move log,
// the state (its level and 二手目状態) and the influence maps as the last
// survey left them (the human King's escape squares and the human Lion's
// square are read from them before they are rebuilt). It makes its trial
// moves and surveys on copies of its own, changes nothing it is given and
// commits nothing: it returns its decision, and the computer's turn plays it.
//
// Order of trial (and so of ties, which keep the first move found): origin
// column, origin row, destination column, destination row, the unpromoted
// form before the promoted one. A promotion is taken only when it scores
// strictly more. A capture of the human King that becomes the best move ends
// the search at once.

#include <cstdint>
#include <optional>

#include "board/board.h"
#include "board/move.h"
#include "engine/evaluation.h"
#include "engine/influence_maps.h"
#include "engine/score.h"
#include "engine/second_step.h"
#include "rules/move_check.h"

namespace bexoru {

// The lowest score of the search: every legal move beats it.
inline constexpr 評価値 探索初期評価値 = 点(-99999);

// A best score in [点(1000), 点(1030)] asks for a second step (see 二手目を求めるか).
inline constexpr 評価値 二手目評価下限 = 点(1000);
inline constexpr 評価値 二手目評価上限 = 点(1030);

struct 探索結果 {
    // The best move; empty when no computer piece has a legal move.
    std::optional<指し手> 手;
    評価値 最高評価値 = 探索初期評価値;
    // The step code when the best move asks for a second step (擬_鷲一,
    // 擬_鷲二, 擬_鷹, or the Lion's own code); 空 when it does not.
    駒コード 二手目駒 = 空;
    // The second step chosen on the position after the first step; empty when
    // none was asked for or no candidate square is legal (the piece then stays
    // where the first step put it).
    std::optional<二手目手> 二手目;
    // Trial positions scored: by the move search (an optional promotion counts
    // twice) and by the second step (every legal candidate square).
    std::int64_t 試行数 = 0;
    std::int64_t 二手目試行数 = 0;
};

// The step code a first step asks for, when 評価 asks for a second step after
// 手: a score in [点(1000), 点(1030)], no promotion, and a Lion, Soaring Eagle
// or Horned Falcon. 18.2 for an Eagle that went toward larger columns, 18.1
// otherwise; 24.1 for the Falcon; the Lion's own code. 空 when none.
駒コード 二手目を求めるか(const 指し手& 手, 評価値 評価);

// The surveys and copies the search takes once before its first trial, on
// the board and maps it works on: the escape squares with the maps as they
// came in, both maps rebuilt with the royal columns reset, the pinned pieces,
// and the maps of the position before the move.
void 探索前調査(規則局面& 局面, COM勢力図& com, MAN勢力図& man, 探索前情報& 前, 移動不可情報& 不可);

// Searches the computer's move in the position of 盤面, 記録 and 状態. com
// and man are the maps the last surveys left (those of the position, the
// human's move just surveyed). Everything it is given stays as it was.
探索結果 com探索(const 盤面型& 盤面, const 棋譜記録& 記録, const 対局状態& 状態, const COM勢力図& com,
                 const MAN勢力図& man);
探索結果 com探索(const 盤面型& 盤面, const 棋譜記録& 記録, const 対局状態& 状態, const COM勢力図& com,
                 const MAN勢力図& man, const 評価関数& 評価);

}  // namespace bexoru
