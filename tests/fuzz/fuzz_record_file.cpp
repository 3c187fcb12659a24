// Fuzz target: the record file (棋譜) as its bytes arrive. The parser must
// take or refuse every input without a fault; what it takes stays within the
// board (columns and rows 0..12, real codes) and the log (at most its size),
// writes back as a record that reads the same, and its header lines are
// well-formed UTF-8; what it refuses comes with no entries.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "records/record_file.h"

using namespace bexoru;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const 棋譜読込結果 r = 棋譜解析(bytes);

    if (r.不備 != 棋譜不備::なし) {
        require(r.手々.empty(), "a refused record gives no entries");
        return 0;
    }
    require(r.手々.size() <= static_cast<std::size_t>(記録最大), "a record holds at most the log's size");
    棋譜記録 log{};
    for (std::size_t i = 0; i < r.手々.size(); ++i) {
        const 指し手& e = r.手々[i];
        for (const int v : {e.移動元X, e.移動元Y, e.移動先X, e.移動先Y})
            require(v >= 0 && v <= 盤サイズ, "columns and rows are 0..12");
        for (const int v : {e.成駒, e.移動駒, e.取駒})
            require(v >= -最大駒コード && v <= 最大駒コード, "codes are real codes");
        const std::size_t n = i + 1;
        log.手[n].移動元X = e.移動元X;
        log.手[n].移動元Y = e.移動元Y;
        log.手[n].移動先X = e.移動先X;
        log.手[n].移動先Y = e.移動先Y;
        log.手[n].成駒 = e.成駒;
        log.手[n].移動駒 = e.移動駒;
        log.手[n].取駒 = e.取駒;
    }
    // Header lines are drawn on the board, never printed to a terminal: controls may stay.
    for (const std::string& header : r.見出し)
        require(fuzz::well_formed_utf8(header, true), "header lines are well-formed UTF-8");

    log.記録数 = log.記録終端 = static_cast<int>(r.手々.size());
    const 棋譜読込結果 again = 棋譜解析(棋譜テキスト(log));
    require(again.不備 == 棋譜不備::なし && again.手々 == r.手々, "a record taken writes back and reads the same");
    return 0;
}
