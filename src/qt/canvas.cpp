#include "qt/canvas.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "board/presentation.h"
#include "qt/palette.h"

namespace bexoru::qt {

namespace {
constexpr double kTwipsPerPixel = 15.0;
}  // namespace

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    setMinimumSize(static_cast<int>(窓幅 / kTwipsPerPixel / 2), static_cast<int>(窓高 / kTwipsPerPixel / 2));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void Canvas::setZoom(double zoom) {
    zoom_ = zoom;
    updateGeometry();
}

QSize Canvas::sizeHint() const {
    return {static_cast<int>(std::lround(窓幅 / kTwipsPerPixel * zoom_)),
            static_cast<int>(std::lround(窓高 / kTwipsPerPixel * zoom_))};
}

Canvas::Geometry Canvas::wanted() const {
    Geometry g;
    g.dpr = devicePixelRatioF();
    const int deviceW = std::max(1, static_cast<int>(std::lround(width() * g.dpr)));
    const int deviceH = std::max(1, static_cast<int>(std::lround(height() * g.dpr)));
    // The largest box of the window's aspect that fits, in whole device pixels.
    int w = deviceW;
    int h = static_cast<int>(std::lround(w * 窓高 / 窓幅));
    if (h > deviceH) {
        h = deviceH;
        w = std::max(1, static_cast<int>(std::lround(h * 窓幅 / 窓高)));
    }
    g.imageSize = QSize(w, std::max(1, h));
    g.offset = QPoint((deviceW - w) / 2, (deviceH - g.imageSize.height()) / 2);
    return g;
}

void Canvas::ensureImage() {
    const Geometry g = wanted();
    if (!image_.isNull() && g.imageSize == geometry_.imageSize && g.offset == geometry_.offset &&
        g.dpr == geometry_.dpr)
        return;
    const bool resized = image_.isNull() || g.imageSize != geometry_.imageSize;
    geometry_ = g;
    if (resized) {
        image_ = QImage(g.imageSize, QImage::Format_RGB32);
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::TextAntialiasing);
        scene_.paintAll(painter, g.imageSize.width() / 窓幅);
    }
}

const QImage& Canvas::image() {
    flushShadow();
    ensureImage();
    return image_;
}

double Canvas::imageScale() {
    ensureImage();
    return image_.width() / 窓幅;
}

void Canvas::clear(int colour) {
    shadow_.reset();
    scene_.clear(colour);
    ensureImage();
    image_.fill(paletteColour(colour));
    update();
}

void Canvas::draw(SceneOp op) {
    if (shadow_) {
        fitShadow(*shadow_, op);
        flushShadow();
    }
    if (op.kind == SceneOp::Text && op.colour == 0) {
        shadow_ = std::move(op);
        return;
    }
    paintAndKeep(std::move(op));
}

void Canvas::flushShadow() {
    if (!shadow_) return;
    SceneOp op = std::move(*shadow_);
    shadow_.reset();
    paintAndKeep(std::move(op));
}

void Canvas::paintAndKeep(SceneOp op) {
    ensureImage();
    {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::TextAntialiasing);
        Scene::paint(painter, imageScale(), op);
    }
    scene_.add(std::move(op));
    if (scene_.ops().size() > Scene::kFoldLimit) scene_.fold(image_);
    update();
}

QRectF Canvas::targetRect() const {
    const Geometry g = wanted();
    return {g.offset.x() / g.dpr, g.offset.y() / g.dpr, g.imageSize.width() / g.dpr, g.imageSize.height() / g.dpr};
}

QPointF Canvas::toTwips(QPointF p) const {
    const QRectF r = targetRect();
    return {(p.x() - r.left()) * 窓幅 / r.width(), (p.y() - r.top()) * 窓幅 / r.width()};
}

QPointF Canvas::fromTwips(QPointF t) const {
    const QRectF r = targetRect();
    const double s = r.width() / 窓幅;
    return {r.left() + t.x() * s, r.top() + t.y() * s};
}

void Canvas::paintEvent(QPaintEvent*) {
    flushShadow();
    ensureImage();
    QPainter painter(this);
    const QRectF target = targetRect();
    // The margins beside the board area take the window's background colour.
    const QColor margin = paletteColour(scene_.background());
    if (target.left() > 0) {
        painter.fillRect(QRectF(0, 0, target.left(), height()), margin);
        painter.fillRect(QRectF(target.right(), 0, width() - target.right(), height()), margin);
    }
    if (target.top() > 0) {
        painter.fillRect(QRectF(0, 0, width(), target.top()), margin);
        painter.fillRect(QRectF(0, target.bottom(), width(), height() - target.bottom()), margin);
    }
    // One image pixel per device pixel.
    painter.drawImage(target, image_);
}

void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onLayoutChanged) onLayoutChanged();
}

void Canvas::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // On a screen of another pixel ratio the next paint renders afresh.
    if (event->type() == QEvent::ScreenChangeInternal) update();
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    if (event->button() == Qt::LeftButton) button = 1;
    if (event->button() == Qt::RightButton) button = 2;
    const QPointF twips = toTwips(event->position());
    // Presses in the margins beside the board area are not on the window's surface.
    if (twips.x() < 0 || twips.y() < 0 || twips.x() >= 窓幅 || twips.y() >= 窓高) return;
    if (button != 0 && onMousePress) onMousePress(button, twips);
}

}  // namespace bexoru::qt
