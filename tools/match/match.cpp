// bexoru-match: the searching engine of levels 4 to 6 against an engine that
// speaks the Chess Engine Communication Protocol (HaChu is the reference), from
// random short openings with colours alternating.
//
//   bexoru-match [--engine PATH] [--games N] [--level L | --movetime MS | --nodes N]
//                [--st SECONDS | --sd DEPTH] [--max-moves M] [--seed S] [--moves] [--retry]
//                [--settings name=value,...] [--rules standard|original] [--jobs J]
//
// The game follows the standard rules by default (docs/rules.md), as the
// other engine does: besides the moves, a game ends when an army is left with
// only royal pieces while the other has more (a bare King loses), and the
// side whose move makes a position (board and side to move) occur the fourth
// time loses. HaChu answers "@@@@", its null move, when it passes the turn;
// a pass is a move under the standard rules only as a Lion's (or Falcon's or
// Eagle's) step out and back, so "@@@@" is read as that pass when the other
// engine has one, and is a dispute otherwise. HaChu also refuses any move
// that brings back a position of the game ("Repeats earlier position"),
// stricter than the fourth occurrence, so our search is kept from those
// moves (and told the game's positions for the fourth-occurrence rule). When
// HaChu refuses our capture of its last royal piece (it does, having no move
// out of the attack), the game is our win and the line says so. With --jobs 2 two games run at
// once; each game's opening is the same as when the games run one by one.
//
// The game is kept by our own rules: every move of the other engine must be
// one our move generator allows, and every move we send must be accepted by
// the other engine; a game where either side plays a move the other's rules
// refuse stops and counts as a dispute, not a win. A game that reaches the
// move limit is adjudicated on material (a lead of 10 table points wins),
// else drawn. With --retry a move of ours that the other engine refuses is
// replaced by our next choice instead (each one counted and reported): the
// game then goes on by the stricter of the two rules.
//
// Board coordinates and moves are written as notation.h describes. A
// dispute prints the position in the other engine's FEN. The other engine is told
// "memory 64" before anything else, and is always fed the moves from the
// starting position (never a set-up board).

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "board/starting_position.h"
#include "rules/move_execution.h"
#include "rules/move_logging.h"
#include "search/agreement.h"
#include "search/engine.h"
#include "search/movegen.h"
#include "notation.h"
#include "tune/duel.h"

namespace bexoru {
namespace {

using search::Move;

class Peer {
public:
    explicit Peer(const std::string& path) {
        int to_child[2], from_child[2];
        if (pipe(to_child) != 0 || pipe(from_child) != 0) throw std::runtime_error("cannot make pipes");
        pid_ = fork();
        if (pid_ < 0) throw std::runtime_error("cannot fork");
        if (pid_ == 0) {
            dup2(to_child[0], 0);
            dup2(from_child[1], 1);
            const int null = open("/dev/null", O_WRONLY);
            if (null >= 0) dup2(null, 2);
            close(to_child[1]);
            close(from_child[0]);
            execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(to_child[0]);
        close(from_child[1]);
        in_ = to_child[1];
        out_ = from_child[0];
    }
    ~Peer() {
        send("quit");
        close(in_);
        close(out_);
        int status = 0;
        for (int i = 0; i < 50 && waitpid(pid_, &status, WNOHANG) == 0; ++i) usleep(20000);
        if (waitpid(pid_, &status, WNOHANG) == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
    }
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;

    void send(const std::string& line) {
        const std::string s = line + "\n";
        if (write(in_, s.data(), s.size()) < 0) return;
    }

    // The next line, or nothing after `seconds` without one.
    std::optional<std::string> line(double seconds) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        for (;;) {
            const auto nl = buffer_.find('\n');
            if (nl != std::string::npos) {
                std::string l = buffer_.substr(0, nl);
                buffer_.erase(0, nl + 1);
                if (!l.empty() && l.back() == '\r') l.pop_back();
                return l;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return std::nullopt;
            pollfd p{out_, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
            char chunk[4096];
            const ssize_t n = read(out_, chunk, sizeof chunk);
            if (n <= 0) return std::nullopt;
            buffer_.append(chunk, static_cast<std::size_t>(n));
        }
    }

private:
    pid_t pid_ = -1;
    int in_ = -1, out_ = -1;
    std::string buffer_;
};

using notation::move_name;
using notation::parse_move;
using notation::squares_in;

struct Game {
    盤面型 board{};
    棋譜記録 log{};
    int side = search::kLower;  // the first mover is the lower army
    ルール rules = ルール::標準;
    // How often each position (board and side to move) has occurred.
    std::map<std::uint64_t, int> seen;

    search::Position position() const { return search::Position::from_game(board, log, side, 0, rules); }
    // The key of the board and side to move, without the look-back.
    std::uint64_t key() const { return search::Position::from_board(board, side).hash(); }

    void play(const search::Position& p, const Move& m) {
        const int X1 = search::column_of(m.from), Y1 = search::row_of(m.from);
        const int X2 = search::column_of(m.to), Y2 = search::row_of(m.to);
        const int code = p.at(m.from);
        const int now = m.promote ? code + (code > 0 ? 1 : -1) : code;
        手順保存(board, log, X1, Y1, X2, Y2, code, now);
        盤上移動(board, X1, Y1, X2, Y2, now);
        if (m.is_double()) {
            const int X3 = search::column_of(m.to2), Y3 = search::row_of(m.to2);
            手順保存(board, log, X2, Y2, X3, Y3, code, code);
            盤上移動(board, X2, Y2, X3, Y3, code);
        }
        side = -side;
    }
};

struct Options {
    std::string engine = "/usr/games/hachu";
    int games = 2;
    search::Limits limits;
    std::string peer_time = "st 1";
    int max_moves = 300;
    std::uint64_t seed = 1;
    bool print_moves = false;
    bool retry = false;
    ルール rules = ルール::標準;
    int jobs = 1;
    tune::Settings settings;  // our evaluation weights and search options (bexoru-tune's names)
};

// 1 our win, 0 draw, -1 our loss, 2 dispute; `why` says how it ended.
// The end of the game under the standard rules after the move just made, by
// the army -g.side: 1 when the mover wins, -1 when it loses, 0 when play goes on.
int standard_end(Game& g, std::string& why) {
    const search::Position p = g.position();
    const int mover = -g.side;
    const bool mover_bare = p.pieces(mover) == p.royals(mover), other_bare = p.pieces(-mover) == p.royals(-mover);
    if (mover_bare != other_bare && p.royals(mover) > 0 && p.royals(-mover) > 0) {
        why = "bare King";
        return other_bare ? 1 : -1;
    }
    if (++g.seen[g.key()] >= 4) {
        why = "fourth repetition";
        return -1;
    }
    return 0;
}

int play_game(const Options& o, int number, int our_side, search::Random& rng, std::string& why, int& plies,
              int& refused, int& passes, std::string& moves) {
    Peer peer(o.engine);
    peer.send("xboard");
    peer.send("protover 2");
    peer.send("memory 64");
    peer.send("new");
    peer.send("variant chu");
    peer.send("force");
    peer.send(o.peer_time);
    int ping = 0;
    // Waits for the answer to a ping; false when the engine refused a move before it.
    auto synced = [&]() {
        peer.send("ping " + std::to_string(++ping));
        const std::string want = "pong " + std::to_string(ping);
        while (auto l = peer.line(30)) {
            if (l->rfind("Illegal move", 0) == 0 || l->rfind("Error", 0) == 0) return false;
            if (*l == want) return true;
        }
        return false;
    };
    if (!synced()) {
        why = "the other engine did not answer";
        return 2;
    }

    Game g;
    初期配置(g.board);
    g.rules = o.rules;
    g.seen[g.key()] = 1;
    search::Engine ours(32, o.settings.weights, o.settings.options);
    plies = 0;
    const int opening = 2;
    for (;; ++plies) {
        if (plies > 0 && o.rules == ルール::標準) {
            if (const int end = standard_end(g, why)) return (-g.side == our_side) == (end > 0) ? 1 : -1;
        }
        const search::Position p = g.position();
        if (p.royals(p.side()) == 0) {
            why = "royal capture";
            return p.side() == our_side ? -1 : 1;
        }
        if (plies >= o.max_moves || 記録余地(g.log) < 2) {
            const int lead = p.material(our_side) - p.material(-our_side);
            why = "move limit, material " + std::to_string(lead);
            return lead >= 10 ? 1 : lead <= -10 ? -1 : 0;
        }
        search::MoveList list;
        search::generate(p, list, search::Generate::unique);
        if (list.size == 0) {
            why = "no legal move";
            return p.side() == our_side ? -1 : 1;
        }
        Move m{};
        if (plies < opening) {
            // Random openings: single moves only, so both engines read them alike.
            std::vector<Move> singles;
            for (const Move& c : list)
                if (!c.is_double()) singles.push_back(c);
            m = singles.empty() ? list[0]
                                : singles[static_cast<std::size_t>(rng.below(static_cast<int>(singles.size())))];
        } else if (p.side() == our_side) {
            // A move the other engine refuses is replaced by our next choice
            // (counted; the game goes on by the stricter rule).
            search::Limits limits = o.limits;
            if (o.rules == ルール::標準) {
                limits.history = search::earlier_positions(g.board, g.log, g.side, o.rules);
                search::Position after = p;
                for (const Move& c : list) {
                    const search::Undo u = after.make(c);
                    if (g.seen.count(after.hash()) != 0) limits.excluded.push_back(c);
                    after.unmake(c, u);
                }
            }
            for (int tries = 0;; ++tries) {
                const search::SearchResult r = ours.search(p, limits);
                if (!r.has_move) {
                    why = "no move left that the other engine accepts";
                    return 2;
                }
                m = r.best;
                const std::string name = move_name(p, m);
                peer.send("usermove " + name);
                if (synced()) break;
                const int last_royals = p.royals(-p.side());
                search::Position taken = p;
                taken.make(m);
                if (last_royals > 0 && taken.royals(-p.side()) == 0) {
                    why = "our capture of its last royal piece '" + name + "', which the other engine refused";
                    return 1;
                }
                ++refused;
                if (o.print_moves) moves += "  " + std::to_string(number) + "." + std::to_string(plies + 1) + " refused " + name + '\n';
                if (!o.retry || tries >= 8) {
                    why = "dispute: the other engine refused our move '" + name + "'";
                    return 2;
                }
                limits.excluded.push_back(m);
            }
            if (o.print_moves) moves += "  " + std::to_string(number) + "." + std::to_string(plies + 1) + " ours " + move_name(p, m) + '\n';
            g.play(p, m);
            continue;
        } else {
            peer.send("go");
            std::string text;
            while (auto l = peer.line(600)) {
                if (l->rfind("move ", 0) == 0) {
                    text += l->substr(5);
                    if (!text.empty() && text.back() == ',') continue;  // the second leg follows
                    break;
                }
                // A result claim: "1-0" the first mover (our lower army) wins, "0-1" the second.
                const bool first_wins = l->rfind("1-0", 0) == 0, second_wins = l->rfind("0-1", 0) == 0;
                if (first_wins || second_wins || l->rfind("1/2-1/2", 0) == 0) {
                    why = "the other engine ended the game: " + *l;
                    if (!first_wins && !second_wins) return 0;
                    return (first_wins ? search::kLower : search::kUpper) == our_side ? 1 : -1;
                }
                if (l->rfind("resign", 0) == 0) {
                    why = "the other engine resigned";
                    return 1;
                }
            }
            peer.send("force");
            auto parsed = parse_move(p, text);
            if (!parsed && text == "@@@@") {
                // Its null move: the turn passed. A move only as a double mover's step out and back.
                search::MoveList all;
                search::generate(p, all, search::Generate::all);
                for (const Move& c : all)
                    if (c.is_double() && c.to2 == c.from && p.at(c.to) == 0) {
                        parsed = c;
                        break;
                    }
                if (!parsed) {
                    why = "dispute: the other engine passed ('@@@@') with no piece that may pass; position " +
                          notation::to_fen(p);
                    return 2;
                }
                ++passes;
            }
            if (!parsed) {
                why = "dispute: the other engine played '" + text + "', which our rules refuse (";
                for (const int sq : squares_in(text)) why += std::to_string(p.at(sq)) + " ";
                why += "on its squares, look-back " + std::to_string(p.last_captured()) + "/" +
                       std::to_string(p.prev_moved()) + "; position " + notation::to_fen(p) + ")";
                return 2;
            }
            m = *parsed;
            if (o.print_moves) moves += "  " + std::to_string(number) + "." + std::to_string(plies + 1) + " peer " + text + '\n';
            g.play(p, m);
            continue;
        }
        const std::string name = move_name(p, m);
        if (o.print_moves) moves += "  " + std::to_string(number) + "." + std::to_string(plies + 1) + " opening " + name + '\n';
        peer.send("usermove " + name);
        if (!synced()) {
            why = "dispute: the other engine refused our move '" + name + "'";
            return 2;
        }
        g.play(p, m);
    }
}

int run(int argc, char** argv) {
    Options o;
    o.limits.movetime_ms = 300;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw std::runtime_error(a + " needs a value");
            return argv[++i];
        };
        if (a == "--engine") {
            o.engine = value();
        } else if (a == "--games") {
            o.games = std::stoi(value());
        } else if (a == "--level") {
            const int l = std::stoi(value());
            o.limits.movetime_ms = l <= 4 ? 300 : l == 5 ? 1000 : 5000;
        } else if (a == "--movetime") {
            o.limits.movetime_ms = std::stoll(value());
        } else if (a == "--nodes") {
            o.limits.nodes = std::stoll(value());
            o.limits.movetime_ms = 0;
        } else if (a == "--st") {
            o.peer_time = "st " + value();
        } else if (a == "--sd") {
            o.peer_time = "sd " + value();
        } else if (a == "--max-moves") {
            o.max_moves = std::stoi(value());
        } else if (a == "--seed") {
            o.seed = std::stoull(value());
        } else if (a == "--moves") {
            o.print_moves = true;
        } else if (a == "--retry") {
            o.retry = true;
        } else if (a == "--rules") {
            const std::string r = value();
            if (r != "standard" && r != "original") throw std::runtime_error("--rules must be standard or original");
            o.rules = r == "standard" ? ルール::標準 : ルール::本来;
        } else if (a == "--jobs") {
            o.jobs = std::max(1, std::min(2, std::stoi(value())));
        } else if (a == "--settings") {
            o.settings = tune::parse_settings(value());
        } else {
            std::cerr << "usage: bexoru-match [--engine PATH] [--games N] [--level 4|5|6 | --movetime MS | --nodes N]\n"
                         "                    [--st SECONDS | --sd DEPTH] [--max-moves M] [--seed S] [--moves]\n"
                         "                    [--retry] [--settings name=value,...] [--rules standard|original]\n"
                         "                    [--jobs 1|2]\n";
            return 2;
        }
    }
    std::cout << "bexoru settings: " << tune::to_text(o.settings) << "; rules "
              << (o.rules == ルール::標準 ? "standard" : "original") << std::endl;
    int wins = 0, draws = 0, losses = 0, disputes = 0;
    long total_plies = 0;
    int total_refused = 0, total_passes = 0;
    std::vector<int> lengths;
    std::mutex lock;
    int next = 1;
    // Each game draws its opening from the seed as if the games before it had
    // drawn theirs: two numbers a game.
    auto worker = [&]() {
        for (;;) {
            int n = 0;
            {
                const std::lock_guard<std::mutex> hold(lock);
                if (next > o.games) return;
                n = next++;
            }
            search::Random rng(o.seed + static_cast<std::uint64_t>(2 * (n - 1)) * 0x9e3779b97f4a7c15ULL);
            const int our_side = n % 2 == 1 ? search::kLower : search::kUpper;
            std::string why, moves;
            int plies = 0, refused = 0, passes = 0;
            const int r = play_game(o, n, our_side, rng, why, plies, refused, passes, moves);
            const std::lock_guard<std::mutex> hold(lock);
            total_refused += refused;
            total_passes += passes;
            total_plies += plies;
            lengths.push_back(plies);
            (r == 1 ? wins : r == 0 ? draws : r == -1 ? losses : disputes)++;
            std::cout << moves << "game " << n << ": bexoru " << (our_side < 0 ? "first" : "second") << ", "
                      << (r == 1    ? "win"
                          : r == 0  ? "draw"
                          : r == -1 ? "loss"
                                    : "dispute")
                      << " (" << why << "), " << plies << " plies"
                      << (passes > 0 ? ", " + std::to_string(passes) + " passes of the other engine" : "")
                      << std::endl;
        }
    };
    std::vector<std::thread> threads;
    for (int j = 0; j < o.jobs; ++j) threads.emplace_back(worker);
    for (auto& t : threads) t.join();
    std::cout << "other engine's passes ('@@@@') read as a Lion's pass: " << total_passes << '\n';
    const int counted = wins + draws + losses;
    std::cout << "bexoru: " << wins << " wins, " << draws << " draws, " << losses << " losses, " << disputes
              << " disputes of " << o.games << " games; mean length " << (o.games > 0 ? total_plies / o.games : 0)
              << " plies; " << total_refused << " of our moves refused by the other engine and replaced\n";
    if (counted > 0) {
        const double s = (wins + 0.5 * draws) / counted;
        const double se = std::sqrt(s * (1 - s) / counted);
        auto elo = [](double x) {
            x = std::min(std::max(x, 0.001), 0.999);
            return -400 * std::log10(1 / x - 1);
        };
        if (wins == counted || losses == counted) {
            // No finite Elo at 0 % or 100 %: the one-sided 95 % bound of a clean sweep of n is 0.05^(1/n).
            const double bound = std::pow(0.05, 1.0 / counted);
            std::printf("score %.1f %% of %d counted games; Elo difference %s %+.0f (95 %% bound)\n", 100 * s, counted,
                        wins == counted ? "above" : "below", wins == counted ? elo(bound) : -elo(bound));
        } else {
            std::printf("score %.1f %% of %d counted games; Elo difference %+.0f (95 %% interval %+.0f to %+.0f)\n",
                        100 * s, counted, elo(s), elo(s - 1.96 * se), elo(s + 1.96 * se));
        }
    }
    return 0;
}

}  // namespace
}  // namespace bexoru

int main(int argc, char** argv) {
    signal(SIGPIPE, SIG_IGN);
    try {
        return bexoru::run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "bexoru-match: " << e.what() << '\n';
        return 2;
    }
}
