#include "settings/settings_file.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <system_error>

namespace bexoru {

namespace {

constexpr std::string_view キー_移動指導 = "移動指導";
// The same key as the Windows program wrote it, in Shift-JIS.
constexpr std::string_view キー_移動指導_SJIS = "\x88\xda\x93\xae\x8e\x77\x93\xb1";
constexpr std::string_view キー_BGM = "BGM";
constexpr std::string_view 値_ON = "ON";
// A settings file is two short lines; anything past this is not read.
constexpr std::size_t 読込上限 = 64 * 1024;

std::string_view 行末を除く(std::string_view 行) {
    while (!行.empty() && (行.back() == '\r' || 行.back() == '\n')) 行.remove_suffix(1);
    return 行;
}

}  // namespace

環境設定読込結果 環境設定を読む(const std::filesystem::path& file) {
    環境設定読込結果 結果;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return 結果;
    結果.存在 = true;
    if (std::filesystem::is_directory(file, ec)) return 結果;

    std::ifstream in(file, std::ios::binary);
    if (!in) return 結果;
    std::string 全文(読込上限, '\0');
    in.read(全文.data(), static_cast<std::streamsize>(全文.size()));
    if (in.bad()) return 結果;
    全文.resize(static_cast<std::size_t>(in.gcount()));
    結果.読込成功 = true;

    std::string_view 残り = 全文;
    if (残り.starts_with("\xef\xbb\xbf")) 残り.remove_prefix(3);
    while (!残り.empty()) {
        const std::size_t 改行 = 残り.find('\n');
        const std::string_view 行 = 行末を除く(残り.substr(0, 改行));
        残り = 改行 == std::string_view::npos ? std::string_view{} : 残り.substr(改行 + 1);

        const std::size_t 等号 = 行.find('=');
        if (等号 == std::string_view::npos) continue;
        const std::string_view キー = 行.substr(0, 等号);
        const std::string_view 値 = 行.substr(等号 + 1);
        if (キー == キー_移動指導 || キー == キー_移動指導_SJIS)
            結果.設定.移動指導 = 値 == 値_ON;
        else if (キー == キー_BGM)
            結果.設定.BGM = 値 == 値_ON;
    }
    return 結果;
}

std::string 環境設定の文(const 環境設定& 設定) {
    std::string 文;
    文 += 設定.移動指導 ? "移動指導=ON\r\n" : "移動指導=OFF\r\n";
    文 += 設定.BGM ? "BGM=ON\r\n" : "BGM=OFF\r\n";
    return 文;
}

bool 環境設定を書く(const std::filesystem::path& file, const 環境設定& 設定) {
    std::filesystem::path 一時 = file;
    一時 += ".tmp" + std::to_string(::getpid());

    const std::string 文 = 環境設定の文(設定);
    std::FILE* f = std::fopen(一時.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(文.data(), 1, 文.size(), f) == 文.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(::fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;

    std::error_code ec;
    if (ok) {
        std::filesystem::rename(一時, file, ec);
        ok = !ec;
    }
    if (!ok) std::filesystem::remove(一時, ec);
    return ok;
}

}  // namespace bexoru
