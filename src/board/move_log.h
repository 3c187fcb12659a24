#pragma once
// The move log: one entry per logged step, in seven parallel arrays.
// Entries 1..記録数 are the game so far; entry 0 is a sentinel that is never
// saved into (the Lion look-back may read it). 記録終端 marks the last entry
// that exists, so replay can walk 記録数 back and forth below it.

#include <array>

#include "board/piece.h"

namespace bexoru {

// Room for long games: a double move takes two entries, and games between the
// computer's levels run past a thousand.
inline constexpr int 記録最大 = 2000;

struct 棋譜記録 {
    using 列 = std::array<int, 記録最大 + 1>;
    列 記録_移動元X{};
    列 記録_移動元Y{};
    列 記録_移動先X{};
    列 記録_移動先Y{};
    列 記録_移動駒{};  // code of the moving piece before the move
    列 記録_成駒{};    // code after the move: the promoted code if it promoted
    列 記録_取駒{};    // code that stood on the destination; 0 when it was empty
    int 記録数 = 0;
    int 記録終端 = 0;
};

}  // namespace bexoru
