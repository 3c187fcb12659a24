#pragma once
// A game with the computer to move on a hand-built position, as the search
// receives it after a person's move, and a scripted evaluation that scores
// chosen trials and keeps a list of every trial it was asked about.

#include <string>
#include <utility>
#include <vector>

#include "board/game_state.h"
#include "board/move_log.h"
#include "engine/influence.h"
#include "engine/search.h"
#include "influence_test_board.h"

namespace bexoru::test {

struct 探索局面 {
    盤面型 盤面{};
    棋譜記録 記録{};
    対局状態 状態{};
    COM勢力図 com{};
    MAN勢力図 man{};
    規則局面 局面{盤面, 記録, 状態};

    explicit 探索局面(const std::vector<配置>& 駒々, int レベル = 3) {
        盤面 = 盤を作る(駒々);
        状態.MAN側 = 先手;
        状態.COM側 = 後手;
        状態.手番 = 後手;
        状態.対局モード = 対局_COM;
        状態.レベル = レベル;
        記録.手[0].成駒 = +1;
        勢力調査_MAN(盤面, man);
        勢力調査_COM(盤面, com);
    }
    探索局面(const 探索局面&) = delete;
    探索局面& operator=(const 探索局面&) = delete;
};

// One call of the evaluation, as the search made it.
struct 試行記録 {
    int X1, Y1, X2, Y2;
    駒コード 取得駒;
    駒コード 移動駒;
    friend bool operator==(const 試行記録&, const 試行記録&) = default;
};

// Scores given to chosen trials: the move (X1, Y1) -> (X2, Y2), for one
// placed code or (移動駒 = 空) for any.
struct 採点規則 {
    int X1, Y1, X2, Y2;
    評価値 score;
    駒コード 移動駒 = 空;
};

struct 台本評価 {
    std::vector<採点規則> 規則;
    評価値 既定 = 点(-1);  // the score of every other trial
    std::vector<試行記録> 試行;

    台本評価() = default;
    explicit 台本評価(std::vector<採点規則> r, 評価値 d = 点(-1)) : 規則(std::move(r)), 既定(d) {}

    評価関数 関数() {
        return [this](評価局面&, 駒コード 取得駒, 駒コード 移動駒, int X1, int Y1, int X2, int Y2) {
            試行.push_back({X1, Y1, X2, Y2, 取得駒, 移動駒});
            for (const 採点規則& r : 規則) {
                if (r.X1 == X1 && r.Y1 == Y1 && r.X2 == X2 && r.Y2 == Y2 && (r.移動駒 == 空 || r.移動駒 == 移動駒)) {
                    return r.score;
                }
            }
            return 既定;
        };
    }
};

inline std::string 手の文字(const std::optional<指し手>& m) {
    if (!m) return "none";
    return std::to_string(m->移動元X) + "," + std::to_string(m->移動元Y) + "->" + std::to_string(m->移動先X) + "," +
           std::to_string(m->移動先Y) + " " + std::to_string(m->移動駒) + "/" + std::to_string(m->成駒);
}

}  // namespace bexoru::test
