// The computer's turn. Its move (the one-move search, the move it plays,
// its second step and its announcements) comes with the computer player;
// until then a game against the computer hands it the turn here and nothing
// moves.

#include "app/form1.h"

namespace bexoru {

void Form1::com_ban() {
    ++COM手番.回数;
    if (COM手番.代役) {
        COM手番.代役();
        return;
    }
}

}  // namespace bexoru
