#pragma once
// The influence maps: for each side, which squares its pieces reach and how
// cheaply each occupied square is defended or attacked, with the squares of
// the royal pieces. The surveys of influence.h rebuild them; the evaluation,
// the danger terms, the mate tests and the mouse handler read them.
//
// Each side's maps are one plain value, so "the maps before the move" is a
// single assignment and a trial survey can be made into a scratch copy.

#include <array>
#include <cstddef>

#include "board/board.h"

namespace bexoru {

// A 13×13 table of small integers shaped like 盤面型 and indexed (X, Y).
// Row 0 and column 0 are never written by a survey and stay 0, so a reader
// that looks at the square of an absent royal piece (column 0) finds no
// influence there.
struct 勢力表 {
    std::array<std::array<int, 盤サイズ + 1>, 盤サイズ + 1> cells{};

    constexpr int& operator()(int X, int Y) { return cells[static_cast<std::size_t>(X)][static_cast<std::size_t>(Y)]; }
    constexpr int operator()(int X, int Y) const {
        return cells[static_cast<std::size_t>(X)][static_cast<std::size_t>(Y)];
    }
    // Reads any (X, Y); anything outside the 13×13 cells reads as 0.
    constexpr int at(int X, int Y) const {
        return X >= 0 && X <= 盤サイズ && Y >= 0 && Y <= 盤サイズ ? (*this)(X, Y) : 0;
    }
    // Sets every square 1..12 × 1..12 to v; row 0 and column 0 keep 0.
    constexpr void 盤内設定(int v) {
        for (int X = 1; X <= 盤サイズ; ++X) {
            for (int Y = 1; Y <= 盤サイズ; ++Y) cells[static_cast<std::size_t>(X)][static_cast<std::size_t>(Y)] = v;
        }
    }
    friend bool operator==(const 勢力表&, const 勢力表&) = default;
};

// Value entered where no piece defends or attacks a square.
inline constexpr int 勢力_なし = 999;
// 守最小価値 of a computer piece defended by the computer's King and nothing cheaper.
inline constexpr int 勢力_COM王守 = 39;
// 守最小価値 of every human piece next to the human King.
inline constexpr int 勢力_MAN王守 = -39;

// The computer's side (positive codes), written by 勢力調査_COM.
struct COM勢力図 {
    勢力表 COM勢力;        // computer pieces reaching the square, whatever stands on it
    勢力表 COM守最小価値;  // on a computer piece: cheapest computer defender; 999 none, 39 the King alone
    勢力表 COM守最小X;     // square of that defender; (0, 0) when none was recorded
    勢力表 COM守最小Y;
    勢力表 COM攻最小価値;  // on a human piece: cheapest computer attacker; 999 none
    勢力表 COM攻最小X;     // square of that attacker; (0, 0) when none
    勢力表 COM攻最小Y;
    勢力表 COM王手筋;  // 9 on a piece reaching the human King or Prince, 1 between a ranging one and it
    // Royal squares: kept from the last survey that met the piece; column 0 = never met.
    int COM王X = 0, COM王Y = 0;
    int COM太X = 0, COM太Y = 0;

    friend bool operator==(const COM勢力図&, const COM勢力図&) = default;
};

// The human's side (negative codes), written by 勢力調査_MAN.
struct MAN勢力図 {
    勢力表 MAN勢力;        // human pieces reaching the square
    勢力表 MAN守最小価値;  // on a human piece: cheapest human defender; 999 none, -39 next to the King
    勢力表 MAN攻最小価値;  // on a computer piece: cheapest human attacker (30 = the King alone); 999 none
    勢力表 MAN攻最小X;     // square of that attacker; (0, 0) when none
    勢力表 MAN攻最小Y;
    勢力表 MAN王手筋;  // 9 on a piece reaching the computer's King or Prince, 1 between
    // Royal squares and the human Lion (the last one met in scan order).
    int MAN王X = 0, MAN王Y = 0;
    int MAN太X = 0, MAN太Y = 0;
    int MAN獅X = 0, MAN獅Y = 0;

    friend bool operator==(const MAN勢力図&, const MAN勢力図&) = default;
};

}  // namespace bexoru
