// Carrying out a move and marking where a piece may go, as drawn on the
// recording port.

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "play/move_drawing.h"
#include "rules/move_execution.h"
#include "rules/reach_marks.h"
#include "rules/rules_fixture.h"
#include "support/recording_port.h"

namespace bexoru {
namespace {

using test::桝集合;
using test::線分の桝;

class 盤上描画 : public ::testing::Test {
protected:
    盤上描画() { 表示.盤色 = 表示.文字色; }

    // The colour each square's outline was last drawn in.
    std::map<std::pair<int, int>, int> 最後の輪郭() const {
        std::map<std::pair<int, int>, int> last;
        for (const auto& c : port.of(test::Call::Outline)) {
            const int x = static_cast<int>(std::lround((c.x - 盤原点X) / 桝幅));
            const int y = static_cast<int>(std::lround((c.y - 盤原点Y) / 桝高));
            last[{x, y}] = c.colour;
        }
        return last;
    }
    // The squares whose outline was last drawn in the colour.
    桝集合 色の桝(int colour) const {
        桝集合 s;
        for (const auto& [sq, c] : 最後の輪郭())
            if (c == colour) s.insert(sq);
        return s;
    }

    test::規則盤 b;
    表示設定 表示;
    test::RecordingPort port;
    test::FakeClock clock;
    描画器 描画{port, 表示, b.盤面, clock};
};

TEST_F(盤上描画, MarksTheReachAndTheSquaresOfASecondStep) {
    struct 例 {
        const char* name;
        駒コード c;
        std::vector<std::pair<int, int>> own;  // squares holding the mover's own pieces
        桝集合 reach;                          // outlined in the colour, then
        桝集合 second;                         // outlined again in 選択色
    };
    const 桝集合 獅 = 線分の桝({{4, 4, 8, 4}, {4, 5, 8, 5}, {4, 6, 5, 6}, {7, 6, 8, 6}, {4, 7, 8, 7}, {4, 8, 8, 8}});
    const 桝集合 獅隣 = 線分の桝({{5, 5, 7, 5}, {5, 6, 5, 6}, {7, 6, 7, 6}, {5, 7, 7, 7}});
    const 例 cases[] = {
        {"upper 獅: its eight neighbours", 34, {}, 獅, 獅隣},
        {"lower 獅 next to its own 歩",
         -33,
         {{7, 7}},
         [&] {
             auto s = 獅;
             s.erase({7, 7});
             return s;
         }(),
         [&] {
             auto s = 獅隣;
             s.erase({7, 7});
             return s;
         }()},
        {"upper 鷲: the two squares diagonally forward",
         18,
         {},
         線分の桝({{6, 7, 6, 12},
                   {6, 5, 6, 1},
                   {5, 6, 1, 6},
                   {7, 6, 12, 6},
                   {5, 5, 1, 1},
                   {7, 5, 11, 1},
                   {5, 7, 4, 8},
                   {7, 7, 8, 8}}),
         線分の桝({{5, 7, 5, 7}, {7, 7, 7, 7}})},
        {"lower 鷲: its forward is up",
         -18,
         {},
         線分の桝({{6, 5, 6, 1},
                   {6, 7, 6, 12},
                   {5, 6, 1, 6},
                   {7, 6, 12, 6},
                   {5, 7, 1, 11},
                   {7, 7, 12, 12},
                   {5, 5, 4, 4},
                   {7, 5, 8, 4}}),
         線分の桝({{5, 5, 5, 5}, {7, 5, 7, 5}})},
        {"upper 鷹: the square straight forward",
         24,
         {},
         線分の桝({{6, 7, 6, 8},
                   {6, 5, 6, 1},
                   {5, 6, 1, 6},
                   {7, 6, 12, 6},
                   {5, 7, 1, 11},
                   {7, 7, 12, 12},
                   {5, 5, 1, 1},
                   {7, 5, 11, 1}}),
         線分の桝({{6, 7, 6, 7}})},
        {"a 王 offers no second step", 39, {}, 獅隣, {}},
        {"nor does a pseudo code", 擬_獅, {}, 獅隣, {}},
    };
    for (const auto& e : cases) {
        port.clear();
        b.盤面 = {};
        b.置く(6, 6, e.c);
        for (auto [x, y] : e.own) b.置く(x, y, sign_of(e.c));
        描画_移動可能桝色(b.局面, 描画, 表示, 6, 6, 表示.盤色, e.c);
        EXPECT_EQ(最後の輪郭().size(), 144u) << e.name << ": every mark of before is cleared";
        EXPECT_EQ(色の桝(表示.選択色), e.second) << e.name;
        桝集合 plain = e.reach;
        for (const auto& sq : e.second) plain.erase(sq);
        EXPECT_EQ(色の桝(表示.盤色), plain) << e.name << ": " << test::差分(plain, 色の桝(表示.盤色));
        EXPECT_EQ(色の桝(表示.桝輪郭色).size(), 144u - e.reach.size()) << e.name;
    }
}

TEST_F(盤上描画, DrawingInTheOutlineColourErasesEverything) {
    b.置く(6, 6, 34);
    描画_移動可能桝色(b.局面, 描画, 表示, 6, 6, 表示.盤色, 34);
    port.clear();
    描画_移動可能桝色(b.局面, 描画, 表示, 6, 6, 表示.桝輪郭色, 34);
    EXPECT_EQ(色の桝(表示.桝輪郭色).size(), 144u);
    EXPECT_TRUE(色の桝(表示.選択色).empty()) << "no second-step squares while erasing";
}

TEST_F(盤上描画, MovingAPieceCapturesRedrawsAndErasesTheMarks) {
    b.置く(5, 3, 17);
    b.置く(5, 7, -9);
    描画_移動可能桝色(b.局面, 描画, 表示, 5, 3, 表示.盤色, 17);
    port.clear();
    駒移動(b.局面, 描画, 表示, 5, 3, 5, 7, 17);

    盤面型 expected{};
    expected(5, 7) = 17;
    EXPECT_EQ(b.盤面, expected) << "the captured 銀 is gone, the source is empty";
    const auto pictures = port.of(test::Call::Picture);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].name, "KARA_MASU");
    EXPECT_DOUBLE_EQ(pictures[0].x, 座標X(5));
    EXPECT_DOUBLE_EQ(pictures[0].y, 座標Y(3));
    EXPECT_EQ(pictures[1].name, "UE_RYUU_B");
    EXPECT_DOUBLE_EQ(pictures[1].y, 座標Y(7));
    EXPECT_EQ(色の桝(表示.桝輪郭色).size(), 144u) << "the reach marks are erased";
    const auto outlines = port.of(test::Call::Outline);
    EXPECT_EQ(outlines.back().colour, 表示.背景色);
    EXPECT_DOUBLE_EQ(outlines.back().x, 座標X(5));
    EXPECT_DOUBLE_EQ(outlines.back().y, 座標Y(7));
}

TEST_F(盤上描画, MovingPlacesTheCallersCodeAndTwiceIsLikeOnce) {
    b.置く(5, 2, -1);
    駒移動(b.局面, 描画, 表示, 5, 2, 5, 1, -2);
    const 盤面型 once = b.盤面;
    EXPECT_EQ(once(5, 1), -2) << "the promoted code is placed";
    EXPECT_EQ(once(5, 2), 空);
    駒移動(b.局面, 描画, 表示, 5, 2, 5, 1, -2);
    EXPECT_EQ(b.盤面, once);
}

TEST_F(盤上描画, MovingCannotWriteOffTheBoardNorLoseAPiece) {
    b.置く(6, 6, 34);
    const 盤面型 before = b.盤面;
    for (auto [x1, y1, x2, y2] :
         {std::array{6, 6, 13, 6}, std::array{6, 6, 6, 0}, std::array{-1, 6, 6, 7}, std::array{6, 6, 6, 400}}) {
        駒移動(b.局面, 描画, 表示, x1, y1, x2, y2, 34);
        EXPECT_EQ(b.盤面, before) << "(" << x1 << "," << y1 << ") to (" << x2 << "," << y2 << ")";
    }
    駒移動(b.局面, 描画, 表示, 6, 6, 6, 6, 34);
    EXPECT_EQ(b.盤面, before) << "a piece moved onto its own square stays";
}

}  // namespace
}  // namespace bexoru
