#include "qt/scene.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "board/presentation.h"
#include "qt/fonts.h"
#include "qt/palette.h"
#include "qt/pictures.h"

namespace bexoru::qt {

namespace {

constexpr double kTwipsPerPixel = 15.0;  // the classic screen: a picture pixel is 15 twips

// The board font at a size in pixels, whatever the paint device's resolution.
QFont fontOfPixels(double pixels) {
    QFont font = boardFont(10);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    return font;
}

// A picture that fills its whole box hides whatever lay beneath it.
bool isOpaquePicture(const std::string& name) {
    static QHash<QString, bool> known;
    const QString key = QString::fromStdString(name);
    if (auto it = known.constFind(key); it != known.constEnd()) return *it;
    bool opaque = true;
    const QSize base = pictureBaseSize(name);
    for (int factor : {1, 3}) {
        const QImage image = renderPicture(name, base * factor).convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) opaque = false;
        for (int y = 0; opaque && y < image.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(line[x]) != 255) {
                    opaque = false;
                    break;
                }
            }
        }
    }
    known.insert(key, opaque);
    return opaque;
}

// How far a caption's shadow stands right of and below it, in twips.
double shadowOffset(int fontSize) {
    return fontSize * 20.0 / 10.0;
}

}  // namespace

QRect Scene::pixelRect(const QRectF& twips, double scale) {
    const int left = static_cast<int>(std::lround(twips.left() * scale));
    const int top = static_cast<int>(std::lround(twips.top() * scale));
    const int right = static_cast<int>(std::lround(twips.right() * scale));
    const int bottom = static_cast<int>(std::lround(twips.bottom() * scale));
    return {left, top, right - left, bottom - top};
}

int Scene::lineWidth(double scale) {
    // One picture pixel wide, but never less than one device pixel.
    return std::max(1, static_cast<int>(std::floor(kTwipsPerPixel * scale + 0.25)));
}

void measureText(SceneOp& op) {
    // Measured at one pixel per twip; the margin takes in the rounding of the
    // font size and the glyphs' antialiased edges at any real scale.
    const QFont font = fontOfPixels(op.fontSize * 20.0);
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(op.text);
    const double margin = kTwipsPerPixel + 0.04 * op.fontSize * 20.0;
    const double shadow = op.shadow ? shadowOffset(op.fontSize) + kTwipsPerPixel : 0.0;
    op.rect = ink.translated(op.x, op.y + metrics.ascent()).adjusted(-margin, -margin, margin + shadow, margin + shadow);
}

bool fitShadow(SceneOp& shadow, const SceneOp& text) {
    if (shadow.kind != SceneOp::Text || text.kind != SceneOp::Text) return false;
    if (shadow.colour != 0 || text.colour == 0) return false;
    if (shadow.text != text.text || shadow.fontSize != text.fontSize) return false;
    auto near = [](double a, double b) { return std::abs(a - b) < 1.0; };
    bool apart = false;
    for (double tenths : {0.1, 0.2})
        apart = apart || (near(shadow.x - text.x, tenths * 桝幅) && near(shadow.y - text.y, tenths * 桝高));
    if (!apart) return false;
    shadow.x = text.x;
    shadow.y = text.y;
    shadow.shadow = true;
    measureText(shadow);
    return true;
}

void Scene::clear(int colour) {
    background_ = colour;
    ops_.clear();
}

bool Scene::covers(const SceneOp& cover, const SceneOp& op) {
    switch (cover.kind) {
        case SceneOp::Fill:
            return cover.rect.contains(op.rect);
        case SceneOp::Picture:
            return isOpaquePicture(cover.picture) && cover.rect.contains(op.rect);
        case SceneOp::Outline:
            // The same frame again paints exactly the same pixels.
            return op.kind == SceneOp::Outline && op.rect == cover.rect;
        case SceneOp::Snapshot:
            return true;
        case SceneOp::Text:
            // The same text again in the same place only darkens its soft
            // edges; redrawn labels would otherwise pile up.
            return op.kind == SceneOp::Text && op.text == cover.text && op.x == cover.x && op.y == cover.y &&
                   op.fontSize == cover.fontSize && op.colour == cover.colour;
    }
    return false;
}

void Scene::add(SceneOp op) {
    std::erase_if(ops_, [&](const SceneOp& earlier) { return covers(op, earlier); });
    ops_.push_back(std::move(op));
}

void Scene::fold(const QImage& window) {
    ops_.clear();
    SceneOp op;
    op.kind = SceneOp::Snapshot;
    op.rect = QRectF(0, 0, 窓幅, 窓高);
    op.snapshot = window;
    ops_.push_back(std::move(op));
}

void Scene::paint(QPainter& painter, double scale, const SceneOp& op) {
    switch (op.kind) {
        case SceneOp::Fill:
            painter.fillRect(pixelRect(op.rect, scale), paletteColour(op.colour));
            break;
        case SceneOp::Outline: {
            // Drawn inside the box, so a square's mark never spills onto its neighbours.
            const QRect r = pixelRect(op.rect, scale);
            const int w = std::min({lineWidth(scale), r.width() / 2, r.height() / 2});
            if (w <= 0) break;
            const QColor colour = paletteColour(op.colour);
            painter.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
            painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
            painter.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
            painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
            break;
        }
        case SceneOp::Picture: {
            const QRect r = pixelRect(op.rect, scale);
            const QImage image = renderPicture(op.picture, r.size());
            if (!image.isNull()) painter.drawImage(r.topLeft(), image);
            break;
        }
        case SceneOp::Text: {
            const QFont font = fontOfPixels(op.fontSize * 20.0 * scale);
            painter.setFont(font);
            painter.setPen(paletteColour(op.colour));
            // The text's top-left corner is at (x, y), as printing at
            // CurrentX/CurrentY does; a shadow stands whole pixels off its caption.
            const QFontMetricsF metrics(font);
            QPointF at(op.x * scale, op.y * scale);
            if (op.shadow) {
                const double off = std::max(2.0, std::round(shadowOffset(op.fontSize) * scale));
                at = QPointF(std::round(at.x()) + off, std::round(at.y() + metrics.ascent()) - metrics.ascent() + off);
            }
            painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), op.text);
            break;
        }
        case SceneOp::Snapshot:
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(pixelRect(op.rect, scale), op.snapshot);
            painter.restore();
            break;
    }
}

void Scene::paintAll(QPainter& painter, double scale) const {
    painter.fillRect(pixelRect(QRectF(0, 0, 窓幅, 窓高), scale), paletteColour(background_));
    for (const SceneOp& op : ops_) paint(painter, scale, op);
}

}  // namespace bexoru::qt
