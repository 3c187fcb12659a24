// bexoru-cli influence FILE: both sides' influence maps of a position as the
// computer player builds them, the royal squares, and the one-move mate tests.

#include <ostream>
#include <string>

#include "cli.h"
#include "engine/influence.h"
#include "engine/influence_maps.h"
#include "engine/mate.h"
#include "records/board_text.h"

namespace bexoru::cli {
namespace {

constexpr OptionSpec influence_options[] = {
    {"sfen", "SFEN"},
};

std::string map_block(std::string_view header, const 勢力表& map) {
    std::string s = "[" + std::string(header) + "]\n";
    s += format_grid([&](int X, int Y) { return map(X, Y); });
    return s;
}

std::string square_line(std::string_view name, int X, int Y) {
    return std::string(name) + ' ' + std::to_string(X) + ' ' + std::to_string(Y) + '\n';
}

std::string_view on_off(bool flag) {
    return flag ? "ON" : "OFF";
}

int run_influence(const Arguments& args, Io& io) {
    StudyGame game(load_position(args, io, "influence", 0).board);

    // The surveys write a royal or Lion square only when they meet the piece;
    // fresh maps start from "absent", so a missing piece reads 0 0.
    COM勢力図 com;
    MAN勢力図 man;
    勢力調査_両軍(game.board, com, man);

    std::string out;
    out += map_block("com-reach", com.COM勢力);
    out += map_block("com-defend-min", com.COM守最小価値);
    out += map_block("com-attack-min", com.COM攻最小価値);
    out += map_block("com-check", com.COM王手筋);
    out += map_block("man-reach", man.MAN勢力);
    out += map_block("man-defend-min", man.MAN守最小価値);
    out += map_block("man-attack-min", man.MAN攻最小価値);
    out += map_block("man-check", man.MAN王手筋);
    out += square_line("com-king", com.COM王X, com.COM王Y);
    out += square_line("com-prince", com.COM太X, com.COM太Y);
    out += square_line("man-king", man.MAN王X, man.MAN王Y);
    out += square_line("man-prince", man.MAN太X, man.MAN太Y);
    out += square_line("man-lion", man.MAN獅X, man.MAN獅Y);

    // The tests come after the maps are taken: a test may rebuild maps of its own.
    const bool man_mated = 詰めかMAN(game.context, com, man);
    const bool com_mated = 詰めかCOM(game.context, com, man);
    const int escapes = 調査_自王逃道(game.board, com, man);
    out += "man-mated " + std::string(on_off(man_mated)) + '\n';
    out += "com-mated " + std::string(on_off(com_mated)) + '\n';
    out += "man-escape-squares " + std::to_string(escapes) + '\n';
    io.out << out;
    return exit_ok;
}

}  // namespace

const Command influence_command{
    .name = "influence",
    .synopsis = "FILE (--sfen SFEN for FILE)",
    .summary = "print both sides' influence maps and the mate tests",
    .details =
        "Surveys the position as the computer player does before it judges a move.\n"
        "Prints eight maps, each a header line and 12 lines of 12 numbers (row 1 first):\n"
        "  [com-reach]        upper-army (computer) pieces reaching each square\n"
        "  [com-defend-min]   on an upper piece: value of its cheapest defender\n"
        "                     (999 none, 39 the King alone)\n"
        "  [com-attack-min]   on a lower piece: value of its cheapest upper attacker\n"
        "                     (999 none)\n"
        "  [com-check]        9 on an upper piece reaching the lower King or Crown Prince,\n"
        "                     1 on the squares between a ranging one and it\n"
        "  [man-reach] [man-defend-min] [man-attack-min] [man-check]\n"
        "                     the same for the lower army (the person); a lower piece next\n"
        "                     to its own King shows -39 as its defender\n"
        "then the lines 'com-king X Y', 'com-prince X Y', 'man-king X Y', 'man-prince X Y'\n"
        "and 'man-lion X Y' (0 0 when absent), and the one-move mate tests of the lower\n"
        "and the upper army's sole royal piece, 'man-mated ON|OFF' and 'com-mated ON|OFF',\n"
        "with 'man-escape-squares N', the free squares next to the lower King that no\n"
        "upper piece reaches.\n"
        "\n"
        "Options:\n"
        "  --sfen SFEN   the position given as an SFEN instead of FILE.\n",
    .options = influence_options,
    .min_positional = 0,
    .max_positional = 1,
    .run = run_influence,
};

}  // namespace bexoru::cli
