#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "play/form1.h"
#include "board/starting_position.h"
#include "support/recording_port.h"

namespace bexoru {
namespace {

namespace fs = std::filesystem;

// Runs each test in a scratch folder that the program treats as its start folder.
class FormLoad : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = fs::current_path();
        dir_ = fs::temp_directory_path() / ("bexoru_formload_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    void writeFile(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }

    test::RecordingPort port;
    test::FakeSound sound;
    test::FakeClock clock;
    fs::path old_, dir_;
};

TEST_F(FormLoad, StartValuesAndStartingPosition) {
    Form1 form(port, sound, clock);
    form.Form_Load();

    盤面型 start;
    初期配置(start);
    EXPECT_EQ(form.盤面, start);
    EXPECT_EQ(form.状態.手番, 未対局);
    EXPECT_EQ(form.状態.レベル, 3);
    EXPECT_EQ(form.状態.二手目状態, 二手目状態型::一手目);
    EXPECT_FALSE(form.状態.再開確認);
    EXPECT_EQ(form.状態.手数, 0);
    EXPECT_FALSE(form.状態.再生中);
    EXPECT_EQ(form.状態.移動ヘルプ, 移動ヘルプ型::切);
    EXPECT_EQ(form.状態.クリック段階, クリック段階型::駒選択);
    EXPECT_EQ(form.記録.記録数, 0);
    EXPECT_EQ(form.記録.記録終端, 0);
    EXPECT_EQ(form.記録.手[0].成駒, 1);
    EXPECT_EQ(form.表示.背景色, 2);
    EXPECT_EQ(form.表示.桝輪郭色, 2);
    EXPECT_EQ(form.表示.盤色, 2);
    EXPECT_EQ(form.表示.選択色, 12);
    EXPECT_EQ(form.表示.文字色, 15);
    EXPECT_EQ(form.表示.結果表示X_COM, 15.6);
    EXPECT_EQ(form.表示.結果表示Y_COM, 5);
    EXPECT_EQ(form.表示.結果表示Y_MAN, 6);
    EXPECT_EQ(form.起動フォルダ, fs::current_path());

    EXPECT_TRUE(port.isMenuChecked("LEVEL3"));
    EXPECT_FALSE(port.isMenuChecked("LEVEL1"));
    EXPECT_FALSE(port.isMenuChecked("SIDOU"));
    ASSERT_FALSE(port.of(test::Call::BackColor).empty());
    EXPECT_EQ(port.of(test::Call::BackColor).front().colour, 2);
    EXPECT_TRUE(port.messages().empty());
}

TEST_F(FormLoad, LoadsTheFourSoundsInOrderWithTheirModes) {
    writeFile("その他.wav", "RIFFother");
    writeFile("禁止.wav", "RIFFrefuse");
    writeFile("駒打音.wav", "RIFFclack");
    writeFile("BGM.wav", "RIFFmusic");
    Form1 form(port, sound, clock);
    form.Form_Load();

    // Then the settings reader starts the music (no settings file: music on).
    const std::vector<std::string> expected = {
        "dsInitialize",     "dsCreateDSB(1,3)", "dsCreateDSB(1,3)",
        "dsCreateDSB(1,3)", "dsCreateDSB(1,1)", "dsPlayLooping(" + std::to_string(form.音.音_BGM) + ")"};
    EXPECT_EQ(sound.calls, expected);
    ASSERT_NE(form.音.音_その他, 0);
    EXPECT_EQ(sound.created[form.音.音_その他].size, 9u);
    EXPECT_EQ(sound.created[form.音.音_禁止].size, 10u);
    EXPECT_EQ(sound.created[form.音.音_駒打].size, 9u);
    EXPECT_EQ(sound.created[form.音.音_BGM].flags, 1);
}

TEST_F(FormLoad, MissingSoundFilesGiveSilentHandles) {
    writeFile("禁止.wav", "RIFFrefuse");
    Form1 form(port, sound, clock);
    form.Form_Load();
    EXPECT_EQ(form.音.音_その他, 0);
    EXPECT_NE(form.音.音_禁止, 0);
    EXPECT_EQ(form.音.音_駒打, 0);
    EXPECT_EQ(form.音.音_BGM, 0);
    EXPECT_TRUE(port.messages().empty()) << "a missing file is not worth a message";
}

TEST_F(FormLoad, NoSoundDeviceWarnsOnceAndNeverCreatesASound) {
    writeFile("禁止.wav", "RIFFrefuse");
    sound.device = 0;
    Form1 form(port, sound, clock);
    form.Form_Load();
    const std::vector<std::string> warning = {"Bexoru.dll|Direct Soundインターフェースが作成できません。"};
    EXPECT_EQ(port.messages(), warning);
    EXPECT_TRUE(port.of(test::Call::Message).front().flag) << "the warning carries the exclamation icon";
    // The music is asked for on the silent handle 0, which plays nothing.
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"dsInitialize", "dsPlayLooping(0)"}));
    EXPECT_EQ(form.音.音_禁止, 0);
}

TEST_F(FormLoad, EndFreesTheSoundsInOrderThenTheDevice) {
    for (const char* f : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"}) writeFile(f, "RIFF");
    Form1 form(port, sound, clock);
    form.Form_Load();
    const auto other = form.音.音_その他, refuse = form.音.音_禁止, clack = form.音.音_駒打, bgm = form.音.音_BGM;
    sound.calls.clear();
    form.Form_KeyPress(キー_Escape);
    const std::vector<std::string> expected = {
        "dsFree(" + std::to_string(other) + ")", "dsFree(" + std::to_string(refuse) + ")",
        "dsFree(" + std::to_string(clack) + ")", "dsFree(" + std::to_string(bgm) + ")", "dsTerminate(1)"};
    EXPECT_EQ(sound.calls, expected);
    EXPECT_TRUE(port.quitCalled());

    // Closing the window afterwards must not free anything twice.
    sound.calls.clear();
    form.Form_Unload();
    for (const std::string& c : sound.calls) EXPECT_TRUE(c == "dsFree(0)") << c;
}

TEST_F(FormLoad, OtherKeysAreIgnored) {
    Form1 form(port, sound, clock);
    form.Form_Load();
    port.clear();
    form.Form_KeyPress('a');
    form.Form_KeyPress(13);
    EXPECT_FALSE(port.quitCalled());
}

}  // namespace
}  // namespace bexoru
