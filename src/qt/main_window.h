#pragma once
// The main window: the Qt side of the window port. It paints the core's
// primitives into the canvas, shows modal dialogs, carries the menu bar and
// the record panel, and turns mouse, menu, panel and key events into calls
// of the application object.

#include <QHash>
#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <map>
#include <thread>

#include "port/window_events.h"
#include "port/window_port.h"
#include "qt/english.h"

class QAction;
class QScreen;

namespace bexoru::qt {

class Canvas;
class MoveListDock;
class RecordPanel;

class MainWindow final : public QMainWindow, public WindowPort {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    // Connects the window's events to the application object.
    void attach(WindowEvents* form);
    Canvas* canvas() const { return canvas_; }
    RecordPanel* recordPanel() const { return panel_; }
    MoveListDock* moveList() const { return moveList_; }
    QAction* menuAction(const QString& control) const { return actions_.value(control); }

    // The zoom the window opens with on a screen with this much room: 1.5 times
    // the classic size where it fits (a 1080p screen), less where it does not.
    static double defaultZoom(const QSize& available);

    // WindowPort
    void setBackColor(int colour) override;
    void paintPicture(std::string_view name, double x, double y) override;
    void fillBox(double x, double y, double width, double height, int colour) override;
    void outlineBox(double x, double y, double width, double height, int colour) override;
    void printText(double x, double y, std::string_view text, int fontSize, int colour) override;
    void refresh() override;
    void messageBox(std::string_view title, std::string_view text, bool exclamation) override;
    bool askYesNo(std::string_view title, std::string_view text) override;
    void setMenuChecked(std::string_view control, bool checked) override;
    bool isMenuChecked(std::string_view control) const override;
    void setPanelVisible(PanelControl control, bool visible) override;
    void clearNameText() override;
    std::string nameText() const override;
    std::string currentFolder() const override;
    std::string clickedFile() const override;
    void refreshFileList() override;
    void openUrl(std::string_view url) override;
    void copyText(std::string_view text) override;
    std::optional<std::string> chooseFile(FileDialog mode, std::string_view title, std::string_view filter) override;
    void showAbout() override;
    void showAids(const 補助表示& aids) override;
    void showMoveList(const std::vector<std::string>& lines, int current) override;
    // Showing or hiding the list widens or narrows the window by the list's
    // width, so the board keeps its size.
    void setMoveListVisible(bool visible) override;
    // Menus retitled at once; texts handed over from now on shown in English.
    void setEnglish(bool on) override;
    const English& english() const { return english_; }
    // Asks the application object for the player's aids after an event.
    void updateAids();
    void quit() override;
    // A thread for each piece of work; `done` comes back through the event queue.
    void runInBackground(std::function<void()> work, std::function<void()> done) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenus();
    // Sets each menu caption in the language in force.
    void retitleMenus();
    // What the window shows for one of the controller's texts.
    QString shown(std::string_view japanese) const;

    Canvas* canvas_;
    RecordPanel* panel_;
    MoveListDock* moveList_;
    WindowEvents* form_ = nullptr;
    bool quitting_ = false;
    bool closing_ = false;  // Form_Unload is asking whether the window may close
    QHash<QString, QAction*> actions_;
    // Each menu item's Japanese caption, by control name.
    QHash<QString, QString> captions_;
    English english_;
    // The aids and the move list as the controller handed them over, in Japanese.
    補助表示 aids_;
    std::vector<std::string> moveLines_;
    int moveCurrent_ = 0;
    // Workers not yet joined, by number; each is joined when its answer is delivered.
    std::map<std::uint64_t, std::thread> workers_;
    std::uint64_t nextWorker_ = 0;
};

}  // namespace bexoru::qt
