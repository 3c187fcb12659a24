// The searching engine of levels 4 to 6: move generation, perft and the
// search's speed on the crowded middle game and the starting position.

#include <benchmark/benchmark.h>

#include "bench_positions.h"
#include "board/starting_position.h"
#include "search/engine.h"
#include "search/evaluate.h"
#include "search/movegen.h"

namespace bexoru {
namespace {

search::Position middle_game() {
    return search::Position::from_board(bench::中盤局面(), search::kUpper);
}

search::Position starting_position() {
    盤面型 b{};
    初期配置(b);
    return search::Position::from_board(b, search::kUpper);
}

void BM_SearchGenerateMiddleGame(benchmark::State& state) {
    const search::Position p = middle_game();
    search::MoveList list;
    for (auto _ : state) {
        search::generate(p, list, search::Generate::all);
        benchmark::DoNotOptimize(list.size);
    }
    state.counters["moves"] = list.size;
}
BENCHMARK(BM_SearchGenerateMiddleGame);

void BM_SearchEvaluateMiddleGame(benchmark::State& state) {
    const search::Position p = middle_game();
    for (auto _ : state) benchmark::DoNotOptimize(search::evaluate(p));
}
BENCHMARK(BM_SearchEvaluateMiddleGame);

void BM_SearchPerft3MiddleGame(benchmark::State& state) {
    search::Position p = middle_game();
    std::uint64_t n = 0;
    for (auto _ : state) {
        n = search::perft(p, 3);
        benchmark::DoNotOptimize(n);
    }
    state.counters["leaves"] = static_cast<double>(n);
    state.counters["leaves/s"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SearchPerft3MiddleGame)->Unit(benchmark::kMillisecond);

void BM_SearchPerft3Start(benchmark::State& state) {
    search::Position p = starting_position();
    std::uint64_t n = 0;
    for (auto _ : state) {
        n = search::perft(p, 3);
        benchmark::DoNotOptimize(n);
    }
    state.counters["leaves/s"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SearchPerft3Start)->Unit(benchmark::kMillisecond);

// A fixed node budget from a cleared table: nodes a second of the whole search.
void BM_SearchNodesMiddleGame(benchmark::State& state) {
    const search::Position p = middle_game();
    search::Engine engine(16);
    search::Limits limits;
    limits.nodes = 200000;
    std::int64_t nodes = 0;
    for (auto _ : state) {
        engine.clear();
        nodes = engine.search(p, limits).nodes;
    }
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SearchNodesMiddleGame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bexoru
