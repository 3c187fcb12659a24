// The displays around the board: last move, move number, coordinates, level.

#include "drawing_fixture.h"

namespace bexoru::test {
namespace {

using Captions = DrawingTest;

TEST_F(Captions, LastMoveReadsColumnRowPieceWithShadows) {
    struct Row {
        const char* name;
        double c, r;
        int X, Y;
        駒コード code;
        std::vector<std::string> expected;  // black copy first, then the white one
    };
    // clang-format off
    const Row rows[] = {
        {"upper pawn to column 7 row 5 reads ６五歩", 15.6, 5, 7, 5, 1,
         {"６@8207,2760/12/0", "６@8156,2700/12/15", "五@8411,2760/12/0", "五@8360,2700/12/15",
          "歩@8717,2760/12/0", "歩@8666,2700/12/15"}},
        {"column 1 reads 12 and starts 100 twips left; row 12 moves the piece to c + 1.6", 15.6, 6, 1, 12, -39,
         {"12@8107,3360/12/0", "12@8056,3300/12/15", "十二@8411,3360/12/0", "十二@8360,3300/12/15",
          "王@9023,3360/12/0", "王@8972,3300/12/15"}},
        {"column 3 reads 10; row 11 also moves the piece", 15.6, 5, 3, 11, 34,
         {"10@8107,2760/12/0", "10@8056,2700/12/15", "十一@8411,2760/12/0", "十一@8360,2700/12/15",
          "獅@9023,2760/12/0", "獅@8972,2700/12/15"}},
        {"column 2 reads 11; row 10 keeps the piece at c + 1", 15.6, 6, 2, 10, -30,
         {"11@8107,3360/12/0", "11@8056,3300/12/15", "十@8411,3360/12/0", "十@8360,3300/12/15",
          "虎@8717,3360/12/0", "虎@8666,3300/12/15"}},
        {"column 12 reads １", 15.6, 6, 12, 1, -36,
         {"１@8207,3360/12/0", "１@8156,3300/12/15", "一@8411,3360/12/0", "一@8360,3300/12/15",
          "象@8717,3360/12/0", "象@8666,3300/12/15"}},
        {"a pseudo code names no piece", 15.6, 5, 7, 5, 擬_獅,
         {"６@8207,2760/12/0", "６@8156,2700/12/15", "五@8411,2760/12/0", "五@8360,2700/12/15"}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        port.clear();
        描画.描画_移動結果(row.c, row.r, row.X, row.Y, row.code, 15);
        EXPECT_EQ(printed(), row.expected);
        // The old text is erased first: 1250 × 400 from 0.3 column left.
        ASSERT_FALSE(port.calls.empty());
        const Call& erase = port.calls.front();
        EXPECT_EQ(erase.kind, Call::Fill);
        EXPECT_DOUBLE_EQ(erase.x, 8003);
        EXPECT_DOUBLE_EQ(erase.y, row.r == 5 ? 2700 : 3300);
        EXPECT_EQ(erase.w, 1250);
        EXPECT_EQ(erase.h, 400);
        EXPECT_EQ(erase.colour, 表示.背景色);
        EXPECT_EQ(port.of(Call::Fill).size(), 1u);
    }
}

TEST_F(Captions, MoveNumberStandsFurtherLeftWithMoreDigits) {
    struct Row {
        int number;
        const char* main;
        const char* shadow;
    };
    const Row rows[] = {
        {0, "0@7799,1680/12/15", "0@7850,1740/12/0"},          {9, "9@7799,1680/12/15", "9@7850,1740/12/0"},
        {10, "10@7748,1680/12/15", "10@7799,1740/12/0"},       {99, "99@7748,1680/12/15", "99@7799,1740/12/0"},
        {100, "100@7697,1680/12/15", "100@7748,1740/12/0"},    {500, "500@7697,1680/12/15", "500@7748,1740/12/0"},
        {1000, "1000@7595,1680/12/15", "1000@7646,1740/12/0"}, {2000, "2000@7595,1680/12/15", "2000@7646,1740/12/0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.number);
        port.clear();
        描画.描画_手数(row.number, 15);
        const std::vector<std::string> expected = {row.shadow, row.main, "手目@8429,1780/10/0", "手目@8378,1720/10/15"};
        EXPECT_EQ(printed(), expected);

        // Each part is cleared before it is printed.
        ASSERT_EQ(port.calls.size(), 6u);
        const Call& numberBox = port.calls[0];
        EXPECT_EQ(numberBox.kind, Call::Fill);
        EXPECT_EQ(numberBox.colour, 表示.背景色);
        EXPECT_LE(numberBox.x, 7595) << "a four-digit number must be wholly erased";
        EXPECT_DOUBLE_EQ(numberBox.x + numberBox.w, 8998);
        EXPECT_DOUBLE_EQ(numberBox.y, 1680);
        EXPECT_EQ(numberBox.h, 300);
        const Call& suffixBox = port.calls[3];
        EXPECT_EQ(suffixBox.kind, Call::Fill);
        EXPECT_DOUBLE_EQ(suffixBox.x, 8258);
        EXPECT_DOUBLE_EQ(suffixBox.y, 1560);
        EXPECT_EQ(suffixBox.w, 2200);
        EXPECT_EQ(suffixBox.h, 560);
    }
}

TEST_F(Captions, CoordinatesRead12To1AcrossAndKanjiDown) {
    描画.描画_桝_数値();

    std::vector<std::string> columns, rows;
    for (const Call& c : port.of(Call::Text)) {
        if (c.colour == 15 && c.y == 60) columns.push_back(describe(c));
        if (c.colour == 15 && c.x > 6880 && c.x < 6882) rows.push_back(describe(c));
    }
    const std::vector<std::string> expectedColumns = {"12@761,60/10/15", "11@1271,60/10/15", "10@1781,60/10/15",
                                                      "9@2291,60/10/15", "8@2801,60/10/15",  "7@3311,60/10/15",
                                                      "6@3821,60/10/15", "5@4331,60/10/15",  "4@4841,60/10/15",
                                                      "3@5351,60/10/15", "2@5861,60/10/15",  "1@6371,60/10/15"};
    const std::vector<std::string> expectedRows = {
        "一@6881,480/10/15",  "二@6881,1080/10/15", "三@6881,1680/10/15",   "四@6881,2280/10/15",
        "五@6881,2880/10/15", "六@6881,3480/10/15", "七@6881,4080/10/15",   "八@6881,4680/10/15",
        "九@6881,5280/10/15", "十@6881,5880/10/15", "十一@6881,6480/10/15", "十二@6881,7080/10/15"};
    EXPECT_EQ(columns, expectedColumns);
    EXPECT_EQ(rows, expectedRows);

    // Every label is cleared, then printed black 0.1 right and down, then white.
    ASSERT_EQ(port.calls.size(), 72u);
    for (std::size_t i = 0; i < port.calls.size(); i += 3) {
        const Call &box = port.calls[i], &shadow = port.calls[i + 1], &label = port.calls[i + 2];
        EXPECT_EQ(box.kind, Call::Fill);
        EXPECT_EQ(box.w, 400);
        EXPECT_EQ(box.h, 210);
        EXPECT_EQ(box.colour, 表示.背景色);
        EXPECT_DOUBLE_EQ(box.x, label.x);
        EXPECT_DOUBLE_EQ(box.y, label.y);
        EXPECT_EQ(shadow.name, label.name);
        EXPECT_EQ(shadow.colour, 0);
        EXPECT_DOUBLE_EQ(shadow.x, label.x + 51);
        EXPECT_DOUBLE_EQ(shadow.y, label.y + 60);
        EXPECT_EQ(label.size, 10);
    }
}

TEST_F(Captions, LevelCaptionIsClearedThenShadowedInsideTheWindow) {
    描画.描画_レベル(1);
    const double x = 座標X(レベル表示X), y = 座標Y(レベル表示Y);
    auto at = [](const char* text, double px, double py, int size, int colour) {
        Call c{.kind = Call::Text, .name = text, .x = px, .y = py, .size = size, .colour = colour};
        return DrawingTest::describe(c);
    };
    const std::vector<std::string> expected = {at("LEVEL", x - 1.4 * 510, y + 0.2 * 600, 10, 0),
                                               at("LEVEL", x - 1.5 * 510, y + 0.1 * 600, 10, 15),
                                               at("1", x + 51, y + 60, 12, 0), at("1", x, y, 12, 15)};
    EXPECT_EQ(printed(), expected);

    // A narrower digit must not leave the old one showing: the box is cleared
    // first and covers where both texts start.
    ASSERT_EQ(port.calls.size(), 5u);
    const Call& box = port.calls[0];
    EXPECT_EQ(box.kind, Call::Fill);
    EXPECT_EQ(box.colour, 表示.背景色);
    for (const Call& t : port.of(Call::Text)) {
        EXPECT_GE(t.x, box.x);
        EXPECT_GE(t.y, box.y);
        EXPECT_LE(t.x + t.size * 20, box.x + box.w) << t.name;
        EXPECT_LE(t.y + t.size * 20, box.y + box.h) << t.name;
    }
    // Inside the side panel: right of the row numerals, below the move
    // number's boxes, above the side labels and the last-move texts.
    EXPECT_GE(box.x, 7340);
    EXPECT_LE(box.x + box.w, 9300);
    EXPECT_GE(box.y, 1560 + 560);
    EXPECT_LE(box.y + box.h, 2700);
}

}  // namespace
}  // namespace bexoru::test
