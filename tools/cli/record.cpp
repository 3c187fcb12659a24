// bexoru-cli record FILE: a game record checked as the game checks it before
// loading, then counted and replayed to its last position.

#include <cstdlib>
#include <iterator>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include "board/starting_position.h"
#include "cli.h"
#include "exchange/game.h"
#include "exchange/pgn.h"
#include "exchange/usi.h"
#include "records/board_text.h"
#include "records/record_check.h"
#include "records/record_file.h"

namespace bexoru::cli {
namespace {

std::string at_line(const 棋譜読込結果& r, std::string_view what) {
    return "line " + std::to_string(r.不備行) + ": " + std::string(what);
}

std::string refusal_of(const 棋譜読込結果& r) {
    switch (r.不備) {
        case 棋譜不備::なし:
            break;
        case 棋譜不備::開けない:
            return "cannot open";
        case 棋譜不備::大きすぎる:
            return "larger than any record (" + std::to_string(棋譜ファイル上限) + " bytes)";
        case 棋譜不備::文書でない:
            return "not a text file (NUL or control characters)";
        case 棋譜不備::見出しがない:
            return at_line(r, "an entry where the three header lines belong");
        case 棋譜不備::手がない:
            return "no entries";
        case 棋譜不備::多すぎる:
            return at_line(r, "more than " + std::to_string(記録最大) + " entries");
        case 棋譜不備::値が不正:
            return at_line(r, "not an entry of the record format");
        case 棋譜不備::移動元が違う:
            return at_line(r, "the origin does not hold the piece the entry names");
        case 棋譜不備::取駒が違う:
            return at_line(r, "the destination does not hold what the entry says was captured");
        case 棋譜不備::指せない手:
            return at_line(r, "the rules do not allow this step");
        case 棋譜不備::成りが違う:
            return at_line(r, "a promotion the rules do not allow, or a missing one");
    }
    return "unreadable";
}

// Games in the exchange formats are read whole; none is this long.
constexpr std::size_t exchange_input_limit = 4 << 20;

constexpr OptionSpec record_options[] = {
    {"from", "F"},
    {"to", "T"},
    rules_option,
};

std::string_view rules_name(ルール rules) {
    return rules == ルール::標準 ? "standard" : "original";
}

bool double_mover(駒コード c) {
    const int a = std::abs(c);
    return a == 駒::鷲 || a == 駒::鷹 || a == 駒::獅子_成 || a == 駒::獅子;
}

// The record's entries, moves and last position, as 進 steps through it.
int print_record(const 棋譜読込結果& r, Io& io) {
    盤面型 board;
    初期配置(board);
    const std::size_t n = r.手々.size();
    int moves = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i == 0 || !(double_mover(r.手々[i].成駒) && r.手々[i - 1].成駒 == r.手々[i].成駒)) ++moves;
        const 指し手& e = r.手々[i];
        if (盤内(e.移動元X, e.移動元Y)) board(e.移動元X, e.移動元Y) = 空;
        if (盤内(e.移動先X, e.移動先Y)) board(e.移動先X, e.移動先Y) = e.成駒;
    }
    io.out << "entries " << n << "\nmoves " << moves << '\n' << format_board_text(board);
    return exit_ok;
}

// A game read from USI or PGN, or a record converted; warnings of what a
// conversion changes go to stderr.
exchange::Game game_of(const std::string& name, const std::string& from, const std::string& text, ルール rules,
                       Io& io) {
    const exchange::GameResult r =
        from == "usi" ? exchange::parse_usi_game(text, rules) : exchange::parse_pgn(text, rules);
    if (!r.ok())
        throw Refusal("record: " + name + ": " + r.error->message + " (under the " + std::string(rules_name(rules)) +
                      " rules)");
    (void)io;
    return r.game;
}

int run_record(const Arguments& args, Io& io) {
    const std::string_view path = args.positional[0];
    const std::string name = printable(path);
    const std::string from{args.value("from").value_or("kifu")};
    const std::string to{args.value("to").value_or("")};
    if (from != "kifu" && from != "usi" && from != "pgn")
        throw Refusal("record: --from must be 'kifu', 'usi' or 'pgn', not " + cli::quoted(from));
    if (!to.empty() && to != "kifu" && to != "usi" && to != "pgn")
        throw Refusal("record: --to must be 'kifu', 'usi' or 'pgn', not " + cli::quoted(to));
    // A record names its rules (the game's own unless it is marked); other
    // programs' games are played by the standard rules.
    const std::optional<ルール> given = given_rules(args, "record");
    ルール rules = given.value_or(ルール::標準);

    exchange::Game game;
    if (from == "kifu") {
        棋譜読込結果 r;
        if (path == "-") {
            const std::string bytes{std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>()};
            if (bytes.size() > 棋譜ファイル上限) {
                r.不備 = 棋譜不備::大きすぎる;
            } else {
                r = 棋譜解析(bytes);
                if (r.不備 == 棋譜不備::なし) {
                    盤面型 start;
                    初期配置(start);
                    棋譜照合(r, start, given.value_or(棋譜の規則(r)));
                }
            }
        } else {
            r = 棋譜ファイル読込(std::string(path), given);
        }
        rules = given.value_or(棋譜の規則(r));
        if (r.不備 != 棋譜不備::なし)
            throw Refusal("record: " + name + ": " + refusal_of(r) + " (under the " + std::string(rules_name(rules)) +
                          " rules)");
        if (to.empty()) return print_record(r, io);
        const exchange::FromRecord converted = exchange::game_of_record(r.手々, rules);
        if (!converted.result.ok()) throw Refusal("record: " + name + ": " + converted.result.error->message);
        if (converted.declined_second_steps > 0)
            io.err << "bexoru-cli: record: note: " << converted.declined_second_steps
                   << " declined second step(s) become single moves; a record written back logs each once\n";
        if (converted.blank_entries > 0)
            io.err << "bexoru-cli: record: note: " << converted.blank_entries
                   << " blank line(s) of the record are left out\n";
        game = converted.result.game;
    } else {
        game = game_of(name, from, read_input(path, io, "record", exchange_input_limit), rules, io);
    }

    if (to == "usi") {
        io.out << exchange::usi_game_text(game);
    } else if (to == "pgn") {
        io.out << exchange::pgn_text(game);
    } else if (to == "kifu") {
        const exchange::RecordText rec = exchange::record_of_game(game, rules);
        if (rec.error) throw Refusal("record: " + name + ": cannot be a game record: " + *rec.error);
        io.out << rec.text;
    } else {
        auto replay = std::make_unique<exchange::Replay>(game.start, rules);
        for (const exchange::Move& m : game.moves) replay->play(m);
        io.out << "moves " << game.moves.size() << "\nsfen " << exchange::to_sfen(replay->diagram()) << '\n'
               << format_board_text(replay->board());
    }
    return exit_ok;
}

}  // namespace

const Command record_command{
    .name = "record",
    .synopsis = "FILE [--from kifu|usi|pgn] [--to kifu|usi|pgn] [--rules original|standard]",
    .summary = "check a game record (.棋譜) and print its last position",
    .details =
        "Reads the game record FILE ('-' for standard input) and checks it as the game\n"
        "does before it loads one: the format, then every entry replayed from the\n"
        "starting position, where its origin must hold the piece it names, its\n"
        "destination what it says was captured, and the rules must allow the step and\n"
        "its promotion. Then prints\n"
        "  entries N   the entries of the move log, blank lines included\n"
        "  moves M     the moves 進 steps through (a double move's entries are one)\n"
        "and the position after the last entry as board text.\n"
        "A record the game would refuse is refused with its line.\n"
        "\n"
        "Options:\n"
        "  --from F   read FILE as F: 'kifu' (the game record, the default), 'usi' (an\n"
        "             SFEN and USI moves: 'sfen SFEN moves 7g7f ...' or 'startpos moves\n"
        "             ...') or 'pgn' (PGN as XBoard writes it, [Variant \"chu\"]). Every\n"
        "             move is checked by the rules; a move they refuse is named by its\n"
        "             line and number, the reason and the rule set. Without --to, prints\n"
        "             'moves N', the SFEN of the last position and its board text.\n"
        "  --to T     write the game to standard output as T: 'kifu', 'usi' or 'pgn'.\n"
        "             A record holds only games from the starting position; what a\n"
        "             conversion cannot carry (a declined second step, a blank line of a\n"
        "             record) is said on stderr. See docs/formats.md.\n"
        "  --rules R  judge the moves by R: 'original' (the game's own rules) or\n"
        "             'standard' (docs/rules.md). By default a record is judged by the\n"
        "             rules it names (a record marked 標準ルール by the standard rules,\n"
        "             others by the game's own) and USI and PGN games, which other\n"
        "             programs write, by the standard rules. A record written with\n"
        "             --to kifu under the standard rules carries their mark.\n",
    .options = record_options,
    .min_positional = 1,
    .max_positional = 1,
    .run = run_record,
};

}  // namespace bexoru::cli
