// Fuzz target: a game as SFEN and USI moves. Every move of a game taken is
// one the rules allow; the game writes and reads back the same; a refusal
// holds no moves and names its place in one line fit for a terminal.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "exchange/usi.h"
#include "fuzz_check.h"

using namespace bexoru;
using namespace bexoru::exchange;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const GameResult r = parse_usi_game(text);
    if (r.ok()) {
        auto replay = std::make_unique<Replay>(r.game.start);
        for (const Move& m : r.game.moves) require(!replay->play(m), "every move taken is allowed by the rules");
        const GameResult again = parse_usi_game(usi_game_text(r.game));
        require(again.ok(), "a game written reads back");
        require(again.game.moves == r.game.moves && again.game.start == r.game.start, "it reads back the same");
    } else {
        require(r.game.moves.empty(), "a refused game holds no moves");
        require(r.error->move >= 0 && r.error->line >= 0, "the place is a line and a move");
        require(fuzz::terminal_safe(r.error->message), "the reason is fit for a terminal");
    }
    // Any text as a single move: what reads as one writes back as itself.
    if (const auto m = parse_usi_move(text)) require(parse_usi_move(to_usi(*m)) == m, "a move reads back");
    return 0;
}
