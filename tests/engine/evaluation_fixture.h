#pragma once
// A position set up for the evaluation the way the computer's search sets
// it up: the board before the turn is kept (盤面控), both sides surveyed, the
// human King's escape squares counted, the pinned pieces found, the maps
// copied into the before-copies; then one trial move is made on the board,
// both sides surveyed again, and 盤評価 (or the danger term alone) is asked.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/game_state.h"
#include "board/move_log.h"
#include "engine/evaluation.h"
#include "engine/influence.h"
#include "engine/mate.h"
#include "influence_test_board.h"
#include "rules/move_check.h"

namespace bexoru::test {

struct 評価盤 {
    盤面型 盤面{};
    棋譜記録 記録{};
    対局状態 状態{};
    規則局面 局面{盤面, 記録, 状態};
    COM勢力図 com{};
    MAN勢力図 man{};
    探索前情報 前{};
    移動不可情報 不可{};

    explicit 評価盤(const std::vector<配置>& 駒々, int レベル = 3) {
        記録.手[0].成駒 = +1;
        状態.MAN側 = 先手;
        状態.COM側 = 後手;
        状態.手番 = 後手;
        状態.レベル = レベル;
        盤面 = 盤を作る(駒々);
        前の局面();
    }
    評価盤(const 評価盤&) = delete;
    評価盤& operator=(const 評価盤&) = delete;

    // What the search does once before its trials.
    void 前の局面() {
        前.盤面控 = 盤面;
        勢力調査_MAN(盤面, man);
        勢力調査_COM(盤面, com);
        前.逃道数 = 調査_自王逃道(盤面, com, man);
        調査_移動不可駒(局面, com, man, 不可);
        前の勢力を写す(前, com, man);
    }

    // The trial in progress: what the destination held and the code before promotion.
    駒コード 取得駒 = 空;
    駒コード 評価移動駒 = 空;
    int 王距離 = 0;

    // Makes the trial move (F → T, the piece becoming 置く駒 on T; 0 keeps
    // its code) and surveys both sides. The move must be legal.
    void 試す(int fx, int fy, int tx, int ty, 駒コード 置く駒 = 空) {
        評価移動駒 = 盤面(fx, fy);
        ASSERT_GE(評価移動駒, 1) << "no computer piece on (" << fx << ", " << fy << ")";
        ASSERT_TRUE(移動チェック(局面, fx, fy, tx, ty, 評価移動駒))
            << "(" << fx << ", " << fy << ") -> (" << tx << ", " << ty << ") is not a legal move";
        王距離 = std::max(std::abs(man.MAN王X - fx), std::abs(man.MAN王Y - fy));
        取得駒 = 盤面(tx, ty);
        盤面(fx, fy) = 空;
        盤面(tx, ty) = 置く駒 != 空 ? 置く駒 : 評価移動駒;
        勢力調査_MAN(盤面, man);
        勢力調査_COM(盤面, com);
    }

    評価局面 評価情報() { return 評価局面{局面, com, man, 前, 不可, 評価移動駒, 王距離}; }

    // 盤評価 of the trial F → T. The board is put back afterwards, and must
    // have been left as the trial made it.
    評価値 評価(int fx, int fy, int tx, int ty, 駒コード 置く駒 = 空) {
        試す(fx, fy, tx, ty, 置く駒);
        if (::testing::Test::HasFatalFailure()) return 0;
        const 盤面型 試行盤 = 盤面;
        評価局面 e = 評価情報();
        const 評価値 v = 盤評価(e, 取得駒, 盤面(tx, ty), fx, fy, tx, ty);
        EXPECT_TRUE(盤面 == 試行盤) << "盤評価 must leave the trial board as it found it";
        戻す(fx, fy, tx, ty);
        return v;
    }

    // The same trial at another level.
    評価値 評価_レベル(int レベル, int fx, int fy, int tx, int ty, 駒コード 置く駒 = 空) {
        状態.レベル = レベル;
        return 評価(fx, fy, tx, ty, 置く駒);
    }

    // 盤評価_COM危険座標 of the trial F → T.
    評価値 危険(int fx, int fy, int tx, int ty) {
        試す(fx, fy, tx, ty);
        if (::testing::Test::HasFatalFailure()) return 0;
        const 盤面型 試行盤 = 盤面;
        評価局面 e = 評価情報();
        const 評価値 v = 盤評価_COM危険座標(e, 盤面(tx, ty), tx, ty);
        EXPECT_TRUE(盤面 == 試行盤) << "the danger term must leave the board as it found it";
        戻す(fx, fy, tx, ty);
        return v;
    }

    void 戻す(int fx, int fy, int tx, int ty) {
        盤面(tx, ty) = 取得駒;
        盤面(fx, fy) = 評価移動駒;
    }
};

// A trial move: origin (fx, fy), destination (tx, ty).
struct 手 {
    int fx, fy, tx, ty;
};

// A far-away computer pawn whose step (12, 5) -> (12, 6) is the trial of the
// tests that look at the rest of the board. It reaches (12, 7) only.
inline constexpr 配置 遠い歩{12, 5, 1};
inline constexpr 手 遠い一歩{12, 5, 12, 6};

// A trial scored at levels 1, 2 and 3.
struct 三段例 {
    std::string name;
    std::vector<配置> board;
    手 trial;
    駒コード 成駒 = 空;  // the code put on the destination when the trial promotes
    std::array<評価値, 3> expected{};
};

inline void 三段で確かめる(const 三段例& c) {
    for (int レベル = 1; レベル <= 3; ++レベル) {
        評価盤 p(c.board, レベル);
        EXPECT_EQ(p.評価(c.trial.fx, c.trial.fy, c.trial.tx, c.trial.ty, c.成駒),
                  c.expected[static_cast<std::size_t>(レベル - 1)])
            << c.name << " at level " << レベル;
    }
}

// What the level-3 rules add to the level-2 score of the same trial.
inline 評価値 三段目の差(const std::vector<配置>& board, 手 t, 駒コード 成駒 = 空) {
    評価盤 p(board);
    const 評価値 二 = p.評価_レベル(2, t.fx, t.fy, t.tx, t.ty, 成駒);
    const 評価値 三 = p.評価_レベル(3, t.fx, t.fy, t.tx, t.ty, 成駒);
    return 三 - 二;
}

}  // namespace bexoru::test
