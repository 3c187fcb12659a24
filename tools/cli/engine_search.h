#pragma once
// bexoru-cli: the searching engine on a thread of its own, for the engine
// protocols (usi, xboard). This file is the protocols' only use of the search
// API: a search starts with a position and its limits, reports each finished
// iteration and then its result through callbacks on the search thread, and
// stops at once when asked, so the protocol loop answers "stop", "?" and
// "quit" while it thinks.

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "board/board.h"
#include "board/move_log.h"
#include "exchange/game.h"
#include "search/engine.h"

namespace bexoru::cli {

// A move of the searching engine as the exchange formats write it.
exchange::Move exchange_move(const search::Move& m);

// The position of a game for the search: the board, the army to move and the
// Lion look-back from the log.
search::Position search_position(const exchange::Replay& game);

// The game's earlier positions for the search's repetition rule
// (search::Limits::history): empty under the game's own rules.
std::vector<std::uint64_t> game_history(const exchange::Replay& game);

// The moves the search may choose from at the root that the Lion-capture
// rules as the person meets them refuse (exchange::lion_rule_refusal): the
// engines leave them out, since XBoard and HaChu refuse them too. Nothing
// when every move would be left out.
std::vector<search::Move> outside_lion_rules(const exchange::Replay& game);

class BackgroundSearch {
public:
    using Info = std::function<void(const search::SearchInfo&)>;
    using Done = std::function<void(const search::SearchResult&)>;

    explicit BackgroundSearch(int table_megabytes);
    ~BackgroundSearch();
    BackgroundSearch(const BackgroundSearch&) = delete;
    BackgroundSearch& operator=(const BackgroundSearch&) = delete;

    // Both only between searches: a new table size, and a new game (the tables forgotten).
    void resize(int table_megabytes);
    void clear();

    // Starts a search (after the last one has ended). `done` is called on the
    // search thread when it ends, by itself or stopped.
    void start(const search::Position& p, search::Limits limits, Info info, Done done);
    // Asks the search to stop and waits until `done` has returned.
    void stop();
    // Waits until the search ends by itself.
    void wait();
    bool running() const { return running_.load(); }

private:
    std::unique_ptr<search::Engine> engine_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
};

}  // namespace bexoru::cli
