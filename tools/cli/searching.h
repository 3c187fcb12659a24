#pragma once
// bexoru-cli: what the commands of the searching engine share (perft,
// verify-moves, com at levels 4 to 6).

#include <cstdint>
#include <string>
#include <string_view>

#include "board/board.h"
#include "cli.h"
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

}  // namespace bexoru::cli
