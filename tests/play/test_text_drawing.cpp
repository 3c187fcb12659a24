// The text procedures: what each value prints, where, and in which size.

#include "drawing_fixture.h"
#include "play/display_texts.h"

namespace bexoru::test {
namespace {

using TextDrawing = DrawingTest;

// Position (1, 2) is the point (710, 900) in twips.
constexpr double kC = 1, kR = 2;

TEST_F(TextDrawing, NumbersPrintAsTheyAreOrAsKanjiNumerals) {
    struct Row {
        const char* name;
        int value;
        int kind;
        const char* expected;  // "" prints nothing
    };
    const Row rows[] = {
        {"plain one digit", 7, 0, "7"},
        {"plain three digits", 123, 0, "123"},
        {"plain zero", 0, 0, "0"},
        {"kanji one", 1, 1, "一"},
        {"kanji five", 5, 1, "五"},
        {"kanji ten", 10, 1, "十"},
        {"kanji eleven", 11, 1, "十一"},
        {"kanji twelve", 12, 1, "十二"},
        {"kanji of zero is nothing", 0, 1, ""},
        {"kanji of thirteen is nothing", 13, 1, ""},
        {"unknown kind prints nothing", 3, 2, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        port.clear();
        描画.描画_数値(kC, kR, row.value, 14, row.kind, 11);
        if (*row.expected == '\0') {
            EXPECT_TRUE(port.calls.empty());
        } else {
            EXPECT_EQ(printed(), std::vector<std::string>{std::string(row.expected) + "@710,900/11/14"});
        }
    }

    port.clear();
    描画.描画_数値(kC, kR, " 思考中", 15, 0, 12);
    EXPECT_EQ(printed(), std::vector<std::string>{" 思考中@710,900/12/15"});
}

TEST_F(TextDrawing, MoveNumbersUseFullWidthDigitsTwoDigitColumnsAndRowNumerals) {
    struct Row {
        const char* name;
        int value;
        const char* expected;  // "" prints nothing
        double x;
    };
    const Row rows[] = {
        {"column 1", 1, "１", 710},
        {"column 6", 6, "６", 710},
        {"column 9", 9, "９", 710},
        {"column 10 moves left", 10, "10", 610},
        {"column 11 moves left", 11, "11", 610},
        {"column 12 moves left", 12, "12", 610},
        {"row 1", 1001, "一", 710},
        {"row 5", 1005, "五", 710},
        {"row 11", 1011, "十一", 710},
        {"row 12", 1012, "十二", 710},
        {"zero", 0, "", 0},
        {"thirteen", 13, "", 0},
        {"row 0", 1000, "", 0},
        {"row 13", 1013, "", 0},
        {"negative", -5, "", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        port.clear();
        描画.描画_移動数値(kC, kR, row.value, 15);
        if (*row.expected == '\0') {
            EXPECT_TRUE(port.calls.empty());
            continue;
        }
        ASSERT_EQ(port.calls.size(), 1u);
        const Call& c = port.calls[0];
        EXPECT_EQ(c.name, row.expected);
        EXPECT_DOUBLE_EQ(c.x, row.x);
        EXPECT_DOUBLE_EQ(c.y, 900);
        EXPECT_EQ(c.size, 12);
        EXPECT_EQ(c.colour, 15);
    }
}

TEST_F(TextDrawing, PieceKindsPrintTheirLabelForEitherSide) {
    struct Row {
        const char* name;
        駒コード code;
        const char* expected;
    };
    const Row rows[] = {
        {"upper pawn", 1, "歩"},
        {"lower pawn", -1, "歩"},
        {"promoted copper", 6, "横"},
        {"side mover", -7, "横"},
        {"promoted Kirin", 33, "獅"},
        {"Lion", -34, "獅"},
        {"promoted go-between", 36, "象"},
        {"king", -39, "王"},
        {"empty", 空, ""},
        {"pseudo Eagle step", -擬_鷲一, ""},
        {"beyond the table", 40, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        port.clear();
        描画.描画_移動駒種類(kC, kR, row.code, 15);
        if (*row.expected == '\0') {
            EXPECT_TRUE(port.calls.empty());
        } else {
            EXPECT_EQ(printed(), std::vector<std::string>{std::string(row.expected) + "@710,900/12/15"});
        }
    }
}

TEST_F(TextDrawing, CaptionsComeFromTheGradeTableShiftedRightAndDown) {
    struct Row {
        int value;
        const char* expected;  // "" prints nothing
    };
    const Row rows[] = {
        {-10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"},
        {-9, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"},
        {-5, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"},
        {-4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"},
        {-3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"},
        {-2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"},
        {-1, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"},
        {0, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"},
        {1, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"},
        {4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"},
        {7, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"},
        {8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"},
        {9, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級"},
        {10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"},
        {手目値, "手目"},
        {-11, ""},
        {11, ""},
        {98, ""},
        {100, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        port.clear();
        描画.描画_文字列(kC, kR, row.value, 15, 10);
        if (*row.expected == '\0') {
            EXPECT_TRUE(port.calls.empty());
        } else {
            EXPECT_EQ(printed(), std::vector<std::string>{std::string(row.expected) + "@830,1060/10/15"});
        }
    }
}

}  // namespace
}  // namespace bexoru::test
