#include "records/board_text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <istream>

namespace bexoru {

namespace {

constexpr std::string_view kBlanks = " \t";
// Editors may start a UTF-8 text with this mark; it is read as nothing.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the well-formed UTF-8 character at the start of `s` (the
// shortest form of a code point up to U+10FFFF, no surrogate), or 0; its code
// point in `code`.
std::size_t utf8_length(std::string_view s, char32_t& code) {
    const auto lead = static_cast<unsigned char>(s[0]);
    const std::size_t n = lead < 0x80           ? 1
                          : (lead >> 5) == 0x6  ? 2
                          : (lead >> 4) == 0xE  ? 3
                          : (lead >> 3) == 0x1E ? 4
                                                : 0;
    if (n == 0 || n > s.size()) return 0;
    code = n == 1 ? lead : lead & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return 0;
        code = (code << 6) | (b & 0x3F);
    }
    constexpr char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < shortest[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return n;
}

// Characters that must not reach a terminal as they are: the C0 and C1
// controls and DEL (escape sequences start with them), the line and paragraph
// separators and bidirectional controls, which break a one-line message or
// reorder what it shows, and the invisible byte-order mark.
bool unprintable(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

std::string shown(std::string_view text) {
    return printable_excerpt(text, 16);
}

// An optional sign followed by at least one digit and nothing else. Long digit
// strings saturate far outside every range we check, so they cannot overflow.
std::optional<long> whole_number(std::string_view t) {
    std::size_t i = 0;
    bool negative = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        negative = t[0] == '-';
        i = 1;
    }
    if (i == t.size()) return std::nullopt;
    long v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return std::nullopt;
        v = std::min(v * 10 + (t[i] - '0'), 1'000'000L);
    }
    return negative ? -v : v;
}

bool is_comment(std::string_view line) {
    const std::size_t first = line.find_first_not_of(kBlanks);
    return first != std::string_view::npos && line[first] == '#';
}

// Takes the text one line at a time (without its '\n') and fills the board
// row by row; remembers the first error and ignores everything after it.
class BoardTextReader {
public:
    // `head` is the whole line, or its first board_text_max_line characters
    // when `overlong` is set. Returns false once the text is refused.
    bool take_line(std::string_view head, bool overlong) {
        ++line_;
        if (line_ == 1 && head.starts_with(kByteOrderMark)) head.remove_prefix(kByteOrderMark.size());
        if (!head.empty() && head.back() == '\r' && !overlong) head.remove_suffix(1);
        if (is_comment(head)) return true;
        if (overlong) return fail("longer than " + std::to_string(board_text_max_line) + " characters");
        const std::size_t first = head.find_first_not_of(kBlanks);
        if (first == std::string_view::npos) return true;
        if (rows_ == 盤サイズ) return fail("more than 12 rows; the board has 12");

        std::array<駒コード, 盤サイズ> row{};
        int count = 0;
        std::size_t pos = first;
        while (pos != std::string_view::npos) {
            const std::size_t end = std::min(head.find_first_of(kBlanks, pos), head.size());
            const std::string_view token = head.substr(pos, end - pos);
            ++count;
            const std::string where = "number " + std::to_string(count) + ": ";
            const auto v = whole_number(token);
            if (!v) return fail(where + "'" + shown(token) + "' is not a whole number");
            if (*v < -最大駒コード || *v > 最大駒コード)
                return fail(where + shown(token) + " is not a piece code (-39..39)");
            if (count <= 盤サイズ) row[static_cast<std::size_t>(count - 1)] = static_cast<駒コード>(*v);
            pos = head.find_first_not_of(kBlanks, end);
        }
        if (count != 盤サイズ) return fail("expected 12 numbers, found " + std::to_string(count));
        ++rows_;
        for (int X = 1; X <= 盤サイズ; ++X) board_(X, rows_) = row[static_cast<std::size_t>(X - 1)];
        return true;
    }

    BoardTextResult finish() {
        if (!error_ && rows_ < 盤サイズ) {
            error_ =
                BoardTextError{line_ + 1, "the text ends after " + std::to_string(rows_) + " rows; the board has 12"};
        }
        BoardTextResult result;
        if (error_)
            result.error = error_;
        else
            result.board = board_;
        return result;
    }

private:
    bool fail(std::string message) {
        error_ = BoardTextError{line_, std::move(message)};
        return false;
    }

    int line_ = 0;
    int rows_ = 0;
    盤面型 board_{};
    std::optional<BoardTextError> error_;
};

}  // namespace

BoardTextResult parse_board_text(std::string_view text) {
    BoardTextReader reader;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        const bool overlong = line.size() > board_text_max_line;
        if (!reader.take_line(overlong ? line.substr(0, board_text_max_line) : line, overlong)) break;
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return reader.finish();
}

BoardTextResult parse_board_text(std::istream& in) {
    BoardTextReader reader;
    std::streambuf* buf = in.rdbuf();
    std::string line;
    while (buf != nullptr) {
        line.clear();
        bool overlong = false;
        bool any = false;
        int ch = 0;
        while ((ch = buf->sbumpc()) != EOF && ch != '\n') {
            any = true;
            if (line.size() < board_text_max_line) {
                line += static_cast<char>(ch);
            } else {
                overlong = true;
                if (!is_comment(line)) break;  // refused anyway: read no further
            }
        }
        if (!any && ch == EOF) break;  // the text ended with its last line break
        if (!reader.take_line(line, overlong)) break;
        if (ch == EOF) break;
    }
    return reader.finish();
}

std::string printable_excerpt(std::string_view text, std::size_t max_chars) {
    std::string s;
    std::size_t i = 0;
    for (std::size_t chars = 0; i < text.size() && chars < max_chars; ++chars) {
        char32_t code = 0;
        const std::size_t n = utf8_length(text.substr(i), code);
        if (n == 0 || unprintable(code))
            s += '?';
        else
            s.append(text.substr(i, n));
        i += std::max<std::size_t>(n, 1);
    }
    if (i < text.size()) s += "...";
    return s;
}

std::string format_grid_cell(int value) {
    std::string s = std::to_string(value);
    return s.size() < 4 ? std::string(4 - s.size(), ' ') + s : " " + s;
}

std::string format_board_text(const 盤面型& board) {
    return format_grid([&](int X, int Y) { return board(X, Y); });
}

std::optional<駒コード> parse_piece_code(std::string_view text) {
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos) {
        const auto v = whole_number(text);
        if (!v || *v < -最大駒コード || *v > 最大駒コード) return std::nullopt;
        return static_cast<駒コード>(*v);
    }
    const auto whole = whole_number(text.substr(0, dot));
    const std::string_view tenth = text.substr(dot + 1);
    if (!whole || tenth.size() != 1 || tenth[0] < '0' || tenth[0] > '9') return std::nullopt;
    const int code = static_cast<int>(std::labs(*whole)) * 10 + (tenth[0] - '0');
    if (code != 擬_鷲一 && code != 擬_鷲二 && code != 擬_鷹 && code != 擬_獅成 && code != 擬_獅) return std::nullopt;
    return text[0] == '-' ? -code : code;
}

std::string format_piece_code(駒コード c) {
    if (!is_pseudo(c)) return std::to_string(c);
    const int a = std::abs(c);
    return (c < 0 ? "-" : "") + std::to_string(a / 10) + "." + std::to_string(a % 10);
}

}  // namespace bexoru
