#include "exchange/notation.h"

#include <array>
#include <charconv>
#include <vector>

#include "board/starting_position.h"
#include "records/board_text.h"

namespace bexoru::exchange {

namespace {

// Indexed by the absolute code: every promoted code is '+' and the letter of
// the code one below it, the code it promotes from.
// clang-format off
constexpr std::array<std::string_view, 最大駒コード + 1> letters_of{
    "",
    "P", "+P", "L", "+L", "C", "+C", "M", "+M", "S", "+S", "V", "+V", "G", "+G", "R", "+R",
    "D", "+D", "F", "+F", "B", "+B", "H", "+H", "X", "+X", "Q", "A", "+A", "T", "+T",
    "O", "+O", "N", "I", "+I", "E", "+E", "K",
};
// clang-format on

char lower_case(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
char upper_case(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::vector<std::string_view> fields_of(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
        const std::size_t start = i;
        while (i < text.size() && !(text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
        if (i > start) out.push_back(text.substr(start, i - start));
    }
    return out;
}

std::optional<int> whole_number(std::string_view text, int from, int to) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc{} || end != text.data() + text.size() || v < from || v > to) return std::nullopt;
    return v;
}

DiagramResult refused(std::string message) {
    DiagramResult r;
    r.error = NotationError{std::move(message)};
    return r;
}

// Reads the board field into r.diagram.board; false with r.error set when it is wrong.
bool read_board(std::string_view field, DiagramResult& r) {
    int rank = 1, X = 1;
    const auto fail = [&](std::size_t at, const std::string& what) {
        r.error = NotationError{"rank " + std::to_string(rank) + " (character " + std::to_string(at + 1) +
                                " of the board): " + what};
        return false;
    };
    for (std::size_t i = 0; i < field.size();) {
        const char c = field[i];
        if (c == '/') {
            if (X != 盤サイズ + 1) return fail(i, "the rank has " + std::to_string(X - 1) + " squares, not 12");
            if (rank == 盤サイズ) return fail(i, "more than 12 ranks");
            ++rank;
            X = 1;
            ++i;
            continue;
        }
        if (c >= '0' && c <= '9') {
            std::size_t j = i;
            while (j < field.size() && field[j] >= '0' && field[j] <= '9' && j - i < 3) ++j;
            const auto run = whole_number(field.substr(i, j - i), 1, 盤サイズ + 1 - X);
            if (!run || field[i] == '0') return fail(i, "a run of empty squares past the end of the rank");
            X += *run;
            i = j;
            continue;
        }
        const std::size_t start = i;
        if (c == '+') ++i;
        if (i >= field.size()) return fail(start, "'+' with no piece letter after it");
        const char letter = field[i];
        const std::string name{std::string(c == '+' ? "+" : "") + upper_case(letter)};
        const auto code = piece_of_letters(name);
        if (!code || !((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z')))
            return fail(start, "no piece is written " + excerpt(field.substr(start, i + 1 - start)));
        if (X > 盤サイズ) return fail(start, "more than 12 squares");
        r.diagram.board(X, rank) = letter >= 'a' ? -*code : *code;
        ++X;
        ++i;
    }
    if (rank != 盤サイズ) return fail(field.size(), "the board has " + std::to_string(rank) + " ranks, not 12");
    if (X != 盤サイズ + 1) return fail(field.size(), "the rank has " + std::to_string(X - 1) + " squares, not 12");
    for (int Xc = 1; Xc <= 盤サイズ; ++Xc) {
        const 駒コード top = r.diagram.board(Xc, 1), bottom = r.diagram.board(Xc, 盤サイズ);
        if (top == -駒::歩 || top == -駒::香 || bottom == 駒::歩 || bottom == 駒::香) {
            r.error = NotationError{"an unpromoted Pawn or Lance on its army's last rank (it must have promoted)"};
            return false;
        }
    }
    return true;
}

}  // namespace

std::string piece_letters(駒コード c) {
    const int a = abs_of(c);
    if (a < 1 || a > 最大駒コード) return {};
    std::string s{letters_of[static_cast<std::size_t>(a)]};
    if (c > 0) s.back() = lower_case(s.back());
    return s;
}

std::optional<駒コード> piece_of_letters(std::string_view letters) {
    if (letters.empty() || letters.size() > 2) return std::nullopt;
    const char last = letters.back();
    const bool upper = last >= 'a' && last <= 'z';
    std::string key{letters};
    key.back() = upper_case(last);
    for (int a = 1; a <= 最大駒コード; ++a)
        if (letters_of[static_cast<std::size_t>(a)] == key) return upper ? a : -a;
    return std::nullopt;
}

Diagram start_diagram() {
    Diagram s;
    初期配置(s.board);
    return s;
}

std::string board_field(const 盤面型& board) {
    std::string out;
    for (int Y = 1; Y <= 盤サイズ; ++Y) {
        if (Y > 1) out += '/';
        int empty = 0;
        for (int X = 1; X <= 盤サイズ; ++X) {
            const std::string p = piece_letters(board(X, Y));
            if (p.empty()) {
                ++empty;
                continue;
            }
            if (empty > 0) out += std::to_string(empty);
            empty = 0;
            out += p;
        }
        if (empty > 0) out += std::to_string(empty);
    }
    return out;
}

std::string to_sfen(const Diagram& s) {
    const std::string hand = s.lion_taken ? usi_square(*s.lion_taken) : "-";
    return board_field(s.board) + (s.side == lower_army ? " b " : " w ") + hand + ' ' + std::to_string(s.move_number);
}

std::string to_xboard_fen(const Diagram& s) {
    const int full = std::max(1, (s.move_number + 1) / 2);
    return board_field(s.board) + (s.side == lower_army ? " w - 0 " : " b - 0 ") + std::to_string(full);
}

DiagramResult parse_sfen(std::string_view text) {
    const std::vector<std::string_view> f = fields_of(text);
    if (f.size() < 2)
        return refused("an SFEN has a board and the side to move (then '-' and the move number), not " +
                       std::to_string(f.size()) + " field" + (f.size() == 1 ? "" : "s"));
    if (f.size() > 4) return refused("an SFEN has at most 4 fields; the 5th is " + excerpt(f[4]));
    DiagramResult r;
    if (!read_board(f[0], r)) {
        r.diagram = {};
        return r;
    }
    if (f[1] != "b" && f[1] != "w") return refused("the side to move is 'b' or 'w', not " + excerpt(f[1]));
    r.diagram.side = f[1] == "b" ? lower_army : upper_army;
    if (f.size() >= 3 && f[2] != "-") {
        const auto square = read_usi_square(f[2]);
        if (!square || square->second != f[2].size())
            return refused("Chu Shogi has no pieces in hand: the hand field is '-' or the square of a Lion just "
                           "taken, not " +
                           excerpt(f[2]));
        const 桝位置 at = square->first;
        if (r.diagram.board(at.X, at.Y) * r.diagram.side >= 0)
            return refused("the square of the Lion just taken, " + excerpt(f[2]) +
                           ", holds no piece of the army that moved last");
        r.diagram.lion_taken = at;
    }
    if (f.size() == 4) {
        const auto n = whole_number(f[3], 1, 1'000'000);
        if (!n) return refused("the move number is a whole number from 1, not " + excerpt(f[3]));
        r.diagram.move_number = *n;
    }
    return r;
}

DiagramResult parse_xboard_fen(std::string_view text) {
    const std::vector<std::string_view> f = fields_of(text);
    if (f.size() < 2) return refused("a FEN has at least a board and the side to move");
    if (f.size() > 6) return refused("a FEN has at most 6 fields; the 7th is " + excerpt(f[6]));
    DiagramResult r;
    if (!read_board(f[0], r)) {
        r.diagram = {};
        return r;
    }
    if (f[1] != "w" && f[1] != "b") return refused("the side to move is 'w' or 'b', not " + excerpt(f[1]));
    r.diagram.side = f[1] == "w" ? lower_army : upper_army;
    std::size_t i = 2;
    for (int dashes = 0; i < f.size() && f[i] == "-" && dashes < 2; ++i, ++dashes) {
    }
    std::vector<int> numbers;
    for (; i < f.size(); ++i) {
        const auto n = whole_number(f[i], 0, 1'000'000);
        if (!n) return refused("field " + std::to_string(i + 1) + " should be '-' or a number, not " + excerpt(f[i]));
        numbers.push_back(*n);
    }
    if (numbers.size() > 2) return refused("a FEN ends with at most two numbers");
    if (numbers.size() == 2) {
        if (numbers[1] < 1) return refused("the move number counts from 1");
        r.diagram.move_number = 2 * (numbers[1] - 1) + (r.diagram.side == lower_army ? 1 : 2);
    } else if (r.diagram.side == upper_army) {
        r.diagram.move_number = 2;
    }
    return r;
}

std::string usi_square(桝位置 s) {
    if (!盤内(s.X, s.Y)) return {};
    return std::to_string(盤サイズ + 1 - s.X) + static_cast<char>('a' + s.Y - 1);
}

std::string xboard_square(桝位置 s) {
    if (!盤内(s.X, s.Y)) return {};
    return static_cast<char>('a' + s.X - 1) + std::to_string(盤サイズ + 1 - s.Y);
}

namespace {
// One or two digits that make a number 1..12, the longer where it fits.
std::optional<std::pair<int, std::size_t>> read_line_number(std::string_view text) {
    if (text.empty() || text[0] < '1' || text[0] > '9') return std::nullopt;
    if (text.size() >= 2 && text[0] == '1' && text[1] >= '0' && text[1] <= '2')
        return std::pair{10 + text[1] - '0', 2u};
    return std::pair{text[0] - '0', 1u};
}
}  // namespace

std::optional<std::pair<桝位置, std::size_t>> read_usi_square(std::string_view text) {
    auto n = read_line_number(text);
    if (!n) return std::nullopt;
    // "12a": file 12, not file 1 and then something else.
    if (n->second == 2 && (text.size() < 3 || text[2] < 'a' || text[2] > 'l')) n = std::pair{text[0] - '0', 1u};
    const std::size_t at = n->second;
    if (at >= text.size() || text[at] < 'a' || text[at] > 'l') return std::nullopt;
    return std::pair{桝位置{盤サイズ + 1 - n->first, text[at] - 'a' + 1}, at + 1};
}

std::optional<std::pair<桝位置, std::size_t>> read_xboard_square(std::string_view text) {
    if (text.empty() || text[0] < 'a' || text[0] > 'l') return std::nullopt;
    const auto n = read_line_number(text.substr(1));
    if (!n) return std::nullopt;
    return std::pair{桝位置{text[0] - 'a' + 1, 盤サイズ + 1 - n->first}, 1 + n->second};
}

std::string excerpt(std::string_view text) {
    return "'" + printable_excerpt(text, 40) + "'";
}

}  // namespace bexoru::exchange
