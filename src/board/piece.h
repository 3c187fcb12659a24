#pragma once
// Piece codes and the table of kinds.
//
// A piece code is a plain signed integer. Real codes are ±1..±39: positive for
// the upper army (the computer's, or the second player's), negative for the
// lower army (the person's). Every promotable code c promotes to c + 1.
//
// The second step of a double move is asked for with pseudo codes that are
// never stored in the move log. They are kept as tenths with the sign of
// their side (18.1 -> 181), so they can never equal a real code, the sign still
// tells the side, and their whole-number part is |c| / 10.

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>

namespace bexoru {

using 駒コード = int;

inline constexpr 駒コード 空 = 0;

// Real codes by kind (upper army; the lower army uses the same codes negated).
// clang-format off
namespace 駒 {
inline constexpr 駒コード 歩 = 1, と = 2, 香 = 3, 白駒 = 4, 銅 = 5, 横行_成 = 6, 横行 = 7, 猪 = 8,
                         銀 = 9, 竪行_成 = 10, 竪行 = 11, 牛 = 12, 金 = 13, 飛車_成 = 14, 飛車 = 15,
                         龍王_成 = 16, 龍王 = 17, 鷲 = 18, 豹 = 19, 角行_成 = 20, 角行 = 21, 龍馬_成 = 22,
                         龍馬 = 23, 鷹 = 24, 鳳 = 25, 奔王_成 = 26, 奔王 = 27, 反 = 28, 鯨 = 29, 虎 = 30,
                         鹿 = 31, 麒 = 32, 獅子_成 = 33, 獅子 = 34, 仲 = 35, 象_成 = 36, 象 = 37, 太子 = 38,
                         王 = 39;
}  // namespace 駒
// clang-format on

inline constexpr int 最大駒コード = 39;

// Pseudo codes of second steps, in tenths.
inline constexpr 駒コード 擬_鷲一 = 181;  // 18.1: Soaring Eagle, second step forward-left
inline constexpr 駒コード 擬_鷲二 = 182;  // 18.2: Soaring Eagle, second step forward-right
inline constexpr 駒コード 擬_鷹 = 241;    // 24.1: Horned Falcon, second step
inline constexpr 駒コード 擬_獅成 = 331;  // 33.1: Lion (promoted form), second step
inline constexpr 駒コード 擬_獅 = 341;    // 34.1: Lion, second step

// |v| for constant expressions: std::abs is constexpr only from C++23 (GCC
// allows it earlier as an extension, clang does not).
constexpr int abs_of(int v) {
    return v < 0 ? -v : v;
}
constexpr bool is_pseudo(駒コード c) {
    return abs_of(c) > 最大駒コード;
}
constexpr int sign_of(駒コード c) {
    return (c > 0) - (c < 0);
}
// The kind's whole-number code without sign: 18 for ±18 and for ±18.1.
constexpr int whole_kind(駒コード c) {
    const int a = abs_of(c);
    return a > 最大駒コード ? a / 10 : a;
}

struct 駒種 {
    std::string_view label;    // one-character name printed in the last-move text
    std::string_view picture;  // picture base name; "UE_" or "SITA_" is put before it
    int value;                 // material value
};

// Indexed by the absolute code; entry 0 is the empty square.
// clang-format off
inline constexpr std::array<駒種, 最大駒コード + 1> 駒表{{
    {"", "", 0},
    {"歩", "HU", 1},       {"と", "TO", 7},        {"香", "KYOU", 2},     {"白", "SIRO", 6},
    {"銅", "DOU", 4},      {"横", "YOKO_R", 12},   {"横", "YOKO_B", 12},  {"猪", "INO", 14},
    {"銀", "GIN", 5},      {"竪", "TATE_R", 13},   {"竪", "TATE_B", 13},  {"牛", "USI", 15},
    {"金", "KIN", 8},      {"飛", "SYA_R", 17},    {"飛", "SYA_B", 17},   {"龍", "RYUU_R", 22},
    {"龍", "RYUU_B", 22},  {"鷲", "WASI", 25},     {"豹", "HYOU", 9},     {"角", "KAKU_R", 16},
    {"角", "KAKU_B", 16},  {"馬", "UMA_R", 23},    {"馬", "UMA_B", 23},   {"鷹", "TAKA", 24},
    {"鳳", "HOU", 21},     {"奔", "HON_R", 28},    {"奔", "HON_B", 28},   {"反", "HEN", 11},
    {"鯨", "KUJIRA", 19},  {"虎", "TORA", 10},     {"鹿", "SIKA", 18},    {"麒", "KIRIN", 20},
    {"獅", "SISI_R", 27},  {"獅", "SISI_B", 27},   {"仲", "NAKA", 3},     {"象", "ZOU_R", 11},
    {"象", "ZOU_B", 28},   {"太", "TAISI", 29},    {"王", "OU", 30},
}};
// clang-format on

// The material value of a code's kind, by its whole-number part; 0 for the empty square.
constexpr int 駒価値(駒コード c) {
    const int k = whole_kind(c);
    return k <= 最大駒コード ? 駒表[static_cast<std::size_t>(k)].value : 0;
}

// The label of a real code; empty for 0, pseudo codes and anything outside the table.
constexpr std::string_view 駒ラベル(駒コード c) {
    const int a = abs_of(c);
    return a >= 1 && a <= 最大駒コード ? 駒表[static_cast<std::size_t>(a)].label : std::string_view{};
}

// The control name of a real code's picture ("UE_HU", "SITA_SISI_B"); empty when it has none.
std::string 駒画像名(駒コード c);

}  // namespace bexoru
