#pragma once
// The second step of the computer's Lion, Horned Falcon or Soaring Eagle,
// searched on the position after the first step.
//
// Candidates are the squares of a small block around the piece, walked column
// by column and row by row, that the move check allows for the step code: the
// Falcon's column one row either side (24.1), and the 3×3 block for the Eagle
// (18.1, 18.2) and the Lion (its own code, so its whole-move pattern within
// one square). For each, the piece is put on the square, the human's maps are
// rebuilt, and the square scores −500 when a human piece reaches it; else the
// evaluation scores it. A Lion's attacked square is scored by the evaluation
// all the same when only a human Lion is its cheapest attacker and a computer
// piece defends it. The computer's own maps are read as the last survey left
// them: they are not rebuilt for the second step. The best score wins,
// strictly; ties keep the first square of the walk, and a −500 square is
// still chosen when nothing scores better.

#include <cstdint>
#include <functional>
#include <optional>

#include "engine/evaluation.h"
#include "engine/score.h"

namespace bexoru {

// The score of a candidate square a human piece reaches.
inline constexpr 評価値 二手目危険評価値 = 点(-500);
// The best score before the first candidate.
inline constexpr 評価値 二手目初期評価値 = 点(-9999);

// The evaluation the search calls for every trial position; 盤評価 in play.
// Tests give one of their own to see the order of trial.
using 評価関数 = std::function<評価値(評価局面& e, 駒コード 取得駒, 駒コード 移動駒, int 移動元X, int 移動元Y,
                                      int 移動先X, int 移動先Y)>;

// The chosen second step: where the piece goes from the first step's square.
struct 二手目手 {
    int 移動先X = 0, 移動先Y = 0;
    評価値 評価 = 0;
    friend bool operator==(const 二手目手&, const 二手目手&) = default;
};

// The piece code a step code stands for on the board: 18 for ±18.1 and
// ±18.2, 24 for ±24.1, a Lion's code itself.
駒コード 二手目の駒(駒コード 二手目駒);

// Searches the second step of the piece standing on (X, Y), where its first
// step put it, asked with the step code 二手目駒 (擬_鷲一, 擬_鷲二, 擬_鷹, or
// the Lion's code 33 or 34). e.局面 carries the position after the first
// step, with the first step in the log; e.com and e.man are the maps as the
// search left them (man is rebuilt for every candidate). e.評価移動駒 and
// e.王距離 are set here for the piece making the second step: its whole code,
// and the distance from (X, Y) to the human King. Every legal candidate adds
// one to 試行数. Empty when no candidate is legal. The board is the same
// afterwards.
std::optional<二手目手> com二手目探索(評価局面& e, int X, int Y, 駒コード 二手目駒, const 評価関数& 評価,
                                      std::int64_t& 試行数);

}  // namespace bexoru
