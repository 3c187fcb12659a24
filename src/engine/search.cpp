#include "engine/search.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/influence.h"
#include "engine/mate.h"
#include "rules/candidate_squares.h"
#include "rules/move_logging.h"
#include "rules/promotion.h"
#include "rules/repetition.h"

namespace bexoru {

// The surveys and copies taken once before the search: the escape squares
// with the maps as they came in, then both maps rebuilt from "no royal piece
// seen", the pinned pieces, and the maps of the position before the move.
void 探索前調査(規則局面& 局面, COM勢力図& com, MAN勢力図& man, 探索前情報& 前, 移動不可情報& 不可) {
    const 盤面型& 盤面 = 局面.盤面;
    前.盤面控 = 盤面;
    前.逃道数 = 調査_自王逃道(盤面, com, man);
    勢力調査_両軍(盤面, com, man);
    調査_移動不可駒(局面, com, man, 不可);
    前の勢力を写す(前, com, man);
}

namespace {

// Plays the first step on the board and in a copy of the log, searches the
// second step there, and takes the first step back.
std::optional<二手目手> 二手目を探す(規則局面& 局面, 評価局面& e, const 指し手& 手, 駒コード 二手目駒,
                                     const 評価関数& 評価, std::int64_t& 試行数) {
    盤面型& 盤面 = 局面.盤面;
    棋譜記録 記録 = 局面.記録;
    手順保存(盤面, 記録, 手.移動元X, 手.移動元Y, 手.移動先X, 手.移動先Y, 手.移動駒, 手.成駒);
    規則局面 後{盤面, 記録, 局面.状態};
    評価局面 e2{後, e.com, e.man, e.前, e.不可};
    const 駒コード 取得駒 = 盤面(手.移動先X, 手.移動先Y);
    盤面(手.移動元X, 手.移動元Y) = 空;
    盤面(手.移動先X, 手.移動先Y) = 手.成駒;
    auto 結果 = com二手目探索(e2, 手.移動先X, 手.移動先Y, 二手目駒, 評価, 試行数);
    盤面(手.移動先X, 手.移動先Y) = 取得駒;
    盤面(手.移動元X, 手.移動元Y) = 手.移動駒;
    return 結果;
}

}  // namespace

駒コード 二手目を求めるか(const 指し手& 手, 評価値 評価) {
    if (評価 < 二手目評価下限 || 評価 > 二手目評価上限 || 手.成駒 != 手.移動駒) return 空;
    switch (手.移動駒) {
        case 駒::獅子:
        case 駒::獅子_成:
            return 手.移動駒;
        case 駒::鷲:
            return 手.移動先X > 手.移動元X ? 擬_鷲二 : 擬_鷲一;
        case 駒::鷹:
            return 擬_鷹;
        default:
            return 空;
    }
}

探索結果 com探索(const 盤面型& 盤面, const 棋譜記録& 記録, const 対局状態& 状態, const COM勢力図& com,
                 const MAN勢力図& man) {
    return com探索(盤面, 記録, 状態, com, man, 盤評価);
}

探索結果 com探索(const 盤面型& 元の盤面, const 棋譜記録& 記録, const 対局状態& 状態, const COM勢力図& 元のcom,
                 const MAN勢力図& 元のman, const 評価関数& 評価) {
    // Every trial is made on this board and surveyed into these maps.
    盤面型 盤面 = 元の盤面;
    COM勢力図 com = 元のcom;
    MAN勢力図 man = 元のman;
    規則局面 局面{盤面, 記録, 状態};
    探索結果 r;
    探索前情報 前;
    移動不可情報 不可;
    探索前調査(局面, com, man, 前, 不可);
    評価局面 e{局面, com, man, 前, 不可};

    // One trial: the piece (or the code it promotes to) on the destination,
    // both maps rebuilt, the position scored.
    auto 採点 = [&](int X, int Y, int TX, int TY, 駒コード 取得駒, 駒コード 置く駒) {
        盤面(X, Y) = 空;
        盤面(TX, TY) = 置く駒;
        勢力調査_MAN(盤面, man);
        勢力調査_COM(盤面, com);
        ++r.試行数;
        return 評価(e, 取得駒, 置く駒, X, Y, TX, TY);
    };

    // Under the standard rules the side whose move brings a position about the
    // fourth time loses: such a move is kept aside and played only when no
    // other move is legal. The positions of the game with the person to move
    // (after the computer's moves), by key.
    std::vector<std::uint64_t> 相手番の局面;
    if (状態.規則 == ルール::標準) {
        以前の局面(元の盤面, 記録, [&](const 盤面型& 前, int 側) {
            if (側 < 0) 相手番の局面.push_back(局面キー(前, -1));
        });
    }
    const auto 四度目 = [&](int X, int Y, int TX, int TY, 駒コード 置く駒) {
        if (相手番の局面.empty()) return false;
        const 駒コード 元の駒 = 盤面(X, Y), 取得駒 = 盤面(TX, TY);
        盤面(X, Y) = 空;
        盤面(TX, TY) = 置く駒;
        const std::uint64_t k = 局面キー(盤面, -1);
        盤面(TX, TY) = 取得駒;
        盤面(X, Y) = 元の駒;
        return std::count(相手番の局面.begin(), 相手番の局面.end(), k) >= 3;
    };
    探索結果 控え;

    // Every legal move of the piece on (X, Y); true when it captured the human
    // King with a new best score, which ends the search.
    auto 一駒 = [&](int X, int Y, 駒コード 駒) {
        int X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
        取得_駒移動座標(駒, X, Y, X1, X2, Y1, Y2);
        for (int TX = X1; TX <= X2; ++TX) {
            for (int TY = Y1; TY <= Y2; ++TY) {
                if (!移動チェック(局面, X, Y, TX, TY, 駒)) continue;
                e.評価移動駒 = 駒;
                e.王距離 = std::max(std::abs(man.MAN王X - X), std::abs(man.MAN王Y - Y));
                const 駒コード 取得駒 = 盤面(TX, TY);
                // Asked before the trial piece stands there: a capture inside
                // the zone is read from the destination.
                駒コード 成駒 = 空;
                const bool 成れる = 調査_駒成(盤面, X, Y, TX, TY, 駒, 成駒, 局面.状態.規則);
                const bool 成らずに置ける = !成れる || 移動後チェック(TY, 駒, 局面.状態.規則);

                評価値 s = 探索初期評価値;
                駒コード 選んだ駒 = 駒;
                if (成らずに置ける) s = 採点(X, Y, TX, TY, 取得駒, 駒);
                if (成れる) {
                    const 評価値 成s = 採点(X, Y, TX, TY, 取得駒, 成駒);
                    if (!成らずに置ける || 成s > s) {
                        s = 成s;
                        選んだ駒 = 成駒;
                    }
                }
                盤面(TX, TY) = 取得駒;
                盤面(X, Y) = 駒;
                assert(盤面 == 前.盤面控);

                探索結果& 先 = 四度目(X, Y, TX, TY, 選んだ駒) ? 控え : r;
                if (s > 先.最高評価値) {
                    先.最高評価値 = s;
                    先.手 = 指し手{X, Y, TX, TY, 駒, 選んだ駒};
                    if (取得駒 == -駒::王) return true;
                }
            }
        }
        return false;
    };

    bool 終わり = false;
    for (int X = 1; X <= 盤サイズ && !終わり; ++X) {
        for (int Y = 1; Y <= 盤サイズ && !終わり; ++Y) {
            const 駒コード 駒 = 盤面(X, Y);
            if (駒 >= 1) 終わり = 一駒(X, Y, 駒);
        }
    }

    if (!r.手 && 控え.手) {
        r.手 = 控え.手;
        r.最高評価値 = 控え.最高評価値;
    }
    if (r.手) {
        r.二手目駒 = 二手目を求めるか(*r.手, r.最高評価値);
        if (r.二手目駒 != 空) r.二手目 = 二手目を探す(局面, e, *r.手, r.二手目駒, 評価, r.二手目試行数);
        assert(盤面 == 前.盤面控);
    }
    return r;
}

}  // namespace bexoru
