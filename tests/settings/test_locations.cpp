// Where the program finds its data, which Bexoru.ini it reads and writes, and
// where the record panel opens: each rule with the places given, then a start
// of the program with its settings in the user's folder.

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "play/form1.h"
#include "settings/locations.h"
#include "support/recording_port.h"

namespace bexoru {
namespace {

namespace fs = std::filesystem;

// A disk that holds exactly these paths.
struct Disk {
    std::set<fs::path> paths;
    bool operator()(const fs::path& p) const { return paths.count(p.lexically_normal()) > 0; }
};

TEST(DataFolder, CandidatesAreTheProgramFolderTheRelativeShareAndTheConfiguredOne) {
    EXPECT_EQ(データフォルダ候補("/opt/bx/bin", "../share/bexoru", "/usr/share/bexoru"),
              (std::vector<fs::path>{"/opt/bx/bin", "/opt/bx/share/bexoru", "/usr/share/bexoru"}));
    // The relative way already reaching the configured folder is tried once.
    EXPECT_EQ(データフォルダ候補("/usr/bin", "../share/bexoru", "/usr/share/bexoru"),
              (std::vector<fs::path>{"/usr/bin", "/usr/share/bexoru"}));
    // A program folder that could not be found leaves only the configured folder.
    EXPECT_EQ(データフォルダ候補("", "../share/bexoru", "/usr/share/bexoru"),
              (std::vector<fs::path>{"/usr/share/bexoru"}));
}

TEST(DataFolder, TheFirstFolderWithTheHelpPageOrASoundWins) {
    const std::vector<fs::path> candidates = {"/home/u/build", "/opt/bx/share/bexoru", "/usr/share/bexoru"};
    struct Case {
        const char* name;
        std::set<fs::path> disk;
        fs::path folder;
        bool installed;
    };
    const Case cases[] = {
        {"a built game: data beside the executable",
         {"/home/u/build/Bexoru.htm", "/home/u/build/BGM.wav", "/usr/share/bexoru/Bexoru.htm"},
         "/home/u/build",
         false},
        {"one wave file is enough to mark the folder", {"/home/u/build/禁止.wav"}, "/home/u/build", false},
        {"a moved prefix before the configured one",
         {"/opt/bx/share/bexoru/Bexoru.htm", "/usr/share/bexoru/Bexoru.htm"},
         "/opt/bx/share/bexoru",
         true},
        {"the configured folder", {"/usr/share/bexoru/その他.wav"}, "/usr/share/bexoru", true},
        {"nothing anywhere: the program folder, to name in the notice", {}, "/home/u/build", false},
        {"other files do not count", {"/home/u/build/Bexoru.ini", "/home/u/build/bexoru"}, "/home/u/build", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const データの置き場所 chosen = データフォルダを選ぶ(candidates, Disk{c.disk});
        EXPECT_EQ(chosen.フォルダ, c.folder);
        EXPECT_EQ(chosen.導入済, c.installed);
    }
}

TEST(DataFolder, MissingSoundsAreNamedInLoadingOrderWithTheirFolder) {
    const Disk disk{{"/d/その他.wav", "/d/駒打音.wav"}};
    const std::vector<std::string> missing = 足りない音ファイル("/d", disk);
    EXPECT_EQ(missing, (std::vector<std::string>{"禁止.wav", "BGM.wav"}));
    EXPECT_EQ(音ファイルの知らせ(missing, "/d"), "効果音ファイルが見つかりません: 禁止.wav, BGM.wav (/d)");

    const Disk all{{"/d/その他.wav", "/d/禁止.wav", "/d/駒打音.wav", "/d/BGM.wav"}};
    EXPECT_TRUE(足りない音ファイル("/d", all).empty());
    EXPECT_EQ(音ファイルの知らせ({}, "/d"), "") << "nothing to say when all are there";
}

TEST(SettingsPlace, TheUserFolderFollowsXdgConfigHomeThenHome) {
    EXPECT_EQ(利用者設定フォルダ("/x/cfg", "/home/u"), fs::path("/x/cfg/bexoru"));
    EXPECT_EQ(利用者設定フォルダ(nullptr, "/home/u"), fs::path("/home/u/.config/bexoru"));
    EXPECT_EQ(利用者設定フォルダ("", "/home/u"), fs::path("/home/u/.config/bexoru"));
    EXPECT_EQ(利用者設定フォルダ("relative/cfg", "/home/u"), fs::path("/home/u/.config/bexoru"))
        << "a relative XDG_CONFIG_HOME is ignored";
    EXPECT_EQ(利用者設定フォルダ(nullptr, nullptr), fs::path());
    EXPECT_EQ(利用者設定フォルダ(nullptr, "relative"), fs::path());
}

TEST(SettingsPlace, TheUsersFileWinsThenTheStartFoldersIsReadIntoIt) {
    const fs::path user = "/home/u/.config/bexoru";
    const fs::path start = "/usr/share/bexoru";
    struct Case {
        const char* name;
        std::set<fs::path> disk;
        fs::path read, write;
    };
    const Case cases[] = {
        {"both: the user's, where the toggles went",
         {user / "Bexoru.ini", start / "Bexoru.ini"},
         user / "Bexoru.ini",
         user / "Bexoru.ini"},
        {"only the user's", {user / "Bexoru.ini"}, user / "Bexoru.ini", user / "Bexoru.ini"},
        {"only the start folder's: read there, kept in the user's",
         {start / "Bexoru.ini"},
         start / "Bexoru.ini",
         user / "Bexoru.ini"},
        {"none: the user's, made with the defaults", {}, user / "Bexoru.ini", user / "Bexoru.ini"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const 環境設定の置き場所 chosen = 環境設定ファイルを選ぶ(user, start, Disk{c.disk});
        EXPECT_EQ(chosen.読む, c.read);
        EXPECT_EQ(chosen.書く, c.write);
    }
    // No home at all: the start folder's file, as the original layout had it.
    const 環境設定の置き場所 homeless = 環境設定ファイルを選ぶ({}, start, Disk{});
    EXPECT_EQ(homeless.読む, start / "Bexoru.ini");
    EXPECT_EQ(homeless.書く, start / "Bexoru.ini");
}

TEST(RecordFolder, ABuiltGameKeepsItsFolderAnInstalledOneOffersDocumentsThenHome) {
    const fs::path docs = "/home/u/Documents", home = "/home/u";
    const データの置き場所 built{"/home/u/build", false};
    const データの置き場所 installed{"/usr/share/bexoru", true};
    struct Case {
        const char* name;
        データの置き場所 data;
        std::set<fs::path> writable;
        fs::path folder;
    };
    const Case cases[] = {
        {"built, writable", built, {"/home/u/build", docs, home}, "/home/u/build"},
        {"built, read-only", built, {docs, home}, docs},
        {"installed, even if its folder were writable", installed, {"/usr/share/bexoru", docs, home}, docs},
        {"installed, no documents folder", installed, {home}, home},
        {"nothing writable: the start folder still", installed, {}, "/usr/share/bexoru"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(棋譜フォルダを選ぶ(c.data, docs, home, Disk{c.writable}), c.folder);
    }
    EXPECT_EQ(棋譜フォルダを選ぶ(installed, {}, home, Disk{{home}}), home) << "no documents folder known";
}

// A start with the settings in the user's folder, which does not exist yet,
// and a Bexoru.ini in the start folder.
class UserSettings : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("bexoru_locations_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "share");
        std::ofstream(root_ / "share" / "BGM.wav") << "RIFFmusic";
    }
    // Chooses the files as the program does at start, from what is on disk, and loads.
    void start() {
        form.起動フォルダ = root_ / "share";
        form.環境設定ファイル = 環境設定ファイルを選ぶ(root_ / "config" / "bexoru", root_ / "share", Disk{existing()});
        form.Form_Load();
    }
    void TearDown() override { fs::remove_all(root_); }
    std::set<fs::path> existing() const {
        std::set<fs::path> s;
        for (const auto& e : fs::recursive_directory_iterator(root_)) s.insert(e.path().lexically_normal());
        return s;
    }
    static std::string read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path root_;
    test::RecordingPort port;
    test::FakeSound sound;
    test::FakeClock clock;
    Form1 form{port, sound, clock};
};

TEST_F(UserSettings, TheStartFoldersFileIsReadAndCopiedToTheUsersNeverWritten) {
    const std::string shipped = "移動指導=ON\r\nBGM=OFF\r\n";
    std::ofstream(root_ / "share" / "Bexoru.ini", std::ios::binary) << shipped;
    start();

    EXPECT_TRUE(port.isMenuChecked("SIDOU"));
    EXPECT_FALSE(port.isMenuChecked("BGM"));
    const fs::path user = root_ / "config" / "bexoru" / "Bexoru.ini";
    EXPECT_EQ(read(user), shipped + "COMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\n") << "the user's file is made, folder and all";

    form.BGM_Click();
    EXPECT_EQ(read(user), "移動指導=ON\r\nBGM=ON\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\n");
    EXPECT_EQ(read(root_ / "share" / "Bexoru.ini"), shipped) << "the start folder's file is left alone";
}

TEST_F(UserSettings, WithoutAnyFileTheDefaultsAreWrittenToTheUsersFolder) {
    start();
    EXPECT_EQ(read(root_ / "config" / "bexoru" / "Bexoru.ini"), "移動指導=OFF\r\nBGM=ON\r\nCOMレベル=3\r\n棋譜一覧=ON\r\n補助表示=ON\r\n");
    EXPECT_FALSE(fs::exists(root_ / "share" / "Bexoru.ini"));
    EXPECT_TRUE(port.isMenuChecked("BGM"));
}

}  // namespace
}  // namespace bexoru
