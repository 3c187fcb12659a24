// Cost of one pair of influence surveys (human side, then computer side), the
// unit of work the computer's search repeats several times for every trial move.

#include <benchmark/benchmark.h>

#include "bench_positions.h"

#include "board/board.h"
#include "board/starting_position.h"
#include "engine/influence.h"

namespace {

using namespace bexoru;

盤面型 開始局面() {
    盤面型 b;
    初期配置(b);
    return b;
}

using bench::中盤局面;

void 調査一組(benchmark::State& state, const 盤面型& b) {
    COM勢力図 com;
    MAN勢力図 man;
    for (auto _ : state) {
        勢力調査_MAN(b, man);
        勢力調査_COM(b, com);
        benchmark::DoNotOptimize(man);
        benchmark::DoNotOptimize(com);
        benchmark::ClobberMemory();
    }
}

void BM_InfluencePair_StartingPosition(benchmark::State& state) {
    調査一組(state, 開始局面());
}
void BM_InfluencePair_CrowdedMiddleGame(benchmark::State& state) {
    調査一組(state, 中盤局面());
}

// The copy of both sides' maps the search keeps of the position before its move.
void BM_InfluenceMapsCopy(benchmark::State& state) {
    COM勢力図 com, com前;
    MAN勢力図 man, man前;
    const 盤面型 b = 中盤局面();
    勢力調査_COM(b, com);
    勢力調査_MAN(b, man);
    for (auto _ : state) {
        com前 = com;
        man前 = man;
        benchmark::DoNotOptimize(com前);
        benchmark::DoNotOptimize(man前);
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_InfluencePair_StartingPosition);
BENCHMARK(BM_InfluencePair_CrowdedMiddleGame);
BENCHMARK(BM_InfluenceMapsCopy);
