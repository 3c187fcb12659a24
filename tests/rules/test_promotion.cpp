#include <gtest/gtest.h>

#include "board/game_state.h"
#include "rules/promotion.h"

namespace bexoru {
namespace {

TEST(Promotion, EveryPromotableCodeEnteringTheZone) {
    const std::pair<int, int> table[] = {
        {1, 2},   {3, 4},   {5, 6},   {7, 8},   {9, 10},  {11, 12}, {13, 14}, {15, 16}, {17, 18},
        {19, 20}, {21, 22}, {23, 24}, {25, 26}, {28, 29}, {30, 31}, {32, 33}, {35, 36}, {37, 38},
    };
    for (auto [from, to] : table) {
        盤面型 盤面{};
        駒コード 結果 = 空;
        EXPECT_TRUE(調査_駒成(盤面, 6, 8, 6, 9, from, 結果)) << "upper " << from << " from row 8 to row 9";
        EXPECT_EQ(結果, to) << "upper " << from;
        結果 = 空;
        EXPECT_TRUE(調査_駒成(盤面, 6, 5, 6, 4, -from, 結果)) << "lower " << -from << " from row 5 to row 4";
        EXPECT_EQ(結果, -to) << "lower " << -from;
    }
}

TEST(Promotion, CodesThatNeverPromote) {
    const int never[] = {2,  4,  6,  8,  10, 12, 14, 16, 18,      20,      22,    24,      26,   27,
                         29, 31, 33, 34, 36, 38, 39, 0,  擬_鷲一, 擬_鷲二, 擬_鷹, 擬_獅成, 擬_獅};
    for (int c : never) {
        for (int side : {+1, -1}) {
            盤面型 盤面{};
            盤面(6, 12) = -side * 駒::歩;  // a capture on the last row
            盤面(6, 1) = -side * 駒::歩;
            駒コード 結果 = 12345;
            const int from = side > 0 ? 8 : 5, to = side > 0 ? 12 : 1;
            EXPECT_FALSE(調査_駒成(盤面, 6, from, 6, to, side * c, 結果)) << side * c;
            EXPECT_EQ(結果, 12345) << side * c << ": 成駒結果 must be left alone";
        }
    }
}

struct 成りの例 {
    const char* name;
    int y1, y2;
    駒コード c;
    駒コード on_destination;
    bool expected;
};

TEST(Promotion, TheZoneRulesOfPawnAndLanceAgainstThePieces) {
    const 成りの例 cases[] = {
        // Entering the zone.
        {"lower 銀 enters: (5,5) to (5,4)", 5, 4, -9, 空, true},
        {"lower 歩 enters: row 5 to row 4", 5, 4, -1, 空, true},
        {"upper 香 enters from row 4 to the last row", 4, 12, 3, 空, true},
        {"upper 歩 enters: row 8 to row 9", 8, 9, 1, 空, true},
        // Moving inside the zone onto an empty square.
        {"lower 銀 inside the zone, no capture", 4, 3, -9, 空, false},
        {"lower 歩 inside the zone, short of the last row", 3, 2, -1, 空, false},
        {"upper 金 inside the zone, no capture", 9, 10, 13, 空, false},
        {"upper 香 inside the zone, short of the last row", 9, 11, 3, 空, false},
        // Capturing inside the zone.
        {"lower 銀 captures inside the zone", 4, 3, -9, 5, true},
        {"upper 金 captures inside the zone", 9, 10, 13, -5, true},
        {"lower 歩 captures inside the zone short of the last row", 3, 2, -1, 5, false},
        {"upper 香 captures inside the zone short of the last row", 9, 11, 3, -5, false},
        {"a capture of a pseudo code counts as a capture", 10, 11, 13, -擬_獅, true},
        {"taking one's own side's code is no capture", 10, 11, 13, 5, false},
        // Reaching the last row from inside the zone.
        {"lower 歩 from row 2 to row 1", 2, 1, -1, 空, true},
        {"lower 香 from row 3 to row 1", 3, 1, -3, 空, true},
        {"upper 歩 from row 11 to row 12", 11, 12, 1, 空, true},
        {"lower 銀 from row 2 to row 1 without capture", 2, 1, -9, 空, false},
        // Leaving the zone, and moves far from it.
        {"lower 銀 leaves the zone", 4, 5, -9, 空, false},
        {"lower 銀 leaves the zone capturing", 4, 5, -9, 5, false},
        {"upper 銀 leaves the zone", 9, 8, 9, 空, false},
        {"upper 飛 far from the zone", 2, 8, 15, -5, false},
        {"the lower army's zone is not the upper's", 5, 4, 9, 空, false},
        {"the upper army's zone is not the lower's", 8, 9, -9, 空, false},
    };
    for (const auto& e : cases) {
        盤面型 盤面{};
        盤面(5, e.y2) = e.on_destination;
        駒コード 結果 = 空;
        EXPECT_EQ(調査_駒成(盤面, 5, e.y1, 5, e.y2, e.c, 結果), e.expected) << e.name;
        EXPECT_EQ(結果, e.expected ? e.c + sign_of(e.c) : 空) << e.name;
    }
}

TEST(Promotion, LandmarksOfThePromotedCodes) {
    盤面型 盤面{};
    駒コード 結果 = 空;
    EXPECT_TRUE(調査_駒成(盤面, 1, 4, 1, 12, 3, 結果));
    EXPECT_EQ(結果, 4) << "an upper 香 on the last row becomes a 白";
    EXPECT_TRUE(調査_駒成(盤面, 6, 5, 6, 3, -32, 結果));
    EXPECT_EQ(結果, -33) << "a lower 麒 becomes the red Lion";
    EXPECT_EQ(駒画像名(結果), "SITA_SISI_R");
    EXPECT_TRUE(調査_駒成(盤面, 6, 5, 6, 4, -35, 結果));
    EXPECT_EQ(結果, -36) << "a lower 仲 becomes a 象";
    EXPECT_EQ(駒価値(結果), 11);
}

TEST(Promotion, MustPromoteOnlyPawnAndLanceOnTheLastRow) {
    struct 例 {
        int y;
        駒コード c;
        bool expected;
    };
    const 例 cases[] = {
        {12, 1, false}, {12, 3, false}, {1, -1, false},    {1, -3, false},  // must promote
        {11, 1, true},  {11, 3, true},  {2, -1, true},     {2, -3, true},   // one row short
        {1, 1, true},   {1, 3, true},   {12, -1, true},    {12, -3, true},  // the other army's last row
        {12, 2, true},  {12, 4, true},  {1, -2, true},     {1, -4, true},   // already promoted
        {12, 9, true},  {1, -35, true}, {12, 擬_鷹, true}, {1, 空, true},
    };
    for (const auto& e : cases) EXPECT_EQ(移動後チェック(e.y, e.c), e.expected) << e.c << " on row " << e.y;
}

}  // namespace
}  // namespace bexoru
