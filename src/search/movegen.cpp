#include "search/movegen.h"

#include "search/kinds.h"

#include <cstdlib>

namespace bexoru::search {

namespace {

using namespace kinds_detail;

// How a piece reaches a displacement: 0 not at all, 1 a jump, 2 along an open line.
struct Reach {
    std::array<std::array<std::array<std::array<std::uint8_t, 25>, 25>, 最大駒コード + 1>, 2> how{};
};

constexpr Reach make_reach() {
    Reach r;
    for (int s = 0; s < 2; ++s) {
        const int side = s == 0 ? 1 : -1;
        for (int code = 1; code <= 最大駒コード; ++code) {
            const Kind& k = kinds[static_cast<std::size_t>(code)];
            auto& t = r.how[static_cast<std::size_t>(s)][static_cast<std::size_t>(code)];
            for (int d = 0; d < 8; ++d)
                for (int n = 1; n <= k.range[static_cast<std::size_t>(d)]; ++n)
                    t[static_cast<std::size_t>(side * dir_fwd[d] * n + 12)]
                     [static_cast<std::size_t>(dir_dx[d] * n + 12)] = 2;
            for (int j = 0; j < k.jumps; ++j) {
                const auto& jp = k.jump[static_cast<std::size_t>(j)];
                t[static_cast<std::size_t>(side * jp[1] + 12)][static_cast<std::size_t>(jp[0] + 12)] = 1;
            }
        }
    }
    return r;
}

constexpr Reach reach_table = make_reach();

constexpr int sign(int c) {
    return (c > 0) - (c < 0);
}

// The standard Horned Falcon's jump straight ahead to the second square (a displacement dx, dy).
constexpr bool falcon_jump(int code, int dx, int dy) {
    return (code == 駒::鷹 && dx == 0 && dy == 2) || (code == -駒::鷹 && dx == 0 && dy == -2);
}

constexpr bool is_double_mover(int kind) {
    return kind == 駒::獅子 || kind == 駒::獅子_成 || kind == 駒::鷲 || kind == 駒::鷹;
}

class Generator {
public:
    Generator(const Position& p, MoveList& out, Generate kind)
        : p_(p), out_(out), kind_(kind), side_(p.side()), standard_(p.standard()) {}

    void run() {
        if (p_.pending_at() != 0) {
            second_steps_pending();
            return;
        }
        const std::uint8_t* squares = p_.squares(side_);
        for (int i = 0, n = p_.pieces(side_); i < n; ++i) piece(squares[i], p_.at(squares[i]));
    }

private:
    bool own(int c) const { return c != 0 && c != kOff && c * side_ > 0; }

    // The look-back rule for a step onto `to` holding `target`, with the log's
    // last capture and the code moved in the entry before.
    static bool lookback_refuses(int target, int last_captured, int before) {
        return is_lion(target) && last_captured == -target && target != before;
    }

    // The standard counter-strike: right after a piece other than a Lion took
    // one of the mover's Lions, only a Lion may take a Lion.
    static bool strike_refuses(int target, int mover, int last_captured, bool last_by_lion) {
        return is_lion(target) && !is_lion(whole_kind(mover)) && is_lion(last_captured) &&
               (last_captured > 0) != (target > 0) && !last_by_lion;
    }

    static bool adjacent(int a, int b) {
        const int d = std::abs(a - b);
        return d == 1 || d == kWidth - 1 || d == kWidth || d == kWidth + 1;
    }

    // Whether a whole move (or a first step) of `code` from `from` onto `to` passes the Lion rules.
    bool lion_rules_allow(int code, int from, int to, int target) const {
        if (!is_lion(target)) return true;
        if (standard_) {
            if (strike_refuses(target, code, p_.last_captured(), p_.last_by_lion())) return false;
            // A Lion next to the capturing Lion may always be taken.
            if (is_lion(code) && !adjacent(from, to) && guarded(p_, -side_, to, from)) return false;
            return true;
        }
        if (lookback_refuses(target, p_.last_captured(), p_.prev_moved())) return false;
        if (is_lion(code) && target * side_ < 0 && guarded(p_, -side_, to, from)) return false;
        return true;
    }

    // The standard rules on a Lion's second step onto the Lion `target` at
    // `to`, two squares from the origin: refused when the Lion is defended,
    // unless the first step took something other than a Pawn or Go-between.
    // `lifted` are the squares empty on the board of the second step.
    bool distant_lion_refused(int origin, int to, int taken, int lifted1, int lifted2) const {
        if (adjacent(origin, to)) return false;
        const int k = std::abs(taken);
        if (taken != 0 && k != 駒::歩 && k != 駒::仲) return false;
        return guarded(p_, -side_, to, lifted1, lifted2);
    }

    void emit_single(int code, int from, int to, int target) {
        if (kind_ == Generate::captures && target == 0) return;
        const int choices = promotion_choices(code, row_of(from), row_of(to), target, p_.rules());
        const auto f = static_cast<std::uint8_t>(from), t = static_cast<std::uint8_t>(to);
        if (choices & 1) out_.push({f, t, 0, 0});
        if (choices & 2) out_.push({f, t, 0, 1});
    }

    // The second steps after a first step from `from` onto `mid`, which took `taken`.
    void emit_second(int from, int mid, int taken, int to2) {
        const int target = to2 == from ? 0 : p_.at(to2);
        if (target == kOff || own(target)) return;
        if (standard_) {
            if (strike_refuses(target, p_.at(from), p_.last_captured(), p_.last_by_lion())) return;
            if (is_lion(target) && is_lion(p_.at(from)) && distant_lion_refused(from, to2, taken, from, mid)) return;
        } else if (lookback_refuses(target, taken, p_.last_moved())) {
            return;
        }
        if (kind_ == Generate::captures && taken == 0 && target == 0) return;
        if (kind_ != Generate::all && taken == 0) {
            // A step onto an empty square and on is the single move onto the
            // same square, unless the game's own look-back or guard rule tells
            // them apart (the standard rules never do; other programs know
            // such a move only as the single move).
            if (to2 != from && (standard_ || !is_lion(target))) return;
            if (to2 == from) {
                if (passed_) return;
                passed_ = true;
            }
        }
        out_.push({static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(mid), static_cast<std::uint8_t>(to2), 0});
    }

    // The captures of a piece that moves once a turn: along each line only
    // the first piece met matters (the quiescence search asks this most).
    void captures_only(int sq, int code, const Steps& k) {
        for (int l = 0; l < k.lines; ++l) {
            const int range = k.range[static_cast<std::size_t>(l)];
            const int step = k.step[static_cast<std::size_t>(l)];
            int to = sq + step;
            int target = p_.at(to);
            for (int n = 1; target == 0 && n < range; ++n) target = p_.at(to += step);
            if (target == 0 || target == kOff || own(target)) continue;
            if (lion_rules_allow(code, sq, to, target)) emit_single(code, sq, to, target);
        }
        for (int j = 0; j < k.jumps; ++j) {
            const int to = sq + k.jump[static_cast<std::size_t>(j)];
            const int target = p_.at(to);
            if (target == 0 || target == kOff || own(target)) continue;
            if (lion_rules_allow(code, sq, to, target)) emit_single(code, sq, to, target);
        }
    }

    void piece(int sq, int code) {
        const int kind = std::abs(code);
        const Steps& k = steps_of(code);
        const bool doubles = is_double_mover(kind);
        if (kind_ == Generate::captures && !doubles) {
            captures_only(sq, code, k);
            return;
        }
        for (int l = 0; l < k.lines; ++l) {
            const int range = k.range[static_cast<std::size_t>(l)];
            const int step = k.step[static_cast<std::size_t>(l)];
            int to = sq + step;
            for (int n = 1; n <= range; ++n, to += step) {
                const int target = p_.at(to);
                if (target == kOff || own(target)) {
                    if (n == 1 && falcon_jumps(kind, l, k)) falcon_jump(code, sq, to + step);
                    break;
                }
                if (lion_rules_allow(code, sq, to, target)) {
                    emit_single(code, sq, to, target);
                    if (n == 1 && doubles) double_move(sq, to, target, kind, k.dir[static_cast<std::size_t>(l)]);
                }
                if (target != 0) {
                    if (n == 1 && falcon_jumps(kind, l, k)) falcon_jump(code, sq, to + step);
                    break;
                }
            }
        }
        for (int j = 0; j < k.jumps; ++j) {
            const int to = sq + k.jump[static_cast<std::size_t>(j)];
            const int target = p_.at(to);
            if (target == kOff || own(target)) continue;
            if (!lion_rules_allow(code, sq, to, target)) continue;
            emit_single(code, sq, to, target);
            if ((kind == 駒::獅子 || kind == 駒::獅子_成) && k.jump_near[static_cast<std::size_t>(j)])
                double_move(sq, to, target, kind, -1);
        }
    }

    // Whether line l of a Horned Falcon is the forward line it jumps along under the standard rules.
    bool falcon_jumps(int kind, int l, const Steps& k) const {
        return standard_ && kind == 駒::鷹 && k.dir[static_cast<std::size_t>(l)] == 0;
    }

    // The standard Falcon's jump to the second square ahead over the piece on the first.
    void falcon_jump(int code, int from, int to) {
        const int target = p_.at(to);
        if (target == kOff || own(target)) return;
        if (kind_ == Generate::captures && target == 0) return;
        if (lion_rules_allow(code, from, to, target)) emit_single(code, from, to, target);
    }

    // The double moves whose legal first step goes from `from` onto `mid` in direction d.
    void double_move(int from, int mid, int taken, int kind, int d) {
        if (kind == 駒::獅子 || kind == 駒::獅子_成) {
            for (int e = 0; e < 8; ++e) emit_second(from, mid, taken, mid + delta(dir_dx[e], dir_fwd[e], side_));
        } else if ((kind == 駒::鷲 && (d == 1 || d == 7)) || (kind == 駒::鷹 && d == 0)) {
            emit_second(from, mid, taken, mid + (mid - from));
            emit_second(from, mid, taken, from);
        }
    }

    // The second steps of a pending double move, asked with its step code.
    void second_steps_pending() {
        const int at = p_.pending_at();
        const int code = p_.pending_code();
        const int s = sign(code);
        const int a = std::abs(code);
        auto step = [&](int dx, int dy) {
            const int to = at + dx + dy * kWidth;
            const int target = p_.at(to);
            if (target == kOff || target * s > 0) return;
            if (standard_) {
                if (strike_refuses(target, code, p_.last_captured(), p_.last_by_lion())) return;
                if (is_lion(target) && is_lion(whole_kind(code)) &&
                    distant_lion_refused(p_.pending_from(), to, p_.pending_taken(), at, 0))
                    return;
            } else if (lookback_refuses(target, p_.last_captured(), p_.prev_moved())) {
                return;
            }
            if (kind_ == Generate::captures && target == 0) return;
            out_.push({static_cast<std::uint8_t>(at), static_cast<std::uint8_t>(to), 0, 0});
        };
        if (a == 擬_鷲一 || a == 擬_鷲二) {
            // +18.1 and −18.2 step along dx = −dy; −18.1 and +18.2 along dx = dy.
            const int slope = (code == 擬_鷲一 || code == -擬_鷲二) ? -1 : 1;
            step(1, slope);
            step(-1, -slope);
        } else if (a == 擬_鷹 || a == 駒::仲) {
            step(0, 1);
            step(0, -1);
        } else {
            for (int e = 0; e < 8; ++e) step(dir_dx[e], dir_fwd[e]);
        }
    }

    const Position& p_;
    MoveList& out_;
    Generate kind_;
    int side_;
    bool standard_;
    bool passed_ = false;
};

}  // namespace

int promotion_choices(int code, int Y1, int Y2, int captured, ルール rules) {
    const int kind = std::abs(code);
    const bool pawn_or_lance = kind == 駒::歩 || kind == 駒::香;
    const bool upper = code > 0;
    const bool in_zone_to = upper ? Y2 >= 9 : Y2 <= 4;
    const bool in_zone_from = upper ? Y1 >= 9 : Y1 <= 4;
    const int last_row = upper ? 盤サイズ : 1;
    bool may = false;
    switch (kind) {
        case 駒::歩:
        case 駒::香:
        case 駒::銅:
        case 駒::横行:
        case 駒::銀:
        case 駒::竪行:
        case 駒::金:
        case 駒::飛車:
        case 駒::龍王:
        case 駒::豹:
        case 駒::角行:
        case 駒::龍馬:
        case 駒::鳳:
        case 駒::反:
        case 駒::虎:
        case 駒::麒:
        case 駒::仲:
        case 駒::象:
            if (rules == ルール::標準) {
                // Entering the zone, or a capture beginning or ending in it (for a Pawn
                // or Lance already inside, only a capture on the last row); never forced.
                may = (in_zone_to && !in_zone_from) ||
                      (captured * code < 0 && (pawn_or_lance ? Y2 == last_row : in_zone_to || in_zone_from));
                return 1 | (may ? 2 : 0);
            }
            may = in_zone_to &&
                  (pawn_or_lance ? (Y2 == last_row || !in_zone_from) : (captured * code < 0 || !in_zone_from));
            break;
        default:
            break;
    }
    const bool must = rules == ルール::本来 && pawn_or_lance && Y2 == last_row;
    return (must ? 0 : 1) | (may ? 2 : 0);
}

bool reaches(const Position& p, int code, int from, int to) {
    const int dx = column_of(to) - column_of(from);
    const int dy = row_of(to) - row_of(from);
    if (dx < -12 || dx > 12 || dy < -12 || dy > 12 || code == 0) return false;
    const auto how = reach_table.how[code > 0 ? 0 : 1][static_cast<std::size_t>(std::abs(code))]
                                    [static_cast<std::size_t>(dy + 12)][static_cast<std::size_t>(dx + 12)];
    if (how != 2) return how == 1;
    if (p.standard() && falcon_jump(code, dx, dy)) return true;
    const int step = sign(dx) + sign(dy) * kWidth;
    for (int s = from + step; s != to; s += step)
        if (p.at(s) != 0) return false;
    return true;
}

bool guarded(const Position& p, int side, int target, int lifted, int lifted2) {
    const int tx = column_of(target), ty = row_of(target);
    const bool standard = p.standard();
    const std::uint8_t* squares = p.squares(side);
    for (int i = 0, n = p.pieces(side); i < n; ++i) {
        {
            const int sq = squares[i];
            const int c = p.at(sq);
            if (sq == target || sq == lifted || sq == lifted2) continue;
            const int dx = tx - column_of(sq), dy = ty - row_of(sq);
            const auto how = reach_table.how[c > 0 ? 0 : 1][static_cast<std::size_t>(std::abs(c))]
                                            [static_cast<std::size_t>(dy + 12)][static_cast<std::size_t>(dx + 12)];
            if (how == 1) return true;
            if (how == 2) {
                if (standard && falcon_jump(c, dx, dy)) return true;
                const int step = sign(dx) + sign(dy) * kWidth;
                bool open = true;
                for (int s = sq + step; s != target; s += step) {
                    if (s != lifted && s != lifted2 && p.at(s) != 0) {
                        open = false;
                        break;
                    }
                }
                if (open) return true;
            }
        }
    }
    return false;
}

void generate(const Position& p, MoveList& out, Generate kind) {
    out.size = 0;
    Generator(p, out, kind).run();
}

std::uint64_t perft(Position& p, int depth) {
    MoveList list;
    generate(p, list, Generate::all);
    if (depth <= 1) return depth == 1 ? static_cast<std::uint64_t>(list.size) : 1;
    std::uint64_t n = 0;
    for (const Move& m : list) {
        const Undo u = p.make(m);
        n += perft(p, depth - 1);
        p.unmake(m, u);
    }
    return n;
}

}  // namespace bexoru::search
