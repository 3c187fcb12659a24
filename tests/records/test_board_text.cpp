#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "board/starting_position.h"
#include "records/board_text.h"

namespace bexoru {
namespace {

std::string rows(int n, const std::string& row = "0 0 0 0 0 0 0 0 0 0 0 0\n") {
    std::string s;
    for (int i = 0; i < n; ++i) s += row;
    return s;
}

// Both readers must agree on every text.
BoardTextResult parse_both(const std::string& text) {
    const BoardTextResult from_string = parse_board_text(std::string_view(text));
    std::istringstream in(text);
    const BoardTextResult from_stream = parse_board_text(in);
    EXPECT_EQ(from_string.ok(), from_stream.ok());
    EXPECT_EQ(from_string.board, from_stream.board);
    if (from_string.error && from_stream.error) {
        EXPECT_EQ(from_string.error->line, from_stream.error->line);
        EXPECT_EQ(from_string.error->message, from_stream.error->message);
    }
    return from_string;
}

TEST(BoardText, PrintsRowOneFirstRightAlignedInFourCharacters) {
    盤面型 start;
    初期配置(start);
    const std::string text = format_board_text(start);
    EXPECT_EQ(text.substr(0, 49), "   3  19   5   9  13  37  39  13   9   5  19   3\n");
    EXPECT_EQ(text.substr(text.size() - 49), "  -3 -19  -5  -9 -13 -39 -37 -13  -9  -5 -19  -3\n");
    EXPECT_EQ(text.size(), 12u * 49u);
}

TEST(BoardText, EveryCodeSurvivesARoundTrip) {
    盤面型 b;
    int code = -最大駒コード;
    for (int Y = 1; Y <= 12; ++Y)
        for (int X = 1; X <= 12; ++X) b(X, Y) = code++ % (最大駒コード + 1);
    const BoardTextResult r = parse_both(format_board_text(b));
    ASSERT_TRUE(r.ok()) << r.error->message;
    EXPECT_EQ(r.board, b);
}

TEST(BoardText, FirstNumberIsColumnOneAndFirstRowIsRowOne) {
    const BoardTextResult r = parse_both(rows(1) + "0 0 0 0 -34 0 0 0 0 0 0 0\n" + rows(10));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.board(5, 2), -34);
    EXPECT_EQ(r.board(2, 5), 0);
}

TEST(BoardText, GridKeepsWideValuesApart) {
    const std::string text = format_grid([](int X, int) { return X == 2 ? -1000 : 999; });
    EXPECT_EQ(text.substr(0, 14), " 999 -1000 999");
}

TEST(BoardText, AcceptsTheWaysPeopleWriteIt) {
    const std::string row = "1 2 3 4 5 6 7 8 9 10 11 12";
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"CR LF line ends", rows(12, row + "\r\n")},
        {"tabs and runs of blanks", rows(12, "\t1  2\t\t3 4 5 6 7 8 9 10 11   12  \n")},
        {"no line break at the end", rows(11, row + "\n") + row},
        {"comments and blank lines anywhere",
         "# pos\n\n" + rows(6, row + "\n") + "  # x\n \t\n" + rows(6, row + "\n") + "\n# end\n"},
        {"explicit plus signs and leading zeros", rows(12, "+1 2 3 4 5 6 7 8 9 10 11 012\n")},
        {"an overlong comment", "#" + std::string(board_text_max_line * 2, 'x') + "\n" + rows(12, row + "\n")},
        {"a UTF-8 byte-order mark before the first row", "\xEF\xBB\xBF" + rows(12, row + "\n")},
        {"a byte-order mark before a comment", "\xEF\xBB\xBF# pos\r\n" + rows(12, row + "\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BoardTextResult r = parse_both(c.text);
        ASSERT_TRUE(r.ok()) << c.name << ": line " << r.error->line << ": " << r.error->message;
        for (int X = 1; X <= 12; ++X) EXPECT_EQ(r.board(X, 12), X) << c.name;
    }
    EXPECT_EQ(parse_both(rows(12, "-0 0 0 0 0 0 0 0 0 0 0 0\n")).board, 盤面型{});
}

TEST(BoardText, RefusesBadTextNamingTheLine) {
    const std::string row = "0 0 0 0 0 0 0 0 0 0 0 ";
    const struct {
        const char* name;
        std::string text;
        int line;
        const char* message;
    } cases[] = {
        {"eleven numbers", rows(2) + "0 0 0 0 0 0 0 0 0 0 0\n" + rows(9), 3, "expected 12 numbers, found 11"},
        {"thirteen numbers", rows(12, row + "0 0\n"), 1, "expected 12 numbers, found 13"},
        {"a word", rows(4) + row + "x\n" + rows(7), 5, "number 12: 'x' is not a whole number"},
        {"trailing garbage", rows(1) + "12x" + rows(1).substr(1), 2, "number 1: '12x' is not a whole number"},
        {"two signs", rows(12, row + "+-3\n"), 1, "'+-3' is not a whole number"},
        {"a lone sign", rows(12, row + "-\n"), 1, "'-' is not a whole number"},
        {"a pseudo code", rows(12, row + "18.1\n"), 1, "'18.1' is not a whole number"},
        {"a comma", rows(12, "1,2 0 0 0 0 0 0 0 0 0 0 0\n"), 1, "'1,2' is not a whole number"},
        {"a typographic minus",
         rows(12, row + "\xE2\x88\x92"
                        "3\n"),
         1,
         "'\xE2\x88\x92"
         "3' is not a whole number"},
        {"a byte that is not UTF-8",
         rows(12, row + "\xFF"
                        "1\n"),
         1, "'?1' is not a whole number"},
        {"a bare CR inside a line", rows(12, row + "1\r2\n"), 1, "'1?2' is not a whole number"},
        {"a form feed as separator", rows(12, row + "\f1\n"), 1, "'?1' is not a whole number"},
        {"40", rows(12, row + "40\n"), 1, "number 12: 40 is not a piece code (-39..39)"},
        {"-40", rows(12, row + "-40\n"), 1, "-40 is not a piece code"},
        {"an overflowing number", rows(12, row + "99999999999999999999999\n"), 1,
         "9999999999999999... is not a piece code"},
        {"thirteen rows", "# c\n\n" + rows(13), 15, "more than 12 rows"},
        {"eleven rows", "# c\n" + rows(11), 13, "the text ends after 11 rows; the board has 12"},
        {"an empty text", "", 1, "the text ends after 0 rows"},
        {"only comments", "# a\n#b\n", 3, "the text ends after 0 rows"},
        {"an overlong line", rows(3) + std::string(board_text_max_line + 1, '0'), 4, "longer than 4096 characters"},
        {"a NUL byte", rows(12, row + std::string("1\0", 2) + "\n"), 1, "'1?' is not a whole number"},
        {"a byte-order mark after the start", rows(1) + "\xEF\xBB\xBF" + rows(11), 2,
         "number 1: '?0' is not a whole number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BoardTextResult r = parse_both(c.text);
        ASSERT_FALSE(r.ok()) << c.name;
        EXPECT_EQ(r.error->line, c.line) << c.name;
        EXPECT_NE(r.error->message.find(c.message), std::string::npos) << c.name << ": " << r.error->message;
        EXPECT_EQ(r.board, 盤面型{}) << c.name << ": a refused text leaves the board empty";
    }
}

// An endless stream: a row pattern repeated for ever, counting what is read.
class EndlessText : public std::streambuf {
public:
    explicit EndlessText(std::string pattern) : pattern_(std::move(pattern)) {}
    std::size_t taken = 0;

protected:
    int_type underflow() override {
        if (taken > 100'000'000) return traits_type::eof();  // a reader that never stops fails below
        taken += pattern_.size();
        setg(pattern_.data(), pattern_.data(), pattern_.data() + pattern_.size());
        return traits_type::to_int_type(pattern_[0]);
    }

private:
    std::string pattern_;
};

TEST(BoardText, StopsReadingAnEndlessStreamAtTheFirstError) {
    const struct {
        const char* name;
        std::string pattern;
        const char* message;
    } cases[] = {
        {"rows for ever", "1 0 0 0 0 0 0 0 0 0 0 0\n", "more than 12 rows"},
        {"one line for ever", "1 ", "longer than"},
    };
    for (const auto& c : cases) {
        EndlessText text(c.pattern);
        std::istream in(&text);
        const BoardTextResult r = parse_board_text(in);
        ASSERT_FALSE(r.ok()) << c.name;
        EXPECT_NE(r.error->message.find(c.message), std::string::npos) << c.name;
        EXPECT_LT(text.taken, 2 * board_text_max_line) << c.name << ": read on after the error";
    }
}

TEST(PrintableExcerpt, LetsNoEscapeSequenceOrMalformedTextThrough) {
    const struct {
        const char* name;
        std::string text;
        std::string shown;
    } cases[] = {
        {"plain text and Japanese", "moves 王.txt", "moves 王.txt"},
        {"an escape sequence", "\x1B[2J\x1B]0;title\x07", "?[2J?]0;title?"},
        {"DEL and a tab", "a\x7F\tb", "a??b"},
        {"a C1 control sequence introducer (U+009B)",
         "\xC2\x9B"
         "31m",
         "?31m"},
        {"C1 NEL and the last C1 control", "\xC2\x85\xC2\x9F", "??"},
        {"an overlong ESC (C0 9B)", "\xC0\x9B[2J", "??[2J"},
        {"an overlong slash (E0 80 AF)", "\xE0\x80\xAF", "???"},
        {"a surrogate (ED A0 80)", "\xED\xA0\x80", "???"},
        {"past U+10FFFF (F4 90 80 80)", "\xF4\x90\x80\x80", "????"},
        {"a cut-off character", "x\xE7\x8E", "x??"},
        {"bidirectional override and isolate",
         "a\xE2\x80\xAE"
         "b\xE2\x81\xA6",
         "a?b?"},
        {"line separator and byte-order mark", "\xE2\x80\xA8\xEF\xBB\xBF", "??"},
        {"the largest code point and U+00A0 pass", "\xF4\x8F\xBF\xBF\xC2\xA0", "\xF4\x8F\xBF\xBF\xC2\xA0"},
    };
    for (const auto& c : cases) EXPECT_EQ(printable_excerpt(c.text, 60), c.shown) << c.name;
    EXPECT_EQ(printable_excerpt("王将王将", 2), "王将...") << "counts characters, not bytes";
    EXPECT_EQ(printable_excerpt("\xC0\x9B\xC0\x9B", 2), "??...") << "a bad byte counts as one character";
}

TEST(PieceCodeText, ReadsRealAndSecondStepCodes) {
    const struct {
        const char* text;
        駒コード code;
    } good[] = {{"34", 34},      {"-5", -5},         {"+7", 7},         {"0", 0},
                {"39", 39},      {"-39", -39},       {"18.1", 擬_鷲一}, {"-18.2", -擬_鷲二},
                {"24.1", 擬_鷹}, {"+33.1", 擬_獅成}, {"-34.1", -擬_獅}};
    for (const auto& g : good) EXPECT_EQ(parse_piece_code(g.text), std::optional<駒コード>(g.code)) << g.text;

    for (const char* bad : {"", "40", "-40", "18.3", "34.0", "18.", ".1", "18.10", "1.1", "-", "abc", "18,1", "181",
                            "+-1", " 5", "5 ", "99999999999999999999.1", "18.1x"})
        EXPECT_EQ(parse_piece_code(bad), std::nullopt) << "'" << bad << "'";

    for (const char* text : {"34", "-5", "18.1", "-18.2", "24.1", "-33.1", "34.1"})
        EXPECT_EQ(format_piece_code(*parse_piece_code(text)), text);
}

}  // namespace
}  // namespace bexoru
