#pragma once
// What the rules of the evaluation read: the trial move in its world, with
// readers that let a rule look at any neighbour of a square without asking
// first whether it is on the board. A square off the board reads as an
// empty square that no piece reaches: count 0, no attacker or defender
// (勢力_なし in the cheapest-value maps), no marks. Row 0 and column 0 are
// such squares too: the surveys never reset them, so a cheapest-value map
// holds 0 there, and a plain read would take that for a piece worth 0.
//
// Scores are in tenths (score.h), and every rule writes its worth with 点: a
// rule worth 0.5 adds 点(0.5), that is 5; a rule worth 1 adds 点(1), 10.

#include "board/board.h"
#include "engine/evaluation.h"
#include "engine/influence_maps.h"

namespace bexoru::評価規則 {

// A count map (勢力, 移動不可, and the square maps) at any square.
inline int 数(const 勢力表& t, 桝位置 s) {
    return 盤内(s.X, s.Y) ? t(s.X, s.Y) : 0;
}
// A cheapest-value map (守最小価値, 攻最小価値) at any square.
inline int 最小値(const 勢力表& t, 桝位置 s) {
    return 盤内(s.X, s.Y) ? t(s.X, s.Y) : 勢力_なし;
}

constexpr 桝位置 ずらす(桝位置 s, int dx, int dy) {
    return {s.X + dx, s.Y + dy};
}
constexpr int 差(int a, int b) {
    return a > b ? a - b : b - a;
}
// Within dx columns and dy rows of each other.
constexpr bool 近い(桝位置 a, 桝位置 b, int dx, int dy) {
    return 差(a.X, b.X) <= dx && 差(a.Y, b.Y) <= dy;
}
// A royal or Lion square with column 0 stands for a piece not on the board.
constexpr bool 在る(桝位置 s) {
    return s.X != 0;
}

// One trial move of the computer, as the evaluation sees it: F the origin
// (now empty), T the destination, 移動駒 the code now on T.
struct 試行 {
    評価局面& e;
    駒コード 取得駒;
    駒コード 移動駒;
    桝位置 F;
    桝位置 T;

    盤面型& 盤() const { return e.局面.盤面; }
    int レベル() const { return e.局面.状態.レベル; }

    駒コード 駒(桝位置 s) const { return 盤内(s.X, s.Y) ? e.局面.盤面(s.X, s.Y) : 空; }
    bool 駒は(桝位置 s, 駒コード a) const { return 駒(s) == a; }
    bool 駒は(桝位置 s, 駒コード a, 駒コード b) const { return 駒(s) == a || 駒(s) == b; }
    bool MAN駒(桝位置 s) const { return 駒(s) <= -1; }

    int COM勢力(桝位置 s) const { return 数(e.com.COM勢力, s); }
    int MAN勢力(桝位置 s) const { return 数(e.man.MAN勢力, s); }
    int COM勢力_前(桝位置 s) const { return 数(e.前.COM勢力_前, s); }
    int MAN勢力_前(桝位置 s) const { return 数(e.前.MAN勢力_前, s); }
    int COM守最小価値(桝位置 s) const { return 最小値(e.com.COM守最小価値, s); }
    桝位置 COM守最小(桝位置 s) const { return {数(e.com.COM守最小X, s), 数(e.com.COM守最小Y, s)}; }
    int MAN守最小価値(桝位置 s) const { return 最小値(e.man.MAN守最小価値, s); }
    int MAN攻最小価値(桝位置 s) const { return 最小値(e.man.MAN攻最小価値, s); }
    桝位置 MAN攻最小(桝位置 s) const { return {数(e.man.MAN攻最小X, s), 数(e.man.MAN攻最小Y, s)}; }
    int MAN攻最小価値_前(桝位置 s) const { return 最小値(e.前.MAN攻最小価値_前, s); }
    桝位置 COM攻最小_前(桝位置 s) const { return {数(e.前.COM攻最小X_前, s), 数(e.前.COM攻最小Y_前, s)}; }
    int MAN移動不可(桝位置 s) const { return 数(e.不可.MAN移動不可, s); }

    桝位置 MAN王() const { return {e.man.MAN王X, e.man.MAN王Y}; }
    桝位置 MAN太() const { return {e.man.MAN太X, e.man.MAN太Y}; }
    桝位置 MAN獅() const { return {e.man.MAN獅X, e.man.MAN獅Y}; }
    桝位置 COM王() const { return {e.com.COM王X, e.com.COM王Y}; }
    桝位置 COM太() const { return {e.com.COM太X, e.com.COM太Y}; }

    bool 前進() const { return T.Y > F.Y; }
    bool 横移動() const { return T.Y == F.Y; }
    // T shares the human King's column or row within 2 columns and 2 rows of it.
    bool MAN王筋近く() const {
        const 桝位置 k = MAN王();
        return 在る(k) && (T.X == k.X || T.Y == k.Y) && 近い(T, k, 2, 2);
    }
};

// The piece-specific rules of level 3, chosen by 移動駒: the final score
// given the running score S.
評価値 駒別評価(試行& t, 評価値 S);

}  // namespace bexoru::評価規則
