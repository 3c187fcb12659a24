// bexoru-cli bench-search [FILE...] [--nodes N] [--repeat R] [--side S]: the
// searching engine's speed, in nodes a second, on fixed positions.

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "search/engine.h"
#include "searching.h"

#ifndef BEXORU_BENCH_POSITIONS
#define BEXORU_BENCH_POSITIONS "bench/positions"
#endif

namespace bexoru::cli {
namespace {

constexpr OptionSpec bench_search_options[] = {
    {"nodes", "N"},
    {"repeat", "R"},
    {"side", "S"},
};

// CPU seconds of this thread: what the search itself cost, whatever else the machine runs.
double thread_seconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::string millions(double per_second) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", per_second / 1e6);
    return text;
}

int run_bench_search(const Arguments& args, Io& io) {
    const std::int64_t nodes =
        args.value("nodes") ? parse_count(*args.value("nodes"), "bench-search: --nodes", 1000, 1'000'000'000) : 1'000'000;
    const int repeat =
        args.value("repeat") ? static_cast<int>(parse_count(*args.value("repeat"), "bench-search: --repeat", 1, 100)) : 5;
    const int side = parse_side(args, "bench-search");
    std::vector<std::string> files(args.positional.begin(), args.positional.end());
    if (files.empty()) files.push_back(std::string(BEXORU_BENCH_POSITIONS) + "/middle_crowded.txt");

    search::Engine engine(32);
    for (const std::string& file : files) {
        const search::Position p = search::Position::from_board(load_board(file, io), side);
        require_playable(p, "bench-search");
        search::Limits limits;
        limits.nodes = nodes;
        std::vector<double> cpu, wall;
        search::SearchResult r;
        for (int i = 0; i < repeat; ++i) {
            engine.clear();
            const double c0 = thread_seconds(), w0 = search::now_seconds();
            r = engine.search(p, limits);
            cpu.push_back(thread_seconds() - c0);
            wall.push_back(search::now_seconds() - w0);
        }
        std::sort(cpu.begin(), cpu.end());
        std::sort(wall.begin(), wall.end());
        const auto n = static_cast<double>(r.nodes);
        const std::size_t mid = cpu.size() / 2;
        io.out << file << ": " << r.nodes << " nodes, depth " << r.depth << ", move" << pv_text({r.best}) << '\n'
               << "  cpu  M nodes/s: median " << millions(n / cpu[mid]) << ", range " << millions(n / cpu.back())
               << " to " << millions(n / cpu.front()) << '\n'
               << "  wall M nodes/s: median " << millions(n / wall[mid]) << ", range " << millions(n / wall.back())
               << " to " << millions(n / wall.front()) << '\n';
    }
    return exit_ok;
}

}  // namespace

const Command bench_search_command{
    .name = "bench-search",
    .synopsis = "[FILE...] [--nodes N] [--repeat R] [--side upper|lower]",
    .summary = "time the searching engine in nodes a second",
    .details =
        "Searches each position (the benchmarks' crowded middle game when no FILE is\n"
        "given) R times (default 5) from cleared tables with a budget of N nodes\n"
        "(default 1000000), and prints the nodes searched, the depth reached, the move\n"
        "chosen (the same on every run), and the speed in millions of nodes a second:\n"
        "by the CPU time of the search's thread, which the rest of the machine's load\n"
        "hardly changes, and by the wall clock; the median and the range of the runs.\n"
        "\n"
        "Options:\n"
        "  --nodes N    the node budget of each search (1000 or more).\n"
        "  --repeat R   searches of each position, 1 to 100.\n"
        "  --side S     the army to move: 'upper' (the default) or 'lower'.\n",
    .options = bench_search_options,
    .min_positional = 0,
    .max_positional = 16,
    .run = run_bench_search,
};

}  // namespace bexoru::cli
