// bexoru-cli perft FILE DEPTH [--divide] [--side S]: counts the move
// sequences DEPTH moves deep, for checking the move generator and timing it.

#include <ostream>
#include <string>

#include "exchange/game.h"
#include "search/movegen.h"
#include "searching.h"

namespace bexoru::cli {
namespace {

constexpr OptionSpec perft_options[] = {
    {"divide", ""},
    {"side", "S"},
    {"sfen", "SFEN"},
    rules_option,
};

int run_perft(const Arguments& args, Io& io) {
    const CommandPosition source = load_position(args, io, "perft", 1);
    const int depth = static_cast<int>(parse_count(args.positional[source.rest], "perft: DEPTH", 0, 8));
    if (source.side && args.value("side")) throw Refusal("perft: the SFEN says which side moves; no --side with it");
    const int side = source.side ? *source.side : parse_side(args, "perft");
    const ルール rules = parse_rules(args, "perft");
    // An SFEN's counter-strike square stands in the log as the other side's last move.
    const exchange::Replay game(exchange::Diagram{source.board, side, 1, source.lion_taken}, rules);
    search::Position p = search::Position::from_game(game.board(), game.log(), side, 0, rules);
    require_playable(p, "perft");

    std::uint64_t total = 0;
    if (args.flag("divide") && depth >= 1) {
        search::MoveList list;
        search::generate(p, list, search::Generate::all);
        for (const search::Move& m : list) {
            const search::Undo u = p.make(m);
            const std::uint64_t n = search::perft(p, depth - 1);
            p.unmake(m, u);
            io.out << search::to_text(m) << ": " << n << '\n';
            total += n;
        }
        io.out << "total " << total << '\n';
    } else {
        total = search::perft(p, depth);
        io.out << total << '\n';
    }
    return exit_ok;
}

}  // namespace

const Command perft_command{
    .name = "perft",
    .synopsis = "FILE DEPTH [--divide] [--side upper|lower] [--rules original|standard] (--sfen SFEN for FILE)",
    .summary = "count the move sequences DEPTH moves deep",
    .details =
        "Counts every sequence of DEPTH moves (0 to 8) from the position in FILE, by the\n"
        "rules the computer plays: every kind, ranging moves, promotion (each choice is a\n"
        "move of its own), Lion, Falcon and Eagle double moves (each first and second\n"
        "step a move of its own, a capture without moving and the pass included) and the\n"
        "Lion-capture rules. The log is empty but for an SFEN's counter-strike square\n"
        "(the online site's hand field: the other side's last move took a Lion there);\n"
        "the count does not stop where a King is\n"
        "taken. Prints the number, or with --divide one line per move,\n"
        "  X1 Y1 X2 Y2[ X3 Y3][ +]: N\n"
        "(origin, destination, the second step's destination, '+' for a promotion, and\n"
        "the count below it), then 'total N'. A position in which an army has no King\n"
        "or Crown Prince, or the army to move has no pieces, is refused.\n"
        "\n"
        "Options:\n"
        "  --divide    one line per move, as above.\n"
        "  --side S    the army to move: 'upper' (positive codes, the default) or 'lower'.\n"
        "  --rules SET 'original' (the game's own rules, the default) or 'standard'\n"
        "              (docs/rules.md).\n"
        "  --sfen SFEN the position given as an SFEN instead of FILE, with its side to move.\n",
    .options = perft_options,
    .min_positional = 1,
    .max_positional = 2,
    .run = run_perft,
};

}  // namespace bexoru::cli
