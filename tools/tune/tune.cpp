// bexoru-tune: decides the searching engine's evaluation weights and search
// options by self-play at a fixed node budget a move.
//
//   bexoru-tune match --a SETTINGS --b SETTINGS [--pairs N] [--nodes N] [--seed S]
//                     [--opening PLIES] [--max-plies M]
//   bexoru-tune tune [--from SETTINGS] [--params a,b,...] [--rounds R] [--pairs N]
//                    [--nodes N] [--seed S] [--sigma Z] [--opening PLIES] [--max-plies M]
//
// SETTINGS is "name=value,..." over the engine's defaults (mobility,
// promotion, guard, attacker, lion, check). Every opening is played twice,
// each setting moving first once. `tune` tries each weight a step up and a
// step down against the best set so far and keeps a change only when it
// scores above 50 % by more than Z standard errors (default 1); each trial
// uses fresh openings. The games are the same on every run with the same
// arguments, so a run can be repeated exactly.

#include <cmath>
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "duel.h"

namespace bexoru::tune {
namespace {

void report(const char* what, const MatchScore& m) {
    const double s = m.score(), se = m.standard_error();
    std::printf("%s: %d wins, %d draws, %d losses for A; score %.1f %% (+- %.1f), Elo %+.0f (%+.0f to %+.0f), "
                "mean length %ld plies\n",
                what, m.wins, m.draws, m.losses, 100 * s, 100 * se, elo(s), elo(s - 1.96 * se), elo(s + 1.96 * se),
                m.wins + m.draws + m.losses > 0 ? m.plies / (m.wins + m.draws + m.losses) : 0L);
    std::fflush(stdout);
}

void dot(int, const MatchScore&) {
    std::fputc('.', stderr);
}

int run(int argc, char** argv) {
    if (argc < 2) throw std::invalid_argument("give a mode: match or tune (see the top of tools/tune/tune.cpp)");
    const std::string mode = argv[1];
    Settings a, b, from;
    DuelRules rules;
    int pairs = 20, rounds = 1;
    std::uint64_t seed = 1;
    double sigma = 1.0;
    std::vector<std::string> params(std::begin(weight_names), std::end(weight_names));
    for (int i = 2; i < argc; ++i) {
        const std::string opt = argv[i];
        if (i + 1 >= argc) throw std::invalid_argument(opt + " needs a value");
        const std::string v = argv[++i];
        if (opt == "--a") {
            a = parse_settings(v);
        } else if (opt == "--b") {
            b = parse_settings(v);
        } else if (opt == "--from") {
            from = parse_settings(v);
        } else if (opt == "--pairs") {
            pairs = std::stoi(v);
        } else if (opt == "--nodes") {
            rules.nodes = std::stoll(v);
        } else if (opt == "--seed") {
            seed = std::stoull(v);
        } else if (opt == "--opening") {
            rules.opening = std::stoi(v);
        } else if (opt == "--max-plies") {
            rules.max_plies = std::stoi(v);
        } else if (opt == "--rounds") {
            rounds = std::stoi(v);
        } else if (opt == "--sigma") {
            sigma = std::stod(v);
        } else if (opt == "--params") {
            params.clear();
            for (std::size_t at = 0; at <= v.size();) {
                const auto comma = std::min(v.find(',', at), v.size());
                params.push_back(v.substr(at, comma - at));
                at = comma + 1;
            }
        } else {
            throw std::invalid_argument("unknown option " + opt);
        }
    }
    if (pairs < 1 || rules.nodes < 1 || rounds < 1) throw std::invalid_argument("counts must be positive");

    if (mode == "match") {
        std::printf("A: %s\nB: %s\n%d pairs, %lld nodes a move, seed %llu\n", to_text(a).c_str(), to_text(b).c_str(),
                    pairs, static_cast<long long>(rules.nodes), static_cast<unsigned long long>(seed));
        std::fflush(stdout);
        report("A against B", play_match(a, b, rules, pairs, seed, dot));
        return 0;
    }
    if (mode != "tune") throw std::invalid_argument("unknown mode " + mode);

    Settings best = from;
    std::uint64_t trial_seed = seed;
    std::printf("start: %s\n", to_text(best).c_str());
    for (int round = 1; round <= rounds; ++round) {
        for (const std::string& name : params) {
            int& current = weight(best, name);
            // A step of a quarter of the value, at least 1.
            const int step = std::max(1, std::abs(current) / 4);
            for (const int sign : {+1, -1}) {
                Settings trial = best;
                weight(trial, name) = current + sign * step;
                const MatchScore m = play_match(trial, best, rules, pairs, trial_seed++, dot);
                const std::string what = "round " + std::to_string(round) + ", " + name + " " +
                                         std::to_string(current) + " -> " + std::to_string(current + sign * step);
                report(what.c_str(), m);
                if (m.score() - 0.5 > sigma * m.standard_error()) {
                    best = trial;
                    std::printf("  kept: %s\n", to_text(best).c_str());
                    break;
                }
            }
        }
    }
    std::printf("best: %s\n", to_text(best).c_str());
    return 0;
}

}  // namespace
}  // namespace bexoru::tune

int main(int argc, char** argv) {
    try {
        return bexoru::tune::run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "bexoru-tune: " << e.what() << '\n';
        return 2;
    }
}
