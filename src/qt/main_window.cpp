#include "qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "board/presentation.h"
#include "qt/about_dialog.h"
#include "qt/canvas.h"
#include "qt/help_window.h"
#include "qt/move_list_dock.h"
#include "qt/pictures.h"
#include "qt/record_panel.h"
#include "qt/scene.h"

namespace bexoru::qt {

namespace {
QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
std::string utf8(const QString& s) {
    return s.toUtf8().toStdString();
}
constexpr double kTwipsPerPixel = 15.0;
}  // namespace

double MainWindow::defaultZoom(const QSize& available) {
    constexpr double preferred = 1.5;
    // Room for the title bar, the menu bar, the window frame and the move
    // list beside the board.
    constexpr int frameWidth = 40 + 240, frameHeight = 110;
    const double fitWidth = (available.width() - frameWidth) / (窓幅 / kTwipsPerPixel);
    const double fitHeight = (available.height() - frameHeight) / (窓高 / kTwipsPerPixel);
    return std::clamp(std::min({preferred, fitWidth, fitHeight}), 0.5, preferred);
}

MainWindow::MainWindow() : canvas_(new Canvas(this)) {
    setWindowTitle("Bexoru");
    setCentralWidget(canvas_);
    if (QScreen* s = screen()) canvas_->setZoom(defaultZoom(s->availableGeometry().size()));
    buildMenus();

    moveList_ = new MoveListDock(this);
    addDockWidget(Qt::RightDockWidgetArea, moveList_);
    moveList_->onLineClicked = [this](int line) {
        if (form_) form_->棋譜一覧_選択(line);
        updateAids();
    };
    moveList_->onStep = [this](棋譜一覧操作 step) {
        if (form_) form_->棋譜一覧_操作(step);
        updateAids();
    };

    panel_ = new RecordPanel(canvas_, listDrives(), QDir::currentPath());
    panel_->onFileClicked = [this] {
        if (form_) form_->File1_Click();
        updateAids();
    };
    panel_->onReturn = [this] {
        if (form_) form_->Command1_Click();
        updateAids();
    };
    panel_->onError = [this](const QString& title, const QString& text) { messageBox(utf8(title), utf8(text), false); };
    canvas_->onLayoutChanged = [this] { panel_->place(); };
    canvas_->onMousePress = [this](int button, QPointF twips) {
        if (form_) form_->Form_MouseDown(button, 0, twips.x(), twips.y());
        updateAids();
    };
    // The clocks tick: a flag that fell ends the game, unless a modal box
    // is open (the controller is inside an event then; the move that
    // follows the box is checked), and the times shown follow.
    auto* ticker = new QTimer(this);
    connect(ticker, &QTimer::timeout, this, [this] {
        if (!form_ || quitting_) return;
        if (!QApplication::activeModalWidget()) form_->時計を確認();
        if (!quitting_) form_->時計を表示();
    });
    ticker->start(200);
    // The full opening size: left to itself a new window takes at most two
    // thirds of the screen, too little for the board at its zoom.
    resize(sizeHint());
}

// A worker still running (the controller has set its stop flag by now) is
// waited for; the answers it posted are dropped with the window.
MainWindow::~MainWindow() {
    for (auto& [id, worker] : workers_) worker.join();
}

void MainWindow::attach(WindowEvents* form) {
    form_ = form;
}

void MainWindow::updateAids() {
    if (form_ && !quitting_) form_->補助表示を更新();
}

void MainWindow::showAids(const 補助表示& aids) {
    aids_ = aids;
    補助表示 translated = aids;
    for (std::string* text : {&translated.状態行, &translated.上の二手, &translated.下の二手})
        *text = utf8(english_.show(qs(*text), English::Names::Short));  // beside the side panel: little room
    canvas_->setAids(translated);
}

QString MainWindow::shown(std::string_view japanese) const {
    return english_.show(qs(japanese));
}

void MainWindow::setEnglish(bool on) {
    english_.setOn(on);
    retitleMenus();
    panel_->retranslate();
    moveList_->retranslate();
    showAids(aids_);
    showMoveList(moveLines_, moveCurrent_);
}

void MainWindow::retitleMenus() {
    for (auto it = captions_.cbegin(); it != captions_.cend(); ++it)
        if (QAction* action = actions_.value(it.key())) action->setText(english_.show(it.value()));
}

void MainWindow::showMoveList(const std::vector<std::string>& lines, int current) {
    moveLines_ = lines;
    moveCurrent_ = current;
    // The list is narrow: a piece beside a square has its short name ("Ln 7f→8e").
    std::vector<std::string> shownLines;
    shownLines.reserve(lines.size());
    for (const std::string& line : lines) shownLines.push_back(utf8(english_.show(qs(line), English::Names::Short)));
    moveList_->setLines(shownLines, current);
}

void MainWindow::setMoveListVisible(bool visible) {
    if (moveList_->isHidden() != visible) return;
    const int room = moveList_->width() + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    moveList_->setVisible(visible);
    if (!isMaximized() && !isFullScreen()) resize(width() + (visible ? room : -room), height());
}

void MainWindow::buildMenus() {
    struct Item {
        const char* control;
        const char* caption;
        const char* parent;  // nullptr: on the menu bar
        bool checkable;
        void (WindowEvents::*handler)();
    };
    static const Item items[] = {
        {"TAIKYOKU", "対局", nullptr, false, &WindowEvents::TAIKYOKU_Click},
        {"MATCH_MAN", "対局(人間)", "TAIKYOKU", false, &WindowEvents::MATCH_MAN_Click},
        {"START", "スタート", "MATCH_MAN", false, &WindowEvents::START_Click},
        {"START2", "対局(COM)", "TAIKYOKU", false, nullptr},
        {"SENTE", "先手", "START2", false, &WindowEvents::SENTE_Click},
        {"GOTE", "後手", "START2", false, &WindowEvents::GOTE_Click},
        {"LEVEL", "COM対局ﾚﾍﾞﾙ", "TAIKYOKU", false, nullptr},
        {"LEVEL1", "LEVEL1", "LEVEL", true, &WindowEvents::LEVEL1_Click},
        {"LEVEL2", "LEVEL2", "LEVEL", true, &WindowEvents::LEVEL2_Click},
        {"LEVEL3", "LEVEL3", "LEVEL", true, &WindowEvents::LEVEL3_Click},
        {"LEVEL4", "LEVEL4", "LEVEL", true, &WindowEvents::LEVEL4_Click},
        {"LEVEL5", "LEVEL5", "LEVEL", true, &WindowEvents::LEVEL5_Click},
        {"LEVEL6", "LEVEL6", "LEVEL", true, &WindowEvents::LEVEL6_Click},
        {"OWARI", "終わり", "TAIKYOKU", false, &WindowEvents::OWARI_Click},
        {"STOP", "局面", nullptr, false, &WindowEvents::STOP_Click},
        {"CANCEL", "最初", "STOP", false, &WindowEvents::CANCEL_Click},
        {"REVERSE", "反転", "STOP", false, &WindowEvents::REVERSE_Click},
        {"REPLAY", "戻", nullptr, false, &WindowEvents::REPLAY_Click},
        {"AFTER", "進", nullptr, false, &WindowEvents::AFTER_Click},
        {"LBEL_UP", "△", nullptr, false, &WindowEvents::LBEL_UP_Click},
        {"LEBEL_DOWN", "▽", nullptr, false, &WindowEvents::LEBEL_DOWN_Click},
        {"KIFU", "棋譜", nullptr, false, nullptr},
        {"KIFU_READ", "読込", "KIFU", false, &WindowEvents::KIFU_READ_Click},
        {"KIFU_WRITE", "書込", "KIFU", false, &WindowEvents::KIFU_WRITE_Click},
        {"SFEN_COPY", "SFENｺﾋﾟｰ", "KIFU", false, &WindowEvents::SFEN_COPY_Click},
        {"USI_READ", "USI読込", "KIFU", false, &WindowEvents::USI_READ_Click},
        {"USI_WRITE", "USI書出", "KIFU", false, &WindowEvents::USI_WRITE_Click},
        {"PGN_READ", "PGN読込", "KIFU", false, &WindowEvents::PGN_READ_Click},
        {"PGN_WRITE", "PGN書出", "KIFU", false, &WindowEvents::PGN_WRITE_Click},
        {"OPTION", "ｵﾌﾟｼｮﾝ", nullptr, false, &WindowEvents::OPTION_Click},
        {"SIDOU", "移動指導", "OPTION", true, &WindowEvents::SIDOU_Click},
        {"BGM", "BGM", "OPTION", true, &WindowEvents::BGM_Click},
        {"KIFU_LIST", "棋譜一覧", "OPTION", true, &WindowEvents::KIFU_LIST_Click},
        {"AIDS", "補助表示", "OPTION", true, &WindowEvents::AIDS_Click},
        {"JIKAN", "持ち時間", "OPTION", false, nullptr},
        {"JIKAN0", "なし", "JIKAN", true, &WindowEvents::JIKAN0_Click},
        {"JIKAN1", "10分 + 秒読み30秒", "JIKAN", true, &WindowEvents::JIKAN1_Click},
        {"JIKAN2", "30分 + 秒読み60秒", "JIKAN", true, &WindowEvents::JIKAN2_Click},
        {"JIKAN3", "秒読み30秒", "JIKAN", true, &WindowEvents::JIKAN3_Click},
        {"RULE", "ルール", "OPTION", false, nullptr},
        {"RULE_HON", "本来ルール", "RULE", true, &WindowEvents::RULE_HON_Click},
        {"RULE_STD", "標準ルール", "RULE", true, &WindowEvents::RULE_STD_Click},
        {"ENGLISH", "English", "OPTION", true, &WindowEvents::ENGLISH_Click},
        {"IDOU_HLP", "移動ﾍﾙﾌﾟ", nullptr, false, &WindowEvents::IDOU_HLP_Click},
        {"SONOTA", "その他", nullptr, false, nullptr},
        {"KAISETU", "解説", "SONOTA", false, &WindowEvents::KAISETU_Click},
        {"VER", "バージョン情報", "SONOTA", false, &WindowEvents::VER_Click},
    };
    // A control with children becomes a menu; opening it calls its handler.
    QHash<QString, QMenu*> menus;
    auto hasChildren = [&](const char* control) {
        for (const Item& i : items)
            if (i.parent && qstrcmp(i.parent, control) == 0) return true;
        return false;
    };
    for (const Item& item : items) {
        const QString control = QString::fromLatin1(item.control);
        const QString caption = QString::fromUtf8(item.caption);
        captions_.insert(control, caption);
        auto handler = item.handler;
        if (hasChildren(item.control)) {
            QMenu* menu = item.parent ? menus.value(QString::fromLatin1(item.parent))->addMenu(caption)
                                      : menuBar()->addMenu(caption);
            menu->setObjectName(control);
            menus.insert(control, menu);
            actions_.insert(control, menu->menuAction());
            if (handler)
                connect(menu, &QMenu::aboutToShow, this, [this, handler] {
                    if (form_) (form_->*handler)();
                    updateAids();
                });
            continue;
        }
        QAction* action = item.parent ? menus.value(QString::fromLatin1(item.parent))->addAction(caption)
                                      : menuBar()->addAction(caption);
        action->setObjectName(control);
        // Check marks are the core's to set: a click never toggles one by itself.
        action->setCheckable(item.checkable);
        actions_.insert(control, action);
        connect(action, &QAction::triggered, this, [this, action, handler, checkable = item.checkable] {
            if (checkable) action->setChecked(!action->isChecked());
            if (form_ && handler) (form_->*handler)();
            updateAids();
        });
    }
}

void MainWindow::setBackColor(int colour) {
    // Only the drawing surface takes the colour; the menu bar and the record
    // panel keep the desktop's look.
    canvas_->clear(colour);
}

void MainWindow::paintPicture(std::string_view name, double x, double y) {
    const QSize base = pictureBaseSize(name);
    if (!base.isValid()) return;
    SceneOp op;
    op.kind = SceneOp::Picture;
    op.picture = std::string(name);
    op.rect = QRectF(x, y, base.width() * kTwipsPerPixel, base.height() * kTwipsPerPixel);
    canvas_->draw(std::move(op));
}

void MainWindow::fillBox(double x, double y, double width, double height, int colour) {
    SceneOp op;
    op.kind = SceneOp::Fill;
    op.rect = QRectF(x, y, width, height);
    op.colour = colour;
    canvas_->draw(std::move(op));
}

void MainWindow::outlineBox(double x, double y, double width, double height, int colour) {
    SceneOp op;
    op.kind = SceneOp::Outline;
    op.rect = QRectF(x, y, width, height);
    op.colour = colour;
    canvas_->draw(std::move(op));
}

void MainWindow::printText(double x, double y, std::string_view text, int fontSize, int colour) {
    if (text.empty()) return;
    SceneOp op;
    op.kind = SceneOp::Text;
    op.text = shown(text);
    op.x = x;
    op.y = y;
    op.fontSize = fontSize;
    op.colour = colour;
    measureText(op);
    canvas_->draw(std::move(op));
}

void MainWindow::refresh() {
    canvas_->repaint();
}

void MainWindow::messageBox(std::string_view title, std::string_view text, bool exclamation) {
    QMessageBox box(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, shown(title), shown(text),
                    QMessageBox::Ok, this);
    box.exec();
}

bool MainWindow::askYesNo(std::string_view title, std::string_view text) {
    return QMessageBox::question(this, shown(title), shown(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void MainWindow::setMenuChecked(std::string_view control, bool checked) {
    if (QAction* a = actions_.value(qs(control))) a->setChecked(checked);
}

bool MainWindow::isMenuChecked(std::string_view control) const {
    const QAction* a = actions_.value(qs(control));
    return a && a->isChecked();
}

void MainWindow::setPanelVisible(PanelControl control, bool visible) {
    panel_->setVisible(control, visible);
}
void MainWindow::clearNameText() {
    panel_->clearNameText();
}
std::string MainWindow::nameText() const {
    return utf8(panel_->nameText());
}
std::string MainWindow::currentFolder() const {
    return utf8(panel_->currentFolder());
}
std::string MainWindow::clickedFile() const {
    return utf8(panel_->clickedFile());
}
void MainWindow::refreshFileList() {
    panel_->refreshFileList();
}

void MainWindow::openUrl(std::string_view url) {
    QUrl page(qs(url));
    // The help page has an English translation beside it: "Bexoru_en.htm" for "Bexoru.htm".
    if (english_.on() && page.isLocalFile()) {
        const QFileInfo file(page.toLocalFile());
        const QFileInfo translated(file.dir(), file.completeBaseName() + QStringLiteral("_en.") + file.suffix());
        if (translated.isFile()) page = QUrl::fromLocalFile(translated.filePath());
    }
    openPage(this, page);
}

void MainWindow::copyText(std::string_view text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(qs(text));
}

std::optional<std::string> MainWindow::chooseFile(FileDialog mode, std::string_view title, std::string_view filter) {
    // The controller asks before it replaces a file, as for a record.
    const QString path =
        mode == FileDialog::Save
            ? QFileDialog::getSaveFileName(this, shown(title), panel_->currentFolder(), shown(filter), nullptr,
                                           QFileDialog::DontConfirmOverwrite)
            : QFileDialog::getOpenFileName(this, shown(title), panel_->currentFolder(), shown(filter));
    if (path.isEmpty()) return std::nullopt;
    return utf8(path);
}

void MainWindow::showAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::runInBackground(std::function<void()> work, std::function<void()> done) {
    const std::uint64_t id = nextWorker_++;
    workers_.emplace(id, std::thread([this, id, work = std::move(work), done = std::move(done)]() mutable {
        work();
        // Back on the window thread, from its event loop.
        QMetaObject::invokeMethod(
            this,
            [this, id, done = std::move(done)] {
                if (const auto it = workers_.find(id); it != workers_.end()) {
                    it->second.join();
                    workers_.erase(it);
                }
                done();
                // The answer is an event like a click: the aids follow it.
                updateAids();
            },
            Qt::QueuedConnection);
    }));
}

void MainWindow::quit() {
    quitting_ = true;
    close();
    // Gone from the screen at once: the sounds are released after this, and
    // letting the sound device go can take a couple of seconds.
    hide();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (quitting_ || !form_) {
        event->accept();
        return;
    }
    // The program may ask whether to discard an unsaved game; while it asks,
    // another close request is not taken.
    if (closing_) {
        event->ignore();
        return;
    }
    closing_ = true;
    const bool ends = form_->Form_Unload();
    closing_ = false;
    if (ends) {
        quitting_ = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Keys typed into the record panel belong to its controls: an Escape
    // there must not end the program: it closes the panel.
    if (QWidget* focus = focusWidget(); focus && focus->isVisible() && canvas_->isAncestorOf(focus)) {
        if (event->key() == Qt::Key_Escape) {
            panel_->cancel();
            canvas_->setFocus();
            return;
        }
        QMainWindow::keyPressEvent(event);
        return;
    }
    // The move list's keys step through the game wherever the list is.
    static const std::pair<int, 棋譜一覧操作> steps[] = {
        {Qt::Key_Home, 棋譜一覧操作::最初},
        {Qt::Key_Left, 棋譜一覧操作::戻る},
        {Qt::Key_Right, 棋譜一覧操作::進む},
        {Qt::Key_End, 棋譜一覧操作::最後},
    };
    for (const auto& [k, step] : steps) {
        if (event->key() != k || event->modifiers() & ~Qt::KeypadModifier) continue;
        if (form_) form_->棋譜一覧_操作(step);
        updateAids();
        return;
    }
    const QString text = event->text();
    int key = event->key() == Qt::Key_Escape ? キー_Escape : (text.size() == 1 ? text.at(0).unicode() : 0);
    if (form_ && key != 0) form_->Form_KeyPress(key);
    updateAids();
    QMainWindow::keyPressEvent(event);
}

}  // namespace bexoru::qt
