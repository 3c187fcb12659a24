#pragma once
// The move log: one entry per logged step.
// Entries 1..記録数 are the game so far; entry 0 is a sentinel that is never
// saved into (the Lion look-back may read it). 記録終端 marks the last entry
// that exists, so replay can walk 記録数 back and forth below it.

#include <array>

#include "board/move.h"
#include "board/piece.h"

namespace bexoru {

// Room for long games: a double move takes two entries, and games between the
// computer's levels run past a thousand.
inline constexpr int 記録最大 = 2000;

struct 棋譜記録 {
    std::array<指し手, 記録最大 + 1> 手{};
    int 記録数 = 0;
    int 記録終端 = 0;
};

}  // namespace bexoru
