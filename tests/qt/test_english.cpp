// The window's English: how a text is taken apart to be found, that every
// text the game shows has an English text, and that switching back gives the
// exact Japanese. The play and record tests are built into this program as
// well: once they have run, every text they made the game show is looked up,
// and a text without English is named.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>
#include <algorithm>
#include <filesystem>

#include "board/piece.h"
#include "play/form1.h"
#include "qt/canvas.h"
#include "qt/english.h"
#include "qt/main_window.h"
#include "qt/record_panel.h"
#include "qt/translations.h"
#include "support/recording_port.h"
#include "support/modal_guard.h"

namespace bexoru::qt {
namespace {

QString q(const char* s) {
    return QString::fromUtf8(s);
}

// The Japanese texts of the catalogue.
QStringList catalogueSources() {
    QFile file(QStringLiteral(BEXORU_ENGLISH_TS));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << BEXORU_ENGLISH_TS;
    QXmlStreamReader xml(&file);
    QStringList sources;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("source"))
            sources << xml.readElementText();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return sources;
}

TEST(English, TextsAreFoundWholeOrByTheirParts) {
    English english;
    ASSERT_TRUE(english.available()) << "the catalogue is built into the window";
    struct Case {
        const char* japanese;
        const char* english;
    };
    const Case cases[] = {
        {"対局", "Game"},
        {"六", "f"},                          // a row numeral beside the board
        {"獅", "Ln"},                         // a piece alone: the side panel's label
        {"７六獅→８五", "Lion 7f→8e"},        // both squares of a double move
        {"10三龍", "Dragon King 10c"},        // a two-digit file
        {"１十二", "1l"},                     // the last rank is not rank ten
        {"   ** 王手 **", "   ** Check **"},  // spaces around stay
        {"棋譜ﾌｧｲﾙの12行目が読めません", "Line 12 of the record file cannot be read"},
        {"棋譜ﾌｧｲﾙの3行目: 指せない手です", "Record file, line 3: the move is not legal"},
        {"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級", "Handicap: 11 kyu"},
        {"読み込めません: unexpected end of file", "Cannot read: unexpected end of file"},
        {"PGN (*.pgn);;すべてのﾌｧｲﾙ (*)", "PGN (*.pgn);;All files (*)"},
        {"棋譜を書き出しました\n(二手目を止めた手 2 手は一手として書きました)",
         "The game has been written\n(2 moves whose second step was declined were written as single moves)"},
        {"相手の獅子に足があります\r\n獅子を獅子で取れません",
         "The opposing Lion is defended\r\na Lion cannot take it"},
        {"12 ７六獅→８五", "12 Lion 7f→8e"},                                              // a line of the move list
        {"LEVEL3", "LEVEL3"},                                                             // nothing Japanese in it
        {"ファイルを読み込めません: その他.wav", "the file cannot be read: その他.wav"},  // a file's name stays
        {" ", " "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.japanese);
        const std::optional<QString> got = english.translate(q(c.japanese));
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(got->toStdString(), c.english);
    }
    // Where room is short a piece beside a square has its short name.
    EXPECT_EQ(english.translate(q("10三龍"), nullptr, English::Names::Short)->toStdString(), "DK 10c");
    // Every piece of the table has both names.
    for (駒コード c = 1; c <= 最大駒コード; ++c) {
        const QString square =
            q("７六") + QString::fromUtf8(駒ラベル(c).data(), static_cast<qsizetype>(駒ラベル(c).size()));
        EXPECT_TRUE(english.translate(square)) << square.toStdString();
        EXPECT_TRUE(english.translate(square, nullptr, English::Names::Short)) << square.toStdString();
    }
}

TEST(English, APartWithoutEnglishIsNamedAndShownAsItIs) {
    English english;
    QStringList missing;
    EXPECT_FALSE(english.translate(q("棋譜ﾌｧｲﾙの3行目: 見知らぬ理由"), &missing));
    EXPECT_EQ(missing, QStringList{q("見知らぬ理由")});
    EXPECT_FALSE(english.translate(q("７六象?"), &missing)) << "not a square with a piece";
    english.setOn(true);
    EXPECT_EQ(english.show(q("棋譜ﾌｧｲﾙの3行目: 見知らぬ理由")).toStdString(), "Record file, line 3: 見知らぬ理由");
    english.setOn(false);
}

TEST(English, OffEveryTextIsTheJapaneseItself) {
    English english;
    const QStringList sources = catalogueSources();
    ASSERT_GT(sources.size(), 100);
    for (const bool on : {false, true, false}) {
        english.setOn(on);
        for (const QString& s : sources)
            if (on)
                EXPECT_NE(english.show(s), s) << s.toStdString();
            else
                EXPECT_EQ(english.show(s), s) << s.toStdString();
    }
}

// Qt's own buttons follow the language, and come back in Japanese.
TEST(English, StandardButtonsFollowTheLanguage) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ja.qm"))
        GTEST_SKIP() << "qtbase_ja.qm is not installed";
    loadQtJapanese(*QCoreApplication::instance());
    English english;
    auto yes = [] {
        QMessageBox box(QMessageBox::Question, "t", "?", QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text();
    };
    const QString japanese = yes();
    EXPECT_TRUE(japanese.startsWith(q("はい"))) << japanese.toStdString();
    english.setOn(true);
    EXPECT_EQ(yes(), QStringLiteral("&Yes"));
    english.setOn(false);
    EXPECT_EQ(yes(), japanese);
}

// Every Japanese string in the program's sources is a catalogue text or a
// part of one (a text built from parts, "棋譜ﾌｧｲﾙの" + n + "行目..."). A new
// text without English fails here, named with its file.
TEST(English, EveryJapaneseTextInTheSourcesHasEnglish) {
    English english;
    QStringList pieces;  // the catalogue's texts cut at their numbers
    for (const QString& s : catalogueSources())
        pieces << s.split(QRegularExpression(QStringLiteral("%[0-9]+")), Qt::SkipEmptyParts);
    // Texts that are names, never shown as words: sound files, the record
    // files' suffix, the settings file's keys.
    const QStringList names = {q("その他.wav"), q("禁止.wav"), q("駒打音.wav"), q("*.棋譜"), q(".棋譜")};

    const QDir root(QStringLiteral(BEXORU_SOURCE_DIR));
    QStringList files;
    // The board's kanji pieces (pictures.cpp) and the fonts' names (fonts.cpp) stay as they are.
    for (const char* folder : {"src/play", "src/qt"})
        for (QDirIterator it(root.filePath(folder), {"*.cpp", "*.h"}, QDir::Files); it.hasNext();)
            if (const QString f = it.next(); !f.endsWith("/pictures.cpp") && !f.endsWith("/fonts.cpp")) files << f;
    for (const char* file : {"src/records/record_name.cpp", "src/settings/locations.cpp",
                             "src/rules/lion_capture_rules.h", "src/rules/move_logging.h"})
        files << root.filePath(file);

    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    int seen = 0;
    for (const QString& path : files) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        int lineNumber = 0;
        for (QString line : QString::fromUtf8(f.readAll()).split('\n')) {
            ++lineNumber;
            if (line.trimmed().startsWith(QStringLiteral("//"))) continue;
            // A comment after the code, where no string is open.
            for (qsizetype at = line.indexOf(QStringLiteral(" // ")); at >= 0; at = line.indexOf(" // ", at + 1))
                if (line.left(at).count('"') % 2 == 0) {
                    line.truncate(at);
                    break;
                }
            for (auto it = literal.globalMatch(line); it.hasNext();) {
                QString text = it.next().captured(1);
                text.replace(QStringLiteral("\\n"), QStringLiteral("\n"))
                    .replace(QStringLiteral("\\r"), QStringLiteral("\r"));
                if (!hasJapanese(text) || names.contains(text)) continue;
                ++seen;
                if (english.translate(text)) continue;
                // A part is found without the joint that links it to the next.
                QString bare = text.trimmed();
                while (bare.endsWith(':')) bare = bare.chopped(1).trimmed();
                const bool part =
                    std::any_of(pieces.begin(), pieces.end(), [&](const QString& p) { return p.contains(bare); });
                EXPECT_TRUE(part) << "no English for \"" << text.toStdString() << "\" ("
                                  << root.relativeFilePath(path).toStdString() << ":" << lineNumber
                                  << "): add it to src/qt/bexoru_en.ts";
            }
        }
    }
    EXPECT_GT(seen, 150) << "the sources were read";
}

// The window: menus at once, texts from now on, and back to the exact Japanese.
TEST(EnglishWindow, MenusAndTextsSwitchAndComeBackExactly) {
    QTemporaryDir dir;
    const std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(dir.path().toStdString());
    {
        MainWindow window;
        test::FakeSound sound;
        test::FakeClock clock;
        Form1 form(window, sound, clock);
        window.attach(&form);
        form.Form_Load();

        QList<QAction*> actions = window.findChildren<QAction*>();
        QHash<QAction*, QString> japanese;
        for (QAction* a : actions)
            if (!a->text().isEmpty()) japanese.insert(a, a->text());
        ASSERT_TRUE(window.menuAction("ENGLISH"));
        EXPECT_EQ(window.menuAction("ENGLISH")->text(), QStringLiteral("English"));
        EXPECT_TRUE(window.menuAction("ENGLISH")->isCheckable());
        const QString label = window.recordPanel()->widget(PanelControl::Label1)->property("text").toString();

        window.menuAction("ENGLISH")->trigger();
        EXPECT_TRUE(window.menuAction("ENGLISH")->isChecked());
        for (auto it = japanese.cbegin(); it != japanese.cend(); ++it)
            EXPECT_FALSE(hasJapanese(it.key()->text()))
                << it.value().toStdString() << " → " << it.key()->text().toStdString();
        EXPECT_EQ(window.menuAction("TAIKYOKU")->text(), QStringLiteral("Game"));
        EXPECT_EQ(window.recordPanel()->widget(PanelControl::Label1)->property("text").toString(), q("File name:"));

        auto lastText = [&] { return window.canvas()->scene().ops().back().text; };
        window.printText(0, 0, "７", 12, 15);
        EXPECT_EQ(lastText(), QStringLiteral("7"));
        補助表示 aids;
        aids.手番軍 = 1;
        aids.状態行 = "先手の番です";
        aids.上の二手 = "７六獅→８五";
        window.showAids(aids);
        EXPECT_EQ(window.canvas()->aids().状態行, "Black to move");
        EXPECT_EQ(window.canvas()->aids().上の二手, "Ln 7f→8e") << "short names beside the panel";

        window.menuAction("ENGLISH")->trigger();
        EXPECT_FALSE(window.menuAction("ENGLISH")->isChecked());
        for (auto it = japanese.cbegin(); it != japanese.cend(); ++it) EXPECT_EQ(it.key()->text(), it.value());
        EXPECT_EQ(window.recordPanel()->widget(PanelControl::Label1)->property("text").toString(), label);
        window.showAids(aids);
        EXPECT_EQ(window.canvas()->aids().状態行, "先手の番です");
        EXPECT_EQ(window.canvas()->aids().上の二手, "７六獅→８五");
        window.printText(0, 0, "７", 12, 15);
        EXPECT_EQ(lastText(), q("７"));
    }
    std::filesystem::current_path(old);
}

// The help page in English lies beside the Japanese one.
TEST(EnglishWindow, TheHelpPageIsTheEnglishOneBesideIt) {
    QFile page(QStringLiteral(BEXORU_SOURCE_DIR "/data/Bexoru_en.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("Lion")));
    // Kanji stand only where the page names a piece as it is written on it.
    EXPECT_LT(html.count(QRegularExpression(QStringLiteral("[\\x{3040}-\\x{30ff}]"))), 10) << "no Japanese prose";
}

// After the play and record tests have run: every text they made the game
// show has English.
class ShownTexts : public ::testing::Environment {
public:
    void TearDown() override {
        English english;
        int checked = 0;
        for (const std::string& text : test::RecordingPort::shownTexts()) {
            QStringList missing;
            const QString t = QString::fromStdString(text);
            if (!hasJapanese(t)) continue;
            ++checked;
            EXPECT_TRUE(english.translate(t, &missing))
                << "no English for \"" << text << "\" (lacking: " << missing.join(" | ").toStdString()
                << "): add it to src/qt/bexoru_en.ts";
        }
        if (::testing::GTEST_FLAG(filter) == "*") {
            EXPECT_GT(checked, 100) << "the games showed their texts";
        }
    }
};

}  // namespace
}  // namespace bexoru::qt

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTimer guard;
    bexoru::qt::guard_against_modal_boxes(guard);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new bexoru::qt::ShownTexts);
    return RUN_ALL_TESTS();
}
