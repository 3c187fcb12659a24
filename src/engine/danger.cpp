// 盤評価_COM危険座標: the whole-board part of the evaluation. One pass over
// the position after the trial move: penalties for the computer's
// weaknesses (attacked squares by its King, holes in its first rows,
// attacked and badly defended pieces), bonuses for new pressure on human
// pieces near its King and for forks by the moved piece.

#include <cstdlib>

#include "engine/evaluation.h"
#include "engine/evaluation_trial.h"
#include "engine/positional_surveys.h"

namespace bexoru {

namespace 評価規則 {
namespace {

// Human pieces that move along a column: on the computer King's column they
// stand on its file.
constexpr bool 縦の走り駒(駒コード c) {
    switch (-c) {
        case 駒::香:
        case 駒::白駒:
        case 駒::竪行_成:
        case 駒::竪行:
        case 駒::牛:
        case 駒::飛車_成:
        case 駒::飛車:
        case 駒::龍王_成:
        case 駒::龍王:
        case 駒::奔王_成:
        case 駒::奔王:
        case 駒::鯨:
        case 駒::鹿:
            return true;
        default:
            return false;
    }
}

struct 危険調査 {
    評価局面& e;
    駒コード 移動駒;
    桝位置 T;
    桝位置 COM王;
    bool T安全;  // the human reaches no square of the moved piece
    int 両取り数 = 0;
    int 両取り最小 = 9999;  // the smallest code number among the fork targets

    int COM勢力(桝位置 s) const { return 数(e.com.COM勢力, s); }
    int MAN勢力(桝位置 s) const { return 数(e.man.MAN勢力, s); }
    bool 自守駒(int x, int y) const { return 調査_自守駒MAN_直進駒(e.局面, x, y); }
};

// An empty square the human attacks.
評価値 攻められた空き桝(危険調査& d, 桝位置 s) {
    const int man = d.MAN勢力(s);
    const int com = d.COM勢力(s);
    評価値 R = 0;
    if (在る(d.COM王) && 近い(s, d.COM王, 1, 1)) {
        R -= 点(0.5) * man;
        if (com == 1 && man > 1) R -= 点(10);
    }
    if (com == 0 && s.Y < 4) {
        R -= 点(0.1);
        if (d.自守駒(s.X, s.Y)) R -= 点(10);
    }
    if (s.Y < 4 && d.e.局面.盤面(s.X, s.Y + 1) == -駒::歩 && man >= com) {
        R -= 点(30);
        if (d.自守駒(s.X, s.Y + 1)) R -= 点(70);
    }
    return R;
}

// A computer piece c: its King on row 1, and any of its pieces the human attacks.
評価値 COM駒の危険(危険調査& d, 桝位置 s, 駒コード c) {
    const 評価局面& e = d.e;
    評価値 R = 0;
    if (c == 駒::王 && s.Y == 1) {
        const 桝位置 前{s.X, 2};
        if (d.MAN勢力(前) > 0) {
            R -= 点(50);
            if (d.MAN勢力(前) >= d.COM勢力(前)) R -= 点(250);
        }
    }
    const int man = d.MAN勢力(s);
    if (man == 0) return R;
    const int com = d.COM勢力(s);
    const 桝位置 A{数(e.man.MAN攻最小X, s), 数(e.man.MAN攻最小Y, s)};  // the cheapest attacker
    const bool A自由 = 数(e.不可.MAN移動不可, A) == 0;
    const int 攻 = std::abs(最小値(e.man.MAN攻最小価値, s));
    const int 攻前 = 最小値(e.前.MAN攻最小価値_前, s);
    const int 守 = 最小値(e.com.COM守最小価値, s);
    const int v = 駒価値(c);
    if (守 == 勢力_COM王守 && (man > 1 || c > 攻)) R -= 点(100);
    if (A自由 && v > 攻前) R -= 点(v - 攻前);
    if (com > 0) {
        if (v > 攻前) R -= 点(v - 攻前);
        if (A自由) {
            if (man > com && 守 >= 攻) R -= 点(c);
            const 桝位置 下{s.X, s.Y + 1};
            if (s.Y <= 3 && com == man && e.局面.盤面(下.X, 下.Y) != 空 && d.自守駒(下.X, 下.Y)) {
                R -= 点(c + std::abs(最小値(e.man.MAN攻最小価値, 下)));
            }
        }
    } else {
        R -= 点(c);
        if (s.Y <= 3) R -= 点(1);
        const 駒コード 元 = e.前.盤面控(s.X, s.Y);
        if (元 <= -1) R += 点(-元);  // it has just captured there
    }
    return R;
}

// A human piece c: newly attacked near the computer's King, standing on the
// King's file, or a target the moved piece could take next (a fork).
評価値 MAN駒への圧力(危険調査& d, 桝位置 s, 駒コード c) {
    const 評価局面& e = d.e;
    評価値 R = 0;
    if (数(e.前.COM勢力_前, s) == 0 && d.COM勢力(s) > 0 && 在る(d.COM王) && 近い(s, d.COM王, 2, 2)) R += 点(15);
    if (縦の走り駒(c) && s.X == d.COM王.X) R -= 点(1);
    const bool 王の桝 = s == 桝位置{e.man.MAN王X, e.man.MAN王Y};
    if (d.T安全 && (d.MAN勢力(s) == 0 || 王の桝) && 移動チェック(d.e.局面, d.T.X, d.T.Y, s.X, s.Y, d.移動駒)) {
        R += 点(0.1);
        ++d.両取り数;
        if (-c < d.両取り最小) d.両取り最小 = -c;
    }
    return R;
}

}  // namespace
}  // namespace 評価規則

評価値 盤評価_COM危険座標(評価局面& e, 駒コード 移動駒, int 移動先X, int 移動先Y) {
    using namespace 評価規則;
    const 桝位置 T{移動先X, 移動先Y};
    危険調査 d{e, 移動駒, T, {e.com.COM王X, e.com.COM王Y}, 数(e.man.MAN勢力, T) == 0};
    評価値 R = 0;
    for (int x = 1; x <= 盤サイズ; ++x) {
        for (int y = 1; y <= 盤サイズ; ++y) {
            const 桝位置 s{x, y};
            const 駒コード c = e.局面.盤面(x, y);
            if (c == 空) {
                if (d.MAN勢力(s) > 0) R += 攻められた空き桝(d, s);
            } else if (c >= 1) {
                R += COM駒の危険(d, s, c);
            } else {
                R += MAN駒への圧力(d, s, c);
            }
        }
    }
    if (d.両取り数 > 1) R += 点(d.両取り最小);
    return R;
}

}  // namespace bexoru
