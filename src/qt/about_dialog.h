#pragma once
// The about box "バージョン情報": a fixed dialog whose background picture (the
// title plate, the program's name and version, a Lion and a King) is drawn
// by our own code, with two picture buttons: Command1 opens the maker's web
// page and closes the box, Command2 closes it.

#include <QDialog>
#include <QImage>
#include <QSize>
#include <QUrl>

namespace bexoru::qt {

class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // The maker's web page (set at build time with BEXORU_HOMEPAGE).
    static QUrl makerPage();
    // "Version 0.1", from the project's version.
    static QString versionText();
    // The background picture at a logical size, rendered for the device pixel ratio.
    static QImage artwork(QSize size, qreal devicePixelRatio);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
};

}  // namespace bexoru::qt
