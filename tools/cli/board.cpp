// bexoru-cli board [FILE]: the starting position, or a position read back.

#include <ostream>
#include <string>
#include <vector>

#include "board/starting_position.h"
#include "cli.h"
#include "records/board_text.h"

namespace bexoru::cli {
namespace {

constexpr OptionSpec board_options[] = {
    {"strict", ""},
    {"sfen", "SFEN"},
};

// What a game could never reach: an army with a second King or a second
// Crown Prince. One line each, such as "the upper army has 2 Kings".
std::vector<std::string> royal_surplus(const 盤面型& board) {
    std::vector<std::string> found;
    for (const int side : {+1, -1}) {
        int kings = 0, princes = 0;
        for (int X = 1; X <= 盤サイズ; ++X) {
            for (int Y = 1; Y <= 盤サイズ; ++Y) {
                kings += board(X, Y) == side * 駒::王;
                princes += board(X, Y) == side * 駒::太子;
            }
        }
        const std::string army = side > 0 ? "the upper army" : "the lower army";
        if (kings > 1) found.push_back(army + " has " + std::to_string(kings) + " Kings");
        if (princes > 1) found.push_back(army + " has " + std::to_string(princes) + " Crown Princes");
    }
    return found;
}

int run_board(const Arguments& args, Io& io) {
    盤面型 board;
    if (args.value("sfen"))
        board = load_position(args, io, "board", 0).board;
    else if (args.positional.empty())
        初期配置(board);
    else
        board = load_board(args.positional[0], io);
    const std::vector<std::string> surplus = royal_surplus(board);
    if (!surplus.empty() && args.flag("strict")) {
        std::string all;
        for (const std::string& s : surplus) all += (all.empty() ? "" : ", ") + s;
        throw Refusal("board: " + all + " (refused under --strict)");
    }
    for (const std::string& s : surplus) io.err << "bexoru-cli: board: warning: " << s << '\n';
    io.out << format_board_text(board);
    return exit_ok;
}

}  // namespace

const Command board_command{
    .name = "board",
    .synopsis = "[FILE | --sfen SFEN] [--strict]",
    .summary = "print the starting position, or a position read from FILE",
    .details =
        "Prints the starting position, or reads the position in FILE and prints it.\n"
        "The position is printed as board text: 12 lines of 12 piece codes, row 1 first,\n"
        "each number right-aligned in 4 characters. Reading and printing a file checks it\n"
        "and gives it the tool's layout; comments and blank lines are dropped.\n"
        "An army with two Kings or two Crown Princes, which no game reaches, is printed\n"
        "with a warning on stderr.\n"
        "\n"
        "Options:\n"
        "  --strict      refuse such a position instead (exit status 2, nothing printed).\n"
        "  --sfen SFEN   print the position of the SFEN instead (see 'bexoru-cli sfen').\n",
    .options = board_options,
    .min_positional = 0,
    .max_positional = 1,
    .run = run_board,
};

}  // namespace bexoru::cli
