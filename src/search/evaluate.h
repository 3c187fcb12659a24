#pragma once
// The searching engine's evaluation, from the side to move's point of view,
// in hundredths of a Pawn-value point of the piece table: material (the
// table's values), promotion potential (a promotable piece near or in the
// zone counts part of what promoting gains), mobility (squares each piece
// reaches), the safety of the royal pieces (friends around them, enemies
// near them) and of the Lions (an enemy Lion next to one's own).

#include "search/position.h"

namespace bexoru::search {

inline constexpr int kPieceUnit = 100;  // one point of the piece table

struct EvalWeights {
    int mobility = 3;            // per square a piece reaches
    int promotion_percent = 30;  // of the gain from promoting, for a piece inside the zone
    int royal_guard = 12;        // per friendly piece next to a royal piece
    int royal_attacker = 25;     // per enemy piece within two squares of a royal piece
    int lion_contact = 150;      // an enemy Lion within two squares of one's own Lion, to the side to move
};

int evaluate(const Position& p, const EvalWeights& w = {});

}  // namespace bexoru::search
