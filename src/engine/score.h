#pragma once
// Scores of the computer's evaluation. Every constant of the evaluation is a
// multiple of 0.1, so scores are exact integers in tenths: a sum never
// depends on the order of its additions, and ties (which decide the move)
// stay ties.

namespace bexoru {

using 評価値 = int;

// n whole points in tenths: 点(9999) is 99990.
constexpr 評価値 点(int n) {
    return n * 10;
}

}  // namespace bexoru
