// The settings file Bexoru.ini: what a start makes of each kind of file, what
// the two toggles and the level commands write, and that no bad file or
// failed write costs the player's settings.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "play/form1.h"
#include "settings/settings_file.h"
#include "support/recording_port.h"

namespace bexoru {
namespace {

namespace fs = std::filesystem;
using test::FakeClock;
using test::FakeSound;
using test::RecordingPort;

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = fs::current_path();
        dir_ = fs::temp_directory_path() / ("bexoru_settings_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
        std::ofstream(dir_ / "BGM.wav") << "RIFFmusic";
    }
    void TearDown() override {
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    void write(const std::string& bytes) { std::ofstream(dir_ / "Bexoru.ini", std::ios::binary) << bytes; }
    std::string read() const {
        std::ifstream in(dir_ / "Bexoru.ini", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Files in the start folder besides the music: a failed write leaves no temporary file.
    std::vector<std::string> files() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir_))
            if (e.path().filename() != "BGM.wav") out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
    bool looping(const FakeSound& s, const Form1& f) const {
        return std::count(s.calls.begin(), s.calls.end(), "dsPlayLooping(" + std::to_string(f.音.音_BGM) + ")") > 0;
    }

    fs::path old_, dir_;
};

TEST_F(SettingsFile, StartReadsWhatTheFileSays) {
    const std::string 既定 = "移動指導=OFF\r\nBGM=ON\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\n";
    struct Case {
        const char* name;
        const char* content;  // nullptr: no file
        bool 指導, BGM;
        std::string afterwards;  // the file after the start
    };
    const Case cases[] = {
        {"no file: created with the defaults", nullptr, false, true, 既定},
        {"both on and off", "移動指導=ON\r\nBGM=OFF\r\n", true, false, ""},
        {"values are exact: lower case and spaces are off", "移動指導=on\r\nBGM=ON \r\n", false, false, ""},
        {"written by the Windows program in Shift-JIS", "\x88\xda\x93\xae\x8e\x77\x93\xb1=ON\r\nBGM=OFF\r\n", true,
         false, ""},
        {"a UTF-8 mark, LF ends and no last line end", "\xef\xbb\xbf移動指導=ON\nBGM=ON", true, true, ""},
        {"a key twice: the later line wins", "BGM=OFF\r\n移動指導=ON\r\nBGM=ON\r\n", true, true, ""},
        {"stray lines are passed over, the settings kept",
         "\r\n[Bexoru]\r\n移動指導=ON\r\nColour=red\r\n=\r\nBGM=OFF\r\n\r\n", true, false, ""},
        {"an option the file does not name is off: no BGM line, no music", "移動指導=ON\r\n", true, false, ""},
        {"a file naming neither option", "# nothing here\r\n", false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(dir_ / "Bexoru.ini");
        if (c.content) write(c.content);
        RecordingPort port;
        FakeSound sound;
        FakeClock clock;
        Form1 form(port, sound, clock);
        form.Form_Load();

        EXPECT_EQ(port.isMenuChecked("SIDOU"), c.指導);
        EXPECT_EQ(form.表示.盤色, c.指導 ? form.表示.文字色 : form.表示.盤色初期値);
        EXPECT_EQ(port.isMenuChecked("BGM"), c.BGM);
        EXPECT_EQ(looping(sound, form), c.BGM);
        EXPECT_EQ(read(), c.content ? std::string(c.content) : c.afterwards)
            << "a file that was there is never rewritten";
        EXPECT_TRUE(port.messages().empty());
    }
}

TEST_F(SettingsFile, TogglesWriteAtOnceAndTheNextStartFollows) {
    {
        RecordingPort port;
        FakeSound sound;
        FakeClock clock;
        Form1 form(port, sound, clock);
        form.Form_Load();
        sound.calls.clear();

        form.BGM_Click();
        EXPECT_FALSE(port.isMenuChecked("BGM"));
        EXPECT_EQ(sound.calls, std::vector<std::string>{"dsStop(" + std::to_string(form.音.音_BGM) + ")"});
        EXPECT_EQ(read(), "移動指導=OFF\r\nBGM=OFF\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\n");

        form.SIDOU_Click();
        EXPECT_EQ(read(), "移動指導=ON\r\nBGM=OFF\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\n");
        EXPECT_EQ(files(), std::vector<std::string>{"Bexoru.ini"}) << "no temporary file left behind";
    }
    RecordingPort port;
    FakeSound sound;
    FakeClock clock;
    Form1 form(port, sound, clock);
    form.Form_Load();
    EXPECT_TRUE(port.isMenuChecked("SIDOU"));
    EXPECT_FALSE(port.isMenuChecked("BGM"));
    EXPECT_FALSE(looping(sound, form)) << "the next start stays silent";

    form.BGM_Click();
    EXPECT_TRUE(port.isMenuChecked("BGM"));
    EXPECT_TRUE(looping(sound, form));
    EXPECT_EQ(read(), "移動指導=ON\r\nBGM=ON\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\n");
}

TEST_F(SettingsFile, AFileThatCannotBeReadOrWrittenCostsNothing) {
    // Bexoru.ini is a folder here: it can be neither read nor replaced.
    fs::create_directory(dir_ / "Bexoru.ini");
    RecordingPort port;
    FakeSound sound;
    FakeClock clock;
    Form1 form(port, sound, clock);
    form.Form_Load();
    EXPECT_FALSE(port.isMenuChecked("SIDOU")) << "the defaults hold for this run";
    EXPECT_TRUE(port.isMenuChecked("BGM"));

    form.SIDOU_Click();
    form.BGM_Click();
    EXPECT_TRUE(port.isMenuChecked("SIDOU")) << "a failed write keeps the player's choice";
    EXPECT_EQ(form.表示.盤色, form.表示.文字色);
    EXPECT_FALSE(port.isMenuChecked("BGM"));
    EXPECT_TRUE(fs::is_directory(dir_ / "Bexoru.ini"));
    EXPECT_EQ(files(), std::vector<std::string>{"Bexoru.ini"}) << "no temporary file left behind";
    EXPECT_TRUE(port.messages().empty());
}

TEST_F(SettingsFile, TheTemporaryFileIsNewAndFollowsNoPlantedLink) {
    // A link planted where a temporary file of a foreseeable name would go
    // (this process's id) must not lead the write into another file.
    const fs::path victim = dir_ / "victim.txt";
    std::ofstream(victim, std::ios::binary) << "precious";
    const fs::path planted = dir_ / ("Bexoru.ini.tmp" + std::to_string(::getpid()));
    fs::create_symlink(victim, planted);

    ASSERT_TRUE(環境設定を書く(dir_ / "Bexoru.ini", 環境設定{true, false}));
    std::ifstream in(victim, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "precious");
    EXPECT_TRUE(fs::is_symlink(planted)) << "the planted link is left alone";
    EXPECT_FALSE(fs::is_symlink(dir_ / "Bexoru.ini"));
    EXPECT_EQ(read(), "移動指導=ON\r\nBGM=OFF\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\n");
    EXPECT_EQ(files(), (std::vector<std::string>{"Bexoru.ini", planted.filename().string(), "victim.txt"}))
        << "no temporary file left behind";
}

TEST_F(SettingsFile, TheNewFileKeepsTheModeOfTheOldOne) {
    const fs::path file = dir_ / "Bexoru.ini";
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(環境設定を書く(file, 環境設定{}));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0644)) << "a new file as the umask makes it";
    fs::permissions(file, fs::perms(0640));
    ASSERT_TRUE(環境設定を書く(file, 環境設定{true, true}));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640)) << "a replaced file keeps its mode";
    ::umask(mask);
}

TEST_F(SettingsFile, WriteAndReadRoundTrip) {
    for (const 環境設定 設定 :
         {環境設定{false, false}, 環境設定{false, true}, 環境設定{true, false}, 環境設定{true, true}}) {
        ASSERT_TRUE(環境設定を書く(dir_ / "Bexoru.ini", 設定));
        const 環境設定読込結果 結果 = 環境設定を読む(dir_ / "Bexoru.ini");
        EXPECT_TRUE(結果.読込成功);
        EXPECT_EQ(結果.設定, 設定);
    }
    EXPECT_FALSE(環境設定を書く(dir_ / "no such folder" / "Bexoru.ini", 環境設定{}));
}

TEST_F(SettingsFile, TheLevelIsReadAndAnythingButOneToSixMeansLevelThree) {
    struct Case {
        const char* content;
        int level;
    };
    const Case cases[] = {
        {"移動指導=OFF\r\nBGM=ON\r\n", 3},  // written before the searching levels
        {"移動指導=OFF\r\nBGM=ON\r\nCOMレベル=5\r\n", 5},
        {"COMレベル=1\r\n", 1},
        {"COMレベル=6", 6},
        {"COMレベル=4\r\nCOMレベル=2\r\n", 2},
        {"COMレベル=7\r\n", 3},
        {"COMレベル=0\r\n", 3},
        {"COMレベル=\r\n", 3},
        {"COMレベル=05\r\n", 3},
        {"COMレベル= 4\r\n", 3},
        {"COMレベル=4 \r\n", 3},
        {"COMレベル=-4\r\n", 3},
        {"COMレベル=LEVEL4\r\n", 3},
        {"comレベル=4\r\n", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        write(c.content);
        EXPECT_EQ(環境設定を解釈(c.content).COMレベル, c.level);
        RecordingPort port;
        FakeSound sound;
        FakeClock clock;
        Form1 form(port, sound, clock);
        form.Form_Load();
        EXPECT_EQ(form.状態.レベル, c.level);
        for (int i = 1; i <= 6; ++i) EXPECT_EQ(port.isMenuChecked("LEVEL" + std::to_string(i)), i == c.level) << i;
        const auto texts = port.texts();
        EXPECT_EQ(std::count(texts.begin(), texts.end(), "LEVEL"), 0)
            << "the level is shown when a game against the computer starts, not at start";
        EXPECT_EQ(read(), c.content) << "reading never rewrites the file";
    }
}

TEST_F(SettingsFile, TheTimeControlIsReadOnlyWhenSoundAndWrittenOnlyWhenChosen) {
    struct Case {
        const char* content;
        int main, byoyomi;
    };
    const Case cases[] = {
        {"移動指導=OFF\r\nBGM=ON\r\nCOMレベル=3\r\n", 0, 0},
        {"持ち時間=600+30\r\n", 600, 30},
        {"持ち時間=0+30", 0, 30},
        {"持ち時間=36000+3600\r\n", 36000, 3600},
        {"持ち時間=600+30\r\n持ち時間=1800+60\r\n", 1800, 60},
        {"持ち時間=36001+30\r\n", 0, 0},
        {"持ち時間=600+3601\r\n", 0, 0},
        {"持ち時間=600\r\n", 0, 0},
        {"持ち時間=600+\r\n", 0, 0},
        {"持ち時間=+30\r\n", 0, 0},
        {"持ち時間=-600+30\r\n", 0, 0},
        {"持ち時間=600+30+5\r\n", 0, 0},
        {"持ち時間= 600+30\r\n", 0, 0},
        {"持ち時間=99999999999+30\r\n", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        const 環境設定 設定 = 環境設定を解釈(c.content);
        EXPECT_EQ(設定.持ち時間, c.main);
        EXPECT_EQ(設定.秒読み, c.byoyomi);
    }
    環境設定 設定;
    EXPECT_EQ(環境設定の文(設定).find("持ち時間"), std::string::npos) << "no line without a time control";
    設定.持ち時間 = 600;
    設定.秒読み = 30;
    EXPECT_EQ(環境設定の文(設定), "移動指導=OFF\r\nBGM=ON\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\n持ち時間=600+30\r\n");
    EXPECT_EQ(環境設定を解釈(環境設定の文(設定)), 設定);
}

TEST_F(SettingsFile, AChosenLevelIsWrittenAtOnceAndTheNextStartFollows) {
    {
        RecordingPort port;
        FakeSound sound;
        FakeClock clock;
        Form1 form(port, sound, clock);
        form.Form_Load();
        form.LEVEL5_Click();
        EXPECT_EQ(read(), "移動指導=OFF\r\nBGM=ON\r\nCOMレベル=5\r\n棋譜一覧=ON\r\n補助表示=ON\r\n");
        form.BGM_Click();
        EXPECT_EQ(read(), "移動指導=OFF\r\nBGM=OFF\r\nCOMレベル=5\r\n棋譜一覧=ON\r\n補助表示=ON\r\n") << "the options keep the level";
        form.LEVEL2_Click();
        EXPECT_EQ(read(), "移動指導=OFF\r\nBGM=OFF\r\nCOMレベル=2\r\n棋譜一覧=ON\r\n補助表示=ON\r\n");
        // The level already checked: nothing happens, nothing is written.
        write("移動指導=OFF\r\nBGM=OFF\r\n");
        form.LEVEL2_Click();
        EXPECT_EQ(read(), "移動指導=OFF\r\nBGM=OFF\r\n");
        form.LEVEL6_Click();
    }
    RecordingPort port;
    FakeSound sound;
    FakeClock clock;
    Form1 form(port, sound, clock);
    form.Form_Load();
    EXPECT_EQ(form.状態.レベル, 6);
    EXPECT_TRUE(port.isMenuChecked("LEVEL6"));
    EXPECT_FALSE(port.isMenuChecked("LEVEL3"));
}

TEST_F(SettingsFile, EveryLevelRoundTrips) {
    for (int level = 1; level <= 6; ++level) {
        const 環境設定 設定{.移動指導 = level % 2 == 0, .BGM = level > 3, .COMレベル = level};
        EXPECT_EQ(環境設定の文(設定), std::string("移動指導=") + (level % 2 == 0 ? "ON" : "OFF") + "\r\nBGM=" +
                                         (level > 3 ? "ON" : "OFF") + "\r\nCOMレベル=" + std::to_string(level) +
                                         "\r\n棋譜一覧=ON\r\n補助表示=ON\r\n");
        ASSERT_TRUE(環境設定を書く(dir_ / "Bexoru.ini", 設定));
        EXPECT_EQ(環境設定を読む(dir_ / "Bexoru.ini").設定, 設定) << level;
    }
}

// The move list and the player's aids came later than the other options:
// a file that does not name them, or names them in any other way than
// "OFF", keeps them shown.
TEST(SettingsText, TheListAndTheAidsAreOnUnlessTheFileSaysOff) {
    struct Case {
        const char* content;
        bool 一覧, 補助;
    };
    const Case cases[] = {
        {"移動指導=OFF\r\nBGM=ON\r\nCOMレベル=3\r\n", true, true},
        {"棋譜一覧=OFF\r\n", false, true},
        {"補助表示=OFF\r\n", true, false},
        {"棋譜一覧=OFF\r\n補助表示=OFF\r\n棋譜一覧=ON\r\n", true, false},
        {"棋譜一覧=off\r\n補助表示=OFF \r\n", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        const 環境設定 設定 = 環境設定を解釈(c.content);
        EXPECT_EQ(設定.棋譜一覧, c.一覧);
        EXPECT_EQ(設定.補助表示, c.補助);
        EXPECT_EQ(環境設定を解釈(環境設定の文(設定)), 設定);
    }
}

// The English choice: the line is written only while it is on, so the file
// of a player who never chose it stays as it always was.
TEST_F(SettingsFile, EnglishIsRememberedAndOnlyNamedWhileOn) {
    EXPECT_EQ(環境設定の文({}), "移動指導=OFF\r\nBGM=ON\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\n");
    EXPECT_EQ(環境設定の文({.英語 = true}),
              "移動指導=OFF\r\nBGM=ON\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\nEnglish=ON\r\n");
    EXPECT_TRUE(環境設定を解釈("English=ON\r\n").英語);
    EXPECT_FALSE(環境設定を解釈("English=OFF\r\n").英語);
    EXPECT_FALSE(環境設定を解釈("BGM=ON\r\n").英語);
    {
        RecordingPort port;
        FakeSound sound;
        FakeClock clock;
        Form1 form(port, sound, clock);
        form.Form_Load();
        EXPECT_FALSE(port.isMenuChecked("ENGLISH"));
        EXPECT_FALSE(port.english) << "Japanese unless chosen";

        form.ENGLISH_Click();
        EXPECT_TRUE(port.isMenuChecked("ENGLISH"));
        EXPECT_TRUE(port.english) << "the window switches at once";
        EXPECT_EQ(read(), "移動指導=OFF\r\nBGM=ON\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\nEnglish=ON\r\n");
    }
    {
        RecordingPort port;
        FakeSound sound;
        FakeClock clock;
        Form1 form(port, sound, clock);
        form.Form_Load();
        EXPECT_TRUE(port.isMenuChecked("ENGLISH")) << "the next start follows";
        EXPECT_TRUE(port.english);

        form.ENGLISH_Click();
        EXPECT_FALSE(port.isMenuChecked("ENGLISH"));
        EXPECT_FALSE(port.english) << "switching back is as immediate";
        EXPECT_EQ(read(), "移動指導=OFF\r\nBGM=ON\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\n");
    }
}

}  // namespace
}  // namespace bexoru
