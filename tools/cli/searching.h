#pragma once
// bexoru-cli: what the commands of the searching engine share (perft,
// verify-moves, com at levels 4 to 6).

#include <cstdint>
#include <string>
#include <string_view>

#include "board/board.h"
#include "cli.h"
#include "engine/search.h"
#include "search/engine.h"
#include "search/position.h"

namespace bexoru::cli {

// "upper" or "lower" from --side; the upper army when the option is absent.
int parse_side(const Arguments& args, std::string_view command);

// A whole number from..to given to an option or argument; `what` names it in the refusal.
std::int64_t parse_count(std::string_view text, std::string_view what, std::int64_t from, std::int64_t to);

// Refuses, with one line naming the army, a position in which the army to
// move has no pieces or no royal piece (King or Crown Prince) left.
void require_playable(const search::Position& p, std::string_view command);

std::string_view army_name(int side);

// The levels of the searching engine and the time each thinks a move.
inline constexpr int first_search_level = 4;
inline constexpr int last_search_level = 6;
std::int64_t level_movetime_ms(int level);

// The budget of a level 4..6, with --movetime MS and --nodes N (when the
// command takes them) in place of the level's time.
search::Limits level_limits(int level, const Arguments& args, std::string_view command);

// The searching engine's answer as the computer's turn plays it: the first
// step, its score in tenths (9999 points when it takes the last royal piece
// within its horizon), and the second step of a double move.
探索結果 as_turn(const search::Position& p, const search::SearchResult& r);

// The moves of a principal variation, each after a space and joined by
// commas: " X1 Y1 X2 Y2[ X3 Y3][ +], ..."; empty for none.
std::string pv_text(const std::vector<search::Move>& pv);

}  // namespace bexoru::cli
