#include "play/game_clock.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace bexoru {

void 対局時計::新規(const 持ち時間設定& 設定) {
    *this = 対局時計{};
    設定_ = 設定;
}

void 対局時計::動かす(int 軍, double 今) {
    if (動軍_ != 0) 側の(動軍_).消費 += std::max(0.0, 今 - 開始_);
    動軍_ = 軍;
    開始_ = 今;
    if (軍 != 0) 始動済_ = true;
}

void 対局時計::着手(int 軍, double 今) {
    if (動軍_ == 軍) 止める(今);
    if (軍 != 0) 側の(軍).手前消費 = 側の(軍).消費;
}

void 対局時計::手を改める() {
    上_.手前消費 = 上_.消費;
    下_.手前消費 = 下_.消費;
}

double 対局時計::消費(int 軍, double 今) const {
    const double 今の手 = 軍 == 動軍_ && 軍 != 0 ? std::max(0.0, 今 - 開始_) : 0.0;
    return 側の(軍).消費 + 今の手;
}

double 対局時計::限度(const 側& s) const {
    // The byoyomi starts when the main time runs out, also within a move.
    return std::max(static_cast<double>(設定_.持ち時間), s.手前消費) + 設定_.秒読み;
}

double 対局時計::残り持ち時間(int 軍, double 今) const {
    return std::max(0.0, 設定_.持ち時間 - 消費(軍, 今));
}

double 対局時計::この手の残り(int 軍, double 今) const {
    if (!設定_.有り()) return std::numeric_limits<double>::infinity();
    return std::max(0.0, 限度(側の(軍)) - 消費(軍, 今));
}

bool 対局時計::秒読み中(int 軍, double 今) const {
    return 設定_.秒読み > 0 && 消費(軍, 今) >= 設定_.持ち時間;
}

std::optional<int> 対局時計::切れた軍(double 今) const {
    if (!設定_.有り()) return std::nullopt;
    for (const int 軍 : {1, -1})
        if (消費(軍, 今) >= 限度(側の(軍))) return 軍;
    return std::nullopt;
}

std::string 時間の表記(double 秒, bool 切り上げ) {
    const double 丸め = 切り上げ ? std::ceil(秒 - 1e-9) : std::floor(秒 + 1e-9);
    const long long 全 = std::max(0LL, static_cast<long long>(丸め));
    const long long 時 = 全 / 3600, 分 = 全 / 60 % 60, s = 全 % 60;
    auto 二桁 = [](long long n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    if (時 > 0) return std::to_string(時) + ":" + 二桁(分) + ":" + 二桁(s);
    return std::to_string(分) + ":" + 二桁(s);
}

時計の表示 時計の表記(const 対局時計& 時計, int 軍, std::string_view 名, double 今) {
    時計の表示 out;
    const std::string 頭 = std::string(名) + " ";
    const double 消費 = 時計.消費(軍, 今);
    if (!時計.設定().有り()) {
        out.行 = 頭 + "消費 " + 時間の表記(消費, false);
        return out;
    }
    out.消費行 = "消費 " + 時間の表記(消費, false);
    if (時計.秒読み中(軍, 今)) {
        out.行 = 頭 + "秒読み " + std::to_string(static_cast<long long>(std::ceil(時計.この手の残り(軍, 今) - 1e-9)));
        out.急ぎ = true;
    } else {
        out.行 = 頭 + "残り " + 時間の表記(時計.残り持ち時間(軍, 今), true);
    }
    return out;
}

}  // namespace bexoru
