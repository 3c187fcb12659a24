#include "exchange/usi.h"

#include <memory>
#include <vector>

namespace bexoru::exchange {

namespace {

struct Token {
    std::string_view text;
    int line = 1;
};

std::vector<Token> tokens_of(std::string_view text) {
    std::vector<Token> out;
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            ++i;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != '\r' && text[i] != '\n') ++i;
        out.push_back({text.substr(start, i - start), line});
    }
    return out;
}

// The pass of the piece on `from`, when it has one: a step onto an empty
// neighbour and back, over the first neighbour the rules allow (columns, then
// rows, from the upper left).
std::optional<Move> pass_from(桝位置 from, Replay& position) {
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const 桝位置 mid{from.X + dx, from.Y + dy};
            if ((dx == 0 && dy == 0) || !盤内(mid.X, mid.Y) || position.board().at(mid.X, mid.Y) != 空) continue;
            const Move pass{from, mid, from, false};
            if (!position.refusal(pass)) return pass;
        }
    }
    return std::nullopt;
}

GameResult refused(std::string message, int line, int move) {
    GameResult r;
    r.error = GameError{std::move(message), line, move};
    return r;
}

}  // namespace

std::string to_usi(const Move& m) {
    std::string s = usi_square(m.from) + usi_square(m.to);
    if (m.then) s += usi_square(*m.then);
    if (m.promote) s += '+';
    return s;
}

std::optional<Move> parse_usi_move(std::string_view text) {
    Move m;
    std::size_t at = 0;
    桝位置* squares[] = {&m.from, &m.to};
    for (桝位置* s : squares) {
        const auto sq = read_usi_square(text.substr(at));
        if (!sq) return std::nullopt;
        *s = sq->first;
        at += sq->second;
    }
    if (const auto third = read_usi_square(text.substr(at))) {
        m.then = third->first;
        at += third->second;
    }
    if (at < text.size() && text[at] == '+' && !m.then) {
        m.promote = true;
        ++at;
    }
    if (at != text.size()) return std::nullopt;
    return m;
}

std::string usi_game_text(const Game& game) {
    std::string s = "sfen " + to_sfen(game.start) + " moves";
    for (const Move& m : game.moves) s += " " + to_usi(m);
    return s + "\n";
}

GameResult parse_usi_game(std::string_view text, ルール rules) {
    const std::vector<Token> t = tokens_of(text);
    std::size_t i = 0;
    GameResult r;
    if (i < t.size() && t[i].text == "position") ++i;
    if (i < t.size() && t[i].text == "startpos") {
        ++i;
    } else if (i < t.size() && t[i].text == "sfen") {
        const int line = t[i].line;
        ++i;
        std::string fields;
        std::size_t n = 0;
        for (; i < t.size() && t[i].text != "moves" && n < 4; ++i, ++n) fields += std::string(t[i].text) + " ";
        const DiagramResult s = parse_sfen(fields);
        if (!s.ok()) return refused("line " + std::to_string(line) + ": SFEN: " + s.error->message, line, 0);
        r.game.start = s.diagram;
    } else if (i < t.size() && t[i].text != "moves" && !parse_usi_move(t[i].text)) {
        return refused(
            "line " + std::to_string(t[i].line) + ": expected 'startpos', 'sfen' or a move, not " + excerpt(t[i].text),
            t[i].line, 0);
    }
    if (i < t.size() && t[i].text == "moves") ++i;

    auto replay = std::make_unique<Replay>(r.game.start, rules);
    for (int k = 1; i < t.size(); ++i, ++k) {
        const Token& tok = t[i];
        const std::string place =
            "line " + std::to_string(tok.line) + ", move " + std::to_string(k) + " " + excerpt(tok.text) + ": ";
        auto m = parse_usi_move(tok.text);
        if (!m) return refused(place + "not a USI move (such as 7g7f, 8h2b+ or 7g7f7e)", tok.line, k);
        // A piece's square twice: the pass, as some programs write it.
        if (!m->then && m->from == m->to && !m->promote) {
            const auto pass = pass_from(m->from, *replay);
            if (!pass) return refused(place + "no piece on that square may pass", tok.line, k);
            m = pass;
        }
        if (auto why = replay->play(*m)) return refused(place + *why, tok.line, k);
        r.game.moves.push_back(*m);
    }
    return r;
}

std::string to_xboard_move(const 盤面型& board, const Move& m) {
    if (m.then) {
        if (*m.then == m.from && board.at(m.to.X, m.to.Y) == 空) return xboard_square(m.from) + xboard_square(m.from);
        return xboard_square(m.from) + xboard_square(m.to) + "," + xboard_square(m.to) + xboard_square(*m.then);
    }
    return xboard_square(m.from) + xboard_square(m.to) + (m.promote ? "+" : "");
}

MoveResult parse_xboard_move(std::string_view text, Replay& position) {
    MoveResult r;
    std::vector<桝位置> squares;
    bool promote = false, comma = false;
    std::size_t at = 0;
    while (at < text.size()) {
        if (const auto sq = read_xboard_square(text.substr(at))) {
            squares.push_back(sq->first);
            at += sq->second;
        } else if (text[at] == ',' && !comma && squares.size() == 2) {
            comma = true;
            ++at;
        } else if ((text[at] == '+' || text[at] == '=') && at + 1 == text.size() && !comma) {
            promote = text[at] == '+';
            ++at;
        } else {
            r.refusal = "not a move in XBoard's coordinates (such as h4h5, c9c10+ or e7d8,d8d7)";
            return r;
        }
    }
    Move m;
    if (!comma && squares.size() == 2 && squares[0] == squares[1]) {
        r.move = pass_from(squares[0], position);
        if (!r.move) r.refusal = "no piece on that square may pass";
        return r;
    }
    if (!comma && squares.size() == 2) {
        m = Move{squares[0], squares[1], std::nullopt, promote};
    } else if (comma && squares.size() == 4 && squares[1] == squares[2] && !promote) {
        m = Move{squares[0], squares[1], squares[3], false};
    } else {
        r.refusal = "not a move in XBoard's coordinates (such as h4h5, c9c10+ or e7d8,d8d7)";
        return r;
    }
    if (auto why = position.refusal(m)) {
        r.refusal = *why;
        return r;
    }
    r.move = m;
    return r;
}

}  // namespace bexoru::exchange
