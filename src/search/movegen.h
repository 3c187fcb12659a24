#pragma once
// The legal moves of the side to move, by the game's rules as the computer
// plays them:
// - every kind and promoted form, ranging moves stopped by the first piece;
// - promotion: a move may promote when it ends in the opponent's zone and
//   either enters the zone or captures there (a Pawn or Lance only when it
//   enters the zone or reaches the last row); a Pawn or Lance on its last row
//   must promote;
// - Lion, Horned Falcon and Soaring Eagle double moves as one compound move:
//   a Lion's one-square step followed by any one-square step (back to the
//   origin too: a capture without moving, or a pass), the Falcon's step
//   straight forward and the Eagle's step diagonally forward followed by one
//   more square the same way or back to the origin;
// - the Lion look-back: right after one of the mover's Lions was taken, a
//   Lion of exactly the opposite code may not be taken unless it is the piece
//   that moved in the step before;
// - a Lion may not take a defended Lion in one move (a second step is not
//   asked; a guard is any piece of the Lion's side, a Lion too, that could
//   move onto the square with both Lions lifted off).
// Moving into check is allowed; a game ends when a side's last royal piece is taken.
//
// Under the standard rules (the position's rule set) instead:
// - the Horned Falcon jumps to the second square ahead over whatever stands between;
// - a move may promote when it enters the zone, or captures with a move that
//   begins or ends in the zone; no promotion is forced;
// - the counter-strike: right after a piece other than a Lion took one of the
//   mover's Lions, only a Lion may take a Lion;
// - a Lion next to the capturing Lion's origin may always be taken; one two
//   squares away not when defended, unless the first step of the double move
//   took something other than a Pawn or Go-between.

#include <array>
#include <cstdint>

#include "search/position.h"

namespace bexoru::search {

struct MoveList {
    static constexpr int kCapacity = 2048;
    std::array<Move, kCapacity> moves;
    int size = 0;

    void push(const Move& m) {
        if (size < kCapacity) moves[static_cast<std::size_t>(size++)] = m;
    }
    const Move* begin() const { return moves.data(); }
    const Move* end() const { return moves.data() + size; }
    Move& operator[](int i) { return moves[static_cast<std::size_t>(i)]; }
    const Move& operator[](int i) const { return moves[static_cast<std::size_t>(i)]; }
};

enum class Generate {
    all,       // every distinct way to play (perft, the comparison with the move check)
    unique,    // leaves out double moves whose result and log look-back another move gives
               // (a step onto an empty square and on, which a single move also plays) and
               // all passes but one
    captures,  // only the moves of `unique` that capture with either step
};

// Every legal move of the side to move, or only the second steps when one is pending.
void generate(const Position& p, MoveList& out, Generate kind = Generate::all);

// Whether a piece of the army `side` could move onto `target` with the
// squares `target` and `lifted` empty (the Lion-guard question).
// Under the standard rules the Horned Falcon's jump guards too. `lifted2`
// is a second square taken as empty (0 for none).
bool guarded(const Position& p, int side, int target, int lifted, int lifted2 = 0);

// Whether the piece `code` standing on `from` attacks `to` on this board
// (jump or open line), ignoring who stands on `to`.
bool reaches(const Position& p, int code, int from, int to);

// The promotion choices of a move of `code` from row Y1 to row Y2 that takes
// `captured`: bit 1 it may stay unpromoted, bit 2 it may promote.
int promotion_choices(int code, int Y1, int Y2, int captured, ルール rules = ルール::本来);

// Counts the leaf positions `depth` moves ahead (every distinct move, as Generate::all).
std::uint64_t perft(Position& p, int depth);

}  // namespace bexoru::search
