// What each kind of piece reaches, for both sides: on an empty board, at the
// edges and corners, and over pieces in the way.

#include <gtest/gtest.h>

#include "board/game_state.h"
#include "board/move_log.h"
#include "engine/influence.h"
#include "engine/lines.h"
#include "influence_test_board.h"
#include "rules/move_check.h"

namespace bexoru {
namespace {

using test::COM調査;
using test::MAN調査;
using test::合計;
using test::盤を作る;
using test::窓;
using test::配置;

// A computer piece alone on (6, 6): the 5×5 window of COM勢力 around it (the
// top row is row 4; the computer's forward is down the picture) and the number
// of squares reached on the whole board. Lines from (6, 6) run 5 squares up
// and left, 6 down and right; the diagonals 5, except down-right with 6.
struct 種類例 {
    const char* name;
    std::vector<駒コード> codes;
    std::vector<std::string> window;
    int total;
};

const 種類例 種類表[] = {
    {"歩 pawn", {1}, {".....", ".....", ".....", "..1..", "....."}, 1},
    {"と tokin, 金 gold", {2, 13}, {".....", "..1..", ".1.1.", ".111.", "....."}, 6},
    {"香 lance", {3}, {".....", ".....", ".....", "..1..", "..1.."}, 6},
    {"白 white horse", {4}, {"..1..", "..1..", ".....", ".111.", "1.1.1"}, 22},
    {"銅 copper", {5}, {".....", "..1..", ".....", ".111.", "....."}, 4},
    {"横 side mover", {6, 7}, {".....", "..1..", "11.11", "..1..", "....."}, 13},
    {"猪 free boar", {8}, {"1...1", ".1.1.", "11.11", ".1.1.", "1...1"}, 32},
    {"銀 silver", {9}, {".....", ".1.1.", ".....", ".111.", "....."}, 5},
    {"竪 vertical mover", {10, 11}, {"..1..", "..1..", ".1.1.", "..1..", "..1.."}, 13},
    {"牛 flying ox", {12}, {"1.1.1", ".111.", ".....", ".111.", "1.1.1"}, 32},
    {"飛 rook", {14, 15}, {"..1..", "..1..", "11.11", "..1..", "..1.."}, 22},
    {"龍 dragon king", {16, 17}, {"..1..", ".111.", "11.11", ".111.", "..1.."}, 26},
    {"鷲 soaring eagle", {18}, {"1.1.1", ".111.", "11.11", ".111.", "1.1.1"}, 36},
    {"豹 leopard", {19}, {".....", ".111.", ".....", ".111.", "....."}, 6},
    {"角 bishop", {20, 21}, {"1...1", ".1.1.", ".....", ".1.1.", "1...1"}, 21},
    {"馬 dragon horse", {22, 23}, {"1...1", ".111.", ".1.1.", ".111.", "1...1"}, 25},
    {"鷹 horned falcon", {24}, {"1.1.1", ".111.", "11.11", ".111.", "1.1.1"}, 39},
    {"鳳 phoenix", {25}, {"1...1", "..1..", ".1.1.", "..1..", "1...1"}, 8},
    {"奔 queen", {26, 27}, {"1.1.1", ".111.", "11.11", ".111.", "1.1.1"}, 43},
    {"反 reverse chariot", {28}, {"..1..", "..1..", ".....", "..1..", "..1.."}, 11},
    {"鯨 whale", {29}, {"1.1.1", ".111.", ".....", "..1..", "..1.."}, 21},
    {"虎 blind tiger", {30}, {".....", ".111.", ".1.1.", ".1.1.", "....."}, 7},
    {"鹿 flying stag", {31}, {"..1..", ".111.", ".1.1.", ".111.", "..1.."}, 17},
    {"麒 kirin", {32}, {"..1..", ".1.1.", "1...1", ".1.1.", "..1.."}, 8},
    {"獅 lion", {33, 34}, {"11111", "11111", "11.11", "11111", "11111"}, 24},
    {"仲 go-between", {35}, {".....", "..1..", ".....", "..1..", "....."}, 2},
    {"象 drunk elephant", {36, 37}, {".....", ".1.1.", ".1.1.", ".111.", "....."}, 7},
    {"太 crown prince (its own square too)", {38}, {".....", ".111.", ".111.", ".111.", "....."}, 9},
    {"王 king", {39}, {".....", ".111.", ".1.1.", ".111.", "....."}, 8},
    {"pseudo codes reach nothing",
     {擬_鷲一, 擬_鷲二, 擬_鷹, 擬_獅成, 擬_獅},
     {".....", ".....", ".....", ".....", "....."},
     0},
};

TEST(InfluenceKinds, EachKindOfTheComputerOnAnEmptyBoard) {
    for (const 種類例& row : 種類表) {
        for (駒コード c : row.codes) {
            const COM勢力図 m = COM調査(盤を作る({{6, 6, c}}));
            EXPECT_EQ(窓(m.COM勢力, 6, 6), row.window) << row.name << ", code " << c;
            EXPECT_EQ(合計(m.COM勢力), row.total) << row.name << ", code " << c;
        }
    }
}

// The human's pieces are the computer's turned by 180 degrees: the human piece
// on (7, 7) reaches the squares the computer's one on (6, 6) reaches, turned.
TEST(InfluenceKinds, EachKindOfTheHumanIsTheComputersTurnedRound) {
    for (const 種類例& row : 種類表) {
        for (駒コード c : row.codes) {
            const COM勢力図 com = COM調査(盤を作る({{6, 6, c}}));
            const MAN勢力図 man = MAN調査(盤を作る({{7, 7, -c}}));
            for (int x = 1; x <= 盤サイズ; ++x) {
                for (int y = 1; y <= 盤サイズ; ++y) {
                    ASSERT_EQ(man.MAN勢力(13 - x, 13 - y), com.COM勢力(x, y))
                        << row.name << ", code " << -c << ", square (" << 13 - x << ", " << 13 - y << ")";
                }
            }
        }
    }
}

TEST(InfluenceKinds, HumanForwardIsUpTheBoard) {
    // Spot checks that do not lean on the turned-round comparison.
    const MAN勢力図 pawn = MAN調査(盤を作る({{6, 6, -1}}));
    EXPECT_EQ(pawn.MAN勢力(6, 5), 1);
    EXPECT_EQ(合計(pawn.MAN勢力), 1);
    const MAN勢力図 lance = MAN調査(盤を作る({{6, 6, -3}}));
    EXPECT_EQ(lance.MAN勢力(6, 1), 1);
    EXPECT_EQ(lance.MAN勢力(6, 7), 0);
    EXPECT_EQ(合計(lance.MAN勢力), 5);
    const MAN勢力図 falcon = MAN調査(盤を作る({{6, 6, -24}}));
    EXPECT_EQ(falcon.MAN勢力(6, 4), 1) << "two squares forward";
    EXPECT_EQ(falcon.MAN勢力(6, 3), 0);
    EXPECT_EQ(falcon.MAN勢力(6, 12), 1) << "line backward";
}

// The survey and the move check read one move table: on an empty board every
// piece of either side reaches exactly the squares it may move to, the Crown
// Prince its own square besides.
TEST(InfluenceKinds, OnAnEmptyBoardEveryPieceReachesWhereItMayMove) {
    棋譜記録 記録{};
    対局状態 状態{};
    状態.MAN側 = 先手;
    状態.COM側 = 後手;
    for (int kind = 1; kind <= 最大駒コード; ++kind) {
        for (const int side : {+1, -1}) {
            for (const 桝位置 from : {桝位置{6, 6}, 桝位置{1, 11}, 桝位置{12, 2}, 桝位置{7, 1}}) {
                const 駒コード c = side * kind;
                盤面型 b = 盤を作る({{from.X, from.Y, c}});
                const 勢力表 reach = side > 0 ? COM調査(b).COM勢力 : MAN調査(b).MAN勢力;
                規則局面 局面{b, 記録, 状態};
                for (int x = 1; x <= 盤サイズ; ++x) {
                    for (int y = 1; y <= 盤サイズ; ++y) {
                        const bool own = kind == 駒::太子 && 桝位置{x, y} == from;
                        const int expected = own || 移動チェック(局面, from.X, from.Y, x, y, c) ? 1 : 0;
                        ASSERT_EQ(reach(x, y), expected) << "code " << c << " on (" << from.X << ", " << from.Y
                                                         << "), square (" << x << ", " << y << ")";
                    }
                }
            }
        }
    }
}

// Squares reached near the edges: a step off the board is skipped, not clipped.
struct 端例 {
    const char* name;
    配置 piece;
    int total;
    std::vector<桝位置> some;  // squares that must be among those reached
};

TEST(InfluenceKinds, EdgesAndCorners) {
    const 端例 cases[] = {
        {"computer lion in the corner (1, 1)", {1, 1, 34}, 8, {{2, 2}, {3, 3}, {3, 1}, {1, 3}}},
        {"human lion in the corner (12, 12)", {12, 12, -33}, 8, {{11, 11}, {10, 10}, {10, 12}, {12, 10}}},
        {"computer lance on row 12", {5, 12, 3}, 0, {}},
        {"human lance on row 1", {5, 1, -3}, 0, {}},
        {"computer gold in the corner (12, 1)", {12, 1, 13}, 3, {{11, 1}, {11, 2}, {12, 2}}},
        {"human gold in the corner (1, 12)", {1, 12, -13}, 3, {{2, 12}, {2, 11}, {1, 11}}},
        {"computer phoenix near the corner: jumps off the board are dropped", {2, 2, 25}, 5, {{4, 4}, {2, 1}, {1, 2}}},
        {"computer kirin on the edge", {1, 6, 32}, 5, {{3, 6}, {1, 4}, {1, 8}, {2, 5}, {2, 7}}},
        {"computer king in the corner", {12, 12, 39}, 3, {{11, 11}, {11, 12}, {12, 11}}},
        {"human crown prince in the corner counts its own square", {1, 1, -38}, 4, {{1, 1}, {2, 2}}},
        {"computer eagle on column 1: its left forward steps are off the board",
         {1, 6, 18},
         22 + 5 + 2,
         {{3, 8}, {2, 7}}},
    };
    for (const 端例& c : cases) {
        const 盤面型 b = 盤を作る({c.piece});
        const 勢力表 t = c.piece.駒 > 0 ? COM調査(b).COM勢力 : MAN調査(b).MAN勢力;
        EXPECT_EQ(合計(t), c.total) << c.name;
        for (桝位置 s : c.some) EXPECT_EQ(t(s.X, s.Y), 1) << c.name << ": (" << s.X << ", " << s.Y << ")";
    }
}

TEST(InfluenceKinds, DiagonalProceduresAtTheEdges) {
    const 盤面型 empty{};
    struct 例 {
        const char* name;
        void (*trace)(const 盤面型&, COM勢力図&, 駒コード, int, int);
        int X, Y, total;
    };
    const 例 cases[] = {
        {"敵角_上 on row 1 enters nothing", 勢力確定敵角_上, 6, 1, 0},
        {"敵角_下 on row 12 enters nothing", 勢力確定敵角_下, 6, 12, 0},
        {"敵角_上 on column 1 traces only toward larger columns", 勢力確定敵角_上, 1, 6, 5},
        {"敵角_下 on column 12 traces only toward smaller columns", 勢力確定敵角_下, 12, 6, 6},
        {"敵角_下 from the corner (1, 1) runs the long diagonal", 勢力確定敵角_下, 1, 1, 11},
    };
    for (const 例& c : cases) {
        COM勢力図 m = COM調査(empty);
        c.trace(empty, m, 21, c.X, c.Y);
        EXPECT_EQ(合計(m.COM勢力), c.total) << c.name;
    }
    MAN勢力図 m = MAN調査(empty);
    勢力確定自角_上(empty, m, -21, 12, 12);
    EXPECT_EQ(合計(m.MAN勢力), 11) << "自角_上 from (12, 12)";
    EXPECT_EQ(m.MAN勢力(1, 1), 1);
}

// Jumps and the two-square steps land whatever stands between; lines do not.
// The pieces in the way are chosen so that they do not reach the far square.
TEST(InfluenceKinds, JumpsLandOverPiecesInTheWay) {
    struct 例 {
        const char* name;
        std::vector<test::配置> board;
        桝位置 far;
    };
    const 例 cases[] = {
        {"lion over an own piece", {{6, 6, 34}, {6, 7, 32}}, {6, 8}},
        {"lion over an enemy piece", {{6, 6, 34}, {7, 7, -1}}, {8, 8}},
        {"kirin over a piece", {{6, 6, 32}, {7, 6, 1}}, {8, 6}},
        {"phoenix over a piece", {{6, 6, 25}, {5, 5, -1}}, {4, 4}},
        {"falcon's second square forward", {{6, 6, 24}, {6, 7, -1}}, {6, 8}},
        {"eagle's second diagonal square forward", {{6, 6, 18}, {5, 7, 35}}, {4, 8}},
    };
    for (const 例& c : cases) {
        const COM勢力図 m = COM調査(盤を作る(c.board));
        EXPECT_EQ(m.COM勢力(c.far.X, c.far.Y), 1) << c.name;
    }
    // The rook's line, in contrast, ends on the piece in the way (a kirin,
    // which does not reach (6, 8) itself).
    const COM勢力図 rook = COM調査(盤を作る({{6, 6, 15}, {6, 7, 32}}));
    EXPECT_EQ(rook.COM勢力(6, 7), 1);
    EXPECT_EQ(rook.COM勢力(6, 8), 0);
    // The human lion likewise.
    const MAN勢力図 lion = MAN調査(盤を作る({{6, 6, -34}, {6, 5, 1}}));
    EXPECT_EQ(lion.MAN勢力(6, 4), 1);
}

}  // namespace
}  // namespace bexoru
