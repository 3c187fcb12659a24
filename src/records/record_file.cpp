#include "records/record_file.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "board/starting_position.h"
#include "records/record_check.h"

namespace bexoru {

namespace {

// The number right-aligned in a field of the width.
void 欄に書く(std::string& 行, int 値, std::size_t 幅) {
    const std::string 数 = std::to_string(値);
    if (数.size() < 幅) 行.append(幅 - 数.size(), ' ');
    行 += 数;
}

bool 正しいUTF8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int 続き;
        char32_t 最小;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            続き = 1;
            最小 = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            続き = 2;
            最小 = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            続き = 3;
            最小 = 0x10000;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(続き) >= s.size()) return false;
        char32_t 符号 = c & (0x3F >> 続き);
        for (int k = 1; k <= 続き; ++k) {
            const auto d = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((d & 0xC0) != 0x80) return false;
            符号 = (符号 << 6) | (d & 0x3F);
        }
        if (符号 < 最小 || 符号 > 0x10FFFF || (符号 >= 0xD800 && 符号 <= 0xDFFF)) return false;
        i += static_cast<std::size_t>(続き) + 1;
    }
    return true;
}

void UTF8に足す(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Without a converter for code page 932: ASCII and half-width katakana are
// decoded, every other character becomes U+FFFD.
std::string 簡易SJIS復号(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c >= 0xA1 && c <= 0xDF) {
            UTF8に足す(out, 0xFF61 + (c - 0xA1));
        } else {
            if (((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) && i + 1 < s.size()) ++i;
            UTF8に足す(out, 0xFFFD);
        }
    }
    return out;
}

std::string SJIS復号(std::string_view s) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return 簡易SJIS復号(s);
    std::string out;
    std::string in(s);
    char* inp = in.data();
    std::size_t inleft = in.size();
    char buf[256];
    while (inleft > 0) {
        char* outp = buf;
        std::size_t outleft = sizeof buf;
        const std::size_t r = iconv(cd, &inp, &inleft, &outp, &outleft);
        out.append(buf, static_cast<std::size_t>(outp - buf));
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) continue;
            // An invalid or cut-off character: shown as U+FFFD, then go on.
            UTF8に足す(out, 0xFFFD);
            ++inp;
            --inleft;
        }
    }
    iconv_close(cd);
    return out;
}

bool 範囲内(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

// What the 17 columns of an entry line may hold.
bool 記録の文字(char c) {
    return c == ' ' || c == '\t' || c == '-' || c == '+' || (c >= '0' && c <= '9');
}

bool 記録行の形(std::string_view 行) {
    return std::all_of(行.begin(), 行.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(行.size(), 17)),
                       記録の文字);
}

// A line that reads as a step between two squares and holds nothing else.
bool 手の行らしい(std::string_view 行) {
    if (!std::all_of(行.begin(), 行.end(), 記録の文字)) return false;
    const 指し手 手 = 棋譜行解析(行);
    return 盤内(手.移動元X, 手.移動元Y) && 盤内(手.移動先X, 手.移動先Y) && 手.移動駒 != 空;
}

// A text file holds no control characters besides tabs and line ends. The
// trail bytes of Shift-JIS are 0x40 and above and never 0x7F.
bool 制御文字を含む(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return (c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F;
    });
}

bool 盤に収まる(const 指し手& 手) {
    // Columns and rows 0..12 fit the board array (0 comes from blank lines
    // and is never a square); codes are the real codes -39..39.
    for (int v : {手.移動元X, 手.移動元Y, 手.移動先X, 手.移動先Y})
        if (!範囲内(v, 0, 盤サイズ)) return false;
    for (int v : {手.成駒, 手.移動駒, 手.取駒})
        if (!範囲内(v, -39, 39)) return false;
    return true;
}

}  // namespace

std::string 棋譜行(const 指し手& 手) {
    std::string 行;
    欄に書く(行, 手.移動元X, 2);
    欄に書く(行, 手.移動元Y, 2);
    欄に書く(行, 手.移動先X, 2);
    欄に書く(行, 手.移動先Y, 2);
    欄に書く(行, 手.成駒, 3);
    欄に書く(行, 手.移動駒, 3);
    欄に書く(行, 手.取駒, 3);
    return 行;
}

std::string 棋譜見出し(ルール 規則) {
    if (規則 == ルール::標準) return std::string(標準ルール見出し) + "\r\n\r\n\r\n";
    return "\r\n\r\n\r\n";
}

ルール 棋譜の規則(const 棋譜読込結果& 結果) {
    for (const std::string& 行 : 結果.見出し)
        if (行 == 標準ルール見出し) return ルール::標準;
    return ルール::本来;
}

std::string 棋譜テキスト(const 棋譜記録& 記録, ルール 規則) {
    std::string text = 棋譜見出し(規則);
    const int 終端 = std::min(std::max(記録.記録終端, 0), 記録最大);
    for (int n = 1; n <= 終端; ++n) {
        text += 棋譜行(記録.手[static_cast<std::size_t>(n)]);
        text += "\r\n";
    }
    return text;
}

int 欄の値(std::string_view 欄) {
    std::string 詰め;
    for (char c : 欄)
        if (c != ' ' && c != '\t') 詰め += c;
    std::size_t i = 0;
    bool 負 = false;
    if (i < 詰め.size() && (詰め[i] == '-' || 詰め[i] == '+')) 負 = 詰め[i++] == '-';
    long 値 = 0;
    for (; i < 詰め.size() && 詰め[i] >= '0' && 詰め[i] <= '9'; ++i)
        if (値 < 1000000) 値 = 値 * 10 + (詰め[i] - '0');
    return static_cast<int>(負 ? -値 : 値);
}

指し手 棋譜行解析(std::string_view 行) {
    auto 欄 = [&](std::size_t from, std::size_t width) {
        return from >= 行.size() ? 0 : 欄の値(行.substr(from, width));
    };
    指し手 手;
    手.移動元X = 欄(0, 2);
    手.移動元Y = 欄(2, 2);
    手.移動先X = 欄(4, 2);
    手.移動先Y = 欄(6, 2);
    手.成駒 = 欄(8, 3);
    手.移動駒 = 欄(11, 3);
    手.取駒 = 欄(14, 3);
    return 手;
}

std::string 文字列復号(std::string_view 行) {
    if (行.starts_with("\xEF\xBB\xBF")) 行.remove_prefix(3);
    if (正しいUTF8(行)) return std::string(行);
    return SJIS復号(行);
}

棋譜読込結果 棋譜解析(std::string_view bytes) {
    棋譜読込結果 結果;
    if (bytes.find('\0') != std::string_view::npos || 制御文字を含む(bytes)) {
        結果.不備 = 棋譜不備::文書でない;
        return 結果;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);

    std::vector<std::string_view> 行々;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            行々.push_back(bytes.substr(start));
            break;
        }
        行々.push_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }

    for (std::size_t i = 0; i < 3 && i < 行々.size(); ++i) {
        if (手の行らしい(行々[i])) {
            結果.不備 = 棋譜不備::見出しがない;
            結果.不備行 = static_cast<int>(i) + 1;
            return 結果;
        }
        結果.見出し[i] = 文字列復号(行々[i]);
    }
    for (std::size_t i = 3; i < 行々.size(); ++i) {
        const int 行番号 = static_cast<int>(i) + 1;
        if (結果.手々.size() >= static_cast<std::size_t>(記録最大)) {
            if (行々[i].find_first_not_of(" \t") == std::string_view::npos) continue;
            結果.不備 = 棋譜不備::多すぎる;
            結果.不備行 = 行番号;
            結果.手々.clear();
            return 結果;
        }
        const 指し手 手 = 棋譜行解析(行々[i]);
        if (!記録行の形(行々[i]) || !盤に収まる(手)) {
            結果.不備 = 棋譜不備::値が不正;
            結果.不備行 = 行番号;
            結果.手々.clear();
            return 結果;
        }
        結果.手々.push_back(手);
    }
    if (std::all_of(結果.手々.begin(), 結果.手々.end(), [](const 指し手& 手) { return 手 == 指し手{}; })) {
        結果.不備 = 棋譜不備::手がない;
        結果.手々.clear();
    }
    return 結果;
}

棋譜読込結果 棋譜ファイル読込(const std::filesystem::path& path, std::optional<ルール> 規則) {
    棋譜読込結果 結果;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        結果.不備 = 棋譜不備::開けない;
        return 結果;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        結果.不備 = 棋譜不備::開けない;
        return 結果;
    }
    std::string bytes(棋譜ファイル上限 + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        結果.不備 = 棋譜不備::開けない;
        return 結果;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > 棋譜ファイル上限) {
        結果.不備 = 棋譜不備::大きすぎる;
        return 結果;
    }
    結果 = 棋譜解析(bytes);
    if (結果.不備 != 棋譜不備::なし) return 結果;
    盤面型 初形;
    初期配置(初形);
    棋譜照合(結果, 初形, 規則.value_or(棋譜の規則(結果)));
    return 結果;
}

既存棋譜 既存棋譜の有無(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT ? 既存棋譜::ない : 既存棋譜::ファイルでない;
    if (!S_ISREG(st.st_mode)) return 既存棋譜::ファイルでない;
    // The mode bits as well: the superuser may write anything, yet a file
    // without a write bit was protected on purpose.
    if (::access(path.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0) return 既存棋譜::書込禁止;
    return 既存棋譜::ある;
}

bool 棋譜ファイル書込(const std::filesystem::path& path, std::string_view text, std::string& 理由) {
    // The system would cut the path at a NUL and write somewhere else.
    if (path.native().find('\0') != std::string::npos) {
        理由 = std::strerror(EINVAL);
        return false;
    }
    if (既存棋譜の有無(path) == 既存棋譜::書込禁止) {
        理由 = std::strerror(EACCES);
        return false;
    }
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string 仮名 = (folder / ".bexoru-kifu-XXXXXX").string();
    const int fd = ::mkstemp(仮名.data());
    if (fd < 0) {
        理由 = std::strerror(errno);
        return false;
    }
    auto 失敗 = [&](int err) {
        理由 = std::strerror(err);
        ::close(fd);
        ::unlink(仮名.c_str());
        return false;
    };

    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return 失敗(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return 失敗(errno);

    // The new file gets the mode of the one it replaces, or what a newly
    // created file would get.
    struct stat st {};
    mode_t mode;
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0) return 失敗(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(仮名.c_str());
        理由 = std::strerror(err);
        return false;
    }
    if (::rename(仮名.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(仮名.c_str());
        理由 = std::strerror(err);
        return false;
    }
    return true;
}

}  // namespace bexoru
