// Fuzz target: SFEN and XBoard's FEN (the first byte picks the reader). A
// position taken writes and reads back the same; a refusal leaves no board
// and says why in one line fit for a terminal.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "exchange/notation.h"
#include "fuzz_check.h"

using namespace bexoru;
using namespace bexoru::exchange;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool xboard = data[0] % 2 == 1;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const DiagramResult r = xboard ? parse_xboard_fen(text) : parse_sfen(text);
    if (r.ok()) {
        fuzz::require_real_codes(r.diagram.board);
        require(r.diagram.side == lower_army || r.diagram.side == upper_army, "the side is an army");
        require(r.diagram.move_number >= 1, "the move number counts from 1");
        const DiagramResult again =
            xboard ? parse_xboard_fen(to_xboard_fen(r.diagram)) : parse_sfen(to_sfen(r.diagram));
        require(again.ok(), "a position written reads back");
        require(again.diagram.board == r.diagram.board && again.diagram.side == r.diagram.side,
                "it reads back the same");
        if (!xboard) require(again.diagram == r.diagram, "an SFEN reads back with its move number");
    } else {
        require(r.diagram == Diagram{}, "a refused text gives no position");
        require(!r.error->message.empty() && fuzz::terminal_safe(r.error->message), "the reason is fit for a terminal");
    }
    return 0;
}
