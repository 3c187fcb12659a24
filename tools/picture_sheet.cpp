// Writes every board picture into one PNG contact sheet, for looking the
// pictures over by eye.
//
//   picture_sheet OUT.png [SCALE]
//
// SCALE (default 2) is the zoom of the main sections. The sheet shows the
// lower army, the upper army, the empty square and the title at that zoom; a
// patch of board to judge how squares and pieces meet; and the lower army
// again at zoom 1 and at a small size where pieces fall back to one character.

#include "qt/fonts.h"
#include "qt/pictures.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using bexoru::qt::pictureBaseSize;
using bexoru::qt::pictureNames;
using bexoru::qt::renderPicture;

const QColor kWindowGreen(0, 128, 0);
constexpr int kColumns = 13;
constexpr int kMargin = 16;
constexpr int kGap = 8;

QSize scaled(QSize size, double scale) {
    return QSize(static_cast<int>(std::lround(size.width() * scale)),
                 static_cast<int>(std::lround(size.height() * scale)));
}

std::vector<std::string> piecesWithPrefix(const std::string& prefix) {
    std::vector<std::string> result;
    for (const std::string& name : pictureNames()) {
        if (name.rfind(prefix, 0) == 0) result.push_back(name);
    }
    return result;
}

class Sheet {
public:
    explicit Sheet(int width) : width_(width) {}

    // Adds a heading line.
    void heading(const QString& text) { items_.push_back({Item::Heading, text, {}, 1.0, false}); }

    // Adds a grid of pictures with their names under them.
    // Each picture is drawn at its base size times zoom.
    void grid(const std::vector<std::string>& names, double zoom, bool captions) {
        items_.push_back({Item::Grid, {}, names, zoom, captions});
    }

    // Adds a board patch: pictures laid edge to edge, row by row.
    void board(const std::vector<std::vector<std::string>>& rows, double zoom) {
        for (const auto& row : rows) items_.push_back({Item::BoardRow, {}, row, zoom, false});
        items_.push_back({Item::Space, {}, {}, 1.0, false});
    }

    QImage draw() const {
        const int height = layout(nullptr);
        QImage image(width_, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(kWindowGreen);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        layout(&painter);
        return image;
    }

private:
    struct Item {
        enum Type { Heading, Grid, BoardRow, Space } type;
        QString text;
        std::vector<std::string> names;
        double zoom;
        bool captions;
    };

    static constexpr int kCaptionHeight = 14;
    static constexpr int kHeadingHeight = 24;

    // Walks the items, drawing them when painter is given; returns the height.
    int layout(QPainter* painter) const {
        int y = kMargin;
        QFont headingFont = bexoru::qt::boardFont(12);
        headingFont.setPixelSize(16);
        QFont captionFont;
        captionFont.setPixelSize(9);
        for (const Item& item : items_) {
            switch (item.type) {
                case Item::Heading:
                    if (painter) {
                        painter->setFont(headingFont);
                        painter->setPen(Qt::white);
                        painter->drawText(QRect(kMargin, y, width_ - 2 * kMargin, kHeadingHeight),
                                          Qt::AlignLeft | Qt::AlignVCenter, item.text);
                    }
                    y += kHeadingHeight + 4;
                    break;
                case Item::Grid: {
                    int x = kMargin;
                    int rowHeight = 0;
                    int column = 0;
                    for (const std::string& name : item.names) {
                        const QSize cell = scaled(pictureBaseSize(name), item.zoom);
                        if (column == kColumns || x + cell.width() > width_ - kMargin) {
                            x = kMargin;
                            y += rowHeight + kGap;
                            rowHeight = 0;
                            column = 0;
                        }
                        if (painter) {
                            painter->drawImage(x, y, renderPicture(name, cell));
                            if (item.captions) {
                                painter->setFont(captionFont);
                                painter->setPen(QColor(220, 255, 220));
                                painter->drawText(
                                    QRect(x, y + cell.height() + 1, std::max(cell.width(), 64), kCaptionHeight),
                                    Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(name));
                            }
                        }
                        rowHeight = std::max(rowHeight, cell.height() + (item.captions ? kCaptionHeight : 0));
                        x += std::max(cell.width(), item.captions ? 64 : 0) + kGap;
                        ++column;
                    }
                    y += rowHeight + kGap + 6;
                    break;
                }
                case Item::BoardRow: {
                    int x = kMargin;
                    const QSize cell = scaled(QSize(34, 40), item.zoom);
                    for (const std::string& name : item.names) {
                        if (painter) painter->drawImage(x, y, renderPicture(name, cell));
                        x += cell.width();
                    }
                    y += cell.height();
                    break;
                }
                case Item::Space:
                    y += kGap + 6;
                    break;
            }
        }
        return y + kMargin;
    }

    int width_;
    std::vector<Item> items_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUT.png [SCALE]\n", argv[0]);
        return 2;
    }
    double scale = 2.0;
    if (argc == 3) {
        char* end = nullptr;
        scale = std::strtod(argv[2], &end);
        if (end == argv[2] || *end != '\0' || !(scale > 0.0) || scale > 16.0) {
            std::fprintf(stderr, "%s: SCALE must be a number above 0 and at most 16\n", argv[0]);
            return 2;
        }
    }
    // The sheet needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QSize square = scaled(QSize(34, 40), scale);
    const int columnWidth = std::max(square.width(), 64) + kGap;
    Sheet sheet(2 * kMargin + kColumns * columnWidth);

    const std::vector<std::string> lower = piecesWithPrefix("SITA_");
    const std::vector<std::string> upper = piecesWithPrefix("UE_");

    sheet.heading(QStringLiteral("Lower army (SITA_), font: %1").arg(bexoru::qt::boardFontFamily()));
    sheet.grid(lower, scale, true);
    sheet.heading(QStringLiteral("Upper army (UE_)"));
    sheet.grid(upper, scale, true);
    sheet.heading(QStringLiteral("Empty square and title"));
    sheet.grid({"KARA_MASU", "TITLE"}, scale, true);
    sheet.grid({"KARA_MASU", "TITLE"}, 1.0, true);

    sheet.heading(QStringLiteral("Board patch"));
    sheet.board({{"UE_KYOU", "UE_NAKA", "KARA_MASU", "UE_OU", "UE_SISI_B", "KARA_MASU"},
                 {"KARA_MASU", "UE_HU", "UE_HU", "KARA_MASU", "KARA_MASU", "KARA_MASU"},
                 {"KARA_MASU", "KARA_MASU", "KARA_MASU", "SITA_RYUU_R", "KARA_MASU", "KARA_MASU"},
                 {"SITA_HU", "KARA_MASU", "SITA_TO", "SITA_HU", "KARA_MASU", "SITA_HU"},
                 {"SITA_HEN", "SITA_KIN", "SITA_OU", "SITA_ZOU_B", "SITA_HOU", "SITA_KIRIN"}},
                scale);

    sheet.heading(QStringLiteral("Lower army at zoom 1"));
    sheet.grid(lower, 1.0, false);
    sheet.heading(QStringLiteral("Lower army at 20x24 (one-character fallback)"));
    sheet.grid(lower, 0.6, false);

    const QImage image = sheet.draw();
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
