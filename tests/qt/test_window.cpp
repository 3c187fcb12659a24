// The real window, offscreen: its menu bar, the way a click on the canvas
// comes back as twips after a resize, the record panel over the canvas, and
// what is actually painted into the canvas image.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "play/form1.h"
#include "board/presentation.h"
#include "support/recording_port.h"
#include "qt/canvas.h"
#include "qt/drives.h"
#include "qt/main_window.h"
#include "qt/move_list_dock.h"
#include "qt/palette.h"
#include "qt/pictures.h"
#include "qt/record_panel.h"
#include "support/modal_guard.h"

namespace bexoru::qt {
namespace {

namespace fs = std::filesystem;

// Runs in a scratch start folder (no sounds, no settings file) with a window
// that has loaded the game.
class Window : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = fs::current_path();
        fs::current_path(dir_.path().toStdString());
    }
    void TearDown() override { fs::current_path(old_); }

    void load(QSize size = QSize(930, 900)) {
        window_.attach(&form_);
        window_.resize(size);
        window_.show();
        form_.Form_Load();
        QApplication::processEvents();
    }
    void resize(QSize size) {
        window_.resize(size);
        QApplication::processEvents();
    }

    QTemporaryDir dir_;
    fs::path old_;
    MainWindow window_;
    test::FakeSound sound_;
    test::FakeClock clock_;
    Form1 form_{window_, sound_, clock_};
};

TEST_F(Window, MenuBarFollowsTheTableWithItsCaptionsAndPlaces) {
    struct Row {
        const char* control;
        const char* caption;
        const char* parent;  // nullptr: on the menu bar
        bool checkable;
    };
    const Row rows[] = {
        {"TAIKYOKU", "対局", nullptr, false},
        {"MATCH_MAN", "対局(人間)", "TAIKYOKU", false},
        {"START", "スタート", "MATCH_MAN", false},
        {"START2", "対局(COM)", "TAIKYOKU", false},
        {"SENTE", "先手", "START2", false},
        {"GOTE", "後手", "START2", false},
        {"LEVEL", "COM対局ﾚﾍﾞﾙ", "TAIKYOKU", false},
        {"LEVEL1", "LEVEL1", "LEVEL", true},
        {"LEVEL2", "LEVEL2", "LEVEL", true},
        {"LEVEL3", "LEVEL3", "LEVEL", true},
        {"LEVEL4", "LEVEL4", "LEVEL", true},
        {"LEVEL5", "LEVEL5", "LEVEL", true},
        {"LEVEL6", "LEVEL6", "LEVEL", true},
        {"OWARI", "終わり", "TAIKYOKU", false},
        {"STOP", "局面", nullptr, false},
        {"CANCEL", "最初", "STOP", false},
        {"REVERSE", "反転", "STOP", false},
        {"REPLAY", "戻", nullptr, false},
        {"AFTER", "進", nullptr, false},
        {"LBEL_UP", "△", nullptr, false},
        {"LEBEL_DOWN", "▽", nullptr, false},
        {"KIFU", "棋譜", nullptr, false},
        {"KIFU_READ", "読込", "KIFU", false},
        {"KIFU_WRITE", "書込", "KIFU", false},
        {"SFEN_COPY", "SFENｺﾋﾟｰ", "KIFU", false},
        {"USI_READ", "USI読込", "KIFU", false},
        {"USI_WRITE", "USI書出", "KIFU", false},
        {"PGN_READ", "PGN読込", "KIFU", false},
        {"PGN_WRITE", "PGN書出", "KIFU", false},
        {"OPTION", "ｵﾌﾟｼｮﾝ", nullptr, false},
        {"SIDOU", "移動指導", "OPTION", true},
        {"BGM", "BGM", "OPTION", true},
        {"KIFU_LIST", "棋譜一覧", "OPTION", true},
        {"AIDS", "補助表示", "OPTION", true},
        {"JIKAN", "持ち時間", "OPTION", false},
        {"JIKAN0", "なし", "JIKAN", true},
        {"JIKAN1", "10分 + 秒読み30秒", "JIKAN", true},
        {"JIKAN2", "30分 + 秒読み60秒", "JIKAN", true},
        {"JIKAN3", "秒読み30秒", "JIKAN", true},
        {"IDOU_HLP", "移動ﾍﾙﾌﾟ", nullptr, false},
        {"SONOTA", "その他", nullptr, false},
        {"KAISETU", "解説", "SONOTA", false},
        {"VER", "バージョン情報", "SONOTA", false},
    };
    QList<QAction*> topLevel;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        QAction* action = window_.menuAction(row.control);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text().toStdString(), row.caption);
        EXPECT_EQ(action->isCheckable(), row.checkable);
        if (row.parent == nullptr) {
            topLevel.append(action);
        } else {
            auto* menu = window_.findChild<QMenu*>(row.parent);
            ASSERT_NE(menu, nullptr);
            EXPECT_TRUE(menu->actions().contains(action)) << "not under " << row.parent;
        }
    }
    EXPECT_EQ(window_.menuBar()->actions(), topLevel) << "the menu bar's items, in order";
}

TEST_F(Window, LevelThreeIsCheckedAndGuidanceOffAtStart) {
    load();
    EXPECT_TRUE(window_.isMenuChecked("LEVEL3"));
    EXPECT_FALSE(window_.isMenuChecked("LEVEL1"));
    EXPECT_FALSE(window_.isMenuChecked("LEVEL2"));
    for (const char* level : {"LEVEL4", "LEVEL5", "LEVEL6"}) EXPECT_FALSE(window_.isMenuChecked(level)) << level;
    EXPECT_FALSE(window_.isMenuChecked("SIDOU"));
    EXPECT_TRUE(window_.isMenuChecked("BGM")) << "no settings file: the default turns the music on";
}

TEST(WindowMenus, ClickingACheckableItemLeavesItsMarkToTheGame) {
    MainWindow window;  // no game attached: nobody sets the mark
    for (const char* control : {"SIDOU", "BGM", "LEVEL1"}) {
        SCOPED_TRACE(control);
        window.menuAction(control)->trigger();
        EXPECT_FALSE(window.isMenuChecked(control));
        window.setMenuChecked(control, true);
        window.menuAction(control)->trigger();
        EXPECT_TRUE(window.isMenuChecked(control));
    }
}

TEST_F(Window, ClicksComeBackAsTheirSquareAtAnyWindowSize) {
    load();
    std::vector<std::pair<int, QPointF>> presses;
    // Not passed on to the game: before a game starts it answers every press
    // on the board with a modal message box.
    window_.canvas()->onMousePress = [&](int button, QPointF twips) { presses.push_back({button, twips}); };
    struct Row {
        const char* name;
        QSize window;
        int X, Y;
        Qt::MouseButton button;
    };
    const Row rows[] = {
        {"opening size", {930, 900}, 3, 4, Qt::LeftButton},
        {"wide window, board centred", {1500, 700}, 1, 1, Qt::LeftButton},
        {"tall window", {700, 1100}, 12, 12, Qt::RightButton},
        {"small window", {400, 420}, 7, 6, Qt::LeftButton},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        resize(row.window);
        presses.clear();
        const QPointF centre(座標X(row.X + 0.5), 座標Y(row.Y + 0.5));
        const QPoint at = window_.canvas()->fromTwips(centre).toPoint();
        QTest::mouseClick(window_.canvas(), row.button, {}, at);
        ASSERT_EQ(presses.size(), 1u);
        EXPECT_EQ(presses[0].first, row.button == Qt::LeftButton ? 左ボタン : 右ボタン);
        const 桝位置 square = マウス桝(presses[0].second.x(), presses[0].second.y());
        EXPECT_EQ(square.X, row.X);
        EXPECT_EQ(square.Y, row.Y);
        // Within a widget pixel of where it was pressed.
        const double twipsPerPixel = 1.0 / window_.canvas()->widgetScale();
        EXPECT_NEAR(presses[0].second.x(), centre.x(), twipsPerPixel);
        EXPECT_NEAR(presses[0].second.y(), centre.y(), twipsPerPixel);
    }

    // A press in the margin beside the board area is not on the window's surface.
    resize({1500, 700});
    presses.clear();
    QTest::mouseClick(window_.canvas(), Qt::LeftButton, {}, QPoint(3, 300));
    EXPECT_TRUE(presses.empty());
}

TEST_F(Window, PicturesAndTextArePaintedForThePixelsTheyLandOn) {
    load();
    // The sizes below are the board's own: the move list is put away.
    window_.setMoveListVisible(false);
    for (QSize size : {QSize(930, 900), QSize(1300, 1230), QSize(500, 470)}) {
        SCOPED_TRACE(size.width());
        resize(size);
        Canvas* canvas = window_.canvas();
        const QImage& image = canvas->image();
        const double s = canvas->imageScale();
        EXPECT_EQ(image.size(), canvas->targetRect().size().toSize() * canvas->devicePixelRatioF());

        // The upper king on (7, 1): exactly the picture rendered at that size,
        // inside its one-line outline.
        const QRect square = Scene::pixelRect(QRectF(座標X(7), 座標Y(1), 510, 600), s);
        const QImage king = renderPicture("UE_OU", square.size()).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(king.isNull());
        const int border = Scene::lineWidth(s);
        int differing = 0;
        for (int y = border; y < square.height() - border; ++y)
            for (int x = border; x < square.width() - border; ++x)
                if (image.pixel(square.x() + x, square.y() + y) != king.pixel(x, y)) ++differing;
        EXPECT_EQ(differing, 0);
        // Its outline in the background colour.
        EXPECT_EQ(QColor(image.pixel(square.topLeft())), paletteColour(2));

        // The row numeral 一 right of the board: some white ink and its black shadow.
        const QRect label = Scene::pixelRect(QRectF(座標X(13.1), 座標Y(1.3), 400, 300), s);
        bool white = false, black = false;
        for (int y = label.top(); y <= label.bottom(); ++y)
            for (int x = label.left(); x <= label.right(); ++x) {
                const QColor c(image.pixel(x, y));
                white = white || (c.red() > 120 && c.blue() > 120);  // white ink over green
                black = black || (c.red() < 40 && c.green() < 40 && c.blue() < 40);
            }
        EXPECT_TRUE(white);
        EXPECT_TRUE(black);

        // The background beside the board.
        EXPECT_EQ(QColor(image.pixel(static_cast<int>(100 * s), static_cast<int>(8200 * s))), paletteColour(2));
    }
}

TEST_F(Window, FourDigitMoveNumbersFitBeforeTheirSuffixAndAreErasedWhole) {
    load();
    for (QSize size : {QSize(930, 900), QSize(1300, 1230)}) {
        SCOPED_TRACE(size.width());
        resize(size);
        // The white ink of the number between two twip columns, on its row.
        auto ink = [&](double from, double to) {
            Canvas* canvas = window_.canvas();
            const QImage& image = canvas->image();
            const QRect band = Scene::pixelRect(QRectF(from, 座標Y(3.3), to - from, 300), canvas->imageScale());
            int right = -1;
            for (int y = band.top(); y <= band.bottom(); ++y)
                for (int x = band.left(); x <= band.right(); ++x) {
                    const QColor c(image.pixel(x, y));
                    if (c.red() > 120 && c.blue() > 120) right = std::max(right, x);
                }
            return right;
        };
        // "手目" starts at column 15.8 and its box is cleared first: a number
        // running into it would lose its last digit there.
        const int suffix = Scene::pixelRect(QRectF(座標X(15.8), 0, 10, 10), window_.canvas()->imageScale()).left();
        for (int number : {1888, 2000}) {
            form_.描画.描画_手数(number, 15);
            QApplication::processEvents();
            const int right = ink(座標X(14.4), 座標X(15.8));
            ASSERT_GE(right, 0) << "the number is drawn";
            EXPECT_LT(right, suffix - 3) << number << ": the last digit ends clear of the suffix";
        }
        // Taking a move back to 999 leaves nothing of the fourth digit.
        form_.描画.描画_手数(999, 15);
        QApplication::processEvents();
        EXPECT_LT(ink(座標X(14.4), 座標X(14.7) - 1), 0);
    }
}

TEST_F(Window, RedrawingDoesNotPileUpWhatWasDrawnBefore) {
    load();
    const std::size_t once = window_.canvas()->scene().ops().size();
    for (int i = 0; i < 5; ++i) form_.初期設定();
    form_.描画.描画_手数(1, 15);
    form_.描画.描画_手数(2, 15);
    const std::size_t after = window_.canvas()->scene().ops().size();
    EXPECT_LE(after, once + 12) << "a board redraw must replace the board drawn before, not add to it";
}

TEST_F(Window, RecordPanelShowsAndHidesAndFollowsTheCanvas) {
    load();
    RecordPanel* panel = window_.recordPanel();
    const PanelControl all[] = {PanelControl::Drive1, PanelControl::Dir1,  PanelControl::File1,
                                PanelControl::Label1, PanelControl::Text1, PanelControl::Command1};
    for (PanelControl c : all) EXPECT_FALSE(panel->widget(c)->isVisible()) << "hidden at start";

    form_.描画.描画_可視(true, true, false);
    form_.描画.描画_棋譜_IO(棋譜IO::書込);
    EXPECT_TRUE(panel->widget(PanelControl::Drive1)->isVisible());
    EXPECT_TRUE(panel->widget(PanelControl::Dir1)->isVisible());
    EXPECT_FALSE(panel->widget(PanelControl::File1)->isVisible());
    EXPECT_TRUE(panel->widget(PanelControl::Text1)->isVisible());
    EXPECT_TRUE(panel->widget(PanelControl::Command1)->isVisible());

    panel->nameBox()->setText(QString::fromUtf8("対局1"));
    EXPECT_EQ(window_.nameText(), "対局1");
    form_.描画.描画_棋譜_IO(棋譜IO::非表示);
    EXPECT_FALSE(panel->widget(PanelControl::Text1)->isVisible());
    EXPECT_EQ(window_.nameText(), "");

    for (QSize size : {QSize(930, 900), QSize(1400, 800)}) {
        SCOPED_TRACE(size.width());
        resize(size);
        for (PanelControl c : all) {
            const QRectF twips = RecordPanel::placeOf(c);
            const QPointF topLeft = window_.canvas()->fromTwips(twips.topLeft());
            const QRect g = panel->widget(c)->geometry();
            EXPECT_NEAR(g.x(), topLeft.x(), 1.0);
            EXPECT_NEAR(g.y(), topLeft.y(), 1.0);
            EXPECT_NEAR(g.width(), twips.width() * window_.canvas()->widgetScale(), 1.5);
        }
    }
}

TEST(RecordPanelLists, FolderListFollowsTheDriveAndFileListFollowsTheFolder) {
    QTemporaryDir root;
    const QString top = root.path();
    fs::create_directory(fs::path(top.toStdString()) / "sub");
    for (const char* f : {"a.棋譜", "c.txt", "sub/b.棋譜"})
        std::ofstream(fs::path(top.toStdString()) / fs::u8path(f)) << "x";

    Canvas canvas;
    canvas.resize(930, 850);
    std::vector<Drive> drives = {{"/", "/"}, {top, top}, {top + "/missing", "unready"}};
    RecordPanel panel(&canvas, drives, top);
    std::vector<QString> errors;
    panel.onError = [&](const QString& title, const QString& text) { errors.push_back(title + "|" + text); };
    int fileClicks = 0;
    panel.onFileClicked = [&] { ++fileClicks; };

    EXPECT_EQ(panel.driveList()->currentIndex(), 1) << "the drive of the start folder";
    EXPECT_EQ(panel.currentFolder(), top);
    ASSERT_EQ(panel.fileList()->count(), 1);
    EXPECT_EQ(panel.fileList()->item(0)->text().toStdString(), "a.棋譜") << "only record files";

    // Opening the sub-folder in the folder list moves the file list there.
    QListWidgetItem* sub = nullptr;
    for (int i = 0; i < panel.folderList()->count(); ++i)
        if (panel.folderList()->item(i)->text().trimmed() == "sub") sub = panel.folderList()->item(i);
    ASSERT_NE(sub, nullptr);
    emit panel.folderList()->itemActivated(sub);
    EXPECT_EQ(panel.currentFolder(), top + "/sub");
    ASSERT_EQ(panel.fileList()->count(), 1);
    EXPECT_EQ(panel.fileList()->item(0)->text().toStdString(), "b.棋譜");

    emit panel.fileList()->itemClicked(panel.fileList()->item(0));
    EXPECT_EQ(fileClicks, 1);
    EXPECT_EQ(panel.clickedFile().toStdString(), "b.棋譜");

    // A drive that cannot be read: a message, and everything stays where it was.
    panel.chooseDrive(2);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].toStdString(), "ｴﾗｰ|ﾃﾞﾊﾞｲｽが準備できていません");
    EXPECT_EQ(panel.currentFolder(), top + "/sub");
    EXPECT_EQ(panel.driveList()->currentIndex(), 1);

    panel.chooseDrive(0);
    EXPECT_EQ(panel.folderListPath(), "/");
    EXPECT_EQ(panel.currentFolder(), "/");
    EXPECT_EQ(panel.driveList()->currentIndex(), 0);
}

TEST(Drives, UserVolumesAreDisksMediaAndSharesNotSystemMounts) {
    struct Row {
        const char* root;
        const char* type;
        const char* device;
        bool expected;
    };
    const Row rows[] = {
        {"/media/me/USB", "vfat", "/dev/sdb1", true},
        {"/run/media/me/CARD", "exfat", "/dev/sdc1", true},
        {"/mnt/nas", "nfs", "nas:/export", true},
        {"/home", "ext4", "/dev/sda3", true},
        {"/srv/share", "cifs", "//server/share", true},
        {"/", "ext4", "/dev/sda2", false},
        {"/proc", "proc", "proc", false},
        {"/sys/fs/cgroup", "cgroup2", "cgroup2", false},
        {"/run/user/1000", "tmpfs", "tmpfs", false},
        {"/boot/efi", "vfat", "/dev/sda1", false},
        {"/snap/core22/1", "squashfs", "/dev/loop3", false},
        {"/dev/shm", "tmpfs", "tmpfs", false},
        {"/var/lib/docker/overlay2/x/merged", "overlay", "overlay", false},
        {"/tmp", "tmpfs", "tmpfs", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(isUserVolume(row.root, row.type, row.device), row.expected) << row.root;
    }
    const auto drives = listDrives();
    ASSERT_GE(drives.size(), 1u);
    EXPECT_EQ(drives[0].path, "/");
}

TEST(Drives, AFolderBelongsToTheLongestDriveThatHoldsIt) {
    const std::vector<Drive> drives = {{"/", "/"}, {"/home/me", "/home/me"}, {"/media/usb", "/media/usb"}};
    struct Row {
        const char* folder;
        int drive;
    };
    const Row rows[] = {{"/home/me/games", 1}, {"/home/me", 1},   {"/media/usb/kifu", 2},
                        {"/etc", 0},           {"/home/meat", 0}, {"/", 0}};
    for (const Row& row : rows) EXPECT_EQ(driveOf(drives, row.folder), row.drive) << row.folder;
}

TEST(WindowSize, OpensAtOneAndAHalfTimesWhereItFits) {
    EXPECT_DOUBLE_EQ(MainWindow::defaultZoom({1920, 1040}), 1.5) << "a 1080p screen";
    EXPECT_DOUBLE_EQ(MainWindow::defaultZoom({2560, 1400}), 1.5);
    const double small = MainWindow::defaultZoom({1366, 728});
    EXPECT_LT(small, 1.5);
    EXPECT_LE(small * 8500 / 15 + 110, 728 + 1) << "fits a small laptop screen";
}

TEST_F(Window, EscapeEndsTheProgramButNotWhileTypingAName) {
    load();
    form_.描画.描画_棋譜_IO(棋譜IO::書込);
    window_.recordPanel()->nameBox()->setFocus();
    QApplication::processEvents();
    QTest::keyClick(window_.recordPanel()->nameBox(), Qt::Key_Escape);
    EXPECT_TRUE(std::none_of(sound_.calls.begin(), sound_.calls.end(),
                             [](const std::string& c) { return c.starts_with("dsTerminate"); }));
    EXPECT_TRUE(window_.isVisible());

    form_.描画.描画_棋譜_IO(棋譜IO::非表示);
    window_.setFocus();
    QApplication::processEvents();
    QTest::keyClick(&window_, Qt::Key_Escape);
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(sound_.calls.back(), "dsTerminate(1)");
}

TEST_F(Window, EscapeInTheRecordPanelClosesIt) {
    load();
    form_.KIFU_WRITE_Click();
    RecordPanel* panel = window_.recordPanel();
    ASSERT_FALSE(panel->nameBox()->isHidden());
    panel->nameBox()->setFocus();
    QApplication::processEvents();
    QTest::keyClick(panel->nameBox(), Qt::Key_Escape);
    EXPECT_TRUE(panel->nameBox()->isHidden());
    EXPECT_TRUE(panel->widget(PanelControl::Dir1)->isHidden());
    EXPECT_TRUE(window_.isVisible()) << "the program goes on";
}

TEST_F(Window, ClosingTheWindowFreesTheSoundsOnce) {
    load();
    window_.close();
    EXPECT_EQ(std::count(sound_.calls.begin(), sound_.calls.end(), "dsTerminate(1)"), 1);
}

// Draws into the real window but answers the game's message boxes itself,
// so a test can play through the modal announcements with real mouse events.
class AnsweringPort final : public WindowPort {
public:
    explicit AnsweringPort(MainWindow& window) : w_(window) {}
    void setBackColor(int colour) override { w_.setBackColor(colour); }
    void paintPicture(std::string_view name, double x, double y) override { w_.paintPicture(name, x, y); }
    void fillBox(double x, double y, double width, double height, int colour) override {
        w_.fillBox(x, y, width, height, colour);
    }
    void outlineBox(double x, double y, double width, double height, int colour) override {
        w_.outlineBox(x, y, width, height, colour);
    }
    void printText(double x, double y, std::string_view text, int fontSize, int colour) override {
        w_.printText(x, y, text, fontSize, colour);
    }
    void refresh() override { w_.refresh(); }
    void messageBox(std::string_view title, std::string_view text, bool) override {
        boxes.push_back(std::string(title) + "|" + std::string(text));
    }
    bool askYesNo(std::string_view title, std::string_view text) override {
        boxes.push_back("?" + std::string(title) + "|" + std::string(text));
        return yes;
    }
    void setMenuChecked(std::string_view control, bool checked) override { w_.setMenuChecked(control, checked); }
    bool isMenuChecked(std::string_view control) const override { return w_.isMenuChecked(control); }
    void setPanelVisible(PanelControl control, bool visible) override { w_.setPanelVisible(control, visible); }
    void clearNameText() override { w_.clearNameText(); }
    std::string nameText() const override { return w_.nameText(); }
    std::string currentFolder() const override { return w_.currentFolder(); }
    std::string clickedFile() const override { return w_.clickedFile(); }
    void refreshFileList() override { w_.refreshFileList(); }
    void openUrl(std::string_view url) override { w_.openUrl(url); }
    void quit() override { w_.quit(); }
    void runInBackground(std::function<void()> work, std::function<void()> done) override {
        w_.runInBackground(std::move(work), std::move(done));
    }
    void showAids(const 補助表示& a) override {
        aids = a;
        w_.showAids(a);
    }
    void showMoveList(const std::vector<std::string>& lines, int current) override {
        w_.showMoveList(lines, current);
    }
    void setMoveListVisible(bool visible) override { w_.setMoveListVisible(visible); }

    std::vector<std::string> boxes;
    補助表示 aids;
    bool yes = false;  // the answer to every question

private:
    MainWindow& w_;
};

TEST_F(Window, ClosingTheWindowAsksBeforeAnUnsavedGameIsLost) {
    AnsweringPort port(window_);
    Form1 game(port, sound_, clock_);
    window_.attach(&game);
    window_.show();
    game.Form_Load();
    game.START_Click();
    game.Form_MouseDown(左ボタン, 0, 座標X(6.5), 座標Y(9.5));
    game.Form_MouseDown(左ボタン, 0, 座標X(6.5), 座標Y(8.5));
    ASSERT_EQ(game.状態.手数, 1);
    port.boxes.clear();
    auto terminated = [&] { return std::count(sound_.calls.begin(), sound_.calls.end(), "dsTerminate(1)"); };

    window_.close();
    QApplication::processEvents();
    EXPECT_EQ(port.boxes, std::vector<std::string>{"?対局|保存されていない対局があります。破棄しますか？"});
    EXPECT_TRUE(window_.isVisible()) << "the player kept the game";
    EXPECT_EQ(terminated(), 0);

    port.yes = true;
    window_.close();
    QApplication::processEvents();
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(terminated(), 1);
    window_.attach(&form_);
}

// Levels 4 to 6 think on a worker: the command that hands the computer the
// turn returns at once, and the answer comes back through the event loop.
TEST_F(Window, TheSearchingLevelsThinkWhileTheWindowGoesOn) {
    AnsweringPort port(window_);
    Form1 game(port, sound_, clock_);
    window_.attach(&game);
    window_.show();
    game.Form_Load();
    game.COM手番.探索節点数 = 20000;
    window_.menuAction("LEVEL4")->trigger();
    EXPECT_TRUE(window_.isMenuChecked("LEVEL4"));
    EXPECT_FALSE(window_.isMenuChecked("LEVEL3"));

    game.GOTE_Click();  // the computer moves first
    EXPECT_TRUE(game.思考中()) << "the answer never comes inside the command";
    EXPECT_EQ(game.記録.記録数, 0);
    while (game.思考中()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(game.記録.記録数, 1);
    EXPECT_GT(game.記録.手[1].移動駒, 0);
    EXPECT_EQ(game.状態.手番, game.状態.MAN側);
    EXPECT_EQ(port.aids.手番軍, -1) << "the aids show the person to move, not the thinking";
    EXPECT_FALSE(port.aids.最終手.empty());

    // The person answers, and the computer thinks again.
    game.Form_MouseDown(左ボタン, 0, 座標X(6.5), 座標Y(9.5));
    game.Form_MouseDown(左ボタン, 0, 座標X(6.5), 座標Y(8.5));
    EXPECT_TRUE(game.思考中());
    EXPECT_EQ(game.記録.記録数, 2);
    while (game.思考中()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(game.記録.記録数, 3);
    EXPECT_EQ(game.状態.手数, 3);
    EXPECT_TRUE(port.boxes.empty());
    window_.attach(&form_);
}

TEST_F(Window, ClosingTheWindowStopsTheSearchAtOnce) {
    AnsweringPort port(window_);
    Form1 game(port, sound_, clock_);
    window_.attach(&game);
    window_.show();
    game.Form_Load();
    game.COM手番.探索節点数 = 1'000'000'000'000;  // hours of thinking
    game.LEVEL6_Click();
    game.GOTE_Click();
    ASSERT_TRUE(game.思考中());
    bool 思考中に動いた = false;
    QTimer::singleShot(0, &window_, [&] {
        思考中に動いた = game.思考中();
        window_.close();
    });
    while (window_.isVisible()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_TRUE(思考中に動いた) << "the event loop ran while the computer thought";
    EXPECT_TRUE(game.COM手番.最後の停止->load());
    EXPECT_FALSE(game.思考中());
    EXPECT_EQ(game.記録.記録数, 0) << "the stopped search played nothing";
    window_.attach(&form_);
    // The window joins the stopped worker when it goes.
}

TEST_F(Window, TwoPeoplePlayAFewMovesWithTheMouse) {
    AnsweringPort port(window_);
    Form1 game(port, sound_, clock_);
    window_.attach(&game);
    window_.resize(QSize(930, 900));
    window_.show();
    game.Form_Load();
    game.START_Click();
    QApplication::processEvents();

    Canvas* canvas = window_.canvas();
    auto press = [&](int X, int Y, Qt::MouseButton button = Qt::LeftButton) {
        const QPointF centre(座標X(X + 0.5), 座標Y(Y + 0.5));
        QTest::mouseClick(canvas, button, {}, canvas->fromTwips(centre).toPoint());
        QApplication::processEvents();
    };
    // The colour of a square's outline, and whether its middle shows the picture.
    auto outline = [&](int X, int Y) {
        const QRect r = Scene::pixelRect(QRectF(座標X(X), 座標Y(Y), 510, 600), canvas->imageScale());
        return QColor(canvas->image().pixel(r.topLeft()));
    };
    auto shows = [&](int X, int Y, const char* picture) {
        const QRect r = Scene::pixelRect(QRectF(座標X(X), 座標Y(Y), 510, 600), canvas->imageScale());
        const QImage expected = renderPicture(picture, r.size()).convertToFormat(QImage::Format_RGB32);
        const QPoint mid(r.width() / 2, r.height() / 3);
        return canvas->image().pixel(r.topLeft() + mid) == expected.pixel(mid);
    };

    press(6, 9);
    EXPECT_EQ(outline(6, 9), paletteColour(12)) << "the selected pawn is outlined in light red";
    press(6, 8);
    EXPECT_TRUE(shows(6, 8, "SITA_HU"));
    EXPECT_TRUE(shows(6, 9, "KARA_MASU"));
    EXPECT_EQ(outline(6, 9), paletteColour(2));
    press(7, 4);
    press(7, 5);
    EXPECT_TRUE(shows(7, 5, "UE_HU"));
    // The Lion steps onto the square the pawn left; it is asked about a
    // second step and declines.
    press(6, 10);
    press(6, 9);
    EXPECT_TRUE(shows(6, 9, "SITA_SISI_B"));
    EXPECT_EQ(port.boxes, (std::vector<std::string>{" |先手の番です", "?２手移動|もう一手移動しますか？"}));
    EXPECT_EQ(game.状態.手数, 3);
    EXPECT_EQ(game.状態.手番, 後手);
    EXPECT_EQ(game.記録.記録数, 4);

    // The last move of each army is written beside its side label.
    const QImage& image = canvas->image();
    for (double row : {5.0, 6.0}) {
        const QRect text = Scene::pixelRect(QRectF(座標X(15.6), 座標Y(row), 1250, 400), canvas->imageScale())
                               .intersected(image.rect());
        bool white = false;
        for (int y = text.top(); y <= text.bottom() && !white; ++y)
            for (int x = text.left(); x <= text.right() && !white; ++x) white = QColor(image.pixel(x, y)).blue() > 200;
        EXPECT_TRUE(white) << "row " << row;
    }
    window_.attach(&form_);
}

// The move list beside the board: filled from the game after each event, a
// click on a line, the buttons and the keys Home, Left, Right and End step
// through the game, and the current line follows.
TEST_F(Window, TheMoveListStepsByLineButtonAndKey) {
    AnsweringPort port(window_);
    Form1 game(port, sound_, clock_);
    window_.attach(&game);
    window_.resize(QSize(1200, 900));
    window_.show();
    game.Form_Load();
    game.START_Click();
    for (auto [X, Y] : {std::pair{6, 9}, {6, 8}, {7, 4}, {7, 5}, {1, 9}, {1, 8}})
        game.Form_MouseDown(左ボタン, 0, 座標X(X + 0.5), 座標Y(Y + 0.5));
    window_.updateAids();
    QApplication::processEvents();
    port.boxes.clear();  // the turn announced at the first click

    MoveListDock* dock = window_.moveList();
    ASSERT_TRUE(dock->isVisible());
    QListWidget* list = dock->list();
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(0)->text().toStdString(), "開始局面");
    EXPECT_EQ(list->item(2)->text().toStdString(), "2 ６五歩");
    EXPECT_EQ(list->currentRow(), 3);
    EXPECT_FALSE(dock->button(棋譜一覧操作::進む)->isEnabled()) << "nothing ahead";
    EXPECT_TRUE(dock->button(棋譜一覧操作::戻る)->isEnabled());

    struct Step {
        const char* name;
        std::function<void()> act;
        int row;
    };
    const Step steps[] = {
        {"Home", [&] { QTest::keyClick(&window_, Qt::Key_Home); }, 0},
        {"Right", [&] { QTest::keyClick(&window_, Qt::Key_Right); }, 1},
        {"End", [&] { QTest::keyClick(&window_, Qt::Key_End); }, 3},
        {"Left", [&] { QTest::keyClick(&window_, Qt::Key_Left); }, 2},
        {"|◀", [&] { dock->button(棋譜一覧操作::最初)->click(); }, 0},
        {"▶", [&] { dock->button(棋譜一覧操作::進む)->click(); }, 1},
        {"▶|", [&] { dock->button(棋譜一覧操作::最後)->click(); }, 3},
        {"◀", [&] { dock->button(棋譜一覧操作::戻る)->click(); }, 2},
        {"a click on line 1",
         [&] {
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
         },
         1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.act();
        QApplication::processEvents();
        EXPECT_EQ(game.状態.手数, s.row);
        EXPECT_EQ(list->currentRow(), s.row);
        EXPECT_EQ(list->count(), 4) << "the moves ahead stay listed";
        EXPECT_EQ(dock->button(棋譜一覧操作::最初)->isEnabled(), s.row > 0);
        EXPECT_EQ(dock->button(棋譜一覧操作::最後)->isEnabled(), s.row < 3);
    }
    EXPECT_EQ(game.盤面(6, 8), -駒::歩);
    EXPECT_EQ(game.盤面(7, 5), 空) << "the position after the first move";
    EXPECT_TRUE(port.boxes.empty());
    window_.attach(&form_);
}

// Hiding the list narrows the window by the list's width and showing it
// widens it again: the board keeps its size. The aids switch leaves the
// canvas with nothing of its own to paint.
TEST_F(Window, TheOptionSwitchesHideTheListAndTheAids) {
    AnsweringPort port(window_);
    Form1 game(port, sound_, clock_);
    window_.attach(&game);
    window_.resize(QSize(1200, 900));
    window_.show();
    game.Form_Load();
    game.START_Click();
    window_.updateAids();
    QApplication::processEvents();
    EXPECT_NE(window_.canvas()->aids().手番軍, 0);
    const QSize board = window_.canvas()->size();
    const int wide = window_.width();

    window_.menuAction("KIFU_LIST")->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(window_.isMenuChecked("KIFU_LIST"));
    EXPECT_FALSE(window_.moveList()->isVisible());
    EXPECT_LT(window_.width(), wide);
    EXPECT_EQ(window_.canvas()->size(), board);

    window_.menuAction("KIFU_LIST")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(window_.moveList()->isVisible());
    EXPECT_EQ(window_.width(), wide);
    EXPECT_EQ(window_.canvas()->size(), board);

    window_.menuAction("AIDS")->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(window_.isMenuChecked("AIDS"));
    EXPECT_EQ(window_.canvas()->aids(), 補助表示{});
    window_.menuAction("AIDS")->trigger();
    EXPECT_NE(window_.canvas()->aids().手番軍, 0);
    window_.attach(&form_);
}

}  // namespace
}  // namespace bexoru::qt

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTimer guard;
    bexoru::qt::guard_against_modal_boxes(guard);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

namespace bexoru::qt {
namespace {

// A caption's black copy, printed a tenth of a square right of and below it,
// is painted as a thin shadow hugging the caption; any other black text
// stays where it was printed.
TEST(CaptionShadow, HugsItsCaptionAtEveryZoomAndOtherBlackTextStays) {
    for (int width : {500, 930, 1860}) {
        SCOPED_TRACE(width);
        Canvas canvas;
        canvas.resize(width, width * 850 / 930);
        canvas.clear(2);
        auto text = [&](double x, double y, const char* s, int colour) {
            SceneOp op;
            op.kind = SceneOp::Text;
            op.text = QString::fromUtf8(s);
            op.x = x;
            op.y = y;
            op.fontSize = 12;
            op.colour = colour;
            measureText(op);
            canvas.draw(std::move(op));
        };
        const double x = 座標X(3), y = 座標Y(3);
        text(x + 0.1 * 桝幅, y + 0.1 * 桝高, "十二", 0);
        text(x, y, "十二", 15);
        text(x, 座標Y(6), "一", 0);  // a black text of its own
        const QImage& image = canvas.image();
        const double s = canvas.imageScale();

        // The ink's right and bottom edges in a box, for dark or white pixels.
        auto edge = [&](QRectF twips, bool dark) {
            const QRect r = Scene::pixelRect(twips, s).intersected(image.rect());
            QPoint far(-1, -1);
            for (int py = r.top(); py <= r.bottom(); ++py)
                for (int px = r.left(); px <= r.right(); ++px) {
                    const QColor c(image.pixel(px, py));
                    const bool hit = dark ? c.red() < 40 && c.green() < 40 && c.blue() < 40
                                          : c.red() > 120 && c.blue() > 120;
                    if (hit) far = {std::max(far.x(), px), std::max(far.y(), py)};
                }
            return far;
        };
        const QRectF around(x - 200, y - 200, 1500, 900);
        const QPoint white = edge(around, false), black = edge(around, true);
        ASSERT_GE(white.x(), 0);
        ASSERT_GE(black.x(), 0) << "the shadow shows";
        const int most = std::max(2, static_cast<int>(std::lround(12 * 20.0 / 10 * s))) + 1;
        EXPECT_GT(black.x(), white.x()) << "right of the caption";
        EXPECT_LE(black.x(), white.x() + most);
        EXPECT_GT(black.y(), white.y()) << "below it";
        EXPECT_LE(black.y(), white.y() + most);

        const QPoint alone = edge(QRectF(x - 200, 座標Y(6) - 100, 800, 500), true);
        EXPECT_GE(alone.x(), 0) << "a lone black text is painted too";
        const std::vector<SceneOp>& ops = canvas.scene().ops();
        EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](const SceneOp& op) { return op.shadow; }), 1);
    }
}

}  // namespace
}  // namespace bexoru::qt

namespace bexoru::qt {
namespace {

// The record panel reads its folder again whenever it opens, and closes
// with its 取消 button or Escape without anything else happening.
TEST(RecordPanelOpening, ShowsFilesAddedMeanwhileAndCancelsWithoutAClick) {
    QTemporaryDir root;
    const fs::path top = root.path().toStdString();
    std::ofstream(top / fs::u8path("a.棋譜")) << "x";
    Canvas canvas;
    canvas.resize(930, 850);
    RecordPanel panel(&canvas, {{root.path(), root.path()}}, root.path());
    panel.setVisible(PanelControl::File1, true);
    EXPECT_EQ(panel.fileList()->count(), 1);
    EXPECT_TRUE(panel.cancelButton()->isVisibleTo(&canvas)) << "shown with the panel";

    // A record copied in while the panel is closed shows when it opens again.
    panel.cancel();
    std::ofstream(top / fs::u8path("b.棋譜")) << "x";
    panel.setVisible(PanelControl::Drive1, true);
    panel.setVisible(PanelControl::Dir1, true);
    panel.setVisible(PanelControl::File1, true);
    EXPECT_EQ(panel.fileList()->count(), 2);

    // Cancelling hides every control and forgets the typed name.
    panel.setVisible(PanelControl::Text1, true);
    panel.setVisible(PanelControl::Command1, true);
    panel.nameBox()->setText("x");
    QTest::mouseClick(panel.cancelButton(), Qt::LeftButton);
    for (PanelControl c : {PanelControl::Drive1, PanelControl::Dir1, PanelControl::File1, PanelControl::Label1,
                           PanelControl::Text1, PanelControl::Command1})
        EXPECT_TRUE(panel.widget(c)->isHidden());
    EXPECT_TRUE(panel.cancelButton()->isHidden());
    EXPECT_TRUE(panel.nameText().isEmpty());
}

}  // namespace
}  // namespace bexoru::qt
