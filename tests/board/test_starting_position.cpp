#include <gtest/gtest.h>

#include "board/starting_position.h"

namespace bexoru {
namespace {

盤面型 starting() {
    盤面型 b;
    初期配置(b);
    return b;
}

TEST(StartingPosition, EverySquareOfTheUpperArmy) {
    const int expected[12][12] = {
        {3, 19, 5, 9, 13, 37, 39, 13, 9, 5, 19, 3},     {28, 0, 21, 0, 30, 25, 32, 30, 0, 21, 0, 28},
        {7, 11, 15, 23, 17, 27, 34, 17, 23, 15, 11, 7}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
        {0, 0, 0, 35, 0, 0, 0, 0, 35, 0, 0, 0},         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    const 盤面型 b = starting();
    for (int Y = 1; Y <= 6; ++Y)
        for (int X = 1; X <= 12; ++X) EXPECT_EQ(b(X, Y), expected[Y - 1][X - 1]) << "square (" << X << ", " << Y << ")";
}

TEST(StartingPosition, LowerArmyIsTheUpperTurnedAndNegated) {
    const 盤面型 b = starting();
    for (int Y = 1; Y <= 12; ++Y)
        for (int X = 1; X <= 12; ++X) EXPECT_EQ(b(X, Y), -b(13 - X, 13 - Y)) << "square (" << X << ", " << Y << ")";
    EXPECT_EQ(b(6, 12), -39);
    EXPECT_EQ(b(7, 1), 39);
    EXPECT_EQ(b(6, 10), -34);
    EXPECT_EQ(b(7, 3), 34);
    EXPECT_EQ(b(7, 11), -25);
    EXPECT_EQ(b(6, 11), -32);
}

TEST(StartingPosition, ColumnComesFirst) {
    const 盤面型 b = starting();
    EXPECT_EQ(b(1, 1), 3);
    EXPECT_EQ(b(12, 1), 3);
    EXPECT_EQ(b(3, 1), 5);
    EXPECT_EQ(b(1, 3), 7);
}

TEST(StartingPosition, FortySixPiecesASideAllInStartingForm) {
    const 盤面型 b = starting();
    int upper = 0, lower = 0, pawns = 0, gobetweens = 0;
    for (int X = 0; X <= 12; ++X) {
        for (int Y = 0; Y <= 12; ++Y) {
            const int c = b(X, Y);
            if (X == 0 || Y == 0) {
                EXPECT_EQ(c, 0) << "row 0 and column 0 are never squares";
                continue;
            }
            upper += c > 0;
            lower += c < 0;
            pawns += c == 1;
            gobetweens += c == 35;
            for (int promoted : {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 29, 31, 33, 36, 38})
                EXPECT_NE(std::abs(c), promoted) << "promoted form on (" << X << ", " << Y << ")";
        }
    }
    EXPECT_EQ(upper, 46);
    EXPECT_EQ(lower, 46);
    EXPECT_EQ(pawns, 12);
    EXPECT_EQ(gobetweens, 2);
    for (int X = 1; X <= 12; ++X) {
        EXPECT_EQ(b(X, 6), 0);
        EXPECT_EQ(b(X, 7), 0);
    }
    for (auto [X, Y] : {std::pair{2, 2}, {4, 2}, {9, 2}, {11, 2}, {2, 11}, {4, 11}, {9, 11}, {11, 11}})
        EXPECT_EQ(b(X, Y), 0) << "(" << X << ", " << Y << ")";
}

TEST(StartingPosition, ResetInTheMiddleOfAGameDiscardsIt) {
    盤面型 b;
    棋譜記録 log;
    対局状態 s;
    b(6, 6) = -34;
    s.手番 = 先手;
    s.MAN側 = 先手;
    s.COM側 = 後手;
    s.対局モード = 対局_COM;
    s.手数 = 17;
    s.レベル = 1;
    s.ハンデレベル = 3;
    s.ハンデ済 = true;
    s.反転済 = true;
    s.再生中 = true;
    s.移動ヘルプ = 移動ヘルプ型::移動待ち;
    s.クリック段階 = クリック段階型::行き先選択;
    s.二手目状態 = 二手目状態型::二手目;
    log.記録数 = 30;
    log.記録終端 = 40;
    log.手[5].移動駒 = -34;

    初期設定_状態(b, log, s);

    EXPECT_EQ(b, starting());
    EXPECT_EQ(s.手番, 未対局);
    EXPECT_EQ(s.手数, 0);
    EXPECT_EQ(log.記録数, 0);
    EXPECT_EQ(log.記録終端, 0);
    EXPECT_EQ(log.手[0].成駒, 1);
    EXPECT_EQ(s.ハンデレベル, 0);
    EXPECT_FALSE(s.ハンデ済);
    EXPECT_FALSE(s.反転済);
    EXPECT_FALSE(s.再生中);
    EXPECT_EQ(s.移動ヘルプ, 移動ヘルプ型::切);
    EXPECT_EQ(s.クリック段階, クリック段階型::駒選択);
    // Not per-game: left as they were.
    EXPECT_EQ(s.レベル, 1);
    EXPECT_EQ(s.対局モード, 対局_COM);
    EXPECT_EQ(s.MAN側, 先手);
    EXPECT_EQ(s.二手目状態, 二手目状態型::二手目);
    EXPECT_EQ(log.手[5].移動駒, -34) << "old entries stay until they are overwritten";
}

}  // namespace
}  // namespace bexoru
