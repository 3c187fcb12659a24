// The evaluation at the edges of the board: neighbours off the board read
// as empty squares no piece reaches, every legal trial of crowded and
// border-heavy positions is scored at every level without touching memory
// outside the board, and the board always comes back as it was.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/starting_position.h"
#include "engine/evaluation_trial.h"
#include "evaluation_fixture.h"

namespace bexoru {
namespace {

using test::評価盤;
using test::配置;

TEST(EvalEdges, ReadersOffTheBoard) {
    勢力表 count{};
    count.盤内設定(3);
    勢力表 cheapest{};
    cheapest.盤内設定(5);  // row 0 and column 0 keep 0, as after a survey
    struct 例 {
        桝位置 s;
        int count, cheapest;
    };
    const 例 cases[] = {
        {{1, 1}, 3, 5},          {{12, 12}, 3, 5},        {{0, 5}, 0, 勢力_なし},   {{5, 0}, 0, 勢力_なし},
        {{13, 5}, 0, 勢力_なし}, {{5, 13}, 0, 勢力_なし}, {{-1, -1}, 0, 勢力_なし}, {{0, 0}, 0, 勢力_なし},
    };
    for (const 例& c : cases) {
        EXPECT_EQ(評価規則::数(count, c.s), c.count) << "(" << c.s.X << ", " << c.s.Y << ")";
        EXPECT_EQ(評価規則::最小値(cheapest, c.s), c.cheapest) << "(" << c.s.X << ", " << c.s.Y << ")";
    }
}

// Every legal move of every computer piece, scored at levels 1..3; returns
// how many trials were scored. The fixture checks that each evaluation
// leaves the trial board as it was.
int 全試行(const std::vector<配置>& 駒々, const std::string& name) {
    int n = 0;
    for (int レベル = 1; レベル <= 3; ++レベル) {
        評価盤 p(駒々, レベル);
        const 盤面型 元 = p.盤面;
        std::vector<評価値> 一回目;
        for (int pass = 0; pass < 2; ++pass) {
            int i = 0;
            for (int x = 1; x <= 盤サイズ; ++x) {
                for (int y = 1; y <= 盤サイズ; ++y) {
                    const 駒コード c = p.盤面(x, y);
                    if (c < 1) continue;
                    for (int tx = 1; tx <= 盤サイズ; ++tx) {
                        for (int ty = 1; ty <= 盤サイズ; ++ty) {
                            if (!移動チェック(p.局面, x, y, tx, ty, c)) continue;
                            const 評価値 v = p.評価(x, y, tx, ty);
                            EXPECT_TRUE(p.盤面 == 元) << name << ": board not restored after (" << x << ", " << y
                                                      << ") -> (" << tx << ", " << ty << ")";
                            // A second pass in the same world gives the same scores:
                            // nothing a rule changes survives into the next trial.
                            if (pass == 0) {
                                一回目.push_back(v);
                            } else {
                                EXPECT_EQ(v, 一回目[static_cast<std::size_t>(i)])
                                    << name << " level " << レベル << ": (" << x << ", " << y << ") -> (" << tx << ", "
                                    << ty << ")";
                            }
                            ++i;
                        }
                    }
                }
            }
            if (pass == 0) n += i;
        }
    }
    return n;
}

TEST(EvalEdges, PiecesOnEveryEdgeAndCorner) {
    const std::vector<配置> 縁 = {
        // Row 1
        {1, 1, 34},
        {2, 1, 3},
        {3, 1, 19},
        {4, 1, 9},
        {5, 1, 13},
        {6, 1, 39},
        {7, 1, 38},
        {8, 1, -1},
        {9, 1, 24},
        {10, 1, -13},
        {11, 1, 21},
        {12, 1, 17},
        // Row 12
        {1, 12, -34},
        {2, 12, 1},
        {3, 12, -15},
        {4, 12, 18},
        {5, 12, -39},
        {6, 12, 15},
        {7, 12, -17},
        {8, 12, 35},
        {9, 12, -3},
        {10, 12, 7},
        {11, 12, -21},
        {12, 12, 23},
        // Columns 1 and 12
        {1, 3, -1},
        {1, 5, 28},
        {1, 7, -9},
        {1, 9, 32},
        {1, 11, -25},
        {12, 3, 25},
        {12, 5, -32},
        {12, 7, 27},
        {12, 9, -28},
        {12, 11, 2},
        // A little in the middle
        {6, 6, -38},
        {7, 7, 11},
        {5, 8, 1},
        {8, 4, -1},
    };
    EXPECT_GT(全試行(縁, "edges"), 100);
}

TEST(EvalEdges, TheStartingPosition) {
    盤面型 b;
    初期配置(b);
    std::vector<配置> 駒々;
    for (int x = 1; x <= 盤サイズ; ++x) {
        for (int y = 1; y <= 盤サイズ; ++y) {
            if (b(x, y) != 空) 駒々.push_back({x, y, b(x, y)});
        }
    }
    EXPECT_GT(全試行(駒々, "start"), 100);
}

TEST(EvalEdges, BareCornersAndPawnsOnTheLastRows) {
    // Lone royal pieces and pawns in the corners: neighbours of the
    // destination lie off the board on two sides.
    const std::vector<配置> 隅 = {{1, 1, 39},  {12, 1, 34}, {1, 12, -39}, {12, 12, -34}, {1, 11, 1},
                                  {12, 11, 1}, {2, 2, -1},  {11, 2, -1},  {2, 11, 17},   {11, 11, 21}};
    EXPECT_GT(全試行(隅, "corners"), 20);
}

}  // namespace
}  // namespace bexoru
