#pragma once
// A record checked against the board before it is loaded. Its entries are
// replayed from the starting position on a board of our own, and each step
// is put to the rules as the game put it when the step was made: the origin
// holds the piece the entry names, the destination what it says was captured
// (or nothing), the move check allows the step (with the Lion rules, which
// read the entries before it), and a promotion is one the rules allow, as is
// a 歩 or 香 left unpromoted.
//
// What the game itself writes passes:
// - blank lines (all-zero entries), which name no square and change nothing;
// - the two entries of a double move: a second step from the square the
//   first one reached, checked with the move check as a second step (the
//   Eagle along its diagonal, the Falcon along its file, the Lion one
//   square). The move check does not ask whether a Lion taken by a second
//   step is defended: the person is refused a defended Lion after a first
//   step over nothing, a 歩 or a 仲, but the searching levels play it, so
//   a record of theirs holds it;
// - a declined second step, which logs its first step twice: the second
//   time the piece already stands on the destination and is named as
//   captured there.
// Each step is checked under the rule set the record names (棋譜の規則), or
// the one given.
// Handicaps and reversed boards are not in the format: the game does not
// write records of them.

#include "board/board.h"
#include "records/record_file.h"

namespace bexoru {

// Replays the entries of 結果 from the starting position. The first entry at
// fault sets 不備 (移動元が違う, 取駒が違う, 指せない手, 成りが違う or, for a
// step that names no square, no real piece or pieces of two armies, 値が不正) and 不備行
// (its line in the file) and empties 手々. A result already refused is left
// as it is.
void 棋譜照合(棋譜読込結果& 結果);
// The same from another position (tests and tools start records elsewhere),
// under the rules given.
void 棋譜照合(棋譜読込結果& 結果, const 盤面型& 初形, ルール 規則);

}  // namespace bexoru
