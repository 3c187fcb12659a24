#pragma once
// A notice that does not stop the game: a line in the window's status bar,
// shown for a while and then gone with the bar itself.

#include <QString>

class QMainWindow;

namespace bexoru::qt {

void showNotice(QMainWindow* window, const QString& text, int milliseconds = 30000);

}  // namespace bexoru::qt
