#pragma once
// The move generator held against the move check: on a position of a game,
// for both armies, every origin and every destination, the promotion choices,
// and every second step of every double move (asked both as the compound
// moves of the whole turn and as the moves of a pending second step).
// The test suite and `bexoru-cli verify-moves` run it on random positions.

#include <cstdint>
#include <optional>
#include <string>

#include "board/board.h"
#include "board/game_state.h"
#include "board/move_log.h"

namespace bexoru::search {

struct Agreement {
    std::optional<std::string> disagreement;  // the first one found, as one line
    std::uint64_t questions = 0;              // move-check answers compared
};

// Compares on the board with the log's last entries as the look-back, under
// a rule set. Under the standard rules a move must also pass the Lion-capture
// rules (rules/lion_capture_rules.h), which judge the second step of a Lion
// taking a Lion two squares from its origin. The board is the same afterwards.
Agreement compare_with_move_check(const 盤面型& board, const 棋譜記録& log, ルール rules = ルール::本来);

// A deterministic source of random numbers (the same numbers on every platform).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // 0..n-1
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

// A random position: armies of random size and kinds (Lions, Eagles and
// Falcons more often than by chance), and one or two log entries whose
// look-back sometimes forbids a Lion capture.
struct RandomGame {
    盤面型 board{};
    棋譜記録 log{};
};
RandomGame random_game(Random& rng);

// A position reached from the starting position by up to `plies` random
// moves (fewer when a King is taken), each logged as the game logs it: one
// entry for a single step, two for a double move. The side to move is the
// lower army after an even number of moves.
struct PlayedGame {
    盤面型 board{};
    棋譜記録 log{};
    int side = -1;
};
PlayedGame played_game(Random& rng, int plies, ルール rules = ルール::本来);

}  // namespace bexoru::search
