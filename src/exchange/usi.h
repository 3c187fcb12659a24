#pragma once
// USI moves and games: a move is its squares in USI's names, the origin, the
// destination and, for a double move, the square the second step ends on
// ("7g7f7e"; "7g7f7g" takes on 7f without moving); '+' after a promotion.
//
// A game is written as USI's position command writes it, on one line:
//   sfen <SFEN> moves <move> <move> ...
// and read from that form, from "startpos moves ...", with or without the
// word "position" first, or from moves alone (from the starting position);
// line breaks count as spaces. A square named twice ("7g7g") is read as the
// pass of the piece there, as XBoard's coordinates write it. XBoard's coordinate moves are here too: the
// squares in XBoard's names, a double move as two legs "f3f4,f4f5", and the
// Lion's pass as its own square twice ("f3f3").

#include <optional>
#include <string>
#include <string_view>

#include "exchange/game.h"

namespace bexoru::exchange {

std::string to_usi(const Move& m);
// The move the text names (squares only; the rules are not asked).
std::optional<Move> parse_usi_move(std::string_view text);

// A game as one line: "sfen <SFEN> moves ...", ending with a line break.
std::string usi_game_text(const Game& game);
// Reads a game and plays every move through the rules. On a refusal the
// result names the line and the move, and holds no moves.
GameResult parse_usi_game(std::string_view text, ルール rules = ルール::本来);

// XBoard's coordinate form of a move in the position it is played in (a
// pass needs the board to be told from a capture without moving).
std::string to_xboard_move(const 盤面型& board, const Move& m);
// The move an XBoard coordinate text names in the replay's position, checked
// by the rules; the refusal otherwise, as one line.
struct MoveResult {
    std::optional<Move> move;
    std::string refusal;
};
MoveResult parse_xboard_move(std::string_view text, Replay& position);

}  // namespace bexoru::exchange
