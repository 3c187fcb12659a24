#pragma once
// One-move mate tests of the royal pieces, and the count of the human King's
// escape squares.
//
// A side's sole royal piece is mated when it is attacked, no step of its own
// reaches a square the other side does not reach, and no single move of a
// defender onto the attacker's square or a square between (the other side's
// check-line marks) leaves it unattacked. The tests look one move deep: they
// neither see a second attacker nor look further. A side that still has both
// a King and a Crown Prince is never mated.
//
// Legality is asked of 移動チェック. Trial defences are made on 局面.盤面 and
// taken back; the board is the same afterwards. The maps must be those of the
// position on the board (both surveys just run).

#include "board/board.h"
#include "engine/influence_maps.h"
#include "rules/move_check.h"

namespace bexoru {

// Whether the human's sole royal piece is mated after the computer's move.
bool 詰めかMAN(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man);
// Whether the human King (-39) on (MAN王X, MAN王Y) is mated.
bool 詰めかMAN_王(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man);
// Whether the human Crown Prince (-38) on (MAN太X, MAN太Y) is mated.
bool 詰めかMAN_太(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man);
// Whether some computer piece can move onto (MAN王X, MAN王Y) on the board as it stands.
bool 詰めかMAN_COM王移動(規則局面& 局面, const MAN勢力図& man);
// Whether some computer piece can move onto (MAN太X, MAN太Y) on the board as it stands.
bool 詰めかMAN_COM太移動(規則局面& 局面, const MAN勢力図& man);

// Whether the computer's sole royal piece is mated after the human's move.
// Each trial defence is judged by a human survey of the trial position, made
// into a scratch copy: the maps passed in are left as they are.
bool 詰めかCOM(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man);
// Whether the computer's King (39) on (COM王X, COM王Y) is mated.
bool 詰めかCOM_王(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man);
// Whether the computer's Crown Prince (38) on (COM太X, COM太Y) is mated.
bool 詰めかCOM_太(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man);

// The squares next to the human King that are on the board, empty and not
// reached by any computer piece (0..8); 0 when the human has no King.
int 調査_自王逃道(const 盤面型& 盤面, const COM勢力図& com, const MAN勢力図& man);

}  // namespace bexoru
