#include "search/engine.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace bexoru::search {

namespace {

constexpr int kInfinity = kMate + 1;
constexpr int kExact = 1, kLowerBound = 2, kUpperBound = 3;  // the bound a stored score is
constexpr int kQuiescenceDepth = 10;                         // captures looked at beyond the horizon

int value_of(int code) {
    return 駒価値(code);
}

bool is_capture(const Position& p, const Move& m) {
    return p.at(m.to) != 0 || (m.is_double() && m.to2 != m.from && p.at(m.to2) != 0);
}

// What a move takes, in table points (the King counts its table value).
int captured_value(const Position& p, const Move& m) {
    int v = value_of(p.at(m.to));
    if (m.is_double() && m.to2 != m.from) v += value_of(p.at(m.to2));
    return v;
}

int to_table(int score, int ply) {
    if (score > kMateBound) return score + ply;
    if (score < -kMateBound) return score - ply;
    return score;
}
int from_table(int score, int ply) {
    if (score > kMateBound) return score - ply;
    if (score < -kMateBound) return score + ply;
    return score;
}

}  // namespace

double now_seconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

Engine::Engine(int table_megabytes, EvalWeights weights, SearchOptions options)
    : weights_(weights), options_(options) {
    std::size_t entries = 1;
    const std::size_t want = static_cast<std::size_t>(std::max(1, table_megabytes)) * 1024 * 1024 / sizeof(Entry);
    while (entries * 2 <= want) entries *= 2;
    table_.resize(entries);
    history_.assign(static_cast<std::size_t>(kSquares * kSquares), 0);
    eval_cache_.assign(std::size_t{1} << 16, {0, 0});
}

int Engine::static_eval(const Position& p) {
    auto& slot = eval_cache_[static_cast<std::size_t>(p.hash()) & (eval_cache_.size() - 1)];
    if (slot.first == p.hash()) return slot.second;
    const int v = evaluate(p, weights_);
    slot = {p.hash(), v};
    return v;
}

void Engine::clear() {
    std::fill(table_.begin(), table_.end(), Entry{});
    std::fill(history_.begin(), history_.end(), 0);
    std::fill(eval_cache_.begin(), eval_cache_.end(), std::pair<std::uint64_t, int>{0, 0});
    killers_ = {};
}

Engine::Entry* Engine::probe(std::uint64_t key) {
    Entry& e = table_[static_cast<std::size_t>(key) & (table_.size() - 1)];
    return e.key == key ? &e : nullptr;
}

void Engine::store(std::uint64_t key, Move m, int score, int depth, int bound, int ply) {
    Entry& e = table_[static_cast<std::size_t>(key) & (table_.size() - 1)];
    const bool same = e.key == key;
    if (same && e.depth > depth && bound != kExact) return;
    e.key = key;
    if (!m.is_null() || !same) e.move = m.packed();
    e.score = static_cast<std::int16_t>(to_table(score, ply));
    e.depth = static_cast<std::int8_t>(std::clamp(depth, -1, 127));
    e.bound = static_cast<std::uint8_t>(bound);
}

bool Engine::out_of_budget() {
    if (stopped_) return true;
    if (limits_.nodes > 0 && nodes_ >= limits_.nodes) stopped_ = true;
    // The stop flag is a plain load, looked at every 64 nodes (well under a
    // millisecond); the clock costs more and is read every 1024.
    if ((nodes_ & 63) == 0) {
        if (limits_.stop != nullptr && limits_.stop->load(std::memory_order_relaxed)) stopped_ = true;
        if ((nodes_ & 1023) == 0 && limits_.movetime_ms > 0 &&
            (now_seconds() - start_) * 1000 >= static_cast<double>(limits_.movetime_ms))
            stopped_ = true;
    }
    return stopped_;
}

bool Engine::in_check(const Position& p) const {
    const int side = p.side();
    if (p.royals(side) != 1) return false;  // with two, losing one is not the end
    const std::uint8_t* squares = p.squares(side);
    for (int i = 0, n = p.pieces(side); i < n; ++i) {
        const int k = std::abs(p.at(squares[i]));
        if (k == 駒::王 || k == 駒::太子) return guarded(p, -side, squares[i], 0);
    }
    return false;
}

int Engine::occurrences(int ply) const {
    const std::uint64_t h = path_[static_cast<std::size_t>(ply)];
    int n = 0;
    for (int i = ply - 2; i >= 0; i -= 2) n += path_[static_cast<std::size_t>(i)] == h;
    if ((history_filter_[(h >> 6) & 63] >> (h & 63)) & 1)
        for (const std::uint64_t k : limits_.history) n += k == h;
    return n;
}

int Engine::bare_king_score(const Position& p, int ply) {
    const int side = p.side();
    const bool bare = p.pieces(side) == p.royals(side), other_bare = p.pieces(-side) == p.royals(-side);
    if (bare == other_bare) return 0;
    return bare ? -kMate + ply : kMate - ply;
}

bool Engine::repeated(int ply) const {
    for (int i = ply - 2; i >= 0; i -= 2)
        if (path_[static_cast<std::size_t>(i)] == path_[static_cast<std::size_t>(ply)]) return true;
    return false;
}

void Engine::order(const Position& p, MoveList& list, std::array<int, MoveList::kCapacity>& keys,
                   std::uint32_t hash_move, int ply) const {
    const auto& killers = killers_[static_cast<std::size_t>(ply)];
    for (int i = 0; i < list.size; ++i) {
        const Move& m = list[i];
        int k = 0;
        if (m.packed() == hash_move) {
            k = 1 << 30;
        } else if (is_capture(p, m)) {
            k = (1 << 24) + captured_value(p, m) * 256 - value_of(p.at(m.from));
        } else if (m.promote) {
            k = (1 << 23) + value_of(p.at(m.from) + (p.at(m.from) > 0 ? 1 : -1)) - value_of(p.at(m.from));
        } else if (m == killers[0]) {
            k = (1 << 22) + 1;
        } else if (m == killers[1]) {
            k = 1 << 22;
        } else {
            k = std::min(history_[static_cast<std::size_t>(m.from * kSquares + m.to)], (1 << 21));
            if (m.is_double()) k -= 1;  // passes and roundabout steps after the plain moves
        }
        keys[static_cast<std::size_t>(i)] = k;
    }
}

// Brings the best remaining move to place i.
static void pick(MoveList& list, std::array<int, MoveList::kCapacity>& keys, int i) {
    int best = i;
    for (int j = i + 1; j < list.size; ++j)
        if (keys[static_cast<std::size_t>(j)] > keys[static_cast<std::size_t>(best)]) best = j;
    if (best != i) {
        std::swap(list[i], list[best]);
        std::swap(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(best)]);
    }
}

int Engine::quiesce(Position& p, int alpha, int beta, int ply, int qdepth) {
    if (p.royals(p.side()) == 0) return -kMate + ply;
    if (p.standard()) {
        if (const int s = bare_king_score(p, ply)) return s;
    }
    ++nodes_;
    if (out_of_budget()) return 0;
    // Far outside the window the material alone decides; the rest of the
    // evaluation (mobility above all) moves a score less than this margin.
    constexpr int kLazyMargin = 6 * kPieceUnit;
    const int material = (p.material(p.side()) - p.material(-p.side())) * kPieceUnit;
    if (material - kLazyMargin >= beta) return material - kLazyMargin;
    const int stand = material + kLazyMargin <= alpha ? material + kLazyMargin : static_eval(p);
    if (stand >= beta) return stand;
    if (ply >= kMaxPly || qdepth <= 0) return stand;
    alpha = std::max(alpha, stand);

    MoveList list;
    generate(p, list, Generate::captures);
    std::array<int, MoveList::kCapacity> keys;
    order(p, list, keys, 0, ply);
    int best = stand;
    for (int i = 0; i < list.size; ++i) {
        pick(list, keys, i);
        const Move m = list[i];
        // Skip captures that cannot lift the score to alpha even if nothing is lost.
        const int gain = captured_value(p, m) * kPieceUnit;
        if (stand + gain + 2 * kPieceUnit <= alpha && !(gain >= 29 * kPieceUnit)) continue;
        const Undo u = p.make(m);
        const int score = -quiesce(p, -beta, -alpha, ply + 1, qdepth - 1);
        p.unmake(m, u);
        if (stopped_) return 0;
        if (score > best) {
            best = score;
            if (score > alpha) {
                alpha = score;
                if (alpha >= beta) break;
            }
        }
    }
    return best;
}

int Engine::pvs(Position& p, int depth, int alpha, int beta, int ply, bool null_allowed) {
    pv_length_[static_cast<std::size_t>(ply)] = ply;
    if (p.royals(p.side()) == 0) return -kMate + ply;
    if (depth <= 0) return quiesce(p, alpha, beta, ply, kQuiescenceDepth);
    ++nodes_;
    if (out_of_budget()) return 0;
    path_[static_cast<std::size_t>(ply)] = p.hash();
    if (p.standard() && ply > 0) {
        if (const int s = bare_king_score(p, ply)) return s;
        // The move that made this position occur the fourth time lost.
        if (occurrences(ply) >= 3) return kMate - ply;
    }
    if (ply > 0 && repeated(ply)) return 0;
    if (ply >= kMaxPly - 1) return static_eval(p);

    const bool pv_node = beta - alpha > 1;
    // A lone royal piece under attack: look one ply further, the reply may
    // lose the game or save it.
    const bool checked = options_.check_extension && ply > 0 && in_check(p);
    if (checked && ply < kMaxPly / 2) ++depth;
    std::uint32_t hash_move = 0;
    if (const Entry* e = probe(p.hash())) {
        hash_move = e->move;
        if (!pv_node && e->depth >= depth) {
            const int s = from_table(e->score, ply);
            if (e->bound == kExact || (e->bound == kLowerBound && s >= beta) || (e->bound == kUpperBound && s <= alpha))
                return s;
        }
    }

    // Null move: when even passing keeps the score above beta, the position is good enough.
    if (null_allowed && !pv_node && !checked && depth >= 3 && p.pieces(p.side()) >= 6 && beta < kMateBound &&
        static_eval(p) >= beta) {
        const Undo u = p.make_null();
        const int r = depth >= 6 ? 3 : 2;
        const int s = -pvs(p, depth - 1 - r, -beta, -beta + 1, ply + 1, false);
        p.unmake_null(u);
        if (stopped_) return 0;
        if (s >= beta && s < kMateBound) return beta;
    }

    MoveList list;
    generate(p, list, Generate::unique);
    if (list.size == 0) return -kMate + ply;  // no legal move loses
    if (ply == 0 && static_cast<std::size_t>(list.size) <= limits_.excluded.size()) {
        bool all_excluded = true;
        for (const Move& m : list)
            all_excluded = all_excluded &&
                           std::find(limits_.excluded.begin(), limits_.excluded.end(), m) != limits_.excluded.end();
        if (all_excluded) return -kMate + ply;
    }
    std::array<int, MoveList::kCapacity> keys;
    order(p, list, keys, hash_move, ply);

    const int alpha_in = alpha;
    int best = -kInfinity;
    Move best_move{};
    int searched = 0;
    for (int i = 0; i < list.size; ++i) {
        pick(list, keys, i);
        const Move m = list[i];
        if (ply == 0 && std::find(limits_.excluded.begin(), limits_.excluded.end(), m) != limits_.excluded.end())
            continue;
        const bool quiet = !is_capture(p, m) && !m.promote;
        const Undo u = p.make(m);
        int score;
        if (searched++ == 0) {
            score = -pvs(p, depth - 1, -beta, -alpha, ply + 1, true);
        } else {
            int reduction = 0;
            if (depth >= 3 && quiet && i >= 3 && keys[static_cast<std::size_t>(i)] < (1 << 22)) {
                reduction = 1 + (i >= 10) + (depth >= 6 && i >= 20);
            }
            score = -pvs(p, depth - 1 - reduction, -alpha - 1, -alpha, ply + 1, true);
            if (score > alpha && reduction > 0 && !stopped_)
                score = -pvs(p, depth - 1, -alpha - 1, -alpha, ply + 1, true);
            if (score > alpha && score < beta && !stopped_) score = -pvs(p, depth - 1, -beta, -alpha, ply + 1, true);
        }
        p.unmake(m, u);
        if (stopped_) return 0;
        if (score > best) {
            best = score;
            best_move = m;
            if (score > alpha) {
                alpha = score;
                auto& row = pv_[static_cast<std::size_t>(ply)];
                row[static_cast<std::size_t>(ply)] = m;
                const int next = pv_length_[static_cast<std::size_t>(ply + 1)];
                for (int j = ply + 1; j < next; ++j)
                    row[static_cast<std::size_t>(j)] =
                        pv_[static_cast<std::size_t>(ply + 1)][static_cast<std::size_t>(j)];
                pv_length_[static_cast<std::size_t>(ply)] = std::max(next, ply + 1);
                if (alpha >= beta) {
                    if (quiet) {
                        auto& k = killers_[static_cast<std::size_t>(ply)];
                        if (!(k[0] == m)) {
                            k[1] = k[0];
                            k[0] = m;
                        }
                        int& h = history_[static_cast<std::size_t>(m.from * kSquares + m.to)];
                        h = std::min(h + depth * depth, 1 << 20);
                    }
                    break;
                }
            }
        }
    }
    store(p.hash(), best_move, best, depth, best >= beta ? kLowerBound : best > alpha_in ? kExact : kUpperBound, ply);
    return best;
}

SearchResult Engine::search(const Position& root_in, const Limits& limits,
                            const std::function<void(const SearchInfo&)>& info) {
    limits_ = limits;
    history_filter_ = {};
    for (const std::uint64_t h : limits_.history) history_filter_[(h >> 6) & 63] |= std::uint64_t{1} << (h & 63);
    nodes_ = 0;
    stopped_ = false;
    start_ = now_seconds();
    for (int& h : history_) h /= 4;
    killers_ = {};

    Position root = root_in;
    SearchResult result;
    MoveList all_moves, root_moves;
    generate(root, all_moves, Generate::unique);
    root_moves.size = 0;
    for (const Move& m : all_moves)
        if (std::find(limits.excluded.begin(), limits.excluded.end(), m) == limits.excluded.end()) root_moves.push(m);
    if (root_moves.size == 0) return result;
    result.has_move = true;
    result.best = root_moves[0];
    {
        // Before any iteration: the most valuable capture, else the first move.
        std::array<int, MoveList::kCapacity> keys;
        order(root, root_moves, keys, 0, 0);
        pick(root_moves, keys, 0);
        result.best = root_moves[0];
    }

    const int max_depth = std::clamp(limits.depth, 1, kMaxPly - 2);
    for (int depth = 1; depth <= max_depth; ++depth) {
        const int score = pvs(root, depth, -kInfinity, kInfinity, 0, false);
        if (stopped_) {
            // A move of an unfinished iteration is taken only when it beat the
            // previous best move, which this iteration searched first and in full.
            if (pv_length_[0] > 0) {
                result.best = pv_[0][0];
                result.pv.assign(pv_[0].begin(), pv_[0].begin() + pv_length_[0]);
            }
            break;
        }
        result.score = score;
        result.depth = depth;
        if (pv_length_[0] > 0) result.best = pv_[0][0];
        result.pv.assign(pv_[0].begin(), pv_[0].begin() + pv_length_[0]);
        result.nodes = nodes_;
        result.seconds = now_seconds() - start_;
        if (info) info({depth, score, nodes_, result.seconds, result.pv});
        if (score > kMateBound || score < -kMateBound) break;
        // Another iteration would most likely not finish in the time left.
        if (limits.movetime_ms > 0 && result.seconds * 1000 > static_cast<double>(limits.movetime_ms) * 0.45) break;
    }
    result.nodes = nodes_;
    result.seconds = now_seconds() - start_;
    return result;
}

}  // namespace bexoru::search
