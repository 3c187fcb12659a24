// The searching engine's position: make and unmake give back the same
// position and hash, the search's shortened move list reaches the same
// positions as the full one, and counting moves two plies deep agrees with
// the game's own rules (the move check, promotion, logging and making a move).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>
#include <set>

#include "board/game_state.h"
#include "board/starting_position.h"
#include "rules/move_check.h"
#include "rules/move_execution.h"
#include "rules/move_logging.h"
#include "rules/promotion.h"
#include "search/agreement.h"
#include "search/movegen.h"

namespace bexoru::search {
namespace {

Position start_position() {
    盤面型 b{};
    初期配置(b);
    return Position::from_board(b, kLower);
}

// The squares an army's list holds, in its order.
std::vector<int> squares_of(const Position& p, int side) {
    return {p.squares(side), p.squares(side) + p.pieces(side)};
}

// Every piece of the army in its list once, and nothing else.
bool lists_match_board(const Position& p) {
    for (const int side : {kUpper, kLower}) {
        std::vector<int> listed = squares_of(p, side), on_board;
        for (int sq = 0; sq < kSquares; ++sq)
            if (p.at(sq) != kOff && p.at(sq) * side > 0) on_board.push_back(sq);
        std::sort(listed.begin(), listed.end());
        if (listed != on_board) return false;
    }
    return true;
}

TEST(SearchPosition, MakeAndUnmakeRestoreEverythingOnRandomGames) {
    Random rng(7);
    for (int game = 0; game < 40; ++game) {
        const RandomGame g = random_game(rng);
        Position p = Position::from_game(g.board, g.log, game % 2 == 0 ? kUpper : kLower);
        for (int ply = 0; ply < 30; ++ply) {
            MoveList list;
            generate(p, list, Generate::all);
            if (list.size == 0) break;
            const Position before = p;
            for (const Move& m : list) {
                const Undo u = p.make(m);
                ASSERT_EQ(p.hash(), p.compute_hash()) << to_text(m);
                ASSERT_TRUE(lists_match_board(p)) << to_text(m);
                p.unmake(m, u);
                ASSERT_EQ(p.hash(), before.hash()) << to_text(m);
                // The lists come back in the same order, so the moves do too.
                ASSERT_EQ(squares_of(p, kUpper), squares_of(before, kUpper)) << to_text(m);
                ASSERT_EQ(squares_of(p, kLower), squares_of(before, kLower)) << to_text(m);
                ASSERT_EQ(p.to_board(), before.to_board()) << to_text(m);
                ASSERT_EQ(p.material(kUpper), before.material(kUpper));
                ASSERT_EQ(p.royals(kLower), before.royals(kLower));
            }
            p.make(list[rng.below(list.size)]);
        }
    }
}

TEST(SearchPosition, DoubleMovesTakeWithoutMovingAndPass) {
    // An upper Lion on (6, 6) next to a lower Pawn on (6, 7).
    Position p;
    p.set(square_of(6, 6), 駒::獅子);
    p.set(square_of(6, 7), -駒::歩);
    p.set(square_of(1, 1), 駒::王);
    p.set(square_of(12, 12), -駒::王);
    MoveList list;
    generate(p, list, Generate::all);
    const Move igui{static_cast<std::uint8_t>(square_of(6, 6)), static_cast<std::uint8_t>(square_of(6, 7)),
                    static_cast<std::uint8_t>(square_of(6, 6)), 0};
    const Move pass{static_cast<std::uint8_t>(square_of(6, 6)), static_cast<std::uint8_t>(square_of(5, 5)),
                    static_cast<std::uint8_t>(square_of(6, 6)), 0};
    int found = 0;
    for (const Move& m : list) found += (m == igui) + (m == pass);
    EXPECT_EQ(found, 2);
    // The Lion: 24 squares within two, 8 first steps with 8 second steps each.
    EXPECT_EQ(list.size, 24 + 8 * 8 + 3 /* the King in its corner */);
    const Undo u = p.make(igui);
    EXPECT_EQ(p.at(6, 6), 駒::獅子);
    EXPECT_EQ(p.at(6, 7), 0);
    EXPECT_EQ(p.pieces(kLower), 1);
    p.unmake(igui, u);
    EXPECT_EQ(p.at(6, 7), -駒::歩);
}

TEST(SearchPosition, TheSearchListReachesEveryPositionOfTheFullList) {
    Random rng(11);
    for (int game = 0; game < 60; ++game) {
        const RandomGame g = random_game(rng);
        Position p = Position::from_game(g.board, g.log, game % 2 == 0 ? kUpper : kLower);
        auto reached = [&](Generate kind) {
            MoveList list;
            generate(p, list, kind);
            std::set<std::uint64_t> hashes;
            for (const Move& m : list) {
                const Undo u = p.make(m);
                hashes.insert(p.hash());
                p.unmake(m, u);
            }
            return std::pair{hashes, list.size};
        };
        const auto [all, n_all] = reached(Generate::all);
        const auto [unique, n_unique] = reached(Generate::unique);
        EXPECT_EQ(all, unique) << "game " << game;
        EXPECT_LE(n_unique, n_all);
    }
}

TEST(SearchPosition, TheCaptureListIsTheCapturesOfTheSearchList) {
    Random rng(13);
    for (int game = 0; game < 60; ++game) {
        const RandomGame g = random_game(rng);
        const Position p = Position::from_game(g.board, g.log, game % 2 == 0 ? kUpper : kLower);
        MoveList unique, captures;
        generate(p, unique, Generate::unique);
        generate(p, captures, Generate::captures);
        auto takes = [&](const Move& m) {
            return p.at(m.to) != 0 || (m.is_double() && m.to2 != m.from && p.at(m.to2) != 0);
        };
        std::set<std::uint32_t> want, got;
        for (const Move& m : unique)
            if (takes(m)) want.insert(m.packed());
        for (const Move& m : captures) {
            EXPECT_TRUE(takes(m)) << to_text(m);
            got.insert(m.packed());
        }
        EXPECT_EQ(want, got);
    }
}

// Counts moves by the rules: every origin and destination through the move
// check, promotion by the promotion rules, double moves by asking the second
// step on the board after the first, each step logged as the game logs it.
std::uint64_t rules_perft(盤面型& board, 棋譜記録& log, int side, int depth) {
    対局状態 state;
    state.MAN側 = 先手;
    state.COM側 = 後手;
    std::uint64_t n = 0;
    auto after = [&](const 盤面型& b, const 棋譜記録& l) {
        if (depth == 1) return std::uint64_t{1};
        盤面型 b2 = b;
        棋譜記録 l2 = l;
        return rules_perft(b2, l2, -side, depth - 1);
    };
    for (int X1 = 1; X1 <= 盤サイズ; ++X1) {
        for (int Y1 = 1; Y1 <= 盤サイズ; ++Y1) {
            const int code = board(X1, Y1);
            if (code * side <= 0) continue;
            for (int X2 = 1; X2 <= 盤サイズ; ++X2) {
                for (int Y2 = 1; Y2 <= 盤サイズ; ++Y2) {
                    state.二手目状態 = 二手目状態型::一手目;
                    規則局面 rules{board, log, state};
                    if (!移動チェック(rules, X1, Y1, X2, Y2, code, 二手目状態型::一手目)) continue;
                    駒コード promoted = 空;
                    const bool may = 調査_駒成(board, X1, Y1, X2, Y2, code, promoted);
                    const bool plain = !may || 移動後チェック(Y2, code);
                    for (int pr = 0; pr < 2; ++pr) {
                        if ((pr == 0 && !plain) || (pr == 1 && !may)) continue;
                        const int now = pr ? promoted : code;
                        盤面型 b = board;
                        棋譜記録 l = log;
                        手順保存(b, l, X1, Y1, X2, Y2, code, now);
                        盤上移動(b, X1, Y1, X2, Y2, now);
                        n += after(b, l);
                    }
                    // The second steps.
                    const int kind = std::abs(code), dx = X2 - X1, fwd = (Y2 - Y1) * side;
                    int step = 0;
                    if ((kind == 33 || kind == 34) && std::abs(dx) <= 1 && std::abs(Y2 - Y1) <= 1) step = code;
                    if (kind == 18 && fwd == 1 && std::abs(dx) == 1) step = side * (dx < 0 ? 擬_鷲一 : 擬_鷲二);
                    if (kind == 24 && fwd == 1 && dx == 0) step = side * 擬_鷹;
                    if (step == 0) continue;
                    盤面型 b = board;
                    棋譜記録 l = log;
                    手順保存(b, l, X1, Y1, X2, Y2, code, code);
                    盤上移動(b, X1, Y1, X2, Y2, code);
                    for (int X3 = X2 - 1; X3 <= X2 + 1; ++X3) {
                        for (int Y3 = Y2 - 1; Y3 <= Y2 + 1; ++Y3) {
                            state.二手目状態 = 二手目状態型::二手目;
                            規則局面 r2{b, l, state};
                            if (!移動チェック(r2, X2, Y2, X3, Y3, step, 二手目状態型::二手目)) continue;
                            盤面型 b3 = b;
                            棋譜記録 l3 = l;
                            手順保存(b3, l3, X2, Y2, X3, Y3, code, code);
                            盤上移動(b3, X2, Y2, X3, Y3, code);
                            n += after(b3, l3);
                        }
                    }
                }
            }
        }
    }
    return n;
}

TEST(SearchPerft, CountsTwoPliesAsTheRulesDo) {
    Random rng(3);
    for (int game = 0; game < 6; ++game) {
        RandomGame g = random_game(rng);
        const int side = game % 2 == 0 ? kUpper : kLower;
        Position p = Position::from_game(g.board, g.log, side);
        EXPECT_EQ(perft(p, 2), rules_perft(g.board, g.log, side, 2)) << "game " << game;
    }
    盤面型 b{};
    初期配置(b);
    棋譜記録 log{};
    Position p = start_position();
    EXPECT_EQ(perft(p, 2), rules_perft(b, log, kLower, 2));
}

}  // namespace
}  // namespace bexoru::search
