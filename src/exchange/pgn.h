#pragma once
// PGN as XBoard writes it for Chu Shogi: the tags (with [Variant "chu"], and
// [FEN] and [SetUp "1"] when the game does not start from the starting
// position with the lower army to move), then the moves in XBoard's short
// algebraic notation: the piece letter ('+' before it for a promoted piece;
// none for an unpromoted Pawn), a file or rank where two pieces could make
// the move, 'x' for a capture, the destination, and '+' after a promotion.
// A double move names both squares: "Nxd8-d7" takes on d8 and steps on to
// d7, "Ne8xe9" steps to e8 and takes on e9, "Nxg7-f7" takes on g7 and goes
// back; the Lion's pass is written, as XBoard writes it, as a capture on its
// own square ("Nxe9").
//
// The reader takes that notation and XBoard's coordinates ("h4h5",
// "e7d8,d8d7", "e9e9"), skips comments, variations, numeric annotations and
// move numbers, and reads the first game of the text.

#include <string>
#include <string_view>
#include <vector>

#include "exchange/game.h"

namespace bexoru::exchange {

struct PgnTag {
    std::string name;
    std::string value;
};

// The short algebraic notation of a move in the replay's position (before it is made).
std::string san(Replay& position, const Move& m);

// The whole PGN text of a game. Tags given replace the defaults of the same name.
std::string pgn_text(const Game& game, const std::vector<PgnTag>& tags = {});

// Reads a game and plays every move through the rules of the set given; a
// refusal names the line and the move.
GameResult parse_pgn(std::string_view text, ルール rules = ルール::本来);

}  // namespace bexoru::exchange
