#pragma once
// The main window: the Qt side of the window port. It paints the core's
// primitives into the canvas, shows modal dialogs, carries the menu bar and
// turns mouse, menu and key events into calls of the application object.

#include <QHash>
#include <QMainWindow>
#include <memory>

#include "port/window_port.h"

class QAction;

namespace bexoru {
class Form1;
}

namespace bexoru::qt {

class Canvas;

class MainWindow final : public QMainWindow, public WindowPort {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    // Connects the window's events to the application object.
    void attach(Form1* form);
    Canvas* canvas() const { return canvas_; }
    QAction* menuAction(const QString& control) const { return actions_.value(control); }

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
    void openUrl(std::string_view url) override;
    void quit() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenus();

    Canvas* canvas_;
    Form1* form_ = nullptr;
    bool quitting_ = false;
    QHash<QString, QAction*> actions_;
};

}  // namespace bexoru::qt
