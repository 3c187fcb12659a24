#include "exchange/pgn.h"

#include <cstdlib>
#include <memory>

#include "exchange/usi.h"

namespace bexoru::exchange {

namespace {

char file_letter(int X) {
    return static_cast<char>('a' + X - 1);
}

// The letters of a piece's kind as the notation writes them: uppercase for
// either army, empty for an unpromoted Pawn.
std::string kind_letters(駒コード c) {
    if (std::abs(c) == 駒::歩) return {};
    return piece_letters(-std::abs(c));
}

bool is_pass(const 盤面型& board, const Move& m) {
    return m.then && *m.then == m.from && board.at(m.to.X, m.to.Y) == 空;
}

// The same move made from another square, if that were the piece's origin.
Move moved_from(const Move& m, 桝位置 origin) {
    Move other = m;
    other.from = origin;
    if (other.then && *m.then == m.from) other.then = origin;
    return other;
}

}  // namespace

std::string san(Replay& position, const Move& m) {
    const 盤面型& board = position.board();
    const 駒コード piece = board.at(m.from.X, m.from.Y);
    const std::string letters = kind_letters(piece);
    if (is_pass(board, m)) return letters + "x" + xboard_square(m.from);

    // Another piece of the same code that could make the same move.
    std::string which;
    if (!letters.empty()) {
        bool others = false, same_file = false, same_rank = false;
        for (int X = 1; X <= 盤サイズ; ++X) {
            for (int Y = 1; Y <= 盤サイズ; ++Y) {
                if (board(X, Y) != piece || (X == m.from.X && Y == m.from.Y)) continue;
                // Whether it could go there at all, promoting or not, as XBoard asks.
                Move other = moved_from(m, {X, Y});
                other.promote = false;
                bool reaches = !position.refusal(other);
                other.promote = !other.then;
                reaches = reaches || (other.promote && !position.refusal(other));
                if (!reaches) continue;
                others = true;
                same_file = same_file || X == m.from.X;
                same_rank = same_rank || Y == m.from.Y;
            }
        }
        if (others && !same_file)
            which = std::string(1, file_letter(m.from.X));
        else if (others && !same_rank)
            which = std::to_string(盤サイズ + 1 - m.from.Y);
        else if (others)
            which = xboard_square(m.from);
    }

    const bool takes = board.at(m.to.X, m.to.Y) != 空;
    std::string s;
    if (letters.empty())
        s = takes ? std::string(1, file_letter(m.from.X)) + "x" : "";
    else
        s = letters + which + (takes ? "x" : "");
    s += xboard_square(m.to);
    if (m.then) {
        const bool second_takes = !(*m.then == m.from) && board.at(m.then->X, m.then->Y) != 空;
        s += (second_takes ? "x" : "-") + xboard_square(*m.then);
    }
    if (m.promote) s += '+';
    return s;
}

std::string pgn_text(const Game& game, const std::vector<PgnTag>& given) {
    auto replay = std::make_unique<Replay>(game.start);
    std::vector<std::string> words;
    int number = 1;
    bool white = game.start.side == lower_army;
    if (!white) words.push_back("1...");
    for (const Move& m : game.moves) {
        if (white) words.push_back(std::to_string(number) + ".");
        words.push_back(san(*replay, m));
        if (replay->play(m)) break;  // the caller replayed the game already; never here
        if (!white) ++number;
        white = !white;
    }
    const int lost = replay->army_without_royal();
    const std::string result = lost == upper_army ? "1-0" : lost == lower_army ? "0-1" : "*";
    words.push_back(result);

    std::vector<PgnTag> tags{{"Event", "Bexoru game"}, {"Site", "?"},  {"Date", "????.??.??"}, {"Round", "-"},
                             {"White", "?"},           {"Black", "?"}, {"Result", result},     {"Variant", "chu"}};
    const Diagram standard = start_diagram();
    if (game.start.board != standard.board || game.start.side != lower_army) {
        tags.push_back({"FEN", to_xboard_fen(game.start)});
        tags.push_back({"SetUp", "1"});
    }
    for (const PgnTag& g : given) {
        bool replaced = false;
        for (PgnTag& t : tags)
            if (t.name == g.name) t.value = g.value, replaced = true;
        if (!replaced) tags.push_back(g);
    }
    std::string out;
    for (const PgnTag& t : tags) {
        std::string value;
        for (const char c : t.value) {
            if (c == '"' || c == '\\') value += '\\';
            value += c;
        }
        out += "[" + t.name + " \"" + value + "\"]\n";
    }
    out += "\n";
    std::size_t width = 0;
    for (const std::string& w : words) {
        if (width > 0 && width + 1 + w.size() > 79) {
            out += "\n";
            width = 0;
        } else if (width > 0) {
            out += " ";
            ++width;
        }
        out += w;
        width += w.size();
    }
    return out + "\n";
}

namespace {

struct Reader {
    std::string_view text;
    std::size_t at = 0;
    int line = 1;

    bool done() const { return at >= text.size(); }
    char peek() const { return text[at]; }
    void next() {
        if (text[at] == '\n') ++line;
        ++at;
    }
};

bool space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Squares and signs of a move in the short notation, after its piece letters.
struct SanParts {
    駒コード kind = 0;              // the lower army's code of the kind; the side is applied later
    std::optional<int> file, rank;  // disambiguation
    std::optional<桝位置> first;    // a full square before the destination
    bool separated = false;         // the first square is followed by 'x' or '-'
    桝位置 last{};
    bool promote = false;
};

std::optional<SanParts> san_parts(std::string_view s) {
    SanParts p;
    std::size_t i = 0;
    if (i < s.size() && s[i] == '+') {
        if (i + 1 >= s.size()) return std::nullopt;
        const auto k = piece_of_letters(s.substr(0, 2));
        if (!k || *k > 0) return std::nullopt;
        p.kind = *k;
        i = 2;
    } else if (i < s.size() && s[i] >= 'A' && s[i] <= 'Z') {
        const auto k = piece_of_letters(s.substr(0, 1));
        if (!k) return std::nullopt;
        p.kind = *k;
        i = 1;
    } else {
        p.kind = -駒::歩;
    }
    // The rest: squares, lone files or ranks, 'x' and '-'.
    std::vector<桝位置> squares;
    std::vector<bool> sep_after;
    while (i < s.size()) {
        if (const auto sq = read_xboard_square(s.substr(i))) {
            squares.push_back(sq->first);
            sep_after.push_back(false);
            i += sq->second;
        } else if (s[i] == 'x' || s[i] == '-') {
            if (!squares.empty()) sep_after.back() = true;
            ++i;
        } else if (s[i] >= 'a' && s[i] <= 'l' && squares.empty() && !p.file) {
            p.file = s[i] - 'a' + 1;
            ++i;
        } else if (s[i] >= '1' && s[i] <= '9' && squares.empty() && !p.rank) {
            std::size_t j = i;
            int r = 0;
            // Two digits at most: a rank is 1 to 12.
            while (j < s.size() && s[j] >= '0' && s[j] <= '9' && j - i < 3) r = r * 10 + (s[j++] - '0');
            if (r < 1 || r > 盤サイズ || (j < s.size() && s[j] >= '0' && s[j] <= '9')) return std::nullopt;
            p.rank = 盤サイズ + 1 - r;
            i = j;
        } else if (s[i] == '+' && i + 1 == s.size()) {
            p.promote = true;
            ++i;
        } else if (s[i] == '=' && i + 1 == s.size()) {
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (squares.empty() || squares.size() > 2) return std::nullopt;
    p.last = squares.back();
    if (squares.size() == 2) {
        p.first = squares[0];
        p.separated = sep_after[0];
        if (!p.separated) return std::nullopt;
    }
    return p;
}

// A move of the text: coordinates or the short notation, matched against
// every legal move it can mean in the position.
MoveResult read_move(std::string_view word, Replay& position) {
    std::string_view s = word;
    while (!s.empty() && (s.back() == '!' || s.back() == '?' || s.back() == '#')) s.remove_suffix(1);
    MoveResult r;
    // XBoard's coordinates: two squares side by side, or two legs.
    {
        const auto a = read_xboard_square(s);
        if (a && read_xboard_square(s.substr(a->second))) return parse_xboard_move(s, position);
    }
    const auto p = san_parts(s);
    if (!p) {
        r.refusal = "not a move (such as h5, Nxd8-d7, Rdd9+ or h4h5)";
        return r;
    }
    const 盤面型& board = position.board();
    const 駒コード piece = position.side() == lower_army ? p->kind : -p->kind;
    std::vector<Move> found;
    const auto consider = [&](const Move& m) {
        if (!position.refusal(m)) {
            for (const Move& f : found)
                if (f == m) return;
            found.push_back(m);
        }
    };
    for (int X = 1; X <= 盤サイズ; ++X) {
        for (int Y = 1; Y <= 盤サイズ; ++Y) {
            if (board(X, Y) != piece) continue;
            if ((p->file && *p->file != X) || (p->rank && *p->rank != Y)) continue;
            const 桝位置 origin{X, Y};
            if (p->first) {
                consider(Move{origin, *p->first, p->last, p->promote});  // a double move
                if (*p->first == origin && !p->file && !p->rank)
                    consider(Move{origin, p->last, std::nullopt, p->promote});  // a full origin
            } else if (p->last == origin) {
                // A capture on its own square: the pass, as XBoard writes it.
                const std::string coords = xboard_square(origin) + xboard_square(origin);
                const MoveResult pass = parse_xboard_move(coords, position);
                if (pass.move) consider(*pass.move);
            } else {
                consider(Move{origin, p->last, std::nullopt, p->promote});
            }
        }
    }
    if (found.size() == 1) {
        r.move = found[0];
    } else if (found.empty()) {
        r.refusal = "no move of the side to move fits it under the rules";
    } else {
        r.refusal = "more than one move fits it";
    }
    return r;
}

GameResult refused(std::string message, int line, int move) {
    GameResult r;
    r.error = GameError{std::move(message), line, move};
    return r;
}

}  // namespace

GameResult parse_pgn(std::string_view text, ルール rules) {
    Reader in{text};
    GameResult r;
    const auto at_line = [](int line) { return "line " + std::to_string(line) + ": "; };

    // The tags.
    for (;;) {
        while (!in.done() && space(in.peek())) in.next();
        if (in.done() || in.peek() != '[') break;
        const int line = in.line;
        in.next();
        std::string name, value;
        while (!in.done() && !space(in.peek()) && in.peek() != '"' && in.peek() != ']') {
            name += in.peek();
            in.next();
        }
        while (!in.done() && (in.peek() == ' ' || in.peek() == '\t')) in.next();
        if (name.empty() || in.done() || in.peek() != '"')
            return refused(at_line(line) + "a tag is written [Name \"value\"]", line, 0);
        in.next();
        while (!in.done() && in.peek() != '"' && in.peek() != '\n') {
            if (in.peek() == '\\') in.next();
            if (in.done() || in.peek() == '\n') break;
            value += in.peek();
            in.next();
        }
        if (in.done() || in.peek() != '"') return refused(at_line(line) + "a tag's value has no closing '\"'", line, 0);
        in.next();
        while (!in.done() && (in.peek() == ' ' || in.peek() == '\t')) in.next();
        if (in.done() || in.peek() != ']') return refused(at_line(line) + "a tag has no closing ']'", line, 0);
        in.next();
        if (name == "Variant") {
            std::string v;
            for (const char c : value) v += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            if (v != "chu" && v != "chushogi" && v != "chu shogi")
                return refused(at_line(line) + "the game is of the variant " + excerpt(value) + ", not Chu Shogi", line,
                               0);
        } else if (name == "FEN") {
            const DiagramResult s = parse_xboard_fen(value);
            if (!s.ok()) return refused(at_line(line) + "FEN: " + s.error->message, line, 0);
            r.game.start = s.diagram;
        }
    }

    // The moves.
    auto replay = std::make_unique<Replay>(r.game.start, rules);
    int k = 0;
    while (!in.done()) {
        const char c = in.peek();
        if (space(c)) {
            in.next();
            continue;
        }
        const int line = in.line;
        if (c == '{') {
            while (!in.done() && in.peek() != '}') in.next();
            if (in.done()) return refused(at_line(line) + "a comment '{' is never closed", line, k);
            in.next();
            continue;
        }
        if (c == ';') {
            while (!in.done() && in.peek() != '\n') in.next();
            continue;
        }
        if (c == '(') {
            int depth = 0;
            while (!in.done()) {
                if (in.peek() == '(') ++depth;
                if (in.peek() == ')' && --depth == 0) break;
                if (in.peek() == '{')
                    while (!in.done() && in.peek() != '}') in.next();
                if (!in.done()) in.next();
            }
            if (in.done()) return refused(at_line(line) + "a variation '(' is never closed", line, k);
            in.next();
            continue;
        }
        if (c == '[') break;  // the next game's tags: only the first game is read
        std::size_t start = in.at;
        while (!in.done() && !space(in.peek()) && in.peek() != '{' && in.peek() != '(' && in.peek() != ';' &&
               in.peek() != ')')
            in.next();
        if (in.at == start) {
            return refused(at_line(line) + "unexpected " + excerpt(text.substr(start, 1)), line, k);
        }
        std::string_view word = text.substr(start, in.at - start);
        if (word == "1-0" || word == "0-1" || word == "1/2-1/2" || word == "*") break;
        if (word[0] == '$') continue;  // a numeric annotation
        // A move number, perhaps with the move glued to it ("12.Nh8", "3...").
        std::size_t digits = 0;
        while (digits < word.size() && word[digits] >= '0' && word[digits] <= '9') ++digits;
        if (digits > 0 && digits < word.size() && word[digits] == '.') {
            while (digits < word.size() && word[digits] == '.') ++digits;
            word.remove_prefix(digits);
            if (word.empty()) continue;
        }
        ++k;
        const MoveResult m = read_move(word, *replay);
        const std::string place = at_line(line) + "move " + std::to_string(k) + " " + excerpt(word) + ": ";
        if (!m.move) return refused(place + m.refusal, line, k);
        if (auto why = replay->play(*m.move)) return refused(place + *why, line, k);
        r.game.moves.push_back(*m.move);
    }
    return r;
}

}  // namespace bexoru::exchange
