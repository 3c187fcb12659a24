#include "qt/about_dialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include "qt/fonts.h"
#include "qt/pictures.h"

#ifndef BEXORU_VERSION
#define BEXORU_VERSION "0.0"
#endif
#ifndef BEXORU_HOMEPAGE
#define BEXORU_HOMEPAGE "https://ja.wikipedia.org/wiki/%E4%B8%AD%E5%B0%86%E6%A3%8B"
#endif

namespace bexoru::qt {

namespace {

constexpr QSize kDialogSize(420, 270);
constexpr QSize kButtonSize(44, 44);
constexpr int kButtonMargin = 14;

const QColor kInk(40, 24, 10);
const QColor kGold(196, 150, 60);

// A button face drawn in code: a round plate with a globe (web) or a cross (close).
QIcon buttonIcon(bool web) {
    constexpr int size = 64;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient plate(size * 0.4, size * 0.35, size * 0.6);
    plate.setColorAt(0, QColor(250, 232, 190));
    plate.setColorAt(1, QColor(205, 160, 90));
    p.setBrush(plate);
    p.setPen(QPen(kInk, 2.5));
    p.drawEllipse(QRectF(3, 3, size - 6, size - 6));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    if (web) {
        const QRectF globe(16, 16, 32, 32);
        p.drawEllipse(globe);
        p.drawEllipse(QRectF(25, 16, 14, 32));
        p.drawLine(QPointF(16, 32), QPointF(48, 32));
        p.drawLine(QPointF(19, 24), QPointF(45, 24));
        p.drawLine(QPointF(19, 40), QPointF(45, 40));
    } else {
        p.drawLine(QPointF(21, 21), QPointF(43, 43));
        p.drawLine(QPointF(43, 21), QPointF(21, 43));
    }
    return QIcon(pixmap);
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("Bexoru", "バージョン情報"));
    setFixedSize(kDialogSize);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto makeButton = [this](const char* name, bool web, const QString& tip, int column) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(buttonIcon(web));
        button->setIconSize(kButtonSize - QSize(6, 6));
        button->setFixedSize(kButtonSize);
        button->setFlat(true);
        button->setToolTip(tip);
        button->setAccessibleName(tip);
        button->move(width() - column * (kButtonSize.width() + kButtonMargin),
                     height() - kButtonSize.height() - kButtonMargin);
        return button;
    };
    QPushButton* command1 = makeButton("Command1", true, QCoreApplication::translate("Bexoru", "作者のホームページを開く"), 2);
    QPushButton* command2 = makeButton("Command2", false, QCoreApplication::translate("Bexoru", "閉じる"), 1);
    connect(command1, &QPushButton::clicked, this, &AboutDialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &AboutDialog::Command2_Click);
    command2->setDefault(true);
}

QUrl AboutDialog::makerPage() {
    return QUrl(QStringLiteral(BEXORU_HOMEPAGE));
}

QString AboutDialog::versionText() {
    return QStringLiteral("Version ") + QStringLiteral(BEXORU_VERSION);
}

// Opening the browser may fail (no desktop, no browser): the box closes all the same.
void AboutDialog::Command1_Click() {
    QDesktopServices::openUrl(makerPage());
    accept();
}

void AboutDialog::Command2_Click() {
    accept();
}

void AboutDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(rect(), artwork(size(), devicePixelRatioF()));
}

QImage AboutDialog::artwork(QSize size, qreal devicePixelRatio) {
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(size));

    // A deep green field like the board's window, with a gold frame.
    QLinearGradient field(r.topLeft(), r.bottomRight());
    field.setColorAt(0, QColor(18, 92, 52));
    field.setColorAt(1, QColor(6, 48, 26));
    p.fillRect(r, field);
    p.setPen(QPen(kGold, 3));
    p.drawRect(r.adjusted(6, 6, -6, -6));
    p.setPen(QPen(kGold.darker(130), 1));
    p.drawRect(r.adjusted(11, 11, -11, -11));

    // A faint 12 x 12 grid behind the texts.
    p.setPen(QPen(QColor(255, 255, 255, 22), 1));
    constexpr double gridSide = 180;
    const QRectF grid(r.width() - 24 - gridSide, 24, gridSide, gridSide);
    for (int i = 0; i <= 12; ++i) {
        const double fx = grid.left() + grid.width() * i / 12.0;
        const double fy = grid.top() + grid.height() * i / 12.0;
        p.drawLine(QPointF(fx, grid.top()), QPointF(fx, grid.bottom()));
        p.drawLine(QPointF(grid.left(), fy), QPointF(grid.right(), fy));
    }

    // Two pieces on the grid: the Lion facing the King across it.
    const QSize piece(68, 80);
    const QImage lion = renderPicture("SITA_SISI_B", piece * devicePixelRatio);
    const QImage king = renderPicture("UE_OU", piece * devicePixelRatio);
    // Clear of the two buttons in the bottom right corner.
    if (!king.isNull()) p.drawImage(QRectF(QPointF(grid.left() + 20, grid.top() + 12), QSizeF(piece)), king);
    if (!lion.isNull())
        p.drawImage(QRectF(QPointF(grid.right() - piece.width() - 8, grid.top() + 92), QSizeF(piece)), lion);

    // The title plate, the program's name and its version.
    const QSize plate(200, 64);
    const QImage title = renderPicture("TITLE", plate * devicePixelRatio);
    if (!title.isNull()) p.drawImage(QRectF(QPointF(26, 28), QSizeF(plate)), title);

    QFont big = boardFont(30);
    big.setBold(true);
    p.setFont(big);
    QPainterPath name;
    name.addText(QPointF(30, 150), big, QStringLiteral("Bexoru"));
    p.setPen(QPen(kInk, 4));
    p.drawPath(name);
    p.fillPath(name, QColor(250, 232, 190));

    p.setPen(QColor(250, 232, 190));
    p.setFont(boardFont(13));
    p.drawText(QPointF(32, 182), QCoreApplication::translate("Bexoru", "中将棋"));
    p.setFont(boardFont(10));
    p.drawText(QPointF(32, 204), versionText());
    p.setPen(kGold);
    p.setFont(boardFont(8));
    p.drawText(QPointF(32, r.height() - 26), QStringLiteral("Chu Shogi for Linux"));
    p.end();
    return image;
}

}  // namespace bexoru::qt
