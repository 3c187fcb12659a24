#include "searching.h"

#include <charconv>

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
    return level <= 4 ? 300 : level == 5 ? 1000 : 5000;
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
    探索結果 out;
    if (!r.has_move) return out;
    const search::Move& m = r.best;
    const int code = p.at(m.from);
    const int now = m.promote ? code + (code > 0 ? 1 : -1) : code;
    out.手 = 指し手{
        search::column_of(m.from), search::row_of(m.from), search::column_of(m.to), search::row_of(m.to), code, now};
    // A royal capture in sight scores as levels 1 to 3 score taking the King.
    const 評価値 score = r.score > search::kMateBound    ? 点(9999)
                         : r.score < -search::kMateBound ? -点(9999)
                                                         : r.score / 10;
    out.最高評価値 = score;
    if (m.is_double()) {
        const int kind = code > 0 ? code : -code;
        const int dx = search::column_of(m.to) - search::column_of(m.from);
        out.二手目駒 = kind == 駒::鷲 ? (dx > 0 ? 擬_鷲二 : 擬_鷲一) : kind == 駒::鷹 ? 擬_鷹 : kind;
        if (code < 0) out.二手目駒 = -out.二手目駒;
        out.二手目 = 二手目手{search::column_of(m.to2), search::row_of(m.to2), score};
    }
    return out;
}

std::string pv_text(const std::vector<search::Move>& pv) {
    std::string s;
    for (const search::Move& m : pv) s += (s.empty() ? " " : ", ") + search::to_text(m);
    return s;
}

}  // namespace bexoru::cli
