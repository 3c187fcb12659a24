// The record file as bytes: the fixed-width lines written, the lenient reading
// of lines as the Windows program wrote them, the files refused, and a write
// that fails half-way leaving the old file as it was.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "records/record_file.h"

namespace bexoru {
namespace {

std::string 読む(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string 行を重ねる(int n, const std::string& 行) {
    std::string s;
    for (int i = 0; i < n; ++i) s += 行 + "\r\n";
    return s;
}

TEST(RecordFile, LinesAreFixedWidthRightAlignedFields) {
    struct 例 {
        指し手 手;
        const char* 行;
    };
    const 例 cases[] = {
        {{3, 4, 3, 5, 1, 1, 0}, " 3 4 3 5  1  1  0"},
        {{6, 9, 6, 7, -34, -34, 13}, " 6 9 6 7-34-34 13"},
        {{12, 12, 1, 10, -1, -2, 39}, "1212 110 -2 -1 39"},  // 移動駒 -1 promoted to -2
    };
    for (const 例& e : cases) {
        EXPECT_EQ(棋譜行(e.手), e.行);
        EXPECT_EQ(棋譜行解析(e.行), e.手) << e.行;
    }
}

TEST(RecordFile, WholeFileHasThreeEmptyHeadersAndCrLfLines) {
    棋譜記録 r;
    r.手[1].移動元X = 3, r.手[1].移動元Y = 4, r.手[1].移動先X = 3, r.手[1].移動先Y = 5;
    r.手[1].成駒 = 1, r.手[1].移動駒 = 1, r.手[1].取駒 = 0;
    r.手[2].移動元X = 6, r.手[2].移動元Y = 9, r.手[2].移動先X = 6, r.手[2].移動先Y = 7;
    r.手[2].成駒 = -34, r.手[2].移動駒 = -34, r.手[2].取駒 = 13;
    // Entries beyond 記録終端 are not written, whatever 記録数 says.
    r.手[3].移動元X = 9;
    r.記録数 = 1;
    r.記録終端 = 2;
    EXPECT_EQ(棋譜テキスト(r), "\r\n\r\n\r\n 3 4 3 5  1  1  0\r\n 6 9 6 7-34-34 13\r\n");
}

TEST(RecordFile, FieldValuesIgnoreSpacesAndTrailingText) {
    const std::pair<const char*, int> cases[] = {
        {"  1", 1}, {"-34", -34}, {" 1 2", 12}, {"- 5", -5}, {"1a", 1}, {"ab", 0}, {"", 0}, {"   ", 0}, {"-", 0},
    };
    for (const auto& [欄, 値] : cases) EXPECT_EQ(欄の値(欄), 値) << "'" << 欄 << "'";
}

TEST(RecordFile, ReadingAcceptsEveryLineEndAndSkipsTheHeaders) {
    const 指し手 a{3, 4, 3, 5, 1, 1, 0}, b{6, 9, 6, 7, -34, -34, 13};
    const std::pair<const char*, std::string> cases[] = {
        {"CR LF", "\r\n\r\n\r\n 3 4 3 5  1  1  0\r\n 6 9 6 7-34-34 13\r\n"},
        {"LF", "\n\n\n 3 4 3 5  1  1  0\n 6 9 6 7-34-34 13\n"},
        {"CR", "\r\r\r 3 4 3 5  1  1  0\r 6 9 6 7-34-34 13\r"},
        {"no end on the last line", "\r\n\r\n\r\n 3 4 3 5  1  1  0\r\n 6 9 6 7-34-34 13"},
        {"byte-order mark", "\xEF\xBB\xBF\r\n\r\n\r\n 3 4 3 5  1  1  0\r\n 6 9 6 7-34-34 13\r\n"},
        {"text after column 17", "\r\n\r\n\r\n 3 4 3 5  1  1  0 x\r\n 6 9 6 7-34-34 1399\r\n"},
    };
    for (const auto& [name, bytes] : cases) {
        const 棋譜読込結果 r = 棋譜解析(bytes);
        EXPECT_EQ(r.不備, 棋譜不備::なし) << name;
        EXPECT_EQ(r.手々, (std::vector<指し手>{a, b})) << name;
    }
}

TEST(RecordFile, BadFilesAreReadOrRefusedWithoutHarm) {
    const std::string 正しい = " 3 4 3 5  1  1  0";
    struct 例 {
        const char* name;
        std::string bytes;
        棋譜不備 不備;
        std::size_t 手数;
        int 不備行 = 0;
    };
    const 例 cases[] = {
        {"empty", "", 棋譜不備::手がない, 0},
        {"headers only", "a\r\nb\r\nc\r\n", 棋譜不備::手がない, 0},
        {"two lines only", "a\r\nb", 棋譜不備::手がない, 0},
        {"blank lines only", "\r\n\r\n\r\n\r\n \r\n\t\r\n", 棋譜不備::手がない, 0},
        {"trailing blank lines are zero entries", "\r\n\r\n\r\n" + 正しい + "\r\n\r\n\r\n", 棋譜不備::なし, 3},
        {"short last line", "\r\n\r\n\r\n 3 4 3", 棋譜不備::なし, 1},
        {"a line of text is no entry", "\r\n\r\n\r\nhello world, not a record\r\n", 棋譜不備::値が不正, 0, 4},
        {"a field holding a letter", "\r\n\r\n\r\n" + 正しい + "\r\n 3 4 3 5  1  1  x\r\n", 棋譜不備::値が不正, 0, 5},
        {"NUL bytes (UTF-16)", std::string("\r\0\n\0 \0003\0", 8), 棋譜不備::文書でない, 0},
        {"an escape sequence", "\x1b[2J\r\n\r\n\r\n" + 正しい + "\r\n", 棋譜不備::文書でない, 0},
        {"no header lines", 正しい + "\r\n" + 正しい + "\r\n", 棋譜不備::見出しがない, 0, 1},
        {"an entry for the third header", "\r\n\r\n" + 正しい + "\r\n" + 正しい + "\r\n", 棋譜不備::見出しがない, 0, 3},
        {"headers of digits", "2024\r\n1 2\r\n-\r\n" + 正しい + "\r\n", 棋譜不備::なし, 1},
        {"column 13", "\r\n\r\n\r\n" + 正しい + "\r\n13 4 3 5  1  1  0\r\n", 棋譜不備::値が不正, 0, 5},
        {"negative row", "\r\n\r\n\r\n 3-1 3 5  1  1  0\r\n", 棋譜不備::値が不正, 0, 4},
        {"code 40", "\r\n\r\n\r\n 3 4 3 5 40  1  0\r\n", 棋譜不備::値が不正, 0, 4},
        {"code -99", "\r\n\r\n\r\n 3 4 3 5  1  1-99\r\n", 棋譜不備::値が不正, 0, 4},
        {"2000 entries", "\r\n\r\n\r\n" + 行を重ねる(2000, 正しい), 棋譜不備::なし, 2000},
        {"2000 entries and blank lines", "\r\n\r\n\r\n" + 行を重ねる(2000, 正しい) + "\r\n  \r\n", 棋譜不備::なし,
         2000},
        {"2001 entries", "\r\n\r\n\r\n" + 行を重ねる(2001, 正しい), 棋譜不備::多すぎる, 0, 2004},
    };
    for (const 例& e : cases) {
        const 棋譜読込結果 r = 棋譜解析(e.bytes);
        EXPECT_EQ(r.不備, e.不備) << e.name;
        EXPECT_EQ(r.手々.size(), e.手数) << e.name;
        EXPECT_EQ(r.不備行, e.不備行) << e.name;
    }
    EXPECT_EQ(棋譜解析("\r\n\r\n\r\n 3 4 3").手々[0], (指し手{3, 4, 3, 0, 0, 0, 0}));
}

TEST(RecordFile, HeadersAreDecodedFromUtf8OrShiftJis) {
    const 棋譜読込結果 r = 棋譜解析("\x92\x86\x8F\xAB\x8A\xFB\r\n\xB1\xB2\r\n中将棋\r\n");
    EXPECT_EQ(r.見出し[0], "中将棋");
    EXPECT_EQ(r.見出し[1], "ｱｲ");
    EXPECT_EQ(r.見出し[2], "中将棋");
    // A cut-off double-byte character does not stop the decoding.
    EXPECT_EQ(文字列復号("a\x92"), "a\uFFFD");
}

class RecordFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("bexoru_records_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::size_t 数() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir_), {}));
    }
    std::filesystem::path dir_;
};

TEST_F(RecordFileOnDisk, WriteReplacesAnExistingFileAndReadsBack) {
    const auto p = dir_ / "対局.棋譜";
    std::ofstream(p) << "old";
    std::string 理由;
    ASSERT_TRUE(棋譜ファイル書込(p, "\r\n\r\n\r\n 3 4 3 5  1  1  0\r\n", 理由)) << 理由;
    EXPECT_EQ(読む(p), "\r\n\r\n\r\n 3 4 3 5  1  1  0\r\n");
    EXPECT_EQ(数(), 1u) << "no temporary file is left";
    EXPECT_EQ(棋譜ファイル読込(p).手々.size(), 1u);
}

TEST_F(RecordFileOnDisk, AWriteThatFailsHalfWayLeavesTheOldFile) {
    const auto p = dir_ / "対局.棋譜";
    std::ofstream(p) << "old record";
    // Files may grow to 8 bytes only: the write fails after it has begun.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string 理由;
    const bool ok = 棋譜ファイル書込(p, std::string(100, 'x'), 理由);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    EXPECT_FALSE(理由.empty());
    EXPECT_EQ(読む(p), "old record");
    EXPECT_EQ(数(), 1u) << "the temporary file is removed";
}

TEST_F(RecordFileOnDisk, AWriteProtectedFileIsNotReplaced) {
    // Renaming over a file needs only the folder's permission: the writer
    // itself must leave a protected record alone, whoever runs it.
    const auto p = dir_ / "保護.棋譜";
    std::ofstream(p) << "old";
    std::filesystem::permissions(p, std::filesystem::perms::owner_read);
    std::string 理由;
    EXPECT_FALSE(棋譜ファイル書込(p, "\r\n\r\n\r\n", 理由));
    EXPECT_FALSE(理由.empty());
    EXPECT_EQ(読む(p), "old");
    EXPECT_EQ(数(), 1u);

    std::filesystem::create_directories(dir_ / "folder.棋譜");
    std::ofstream(dir_ / "plain.棋譜") << "x";
    EXPECT_EQ(既存棋譜の有無(p), 既存棋譜::書込禁止);
    EXPECT_EQ(既存棋譜の有無(dir_ / "plain.棋譜"), 既存棋譜::ある);
    EXPECT_EQ(既存棋譜の有無(dir_ / "none.棋譜"), 既存棋譜::ない);
    EXPECT_EQ(既存棋譜の有無(dir_ / "folder.棋譜"), 既存棋譜::ファイルでない);
}

TEST_F(RecordFileOnDisk, APathHoldingANulIsNotWritten) {
    // The system would take "victim.txt" NUL "x.棋譜" as victim.txt.
    std::ofstream(dir_ / "victim.txt") << "keep me";
    std::string 理由;
    const std::filesystem::path p = (dir_ / "victim.txt").string() + std::string("\0x.棋譜", 9);
    EXPECT_FALSE(棋譜ファイル書込(p, "\r\n\r\n\r\n", 理由));
    EXPECT_FALSE(理由.empty());
    EXPECT_EQ(読む(dir_ / "victim.txt"), "keep me");
    EXPECT_EQ(数(), 1u);
}

TEST_F(RecordFileOnDisk, ReadingRefusesWhatIsNotARecordFile) {
    std::filesystem::create_directories(dir_ / "folder.棋譜");
    std::ofstream(dir_ / "big.棋譜") << std::string(棋譜ファイル上限 + 1, ' ');
    EXPECT_EQ(棋譜ファイル読込(dir_ / "missing.棋譜").不備, 棋譜不備::開けない);
    EXPECT_EQ(棋譜ファイル読込(dir_ / "folder.棋譜").不備, 棋譜不備::開けない);
    EXPECT_EQ(棋譜ファイル読込(dir_ / "big.棋譜").不備, 棋譜不備::大きすぎる);
    std::string 理由;
    EXPECT_FALSE(棋譜ファイル書込(dir_ / "folder.棋譜", "x", 理由)) << "a folder is not replaced";
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "folder.棋譜"));
}

}  // namespace
}  // namespace bexoru
