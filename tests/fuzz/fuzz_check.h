#pragma once
// What the fuzz targets share: a check that stops the run with a message
// (libFuzzer saves the input that broke it), and an independent test that a
// text may go to a terminal as it is.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "board/board.h"

namespace bexoru::fuzz {

[[noreturn]] inline void broken(const char* promise) {
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

inline void require(bool holds, const char* promise) {
    if (!holds) broken(promise);
}

// Well-formed UTF-8: shortest forms, no surrogates, nothing past U+10FFFF;
// without C0 or C1 controls or DEL unless they are allowed.
inline bool well_formed_utf8(std::string_view s, bool controls_allowed) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        char32_t code = 0, least = 0;
        if (c < 0x80) {
            n = 1, code = c;
        } else if (c >= 0xC2 && c <= 0xDF) {
            n = 2, code = c & 0x1Fu, least = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 3, code = c & 0x0Fu, least = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 4, code = c & 0x07u, least = 0x10000;
        } else {
            return false;
        }
        if (i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            code = (code << 6) | (d & 0x3Fu);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        if (!controls_allowed && (code < 0x20 || (code >= 0x7F && code <= 0x9F))) return false;
        i += n;
    }
    return true;
}

// A folder of this run's own for the files a target writes, removed when the
// run ends; in memory where the machine offers it, as the files are written
// at every input.
inline const std::filesystem::path& scratch_folder() {
    static const std::filesystem::path path = [] {
        std::error_code ec;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string name = (base / "bexoru-fuzz-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr) broken("a scratch folder can be made");
        return std::filesystem::path(name);
    }();
    // Registered after the path is built, so it runs before the path is destroyed.
    static const bool removed_at_exit = std::atexit([] {
                                            std::error_code ec;
                                            std::filesystem::remove_all(scratch_folder(), ec);
                                        }) == 0;
    (void)removed_at_exit;
    return path;
}

// Nothing in the text can start an escape sequence on a terminal.
inline bool terminal_safe(std::string_view s) {
    return well_formed_utf8(s, false);
}

inline void require_real_codes(const 盤面型& board) {
    for (int X = 0; X <= 盤サイズ; ++X)
        for (int Y = 0; Y <= 盤サイズ; ++Y)
            require(board(X, Y) >= -最大駒コード && board(X, Y) <= 最大駒コード, "the board holds real codes only");
}

}  // namespace bexoru::fuzz
