#include "qt/canvas.h"

#include <QEvent>
#include <QMouseEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "board/presentation.h"
#include "qt/fonts.h"
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
    paintAids(painter);
}

void Canvas::setAids(const 補助表示& aids) {
    if (aids == aids_) return;
    aids_ = aids;
    update();
}

void Canvas::paintAids(QPainter& painter) const {
    const QRectF target = targetRect();
    const double s = target.width() / 窓幅;
    auto box = [&](double x, double y, double w, double h) {
        return QRectF(target.left() + x * s, target.top() + y * s, w * s, h * s);
    };
    auto square = [&](int X, int Y) { return box(座標X(X), 座標Y(Y), 桝幅, 桝高); };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // The last move: its squares tinted, the pieces still readable.
    for (const auto& [X, Y] : aids_.最終手) painter.fillRect(square(X, Y), QColor(255, 200, 0, 70));

    // The picked piece: a frame a tenth of a square thick.
    if (aids_.選択X != 0) {
        const double w = std::max(2.0, 0.08 * 桝幅 * s);
        QPen pen(paletteColour(12), w);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(square(aids_.選択X, aids_.選択Y).adjusted(w / 2, w / 2, -w / 2, -w / 2));
    }

    // The army to move: a frame round its label in the side panel (row 5
    // for the upper army, row 6 for the lower).
    if (aids_.手番軍 != 0) {
        const double row = aids_.手番軍 > 0 ? 5 : 6;
        painter.setPen(QPen(paletteColour(14), std::max(2.0, 30 * s)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box(座標X(14) - 60, 座標Y(row) - 10, 660, 400), 40 * s, 40 * s);
    }

    // Texts in the board font with a thin shadow.
    auto text = [&](double x, double y, const std::string& t, int points, int colour = 15) {
        if (t.empty()) return;
        QFont font = painter.font();
        font.setPixelSize(std::max(6, static_cast<int>(std::lround(points * 20.0 * s))));
        painter.setFont(font);
        const QPointF at = box(x, y, 0, 0).topLeft() + QPointF(0, QFontMetricsF(font).ascent());
        const double off = std::max(1.0, std::round(points * 2.0 * s));
        painter.setPen(paletteColour(0));
        painter.drawText(at + QPointF(off, off), QString::fromStdString(t));
        painter.setPen(paletteColour(colour));
        painter.drawText(at, QString::fromStdString(t));
    };
    text(座標X(15.3), 座標Y(5) + 330, aids_.上の二手, 8);
    text(座標X(15.3), 座標Y(6) + 330, aids_.下の二手, 8);
    text(座標X(1), 座標Y(13) + 80, aids_.状態行, 11);

    // The clocks, below the side labels: the upper army's above the lower's,
    // in yellow while an army plays by byoyomi.
    text(座標X(14), 座標Y(7) + 100, aids_.上の時計, 11, aids_.上の秒読み ? 14 : 15);
    text(座標X(14.4), 座標Y(7) + 450, aids_.上の消費, 8);
    text(座標X(14), 座標Y(8) + 300, aids_.下の時計, 11, aids_.下の秒読み ? 14 : 15);
    text(座標X(14.4), 座標Y(8) + 650, aids_.下の消費, 8);
    painter.restore();
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
