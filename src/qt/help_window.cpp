#include "qt/help_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace bexoru::qt {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setWindowTitle(QCoreApplication::translate("Bexoru", "Bexoru 解説"));
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
        browser_->setPlainText(QCoreApplication::translate("Bexoru", "解説ページが見つかりません") + ": " + file);
    }
    setWindowTitle(browser_->documentTitle().isEmpty() ? QCoreApplication::translate("Bexoru", "Bexoru 解説") : browser_->documentTitle());
    show();
    raise();
    activateWindow();
}

namespace {

HelpWindow* showInHelpWindow(QWidget* parent, const QUrl& url) {
    auto* window = parent->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) window = new HelpWindow(parent);
    window->showPage(url);
    return window;
}

}  // namespace

HelpWindow* openPage(QWidget* parent, const QUrl& url, const std::function<bool(const QUrl&)>& browser) {
    if (!browser && url.isLocalFile()) {
        // Qt only starts xdg-open and takes that for success, even when it then
        // finds no browser; its exit status tells.
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (!opener.isEmpty()) {
            openPageWith(parent, url, opener);
            return nullptr;
        }
    }
    const bool opened = browser ? browser(url) : QDesktopServices::openUrl(url);
    if (opened || !url.isLocalFile()) return nullptr;
    return showInHelpWindow(parent, url);
}

void openPageWith(QWidget* parent, const QUrl& url, const QString& opener) {
    // The process belongs to the window: a browser that xdg-open waits for
    // is left running when the game ends.
    auto* process = new QProcess(parent);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, parent,
                     [parent, process, url](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0) showInHelpWindow(parent, url);
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, parent, [parent, process, url](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        showInHelpWindow(parent, url);
        process->deleteLater();
    });
    process->start(opener, {url.toString()});
}

}  // namespace bexoru::qt
