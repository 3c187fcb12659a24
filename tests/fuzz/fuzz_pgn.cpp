// Fuzz target: PGN as XBoard writes it. Every move of a game taken is one the
// rules allow; the game written as PGN reads back with the same moves; a
// refusal holds no moves and names its place in one line fit for a terminal.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "exchange/pgn.h"
#include "fuzz_check.h"

using namespace bexoru;
using namespace bexoru::exchange;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 16) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const GameResult r = parse_pgn(text);
    if (r.ok()) {
        auto replay = std::make_unique<Replay>(r.game.start);
        for (const Move& m : r.game.moves) require(!replay->play(m), "every move taken is allowed by the rules");
        const GameResult again = parse_pgn(pgn_text(r.game));
        require(again.ok(), "a game written as PGN reads back");
        require(again.game.moves == r.game.moves, "it reads back with the same moves");
        require(again.game.start.board == r.game.start.board && again.game.start.side == r.game.start.side,
                "and the same start");
    } else {
        require(r.game.moves.empty(), "a refused game holds no moves");
        require(fuzz::terminal_safe(r.error->message), "the reason is fit for a terminal");
    }
    return 0;
}
