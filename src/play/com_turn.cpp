// The computer's turn: the search, the move it plays, its second step and
// its announcements, on this window's state.

#include "play/form1.h"
#include "engine/piece_count.h"
#include "play/com_turn_core.h"

namespace bexoru {

void Form1::com_ban() {
    ++COM手番.回数;
    const int 前の手数 = 状態.手数;
    if (COM手番.代役) {
        COM手番.代役();
        if (状態.手数 != 前の手数) 回復記録更新();
        return;
    }
    com_ban文脈 c{盤面,
                  記録,
                  状態,
                  com図,
                  man図,
                  描画,
                  表示,
                  音,
                  port,
                  [this](std::string_view 結果) { 終了(結果); },
                  [this](int& O_MAN駒数, int& O_COM駒数) {
                      const 駒数 n = 盤上駒数(盤面);
                      O_MAN駒数 = n.MAN駒数;
                      O_COM駒数 = n.COM駒数;
                  }};
    com_ban実行(c);
    // A full log leaves the turn with the computer, and nothing changed.
    if (状態.手数 != 前の手数) 回復記録更新();
}

}  // namespace bexoru
