#pragma once
// Positions as the Chu Shogi programs of other authors write them.
//
// SFEN (the notation of USI): the ranks from the top of our board (row 1) to
// the bottom, each from column 1 (file 12) to column 12 (file 1), a number for
// a run of empty squares, '/' between ranks; then the side to move ('b' the
// lower army, which moves first in a game from the start; 'w' the upper army),
// the hand ('-': Chu Shogi has none) and the move number. Uppercase letters are
// the lower army, lowercase the upper; a promoted piece is '+' and the letter
// of the piece it promoted from.
//
// XBoard's FEN for Chu Shogi writes the board the same way (its first mover,
// "white", is our lower army at the bottom), then 'w' for the lower army to
// move or 'b' for the upper, '-' for castling rights, and the half-move clock
// and the move number counted in pairs.
//
// Squares: USI names column X by file 13 − X and row Y by the letter 'a' + Y − 1;
// XBoard names column X by the letter 'a' + X − 1 and row Y by rank 13 − Y.

#include <optional>
#include <string>
#include <string_view>

#include "board/board.h"

namespace bexoru::exchange {

inline constexpr int lower_army = -1;  // negative codes, uppercase letters, moves first from the start
inline constexpr int upper_army = +1;

inline constexpr std::string_view start_sfen =
    "lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/PPPPPPPPPPPP/MVRHDNQDHRVM/"
    "A1B1TOXT1B1A/LFCSGKEGSCFL b - 1";

// The letters of a piece code: "P", "+P", "n" (the upper army's Lion); empty for
// the empty square and for anything that is not a real code.
std::string piece_letters(駒コード c);
// The code of "P", "+P", "n" and so on; nothing for any other text.
std::optional<駒コード> piece_of_letters(std::string_view letters);

// A position: the board and the army to move.
struct Diagram {
    盤面型 board{};
    int side = lower_army;
    int move_number = 1;  // SFEN's count of moves (one for each side's turn), from 1
    // Where the other army's last move took a Lion of the army to move with a
    // piece other than a Lion, so that the counter-strike holds for the next
    // move: the online site writes this square in SFEN's hand field.
    std::optional<桝位置> lion_taken = std::nullopt;
    friend bool operator==(const Diagram&, const Diagram&) = default;
};

// The standard starting position, the lower army to move.
Diagram start_diagram();

// Why a text was refused: a message in plain English that names the place in
// the text (the rank and its square, the field), fit for one line.
struct NotationError {
    std::string message;
};

struct DiagramResult {
    Diagram diagram{};
    std::optional<NotationError> error;
    bool ok() const { return !error.has_value(); }
};

// The board field alone (the ranks), as SFEN and XBoard's FEN both write it.
std::string board_field(const 盤面型& board);
std::string to_sfen(const Diagram& s);
std::string to_xboard_fen(const Diagram& s);

// A whole SFEN: board, side, hand and move number; the hand and the move
// number may be left off, as some programs write Chu Shogi positions. The
// hand is '-', or the online site's counter-strike square (Diagram::lion_taken),
// which must hold a piece of the army that moved last.
// A Pawn or Lance on its army's last rank is refused, since it must have promoted.
DiagramResult parse_sfen(std::string_view text);
// XBoard's FEN: board and side, then optional castling, en passant, half-move
// clock and move number (the castling and en passant fields must be '-').
DiagramResult parse_xboard_fen(std::string_view text);

// Squares in either notation; nothing for a text that names no square.
std::string usi_square(桝位置 s);
std::string xboard_square(桝位置 s);
// The square at the start of the text and how many characters it took.
std::optional<std::pair<桝位置, std::size_t>> read_usi_square(std::string_view text);
std::optional<std::pair<桝位置, std::size_t>> read_xboard_square(std::string_view text);

// Text from outside as it may stand in a message: at most 40 characters,
// anything a terminal could take for a control shown as '?'.
std::string excerpt(std::string_view text);

}  // namespace bexoru::exchange
