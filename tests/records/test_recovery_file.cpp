// The recovery record's two files: where they live, what they hold, that the
// record part is an ordinary record, and what is refused when they are damaged.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "board/starting_position.h"
#include "records/record_file.h"
#include "records/recovery_file.h"

namespace bexoru {
namespace {

namespace fs = std::filesystem;

class RecoveryFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("bexoru_recovery_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        folder_ = dir_ / "data" / "bexoru";
    }
    void TearDown() override { fs::remove_all(dir_); }

    // A game of three entries, two on the board, with every field off its default.
    static 回復対局 対局例() {
        回復対局 g;
        初期配置(g.盤面);
        g.盤面(6, 9) = 空;
        g.盤面(6, 8) = -1;
        g.盤面(7, 4) = 空;
        g.盤面(7, 5) = 1;
        g.手々 = {{6, 9, 6, 8, -1, -1, 0}, {7, 4, 7, 5, 1, 1, 0}, {6, 10, 6, 9, -34, -34, 0}};
        g.記録数 = 2;
        g.手番 = 先手;
        g.MAN側 = 後手;
        g.COM側 = 先手;
        g.対局モード = 対局_COM;
        g.手数 = 2;
        g.レベル = 1;
        g.ハンデレベル = -2;
        g.ハンデ済 = true;
        g.反転済 = true;
        g.終局 = true;
        g.保存済 = true;
        return g;
    }
    static void 同じ(const 回復対局& a, const 回復対局& b) {
        EXPECT_TRUE(a.盤面 == b.盤面);
        EXPECT_EQ(a.手々, b.手々);
        EXPECT_EQ(a.記録数, b.記録数);
        EXPECT_EQ(a.手番, b.手番);
        EXPECT_EQ(a.MAN側, b.MAN側);
        EXPECT_EQ(a.COM側, b.COM側);
        EXPECT_EQ(a.対局モード, b.対局モード);
        EXPECT_EQ(a.手数, b.手数);
        EXPECT_EQ(a.レベル, b.レベル);
        EXPECT_EQ(a.ハンデレベル, b.ハンデレベル);
        EXPECT_EQ(a.ハンデ済, b.ハンデ済);
        EXPECT_EQ(a.反転済, b.反転済);
        EXPECT_EQ(a.終局, b.終局);
        EXPECT_EQ(a.保存済, b.保存済);
        EXPECT_EQ(a.規則, b.規則);
    }
    static std::string 中身(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir_, folder_;
};

TEST(RecoveryFolder, FollowsXdgDataHomeElseTheHomeFolder) {
    EXPECT_EQ(既定の回復フォルダ("/x/data", "/home/u"), fs::path("/x/data/bexoru"));
    EXPECT_EQ(既定の回復フォルダ(nullptr, "/home/u"), fs::path("/home/u/.local/share/bexoru"));
    EXPECT_EQ(既定の回復フォルダ("", "/home/u"), fs::path("/home/u/.local/share/bexoru"));
    EXPECT_EQ(既定の回復フォルダ("relative/data", "/home/u"), fs::path("/home/u/.local/share/bexoru"))
        << "a relative XDG_DATA_HOME is ignored";
    EXPECT_EQ(既定の回復フォルダ(nullptr, nullptr), fs::path());
    EXPECT_EQ(既定の回復フォルダ(nullptr, ""), fs::path());
}

TEST_F(RecoveryFile, AGameComesBackAsItWasWritten) {
    const 回復対局 g = 対局例();
    std::string why;
    ASSERT_TRUE(回復記録書込(folder_, g, why)) << why;
    struct stat st {};
    ASSERT_EQ(::stat(folder_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u) << "a new folder is the user's alone";

    const auto back = 回復記録読込(folder_);
    ASSERT_TRUE(back);
    同じ(*back, g);

    // The record part is an ordinary record, as the writer of 書込 makes it.
    棋譜記録 log;
    for (std::size_t i = 0; i < g.手々.size(); ++i) log.手[i + 1] = g.手々[i];
    log.記録終端 = 3;
    EXPECT_EQ(中身(folder_ / 回復棋譜名), 棋譜テキスト(log));
    const 棋譜読込結果 read = 棋譜ファイル読込(folder_ / 回復棋譜名);
    EXPECT_EQ(read.不備, 棋譜不備::なし);
    EXPECT_EQ(read.手々, g.手々);

    // Written again over the old files; no temporary file is left behind.
    回復対局 next = g;
    next.手々.pop_back();
    next.終局 = false;
    ASSERT_TRUE(回復記録書込(folder_, next, why)) << why;
    同じ(*回復記録読込(folder_), next);
    int files = 0;
    for (const auto& e : fs::directory_iterator(folder_)) {
        ++files;
        EXPECT_NE(e.path().filename().string().front(), '.') << e.path();
    }
    EXPECT_EQ(files, 2);

    回復記録消去(folder_);
    EXPECT_FALSE(fs::exists(folder_ / 回復棋譜名));
    EXPECT_FALSE(fs::exists(folder_ / 回復状態名));
    EXPECT_FALSE(回復記録読込(folder_));
}

TEST_F(RecoveryFile, AGameUnderTheStandardRulesKeepsThem) {
    回復対局 g = 対局例();
    g.規則 = ルール::標準;
    std::string why;
    ASSERT_TRUE(回復記録書込(folder_, g, why)) << why;
    同じ(*回復記録読込(folder_), g);
    EXPECT_NE(中身(folder_ / 回復状態名).find("\nrules=standard\n"), std::string::npos);
    EXPECT_TRUE(中身(folder_ / 回復棋譜名).starts_with("標準ルール\r\n\r\n\r\n"));

    // A state without the line is a game under the game's own rules; any
    // other value, or the line twice, is not ours.
    const std::string text = 回復状態テキスト(g);
    const std::size_t at = text.find("rules=standard\n");
    std::string without = text;
    without.erase(at, std::string("rules=standard\n").size());
    ASSERT_TRUE(回復状態解析(without));
    EXPECT_EQ(回復状態解析(without)->規則, ルール::本来);
    std::string other = text;
    other.replace(at, std::string("rules=standard").size(), "rules=original");
    EXPECT_FALSE(回復状態解析(other));
    std::string twice = text;
    twice.insert(at, "rules=standard\n");
    EXPECT_FALSE(回復状態解析(twice));
}

TEST_F(RecoveryFile, ARecordNewerThanItsStateLeavesItsLastEntriesForward) {
    // A crash between the two renames: the record already holds the newest
    // move, the state still describes the position before it.
    回復対局 g = 対局例();  // two entries on the board
    g.手々.pop_back();
    std::string why;
    ASSERT_TRUE(回復記録書込(folder_, g, why));
    ASSERT_TRUE(棋譜ファイル書込(folder_ / 回復棋譜名, 回復棋譜テキスト(対局例().手々), why));
    const auto back = 回復記録読込(folder_);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->手々.size(), 3u);
    EXPECT_EQ(back->記録数, 2) << "the position is the state's; the newest entry waits for 進";
    EXPECT_TRUE(back->盤面 == g.盤面);

    // A record shorter than the state's count (the log was cleared by a reversal).
    ASSERT_TRUE(棋譜ファイル書込(folder_ / 回復棋譜名, 回復棋譜テキスト({}), why));
    EXPECT_EQ(回復記録読込(folder_)->記録数, 0);
}

TEST_F(RecoveryFile, DamagedOrForeignFilesAreNotTaken) {
    std::string why;
    const 回復対局 g = 対局例();
    const std::string good = 回復状態テキスト(g);
    auto with = [&](std::string_view from, std::string_view to) {
        std::string s = good;
        const std::size_t at = s.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        s.replace(at, from.size(), to);
        return s;
    };
    ASSERT_TRUE(回復状態解析(good));
    const std::string cases[] = {
        "",
        "turn=1\n",
        with("turn=1", "turn=5"),
        with("turn=1", "turn=x"),
        with("turn=1", "turn=1 "),
        with("mode=1", "mode=2"),
        with("level=1", "level=9"),
        with("handicap=-2", "handicap=-5"),
        with("current=2", "current=2001"),
        with("saved=1", "saved=2"),
        with("turn=1\n", ""),
        with("turn=1\n", "turn=1\nturn=1\n"),
        with("turn=1\n", "turn=1\ncolour=3\n"),
        with("board\n", ""),
        with("   1\n", "  40\n"),
        good.substr(0, good.size() - 50),
    };
    for (const std::string& text : cases) EXPECT_FALSE(回復状態解析(text)) << text;

    // Both files are needed, and the record must be one.
    ASSERT_TRUE(回復記録書込(folder_, g, why));
    fs::remove(folder_ / 回復棋譜名);
    EXPECT_FALSE(回復記録読込(folder_)) << "no record";
    ASSERT_TRUE(回復記録書込(folder_, g, why));
    std::string binary = "\r\n\r\n\r\n 6 9 6 8 -1 -1  0\r\n";
    binary += '\0';
    std::ofstream(folder_ / 回復棋譜名, std::ios::binary) << binary;
    EXPECT_FALSE(回復記録読込(folder_)) << "not a text file";
    ASSERT_TRUE(回復記録書込(folder_, g, why));
    fs::resize_file(folder_ / 回復状態名, 回復状態上限 + 1);
    EXPECT_FALSE(回復記録読込(folder_)) << "a state file too large to be ours";
    EXPECT_FALSE(回復記録読込(fs::path())) << "no folder";
}

TEST_F(RecoveryFile, EveryLevelOfTheComputerIsKeptAndNoOther) {
    for (int level = 1; level <= 6; ++level) {
        回復対局 g = 対局例();
        g.レベル = level;
        const auto back = 回復状態解析(回復状態テキスト(g));
        ASSERT_TRUE(back) << level;
        EXPECT_EQ(back->レベル, level);
    }
    回復対局 g = 対局例();
    for (const int level : {0, 7}) {
        g.レベル = level;
        EXPECT_FALSE(回復状態解析(回復状態テキスト(g))) << level;
    }
}

TEST_F(RecoveryFile, AFolderThatCannotBeMadeIsReported) {
    fs::create_directories(dir_);
    std::ofstream(dir_ / "data") << "a file where the folder should be";
    std::string why;
    EXPECT_FALSE(回復記録書込(folder_, 対局例(), why));
    EXPECT_FALSE(why.empty());
}

}  // namespace
}  // namespace bexoru
