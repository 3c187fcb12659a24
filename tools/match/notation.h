#pragma once
// How a CECP engine such as HaChu names squares, moves and positions, and
// how they map onto ours.
//
// Squares: our (X, Y) is file chr(96 + X) and rank 13 - Y ("a12" is our
// (1, 1), the upper army's corner). The other engine's first mover is our
// lower army. A move is "f9f8", "+" added for a promotion; a double move is
// sent as two legs "e5e6,e6e7" (the second leg may end where the piece
// started); the Lion's pass is "e5e5".
//
// Positions (FEN): ranks 12 to 1, files a to l, a digit run for empty
// squares, the letters P I C S G E T F L A M V B R H D O X Q N K for Pawn,
// Go-between, Copper, Silver, Gold, Elephant, Tiger, Leopard, Lance, Reverse
// Chariot, Side Mover, Vertical Mover, Bishop, Rook, Dragon Horse, Dragon
// King, Kirin, Phoenix, Free King, Lion and King, "+" before a letter for
// its promoted form; upper case for the first mover (our lower army), then
// " w" or " b" for the side to move.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/position.h"

namespace bexoru::notation {

std::string square_name(int sq);
// The squares named in a text ("f5", "a12"), in order; anything else is skipped.
std::vector<int> squares_in(std::string_view text);

// The other engine's name for one of our moves.
std::string move_name(const search::Position& p, const search::Move& m);
// The legal move (by our generator) that the other engine's text names, if any.
std::optional<search::Move> parse_move(const search::Position& p, std::string_view text);

// The letters of a piece code ("P", "+P", "p", ... upper case for our lower army); "" for 0.
std::string piece_letters(int code);
// The board and side to move as FEN.
std::string to_fen(const search::Position& p);
// A FEN's board and side to move; nothing when it is not a whole 12×12 board
// of known letters.
std::optional<search::Position> from_fen(std::string_view fen);

}  // namespace bexoru::notation
