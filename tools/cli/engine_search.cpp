#include "engine_search.h"

#include "search/movegen.h"

namespace bexoru::cli {

exchange::Move exchange_move(const search::Move& m) {
    exchange::Move out;
    out.from = {search::column_of(m.from), search::row_of(m.from)};
    out.to = {search::column_of(m.to), search::row_of(m.to)};
    if (m.is_double()) out.then = 桝位置{search::column_of(m.to2), search::row_of(m.to2)};
    out.promote = m.promote != 0;
    return out;
}

search::Position search_position(const exchange::Replay& game) {
    return search::Position::from_game(game.board(), game.log(), game.side(), 0, game.rules());
}

std::vector<std::uint64_t> game_history(const exchange::Replay& game) {
    if (game.rules() != ルール::標準) return {};
    return search::earlier_positions(game.board(), game.log(), game.side(), game.rules());
}

std::vector<search::Move> outside_lion_rules(const exchange::Replay& game) {
    const search::Position p = search_position(game);
    const auto list = std::make_unique<search::MoveList>();
    search::generate(p, *list, search::Generate::unique);
    std::vector<search::Move> out;
    盤面型 board = game.board();
    for (const search::Move& m : *list)
        if (exchange::lion_rule_refusal(board, game.log(), game.side(), exchange_move(m), game.rules()))
            out.push_back(m);
    if (static_cast<int>(out.size()) == list->size) out.clear();
    return out;
}

BackgroundSearch::BackgroundSearch(int table_megabytes) : engine_(std::make_unique<search::Engine>(table_megabytes)) {}

BackgroundSearch::~BackgroundSearch() {
    stop();
}

void BackgroundSearch::resize(int table_megabytes) {
    stop();
    engine_ = std::make_unique<search::Engine>(table_megabytes);
}

void BackgroundSearch::clear() {
    stop();
    engine_->clear();
}

void BackgroundSearch::start(const search::Position& p, search::Limits limits, Info info, Done done) {
    stop();
    stop_.store(false);
    limits.stop = &stop_;
    running_.store(true);
    thread_ = std::thread([this, p, limits = std::move(limits), info = std::move(info), done = std::move(done)] {
        const search::SearchResult r = engine_->search(p, limits, info);
        done(r);
        running_.store(false);
    });
}

void BackgroundSearch::stop() {
    stop_.store(true);
    if (thread_.joinable()) thread_.join();
}

void BackgroundSearch::wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace bexoru::cli
