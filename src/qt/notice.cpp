#include "qt/notice.h"

#include <QMainWindow>
#include <QStatusBar>

namespace bexoru::qt {

void showNotice(QMainWindow* window, const QString& text, int milliseconds) {
    QStatusBar* bar = window->statusBar();
    // The bar is there only while it has something to say.
    if (!bar->property("hidesWhenEmpty").toBool()) {
        bar->setProperty("hidesWhenEmpty", true);
        QObject::connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
            if (message.isEmpty()) bar->hide();
        });
    }
    bar->show();
    bar->showMessage(text, milliseconds);
}

}  // namespace bexoru::qt
