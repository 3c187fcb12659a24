// bexoru-cli com FILE [--level N]: the computer's answer in a position, as
// it would play it after a person's move, with its score and any second step.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>

#include "cli.h"
#include "computer.h"
#include "engine/influence.h"
#include "searching.h"

namespace bexoru::cli {

void set_up_com_turn(対局状態& state, 棋譜記録& log, int level) {
    state.MAN側 = 先手;
    state.COM側 = 後手;
    state.手番 = state.COM側;
    state.対局モード = 対局_COM;
    state.二手目状態 = 二手目状態型::一手目;
    state.レベル = level;
    // As after a new game: the entry before the first one reads as a harmless Pawn.
    log.手[0].成駒 = +1;
}

void survey_position(const 盤面型& board, COM勢力図& com, MAN勢力図& man) {
    // Fresh maps: no Lion seen before either.
    com = COM勢力図{};
    man = MAN勢力図{};
    勢力調査_両軍(board, com, man);
}

ComTurn::ComTurn(const 盤面型& position, int level) : board(position) {
    set_up_com_turn(state, log, level);
    survey();
}

int parse_level(std::string_view text, std::string_view what) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '3') {
        throw Refusal(std::string(what) + " must be 1, 2 or 3, not " + quoted(text));
    }
    return text[0] - '0';
}

std::string format_score(評価値 tenths) {
    if (tenths % 10 == 0) return std::to_string(tenths / 10);
    const int a = std::abs(tenths);
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(a / 10);
    text += '.';
    text += static_cast<char>('0' + a % 10);
    return text;
}

std::string format_step(const 指し手& s) {
    return std::to_string(s.移動元X) + ' ' + std::to_string(s.移動元Y) + ' ' + std::to_string(s.移動先X) + ' ' +
           std::to_string(s.移動先Y) + ' ' + std::to_string(s.移動駒) + ' ' + std::to_string(s.成駒);
}

std::string format_second_step(const 指し手& s) {
    return std::to_string(s.移動元X) + ' ' + std::to_string(s.移動元Y) + ' ' + std::to_string(s.移動先X) + ' ' +
           std::to_string(s.移動先Y) + ' ' + std::to_string(s.移動駒);
}

指し手 second_step_of(const 探索結果& r) {
    const 駒コード code = 二手目の駒(r.二手目駒);
    return {r.手->移動先X, r.手->移動先Y, r.二手目->移動先X, r.二手目->移動先Y, code, code};
}

std::string format_search_result(const 探索結果& r) {
    if (!r.手) return "none\n";
    std::string out = "move " + format_step(*r.手) + "\nscore " + format_score(r.最高評価値) + '\n';
    if (r.二手目) {
        out += "second " + format_second_step(second_step_of(r)) + '\n';
        out += "score2 " + format_score(r.二手目->評価) + '\n';
    }
    return out;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string format_timing(const std::vector<double>& ms) {
    if (ms.empty()) return "no moves";
    char text[96];
    std::snprintf(text, sizeof text, "median %.2f ms, worst %.2f ms", median(ms),
                  *std::max_element(ms.begin(), ms.end()));
    return text;
}

std::uint64_t fnv1a(std::string_view text, std::uint64_t hash) {
    for (const char ch : text) {
        hash ^= static_cast<unsigned char>(ch);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

namespace {

constexpr OptionSpec com_options[] = {
    {"level", "N"}, {"movetime", "MS"}, {"nodes", "N"}, {"info", ""}, {"sfen", "SFEN"}, rules_option,
};

int parse_com_level(std::string_view text) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '0' + last_search_level) {
        throw Refusal("com: --level must be 1 to " + std::to_string(last_search_level) + ", not " + quoted(text));
    }
    return text[0] - '0';
}

// Levels 4 to 6: the searching engine, for the upper army with an empty log.
int run_search_com(const 盤面型& board, int level, ルール rules, const Arguments& args, Io& io) {
    const search::Limits limits = level_limits(level, args, "com");
    const search::Position p = search::Position::from_board(board, search::kUpper, rules);
    require_playable(p, "com");
    search::Engine engine(32);
    const search::SearchResult r = engine.search(p, limits);
    io.out << format_search_result(as_turn(p, r));
    if (args.flag("info")) {
        const double seconds = r.seconds > 0 ? r.seconds : 1e-9;
        io.out << "depth " << r.depth << "\nnodes " << r.nodes << "\nnps "
               << static_cast<std::int64_t>(static_cast<double>(r.nodes) / seconds) << "\npv" << pv_text(r.pv) << '\n';
    }
    return exit_ok;
}

int run_com(const Arguments& args, Io& io) {
    const 盤面型 position = load_position(args, io, "com", 0).board;
    const int level = args.value("level") ? parse_com_level(*args.value("level")) : 3;
    const ルール rules = parse_rules(args, "com");
    if (level >= first_search_level) return run_search_com(position, level, rules, args, io);
    for (const std::string_view option : {"movetime", "nodes", "info"}) {
        if (args.value(option)) {
            throw Refusal("com: --" + std::string(option) + " is for levels 4 to 6, not level " +
                          std::to_string(level));
        }
    }
    ComTurn turn(position, level);
    turn.state.規則 = rules;
    const 探索結果 r = com探索(turn.board, turn.log, turn.state, turn.com, turn.man);
    io.out << format_search_result(r);
    return exit_ok;
}

}  // namespace

const Command com_command{
    .name = "com",
    .synopsis = "FILE [--level N] [--movetime MS] [--nodes N] [--info] [--rules original|standard] (--sfen SFEN for FILE)",
    .summary = "the computer's move in a position, with its score",
    .details =
        "Lets the computer choose its move in the position in FILE, as it would after a\n"
        "move of the person: the computer plays the upper army (positive codes), the\n"
        "move log is empty and no second step is pending. Nothing is drawn and nothing\n"
        "waits. Prints\n"
        "  move X1 Y1 X2 Y2 BEFORE AFTER   the move: origin, destination, the code\n"
        "                                  before it and after it (promoted or not)\n"
        "  score S                         its score\n"
        "and, when the move is a Lion's, Falcon's or Eagle's first step that asks for a\n"
        "second step,\n"
        "  second X2 Y2 X3 Y3 CODE         the second step and the piece's code\n"
        "  score2 S2                       its score\n"
        "or the single line 'none' when no upper piece has a legal move. Scores are\n"
        "plain decimals with at most one digit after the point (12.5, -9998, 0.1).\n"
        "\n"
        "Levels 4 to 6 search many moves deep with the searching engine, thinking about\n"
        "0.3 s, 1 s and 5 s; their score is the engine's own, in the same units (a\n"
        "Pawn is 1), and a double move's second step repeats the move's score. A\n"
        "position in which an army has no King or Crown Prince, or the upper army no\n"
        "pieces, is refused at these levels.\n"
        "\n"
        "Options:\n"
        "  --level N      the computer's level, 1 to 6 (default 3).\n"
        "  --movetime MS  levels 4 to 6: think MS milliseconds instead of the level's time.\n"
        "  --nodes N      levels 4 to 6: stop after N nodes instead of a time; the answer\n"
        "                 is then the same on every run.\n"
        "  --info         levels 4 to 6: add the lines 'depth D' (the last depth searched\n"
        "                 in full), 'nodes N', 'nps N' (nodes a second) and 'pv MOVES'\n"
        "                 (the expected line of play, moves written as by perft).\n"
        "  --sfen SFEN    the position given as an SFEN instead of FILE (its side to\n"
        "                 move is not used: the computer plays the upper army).\n"
        "  --rules SET    'original' (the game's own rules, the default) or 'standard'\n"
        "                 (docs/rules.md), at every level.\n",
    .options = com_options,
    .min_positional = 0,
    .max_positional = 1,
    .run = run_com,
};

}  // namespace bexoru::cli
