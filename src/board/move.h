#pragma once
// One step of a move: what the move log keeps for each entry, what the
// computer's search answers, and what a record file line and the command-line
// tool write.

#include "board/piece.h"

namespace bexoru {

struct 指し手 {
    int 移動元X = 0, 移動元Y = 0;
    int 移動先X = 0, 移動先Y = 0;
    駒コード 移動駒 = 空;  // the code of the moving piece before the step
    駒コード 成駒 = 空;    // its code after the step: the promoted code if it promoted
    // The code that stood on the destination: 空 when it was empty, and in
    // the search's answers, which are not played yet.
    駒コード 取駒 = 空;
    friend bool operator==(const 指し手&, const 指し手&) = default;
};

}  // namespace bexoru
