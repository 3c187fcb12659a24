#pragma once
// The searching engine: principal variation search with iterative
// deepening, a quiescence search of captures, a transposition table, move
// ordering (the hash move, captures by victim and attacker value, killer
// moves, history), null-move pruning and late-move reductions, within a
// budget of time or nodes with a hard stop.
//
// With a node budget and no time budget the search is deterministic: the
// same position, budget and table size give the same move every time. An
// Engine keeps its tables between searches; clear() forgets them. It uses no
// globals, so engines may run side by side on different threads.
//
// From another thread: run search() on a thread of its own (one search at a
// time per Engine) and set the atomic flag in Limits::stop from anywhere to
// end it. The flag is looked at every 64 nodes, so a stop returns within a
// fraction of a millisecond of search, with the best move of the iterations
// finished (a legal move whenever there is one).

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "search/evaluate.h"
#include "search/movegen.h"
#include "search/position.h"

namespace bexoru::search {

inline constexpr int kMate = 30000;
inline constexpr int kMateBound = kMate - 1000;  // scores beyond this announce a royal piece taken
inline constexpr int kMaxPly = 96;

struct Limits {
    std::int64_t nodes = 0;                   // stop after this many nodes (0: no limit)
    std::int64_t movetime_ms = 0;             // stop after this many milliseconds (0: no limit)
    int depth = 64;                           // the deepest iteration
    const std::atomic<bool>* stop = nullptr;  // set from any thread to stop at once
    std::vector<Move> excluded;               // root moves not to play
    // The game's earlier positions (their hashes, one for each time each
    // occurred), for the standard rules' repetition: the side whose move
    // makes a position occur the fourth time loses.
    std::vector<std::uint64_t> history;
};

// Choices of the search that a match between settings decides.
struct SearchOptions {
    // Search a node one ply deeper when the side to move has one royal piece
    // left and it stands attacked.
    bool check_extension = false;
};

struct SearchInfo {
    int depth = 0;
    int score = 0;
    std::int64_t nodes = 0;
    double seconds = 0;
    std::vector<Move> pv;
};

struct SearchResult {
    bool has_move = false;  // false when the side to move has no legal move
    Move best{};
    int score = 0;  // for the side to move, in hundredths of a table point
    int depth = 0;  // the last iteration completed
    std::int64_t nodes = 0;
    double seconds = 0;
    std::vector<Move> pv;
};

class Engine {
public:
    explicit Engine(int table_megabytes = 16, EvalWeights weights = {}, SearchOptions options = {});

    // Searches the position for the side to move within the limits. Calls
    // `info` after every completed iteration.
    SearchResult search(const Position& root, const Limits& limits,
                        const std::function<void(const SearchInfo&)>& info = {});
    void clear();

private:
    struct Entry {
        std::uint64_t key = 0;
        std::uint32_t move = 0;
        std::int16_t score = 0;
        std::int8_t depth = -1;
        std::uint8_t bound = 0;
    };

    int pvs(Position& p, int depth, int alpha, int beta, int ply, bool null_allowed);
    int quiesce(Position& p, int alpha, int beta, int ply, int qdepth);
    void order(const Position& p, MoveList& list, std::array<int, MoveList::kCapacity>& keys, std::uint32_t hash_move,
               int ply) const;
    bool out_of_budget();
    Entry* probe(std::uint64_t key);
    void store(std::uint64_t key, Move m, int score, int depth, int bound, int ply);
    bool repeated(int ply) const;
    // Under the standard rules: how often the position at `ply` occurred before (game and path).
    int occurrences(int ply) const;
    // Under the standard rules: the score of a game ended by a bare King, or 0.
    static int bare_king_score(const Position& p, int ply);
    int static_eval(const Position& p);
    bool in_check(const Position& p) const;

    EvalWeights weights_;
    SearchOptions options_;
    std::vector<Entry> table_;
    std::vector<int> history_;
    // Evaluations by hash: the same positions come back in every iteration.
    std::vector<std::pair<std::uint64_t, int>> eval_cache_;
    std::array<std::array<Move, 2>, kMaxPly + 1> killers_{};
    std::array<std::array<Move, kMaxPly + 1>, kMaxPly + 1> pv_{};
    std::array<int, kMaxPly + 1> pv_length_{};
    std::array<std::uint64_t, kMaxPly + 1> path_{};
    std::array<std::uint64_t, 64> history_filter_{};  // a bit for each history hash's low 12 bits
    Limits limits_;
    std::int64_t nodes_ = 0;
    bool stopped_ = false;
    double start_ = 0;
};

// Seconds on a steady clock.
double now_seconds();

}  // namespace bexoru::search
