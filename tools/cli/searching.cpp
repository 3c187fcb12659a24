#include "searching.h"

#include <charconv>

#include "play/search_levels.h"

namespace bexoru::cli {

int parse_side(const Arguments& args, std::string_view command) {
    const auto v = args.value("side");
    if (!v || *v == "upper") return search::kUpper;
    if (*v == "lower") return search::kLower;
    throw Refusal(std::string(command) + ": --side must be 'upper' or 'lower', not " + quoted(*v));
}

std::int64_t parse_count(std::string_view text, std::string_view what, std::int64_t from, std::int64_t to) {
    std::int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc{} || end != text.data() + text.size() || v < from || v > to) {
        throw Refusal(std::string(what) + " must be a whole number from " + std::to_string(from) + " to " +
                      std::to_string(to) + ", not " + quoted(text));
    }
    return v;
}

std::string_view army_name(int side) {
    return side > 0 ? "upper" : "lower";
}

void require_playable(const search::Position& p, std::string_view command) {
    const int side = p.side();
    if (p.pieces(side) == 0) {
        throw Refusal(std::string(command) + ": the " + std::string(army_name(side)) +
                      " army, which is to move, has no pieces");
    }
    if (p.royals(side) == 0) {
        throw Refusal(std::string(command) + ": the " + std::string(army_name(side)) +
                      " army, which is to move, has no King or Crown Prince: the game is over");
    }
    if (p.royals(-side) == 0) {
        throw Refusal(std::string(command) + ": the " + std::string(army_name(-side)) +
                      " army has no King or Crown Prince: the game is over");
    }
}

std::int64_t level_movetime_ms(int level) {
    return 探索レベルの持ち時間(level);
}

search::Limits level_limits(int level, const Arguments& args, std::string_view command) {
    search::Limits limits;
    limits.movetime_ms = level_movetime_ms(level);
    const auto movetime = args.value("movetime");
    const auto nodes = args.value("nodes");
    if (nodes) {
        limits.nodes = parse_count(*nodes, std::string(command) + ": --nodes", 1, INT64_MAX);
        limits.movetime_ms = 0;
    }
    if (movetime) limits.movetime_ms = parse_count(*movetime, std::string(command) + ": --movetime", 1, 86'400'000);
    return limits;
}

探索結果 as_turn(const search::Position& p, const search::SearchResult& r) {
    return 探索の答え(p, r);
}

std::string pv_text(const std::vector<search::Move>& pv) {
    std::string s;
    for (const search::Move& m : pv) s += (s.empty() ? " " : ", ") + search::to_text(m);
    return s;
}

}  // namespace bexoru::cli
