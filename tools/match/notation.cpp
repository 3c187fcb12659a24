#include "notation.h"

#include <array>

#include "board/piece.h"
#include "search/movegen.h"

namespace bexoru::notation {

namespace {

// The letter of each unpromoted code; a promoted code is the code before it
// promotes plus one, written "+" and that letter.
struct Letter {
    int code;
    char letter;
};
constexpr std::array<Letter, 21> letters{{
    {駒::歩, 'P'}, {駒::仲, 'I'},   {駒::銅, 'C'},   {駒::銀, 'S'},   {駒::金, 'G'},   {駒::象, 'E'},   {駒::虎, 'T'},
    {駒::豹, 'F'}, {駒::香, 'L'},   {駒::反, 'A'},   {駒::横行, 'M'}, {駒::竪行, 'V'}, {駒::角行, 'B'}, {駒::飛車, 'R'},
    {駒::龍馬, 'H'}, {駒::龍王, 'D'}, {駒::麒, 'O'}, {駒::鳳, 'X'},   {駒::奔王, 'Q'}, {駒::獅子, 'N'}, {駒::王, 'K'},
}};

// The promoted forms: the unpromoted code each comes from.
constexpr int promoted_from(int kind) {
    switch (kind) {
        case 駒::と:
        case 駒::白駒:
        case 駒::横行_成:
        case 駒::猪:
        case 駒::竪行_成:
        case 駒::牛:
        case 駒::飛車_成:
        case 駒::龍王_成:
        case 駒::鷲:
        case 駒::角行_成:
        case 駒::龍馬_成:
        case 駒::鷹:
        case 駒::奔王_成:
        case 駒::鯨:
        case 駒::鹿:
        case 駒::獅子_成:
        case 駒::象_成:
        case 駒::太子:
            return kind - 1;
        default:
            return 0;
    }
}

char upper_letter(int kind) {
    for (const Letter& l : letters)
        if (l.code == kind) return l.letter;
    return 0;
}

int kind_of_letter(char c) {
    for (const Letter& l : letters)
        if (l.letter == c) return l.code;
    return 0;
}

}  // namespace

std::string square_name(int sq) {
    return std::string(1, static_cast<char>('a' + search::column_of(sq) - 1)) + std::to_string(13 - search::row_of(sq));
}

std::vector<int> squares_in(std::string_view text) {
    std::vector<int> out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] >= 'a' && text[i] <= 'l') {
            std::size_t j = i + 1;
            int rank = 0;
            while (j < text.size() && j < i + 3 && text[j] >= '0' && text[j] <= '9') rank = rank * 10 + (text[j++] - '0');
            if (j > i + 1 && rank >= 1 && rank <= 12) out.push_back(search::square_of(text[i] - 'a' + 1, 13 - rank));
            i = j;
        } else {
            ++i;
        }
    }
    return out;
}

std::string move_name(const search::Position& p, const search::Move& m) {
    if (m.is_double()) {
        if (m.to2 == m.from && p.at(m.to) == 0) return square_name(m.from) + square_name(m.from);  // the pass
        return square_name(m.from) + square_name(m.to) + "," + square_name(m.to) + square_name(m.to2);
    }
    return square_name(m.from) + square_name(m.to) + (m.promote ? "+" : "");
}

std::optional<search::Move> parse_move(const search::Position& p, std::string_view text) {
    const std::vector<int> sq = squares_in(text);
    const bool promote = text.find('+') != std::string_view::npos;
    search::MoveList list;
    search::generate(p, list, search::Generate::all);
    for (const search::Move& m : list) {
        if (sq.size() == 2 && sq[0] == sq[1]) {
            if (m.is_double() && m.from == sq[0] && m.to2 == m.from && p.at(m.to) == 0) return m;  // a pass
        } else if (sq.size() == 2) {
            if (!m.is_double() && m.from == sq[0] && m.to == sq[1] && (m.promote != 0) == promote) return m;
        } else if (sq.size() == 4 && sq[1] == sq[2]) {
            if (m.is_double() && m.from == sq[0] && m.to == sq[1] && m.to2 == sq[3]) return m;
        }
    }
    return std::nullopt;
}

std::string piece_letters(int code) {
    if (code == 0) return "";
    const int kind = code < 0 ? -code : code;
    const int base = promoted_from(kind);
    char letter = upper_letter(base != 0 ? base : kind);
    if (letter == 0) return "?";
    if (code > 0) letter = static_cast<char>(letter - 'A' + 'a');  // our upper army moves second
    return base != 0 ? std::string("+") + letter : std::string(1, letter);
}

std::string to_fen(const search::Position& p) {
    std::string out;
    for (int Y = 1; Y <= 盤サイズ; ++Y) {
        int empty = 0;
        for (int X = 1; X <= 盤サイズ; ++X) {
            const int c = p.at(X, Y);
            if (c == 0) {
                ++empty;
                continue;
            }
            if (empty > 0) out += std::to_string(empty);
            empty = 0;
            out += piece_letters(c);
        }
        if (empty > 0) out += std::to_string(empty);
        if (Y < 盤サイズ) out += '/';
    }
    return out + (p.side() == search::kLower ? " w" : " b");
}

std::optional<search::Position> from_fen(std::string_view fen) {
    search::Position p;
    int X = 1, Y = 1;
    std::size_t i = 0;
    for (; i < fen.size() && fen[i] != ' '; ++i) {
        const char c = fen[i];
        if (c == '/') {
            if (X != 盤サイズ + 1 || Y == 盤サイズ) return std::nullopt;
            X = 1;
            ++Y;
        } else if (c >= '0' && c <= '9') {
            int n = c - '0';
            if (i + 1 < fen.size() && fen[i + 1] >= '0' && fen[i + 1] <= '9') n = n * 10 + (fen[++i] - '0');
            if (n == 0 || X + n > 盤サイズ + 1) return std::nullopt;
            X += n;
        } else {
            const bool promoted = c == '+';
            if (promoted && ++i >= fen.size()) return std::nullopt;
            const char l = fen[i];
            const bool lower_case = l >= 'a' && l <= 'z';
            const int kind = kind_of_letter(lower_case ? static_cast<char>(l - 'a' + 'A') : l);
            if (kind == 0 || X > 盤サイズ) return std::nullopt;
            const int code = promoted ? kind + 1 : kind;
            if (promoted && promoted_from(code) != kind) return std::nullopt;  // a King or Lion cannot be promoted
            p.set(search::square_of(X, Y), lower_case ? code : -code);
            ++X;
        }
    }
    if (Y != 盤サイズ || X != 盤サイズ + 1) return std::nullopt;
    const std::string_view rest = fen.substr(i);
    if (rest.rfind(" b", 0) == 0) {
        p.set_side(search::kUpper);
    } else if (rest.empty() || rest.rfind(" w", 0) == 0) {
        p.set_side(search::kLower);
    } else {
        return std::nullopt;
    }
    return p;
}

}  // namespace bexoru::notation
