#pragma once
// Colours (16-colour palette indices) and the screen geometry in twips.
// A position given as (column c, row r), fractions allowed, means the point
// (盤原点X + c·桝幅, 盤原点Y + r·桝高).

#include "board/board.h"

namespace bexoru {

inline constexpr double 盤原点X = 200;
inline constexpr double 盤原点Y = -300;
inline constexpr double 桝幅 = 510;
inline constexpr double 桝高 = 600;
inline constexpr double 窓幅 = 9300;
inline constexpr double 窓高 = 8500;

constexpr double 座標X(double c) {
    return 盤原点X + c * 桝幅;
}
constexpr double 座標Y(double r) {
    return 盤原点Y + r * 桝高;
}

// The square under a window position in twips. The result may lie off the
// board (check with 盤内): positions left of or above the board give 0 or less.
桝位置 マウス桝(double mx, double my);

struct 表示設定 {
    int 文字色 = 15;     // bright white: text on the window
    int 色5 = 5;         // magenta, spare
    int 盤色初期値 = 2;  // green
    int 選択色 = 12;     // light red: outline of a selected square
    int 黒色 = 0;
    int 色14 = 14;        // light yellow, spare
    int 色6 = 6;          // brown, spare
    int 背景色 = 2;       // window background and the normal square outline
    int 桝輪郭色 = 2;     // erases a square outline or a reach mark
    int 盤色 = 2;         // reach marks: 文字色 with move guidance on, else 盤色初期値
    int 結果表示色 = 15;  // last-move text
    double 結果表示X_COM = 15.6, 結果表示Y_COM = 5;  // last move of the upper army
    double 結果表示X_MAN = 15.6, 結果表示Y_MAN = 6;  // last move of the lower army
};

}  // namespace bexoru
