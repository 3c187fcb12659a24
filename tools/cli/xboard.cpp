// bexoru-cli xboard: the searching engine as a CECP (XBoard/WinBoard) engine
// for variant chu.
//
// The game is kept as its start and its moves, every move checked by the
// game's rules. The search runs on its own thread; its move is made and sent
// from there, under the same lock as the commands, and only if the game has
// not changed since it started (a generation count tells).

#include <algorithm>
#include <cmath>
#include <istream>
#include <mutex>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "engine_search.h"
#include "exchange/usi.h"
#include "searching.h"

namespace bexoru::cli {
namespace {

std::vector<std::string> words_of(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

// Seconds as a text, in milliseconds; 0 for anything that is not a number.
std::int64_t seconds_ms(const std::string& s) {
    const double v = std::atof(s.c_str());
    return v > 0 && v < 1e9 ? static_cast<std::int64_t>(v * 1000) : 0;
}

std::int64_t to_number(const std::string& s, std::int64_t otherwise) {
    try {
        std::size_t used = 0;
        const long long v = std::stoll(s, &used);
        // Clocks and counts far past any game are taken as the largest sensible one.
        return used == s.size() ? std::clamp<long long>(v, 0, 1'000'000'000) : otherwise;
    } catch (const std::exception&) {
        return otherwise;
    }
}

class XboardEngine {
public:
    explicit XboardEngine(Io& io) : io_(io), search_(16) { reset(exchange::start_diagram()); }

    void run() {
        std::string line;
        while (std::getline(io_.in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!command(words_of(line), line)) return;
        }
        search_.wait();
    }

private:
    void say(const std::string& text) { io_.out << text << '\n' << std::flush; }

    void reset(const exchange::Diagram& d) {
        start_ = d;
        moves_.clear();
        game_ = std::make_unique<exchange::Replay>(d);
        game_->set_rules(rules_);
        ++generation_;
    }

    // Stops the search without letting it move.
    void abandon() {
        {
            std::lock_guard lock(m_);
            ++generation_;
        }
        search_.stop();
    }

    // The result claim when a royal piece has gone: "1-0" the first mover (our lower army) wins.
    void claim_result() {
        const int lost = game_->army_without_royal();
        if (lost == exchange::upper_army) say("1-0 {the lower army takes the last royal piece}");
        if (lost == exchange::lower_army) say("0-1 {the upper army takes the last royal piece}");
    }

    bool command(const std::vector<std::string>& w, const std::string& line) {
        if (w.empty()) return true;
        const std::string& c = w[0];
        if (c == "?") {
            search_.stop();  // the search moves with what it has
            return true;
        }
        if (c == "quit") {
            abandon();
            return false;
        }
        // Whatever changes the game or starts a search first ends the search
        // (its move void), outside the lock: its last report may be waiting for it.
        if (c == "new" || c == "force" || c == "undo" || c == "remove" || c == "setboard" || c == "result" ||
            c == "variant" || c == "memory" || c == "go" || c == "playother" || c == "usermove" ||
            exchange::read_xboard_square(c))
            abandon();
        std::lock_guard lock(m_);
        if (c == "protover") {
            say("feature ping=1 setboard=1 usermove=1 time=1 draw=0 reuse=1 analyze=0 colors=0 sigint=0 sigterm=0 "
                "memory=1 myname=\"Bexoru\" variants=\"chu\" option=\"Rules -combo *standard /// original\" done=1");
        } else if (c == "new") {
            reset(exchange::start_diagram());
            engine_side_ = exchange::upper_army;
            depth_ = 0;
            search_.clear();
        } else if (c == "variant") {
            if (w.size() < 2 || w[1] != "chu")
                say("Error (unsupported variant): " + (w.size() < 2 ? "" : printable(w[1])));
        } else if (c == "force") {
            engine_side_ = 0;
        } else if (c == "go") {
            engine_side_ = game_->side();
            think();
        } else if (c == "playother") {
            engine_side_ = -game_->side();
        } else if (c == "usermove" && w.size() >= 2) {
            user_move(w[1]);
        } else if (c == "undo" || c == "remove") {
            const std::size_t n = c == "undo" ? 1 : 2;
            if (moves_.size() >= n) {
                std::vector<exchange::Move> kept(moves_.begin(), moves_.end() - static_cast<std::ptrdiff_t>(n));
                reset(start_);
                for (const exchange::Move& m : kept) game_->play(m);
                moves_ = kept;
            }
        } else if (c == "setboard") {
            const exchange::DiagramResult r = exchange::parse_xboard_fen(line.substr(line.find("setboard") + 8));
            if (!r.ok())
                say("tellusererror Illegal position: " + r.error->message);
            else
                reset(r.diagram);
        } else if (c == "level" && w.size() >= 4) {
            moves_per_session_ = static_cast<int>(to_number(w[1], 0));
            const std::string& base = w[2];
            const auto colon = base.find(':');
            base_ms_ = colon == std::string::npos
                           ? to_number(base, 5) * 60000
                           : to_number(base.substr(0, colon), 5) * 60000 + to_number(base.substr(colon + 1), 0) * 1000;
            inc_ms_ = seconds_ms(w[3]);
            fixed_ms_ = 0;
        } else if (c == "st" && w.size() >= 2) {
            fixed_ms_ = seconds_ms(w[1]);
        } else if (c == "sd" && w.size() >= 2) {
            depth_ = static_cast<int>(std::clamp<std::int64_t>(to_number(w[1], 0), 0, 60));
        } else if (c == "time" && w.size() >= 2) {
            clock_ms_ = to_number(w[1], 0) * 10;
        } else if (c == "ping" && w.size() >= 2) {
            say("pong " + w[1]);
        } else if (c == "result") {
            engine_side_ = 0;
        } else if (c == "post") {
            post_ = true;
        } else if (c == "nopost") {
            post_ = false;
        } else if (c == "memory" && w.size() >= 2) {
            search_.resize(static_cast<int>(std::clamp<std::int64_t>(to_number(w[1], 16), 1, 4096)));
        } else if (c == "xboard" || c == "accepted" || c == "rejected" || c == "otim" || c == "hard" || c == "easy" ||
                   c == "random" || c == "computer" || c == "name" || c == "rating" || c == "ics" || c == "cores" ||
                   c == "white" || c == "black" || c == "draw") {
            // Nothing to do for these.
        } else if (c == "option") {
            set_option(line.substr(line.find("option") + 6));
        } else if (exchange::read_xboard_square(c)) {
            user_move(c);  // a move without "usermove"
        } else {
            say("Error (unknown command): " + printable(c));
        }
        return true;
    }

    // "option NAME=VALUE": the rule set, for the game on and the games after it.
    void set_option(std::string text) {
        while (!text.empty() && text.front() == ' ') text.erase(0, 1);
        const auto eq = text.find('=');
        const std::string name = text.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : text.substr(eq + 1);
        if (name == "Rules" && (value == "standard" || value == "original")) {
            rules_ = value == "standard" ? ルール::標準 : ルール::本来;
            game_->set_rules(rules_);
        } else if (name == "Rules") {
            say("Error (Rules is 'standard' or 'original'): " + printable(value));
        }
    }

    void user_move(const std::string& text) {
        const exchange::MoveResult r = exchange::parse_xboard_move(text, *game_);
        if (!r.move) {
            say("Illegal move (" + r.refusal + "): " + printable(text));
            return;
        }
        game_->play(*r.move);
        moves_.push_back(*r.move);
        ++generation_;
        claim_result();
        if (engine_side_ == game_->side()) think();
    }

    // Called with the lock held.
    void think() {
        if (game_->army_without_royal() != 0) return;
        search::Limits limits;
        if (depth_ > 0) limits.depth = depth_;
        if (fixed_ms_ > 0) {
            limits.movetime_ms = std::max<std::int64_t>(10, fixed_ms_ - 50);
        } else if (base_ms_ > 0) {
            const std::int64_t left = clock_ms_ > 0 ? clock_ms_ : base_ms_;
            int to_go = 30;
            if (moves_per_session_ > 0) {
                const int ours = static_cast<int>(moves_.size() / 2);
                to_go = moves_per_session_ - ours % moves_per_session_;
            }
            std::int64_t t = left / (to_go + 1) + inc_ms_;
            t = std::min(t, left / 2);
            limits.movetime_ms = std::max<std::int64_t>(10, t - 100);
        } else if (depth_ == 0) {
            limits.movetime_ms = level_movetime_ms(last_search_level);
        }
        const search::Position p = search_position(*game_);
        limits.excluded = outside_lion_rules(*game_);
        limits.history = game_history(*game_);
        if (p.pieces(p.side()) == 0) return;
        const int generation = generation_;
        const auto root = std::make_shared<exchange::Replay>(*game_);
        search_.start(
            p, limits,
            [this, root](const search::SearchInfo& i) {
                if (!post_) return;
                std::string pv;
                exchange::Replay line = *root;
                for (const search::Move& sm : i.pv) {
                    const exchange::Move m = exchange_move(sm);
                    pv += " " + exchange::to_xboard_move(line.board(), m);
                    if (line.play(m)) break;
                }
                std::lock_guard lock(m_);
                say(std::to_string(i.depth) + " " + std::to_string(i.score) + " " +
                    std::to_string(static_cast<std::int64_t>(i.seconds * 100)) + " " + std::to_string(i.nodes) + pv);
            },
            [this, generation](const search::SearchResult& r) {
                std::lock_guard lock(m_);
                if (generation != generation_) return;  // the game has changed: the move is void
                if (!r.has_move) {
                    say("resign");
                    return;
                }
                const exchange::Move m = exchange_move(r.best);
                const std::string text = exchange::to_xboard_move(game_->board(), m);
                if (auto why = game_->play(m)) {
                    say("# internal fault: the search's move " + text + " is refused: " + *why);
                    say("resign");
                    return;
                }
                moves_.push_back(m);
                ++generation_;
                say("move " + text);
                claim_result();
            });
    }

    Io& io_;
    BackgroundSearch search_;
    std::mutex m_;
    exchange::Diagram start_;
    std::vector<exchange::Move> moves_;
    std::unique_ptr<exchange::Replay> game_;
    int generation_ = 0;
    int engine_side_ = exchange::upper_army;
    bool post_ = false;
    int depth_ = 0;
    // Other programs play by the standard rules, so an engine does too unless told otherwise.
    ルール rules_ = ルール::標準;
    int moves_per_session_ = 0;
    std::int64_t base_ms_ = 0, inc_ms_ = 0, fixed_ms_ = 0, clock_ms_ = 0;
};

int run_xboard(const Arguments&, Io& io) {
    XboardEngine engine(io);
    engine.run();
    return exit_ok;
}

}  // namespace

const Command xboard_command{
    .name = "xboard",
    .synopsis = "",
    .summary = "play as an XBoard (CECP) engine for variant chu",
    .details =
        "Speaks the Chess Engine Communication Protocol, version 2, on standard input\n"
        "and output, for XBoard and match tools: xboard -fcp 'bexoru-cli xboard'\n"
        "-variant chu. Understands protover, new, variant chu, force, go, playother,\n"
        "usermove, undo, remove, setboard (XBoard's FEN), level, st, sd, time, ping,\n"
        "?, result, post/nopost, memory and quit. Moves are XBoard's coordinates\n"
        "(h4h5, c9c10+, a double move e7d8,d8d7, the Lion's pass e9e9); every move is\n"
        "checked by the game's rules. Without a time control it thinks 5 s a move.\n"
        "The option Rules ('option Rules=original') chooses the rule set: 'standard'\n"
        "(the default, as other programs play) or 'original' (the game's own rules).\n",
    .options = {},
    .min_positional = 0,
    .max_positional = 0,
    .run = run_xboard,
};

}  // namespace bexoru::cli
