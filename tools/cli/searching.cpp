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

}  // namespace bexoru::cli
