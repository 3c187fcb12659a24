// bexoru-cli record FILE: a game record checked as the game checks it before
// loading, then counted and replayed to its last position.

#include <cstdlib>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>

#include "board/starting_position.h"
#include "cli.h"
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

bool double_mover(駒コード c) {
    const int a = std::abs(c);
    return a == 駒::鷲 || a == 駒::鷹 || a == 駒::獅子_成 || a == 駒::獅子;
}

int run_record(const Arguments& args, Io& io) {
    const std::string_view path = args.positional[0];
    棋譜読込結果 r;
    if (path == "-") {
        const std::string bytes{std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>()};
        if (bytes.size() > 棋譜ファイル上限) {
            r.不備 = 棋譜不備::大きすぎる;
        } else {
            r = 棋譜解析(bytes);
            棋譜照合(r);
        }
    } else {
        r = 棋譜ファイル読込(std::string(path));
    }
    if (r.不備 != 棋譜不備::なし) throw Refusal("record: " + printable(path) + ": " + refusal_of(r));

    // Replayed and counted as 進 steps through it.
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

}  // namespace

const Command record_command{
    .name = "record",
    .synopsis = "FILE",
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
        "A record the game would refuse is refused with its line.\n",
    .options = {},
    .min_positional = 1,
    .max_positional = 1,
    .run = run_record,
};

}  // namespace bexoru::cli
