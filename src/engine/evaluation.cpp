// 盤評価: the score of one trial move of the computer. A list of hand-made
// rules about this one move, in groups that grow with the level: the royal,
// check, promotion and danger rules at every level; safety, approach,
// material and quiet-move rules from level 2; the piece-specific rules at
// level 3 (evaluation_pieces.cpp). A group either adds to the running score
// or ends the evaluation with a final score.

#include "engine/evaluation.h"

#include <cstdlib>
#include <optional>

#include "engine/evaluation_trial.h"
#include "engine/influence.h"
#include "engine/mate.h"
#include "engine/piece_count.h"
#include "engine/positional_surveys.h"

namespace bexoru {

namespace 評価規則 {
namespace {

// A final score that ends the evaluation, or nothing to go on.
using 決着 = std::optional<評価値>;

constexpr 評価値 勝ち = 点(9999);
constexpr 評価値 負け = 点(-9998);
constexpr 評価値 詰み = 点(9998);
constexpr int 王価値 = 駒価値(駒::王);    // 30: the human King is the only attacker
constexpr int 龍価値 = 駒価値(駒::龍王);  // 22

// The human's last royal piece taken; the computer's royal pieces attacked.
決着 王族の安否(試行& t, 評価値& S) {
    if (最後の王族を取る(t.取得駒, t.e.man)) return 勝ち;
    if (t.MAN勢力(t.COM王()) > 0 && !在る(t.COM太())) return 負け;
    if (t.MAN勢力(t.COM太()) > 0) {
        if (!在る(t.COM王())) return 負け;
        S = 点(-10);
    }
    return std::nullopt;
}

// The move attacks the human King or Crown Prince: mate, and how well the
// checking piece stands.
決着 王手の評価(試行& t, 評価値& S) {
    const 桝位置 T = t.T;
    const 桝位置 王 = t.MAN王();
    if (t.COM勢力(王) == 0 && t.COM勢力(t.MAN太()) == 0) return std::nullopt;
    if (詰めかMAN(t.e.局面, t.e.com, t.e.man)) return t.移動駒 == 駒::歩 ? 負け : 詰み;
    if (t.MAN攻最小価値(T) == 王価値 && t.COM勢力(T) > 0) S += 点(50);
    // A check from diagonally beside the King, backed by a Dragon King on the
    // King's file or rank.
    if (在る(王) && 差(T.X, 王.X) == 1 && 差(T.Y, 王.Y) == 1 && t.MAN勢力(T) <= 2 && t.COM守最小価値(T) == 龍価値) {
        const 桝位置 守 = t.COM守最小(T);
        if (守.X == 王.X || 守.Y == 王.Y) S += 点(500);
    }
    if (t.MAN勢力(T) == 0) S += 点(10);
    return std::nullopt;
}

void 成りの評価(試行& t, 評価値& S) {
    if (t.移動駒 <= t.e.評価移動駒) return;
    S += 点(0.1);
    if (t.MAN勢力(t.T) == 0) S += 点(10);
}

// Level 2: onto a safe square — fleeing an attack, newly attacking the
// human Lion, escaping a cheaper attacker.
void 安全な行き先(試行& t, 評価値& S) {
    const 桝位置 F = t.F;
    if (t.MAN勢力(t.T) != 0) return;
    if (t.COM勢力_前(F) == 0 && t.MAN勢力_前(F) > 0) S += 点(1);
    const 桝位置 獅 = t.MAN獅();
    if (t.COM勢力(獅) > 0 && t.COM勢力_前(獅) == 0) S += 点(5);
    const int v = 駒価値(t.移動駒);
    if (t.MAN勢力(F) > 0 && v > t.MAN攻最小価値_前(F)) S += 点(v);
}

// Level 2: closer to the human King than the origin was; along the longer
// distance counts ten times more.
void 王への接近(試行& t, 評価値& S) {
    const 桝位置 王 = t.MAN王();
    if (!在る(王)) return;
    const int dx = 差(王.X, t.T.X);
    const int dy = 差(王.Y, t.T.Y);
    if (dx > dy) {
        if (t.e.王距離 > dx) S += 点(1);
    } else if (t.e.王距離 > dy) {
        S += 点(0.1);
    }
}

// Level 2: the cheapest human attacker of the moved piece is pinned to its
// King and the moved piece, off the pin line, can take it.
void 釘付けの攻め駒(試行& t, 評価値& S) {
    const 桝位置 T = t.T;
    const 桝位置 A = t.MAN攻最小(T);
    if (t.MAN勢力(A) == 0 || t.MAN移動不可(A) != 1) return;
    const 桝位置 王 = t.MAN王();
    const bool 王手 = t.COM勢力(王) > 0;
    if (!(t.MAN勢力(T) == 1 || (t.MAN勢力(T) == 2 && t.COM勢力(T) > 0 && 王手))) return;
    const bool 別の筋 = (A.Y == 王.Y && T.Y != 王.Y) || (A.X == 王.X && T.X != 王.X) ||
                        (A.X != 王.X && A.Y != 王.Y && (T.Y == 王.Y || T.X == 王.X));
    if (!別の筋) return;
    if (!移動チェック(t.e.局面, T.X, T.Y, A.X, A.Y, t.e.評価移動駒)) return;
    if (t.駒(t.COM攻最小_前(A)) == 空) return;  // the piece that attacked A before has gone
    S += 点(std::abs(t.駒(A)));
}

// Level 2, no capture: the expected loss to the cheapest attacker, escape
// squares taken from the human King, nearness to the human Lion.
void 静かな手(試行& t, 評価値& S) {
    const 桝位置 T = t.T;
    const int v = 駒価値(t.移動駒);
    const int 攻 = t.MAN攻最小価値(T);
    if (v > 攻) S -= 点(v - 攻);
    const 桝位置 王 = t.MAN王();
    if ((t.移動駒 == 駒::香 || (在る(王) && 近い(T, 王, 2, 2))) && t.MAN勢力(T) == 0) {
        const int 逃道 = 調査_自王逃道(t.盤(), t.e.com, t.e.man);
        if (逃道 < t.e.前.逃道数) S += 点(t.e.前.逃道数 - 逃道);
    }
    const 桝位置 獅 = t.MAN獅();
    if (!在る(獅)) return;
    if (近い(T, 獅, 1, 1)) S -= 点(5);
    if (近い(t.F, 獅, 1, 1)) {
        S -= 点(1);
        if (t.MAN勢力(T) == 0) S += 点(5);
    }
}

// Level 2, a capture: the bare-army win, the trade, and what the capturing
// piece risks on its square.
決着 駒取り(試行& t, 評価値& S) {
    const 駒数 n = 盤上駒数(t.盤());
    if (n.MAN駒数 + n.COM駒数 <= 3 && n.COM駒数 > n.MAN駒数) return 勝ち;
    const 桝位置 T = t.T;
    const int 取 = 駒価値(t.取得駒);
    const int g = 取 - 駒価値(t.移動駒);
    S += g == 0 ? 点(5) : 点(g);
    if (t.MAN勢力(T) == 0) {
        S += 点(5 * 取);
        if (t.取得駒 == -駒::と || t.取得駒 == -駒::白駒) S += 点(50);
        if (t.取得駒 == -駒::王 || t.取得駒 == -駒::太子 || t.取得駒 == -駒::象) S += 点(300);
    } else if (t.COM勢力(T) > 0) {
        if (駒価値(t.駒(T)) < t.MAN攻最小価値(T)) S += 点(取);
    } else {
        S += 点(g);
        if (t.MAN勢力(t.F) > 0 && 調査_移動可場所数(t.e.局面, t.e.com, t.e.man, t.F.X, t.F.Y, t.移動駒) == 0) {
            S += 点(取);
        }
    }
    return std::nullopt;
}

}  // namespace
}  // namespace 評価規則

評価値 盤評価(評価局面& e, 駒コード 取得駒, 駒コード 移動駒, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    using namespace 評価規則;
    試行 t{e, 取得駒, 移動駒, {移動元X, 移動元Y}, {移動先X, 移動先Y}};
    評価値 S = 0;
    if (const 決着 r = 王族の安否(t, S)) return *r;
    if (const 決着 r = 王手の評価(t, S)) return *r;
    成りの評価(t, S);
    S += 盤評価_COM危険座標(e, 移動駒, 移動先X, 移動先Y);
    if (t.レベル() >= 2) {
        安全な行き先(t, S);
        王への接近(t, S);
        釘付けの攻め駒(t, S);
        if (取得駒 == 空) {
            静かな手(t, S);
        } else if (const 決着 r = 駒取り(t, S)) {
            return *r;
        }
    }
    if (t.レベル() == 3) return 駒別評価(t, S);
    return S;
}

}  // namespace bexoru
