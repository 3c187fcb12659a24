// Fuzz target: PGN as XBoard writes it. Every move of a game taken is one the
// rules allow; the game written as PGN reads back with the same moves (a
// Lion's pass may come back through another empty square); a
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

namespace {

// A Lion's pass: out to an empty square and back. Which empty square it
// passed through changes nothing, and PGN does not say.
bool is_pass(const Move& m, const 盤面型& board) {
    return m.then && *m.then == m.from && !m.promote && board(m.to.X, m.to.Y) == 空;
}

// The same game, a pass by any empty square being the same move.
bool same_moves(const Game& game, const std::vector<Move>& others) {
    if (game.moves.size() != others.size()) return false;
    Replay replay(game.start);
    for (std::size_t i = 0; i < others.size(); ++i) {
        const Move& a = game.moves[i];
        const Move& b = others[i];
        if (a != b && !(a.from == b.from && is_pass(a, replay.board()) && is_pass(b, replay.board()))) return false;
        if (replay.play(a)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 16) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const GameResult r = parse_pgn(text);
    if (r.ok()) {
        auto replay = std::make_unique<Replay>(r.game.start);
        for (const Move& m : r.game.moves) require(!replay->play(m), "every move taken is allowed by the rules");
        const GameResult again = parse_pgn(pgn_text(r.game));
        require(again.ok(), "a game written as PGN reads back");
        require(same_moves(r.game, again.game.moves), "it reads back with the same moves");
        require(again.game.start.board == r.game.start.board && again.game.start.side == r.game.start.side,
                "and the same start");
    } else {
        require(r.game.moves.empty(), "a refused game holds no moves");
        require(fuzz::terminal_safe(r.error->message), "the reason is fit for a terminal");
    }
    return 0;
}
