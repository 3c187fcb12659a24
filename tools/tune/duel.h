#pragma once
// Games between two settings of the searching engine (evaluation weights
// and search options) at a fixed node budget a move, from random openings
// played twice with the colours swapped: what bexoru-tune decides by.

#include <cstdint>
#include <string>
#include <string_view>

#include "search/engine.h"

namespace bexoru::tune {

struct Settings {
    search::EvalWeights weights;
    search::SearchOptions options;
};

// "name=value,name=value" over the defaults: mobility, promotion, guard,
// attacker, lion (the evaluation's weights) and check (0 or 1). Throws
// std::invalid_argument naming what is wrong.
Settings parse_settings(std::string_view text, Settings base = {});
// Every setting as parse_settings reads it.
std::string to_text(const Settings& s);

// The names of the evaluation's weights, and a reference to one of them.
inline constexpr std::string_view weight_names[] = {"mobility", "promotion", "guard", "attacker", "lion"};
int& weight(Settings& s, std::string_view name);

struct DuelRules {
    std::int64_t nodes = 10000;  // a move
    int opening = 4;             // random single moves before the engines play
    int max_plies = 300;         // then adjudicated on material
    int material_win = 10;       // table points of lead that win at the limit
};

enum class Outcome { first_wins, second_wins, draw };

struct GameRecord {
    Outcome outcome = Outcome::draw;
    int plies = 0;
    std::string why;
};

// One game from the starting position: `opening_seed` chooses the random
// opening moves, `first` plays the army that moves first. The same
// arguments give the same game.
GameRecord play_game(const Settings& first, const Settings& second, const DuelRules& rules,
                     std::uint64_t opening_seed);

struct MatchScore {
    int wins = 0, draws = 0, losses = 0;  // of settings A
    long plies = 0;
    double score() const;                 // A's share of the points, 0..1
    double standard_error() const;        // of score()
};

// `pairs` openings, each played with A moving first and then B moving first.
// `progress` (if set) is told after every game.
MatchScore play_match(const Settings& a, const Settings& b, const DuelRules& rules, int pairs, std::uint64_t seed,
                      void (*progress)(int game, const MatchScore&) = nullptr);

// The Elo difference of a score share (clamped away from 0 and 1).
double elo(double score);

}  // namespace bexoru::tune
