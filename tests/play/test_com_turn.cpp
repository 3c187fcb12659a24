// The computer's turn around the search: the move committed to the log, the
// board and the screen, its second step, the announcements and the end of
// the game, and the three cases the original left open (a full log, no legal
// move, no legal second step).

#include <gtest/gtest.h>

#include "engine/influence_test_board.h"
#include "play/form1.h"
#include "play/com_turn.h"
#include "play/recovery.h"
#include "support/recording_port.h"

namespace bexoru {
namespace {

using test::配置;

constexpr std::int32_t 駒打音 = 7;
constexpr std::int32_t 禁止音 = 8;

// A window whose game against the computer stands on a hand-built position
// with the computer to move, as after a person's move. A game end is
// answered No to the new game and Yes to discarding the unsaved game, so the
// program ends and the position stays to be looked at.
struct 手番局面 {
    test::RecordingPort port;
    test::FakeSound sound;
    test::FakeClock clock;
    Form1 form{port, sound, clock};
    盤面型& 盤面 = form.盤面;
    棋譜記録& 記録 = form.記録;
    対局状態& 状態 = form.状態;
    const 表示設定& 表示 = form.表示;

    explicit 手番局面(const std::vector<配置>& 駒々) {
        盤面 = test::盤を作る(駒々);
        状態.MAN側 = 先手;
        状態.COM側 = 後手;
        状態.手番 = 後手;
        状態.対局モード = 対局_COM;
        状態.レベル = 3;
        記録.手[0].成駒 = +1;
        勢力調査_MAN(盤面, form.man図);
        勢力調査_COM(盤面, form.com図);
        form.音.音_駒打 = 駒打音;
        form.音.音_禁止 = 禁止音;
    }
    // The game ends in this turn: the new game is declined, and the game
    // (unsaved when it has moves) is discarded.
    void 終局を待つ(bool 手がある = true) {
        port.answerNext("続けますか？", false);
        if (手がある) port.answerNext(std::string(未保存_文), true);
    }

    // The OK boxes of the turn, without the game-end box.
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const std::string& m : port.messages())
            if (!m.starts_with("終了|")) out.push_back(m);
        return out;
    }
    // The results the game-end boxes announced.
    std::vector<std::string> results() const {
        std::vector<std::string> out;
        for (const std::string_view r : {結果_COM勝ち, 結果_MAN勝ち, 結果_引き分け})
            for (const std::string& m : port.messages())
                if (m == "終了|" + 結果の文(r)) out.emplace_back(r);
        return out;
    }
};

探索結果 結果(指し手 手, 評価値 score, 駒コード step = 空, std::optional<二手目手> second = std::nullopt) {
    探索結果 r;
    r.手 = 手;
    r.最高評価値 = score;
    r.二手目駒 = step;
    r.二手目 = second;
    return r;
}

// The entries of the log, in order.
std::vector<指し手> 記録の行(const 棋譜記録& log) {
    return {log.手.begin() + 1, log.手.begin() + 1 + log.記録数};
}

TEST(ComTurn, AFullLogRefusesToMove) {
    for (const int entries : {記録最大 - 1, 記録最大}) {
        手番局面 g({{5, 5, 13}, {1, 12, -39}, {12, 12, -1}});
        g.記録.記録数 = entries;
        const 盤面型 before = g.盤面;
        g.form.com_ban();
        EXPECT_EQ(g.messages(), (std::vector<std::string>{"棋譜|棋譜が一杯です。これ以上は指せません"})) << entries;
        EXPECT_EQ(g.sound.plays(禁止音), 1) << entries;
        EXPECT_TRUE(g.port.texts().empty()) << entries << ": no search, not even the thinking notice";
        EXPECT_TRUE(g.盤面 == before) << entries;
        EXPECT_EQ(g.記録.記録数, entries);
        EXPECT_EQ(g.状態.手番, 後手) << entries << ": the turn stays with the computer";
    }
}

TEST(ComTurn, NoLegalMoveEndsTheGameForThePerson) {
    手番局面 g({{5, 12, 1}, {1, 12, -39}});
    const 盤面型 before = g.盤面;
    g.終局を待つ(false);
    g.form.com_ban着手(探索結果{});
    EXPECT_EQ(g.messages(), (std::vector<std::string>{"終局|ｺﾝﾋﾟｭｰﾀには指せる手がありません"}));
    EXPECT_EQ(g.results(), (std::vector<std::string>{"あなた"}));
    EXPECT_TRUE(g.盤面 == before);
    EXPECT_EQ(g.記録.記録数, 0);
}

TEST(ComTurn, PlaysTheMoveIntoTheLogOntoTheBoardAndHandsTheTurnBack) {
    手番局面 g({{5, 8, 9}, {1, 12, -39}, {12, 12, -1}});
    g.form.com_ban着手(結果({5, 8, 5, 9, 9, 10}, 点(3)));
    EXPECT_EQ(記録の行(g.記録), (std::vector<指し手>{{5, 8, 5, 9, 9, 10, 0}}));
    EXPECT_EQ(g.盤面(5, 9), 10) << "the promoted code stands on the board";
    EXPECT_EQ(g.盤面(5, 8), 空);
    EXPECT_EQ(g.状態.手数, 1);
    EXPECT_EQ(g.状態.手番, 先手);
    EXPECT_EQ(g.sound.plays(駒打音), 1);
    EXPECT_TRUE(g.messages().empty());
    EXPECT_TRUE(g.results().empty());
    // The last-move text "８九竪" in the computer's place (15.6, 5), the piece 1.0 further right.
    EXPECT_TRUE(g.port.printedAt("８", 座標X(15.6), 座標Y(5)));
    EXPECT_TRUE(g.port.printedAt("九", 座標X(16.0), 座標Y(5)));
    EXPECT_TRUE(g.port.printedAt("竪", 座標X(16.6), 座標Y(5)));
}

// A Falcon on (6, 6) takes the Silver in front of it and steps back.
TEST(ComTurn, ASecondStepIsAnnouncedAndLoggedAsItsOwnEntry) {
    const std::vector<配置> board = {{6, 6, 24}, {6, 7, -9}, {2, 12, -39}, {12, 12, -1}};
    {
        手番局面 g(board);
        g.form.com_ban着手(結果({6, 6, 6, 7, 24, 24}, 点(1009), 擬_鷹, 二手目手{6, 6, 点(3)}));
        EXPECT_EQ(記録の行(g.記録), (std::vector<指し手>{{6, 6, 6, 7, 24, 24, -9}, {6, 7, 6, 6, 24, 24, 0}}));
        EXPECT_EQ(g.盤面(6, 6), 24);
        EXPECT_EQ(g.盤面(6, 7), 空) << "captured without moving";
        EXPECT_EQ(g.messages(), (std::vector<std::string>{"二手移動|二手目、移動します"}));
        EXPECT_EQ(g.sound.plays(駒打音), 2);
        EXPECT_EQ(g.状態.手数, 1) << "one move number for the whole double move";
    }
    {
        手番局面 g(board);
        g.form.com_ban着手(結果({6, 6, 6, 7, 24, 24}, 点(1009), 擬_鷹, std::nullopt));
        EXPECT_EQ(記録の行(g.記録), (std::vector<指し手>{{6, 6, 6, 7, 24, 24, -9}}))
            << "no legal second step: the piece stays after its first step";
        EXPECT_EQ(g.盤面(6, 7), 24);
        EXPECT_TRUE(g.messages().empty());
    }
}

// The search may ask for a second step after a first step that took the
// person's lone King; the game ends with the first step all the same.
TEST(ComTurn, AFirstStepThatTakesTheLastRoyalPieceEndsTheGameThere) {
    const struct {
        const char* name;
        std::vector<配置> board;
        探索結果 result;
    } cases[] = {
        {"a Lion takes the King and would step back",
         {{6, 6, -39}, {1, 9, -1}, {2, 9, -1}, {6, 5, 34}, {12, 1, 39}},
         結果({6, 5, 6, 6, 34, 34}, 点(1000), 34, 二手目手{6, 5, 点(3)})},
        {"a Falcon takes the Crown Prince and would step back",
         {{6, 6, -38}, {1, 9, -1}, {2, 9, -1}, {6, 5, 24}, {12, 1, 39}},
         結果({6, 5, 6, 6, 24, 24}, 点(1000), 擬_鷹, 二手目手{6, 5, 点(3)})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        手番局面 g(c.board);
        g.終局を待つ();
        g.form.com_ban着手(c.result);
        EXPECT_TRUE(g.messages().empty()) << "no second step is announced";
        EXPECT_EQ(記録の行(g.記録), (std::vector<指し手>{{6, 5, 6, 6, c.board[3].駒, c.board[3].駒, c.board[0].駒}}));
        EXPECT_EQ(g.盤面(6, 6), c.board[3].駒) << "the piece stays where it took";
        EXPECT_EQ(g.results(), (std::vector<std::string>{"ｺﾝﾋﾟｭｰﾀ"}));
        EXPECT_EQ(g.sound.plays(駒打音), 1);
    }
}

TEST(ComTurn, AnnouncesAndEndsTheGameAfterTheMove) {
    const std::vector<配置> 二歩 = {{1, 9, -1}, {2, 9, -1}};
    auto with = [](std::vector<配置> a, const std::vector<配置>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const struct {
        const char* name;
        std::vector<配置> board;
        探索結果 result;
        std::vector<std::string> messages;
        std::vector<std::string> results;
        int turn_after;
    } cases[] = {
        {"check on the King",
         {{6, 11, -39}, {12, 12, -1}, {1, 1, 15}, {12, 1, 39}},
         結果({1, 1, 6, 1, 15, 15}, 点(1)),
         {"|   ** 王手 **"},
         {},
         先手},
        {"check on the Crown Prince",
         {{1, 12, -39}, {6, 11, -38}, {1, 1, 15}, {12, 1, 39}},
         結果({1, 1, 6, 1, 15, 15}, 点(1)),
         {"|   ** 王手(太子) **"},
         {},
         先手},
        {"a mate is announced and play goes on",
         {{1, 12, -39}, {12, 5, -1}, {1, 8, 32}, {2, 1, 15}, {12, 11, 15}},
         結果({1, 8, 1, 10, 32, 32}, 点(9998)),
         {"詰め ?|よし！!"},
         {},
         先手},
        {"a bare army is a draw",
         {{6, 11, -39}, {6, 6, -1}, {6, 5, 13}, {12, 1, 39}},
         結果({6, 5, 6, 6, 13, 13}, 点(10)),
         {"終局|駒枯れになりました"},
         {"引き分け"},
         後手},
        {"taking the last royal piece wins",
         with({{6, 6, -39}, {6, 5, 13}, {12, 1, 39}}, 二歩),
         結果({6, 5, 6, 6, 13, 13}, 点(9999)),
         {},
         {"ｺﾝﾋﾟｭｰﾀ"},
         後手},
        {"taking the King while a Crown Prince remains: no message",
         with({{6, 6, -39}, {10, 10, -38}, {6, 5, 13}, {12, 1, 39}}, 二歩),
         結果({6, 5, 6, 6, 13, 13}, 点(450)),
         {},
         {},
         先手},
        {"taking the last royal piece with the second step wins too",
         with({{6, 7, -39}, {6, 6, -1}, {6, 5, 34}, {12, 1, 39}}, 二歩),
         結果({6, 5, 6, 6, 34, 34}, 点(1000), 34, 二手目手{6, 7, 点(9999)}),
         {"二手移動|二手目、移動します"},
         {"ｺﾝﾋﾟｭｰﾀ"},
         後手},
    };
    for (const auto& c : cases) {
        手番局面 g(c.board);
        if (!c.results.empty()) g.終局を待つ();
        g.form.com_ban着手(c.result);
        EXPECT_EQ(g.messages(), c.messages) << c.name;
        EXPECT_EQ(g.results(), c.results) << c.name;
        EXPECT_EQ(g.状態.手番, c.turn_after) << c.name;
    }
}

// The whole turn with the real evaluation: the thinking notice, then the
// capture of a King that has no Crown Prince to fall back on.
TEST(ComTurn, ShowsTheThinkingNoticeThenPlays) {
    手番局面 g({{6, 6, -39}, {1, 9, -1}, {2, 9, -1}, {6, 5, 13}, {12, 1, 39}});
    g.終局を待つ();
    g.form.com_ban();
    const auto fills = g.port.of(test::Call::Fill);
    ASSERT_FALSE(fills.empty());
    EXPECT_NEAR(fills[0].x, 座標X(15.3), 1.0);
    EXPECT_NEAR(fills[0].y, 座標Y(5), 1.0);
    EXPECT_EQ(fills[0].w, 1250);
    EXPECT_EQ(fills[0].h, 400);
    EXPECT_EQ(fills[0].colour, g.表示.背景色);
    EXPECT_TRUE(g.port.printedAt(" 思考中", 座標X(15.5), 座標Y(5.2)));
    EXPECT_TRUE(g.port.printedAt(" 思考中", 座標X(15.3), 座標Y(5)));
    EXPECT_EQ(記録の行(g.記録), (std::vector<指し手>{{6, 5, 6, 6, 13, 13, -39}}));
    EXPECT_EQ(g.results(), (std::vector<std::string>{"ｺﾝﾋﾟｭｰﾀ"}));
}

}  // namespace
}  // namespace bexoru
