#pragma once
// Board text: a position written as 12 lines of 12 signed piece codes, the
// first line row 1 (the top), the first number of a line column 1 (the left).
// Numbers are separated by spaces or tabs; blank lines and lines whose first
// non-blank character is '#' are ignored; CR LF line ends and a UTF-8
// byte-order mark at the start are accepted.
// Only real codes (-39..39, 0 empty) may stand in the text: pseudo codes never
// stand on a stored board. The command-line tool and the tests share this.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "board/board.h"

namespace bexoru {

// Why a board text was refused: the 1-based line it was found on and a short
// message in plain English (no line number in it).
struct BoardTextError {
    int line = 0;
    std::string message;
};

// The board read from a text, or why it was refused. On refusal the board is
// left empty.
struct BoardTextResult {
    盤面型 board{};
    std::optional<BoardTextError> error;

    bool ok() const { return !error.has_value(); }
};

// Lines longer than this are refused (comment lines excepted, they are
// skipped whatever their length), so a huge file without line breaks cannot
// make the reader hold all of it.
inline constexpr std::size_t board_text_max_line = 4096;

BoardTextResult parse_board_text(std::string_view text);
// Reads to the end of the board: it stops at the first error, and after the
// twelfth row it reads on only to refuse anything that is not blank or a comment.
BoardTextResult parse_board_text(std::istream& in);

// Twelve lines, row 1 first, of the twelve values cell(X, Y), each right-aligned
// in 4 characters (a value of 4 or more characters still gets one space before it).
template <class Cell>
std::string format_grid(Cell cell);

std::string format_board_text(const 盤面型& board);

// A piece code written as in the piece table, real ("34", "-5", "+7", "0") or
// pseudo ("18.1", "-24.1"), in the program's representation (18.1 -> 181).
// Anything else, including a fraction that is not a pseudo code ("18.3"), gives
// nothing.
std::optional<駒コード> parse_piece_code(std::string_view text);
// The inverse of parse_piece_code: 181 -> "18.1", -5 -> "-5".
std::string format_piece_code(駒コード c);

// Text from a file or the command line as it may stand in a one-line message:
// at most max_chars characters (then "..."). Each control character (C0, DEL,
// C1), line or paragraph separator, bidirectional control and byte-order
// mark, and each byte that is not part of well-formed UTF-8 (overlong forms,
// surrogates and code points past U+10FFFF included) is shown as '?', so
// nothing that could start an escape sequence reaches the terminal.
std::string printable_excerpt(std::string_view text, std::size_t max_chars);

// --- implementation of the template ---

std::string format_grid_cell(int value);

template <class Cell>
std::string format_grid(Cell cell) {
    std::string out;
    out.reserve(static_cast<std::size_t>(盤サイズ) * (盤サイズ * 4 + 1));
    for (int Y = 1; Y <= 盤サイズ; ++Y) {
        for (int X = 1; X <= 盤サイズ; ++X) out += format_grid_cell(static_cast<int>(cell(X, Y)));
        out += '\n';
    }
    return out;
}

}  // namespace bexoru
