#include "play/display_texts.h"

#include <array>
#include <cstddef>

namespace bexoru {

namespace {

constexpr std::array<std::string_view, 13> k漢数字 = {
    "", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二",
};

constexpr std::array<std::string_view, 10> k全角数字 = {
    "", "１", "２", "３", "４", "５", "６", "７", "８", "９",
};

// Grades from -10 (the strongest handicap for the lower army) to +10.
constexpr std::array<std::string_view, 21> k段級 = {
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級",
};

constexpr int 段級最小 = -10;

}  // namespace

std::string_view 漢数字(int n) {
    return n >= 1 && n <= 12 ? k漢数字[static_cast<std::size_t>(n)] : std::string_view{};
}

std::string_view 全角数字(int n) {
    return n >= 1 && n <= 9 ? k全角数字[static_cast<std::size_t>(n)] : std::string_view{};
}

std::string_view 表示文字列(int value) {
    if (value == 手目値) return "手目";
    const int i = value - 段級最小;
    return i >= 0 && i < static_cast<int>(k段級.size()) ? k段級[static_cast<std::size_t>(i)] : std::string_view{};
}

}  // namespace bexoru
