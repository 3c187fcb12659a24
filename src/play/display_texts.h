#pragma once
// The fixed texts the window prints: numerals for the coordinates and the
// last-move text, and the grade captions of the handicap display.

#include <string_view>

namespace bexoru {

// "一" .. "十二" for 1..12; empty for anything else.
std::string_view 漢数字(int n);

// The full-width digits "１" .. "９" for 1..9; empty for anything else.
std::string_view 全角数字(int n);

// The side panel's caption under the standard rules, and the names of the
// two rule sets in the menu and its messages.
inline constexpr std::string_view 規則表示_標準 = "標準ルール";
inline constexpr std::string_view 規則名_本来 = "本来ルール";
inline constexpr std::string_view 規則名_標準 = "標準ルール";
// A rule set chosen during a game: "対局中はルールを変えられません。次の対局から"
// and the rule set's name, then "で指します".
inline constexpr std::string_view 規則変更_題 = "ルール";
inline constexpr std::string_view 規則変更_文 = "対局中はルールを変えられません。次の対局から";

// The value of 表示文字列 that stands for "手目", after the move number.
inline constexpr int 手目値 = 99;

// The caption printed by 描画_文字列: the handicap grades for -10..10
// ("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級" for 0) and "手目" for 手目値; empty for anything else.
std::string_view 表示文字列(int value);

}  // namespace bexoru
