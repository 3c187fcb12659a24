// bexoru-cli verify-moves: the searching engine's move generator against the
// game's move check on many random positions.

#include <ostream>
#include <string>

#include "records/board_text.h"
#include "search/agreement.h"
#include "searching.h"

namespace bexoru::cli {
namespace {

constexpr OptionSpec verify_options[] = {
    {"positions", "N"},
    {"seed", "S"},
    rules_option,
};

int run_verify(const Arguments& args, Io& io) {
    const auto n = args.value("positions")
                       ? parse_count(*args.value("positions"), "verify-moves: --positions", 1, 100'000'000)
                       : 1000;
    const auto seed = args.value("seed") ? parse_count(*args.value("seed"), "verify-moves: --seed", 0, INT64_MAX) : 1;
    const ルール rules = parse_rules(args, "verify-moves");
    search::Random rng(static_cast<std::uint64_t>(seed));
    std::uint64_t questions = 0;
    for (std::int64_t i = 0; i < n; ++i) {
        // Every other position is played from the start, the rest are scattered at random.
        盤面型 board;
        棋譜記録 log;
        if (i % 2 == 0) {
            const search::RandomGame g = search::random_game(rng);
            board = g.board;
            log = g.log;
        } else {
            const search::PlayedGame g = search::played_game(rng, rng.below(300), rules);
            board = g.board;
            log = g.log;
        }
        const search::Agreement a = search::compare_with_move_check(board, log, rules);
        questions += a.questions;
        if (a.disagreement) {
            io.out << "disagreement in position " << i + 1 << " (seed " << seed << "): " << *a.disagreement << '\n';
            io.out << "# the position; the log's last capture "
                   << (log.記録数 >= 1 ? log.手[static_cast<std::size_t>(log.記録数)].取駒 : 0) << '\n';
            io.out << format_board_text(board);
            return exit_failed;
        }
    }
    io.out << n << " positions, " << questions << " move-check answers, no disagreement\n";
    return exit_ok;
}

}  // namespace

const Command verify_moves_command{
    .name = "verify-moves",
    .synopsis = "[--positions N] [--seed S] [--rules original|standard]",
    .summary = "hold the searching engine's moves against the move check",
    .details =
        "Makes N random positions (default 1000) from the seed S (default 1): every\n"
        "other one scattered at random with a log look-back that sometimes forbids a\n"
        "Lion capture, the rest played from the starting position by random moves. In\n"
        "each, for both armies, every origin and every destination, asks the game's move\n"
        "check and compares with the searching engine's move generator, with the\n"
        "promotion choices and every second step of every double move. Prints a summary\n"
        "line, or at the first disagreement that disagreement and the position, and\n"
        "exits with 1. The same seed gives the same positions.\n"
        "\n"
        "Options:\n"
        "  --positions N   how many positions (1 or more).\n"
        "  --seed S        the seed of the random positions (0 or more).\n"
        "  --rules SET     'original' (the game's own rules, the default) or 'standard'\n"
        "                  (docs/rules.md); under the standard rules a move must also pass\n"
        "                  the Lion-capture rules the person meets.\n",
    .options = verify_options,
    .min_positional = 0,
    .max_positional = 0,
    .run = run_verify,
};

}  // namespace bexoru::cli
