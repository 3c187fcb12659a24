#include "ui/qt/canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "board/presentation.h"

namespace bexoru::qt {

namespace {
constexpr double kTwipsPerPixel = 15.0;
constexpr double kImageZoom = 3.0;  // backing image resolution relative to the natural size
}  // namespace

Canvas::Canvas(QWidget* parent) : QWidget(parent), imageScale_(kImageZoom / kTwipsPerPixel) {
    image_ = QImage(static_cast<int>(窓幅 * imageScale_), static_cast<int>(窓高 * imageScale_),
                    QImage::Format_RGB32);
    image_.fill(Qt::black);
    setMinimumSize(static_cast<int>(窓幅 / kTwipsPerPixel / 2), static_cast<int>(窓高 / kTwipsPerPixel / 2));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize Canvas::sizeHint() const {
    // Natural size at 1.5× the classic 15 twips per pixel suits today's screens.
    return {static_cast<int>(窓幅 / kTwipsPerPixel * 1.5), static_cast<int>(窓高 / kTwipsPerPixel * 1.5)};
}

void Canvas::clear(const QColor& colour) { image_.fill(colour); }

QRectF Canvas::targetRect() const {
    const double aspect = 窓幅 / 窓高;
    double w = width();
    double h = w / aspect;
    if (h > height()) {
        h = height();
        w = h * aspect;
    }
    return {(width() - w) / 2.0, (height() - h) / 2.0, w, h};
}

QPointF Canvas::toTwips(QPointF p) const {
    const QRectF r = targetRect();
    return {(p.x() - r.left()) * 窓幅 / r.width(), (p.y() - r.top()) * 窓高 / r.height()};
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(targetRect(), image_);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    if (event->button() == Qt::LeftButton) button = 1;
    if (event->button() == Qt::RightButton) button = 2;
    if (button != 0 && onMousePress) onMousePress(button, toTwips(event->position()));
}

}  // namespace bexoru::qt
