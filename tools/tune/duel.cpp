#include "duel.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <vector>

#include "board/starting_position.h"
#include "search/agreement.h"
#include "search/movegen.h"

namespace bexoru::tune {

int& weight(Settings& s, std::string_view name) {
    if (name == "mobility") return s.weights.mobility;
    if (name == "promotion") return s.weights.promotion_percent;
    if (name == "guard") return s.weights.royal_guard;
    if (name == "attacker") return s.weights.royal_attacker;
    if (name == "lion") return s.weights.lion_contact;
    throw std::invalid_argument("unknown weight '" + std::string(name) + "'");
}

Settings parse_settings(std::string_view text, Settings base) {
    while (!text.empty()) {
        const auto comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        const auto eq = item.find('=');
        if (eq == std::string_view::npos) throw std::invalid_argument("'" + std::string(item) + "' is not name=value");
        const std::string_view name = item.substr(0, eq);
        const std::string value(item.substr(eq + 1));
        std::size_t used = 0;
        int v = 0;
        try {
            v = std::stoi(value, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used == 0 || used != value.size() || v < -100000 || v > 100000)
            throw std::invalid_argument("'" + std::string(item) + "' needs a whole number");
        if (name == "check") {
            if (v != 0 && v != 1) throw std::invalid_argument("check must be 0 or 1");
            base.options.check_extension = v == 1;
        } else {
            weight(base, name) = v;
        }
    }
    return base;
}

std::string to_text(const Settings& s) {
    Settings copy = s;
    std::string out;
    for (const std::string_view name : weight_names)
        out += std::string(name) + "=" + std::to_string(weight(copy, name)) + ",";
    return out + "check=" + (s.options.check_extension ? "1" : "0");
}

GameRecord play_game(const Settings& first, const Settings& second, const DuelRules& rules,
                     std::uint64_t opening_seed) {
    盤面型 board{};
    初期配置(board);
    search::Position p = search::Position::from_board(board, search::kLower);
    const int first_side = p.side();
    search::Engine engines[2] = {search::Engine(8, first.weights, first.options),
                                 search::Engine(8, second.weights, second.options)};
    search::Random rng(opening_seed);
    search::Limits limits;
    limits.nodes = rules.nodes;
    std::map<std::uint64_t, int> seen;
    GameRecord g;
    auto won_by = [&](int side) { return side == first_side ? Outcome::first_wins : Outcome::second_wins; };
    for (;; ++g.plies) {
        if (p.royals(p.side()) == 0) {
            g.outcome = won_by(-p.side());
            g.why = "royal capture";
            return g;
        }
        if (g.plies >= rules.max_plies) {
            const int lead = p.material(first_side) - p.material(-first_side);
            g.outcome = lead >= rules.material_win    ? Outcome::first_wins
                        : lead <= -rules.material_win ? Outcome::second_wins
                                                      : Outcome::draw;
            g.why = "move limit, material " + std::to_string(lead);
            return g;
        }
        // The same position a fourth time: neither side makes progress.
        if (++seen[p.hash()] >= 4) {
            g.outcome = Outcome::draw;
            g.why = "repetition";
            return g;
        }
        search::MoveList list;
        search::generate(p, list, search::Generate::unique);
        if (list.size == 0) {
            g.outcome = won_by(-p.side());
            g.why = "no legal move";
            return g;
        }
        search::Move m{};
        if (g.plies < rules.opening) {
            std::vector<search::Move> singles;
            for (const search::Move& c : list)
                if (!c.is_double() && p.at(c.to) == 0) singles.push_back(c);
            m = singles.empty() ? list[0]
                                : singles[static_cast<std::size_t>(rng.below(static_cast<int>(singles.size())))];
        } else {
            m = engines[p.side() == first_side ? 0 : 1].search(p, limits).best;
        }
        p.make(m);
    }
}

double MatchScore::score() const {
    const int n = wins + draws + losses;
    return n == 0 ? 0.5 : (wins + 0.5 * draws) / n;
}

double MatchScore::standard_error() const {
    const int n = wins + draws + losses;
    if (n == 0) return 0.5;
    // From the spread of the games' points (1, 0.5, 0) around the mean.
    const double s = score();
    const double var = (wins * (1 - s) * (1 - s) + draws * (0.5 - s) * (0.5 - s) + losses * s * s) / n;
    return std::sqrt(var / n);
}

MatchScore play_match(const Settings& a, const Settings& b, const DuelRules& rules, int pairs, std::uint64_t seed,
                      void (*progress)(int game, const MatchScore&)) {
    MatchScore m;
    int game = 0;
    for (int i = 0; i < pairs; ++i) {
        const std::uint64_t opening = seed * 1000003 + static_cast<std::uint64_t>(i);
        for (const bool a_first : {true, false}) {
            const GameRecord g = a_first ? play_game(a, b, rules, opening) : play_game(b, a, rules, opening);
            m.plies += g.plies;
            if (g.outcome == Outcome::draw) {
                ++m.draws;
            } else if ((g.outcome == Outcome::first_wins) == a_first) {
                ++m.wins;
            } else {
                ++m.losses;
            }
            if (progress) progress(++game, m);
        }
    }
    return m;
}

double elo(double score) {
    score = std::clamp(score, 0.001, 0.999);
    return -400 * std::log10(1 / score - 1);
}

}  // namespace bexoru::tune
