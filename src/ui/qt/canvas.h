#pragma once
// The window's drawing surface. It keeps a backing image in which every
// drawing primitive paints; paintEvent only shows that image, scaled to the
// widget while keeping its aspect. The image is kept at a fixed resolution
// above the window's natural size, so text stays sharp when the window grows.

#include <QImage>
#include <QWidget>
#include <functional>

namespace bexoru::qt {

class Canvas : public QWidget {
    Q_OBJECT
public:
    explicit Canvas(QWidget* parent = nullptr);

    // Pixels of the backing image per twip.
    double imageScale() const { return imageScale_; }
    QImage& image() { return image_; }
    void clear(const QColor& colour);
    // Turns a widget position into twips of the window's coordinate system.
    QPointF toTwips(QPointF widgetPos) const;
    QRectF targetRect() const;

    std::function<void(int button, QPointF twips)> onMousePress;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QImage image_;
    double imageScale_;
};

}  // namespace bexoru::qt
