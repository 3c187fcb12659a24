// Cost of the evaluation of one trial move (盤評価, level 3) on a crowded
// middle game, averaged over every legal move of the computer there; and of
// the pinned-piece survey the search makes once per turn.

#include <benchmark/benchmark.h>

#include "bench_positions.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "board/board.h"
#include "board/game_state.h"
#include "board/move_log.h"
#include "engine/evaluation.h"
#include "engine/influence.h"
#include "engine/mate.h"
#include "engine/search.h"
#include "rules/move_check.h"

namespace {

using namespace bexoru;

using bench::中盤局面;

struct 試行手 {
    int fx, fy, tx, ty;
    駒コード 駒, 取;
    COM勢力図 com;  // the maps of the position after the move
    MAN勢力図 man;
};

// The world of the computer's turn on the middle game, with every legal
// trial and the maps surveyed for it.
struct 手番 {
    盤面型 盤面 = 中盤局面();
    棋譜記録 記録{};
    対局状態 状態{};
    規則局面 局面{盤面, 記録, 状態};
    COM勢力図 com{};
    MAN勢力図 man{};
    探索前情報 前{};
    移動不可情報 不可{};
    std::vector<試行手> 試行;

    手番() {
        状態.MAN側 = 先手;
        状態.COM側 = 後手;
        状態.手番 = 後手;
        状態.レベル = 3;
        勢力調査_MAN(盤面, man);
        勢力調査_COM(盤面, com);
        探索前調査(局面, com, man, 前, 不可);
        for (int x = 1; x <= 盤サイズ; ++x) {
            for (int y = 1; y <= 盤サイズ; ++y) {
                const 駒コード c = 盤面(x, y);
                if (c < 1) continue;
                for (int tx = 1; tx <= 盤サイズ; ++tx) {
                    for (int ty = 1; ty <= 盤サイズ; ++ty) {
                        if (!移動チェック(局面, x, y, tx, ty, c)) continue;
                        試行手 t{x, y, tx, ty, c, 盤面(tx, ty), {}, {}};
                        指す(t);
                        勢力調査_MAN(盤面, t.man);
                        勢力調査_COM(盤面, t.com);
                        戻す(t);
                        試行.push_back(t);
                    }
                }
            }
        }
    }
    void 指す(const 試行手& t) {
        盤面(t.fx, t.fy) = 空;
        盤面(t.tx, t.ty) = t.駒;
    }
    void 戻す(const 試行手& t) {
        盤面(t.tx, t.ty) = t.取;
        盤面(t.fx, t.fy) = t.駒;
    }
    評価値 評価(const 試行手& t) {
        const int 王距離 = std::max(std::abs(man.MAN王X - t.fx), std::abs(man.MAN王Y - t.fy));
        評価局面 e{局面, com, man, 前, 不可, t.駒, 王距離};
        return 盤評価(e, t.取, t.駒, t.fx, t.fy, t.tx, t.ty);
    }
};

// Per trial: the maps of the trial position are copied in (as if surveyed),
// then evaluated. Subtract BM_TrialMapsCopy for 盤評価 alone.
void BM_Evaluation_MiddleGame(benchmark::State& state) {
    手番 w;
    std::size_t i = 0;
    for (auto _ : state) {
        const 試行手& t = w.試行[i];
        w.指す(t);
        w.com = t.com;
        w.man = t.man;
        benchmark::DoNotOptimize(w.評価(t));
        w.戻す(t);
        i = i + 1 == w.試行.size() ? 0 : i + 1;
    }
    state.counters["trials"] = static_cast<double>(w.試行.size());
}

void BM_TrialMapsCopy(benchmark::State& state) {
    手番 w;
    std::size_t i = 0;
    for (auto _ : state) {
        const 試行手& t = w.試行[i];
        w.指す(t);
        w.com = t.com;
        w.man = t.man;
        benchmark::DoNotOptimize(w.com);
        benchmark::DoNotOptimize(w.man);
        w.戻す(t);
        i = i + 1 == w.試行.size() ? 0 : i + 1;
    }
}

// One whole trial as the search makes it: move, both surveys, evaluation, take back.
void BM_Trial_MiddleGame(benchmark::State& state) {
    手番 w;
    std::size_t i = 0;
    for (auto _ : state) {
        const 試行手& t = w.試行[i];
        w.指す(t);
        勢力調査_MAN(w.盤面, w.man);
        勢力調査_COM(w.盤面, w.com);
        benchmark::DoNotOptimize(w.評価(t));
        w.戻す(t);
        i = i + 1 == w.試行.size() ? 0 : i + 1;
    }
}

void BM_PinSurvey_MiddleGame(benchmark::State& state) {
    手番 w;
    for (auto _ : state) {
        調査_移動不可駒(w.局面, w.com, w.man, w.不可);
        benchmark::DoNotOptimize(w.不可);
    }
}

}  // namespace

BENCHMARK(BM_Evaluation_MiddleGame);
BENCHMARK(BM_TrialMapsCopy);
BENCHMARK(BM_Trial_MiddleGame);
BENCHMARK(BM_PinSurvey_MiddleGame);
