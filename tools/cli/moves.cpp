// bexoru-cli moves FILE X Y: the squares a piece may move to, as the game's
// move check sees them, with whether the move may or must promote.

#include <ostream>
#include <string>

#include "cli.h"
#include "records/board_text.h"
#include "rules/move_check.h"
#include "rules/promotion.h"

namespace bexoru::cli {
namespace {

constexpr OptionSpec moves_options[] = {
    {"code", "CODE"},
    {"second-step", ""},
    {"sfen", "SFEN"},
    rules_option,
};

// "-", "may" or "must" for a move the move check allows.
std::string_view promotion_word(const 盤面型& board, int X1, int Y1, int X2, int Y2, 駒コード code, ルール rules) {
    駒コード promoted = 空;
    if (!調査_駒成(board, X1, Y1, X2, Y2, code, promoted, rules)) return "-";
    return 移動後チェック(Y2, code, rules) ? "may" : "must";
}

int run_moves(const Arguments& args, Io& io) {
    const CommandPosition source = load_position(args, io, "moves", 2);
    const 盤面型& position = source.board;
    const int X = parse_square_coordinate(args.positional[source.rest], "column X");
    const int Y = parse_square_coordinate(args.positional[source.rest + 1], "row Y");

    駒コード code = position(X, Y);
    if (const auto text = args.value("code")) {
        const auto parsed = parse_piece_code(*text);
        if (!parsed || *parsed == 空) {
            throw Refusal("moves: --code " + quoted(*text) + " is not a piece code (such as 34, -5, 18.1 or -24.1)");
        }
        code = *parsed;
    } else if (code == 空) {
        throw Refusal("moves: square " + std::to_string(X) + " " + std::to_string(Y) +
                      " is empty; give --code to ask about a piece");
    }

    const ルール rules = parse_rules(args, "moves");
    StudyGame game(position, args.flag("second-step"));
    game.state.規則 = rules;
    std::string out;
    for (int X2 = 1; X2 <= 盤サイズ; ++X2) {
        for (int Y2 = 1; Y2 <= 盤サイズ; ++Y2) {
            if (!移動チェック(game.context, X, Y, X2, Y2, code)) continue;
            out += std::to_string(X2) + ' ' + std::to_string(Y2) + ' ';
            out += promotion_word(game.board, X, Y, X2, Y2, code, rules);
            out += '\n';
        }
    }
    io.out << out;
    return exit_ok;
}

}  // namespace

const Command moves_command{
    .name = "moves",
    .synopsis = "FILE X Y [--code CODE] [--second-step] [--rules original|standard] (--sfen SFEN for FILE)",
    .summary = "list where the piece on (X, Y) may move, and whether it promotes",
    .details =
        "Lists the squares the piece on (X, Y) may move to under the game's move check.\n"
        "One line per square the move check allows, columns in order and rows within a\n"
        "column: 'X Y P', where P is '-' (the move cannot promote), 'may' (it may promote)\n"
        "or 'must' (a Pawn or Lance reaching the last row, which must promote).\n"
        "The game is running with the lower army (negative codes, the person) moving\n"
        "first and an empty move log.\n"
        "\n"
        "Options:\n"
        "  --code CODE     ask about the piece CODE instead of the one on the square; the\n"
        "                  board is not changed. CODE is written as in the piece table:\n"
        "                  34, -5, or a second-step code 18.1, 18.2, 24.1, 33.1, 34.1\n"
        "                  (negative for the lower army).\n"
        "  --second-step   ask with the second step of a double move pending (a Lion\n"
        "                  then steps to its eight neighbours only).\n"
        "  --rules SET     'original' (the game's own rules, the default) or 'standard' (the\n"
        "                  rules of today's online sites and HaChu, docs/rules.md).\n"
        "  --sfen SFEN     the position given as an SFEN instead of FILE.\n",
    .options = moves_options,
    .min_positional = 2,
    .max_positional = 3,
    .run = run_moves,
};

}  // namespace bexoru::cli
