// bexoru-cli bench: the computer's search at every level over a fixed set of
// positions, timed, with a signature of everything it chose.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "cli.h"
#include "computer.h"

#ifndef BEXORU_BENCH_POSITIONS
#define BEXORU_BENCH_POSITIONS "bench/positions"
#endif

namespace bexoru::cli {
namespace {

constexpr OptionSpec bench_options[] = {
    {"positions", "DIR"},
    {"repeat", "N"},
};

int parse_repeat(std::string_view text) {
    const bool digits =
        !text.empty() && text.size() <= 3 && text.find_first_not_of("0123456789") == std::string_view::npos;
    const int n = digits ? std::stoi(std::string(text)) : 0;
    if (n < 1 || n > 100) throw Refusal("bench: --repeat must be a number 1..100, not " + quoted(text));
    return n;
}

struct BenchPosition {
    std::string name;  // the file name without ".txt"
    盤面型 board;
};

std::vector<BenchPosition> load_positions(const std::filesystem::path& folder, Io& io) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        throw Refusal("bench: " + cli::quoted(folder.string()) + " is not a folder of positions");
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    }
    if (ec) throw Refusal("bench: cannot read " + cli::quoted(folder.string()) + ": " + ec.message());
    if (files.empty()) throw Refusal("bench: no positions (*.txt) in " + cli::quoted(folder.string()));
    std::sort(files.begin(), files.end());
    std::vector<BenchPosition> positions;
    for (const auto& f : files) positions.push_back({f.stem().string(), load_board(f.string(), io)});
    return positions;
}

std::string one_line(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

int run_bench(const Arguments& args, Io& io) {
    const std::string folder = args.value("positions") ? std::string(*args.value("positions")) : BEXORU_BENCH_POSITIONS;
    const int repeat = args.value("repeat") ? parse_repeat(*args.value("repeat")) : 5;
    const std::vector<BenchPosition> positions = load_positions(folder, io);

    std::uint64_t signature = fnv1a("bexoru bench");
    std::int64_t all_trials = 0;
    std::string out;
    std::string summary;
    for (int level = 1; level <= 3; ++level) {
        std::vector<double> times;
        std::int64_t trials = 0;
        for (const BenchPosition& p : positions) {
            探索結果 r;
            std::vector<double> runs;
            for (int i = 0; i < repeat; ++i) {
                ComTurn turn(p.board, level);
                const auto start = std::chrono::steady_clock::now();
                r = com探索(turn.board, turn.log, turn.state, turn.com, turn.man);
                runs.push_back(
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            }
            // The median of the runs: a busy machine disturbs a single short run now and then.
            const double ms = median(runs);
            times.push_back(ms);
            trials += r.試行数 + r.二手目試行数;

            // Everything but the time goes into the signature.
            const std::string answer = "level " + std::to_string(level) + ' ' + p.name + ": " +
                                       one_line(format_search_result(r)) + ", trials " +
                                       std::to_string(r.試行数 + r.二手目試行数);
            signature = fnv1a(answer + '\n', signature);
            char time_text[32];
            std::snprintf(time_text, sizeof time_text, ", %.2f ms", ms);
            out += answer + time_text + '\n';
        }
        all_trials += trials;
        summary += "level " + std::to_string(level) + ": " + std::to_string(positions.size()) + " positions, " +
                   std::to_string(trials) + " trials, " + format_timing(times) + " a move\n";
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(signature));
    io.out << out << summary << "trials " << all_trials << '\n' << "signature " << hex << '\n';
    return exit_ok;
}

}  // namespace

const Command bench_command{
    .name = "bench",
    .synopsis = "[--positions DIR] [--repeat N]",
    .summary = "time the computer's search and print its signature",
    .details =
        "Runs the computer's search at levels 1, 2 and 3 on every position of the bench\n"
        "(the files *.txt of the folder, in name order) as the com command does, and\n"
        "prints one line per level and position: the chosen move, its score and any\n"
        "second step (as com prints them, on one line), the number of trial positions\n"
        "scored and the time the search took (the median of the repeated runs). Then,\n"
        "for each level, the median and the worst of those times, the total of trials,\n"
        "and a signature: a checksum of every answer and trial count (not of the\n"
        "times). A change in the signature means the computer plays differently.\n"
        "\n"
        "Options:\n"
        "  --positions DIR   the folder of positions (default: the bench positions of\n"
        "                    the source tree, " BEXORU_BENCH_POSITIONS
        ").\n"
        "  --repeat N        search each position N times, 1..100 (default 5).\n",
    .options = bench_options,
    .min_positional = 0,
    .max_positional = 0,
    .run = run_bench,
};

}  // namespace bexoru::cli
