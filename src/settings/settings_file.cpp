#include "settings/settings_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <system_error>

namespace bexoru {

namespace {

constexpr std::string_view キー_移動指導 = "移動指導";
// The same key as the Windows program wrote it, in Shift-JIS.
constexpr std::string_view キー_移動指導_SJIS = "\x88\xda\x93\xae\x8e\x77\x93\xb1";
constexpr std::string_view キー_BGM = "BGM";
constexpr std::string_view キー_COMレベル = "COMレベル";
constexpr std::string_view キー_棋譜一覧 = "棋譜一覧";
constexpr std::string_view キー_補助表示 = "補助表示";
constexpr std::string_view キー_英語 = "English";
constexpr std::string_view キー_持ち時間 = "持ち時間";
constexpr std::string_view 値_ON = "ON";
constexpr std::string_view 値_OFF = "OFF";
constexpr std::string_view キー_ルール = "ルール";
constexpr std::string_view 値_標準 = "標準";
// A settings file is three short lines; anything past this is not read.
constexpr std::size_t 読込上限 = 64 * 1024;

std::string_view 行末を除く(std::string_view 行) {
    while (!行.empty() && (行.back() == '\r' || 行.back() == '\n')) 行.remove_suffix(1);
    return 行;
}

// A level is one digit from 最低レベル to 最高設定レベル, nothing around it.
int レベルの値(std::string_view 値) {
    if (値.size() == 1 && 値[0] >= '0' + 最低レベル && 値[0] <= '0' + 最高設定レベル) return 値[0] - '0';
    return 既定レベル;
}

// A count of seconds: 1 to 5 digits, no sign or spaces, at most 上限.
std::optional<int> 秒数(std::string_view 値, int 上限) {
    if (値.empty() || 値.size() > 5) return std::nullopt;
    int n = 0;
    for (const char c : 値) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n > 上限) return std::nullopt;
    return n;
}

// "M+B"; anything else is no time control.
void 持ち時間の値(std::string_view 値, 環境設定& 設定) {
    設定.持ち時間 = 設定.秒読み = 0;
    const std::size_t 加 = 値.find('+');
    if (加 == std::string_view::npos) return;
    const auto 主 = 秒数(値.substr(0, 加), 最長持ち時間);
    const auto 読 = 秒数(値.substr(加 + 1), 最長秒読み);
    if (!主 || !読) return;
    設定.持ち時間 = *主;
    設定.秒読み = *読;
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
    結果.設定 = 環境設定を解釈(全文);
    return 結果;
}

環境設定 環境設定を解釈(std::string_view 残り) {
    // The music plays only when the file asks for it.
    環境設定 設定{.移動指導 = false, .BGM = false};
    if (残り.size() > 読込上限) 残り = 残り.substr(0, 読込上限);
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
            設定.移動指導 = 値 == 値_ON;
        else if (キー == キー_BGM)
            設定.BGM = 値 == 値_ON;
        else if (キー == キー_COMレベル)
            設定.COMレベル = レベルの値(値);
        else if (キー == キー_棋譜一覧)
            設定.棋譜一覧 = 値 != 値_OFF;
        else if (キー == キー_補助表示)
            設定.補助表示 = 値 != 値_OFF;
        else if (キー == キー_英語)
            設定.英語 = 値 == 値_ON;
        else if (キー == キー_持ち時間)
            持ち時間の値(値, 設定);
        else if (キー == キー_ルール)
            設定.標準ルール = 値 == 値_標準;
    }
    return 設定;
}

std::string 環境設定の文(const 環境設定& 設定) {
    std::string 文;
    文 += 設定.移動指導 ? "移動指導=ON\r\n" : "移動指導=OFF\r\n";
    文 += 設定.BGM ? "BGM=ON\r\n" : "BGM=OFF\r\n";
    文 += std::string(キー_COMレベル) + "=" + std::to_string(設定.COMレベル) + "\r\n";
    文 += std::string(キー_棋譜一覧) + (設定.棋譜一覧 ? "=ON\r\n" : "=OFF\r\n");
    文 += std::string(キー_補助表示) + (設定.補助表示 ? "=ON\r\n" : "=OFF\r\n");
    if (設定.英語) 文 += std::string(キー_英語) + "=ON\r\n";
    if (設定.持ち時間 > 0 || 設定.秒読み > 0)
        文 += std::string(キー_持ち時間) + "=" + std::to_string(設定.持ち時間) + "+" + std::to_string(設定.秒読み) +
              "\r\n";
    if (設定.標準ルール) 文 += std::string(キー_ルール) + "=" + std::string(値_標準) + "\r\n";
    return 文;
}

bool 環境設定を書く(const std::filesystem::path& file, const 環境設定& 設定) {
    // mkstemp makes a new file of its own (O_EXCL): a link or file someone
    // left under a foreseeable name can neither be followed nor overwritten.
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    std::string 一時 = (folder / ".bexoru-ini-XXXXXX").string();
    const int fd = ::mkstemp(一時.data());
    if (fd < 0) return false;

    const std::string 文 = 環境設定の文(設定);
    bool ok = true;
    for (std::size_t done = 0; ok && done < 文.size();) {
        const ssize_t n = ::write(fd, 文.data() + done, 文.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    // The new file gets the mode of the one it replaces, or what a newly
    // created file would get (mkstemp makes it readable by its owner only).
    struct stat st {};
    mode_t mode;
    if (::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ok = ok && ::fchmod(fd, mode) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(一時.c_str(), file.c_str()) == 0;
    if (!ok) ::unlink(一時.c_str());
    return ok;
}

}  // namespace bexoru
