#include "search/agreement.h"

#include <array>
#include <cstdlib>
#include <memory>

#include "board/game_state.h"
#include "board/starting_position.h"
#include "rules/lion_capture_rules.h"
#include "rules/move_check.h"
#include "rules/move_execution.h"
#include "rules/move_logging.h"
#include "rules/promotion.h"
#include "search/movegen.h"

namespace bexoru::search {

namespace {

std::string square_text(int X, int Y) {
    return "(" + std::to_string(X) + "," + std::to_string(Y) + ")";
}

// The step code a first step asks its second step with, or 0 when the step
// does not offer one: a Lion's one-square step, the Eagle's step diagonally
// forward, the Falcon's step straight forward.
int step_code_of(int code, int dx, int dy) {
    const int kind = std::abs(code);
    const int s = code > 0 ? 1 : -1;
    const int forward = dy * s;
    if ((kind == 駒::獅子 || kind == 駒::獅子_成) && std::abs(dx) <= 1 && std::abs(dy) <= 1) return code;
    if (kind == 駒::鷲 && forward == 1 && std::abs(dx) == 1) return s * (dx < 0 ? 擬_鷲一 : 擬_鷲二);
    if (kind == 駒::鷹 && forward == 1 && dx == 0) return s * 擬_鷹;
    return 0;
}

class Comparison {
public:
    Comparison(const 盤面型& board, const 棋譜記録& log, ルール rules) : board_(board), log_(log) {
        state_.規則 = rules;
        state_.MAN側 = 先手;
        state_.COM側 = 後手;
        state_.対局モード = 対局_COM;
        state_.二手目状態 = 二手目状態型::一手目;
    }

    Agreement run() {
        for (int side : {kUpper, kLower}) {
            if (!side_agrees(side)) break;
        }
        return result_;
    }

private:
    // Under the standard rules the Lion-capture rules judge beside the move check.
    bool lion_rules_allow(規則局面& rules, int X1, int Y1, int X2, int Y2, int code) const {
        if (state_.規則 != ルール::標準 || !盤内(X2, Y2)) return true;
        return !調査_獅子取り(rules, X1, Y1, X2, Y2, code).has_value();
    }

    bool fail(std::string text) {
        result_.disagreement = std::move(text);
        return false;
    }

    bool side_agrees(int side) {
        const Position p = Position::from_game(board_, log_, side, 0, state_.規則);
        generate(p, list_, Generate::all);
        // first_[from][to]: bit 1 unpromoted, bit 2 promoted, bit 4 the first step of a double move.
        for (auto& row : first_) row.fill(0);
        for (const Move& m : list_) first_[m.from][m.to] |= m.is_double() ? 4 : m.promote ? 2 : 1;
        for (int Y1 = 1; Y1 <= 盤サイズ; ++Y1) {
            for (int X1 = 1; X1 <= 盤サイズ; ++X1) {
                const int code = board_(X1, Y1);
                if (code * side <= 0) continue;
                if (!origin_agrees(p, X1, Y1, code)) return false;
            }
        }
        return true;
    }

    bool origin_agrees(const Position& p, int X1, int Y1, int code) {
        const int from = square_of(X1, Y1);
        for (int Y2 = 0; Y2 <= 盤サイズ + 1; ++Y2) {
            for (int X2 = 0; X2 <= 盤サイズ + 1; ++X2) {
                盤面型 board = board_;
                規則局面 rules{board, log_, state_};
                const bool allowed = 移動チェック(rules, X1, Y1, X2, Y2, code, 二手目状態型::一手目) &&
                                     lion_rules_allow(rules, X1, Y1, X2, Y2, code);
                ++result_.questions;
                const int got = 盤内(X2, Y2) ? first_[from][square_of(X2, Y2)] : 0;
                const std::string where = "piece " + std::to_string(code) + " " + square_text(X1, Y1) + "->" +
                                          square_text(X2, Y2) + " (" + (code > 0 ? "upper" : "lower") + " to move)";
                if (allowed != ((got & 3) != 0)) {
                    return fail(where + ": move check " + (allowed ? "allows" : "refuses") + ", generator " +
                                (got & 3 ? "generates" : "does not generate"));
                }
                if (!allowed) continue;
                駒コード promoted = 空;
                const bool may = 調査_駒成(board, X1, Y1, X2, Y2, code, promoted, state_.規則);
                const bool plain = !may || 移動後チェック(Y2, code, state_.規則);
                if (may != ((got & 2) != 0) || plain != ((got & 1) != 0)) {
                    return fail(where + ": promotion rules say " + (plain ? "plain " : "") + (may ? "promoted" : "") +
                                ", generator " + (got & 1 ? "plain " : "") + (got & 2 ? "promoted" : ""));
                }
                const int step_code = step_code_of(code, X2 - X1, Y2 - Y1);
                if (step_code != 0 && !second_steps_agree(p, X1, Y1, X2, Y2, code, step_code, where)) return false;
                if (step_code == 0 && (got & 4)) return fail(where + ": generator makes a double move of it");
            }
        }
        return true;
    }

    // The position after the first step, logged as the game logs it, with
    // the second step pending.
    bool second_steps_agree(const Position& before, int X1, int Y1, int X2, int Y2, int code, int step_code,
                            const std::string& where) {
        盤面型 board = board_;
        棋譜記録 log = log_;
        if (記録余地(log) < 1) return true;
        手順保存(board, log, X1, Y1, X2, Y2, code, code);
        盤上移動(board, X1, Y1, X2, Y2, code);
        対局状態 state = state_;
        state.二手目状態 = 二手目状態型::二手目;
        const Position pending = Position::from_game(board, log, before.side(), step_code, state_.規則);
        MoveList list;
        generate(pending, list, Generate::all);
        std::array<bool, kSquares> pending_to{};
        for (const Move& m : list) {
            if (m.from != square_of(X2, Y2) || m.is_double())
                return fail(where + ": a pending second step from elsewhere");
            pending_to[m.to] = true;
        }
        const int mid = square_of(X2, Y2);
        std::array<bool, kSquares> compound_to{};
        for (const Move& m : list_)
            if (m.from == square_of(X1, Y1) && m.to == mid && m.is_double()) compound_to[m.to2] = true;
        for (int Y3 = 0; Y3 <= 盤サイズ + 1; ++Y3) {
            for (int X3 = 0; X3 <= 盤サイズ + 1; ++X3) {
                盤面型 b = board;
                規則局面 rules{b, log, state};
                const bool allowed = 移動チェック(rules, X2, Y2, X3, Y3, step_code, 二手目状態型::二手目) &&
                                     lion_rules_allow(rules, X2, Y2, X3, Y3, step_code);
                ++result_.questions;
                const bool on = 盤内(X3, Y3);
                const bool compound = on && compound_to[square_of(X3, Y3)];
                const bool asked = on && pending_to[square_of(X3, Y3)];
                if (allowed != compound || allowed != asked) {
                    return fail(where + " then " + square_text(X3, Y3) + " with step code " +
                                std::to_string(step_code) + ": move check " + (allowed ? "allows" : "refuses") +
                                ", compound moves " + (compound ? "have" : "lack") + " it, pending second steps " +
                                (asked ? "have" : "lack") + " it");
                }
            }
        }
        return true;
    }

    const 盤面型& board_;
    const 棋譜記録& log_;
    対局状態 state_;
    Agreement result_;
    std::array<std::array<int, kSquares>, kSquares> first_{};
    MoveList list_;
};

}  // namespace

Agreement compare_with_move_check(const 盤面型& board, const 棋譜記録& log, ルール rules) {
    auto c = std::make_unique<Comparison>(board, log, rules);
    return c->run();
}

std::uint64_t Random::next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

RandomGame random_game(Random& rng) {
    RandomGame g;
    constexpr int favoured[] = {駒::獅子, 駒::獅子_成, 駒::鷲, 駒::鷹, 駒::王};
    for (int side : {1, -1}) {
        const int n = 1 + rng.below(40);
        for (int i = 0; i < n; ++i) {
            const int X = 1 + rng.below(盤サイズ), Y = 1 + rng.below(盤サイズ);
            const int kind = rng.below(4) == 0 ? favoured[rng.below(5)] : 1 + rng.below(最大駒コード);
            g.board(X, Y) = side * kind;
        }
    }
    // The look-back: nothing, or one or two entries whose capture and moved
    // codes are Lions or other pieces.
    const int entries = rng.below(3);
    constexpr int lions[] = {駒::獅子, 駒::獅子_成};
    auto some_code = [&] {
        const int s = rng.below(2) == 0 ? 1 : -1;
        return rng.below(2) == 0 ? s * lions[rng.below(2)] : s * (1 + rng.below(最大駒コード));
    };
    for (int i = 1; i <= entries; ++i) {
        const auto k = static_cast<std::size_t>(i);
        g.log.手[k].移動元X = 1 + rng.below(盤サイズ);
        g.log.手[k].移動元Y = 1 + rng.below(盤サイズ);
        g.log.手[k].移動先X = 1 + rng.below(盤サイズ);
        g.log.手[k].移動先Y = 1 + rng.below(盤サイズ);
        g.log.手[k].移動駒 = some_code();
        g.log.手[k].成駒 = g.log.手[k].移動駒;
        g.log.手[k].取駒 = rng.below(2) == 0 ? some_code() : 空;
    }
    g.log.手[0].成駒 = rng.below(2) == 0 ? some_code() : 空;
    g.log.記録数 = entries;
    g.log.記録終端 = entries;
    return g;
}

PlayedGame played_game(Random& rng, int plies, ルール rules) {
    PlayedGame g;
    初期配置(g.board);
    Position p = Position::from_board(g.board, kLower, rules);
    MoveList list;
    for (int ply = 0; ply < plies && 記録余地(g.log) >= 2; ++ply) {
        generate(p, list, Generate::all);
        if (list.size == 0 || p.royals(kUpper) == 0 || p.royals(kLower) == 0) break;
        const Move m = list[rng.below(list.size)];
        const int X1 = column_of(m.from), Y1 = row_of(m.from), X2 = column_of(m.to), Y2 = row_of(m.to);
        const int code = g.board(X1, Y1);
        const int now = m.promote ? code + (code > 0 ? 1 : -1) : code;
        手順保存(g.board, g.log, X1, Y1, X2, Y2, code, now);
        盤上移動(g.board, X1, Y1, X2, Y2, now);
        if (m.is_double()) {
            const int X3 = column_of(m.to2), Y3 = row_of(m.to2);
            手順保存(g.board, g.log, X2, Y2, X3, Y3, code, code);
            盤上移動(g.board, X2, Y2, X3, Y3, code);
        }
        p.make(m);
    }
    g.side = p.side();
    return g;
}

}  // namespace bexoru::search
