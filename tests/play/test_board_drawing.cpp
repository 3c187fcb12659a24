// Squares, pieces, the board and the full redraw, as the recording port sees them.

#include <algorithm>

#include "board/starting_position.h"
#include "drawing_fixture.h"

namespace bexoru::test {
namespace {

using BoardDrawing = DrawingTest;

TEST_F(BoardDrawing, SquaresAndPiecesPaintAtTheSquareCornerThenOutline) {
    struct Row {
        const char* name;
        駒コード code;
        int X, Y;
        const char* picture;  // nullptr: only the outline
        double x, y;          // the square's top-left corner in twips
    };
    const Row rows[] = {
        {"upper pawn on (1, 1)", +1, 1, 1, "UE_HU", 710, 300},
        {"lower king on (12, 12)", -39, 12, 12, "SITA_OU", 6320, 6900},
        {"lower Lion, starting form", -34, 6, 10, "SITA_SISI_B", 3260, 5700},
        {"lower Lion, promoted Kirin", -33, 6, 10, "SITA_SISI_R", 3260, 5700},
        {"empty code only outlines", 空, 7, 5, nullptr, 3770, 2700},
        {"pseudo code has no picture", 擬_獅, 7, 5, nullptr, 3770, 2700},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        port.clear();
        描画.描画_駒(row.code, row.X, row.Y);
        const auto pictures = port.of(Call::Picture);
        if (row.picture) {
            ASSERT_EQ(pictures.size(), 1u);
            EXPECT_EQ(pictures[0].name, row.picture);
            EXPECT_EQ(pictures[0].x, row.x);
            EXPECT_EQ(pictures[0].y, row.y);
        } else {
            EXPECT_TRUE(pictures.empty());
        }
        ASSERT_FALSE(port.calls.empty());
        const Call& last = port.calls.back();
        EXPECT_EQ(last.kind, Call::Outline);
        EXPECT_EQ(last.x, row.x);
        EXPECT_EQ(last.y, row.y);
        EXPECT_EQ(last.w, 510);
        EXPECT_EQ(last.h, 600);
        EXPECT_EQ(last.colour, 表示.背景色);
    }

    port.clear();
    描画.描画_桝(2, 3);
    ASSERT_EQ(port.calls.size(), 2u);
    EXPECT_EQ(port.calls[0].name, "KARA_MASU");
    EXPECT_EQ(port.calls[0].x, 1220);
    EXPECT_EQ(port.calls[0].y, 1500);
    EXPECT_EQ(port.calls[1].kind, Call::Outline);
    EXPECT_EQ(port.calls[1].colour, 表示.背景色);
}

TEST_F(BoardDrawing, SquareOutlinesUseTheGivenColourAndTheMarkEraser) {
    描画.描画_桝輪郭(12, 3, 4);
    ASSERT_EQ(port.calls.size(), 1u);
    EXPECT_EQ(port.calls[0].colour, 12);
    EXPECT_EQ(port.calls[0].x, 1730);
    EXPECT_EQ(port.calls[0].y, 2100);

    port.clear();
    描画.描画_将棋盤桝();
    const auto outlines = port.of(Call::Outline);
    EXPECT_EQ(outlines.size(), port.calls.size()) << "only outlines: pieces are not repainted";
    ASSERT_EQ(outlines.size(), 144u);
    for (const Call& c : outlines) EXPECT_EQ(c.colour, 表示.桝輪郭色);
    EXPECT_EQ(outlines.front().x, 710);
    EXPECT_EQ(outlines.back().x, 6320);
    EXPECT_EQ(outlines.back().y, 6900);
}

TEST_F(BoardDrawing, BoardGoesColumnByColumnEmptySquareThenPieceThenOutline) {
    盤面(1, 1) = 3;
    盤面(1, 2) = -28;
    描画.描画_盤();

    // Square (1, 1): empty square and its outline, the piece and its outline, the closing outline.
    ASSERT_GE(port.calls.size(), 10u);
    const Call::Kind first[] = {Call::Picture, Call::Outline, Call::Picture, Call::Outline, Call::Outline};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(port.calls[i].kind, first[i]) << "call " << i;
    EXPECT_EQ(port.calls[0].name, "KARA_MASU");
    EXPECT_EQ(port.calls[2].name, "UE_KYOU");
    EXPECT_EQ(port.calls[4].colour, 表示.背景色);
    // Next comes (1, 2), one row down in the same column.
    EXPECT_EQ(port.calls[5].name, "KARA_MASU");
    EXPECT_EQ(port.calls[5].x, 710);
    EXPECT_EQ(port.calls[5].y, 900);
    EXPECT_EQ(port.calls[7].name, "SITA_HEN");
    // An empty square gets no piece picture: (1, 3) starts right after (1, 2)'s five calls.
    EXPECT_EQ(port.calls[10].name, "KARA_MASU");
    EXPECT_EQ(port.calls[10].y, 1500);
    EXPECT_EQ(port.calls[11].kind, Call::Outline);
    EXPECT_EQ(port.calls[12].kind, Call::Outline);
    EXPECT_EQ(port.calls[13].name, "KARA_MASU");

    EXPECT_EQ(port.of(Call::Picture).size(), 144u + 2u);
    EXPECT_EQ(port.of(Call::Picture).back().x, 6320) << "the last square drawn is (12, 12)";
    EXPECT_EQ(port.of(Call::Picture).back().y, 6900);
}

TEST_F(BoardDrawing, ScreenRedrawShowsTheStartingPositionCoordinatesAndTitle) {
    初期配置(盤面);
    描画.画面_再描画();

    ASSERT_FALSE(port.calls.empty());
    const Call& clear = port.calls.front();
    EXPECT_EQ(clear.kind, Call::Fill);
    EXPECT_EQ(clear.x, 7340);
    EXPECT_EQ(clear.y, 900);
    EXPECT_EQ(clear.w, 2000);
    EXPECT_EQ(clear.h, 4000);
    EXPECT_EQ(clear.colour, 表示.背景色);

    const auto pictures = port.of(Call::Picture);
    EXPECT_EQ(std::count_if(pictures.begin(), pictures.end(), [](const Call& c) { return c.name == "KARA_MASU"; }),
              144);
    EXPECT_EQ(std::count_if(pictures.begin(), pictures.end(), [](const Call& c) { return c.name.starts_with("UE_"); }),
              46);
    EXPECT_EQ(
        std::count_if(pictures.begin(), pictures.end(), [](const Call& c) { return c.name.starts_with("SITA_"); }), 46);
    auto paintedAt = [&](const char* name, double x, double y) {
        return std::any_of(pictures.begin(), pictures.end(),
                           [&](const Call& c) { return c.name == name && c.x == x && c.y == y; });
    };
    EXPECT_TRUE(paintedAt("UE_OU", 3770, 300)) << "upper king on (7, 1)";
    EXPECT_TRUE(paintedAt("SITA_OU", 3260, 6900)) << "lower king on (6, 12)";
    EXPECT_TRUE(paintedAt("SITA_SISI_B", 3260, 5700)) << "lower Lion on (6, 10)";

    // The title comes last, after the coordinates, at (14.2, 1).
    EXPECT_EQ(pictures.back().name, "TITLE");
    EXPECT_EQ(pictures.back().x, 7442);
    EXPECT_EQ(pictures.back().y, 300);
    EXPECT_EQ(port.of(Call::Text).size(), 48u) << "12 columns and 12 rows, each with its shadow";
    EXPECT_EQ(port.calls.back().name, "TITLE");
}

}  // namespace
}  // namespace bexoru::test
