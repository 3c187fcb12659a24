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

// A constant with a fraction, as the rule gives it, in tenths: 点(0.5) is 5.
// Worked out while compiling; a value that is no whole number of tenths does
// not compile.
consteval 評価値 点(double n) {
    const double 十倍 = n * 10;
    const 評価値 r = static_cast<評価値>(十倍 < 0 ? 十倍 - 0.5 : 十倍 + 0.5);
    if (十倍 - r > 1e-9 || r - 十倍 > 1e-9) throw "not a whole number of tenths";
    return r;
}

static_assert(点(0.1) == 1 && 点(0.5) == 5 && 点(0.6) == 6 && 点(-0.5) == -5 && 点(2.5) == 25);

}  // namespace bexoru
