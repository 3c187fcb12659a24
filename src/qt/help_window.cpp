#include "qt/help_window.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace bexoru::qt {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setWindowTitle(QString::fromUtf8("Bexoru 解説"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Links within the page and to the files beside it stay here; web
    // addresses go to the desktop.
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    resize(760, 640);
}

void HelpWindow::showPage(const QUrl& url) {
    const QString file = url.toLocalFile();
    if (QFileInfo(file).isFile()) {
        browser_->setSource(url);
    } else {
        browser_->setPlainText(QString::fromUtf8("解説ページが見つかりません: ") + file);
    }
    setWindowTitle(browser_->documentTitle().isEmpty() ? QString::fromUtf8("Bexoru 解説") : browser_->documentTitle());
    show();
    raise();
    activateWindow();
}

HelpWindow* openPage(QWidget* parent, const QUrl& url, const std::function<bool(const QUrl&)>& browser) {
    const bool opened = browser ? browser(url) : QDesktopServices::openUrl(url);
    if (opened || !url.isLocalFile()) return nullptr;
    auto* window = parent->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) window = new HelpWindow(parent);
    window->showPage(url);
    return window;
}

}  // namespace bexoru::qt
