// bexoru-cli usi: the searching engine as a USI engine for Chu Shogi.
//
// Positions come as "position startpos|sfen ... moves ..." and are checked
// move by move by the game's rules; "go" starts the search on its own thread,
// so "stop", "isready" and "quit" are answered while it thinks. Output lines
// are written whole under one lock, from either thread.

#include <algorithm>
#include <istream>
#include <mutex>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "engine_search.h"
#include "exchange/usi.h"
#include "searching.h"

#ifndef BEXORU_VERSION
#define BEXORU_VERSION "unknown"
#endif

namespace bexoru::cli {
namespace {

constexpr int default_hash_mb = 16;

std::vector<std::string> words_of(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

std::string score_text(int score) {
    if (score > search::kMateBound) return "mate " + std::to_string(search::kMate - score);
    if (score < -search::kMateBound) return "mate -" + std::to_string(search::kMate + score);
    return "cp " + std::to_string(score);
}

class UsiEngine {
public:
    explicit UsiEngine(Io& io) : io_(io), search_(default_hash_mb) {}

    // Reads commands to the end of the input or "quit".
    void run() {
        std::string line;
        while (std::getline(io_.in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!command(words_of(line), line)) return;
        }
        // The input has ended: a search with a budget finishes and answers.
        if (infinite_) halt();
        search_.wait();
    }

private:
    void say(const std::string& text) {
        std::lock_guard lock(out_);
        io_.out << text << '\n' << std::flush;
    }

    // Stops the search; a held best move is given now.
    void halt() {
        {
            std::lock_guard lock(out_);
            stop_asked_ = true;
        }
        search_.stop();
        std::lock_guard lock(out_);
        if (held_) {
            io_.out << *held_ << '\n' << std::flush;
            held_.reset();
        }
    }

    bool command(const std::vector<std::string>& w, const std::string& line) {
        if (w.empty()) return true;
        const std::string& c = w[0];
        if (c == "usi") {
            say("id name Bexoru " BEXORU_VERSION);
            say("id author the Bexoru developers");
            say("option name USI_Hash type spin default " + std::to_string(default_hash_mb) + " min 1 max 4096");
            say("option name Level type spin default " + std::to_string(last_search_level) + " min " +
                std::to_string(first_search_level) + " max " + std::to_string(last_search_level));
            say("option name USI_Variant type combo default chushogi var chushogi");
            say("option name Rules type combo default standard var original var standard");
            say("usiok");
        } else if (c == "isready") {
            say("readyok");
        } else if (c == "setoption") {
            set_option(w);
        } else if (c == "usinewgame") {
            halt();
            search_.clear();
        } else if (c == "position") {
            halt();
            const exchange::GameResult r = exchange::parse_usi_game(line.substr(line.find("position")));
            game_.reset();
            if (!r.ok()) {
                say("info string error: position: " + r.error->message);
                return true;
            }
            game_ = std::make_unique<exchange::Replay>(r.game.start);
            game_->set_rules(rules_);
            for (const exchange::Move& m : r.game.moves) game_->play(m);
        } else if (c == "go") {
            go(w);
        } else if (c == "stop") {
            halt();
        } else if (c == "quit") {
            halt();
            return false;
        } else if (c == "gameover") {
            halt();
        } else if (c == "ponderhit") {
            // Pondering is not offered; nothing to do.
        } else {
            say("info string error: unknown command " + printable(c));
        }
        return true;
    }

    void set_option(const std::vector<std::string>& w) {
        // setoption name NAME [value VALUE]
        std::string name, value;
        std::size_t i = 1;
        if (i < w.size() && w[i] == "name") ++i;
        for (; i < w.size() && w[i] != "value"; ++i) name += (name.empty() ? "" : " ") + w[i];
        if (i < w.size()) ++i;
        for (; i < w.size(); ++i) value += (value.empty() ? "" : " ") + w[i];
        try {
            if (name == "USI_Hash" || name == "Hash") {
                halt();
                search_.resize(static_cast<int>(parse_count(value, "USI_Hash", 1, 4096)));
            } else if (name == "Level") {
                level_ = static_cast<int>(parse_count(value, "Level", first_search_level, last_search_level));
            } else if (name == "Rules") {
                if (value == "standard" || value == "original") {
                    halt();
                    rules_ = value == "standard" ? ルール::標準 : ルール::本来;
                    if (game_) game_->set_rules(rules_);
                } else {
                    say("info string error: Rules is 'original' or 'standard', not " + printable(value));
                }
            } else if (name == "USI_Variant") {
                if (value != "chushogi") say("info string error: only chushogi is played, not " + printable(value));
            } else if (name != "USI_Ponder" && name != "USI_OwnBook") {
                say("info string error: no option " + printable(name));
            }
        } catch (const Refusal& e) {
            say(std::string("info string error: ") + e.what());
        }
    }

    void go(const std::vector<std::string>& w) {
        halt();
        if (!game_) {
            say("info string error: no position");
            say("bestmove resign");
            return;
        }
        search::Limits limits;
        std::int64_t mine = -1, inc = 0, byoyomi = 0;
        bool budget = false;
        infinite_ = false;
        const bool lower = game_->side() == exchange::lower_army;
        for (std::size_t i = 1; i < w.size(); ++i) {
            const std::string& k = w[i];
            const auto number = [&]() -> std::int64_t {
                if (i + 1 >= w.size()) return 0;
                try {
                    return std::clamp<std::int64_t>(std::stoll(w[++i]), 0, 1'000'000'000'000);
                } catch (const std::exception&) {
                    return 0;
                }
            };
            if (k == "infinite") {
                infinite_ = true;
                budget = true;
            } else if (k == "movetime") {
                limits.movetime_ms = std::max<std::int64_t>(1, number() - 30);
                budget = true;
            } else if (k == "depth") {
                limits.depth = static_cast<int>(std::clamp<std::int64_t>(number(), 1, 60));
                budget = true;
            } else if (k == "nodes") {
                limits.nodes = std::max<std::int64_t>(1, number());
                budget = true;
            } else if (k == (lower ? "btime" : "wtime")) {
                mine = number();
            } else if (k == (lower ? "binc" : "winc")) {
                inc = number();
            } else if (k == "byoyomi") {
                byoyomi = number();
            } else if (k == "btime" || k == "wtime" || k == "binc" || k == "winc" || k == "movestogo") {
                number();
            }
        }
        if (mine >= 0 || byoyomi > 0) {
            const std::int64_t left = std::max<std::int64_t>(mine, 0);
            std::int64_t t = left / 30 + inc + byoyomi;
            t = std::min(t, left / 2 + byoyomi);
            limits.movetime_ms = std::max<std::int64_t>(10, t - 100);
            budget = true;
        }
        if (!budget) limits.movetime_ms = level_movetime_ms(level_);

        const search::Position p = search_position(*game_);
        limits.excluded = outside_lion_rules(*game_);
        limits.history = game_history(*game_);
        if (p.royals(p.side()) == 0 || p.royals(-p.side()) == 0 || p.pieces(p.side()) == 0) {
            say("bestmove resign");
            return;
        }
        {
            std::lock_guard lock(out_);
            stop_asked_ = false;
            held_.reset();
        }
        search_.start(
            p, limits,
            [this](const search::SearchInfo& i) {
                std::string pv;
                for (const search::Move& m : i.pv) pv += " " + exchange::to_usi(exchange_move(m));
                const double s = i.seconds > 0 ? i.seconds : 1e-9;
                say("info depth " + std::to_string(i.depth) + " score " + score_text(i.score) + " nodes " +
                    std::to_string(i.nodes) + " nps " +
                    std::to_string(static_cast<std::int64_t>(static_cast<double>(i.nodes) / s)) + " time " +
                    std::to_string(static_cast<std::int64_t>(i.seconds * 1000)) + (pv.empty() ? "" : " pv" + pv));
            },
            [this](const search::SearchResult& r) {
                const std::string answer =
                    r.has_move ? "bestmove " + exchange::to_usi(exchange_move(r.best)) : "bestmove resign";
                std::lock_guard lock(out_);
                // Under "go infinite" the move waits for "stop".
                if (infinite_ && !stop_asked_)
                    held_ = answer;
                else
                    io_.out << answer << '\n' << std::flush;
            });
    }

    Io& io_;
    BackgroundSearch search_;
    std::mutex out_;
    std::unique_ptr<exchange::Replay> game_;
    int level_ = last_search_level;
    // Other programs play by the standard rules, so an engine does too unless told otherwise.
    ルール rules_ = ルール::標準;
    bool infinite_ = false;
    bool stop_asked_ = false;
    std::optional<std::string> held_;
};

int run_usi(const Arguments&, Io& io) {
    UsiEngine engine(io);
    engine.run();
    return exit_ok;
}

}  // namespace

const Command usi_command{
    .name = "usi",
    .synopsis = "",
    .summary = "play as a USI engine for Chu Shogi (standard input and output)",
    .details =
        "Speaks the Universal Shogi Interface on standard input and output, for GUIs\n"
        "and bot bridges that play Chu Shogi through USI: usi, isready, setoption,\n"
        "usinewgame, position startpos|sfen SFEN [moves M ...], go (movetime MS,\n"
        "btime/wtime/binc/winc/byoyomi MS, depth N, nodes N, infinite), stop, quit.\n"
        "Positions and moves are SFEN and USI moves (a double move is three squares,\n"
        "'7g7f7e'); every move is checked by the game's rules, and a refused position\n"
        "is reported as 'info string error: ...'. The search runs on its own thread.\n"
        "Options: USI_Hash (table megabytes, default 16), Level (4 to 6: the time a\n"
        "move when 'go' sets no limit: 0.3, 1 or 5 seconds; default 6), Rules\n"
        "('standard', the default, as other programs play, or 'original', the game's\n"
        "own rules; docs/rules.md).\n",
    .options = {},
    .min_positional = 0,
    .max_positional = 0,
    .run = run_usi,
};

}  // namespace bexoru::cli
