#pragma once
// Pages the program shows: in the user's web browser when one answers,
// otherwise in the program's own help window, a plain text browser that
// follows the page's links and hands web addresses to the desktop.

#include <QUrl>
#include <QWidget>
#include <functional>

class QTextBrowser;

namespace bexoru::qt {

class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);
    // Shows the page (a local file); a missing file is said so in the window.
    void showPage(const QUrl& url);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// Opens the page with the browser; a local page the browser does not take is
// shown in the parent's help window (made at the first need, then reused).
// Returns the help window when it was used, nullptr otherwise. Without a
// browser given, a local page goes to the desktop's opener xdg-open when
// there is one (see openPageWith), else to QDesktopServices.
HelpWindow* openPage(QWidget* parent, const QUrl& url, const std::function<bool(const QUrl&)>& browser = {});

// Runs the opener program on the page without waiting for it. When it cannot
// be started or ends in failure (xdg-open finding no browser ends with 3), the
// page is shown in the parent's help window then.
void openPageWith(QWidget* parent, const QUrl& url, const QString& opener);

}  // namespace bexoru::qt
