// bexoru-cli board [FILE]: the starting position, or a position read back.

#include <ostream>

#include "board/starting_position.h"
#include "cli.h"
#include "records/board_text.h"

namespace bexoru::cli {
namespace {

int run_board(const Arguments& args, Io& io) {
    盤面型 board;
    if (args.positional.empty())
        初期配置(board);
    else
        board = load_board(args.positional[0], io);
    io.out << format_board_text(board);
    return exit_ok;
}

}  // namespace

const Command board_command{
    .name = "board",
    .synopsis = "[FILE]",
    .summary = "print the starting position, or a position read from FILE",
    .details =
        "Prints the starting position, or reads the position in FILE and prints it.\n"
        "The position is printed as board text: 12 lines of 12 piece codes, row 1 first,\n"
        "each number right-aligned in 4 characters. Reading and printing a file checks it\n"
        "and gives it the tool's layout; comments and blank lines are dropped.\n",
    .options = {},
    .min_positional = 0,
    .max_positional = 1,
    .run = run_board,
};

}  // namespace bexoru::cli
