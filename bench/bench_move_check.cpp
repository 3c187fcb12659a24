// The move check is the innermost call of the computer's search. One sweep
// asks it about all 144 destinations of every piece of the starting position
// (92 pieces, 13,248 calls).

#include <benchmark/benchmark.h>

#include "board/starting_position.h"
#include "rules/move_check.h"

namespace bexoru {
namespace {

void BM_MoveCheckSweepOfTheStartingPosition(benchmark::State& state) {
    盤面型 盤面{};
    初期配置(盤面);
    棋譜記録 記録{};
    記録.手[0].成駒 = +1;
    対局状態 状態{};
    状態.MAN側 = 先手;
    状態.COM側 = 後手;
    規則局面 局面{盤面, 記録, 状態};

    std::int64_t calls = 0;
    for (auto _ : state) {
        int allowed = 0;
        for (int X = 1; X <= 盤サイズ; ++X) {
            for (int Y = 1; Y <= 盤サイズ; ++Y) {
                const 駒コード c = 盤面(X, Y);
                if (c == 空) continue;
                for (int TX = 1; TX <= 盤サイズ; ++TX) {
                    for (int TY = 1; TY <= 盤サイズ; ++TY) {
                        allowed += 移動チェック(局面, X, Y, TX, TY, c);
                        ++calls;
                    }
                }
            }
        }
        benchmark::DoNotOptimize(allowed);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_MoveCheckSweepOfTheStartingPosition);

}  // namespace
}  // namespace bexoru
