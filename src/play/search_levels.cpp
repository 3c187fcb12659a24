#include "play/search_levels.h"

#include <algorithm>
#include <cmath>

namespace bexoru {

std::int64_t 探索レベルの持ち時間(int レベル) {
    return レベル <= 4 ? 300 : レベル == 5 ? 1000 : 5000;
}

search::Limits 探索レベルの制限(int レベル, std::int64_t 節点数) {
    search::Limits limits;
    if (節点数 > 0) {
        limits.nodes = 節点数;
    } else {
        limits.movetime_ms = 探索レベルの持ち時間(レベル);
    }
    return limits;
}

探索の問い 対局の探索の問い(const 盤面型& 盤面, const 棋譜記録& 記録, ルール 規則) {
    探索の問い 問い{search::Position::from_game(盤面, 記録, search::kUpper, 0, 規則), {}};
    if (規則 == ルール::標準) 問い.履歴 = search::earlier_positions(盤面, 記録, search::kUpper, 規則);
    return 問い;
}

search::Limits 時計で削る(search::Limits 制限, double 残り秒) {
    if (!std::isfinite(残り秒)) return 制限;
    const double 使える_ms = std::max(1.0, (残り秒 * 1000.0 - 100.0) * 0.9);
    const auto 上限 = static_cast<std::int64_t>(使える_ms);
    if (制限.movetime_ms == 0 || 制限.movetime_ms > 上限) 制限.movetime_ms = 上限;
    return 制限;
}

探索結果 探索の答え(const search::Position& p, const search::SearchResult& r) {
    探索結果 out;
    if (!r.has_move) return out;
    const search::Move& m = r.best;
    const int code = p.at(m.from);
    const int now = m.promote ? code + (code > 0 ? 1 : -1) : code;
    out.手 = 指し手{
        search::column_of(m.from), search::row_of(m.from), search::column_of(m.to), search::row_of(m.to), code, now};
    // A royal capture in sight scores as levels 1 to 3 score taking the King.
    const 評価値 score = r.score > search::kMateBound    ? 点(9999)
                         : r.score < -search::kMateBound ? -点(9999)
                                                         : r.score / 10;
    out.最高評価値 = score;
    if (m.is_double()) {
        const int kind = code > 0 ? code : -code;
        const int dx = search::column_of(m.to) - search::column_of(m.from);
        out.二手目駒 = kind == 駒::鷲 ? (dx > 0 ? 擬_鷲二 : 擬_鷲一) : kind == 駒::鷹 ? 擬_鷹 : kind;
        if (code < 0) out.二手目駒 = -out.二手目駒;
        out.二手目 = 二手目手{search::column_of(m.to2), search::row_of(m.to2), score};
    }
    return out;
}

}  // namespace bexoru
