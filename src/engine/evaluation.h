#pragma once
// The evaluation of one trial move of the computer, and what it reads
// besides the trial position.

#include "board/board.h"
#include "engine/influence_maps.h"
#include "engine/score.h"
#include "rules/move_check.h"

namespace bexoru {

// Taken once at the start of the computer's turn, before the search.
struct 探索前情報 {
    盤面型 盤面控;   // the board as it stood before the turn
    int 逃道数 = 0;  // the human King's escape squares before the turn
    勢力表 MAN勢力_前, COM勢力_前, MAN攻最小価値_前, COM攻最小X_前, COM攻最小Y_前, MAN攻最小X_前, MAN攻最小Y_前;
};

// Keeps the maps of the position before the move, as the evaluation compares them.
inline void 前の勢力を写す(探索前情報& 前, const COM勢力図& com, const MAN勢力図& man) {
    前.MAN勢力_前 = man.MAN勢力;
    前.COM勢力_前 = com.COM勢力;
    前.MAN攻最小価値_前 = man.MAN攻最小価値;
    前.COM攻最小X_前 = com.COM攻最小X;
    前.COM攻最小Y_前 = com.COM攻最小Y;
    前.MAN攻最小X_前 = man.MAN攻最小X;
    前.MAN攻最小Y_前 = man.MAN攻最小Y;
}

// What the pinned-piece survey found (調査_移動不可駒), before the search.
struct 移動不可情報 {
    勢力表 MAN移動不可;          // 1 where a human piece is pinned to the human King
    bool COM移動不可有 = false;  // some computer piece is pinned to its King
};

// One evaluation's world. The board in 局面 carries the trial move; com and man
// are the maps of the trial position, which some rules rebuild or change (the
// caller rebuilds them before the next trial). The level is 局面.状態.レベル.
struct 評価局面 {
    規則局面& 局面;
    COM勢力図& com;
    MAN勢力図& man;
    const 探索前情報& 前;
    const 移動不可情報& 不可;
    駒コード 評価移動駒 = 空;  // the moving piece's code before any promotion
    int 王距離 = 0;            // Chebyshev distance from the origin to the human King
};

// The score of the trial move, in tenths. A Lion, Falcon or Eagle capture
// that could step back scores exactly 点(1000) (the Lion) or 点(1000 + the
// captured code): the signal for a second step. The board is left as it was
// found; the maps in e may have been rebuilt for a changed position.
評価値 盤評価(評価局面& e, 駒コード 取得駒, 駒コード 移動駒, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);

// The whole-board danger term, in tenths; changes nothing.
評価値 盤評価_COM危険座標(評価局面& e, 駒コード 移動駒, int 移動先X, int 移動先Y);

// Which pieces of each side are pinned to their King by a ranging piece
// (Lance, Bishop, Dragon Horse, Rook, Dragon King): lifted off the board, their
// square would let one reach the King. Pieces are put back; nothing is pinned
// to a King that is not on the board. The other surveys of the evaluation
// are in positional_surveys.h.
void 調査_移動不可駒(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man, 移動不可情報& 結果);

}  // namespace bexoru
