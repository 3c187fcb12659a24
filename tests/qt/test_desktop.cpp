// The game among the desktop's programs, offscreen: Qt's Japanese button
// texts, the help page in the program's own window when no browser takes it,
// the passing notice in the status bar, and where the record panel opens.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "qt/canvas.h"
#include "qt/help_window.h"
#include "qt/notice.h"
#include "qt/record_panel.h"
#include "qt/translations.h"

namespace bexoru::qt {
namespace {

TEST(QtTranslations, StandardButtonsReadJapanese) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + "/qtbase_ja.qm"))
        GTEST_SKIP() << "qtbase_ja.qm is not installed in " << folder.toStdString();
    ASSERT_TRUE(loadQtJapanese(*QCoreApplication::instance()));
    QMessageBox box(QMessageBox::Question, "t", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QString::fromUtf8("はい")))
        << box.button(QMessageBox::Yes)->text().toStdString();
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QString::fromUtf8("いいえ")))
        << box.button(QMessageBox::No)->text().toStdString();
}

class HelpPage : public ::testing::Test {
protected:
    QString writePage(const QString& title) {
        const QString file = dir_.filePath("Bexoru.htm");
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("<html><head><title>" + title + "</title></head><body><h1>遊び方</h1></body></html>").toUtf8());
        return file;
    }
    QTemporaryDir dir_;
    QWidget parent_;
    int asked_ = 0;
    std::function<bool(const QUrl&)> browser(bool answers) {
        return [this, answers](const QUrl&) {
            ++asked_;
            return answers;
        };
    }
};

TEST_F(HelpPage, ABrowserThatAnswersIsLeftToShowIt) {
    const QUrl page = QUrl::fromLocalFile(writePage("解説"));
    EXPECT_EQ(openPage(&parent_, page, browser(true)), nullptr);
    EXPECT_EQ(asked_, 1);
    EXPECT_EQ(parent_.findChild<HelpWindow*>(), nullptr);
}

TEST_F(HelpPage, WithoutABrowserTheOwnWindowShowsThePageAndIsReused) {
    const QUrl page = QUrl::fromLocalFile(writePage(QString::fromUtf8("中将棋の遊び方")));
    HelpWindow* window = openPage(&parent_, page, browser(false));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow()) << "a window of its own, not a widget inside the board";
    EXPECT_EQ(window->browser()->source(), page);
    EXPECT_TRUE(window->browser()->toPlainText().contains(QString::fromUtf8("遊び方")));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("中将棋の遊び方"));

    window->close();
    EXPECT_EQ(openPage(&parent_, page, browser(false)), window) << "opened again, not a second window";
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(parent_.findChildren<HelpWindow*>().size(), 1);
}

TEST_F(HelpPage, AMissingPageIsSaidSoAndAWebAddressIsNotTakenIn) {
    HelpWindow* window = openPage(&parent_, QUrl::fromLocalFile(dir_.filePath("Bexoru.htm")), browser(false));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->browser()->toPlainText().contains(QString::fromUtf8("見つかりません")));
    EXPECT_TRUE(window->browser()->toPlainText().contains(dir_.filePath("Bexoru.htm")));

    QWidget other;
    EXPECT_EQ(openPage(&other, QUrl("https://example.org/"), browser(false)), nullptr);
    EXPECT_EQ(other.findChild<HelpWindow*>(), nullptr);
}

TEST_F(HelpPage, AnOpenerThatFailsOrIsMissingBringsTheOwnWindow) {
    const QUrl page = QUrl::fromLocalFile(writePage("x"));
    auto helpShown = [this] {
        return QTest::qWaitFor(
            [this] {
                auto* w = parent_.findChild<HelpWindow*>();
                return w != nullptr && w->isVisible();
            },
            5000);
    };
    // "true" takes the page: no window of our own.
    openPageWith(&parent_, page, "true");
    QTest::qWait(300);
    EXPECT_EQ(parent_.findChild<HelpWindow*>(), nullptr);

    // xdg-open without a browser ends in failure, like "false".
    openPageWith(&parent_, page, "false");
    EXPECT_TRUE(helpShown());
    parent_.findChild<HelpWindow*>()->close();

    openPageWith(&parent_, page, dir_.filePath("no-such-opener"));
    EXPECT_TRUE(helpShown());
    EXPECT_EQ(parent_.findChild<HelpWindow*>()->browser()->source(), page);
}

TEST(Notice, ShowsInTheStatusBarThenTheBarGoes) {
    QMainWindow window;
    window.setCentralWidget(new QWidget);
    window.show();
    showNotice(&window, QString::fromUtf8("効果音ファイルが見つかりません: BGM.wav (/d)"), 100);
    ASSERT_TRUE(window.statusBar()->isVisible());
    EXPECT_EQ(window.statusBar()->currentMessage(), QString::fromUtf8("効果音ファイルが見つかりません: BGM.wav (/d)"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.statusBar()->isVisible(); }, 2000));

    // A second notice brings the bar back.
    showNotice(&window, "again", 100);
    EXPECT_TRUE(window.statusBar()->isVisible());
    EXPECT_EQ(window.statusBar()->currentMessage(), "again");
}

TEST(RecordPanelStart, OpensInTheGivenFolderOnTheDriveHoldingIt) {
    QTemporaryDir home, elsewhere;
    Canvas canvas;
    RecordPanel panel(&canvas, {{"/", "/"}, {home.path(), home.path()}}, elsewhere.path());
    QDir(home.path()).mkdir("kifu");
    const QString kifu = home.path() + "/kifu";
    QFile(kifu + QString::fromUtf8("/a.棋譜")).open(QIODevice::WriteOnly);

    panel.startIn(kifu);
    EXPECT_EQ(panel.driveList()->currentIndex(), 1);
    EXPECT_EQ(panel.folderListPath(), kifu);
    EXPECT_EQ(panel.currentFolder(), kifu) << "records are read and written there";
    EXPECT_EQ(panel.fileList()->count(), 1);

    panel.startIn(home.path() + "/no such folder");
    EXPECT_EQ(panel.currentFolder(), kifu) << "a folder that is not there changes nothing";
}

}  // namespace
}  // namespace bexoru::qt

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
