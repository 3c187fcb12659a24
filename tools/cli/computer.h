#pragma once
// bexoru-cli: what the computer's commands (com, selfplay, bench) share: the
// position as the computer receives it after a person's move, the level
// option, and how scores and moves are printed.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "board/game_state.h"
#include "board/move_log.h"
#include "engine/influence_maps.h"
#include "engine/score.h"
#include "engine/search.h"
#include "rules/move_check.h"

namespace bexoru::cli {

// The state and log of a game against the computer with the computer to
// move (see ComTurn); the board is left alone.
void set_up_com_turn(対局状態& state, 棋譜記録& log, int level);
// Fresh maps of the position on the board (royal squares from scratch).
void survey_position(const 盤面型& board, COM勢力図& com, MAN勢力図& man);

// A game against the computer with the computer (the upper army, positive
// codes) to move, as the mouse handler leaves it after a person's move:
// MAN側 = 先手, COM側 = 後手, no second step pending, an empty move log, and
// both sides surveyed on the position from "no royal piece seen".
struct ComTurn {
    盤面型 board{};
    棋譜記録 log{};
    対局状態 state{};
    COM勢力図 com{};
    MAN勢力図 man{};

    ComTurn(const 盤面型& position, int level);
    ComTurn(const ComTurn&) = delete;
    ComTurn& operator=(const ComTurn&) = delete;

    // Fresh maps of the position on the board (royal squares from scratch).
    void survey() { survey_position(board, com, man); }
};

// A level 1..3 from the command line; `what` names it in the refusal.
int parse_level(std::string_view text, std::string_view what);

// A score in tenths as plain decimal with at most one digit after the point:
// 125 -> "12.5", -99980 -> "-9998", 1 -> "0.1", -5 -> "-0.5".
std::string format_score(評価値 tenths);

// "X1 Y1 X2 Y2 BEFORE AFTER" of a step.
std::string format_step(const 指し手& step);
// "X2 Y2 X3 Y3 CODE" of a second step (its code is the same before and after).
std::string format_second_step(const 指し手& step);

// The second step of r as a step from the first step's square; r must hold both.
指し手 second_step_of(const 探索結果& r);

// The lines of the com command for a search result, each ending in '\n':
// "move X1 Y1 X2 Y2 BEFORE AFTER", "score S", and when a second step is
// taken "second X2 Y2 X3 Y3 CODE" and "score2 S2"; "none" without a move.
std::string format_search_result(const 探索結果& r);

// The median of some numbers; 0 for none.
double median(std::vector<double> v);
// "median M ms, worst W ms" of search times in milliseconds.
std::string format_timing(const std::vector<double>& ms);

// FNV-1a, 64 bits: the bench signature folds the text of every answer.
std::uint64_t fnv1a(std::string_view text, std::uint64_t hash = 0xcbf29ce484222325ULL);

}  // namespace bexoru::cli
