// The その他 menu: the help page and the about box. Neither touches the game,
// so both stay free while the computer thinks.

#include <system_error>

#include "play/form1.h"
#include "play/help_page.h"

namespace bexoru {

std::string ファイルURL(const std::filesystem::path& 絶対パス) {
    static constexpr char 十六進[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char8_t c : 絶対パス.generic_u8string()) {
        const auto b = static_cast<unsigned char>(c);
        const bool そのまま = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' ||
                              b == '.' || b == '_' || b == '~' || b == '/';
        if (そのまま) {
            url += static_cast<char>(b);
        } else {
            url += '%';
            url += 十六進[b >> 4];
            url += 十六進[b & 0x0f];
        }
    }
    return url;
}

// A missing page is the browser's to report; any other failure ends the command silently.
void Form1::KAISETU_Click() {
    std::error_code ec;
    const std::filesystem::path ページ =
        std::filesystem::absolute(起動フォルダ / std::filesystem::path(std::string(ヘルプページ名)), ec);
    if (ec) return;
    port.openUrl(ファイルURL(ページ));
}

void Form1::VER_Click() {
    描画.描画_可視(false, false, false);
    描画.描画_棋譜_IO(棋譜IO::非表示);
    音.鳴らす(音.音_その他);
    モーダルで([this] { port.showAbout(); });
}

}  // namespace bexoru
