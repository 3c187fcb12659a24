// bexoru-cli sfen FILE: a board text as SFEN (or XBoard's FEN).

#include <ostream>

#include "cli.h"
#include "exchange/notation.h"
#include "searching.h"

namespace bexoru::cli {
namespace {

constexpr OptionSpec sfen_options[] = {
    {"side", "S"},
    {"move", "N"},
    {"xboard", ""},
};

int run_sfen(const Arguments& args, Io& io) {
    exchange::Diagram d;
    d.board = load_board(args.positional[0], io);
    const auto side = args.value("side");
    if (side && *side != "upper" && *side != "lower")
        throw Refusal("sfen: --side must be 'upper' or 'lower', not " + quoted(*side));
    d.side = side && *side == "upper" ? exchange::upper_army : exchange::lower_army;
    if (const auto n = args.value("move"))
        d.move_number = static_cast<int>(parse_count(*n, "sfen: --move", 1, 1'000'000));
    for (int X = 1; X <= 盤サイズ; ++X) {
        const 駒コード top = d.board(X, 1), bottom = d.board(X, 盤サイズ);
        if (top == -駒::歩 || top == -駒::香 || bottom == 駒::歩 || bottom == 駒::香)
            throw Refusal("sfen: an unpromoted Pawn or Lance stands on its army's last row (column " +
                          std::to_string(X) + "); no game reaches that");
    }
    io.out << (args.flag("xboard") ? exchange::to_xboard_fen(d) : exchange::to_sfen(d)) << '\n';
    return exit_ok;
}

}  // namespace

const Command sfen_command{
    .name = "sfen",
    .synopsis = "FILE [--side lower|upper] [--move N] [--xboard]",
    .summary = "write the position of a board text as SFEN",
    .details =
        "Reads the board text FILE ('-' for standard input) and prints the position as\n"
        "an SFEN, the notation of USI: ranks from row 1 (the top) down, each from\n"
        "column 1 (file 12) to column 12 (file 1), uppercase letters for the lower army\n"
        "(negative codes), lowercase for the upper army, '+' before a promoted piece,\n"
        "then the side to move ('b' the lower army, 'w' the upper), '-' for the hand and\n"
        "the move number. docs/formats.md has the letters of every piece.\n"
        "\n"
        "Options:\n"
        "  --side S    the army to move: 'lower' (the default, the first mover) or 'upper'.\n"
        "  --move N    the move number (default 1).\n"
        "  --xboard    print XBoard's FEN instead ('w' for the lower army to move).\n",
    .options = sfen_options,
    .min_positional = 1,
    .max_positional = 1,
    .run = run_sfen,
};

}  // namespace bexoru::cli
