#include "search/position.h"

#include <cstdlib>

#include "rules/move_check.h"
#include "rules/repetition.h"

namespace bexoru::search {

namespace {

constexpr std::uint64_t splitmix(std::uint64_t& s) {
    std::uint64_t z = (s += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr int kCodes = 2 * 最大駒コード + 1;

struct Keys {
    std::array<std::uint64_t, kSquares * kCodes> piece{};
    std::uint64_t side = 0;
    std::array<std::uint64_t, kCodes> captured{};
    std::array<std::uint64_t, kCodes> before{};
    std::array<std::uint64_t, kSquares> pending{};
    std::uint64_t side_lion = 0;
};

constexpr Keys make_keys() {
    Keys k;
    std::uint64_t s = 0x426578'6f7275ULL;  // any fixed seed: hashes are the same in every run
    for (auto& v : k.piece) v = splitmix(s);
    k.side = splitmix(s);
    for (auto& v : k.captured) v = splitmix(s);
    for (auto& v : k.before) v = splitmix(s);
    for (auto& v : k.pending) v = splitmix(s);
    k.side_lion = splitmix(s);
    return k;
}

constexpr Keys keys = make_keys();

constexpr int sign(int c) {
    return (c > 0) - (c < 0);
}
constexpr bool royal(int c) {
    return c == 駒::王 || c == 駒::太子 || c == -駒::王 || c == -駒::太子;
}

}  // namespace

std::uint64_t piece_key(int sq, int code) {
    return keys.piece[static_cast<std::size_t>(sq * kCodes + code + 最大駒コード)];
}
std::uint64_t side_key() {
    return keys.side;
}

std::string to_text(const Move& m) {
    std::string s = std::to_string(column_of(m.from)) + ' ' + std::to_string(row_of(m.from)) + ' ' +
                    std::to_string(column_of(m.to)) + ' ' + std::to_string(row_of(m.to));
    if (m.is_double()) s += ' ' + std::to_string(column_of(m.to2)) + ' ' + std::to_string(row_of(m.to2));
    if (m.promote) s += " +";
    return s;
}

Position::Position() {
    board_.fill(kOff);
    for (int Y = 1; Y <= 盤サイズ; ++Y)
        for (int X = 1; X <= 盤サイズ; ++X) board_[static_cast<std::size_t>(square_of(X, Y))] = 0;
    hash_ = compute_hash();
}

Position Position::from_board(const 盤面型& board, int side, ルール rules) {
    Position p;
    p.rules_ = rules;
    for (int Y = 1; Y <= 盤サイズ; ++Y)
        for (int X = 1; X <= 盤サイズ; ++X)
            if (board(X, Y) != 空) p.set(square_of(X, Y), board(X, Y));
    p.set_side(side);
    return p;
}

Position Position::from_game(const 盤面型& board, const 棋譜記録& log, int side, int step_code, ルール rules) {
    Position p = from_board(board, side, rules);
    const int n = log.記録数;
    if (n >= 1 && n <= 記録最大) {
        const auto i = static_cast<std::size_t>(n);
        if (rules == ルール::標準) {
            // The counter-strike reads the other side's whole last turn, both
            // steps of a double move, and not the mover's own pending first step.
            const 指し手* took = 獅子を取った手(log, side > 0 ? kUpper : kLower, step_code != 0);
            p.set_lookback(took ? took->取駒 : 0, log.手[i].成駒, log.手[i - 1].成駒,
                           took && is_lion(whole_kind(took->移動駒)));
        } else {
            p.set_lookback(log.手[i].取駒, log.手[i].成駒, log.手[i - 1].成駒, is_lion(whole_kind(log.手[i].移動駒)));
        }
        if (step_code != 0) {
            p.pending_taken_ = static_cast<std::int8_t>(log.手[i].取駒);
            p.pending_code_ = static_cast<std::int16_t>(step_code);
            p.pending_at_ = static_cast<std::uint8_t>(square_of(log.手[i].移動先X, log.手[i].移動先Y));
            p.pending_from_ = static_cast<std::uint8_t>(square_of(log.手[i].移動元X, log.手[i].移動元Y));
            p.hash_ ^= keys.pending[p.pending_at_];
        }
    }
    return p;
}

void Position::put(int sq, int code) {
    board_[static_cast<std::size_t>(sq)] = static_cast<std::int8_t>(code);
    hash_ ^= piece_key(sq, code);
    const std::size_t i = index(code);
    slot_[static_cast<std::size_t>(sq)] = static_cast<std::uint8_t>(pieces_[i]);
    list_[i][static_cast<std::size_t>(pieces_[i])] = static_cast<std::uint8_t>(sq);
    ++pieces_[i];
    material_[i] += 駒価値(code);
    if (royal(code)) ++royals_[i];
}

int Position::remove(int sq) {
    const int code = board_[static_cast<std::size_t>(sq)];
    board_[static_cast<std::size_t>(sq)] = 0;
    hash_ ^= piece_key(sq, code);
    const std::size_t i = index(code);
    // The army's last piece takes the freed place in the list.
    const int slot = slot_[static_cast<std::size_t>(sq)];
    const std::uint8_t last = list_[i][static_cast<std::size_t>(--pieces_[i])];
    list_[i][static_cast<std::size_t>(slot)] = last;
    slot_[last] = static_cast<std::uint8_t>(slot);
    material_[i] -= 駒価値(code);
    if (royal(code)) --royals_[i];
    return slot;
}

void Position::restore(int sq, int code, int slot) {
    board_[static_cast<std::size_t>(sq)] = static_cast<std::int8_t>(code);
    hash_ ^= piece_key(sq, code);
    const std::size_t i = index(code);
    // The piece that took its place goes back to the end of the list.
    const std::uint8_t moved = list_[i][static_cast<std::size_t>(slot)];
    list_[i][static_cast<std::size_t>(pieces_[i])] = moved;
    slot_[moved] = static_cast<std::uint8_t>(pieces_[i]);
    list_[i][static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(sq);
    slot_[static_cast<std::size_t>(sq)] = static_cast<std::uint8_t>(slot);
    ++pieces_[i];
    material_[i] += 駒価値(code);
    if (royal(code)) ++royals_[i];
}

void Position::shift(int from, int to, int code) {
    const int was = board_[static_cast<std::size_t>(from)];
    board_[static_cast<std::size_t>(from)] = 0;
    board_[static_cast<std::size_t>(to)] = static_cast<std::int8_t>(code);
    hash_ ^= piece_key(from, was) ^ piece_key(to, code);
    const std::size_t i = index(code);
    const std::uint8_t slot = slot_[static_cast<std::size_t>(from)];
    list_[i][slot] = static_cast<std::uint8_t>(to);
    slot_[static_cast<std::size_t>(to)] = slot;
    if (was != code) {
        // A promotion (an Elephant becomes a Crown Prince) or its undoing.
        material_[i] += 駒価値(code) - 駒価値(was);
        royals_[i] += static_cast<int>(royal(code)) - static_cast<int>(royal(was));
    }
}

void Position::set(int sq, int code) {
    if (at(sq) == kOff) return;
    if (at(sq) != 0) remove(sq);
    if (code != 0) put(sq, code);
}

void Position::set_side(int side) {
    if ((side > 0) != (side_ > 0)) hash_ ^= keys.side;
    side_ = side > 0 ? kUpper : kLower;
}

std::uint64_t Position::lookback_key() const {
    // The look-back matters only right after a Lion was taken.
    // The game's own rules read the code moved in the step before, the
    // standard ones whether a Lion took.
    if (!is_lion(last_captured_)) return 0;
    const std::uint64_t taken = keys.captured[static_cast<std::size_t>(last_captured_ + 最大駒コード)];
    if (rules_ == ルール::標準) return taken ^ (last_by_lion_ ? keys.side_lion : 0);
    return taken ^ keys.before[static_cast<std::size_t>(prev_moved_ + 最大駒コード)];
}

void Position::set_rules(ルール rules) {
    hash_ ^= lookback_key();
    rules_ = rules;
    hash_ ^= lookback_key();
}

void Position::set_lookback(int last_captured, int last_moved, int prev_moved, bool last_by_lion) {
    hash_ ^= lookback_key();
    last_captured_ = static_cast<std::int8_t>(last_captured);
    last_moved_ = static_cast<std::int8_t>(last_moved);
    prev_moved_ = static_cast<std::int8_t>(prev_moved);
    last_by_lion_ = last_by_lion;
    hash_ ^= lookback_key();
}

std::uint64_t Position::compute_hash() const {
    std::uint64_t h = 0;
    for (int sq = 0; sq < kSquares; ++sq) {
        const int c = at(sq);
        if (c != 0 && c != kOff) h ^= piece_key(sq, c);
    }
    if (side_ < 0) h ^= keys.side;
    h ^= lookback_key();
    if (pending_at_ != 0) h ^= keys.pending[pending_at_];
    return h;
}

Undo Position::make(const Move& m) {
    Undo u;
    u.last_captured = last_captured_;
    u.last_moved = last_moved_;
    u.prev_moved = prev_moved_;
    u.last_by_lion = last_by_lion_;
    u.pending_code = pending_code_;
    u.pending_at = pending_at_;
    u.pending_from = pending_from_;
    u.hash = hash_;
    hash_ ^= lookback_key();
    if (pending_at_ != 0) {
        hash_ ^= keys.pending[pending_at_];
        pending_at_ = pending_from_ = 0;
        pending_code_ = 0;
    }

    const int piece = at(m.from);
    u.captured1 = at(m.to);
    if (u.captured1 != 0) u.slot1 = static_cast<std::uint8_t>(remove(m.to));
    if (!m.is_double()) {
        const int now = m.promote ? piece + sign(piece) : piece;
        shift(m.from, m.to, now);
        prev_moved_ = last_moved_;
        last_moved_ = static_cast<std::int8_t>(now);
        last_captured_ = u.captured1;
        last_by_lion_ = is_lion(piece);
    } else {
        // The second step may end where the piece started (then empty).
        u.captured2 = m.to2 == m.from ? 0 : at(m.to2);
        if (u.captured2 != 0) u.slot2 = static_cast<std::uint8_t>(remove(m.to2));
        if (m.to2 != m.from) shift(m.from, m.to2, piece);
        // Two log entries: the first step, then the second.
        prev_moved_ = static_cast<std::int8_t>(piece);
        last_moved_ = static_cast<std::int8_t>(piece);
        // The standard counter-strike follows a Lion taken by either step.
        last_captured_ = standard() && is_lion(u.captured1) ? u.captured1 : u.captured2;
        last_by_lion_ = is_lion(piece);
    }
    side_ = -side_;
    hash_ ^= keys.side;
    hash_ ^= lookback_key();
    return u;
}

void Position::unmake(const Move& m, const Undo& u) {
    const int final_sq = m.is_double() ? m.to2 : m.to;
    if (final_sq != m.from) {
        const int now = at(final_sq);
        shift(final_sq, m.from, m.promote ? now - sign(now) : now);
    }
    // Captured pieces go back in the opposite order, each to its place in the list.
    if (u.captured2 != 0) restore(m.to2, u.captured2, u.slot2);
    if (u.captured1 != 0) restore(m.to, u.captured1, u.slot1);
    side_ = -side_;
    last_captured_ = u.last_captured;
    last_moved_ = u.last_moved;
    prev_moved_ = u.prev_moved;
    last_by_lion_ = u.last_by_lion;
    pending_code_ = u.pending_code;
    pending_at_ = u.pending_at;
    pending_from_ = u.pending_from;
    hash_ = u.hash;
}

Undo Position::make_null() {
    Undo u;
    u.last_captured = last_captured_;
    u.last_moved = last_moved_;
    u.prev_moved = prev_moved_;
    u.last_by_lion = last_by_lion_;
    u.hash = hash_;
    hash_ ^= lookback_key();
    last_captured_ = 0;
    last_by_lion_ = false;
    prev_moved_ = last_moved_;
    last_moved_ = 0;
    side_ = -side_;
    hash_ ^= keys.side;
    return u;
}

void Position::unmake_null(const Undo& u) {
    side_ = -side_;
    last_captured_ = u.last_captured;
    last_moved_ = u.last_moved;
    prev_moved_ = u.prev_moved;
    last_by_lion_ = u.last_by_lion;
    hash_ = u.hash;
}

盤面型 Position::to_board() const {
    盤面型 b{};
    for (int Y = 1; Y <= 盤サイズ; ++Y)
        for (int X = 1; X <= 盤サイズ; ++X) b(X, Y) = at(X, Y);
    return b;
}

std::vector<std::uint64_t> earlier_positions(const 盤面型& board, const 棋譜記録& log, int side, ルール rules) {
    std::vector<std::uint64_t> keys;
    以前の局面(board, log, [&](const 盤面型& before, int same) {
        keys.push_back(Position::from_board(before, same > 0 ? side : -side, rules).hash());
    });
    return keys;
}

}  // namespace bexoru::search
