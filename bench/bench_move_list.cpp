// The move list's walk: a click on the last line of a long record and then
// on the first, each stepping the whole log with 進 and 戻 (drawing into a
// window that keeps nothing), with and without the recovery record being
// kept; and the lines made after each event.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "play/form1.h"
#include "play/move_list.h"
#include "port/silent_port.h"

namespace bexoru {
namespace {

// 496 entries: the two Kings step back and forth, and every fourth move of
// the lower army is a Lion's double move out and back, as a long record
// would hold them.
void 長い対局(Form1& form) {
    form.盤面 = 盤面型{};
    form.盤面(1, 12) = -駒::王;
    form.盤面(12, 1) = 駒::王;
    form.盤面(6, 10) = -駒::獅子;
    int n = 0;
    auto 記す = [&](指し手 手) { form.記録.手[static_cast<std::size_t>(++n)] = 手; };
    // n grows inside 記す; the count of turns only bounds the loop for the compiler.
    for (int 手 = 0; 手 < 496 && n < 496 - 3; ++手) {
        const bool 行き = 手 % 2 == 0;
        if (手 % 4 == 3) {
            記す({6, 10, 6, 9, -駒::獅子, -駒::獅子, 空});
            記す({6, 9, 6, 10, -駒::獅子, -駒::獅子, 空});
        } else {
            記す({1, 行き ? 12 : 11, 1, 行き ? 11 : 12, -駒::王, -駒::王, 空});
        }
        記す({12, 行き ? 1 : 2, 12, 行き ? 2 : 1, 駒::王, 駒::王, 空});
    }
    form.記録.記録数 = 0;
    form.記録.記録終端 = n;
    form.状態.対局モード = 対局_MAN対MAN;
    form.状態.MAN側 = 先手;
    form.状態.COM側 = 後手;
    form.状態.手番 = 先手;
}

void 往復(benchmark::State& state, bool 回復記録) {
    SilentWindow window;
    SilentSound sound;
    JumpingClock clock;
    Form1 form(window, sound, clock);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("bexoru_bench_list_" + std::to_string(::getpid()));
    if (回復記録) {
        std::filesystem::create_directories(folder);
        form.保全.フォルダ = folder;
    }
    長い対局(form);
    const int 最後 = static_cast<int>(手の区切り(form.記録).size());
    for (auto _ : state) {
        form.棋譜一覧_選択(最後);
        form.棋譜一覧_選択(0);
    }
    state.counters["entries"] = form.記録.記録終端;
    state.counters["lines"] = 最後;
    if (回復記録) std::filesystem::remove_all(folder);
}

void BM_MoveListToTheEndAndBack(benchmark::State& state) {
    往復(state, false);
}
void BM_MoveListToTheEndAndBackKeepingTheRecoveryRecord(benchmark::State& state) {
    往復(state, true);
}

void BM_MoveListLines(benchmark::State& state) {
    SilentWindow window;
    SilentSound sound;
    JumpingClock clock;
    Form1 form(window, sound, clock);
    長い対局(form);
    for (auto _ : state) {
        const auto 手々 = 手の区切り(form.記録);
        benchmark::DoNotOptimize(棋譜一覧の行(form.記録, 手々));
    }
}

BENCHMARK(BM_MoveListToTheEndAndBack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveListToTheEndAndBackKeepingTheRecoveryRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveListLines)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bexoru
