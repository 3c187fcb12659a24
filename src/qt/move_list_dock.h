#pragma once
// The move list beside the board: a dock on the window's right with one line
// per move (line 0 the starting position), the current position's line
// marked, and the buttons |◀ ◀ ▶ ▶| under it. It only shows what the
// controller hands over and passes clicks back; neither the list nor the
// buttons take the keyboard focus, so Home, Left, Right and End stay the
// window's.

#include <QDockWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "port/window_events.h"

class QListWidget;
class QToolButton;

namespace bexoru::qt {

class MoveListDock final : public QDockWidget {
    Q_OBJECT
public:
    explicit MoveListDock(QWidget* parent = nullptr);

    // The lines and the current line; the list is built again only when the
    // lines changed, and the current line is marked and scrolled into view.
    void setLines(const std::vector<std::string>& lines, int current);
    // Sets the title and the buttons' tips in the language in force.
    void retranslate();

    QListWidget* list() const { return list_; }
    QToolButton* button(棋譜一覧操作 step) const { return buttons_[static_cast<std::size_t>(step)]; }

    std::function<void(int line)> onLineClicked;
    std::function<void(棋譜一覧操作 step)> onStep;

private:
    QListWidget* list_;
    std::array<QToolButton*, 4> buttons_{};
    std::vector<std::string> lines_;
};

}  // namespace bexoru::qt
