#include <gtest/gtest.h>

#include "board/piece.h"
#include "rules/candidate_squares.h"

namespace bexoru {
namespace {

struct 範囲の例 {
    const char* name;
    駒コード c;
    int x, y;
    int x1, x2, y1, y2;
};

TEST(CandidateSquares, TheRectangleOfEachUpperCode) {
    const 範囲の例 cases[] = {
        {"+1 歩", 1, 6, 6, 6, 6, 7, 7},
        {"+1 歩 on row 12: an empty range", 1, 4, 12, 4, 4, 13, 12},
        {"+3 香", 3, 5, 3, 5, 5, 4, 12},
        {"+35 仲", 35, 4, 5, 4, 4, 4, 6},
        {"+6 横", 6, 6, 6, 1, 12, 5, 7},
        {"+7 横 on row 1", 7, 6, 1, 1, 12, 1, 2},
        {"+28 反 only a row either side", 28, 1, 2, 1, 12, 1, 3},
        {"+10 竪", 10, 6, 6, 5, 7, 1, 12},
        {"+11 竪 on column 12", 11, 12, 3, 11, 12, 1, 12},
        {"+2 と", 2, 6, 6, 5, 7, 5, 7},
        {"+5 銅", 5, 1, 1, 1, 2, 1, 2},
        {"+9 銀", 9, 12, 12, 11, 12, 11, 12},
        {"+13 金", 13, 6, 6, 5, 7, 5, 7},
        {"+19 豹", 19, 6, 6, 5, 7, 5, 7},
        {"+30 虎", 30, 6, 6, 5, 7, 5, 7},
        {"+36 象", 36, 6, 6, 5, 7, 5, 7},
        {"+37 象", 37, 6, 6, 5, 7, 5, 7},
        {"+38 太", 38, 6, 6, 5, 7, 5, 7},
        {"+39 王", 39, 7, 1, 6, 8, 1, 2},
        {"+25 鳳 in the corner", 25, 1, 1, 1, 3, 1, 3},
        {"+33 獅", 33, 6, 6, 4, 8, 4, 8},
        {"+34 獅 near the far corner", 34, 11, 12, 9, 12, 10, 12},
        {"+32 麒 keeps the whole board", 32, 6, 6, 1, 12, 1, 12},
        {"+18 鷲 keeps the whole board", 18, 6, 6, 1, 12, 1, 12},
        {"+27 奔 keeps the whole board", 27, 6, 6, 1, 12, 1, 12},
        {"a pseudo code keeps the whole board", 擬_鷹, 6, 6, 1, 12, 1, 12},
        {"-1 lower 歩 keeps the whole board", -1, 6, 6, 1, 12, 1, 12},
        {"-39 lower 王 keeps the whole board", -39, 6, 6, 1, 12, 1, 12},
    };
    for (const auto& e : cases) {
        int x1 = -99, x2 = -99, y1 = -99, y2 = -99;
        取得_駒移動座標(e.c, e.x, e.y, x1, x2, y1, y2);
        EXPECT_EQ((std::array{x1, x2, y1, y2}), (std::array{e.x1, e.x2, e.y1, e.y2}))
            << e.name << " on (" << e.x << "," << e.y << ")";
    }
}

}  // namespace
}  // namespace bexoru
