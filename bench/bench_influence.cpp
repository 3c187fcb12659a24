// Cost of one pair of influence surveys (human side, then computer side), the
// unit of work the computer's search repeats several times for every trial move.

#include <benchmark/benchmark.h>

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

// A crowded middle game: both Lions out in the centre, pawns locked and
// exchanged, ranging pieces with open lines into the other army.
盤面型 中盤局面() {
    static constexpr int 行[盤サイズ][盤サイズ] = {
        {3, 19, 5, 9, 13, 37, 39, 13, 9, 5, 19, 3},
        {28, 0, 21, 0, 30, 25, 0, 30, 0, 21, 0, 28},
        {7, 11, 15, 0, 17, 0, 32, 17, 23, 15, 11, 7},
        {1, 1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 1},
        {0, 0, 1, 35, 23, 1, 27, 1, 35, 0, 1, 0},
        {0, 0, 0, 0, 0, 34, 0, 0, -1, 0, 0, 0},
        {0, 0, -1, 0, 0, 0, -34, 0, 0, 0, 0, 0},
        {0, -1, 0, -35, -1, -27, -1, -35, -1, 0, -1, 0},
        {-1, 0, -1, -1, 0, -23, 0, -1, 0, -1, 0, -1},
        {-7, -11, -15, 0, -17, 0, -32, -17, -23, -15, -11, -7},
        {-28, 0, -21, 0, -30, 0, -25, -30, 0, -21, 0, -28},
        {-3, -19, -5, -9, -13, -39, -37, -13, -9, -5, -19, -3},
    };
    盤面型 b;
    for (int Y = 1; Y <= 盤サイズ; ++Y) {
        for (int X = 1; X <= 盤サイズ; ++X) b(X, Y) = 行[Y - 1][X - 1];
    }
    return b;
}

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
