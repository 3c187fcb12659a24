#include "records/record_name.h"

namespace bexoru {

namespace {

// C0 controls, DEL, and the C1 controls U+0080..U+009F as UTF-8.
bool 制御文字を含む(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x20 || c == 0x7F) return true;
        if (c == 0xC2 && i + 1 < s.size()) {
            const auto d = static_cast<unsigned char>(s[i + 1]);
            if (d >= 0x80 && d <= 0x9F) return true;
        }
    }
    return false;
}

bool 空白だけ(std::string_view s) {
    constexpr std::string_view 全角空白 = "\u3000";
    while (!s.empty()) {
        if (s.front() == ' ') {
            s.remove_prefix(1);
        } else if (s.starts_with(全角空白)) {
            s.remove_prefix(全角空白.size());
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::string_view> 棋譜名の不備(std::string_view 名) {
    if (名.empty()) return std::nullopt;
    if (名.find('/') != std::string_view::npos) return "ﾌｧｲﾙ名に '/' は使えません";
    if (制御文字を含む(名)) return "ﾌｧｲﾙ名に制御文字は使えません";
    if (空白だけ(名)) return "ﾌｧｲﾙ名が空白だけです";
    if (名.front() == '.') return "ﾌｧｲﾙ名の先頭に '.' は使えません";
    return std::nullopt;
}

}  // namespace bexoru
