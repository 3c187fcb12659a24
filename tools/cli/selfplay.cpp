// bexoru-cli selfplay: the computer plays both armies, turning the board round
// after every move, and prints the game move by move. The computer's moves are
// played by the game's own controller in a window nobody sees.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "board/starting_position.h"
#include "cli.h"
#include "computer.h"
#include "play/com_turn.h"
#include "play/form1.h"
#include "play/recovery.h"
#include "port/silent_port.h"
#include "records/board_text.h"
#include "records/record_file.h"
#include "rules/move_logging.h"
#include "rules/promotion.h"
#include "searching.h"
#include "selfplay_check.h"

namespace bexoru::cli {

namespace {

// A window nobody sees: it keeps the message boxes the turn shows, so the
// moves can be annotated, and the text of the game-end box; it declines a new
// game and lets the unsaved game go, so the program ends with the final
// position on the board.
class SelfplayWindow final : public SilentWindow {
public:
    std::vector<std::string> messages;
    std::optional<std::string> game_end;

    void messageBox(std::string_view title, std::string_view text, bool) override {
        messages.emplace_back(text);
        if (title == "終了") game_end = std::string(text);
    }
    bool askYesNo(std::string_view, std::string_view text) override { return text == 未保存_文; }
};

// A step seen from the first mover's side when the board stands turned round.
指し手 as_first_mover_sees(指し手 s, bool turned) {
    if (!turned) return s;
    return {盤サイズ + 1 - s.移動元X,
            盤サイズ + 1 - s.移動元Y,
            盤サイズ + 1 - s.移動先X,
            盤サイズ + 1 - s.移動先Y,
            -s.移動駒,
            -s.成駒,
            -s.取駒};
}

std::string notes(const std::vector<std::string>& messages) {
    std::string out;
    for (const std::string& m : messages) {
        if (m == 王手_文) out += " check";
        if (m == 王手太子_文) out += " check-prince";
        if (m == 詰め_文) out += " mate";
    }
    return out;
}

int parse_selfplay_level(std::string_view text, std::string_view what) {
    if (text.size() == 1 && text[0] >= '0' + first_search_level && text[0] <= '0' + last_search_level)
        return text[0] - '0';
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '3') return text[0] - '0';
    throw Refusal(std::string(what) + " must be 1 to " + std::to_string(last_search_level) + ", not " + quoted(text));
}

std::pair<int, int> parse_levels(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) throw Refusal("selfplay: --levels must be two levels A,B such as 3,2");
    return {parse_selfplay_level(text.substr(0, comma), "selfplay: --levels A"),
            parse_selfplay_level(text.substr(comma + 1), "selfplay: --levels B")};
}

int parse_entries(std::string_view text) {
    const bool digits =
        !text.empty() && text.size() <= 6 && text.find_first_not_of("0123456789") == std::string_view::npos;
    const int n = digits ? std::stoi(std::string(text)) : 0;
    if (n < 1 || n > 記録最大)
        throw Refusal("selfplay: --entries must be a number 1.." + std::to_string(記録最大) + ", not " + quoted(text));
    return n;
}

// A small reproducible random source (splitmix64): the same seed gives the
// same openings with every compiler and library.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}
    std::size_t below(std::size_t n) {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return static_cast<std::size_t>((z ^ (z >> 31)) % n);
    }

private:
    std::uint64_t state_;
};

// A legal single step of the army to move (positive codes) chosen at random,
// promoted or not where it may promote; never the capture of a royal piece,
// so an opening cannot end the game. Nothing when the army has no such step.
std::optional<指し手> random_step(Form1& game, Dice& dice) {
    規則局面& rules = game.局面;
    std::vector<指し手> steps;
    for (int X1 = 1; X1 <= 盤サイズ; ++X1) {
        for (int Y1 = 1; Y1 <= 盤サイズ; ++Y1) {
            const 駒コード code = game.盤面(X1, Y1);
            if (code <= 0) continue;
            for (int X2 = 1; X2 <= 盤サイズ; ++X2) {
                for (int Y2 = 1; Y2 <= 盤サイズ; ++Y2) {
                    const 駒コード target = game.盤面(X2, Y2);
                    if (target > 0 || target == -駒::王 || target == -駒::太子) continue;
                    if (!移動チェック(rules, X1, Y1, X2, Y2, code)) continue;
                    駒コード promoted = 空;
                    const bool can_promote = 調査_駒成(game.盤面, X1, Y1, X2, Y2, code, promoted, game.状態.規則);
                    if (!can_promote || 移動後チェック(Y2, code, game.状態.規則)) steps.push_back({X1, Y1, X2, Y2, code, code});
                    if (can_promote) steps.push_back({X1, Y1, X2, Y2, code, promoted});
                }
            }
        }
    }
    if (steps.empty()) return std::nullopt;
    return steps[dice.below(steps.size())];
}

struct GameSetup {
    int level_a = 3;  // 1 to 3 the game's computer, 4 to 6 the searching engine
    int level_b = 3;
    int entries = 記録最大;
    int opening = 0;  // moves chosen at random before the computer plays
    std::uint64_t seed = 1;
    bool check = false;
    ルール rules = ルール::本来;
    const Arguments* args = nullptr;  // --nodes and --movetime for levels 4 to 6
};

struct Game {
    std::string lines;    // one per move
    std::string outcome;  // "upper wins (royal capture)", ...
    int moves = 0;
    盤面型 board{};  // the final position as the first mover sees it
    棋譜記録 log{};  // and the log, as the first mover sees it
    std::vector<double> times[2];
    std::optional<std::string> fault;  // the first check that failed, and where
};

Game play_game(const 盤面型& position, const GameSetup& setup) {
    SelfplayWindow window;
    SilentSound sound;
    JumpingClock clock;
    Form1 game(window, sound, clock);
    game.盤面 = position;
    set_up_com_turn(game.状態, game.記録, setup.level_a <= 3 ? setup.level_a : 3);
    game.状態.規則 = setup.rules;
    // One searching engine for each army that plays at level 4 to 6; each
    // keeps its tables from move to move.
    std::unique_ptr<search::Engine> engines[2];
    if (setup.level_a >= first_search_level) engines[0] = std::make_unique<search::Engine>(16);
    if (setup.level_b >= first_search_level) engines[1] = std::make_unique<search::Engine>(16);
    GameCheck check(position);
    Dice dice(setup.seed);

    Game g;
    bool turned = false;  // the board stands turned round: the second mover is to play
    for (int number = 1;; ++number, turned = !turned) {
        const std::string_view army = turned ? "lower" : "upper";
        const std::string_view other = turned ? "upper" : "lower";
        const int level = turned ? setup.level_b : setup.level_a;
        if (setup.entries - game.記録.記録数 < 2) {
            g.outcome = "unfinished (" + std::to_string(game.記録.記録数) + " entries)";
            break;
        }
        const std::string where =
            "move " + std::to_string(number) + " (" + std::string(army) + ", level " + std::to_string(level) + "): ";
        game.状態.レベル = level <= 3 ? level : 3;
        game.状態.手番 = game.状態.COM側;
        if (setup.check) check.before_move(game.盤面, game.記録);

        std::optional<指し手> step;
        if (number <= setup.opening) step = random_step(game, dice);
        bool moved = step.has_value();
        if (step) {
            手順保存(game.盤面, game.記録, step->移動元X, step->移動元Y, step->移動先X, step->移動先Y, step->移動駒,
                     step->成駒);
            game.盤面(step->移動元X, step->移動元Y) = 空;
            game.盤面(step->移動先X, step->移動先Y) = step->成駒;
            g.lines += std::to_string(number) + ' ' + std::string(army) + ' ' +
                       format_step(as_first_mover_sees(*step, turned)) + " random\n";
        } else {
            survey_position(game.盤面, game.com図, game.man図);
            const auto start = std::chrono::steady_clock::now();
            探索結果 r;
            if (level >= first_search_level) {
                const search::Position p = search::Position::from_game(game.盤面, game.記録, search::kUpper, 0, setup.rules);
                r = as_turn(p, engines[turned ? 1 : 0]->search(p, level_limits(level, *setup.args, "selfplay")));
            } else {
                r = com探索(game.盤面, game.記録, game.状態, game.com図, game.man図);
            }
            g.times[turned ? 1 : 0].push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (setup.check) {
                if (const auto fault = check.after_search(game.盤面, game.記録)) {
                    g.fault = where + *fault;
                    break;
                }
            }
            window.messages.clear();
            game.com_ban着手(r);

            if (r.手) {
                moved = true;
                g.lines += std::to_string(number) + ' ' + std::string(army) + ' ' +
                           format_step(as_first_mover_sees(*r.手, turned)) + " score " + format_score(r.最高評価値);
                if (r.二手目) {
                    g.lines += " second " + format_second_step(as_first_mover_sees(second_step_of(r), turned)) +
                               " score2 " + format_score(r.二手目->評価);
                }
                g.lines += notes(window.messages) + '\n';
            }
        }
        if (moved) ++g.moves;
        if (setup.check) {
            if (const auto fault = check.after_move(game.盤面, game.記録, turned)) {
                g.fault = where + *fault;
                break;
            }
        }
        if (window.game_end) {
            if (*window.game_end == 結果の文(結果_COM勝ち))
                g.outcome = std::string(army) + " wins (royal capture)";
            else if (*window.game_end == 結果の文(結果_MAN勝ち))
                g.outcome = std::string(other) + " wins (no move)";
            else
                g.outcome = "draw (bare army)";
            break;
        }
        turn_round(game.盤面, game.記録);
    }
    if (turned) turn_round(game.盤面, game.記録);
    g.board = game.盤面;
    g.log = game.記録;
    return g;
}

constexpr OptionSpec selfplay_options[] = {
    {"levels", "A,B"}, {"from", "FILE"},   {"entries", "N"}, {"board", ""},  {"times", ""},
    {"nodes", "N"},    {"movetime", "MS"}, {"check", ""},    {"games", "N"}, {"opening", "K"},
    {"seed", "S"},     {"record", "FILE"}, {"sfen", "SFEN"},   rules_option,
};

// The nine pairs of levels, each in turn: 1,1 1,2 1,3 2,1 ... 3,3.
std::pair<int, int> level_pair(std::uint64_t game) {
    return {static_cast<int>(game / 3 % 3) + 1, static_cast<int>(game % 3) + 1};
}

int run_selfplay(const Arguments& args, Io& io) {
    GameSetup setup;
    setup.args = &args;
    const auto levels = args.value("levels") ? std::optional(parse_levels(*args.value("levels"))) : std::nullopt;
    if (levels) std::tie(setup.level_a, setup.level_b) = *levels;
    if (args.value("entries")) setup.entries = parse_entries(*args.value("entries"));
    if (args.value("opening"))
        setup.opening = static_cast<int>(parse_count(*args.value("opening"), "selfplay: --opening", 0, 40));
    if (args.value("seed"))
        setup.seed = static_cast<std::uint64_t>(parse_count(*args.value("seed"), "selfplay: --seed", 0, INT64_MAX / 2));
    if (setup.level_a < first_search_level && setup.level_b < first_search_level) {
        for (const std::string_view option : {"nodes", "movetime"}) {
            if (args.value(option)) throw Refusal("selfplay: --" + std::string(option) + " is for levels 4 to 6");
        }
    }
    setup.check = args.flag("check");
    setup.rules = parse_rules(args, "selfplay");
    const std::optional<std::string_view> record = args.value("record");
    if (record && args.value("from"))
        throw Refusal("selfplay: --record needs the starting position; it cannot be used with --from");
    if (record && args.value("games")) throw Refusal("selfplay: --record writes one game; not with --games");
    盤面型 position;
    if (args.value("sfen") && args.value("from")) throw Refusal("selfplay: give --from or --sfen, not both");
    if (record && args.value("sfen"))
        throw Refusal("selfplay: --record needs the starting position; it cannot be used with --sfen");
    if (const auto file = args.value("from"))
        position = load_board(*file, io);
    else if (args.value("sfen"))
        position = load_position(args, io, "selfplay", 0).board;
    else
        初期配置(position);

    if (!args.value("games")) {
        const Game g = play_game(position, setup);
        io.out << g.lines;
        if (g.fault) {
            io.out.flush();
            io.err << "bexoru-cli: selfplay: check failed at " << *g.fault << '\n';
            return exit_failed;
        }
        std::string out = "result " + g.outcome + '\n';
        if (args.flag("board")) out += format_board_text(g.board);
        if (record) {
            std::string why;
            if (!棋譜ファイル書込(std::string(*record), 棋譜テキスト(g.log), why))
                throw Refusal("selfplay: " + printable(*record) + ": cannot write the record: " + why);
        }
        if (args.flag("times")) {
            out += "time upper (level " + std::to_string(setup.level_a) + "): " + std::to_string(g.times[0].size()) +
                   " searches, " + format_timing(g.times[0]) + '\n';
            out += "time lower (level " + std::to_string(setup.level_b) + "): " + std::to_string(g.times[1].size()) +
                   " searches, " + format_timing(g.times[1]) + '\n';
        }
        io.out << out;
        return exit_ok;
    }

    if (args.flag("board") || args.flag("times"))
        throw Refusal("selfplay: --board and --times show one game; not with --games");
    const auto games = static_cast<std::uint64_t>(parse_count(*args.value("games"), "selfplay: --games", 1, 100000));
    const std::uint64_t first_seed = setup.seed;
    long moves = 0;
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t i = 0; i < games; ++i) {
        if (!levels) std::tie(setup.level_a, setup.level_b) = level_pair(i);
        setup.seed = first_seed + i;
        const Game g = play_game(position, setup);
        moves += g.moves;
        const std::string name = "game " + std::to_string(i + 1) + " levels " + std::to_string(setup.level_a) + "," +
                                 std::to_string(setup.level_b) + " seed " + std::to_string(setup.seed);
        if (g.fault) {
            io.out << name << ": check failed\n";
            io.out.flush();
            std::string again = "bexoru-cli selfplay --check --levels " + std::to_string(setup.level_a) + "," +
                                std::to_string(setup.level_b) + " --opening " + std::to_string(setup.opening) +
                                " --seed " + std::to_string(setup.seed) + " --entries " + std::to_string(setup.entries);
            for (const std::string_view option : {"nodes", "movetime"})
                if (const auto v = args.value(option)) again += " --" + std::string(option) + " " + printable(*v);
            if (const auto file = args.value("from")) again += " --from " + printable(*file);
            io.err << "bexoru-cli: selfplay: " << name << ": check failed at " << *g.fault
                   << " (to play it again: " << again << ")\n";
            return exit_failed;
        }
        io.out << name << ": " << g.outcome << " after " << g.moves << " moves\n";
        io.out.flush();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    char summary[160];
    std::snprintf(summary, sizeof summary, "%llu games%s, %ld moves, %.1f s, %.0f games per minute\n",
                  static_cast<unsigned long long>(games), setup.check ? " checked" : "", moves, seconds,
                  seconds > 0 ? static_cast<double>(games) * 60 / seconds : 0.0);
    io.out << summary;
    return exit_ok;
}

}  // namespace

static_assert(記録最大 == 2000, "the help below names the log's size");

const Command selfplay_command{
    .name = "selfplay",
    .synopsis =
        "[--levels A,B] [--from FILE | --sfen SFEN] [--entries N] [--board] [--times] [--nodes N] [--movetime MS] "
        "[--check] [--opening K] [--seed S] [--games N] [--record FILE] [--rules original|standard]",
    .summary = "let the computer play both armies",
    .details =
        "The computer plays both armies from the starting position (or FILE): the upper\n"
        "army (positive codes) moves first at level A, then the board is turned round as\n"
        "the reversal command does (every piece to the point-symmetric square, its code\n"
        "negated) and the other army moves at level B, as the upper army, and so on. The\n"
        "game is kept in one move log, turned round with the board.\n"
        "\n"
        "One line per move, seen from the first mover's side (the board as given):\n"
        "  N ARMY X1 Y1 X2 Y2 BEFORE AFTER score S [second X2 Y2 X3 Y3 CODE score2 S2]\n"
        "with ARMY 'upper' or 'lower', then 'check', 'check-prince' or 'mate' when the\n"
        "move was announced so; a move of the opening chosen at random (--opening) ends\n"
        "in 'random' instead of its score. The last line is the result:\n"
        "  result ARMY wins (royal capture)   the other army's last royal piece was taken\n"
        "  result ARMY wins (no move)         the other army had no legal move\n"
        "  result draw (bare army)            a move left the other army bare\n"
        "  result unfinished (N entries)      the log has no room for another move\n"
        "\n"
        "Options:\n"
        "  --levels A,B  the levels of the first and the second mover, 1 to 6 (default\n"
        "                3,3); levels 4 to 6 are the searching engine's.\n"
        "  --from FILE   start from the position in FILE; its upper army moves first.\n"
        "  --rules SET   'original' (the game's own rules, the default) or 'standard'\n"
        "                (docs/rules.md): the moves both sides may play.\n"
        "  --sfen SFEN   start from the position of the SFEN instead (its side to move\n"
        "                is not used: the upper army moves first).\n"
        "  --entries N   stop when the move log could not take another double move\n"
        "                within N entries, 1..2000 (default 2000, the log's size).\n"
        "  --board       print the final position after the result, as board text.\n"
        "  --times       print the median and worst search time of each army.\n"
        "  --nodes N     levels 4 to 6 stop after N nodes a move instead of their time:\n"
        "                the game is then the same on every run.\n"
        "  --movetime MS levels 4 to 6 think MS milliseconds a move.\n"
        "  --check       check the game after every move and stop at the first fault,\n"
        "                with a message on stderr and exit status 1: every square holds\n"
        "                a piece code -39..39; no army has a second King or Crown Prince\n"
        "                unless the start position allowed it; the log keeps within its\n"
        "                size, with its end at its count; each search leaves the board\n"
        "                and the log as they were; and replaying the log from the start\n"
        "                position, every entry finding its piece and its capture where it\n"
        "                says, gives the board.\n"
        "  --opening K   play the first K moves (0..40, default 0) at random: a legal\n"
        "                step of the army to move that takes no royal piece.\n"
        "  --seed S      the seed of the random moves (default 1).\n"
        "  --games N     play N games (1..100000), one line each:\n"
        "                  game I levels A,B seed S: RESULT after M moves\n"
        "                game I plays with seed S+I-1 and, without --levels, the game's\n"
        "                level pairs 1,1 1,2 1,3 2,1 ... 3,3 in turn. The last line\n"
        "                counts the games and moves and gives the games per minute. A\n"
        "                game whose check fails ends the run, naming the command that\n"
        "                plays it again.\n"
        "  --record FILE write the game as a record (.棋譜) the game can load: the upper\n"
        "                army moved first, as in a game begun with 後手. Not with --from\n"
        "                or --games.\n",
    .options = selfplay_options,
    .min_positional = 0,
    .max_positional = 0,
    .run = run_selfplay,
};

}  // namespace bexoru::cli
