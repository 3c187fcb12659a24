// Draws the program's icon, a Lion piece: the pentagonal wooden piece of the
// board with 獅 in black ink, on a clear background, at each size of the
// desktop's hicolor icon theme.
//
//   make_icon OUTDIR [NAME]
//
// writes OUTDIR/hicolor/<N>x<N>/apps/NAME.png (NAME defaults to
// org.bexoru.Bexoru) for N = 16, 22, 24, 32, 48, 64, 128, 256 and 512.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <cstdio>

#include "qt/fonts.h"

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double s = size;

    // The piece: narrower at the top, pointed, as the board draws it.
    const QPolygonF piece({QPointF(0.50 * s, 0.03 * s), QPointF(0.80 * s, 0.17 * s), QPointF(0.90 * s, 0.97 * s),
                           QPointF(0.10 * s, 0.97 * s), QPointF(0.20 * s, 0.17 * s)});
    QLinearGradient wood(QPointF(0, 0), QPointF(s, s));
    wood.setColorAt(0.0, QColor(0xf6, 0xe1, 0xa8));
    wood.setColorAt(1.0, QColor(0xd2, 0xa6, 0x5c));
    const double line = std::max(1.0, s / 40.0);
    painter.setPen(QPen(QColor(0x5a, 0x3a, 0x14), line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(wood);
    painter.drawPolygon(piece);

    // 獅 fills the piece's body; at the smallest sizes it grows to stay legible.
    QFont font(bexoru::qt::boardFontFamily());
    font.setPixelSize(static_cast<int>(std::lround(s * (size <= 24 ? 0.66 : 0.56))));
    font.setWeight(size <= 32 ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    QPainterPath kanji;
    kanji.addText(0, 0, font, QString::fromUtf8("獅"));
    const QRectF box = kanji.boundingRect();
    const QPointF centre(0.50 * s, 0.60 * s);
    painter.translate(centre - box.center());
    painter.fillPath(kanji, QColor(0x10, 0x10, 0x10));
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_icon OUTDIR [NAME]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString name = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("org.bexoru.Bexoru");
    for (int size : kSizes) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        const QString file = folder + "/" + name + ".png";
        if (!QDir().mkpath(folder) || !drawIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
