#include <gtest/gtest.h>

#include <set>

#include "board/piece.h"
#include "board/presentation.h"

namespace bexoru {
namespace {

TEST(PieceTable, SharedLabelsBelongToPairsOfOneKind) {
    // Kinds that exist both as a starting piece and as a promoted form share one label.
    const std::pair<int, int> shared[] = {{6, 7},   {10, 11}, {14, 15}, {16, 17}, {20, 21},
                                          {22, 23}, {26, 27}, {33, 34}, {36, 37}};
    for (auto [a, b] : shared) {
        EXPECT_EQ(駒ラベル(a), 駒ラベル(b)) << a << " and " << b;
        EXPECT_NE(駒画像名(a), 駒画像名(b)) << a << " and " << b << " need different pictures";
    }
    // Every other pair of codes has different labels.
    std::set<std::string_view> sharedLabels;
    for (auto [a, b] : shared) sharedLabels.insert(駒ラベル(a));
    std::set<std::string_view> seen;
    for (int c = 1; c <= 39; ++c) {
        if (sharedLabels.count(駒ラベル(c))) continue;
        EXPECT_TRUE(seen.insert(駒ラベル(c)).second) << "label of " << c << " repeats";
    }
}

TEST(PieceTable, LabelsAndValuesOfNotableCodes) {
    EXPECT_EQ(駒ラベル(1), "歩");
    EXPECT_EQ(駒ラベル(-34), "獅");
    EXPECT_EQ(駒ラベル(-33), "獅");
    EXPECT_EQ(駒ラベル(38), "太");
    EXPECT_EQ(駒ラベル(39), "王");
    EXPECT_EQ(駒価値(36), 11) << "the promoted Go-between is a weak Drunk Elephant";
    EXPECT_EQ(駒価値(37), 28);
    EXPECT_EQ(駒価値(-37), 28);
    EXPECT_EQ(駒価値(39), 30);
    EXPECT_EQ(駒価値(38), 29);
    EXPECT_EQ(駒価値(35), 3);
    EXPECT_EQ(駒価値(0), 0);
    int total = 0;
    for (int c = 1; c <= 39; ++c) total += 駒価値(c);
    EXPECT_EQ(total, 636) << "the value column was mistyped";
}

TEST(PieceTable, NoLabelOrPictureOutsideTheTable) {
    for (int c : {0, 40, -40, 181, -182, 241, 331, -341, 1000}) {
        EXPECT_TRUE(駒ラベル(c).empty()) << c;
        EXPECT_TRUE(駒画像名(c).empty()) << c;
    }
}

TEST(PieceTable, PicturesFollowTheSign) {
    EXPECT_EQ(駒画像名(1), "UE_HU");
    EXPECT_EQ(駒画像名(-1), "SITA_HU");
    EXPECT_EQ(駒画像名(-34), "SITA_SISI_B");
    EXPECT_EQ(駒画像名(-33), "SITA_SISI_R");
    EXPECT_EQ(駒画像名(39), "UE_OU");
    EXPECT_EQ(駒画像名(6), "UE_YOKO_R");
    EXPECT_EQ(駒画像名(7), "UE_YOKO_B");
    std::set<std::string> names;
    for (int c = 1; c <= 39; ++c) {
        names.insert(駒画像名(c));
        names.insert(駒画像名(-c));
    }
    EXPECT_EQ(names.size(), 78u);
}

TEST(PseudoCodes, StayDistinctKeepTheirSideAndReadAsTheirKind) {
    const std::pair<int, int> pseudo[] = {{擬_鷲一, 18}, {擬_鷲二, 18}, {擬_鷹, 24}, {擬_獅成, 33}, {擬_獅, 34}};
    for (auto [p, kind] : pseudo) {
        for (int s : {+1, -1}) {
            const int c = s * p;
            EXPECT_TRUE(is_pseudo(c));
            EXPECT_EQ(sign_of(c), s);
            EXPECT_EQ(whole_kind(c), kind);
            EXPECT_EQ(駒価値(c), 駒価値(kind));
            for (int real = -39; real <= 39; ++real) ASSERT_NE(c, real);
        }
    }
    EXPECT_FALSE(is_pseudo(39));
    EXPECT_FALSE(is_pseudo(-39));
}

TEST(MouseSquare, EdgesOfTheBoard) {
    struct Case {
        double mx, my;
        int X, Y;
    } cases[] = {
        {709, 299, 0, 0},     {710, 300, 1, 1},     {1219, 899, 1, 1},   {1220, 900, 2, 2},
        {6829, 7499, 12, 12}, {6830, 7500, 13, 13}, {709, 300, 0, 1},    {710, 299, 1, 0},
        {199, -301, -1, -1},  {0, 0, -1, 0},        {7340, 3000, 14, 5},
    };
    for (const Case& c : cases) {
        const 桝位置 s = マウス桝(c.mx, c.my);
        EXPECT_EQ(s, (桝位置{c.X, c.Y})) << "at (" << c.mx << ", " << c.my << ")";
    }
    EXPECT_TRUE(盤内(1, 1));
    EXPECT_TRUE(盤内(12, 12));
    EXPECT_FALSE(盤内(0, 5));
    EXPECT_FALSE(盤内(13, 5));
    EXPECT_FALSE(盤内(5, 0));
    EXPECT_FALSE(盤内(5, 13));
}

}  // namespace
}  // namespace bexoru
