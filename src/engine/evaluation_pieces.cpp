// The piece-specific rules of level 3: one small function per kind, chosen
// by the code now on the destination (the promoted code when the trial
// promotes). Each takes the running score and gives the final one. Several
// are opening habits tied to particular squares of the computer's side.

#include <array>
#include <cstddef>
#include <cstdlib>

#include "engine/evaluation_trial.h"
#include "engine/influence.h"
#include "engine/positional_surveys.h"

namespace bexoru::評価規則 {

namespace {

constexpr int 香価値 = 駒価値(駒::香);
constexpr int 銀価値 = 駒価値(駒::銀);
constexpr int 金価値 = 駒価値(駒::金);
constexpr int 竪価値 = 駒価値(駒::竪行);
constexpr int 飛価値 = 駒価値(駒::飛車);
constexpr int 龍価値 = 駒価値(駒::龍王);
constexpr int 獅価値 = 駒価値(駒::獅子);
constexpr int 王価値 = 駒価値(駒::王);

constexpr bool 角か(駒コード c) {
    return c == 駒::角行_成 || c == 駒::角行;
}
constexpr int チェビシェフ(桝位置 a, 桝位置 b) {
    return 差(a.X, b.X) > 差(a.Y, b.Y) ? 差(a.X, b.X) : 差(a.Y, b.Y);
}

int 移動可場所数(試行& t, 桝位置 s, 駒コード p) {
    return 調査_移動可場所数(t.e.局面, t.e.com, t.e.man, s.X, s.Y, p);
}
int 周辺状況(試行& t) {
    return 調査_周辺状況(t.盤(), t.T.X, t.T.Y);
}

// The Rook's and the Dragon King's approach: on a square the human does not
// reach, or one only the human King attacks and the computer defends.
bool 王の筋に安全(試行& t) {
    return t.MAN勢力(t.T) == 0 || (t.COM勢力(t.T) > 0 && t.MAN攻最小価値(t.T) == 王価値);
}

// --- Pawn ---

// (a) The square P in front of the pawn: what stands there and who holds it.
void 歩_前の桝(試行& t, 評価値& S) {
    if (t.T.Y >= 盤サイズ) return;
    const 桝位置 P = ずらす(t.T, 0, 1);
    const 駒コード p = t.駒(P);
    if (p == 駒::金 || p == 駒::仲) S += 点(0.5);
    if (p == 駒::飛車_成 || p == 駒::飛車) S -= 点(1);
    if (p < -駒::歩 && 移動可場所数(t, P, p) == 0) S += 点(駒価値(p));  // a trapped human piece
    if (t.COM勢力(P) > t.MAN勢力(P)) S += 点(2);
}

// (b), (c) and the first part of (d): what backs the pawn on its new square.
void 歩_支え(試行& t, 評価値& S) {
    const 桝位置 T = t.T;
    const int 守 = t.COM守最小価値(T);
    if (t.COM勢力(T) > 0) {
        if (1 < T.X && T.X < 盤サイズ) {
            const 桝位置 左 = ずらす(T, -1, 0);
            const 桝位置 右 = ずらす(T, 1, 0);
            if (t.駒は(左, 駒::飛車_成) || t.駒は(右, 駒::飛車_成)) S -= 点(1);
            if (t.駒は(左, 駒::飛車) || t.駒は(右, 駒::飛車)) S -= 点(1);
            if (守 == 竪価値 || 守 == 龍価値) S += 点(1);
        }
    } else if (t.MAN勢力(T) == 0) {
        S += 点(0.5);
    }
    if (守 == 金価値 || 守 == 銀価値) S += 点(0.6);
    if (T.Y < 8) {
        const 桝位置 守桝 = t.COM守最小(T);
        const bool 後ろの飛 = 守 == 飛価値 && 守桝.X == T.X && 守桝.Y < T.Y && t.COM勢力(T) >= t.MAN勢力(T);
        if (守 == 香価値 || 後ろの飛) S += 点(2);
    }
}

// The rest of (d), up to row 6: a defended human pawn ahead, and the pawn
// that opens a Bishop's diagonal beside it.
void 歩_角道(試行& t, 評価値& S) {
    const 桝位置 T = t.T;
    if (T.Y >= 7) return;
    const 桝位置 P = ずらす(T, 0, 1);
    if (t.駒は(P, -駒::歩) && t.MAN勢力(P) > 0) S -= 点(5);
    if (T.X < 盤サイズ && 角か(t.駒(ずらす(T, 1, 0)))) {
        S += 点(0.5);
        if (t.駒は(ずらす(T, 1, 2), -駒::歩)) S += 点(5);
    }
    if (T.X > 1) {
        if (T == 桝位置{7, 4} && 角か(t.駒({8, 2}))) S += 点(10);
        if (角か(t.駒(ずらす(T, -1, 0)))) {
            S += 点(0.5);
            if (t.駒は(ずらす(T, -1, 2), -駒::歩)) S += 点(5);
        }
    }
}

// A capture by a pawn whose origin only one computer piece covered.
void 歩_取り(試行& t, 評価値& S) {
    if (t.取得駒 > -1 || t.COM勢力(t.F) != 1) return;
    const 桝位置 T = t.T;
    const int 攻 = t.MAN攻最小価値(T);
    if (T.Y > 2 && 攻 == 香価値 && 角か(t.駒(ずらす(T, 0, -2)))) {
        S -= 点(5);
    } else {
        S += 点(5);
    }
    if (t.取得駒 == -駒::歩 && (攻 == 香価値 || 攻 == 飛価値)) S += 点(50);
}

// Last: a human piece right in front of the pawn.
評価値 歩_前の敵(試行& t, 評価値 S) {
    const 桝位置 T = t.T;
    const 桝位置 P = ずらす(T, 0, 1);
    if (!t.MAN駒(P)) return S;
    if (t.COM勢力(T) > t.MAN勢力(T)) return S + 点(1);
    if (t.駒は(P, -駒::歩)) return S - 点(1);
    if (t.COM勢力(T) > 0) {
        if (t.COM勢力_前(P) > 0 && t.MAN勢力_前(P) == 0) return S - 点(1);
        if (t.COM勢力(T) >= t.MAN勢力(T)) return S + 点(5);
        return S;
    }
    return t.MAN勢力(T) == 0 ? S + 点(1) : S;
}

評価値 歩の形(試行& t, 評価値 S) {
    歩_前の桝(t, S);
    歩_支え(t, S);
    歩_角道(t, S);
    歩_取り(t, S);
    return 歩_前の敵(t, S);
}

// --- Short-range pieces ---

評価値 との支え(試行& t, 評価値 S) {
    return t.COM勢力(t.T) >= t.MAN勢力(t.T) ? S + 点(1) : S;
}

// Side Mover and Go-between: a forward step onto a safe square.
評価値 安全な前進(試行& t, 評価値 S) {
    return t.MAN勢力(t.T) == 0 && t.前進() ? S + 点(1) : S;
}

評価値 豹の前進(試行& t, 評価値 S) {
    return t.前進() ? S + 点(1) : S;
}

評価値 銀の出方(試行& t, 評価値 S) {
    const 桝位置 T = t.T;
    if (T.Y <= 1) return S;
    if (t.前進() && T.X == t.F.X) S -= 点(0.1);
    if (T == 桝位置{7, 3} && t.駒は({8, 3}, 駒::歩) && t.駒は({8, 5}, -駒::歩)) return S + 点(115);
    return S;
}

評価値 金の出方(試行& t, 評価値 S) {
    const 桝位置 T = t.T;
    if (t.前進() && T.X != t.F.X) S -= 点(0.5);
    if (T.Y == 4) {
        if (t.MAN勢力({6, 4}) > 0 && 角か(t.駒({6, 4}))) return S - 点(1);
    } else if (T.Y == 2) {
        if (T.X == 7 && t.駒は({8, 3}, 駒::歩) && t.駒は({8, 6}, -駒::歩) && t.MAN守最小価値({8, 6}) == 飛価値) {
            return S + 点(10);
        }
    }
    return S;
}

評価値 王の逃げ場(試行& t, 評価値 S) {
    if (t.e.不可.COM移動不可有) S += 点(10);
    if (t.COM勢力(t.T) > t.COM勢力_前(t.T)) S += 点(1);
    if (移動可場所数(t, t.T, 駒::王) < 2) return S - 点(1);
    return S;
}

// --- Ranging pieces ---

評価値 角の形(試行& t, 評価値 S) {
    const 桝位置 T = t.T;
    S += 点(周辺状況(t));
    if (T.Y < 盤サイズ) {
        if (T == 桝位置{12, 3} && t.駒は({12, 4}, 駒::歩) && t.駒は({12, 6}, -駒::歩) && t.駒は({12, 12}, -駒::香)) {
            S -= 点(10);
        }
        if (T == 桝位置{7, 3} && t.駒は({8, 5}, -駒::歩) && t.MAN守最小価値({8, 5}) == 飛価値) S += 点(9);
    }
    if (t.MAN勢力(ずらす(T, 0, 1)) > 0) {
        if (移動可場所数(t, T, t.移動駒) == 0) S -= 点(100);
        if (T.Y < 8 && t.駒は(ずらす(T, 0, 2), -駒::歩)) S -= 点(1);
    }
    if (t.F == 桝位置{7, 3} && t.駒は({8, 5}, -駒::歩) && t.MAN守最小価値({8, 5}) == 飛価値 &&
        t.COM勢力({8, 4}) < t.COM勢力_前({8, 4})) {
        return S - 点(10);
    }
    return S;
}

評価値 馬の周辺(試行& t, 評価値 S) {
    return S + 点(周辺状況(t));
}

評価値 飛の働き(試行& t, 評価値 S) {
    const 桝位置 T = t.T;
    const 桝位置 F = t.F;
    S += 点(周辺状況(t));
    if (T.Y < 8 && t.MAN勢力(ずらす(T, 0, 1)) > 0) {
        S -= 点(1);
        if (t.横移動() && t.駒は(ずらす(T, 0, 2), -駒::歩)) S -= 点(5);
    }
    // Leaving the file of a human pawn on column 8 that a human Rook backs.
    if (F.Y < 盤サイズ && t.駒は({8, F.Y + 1}, -駒::歩) && t.MAN守最小価値({8, F.Y + 1}) == 飛価値) {
        if (t.COM勢力({8, F.Y}) < t.COM勢力_前({8, F.Y})) S -= 点(11);
        if (t.駒は({7, F.Y}, 駒::歩) && !t.横移動()) S -= 点(11);
    }
    if (t.MAN勢力(F) == 0 && F == 桝位置{2, 2} && T == 桝位置{2, 3}) S -= 点(1);
    if (王の筋に安全(t)) {
        if (移動可場所数(t, T, t.移動駒) <= 1) return S - 点(1);
        if (t.MAN王筋近く()) return S + 点(100);
    }
    return S;
}

評価値 龍の働き(試行& t, 評価値 S) {
    const 桝位置 T = t.T;
    const 桝位置 F = t.F;
    S += 点(周辺状況(t));
    if (t.駒は(ずらす(T, 0, -1), -駒::銀)) {
        if (1 < T.X && T.X < 盤サイズ) {
            const bool 左 = t.駒(ずらす(T, -1, 0)) != 空 && t.駒は(ずらす(T, 1, -1), -駒::金);
            const bool 右 = t.駒(ずらす(T, 1, 0)) != 空 && t.駒は(ずらす(T, -1, -1), -駒::金);
            if (左 || 右) S -= 点(10);
        }
        if (F.Y == 盤サイズ) {
            for (const int dx : {-1, 1}) {
                if (t.駒は({F.X + dx, 11}, -駒::金)) S += 点(2);
            }
        }
    }
    if (T.Y == 盤サイズ && t.MAN駒({T.X, 11})) {
        const bool 左隅 = T == 桝位置{3, 12} && t.MAN駒({2, 12}) && t.駒は({4, 8}, -駒::金);
        const bool 中央 = T == 桝位置{7, 12} && t.MAN駒({8, 12}) && t.駒は({6, 8}, -駒::金);
        if (左隅 || 中央) S -= 点(150);
    }
    if (王の筋に安全(t) && t.MAN王筋近く()) return S + 点(100);
    return S;
}

// --- Double movers: the signal for a second step ---

// The capturing piece takes and could step straight back: with the
// destination emptied, is its origin free of human attacks? Then the score
// is 1000 plus the captured code, the move driver's signal for a second step.
評価値 取って戻る合図(試行& t, 評価値 S) {
    盤面型& 盤 = t.盤();
    盤(t.T.X, t.T.Y) = 空;
    勢力調査_MAN(盤, t.e.man);
    盤(t.T.X, t.T.Y) = t.移動駒;
    return t.MAN勢力(t.F) == 0 ? 点(1000 + std::abs(t.取得駒)) : S;
}

bool この手番に成っていない(試行& t) {
    return t.移動駒 == t.e.前.盤面控(t.F.X, t.F.Y);
}

評価値 鷹の一歩取り(試行& t, 評価値 S) {
    const bool 一歩前 = t.T.X == t.F.X && t.T.Y == t.F.Y + 1;
    if (!この手番に成っていない(t) || t.取得駒 > -1 || !一歩前) return S;
    return 取って戻る合図(t, S);
}

評価値 鷲の一歩取り(試行& t, 評価値 S) {
    const bool 斜め一歩前 = t.T.Y == t.F.Y + 1 && t.T.X != t.F.X;
    if (!この手番に成っていない(t) || t.取得駒 > -1 || !斜め一歩前) return S;
    return 取って戻る合図(t, S);
}

評価値 獅子の攻め(試行& t, 評価値 S) {
    const 桝位置 T = t.T;
    const 桝位置 F = t.F;
    const 桝位置 獅 = t.MAN獅();
    if (t.MAN勢力(T) == 0) {
        for (const int dx : {0, 1, -1}) {
            if (t.MAN駒(ずらす(T, dx, 1))) S += 点(2);
        }
        if (獅.X == T.X && 獅.Y - T.Y == 3) S += 点(5);
    }
    if (t.COM勢力(T) > 0) {
        S += 点(0.1);
        if (在る(獅) && チェビシェフ(T, 獅) == 2) S += 点(5);
    }
    if (t.取得駒 == 空 || チェビシェフ(T, F) != 1) return S;
    // A capture beside the origin: could the Lion take and return? With the
    // destination emptied and the Lion back on its origin, both sides surveyed.
    盤面型& 盤 = t.盤();
    盤(T.X, T.Y) = 空;
    盤(F.X, F.Y) = 駒::獅子_成;
    勢力調査_COM(盤, t.e.com);
    勢力調査_MAN(盤, t.e.man);
    const bool 合図 = t.MAN勢力(F) == 0 || (t.COM勢力(F) > 0 && t.MAN攻最小価値(F) == 獅価値) ||
                      (T.X < 盤サイズ && t.MAN勢力({T.X + 1, F.Y}) == 0) || (T.X > 1 && t.MAN勢力({T.X - 1, F.Y}) == 0);
    盤(F.X, F.Y) = 空;
    盤(T.X, T.Y) = t.移動駒;
    return 合図 ? 点(1000) : S;
}

using 駒別規則 = 評価値 (*)(試行&, 評価値);

// Kinds without a rule (the Lance, White Horse, promoted Vertical Mover and
// the rest) keep the running score.
constexpr std::array<駒別規則, 最大駒コード + 1> 駒別規則表 = [] {
    std::array<駒別規則, 最大駒コード + 1> 表{};
    auto 置く = [&表](駒コード c, 駒別規則 r) { 表[static_cast<std::size_t>(c)] = r; };
    置く(駒::歩, 歩の形);
    置く(駒::と, との支え);
    置く(駒::横行_成, 安全な前進);
    置く(駒::横行, 安全な前進);
    置く(駒::銀, 銀の出方);
    置く(駒::金, 金の出方);
    置く(駒::角行_成, 角の形);
    置く(駒::角行, 角の形);
    置く(駒::龍馬_成, 馬の周辺);
    置く(駒::龍馬, 馬の周辺);
    置く(駒::飛車_成, 飛の働き);
    置く(駒::飛車, 飛の働き);
    置く(駒::龍王_成, 龍の働き);
    置く(駒::龍王, 龍の働き);
    置く(駒::鷹, 鷹の一歩取り);
    置く(駒::豹, 豹の前進);
    置く(駒::鷲, 鷲の一歩取り);
    置く(駒::獅子_成, 獅子の攻め);
    置く(駒::獅子, 獅子の攻め);
    置く(駒::仲, 安全な前進);
    置く(駒::王, 王の逃げ場);
    return 表;
}();

}  // namespace

評価値 駒別評価(試行& t, 評価値 S) {
    if (t.移動駒 < 1 || t.移動駒 > 最大駒コード) return S;
    const 駒別規則 規則 = 駒別規則表[static_cast<std::size_t>(t.移動駒)];
    return 規則 != nullptr ? 規則(t, S) : S;
}

}  // namespace bexoru::評価規則
