#pragma once
// The window's drawing surface. Every drawing primitive of the core lands in
// its scene and is painted at once into an image the size of the board area
// in device pixels; paintEvent shows that image one to one. The board area
// keeps the window's aspect and is centred when the widget is wider or
// taller. When its size or the screen's pixel ratio changes, the image is
// painted afresh from the scene at the new resolution.

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <optional>

#include "port/aids.h"
#include "qt/scene.h"

namespace bexoru::qt {

class Canvas : public QWidget {
    Q_OBJECT
public:
    explicit Canvas(QWidget* parent = nullptr);

    // The size the window opens with: the classic 15 twips per pixel times zoom.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    QSize sizeHint() const override;

    // Drawing, in twips.
    void clear(int colour);
    void draw(SceneOp op);
    const Scene& scene() const { return scene_; }
    // The player's aids, painted over the image (never into it): a tint on
    // the last move's squares, a thick frame round the picked piece, a frame
    // round the label of the army to move, the status line below the board,
    // both squares of a double move under the last-move texts, and the
    // clocks below the side labels.
    void setAids(const 補助表示& aids);
    const 補助表示& aids() const { return aids_; }

    // The image as it is now, at the current size (painted afresh if needed).
    const QImage& image();
    // Device pixels of the image per twip.
    double imageScale();

    // Where the board area lies in the widget, in logical pixels.
    QRectF targetRect() const;
    // Logical widget pixels per twip.
    double widgetScale() const { return targetRect().width() / kWidthTwips; }
    // A widget position in twips of the window's coordinate system, and back.
    QPointF toTwips(QPointF widgetPos) const;
    QPointF fromTwips(QPointF twips) const;

    // Mouse presses on the board area: 1 left, 2 right, with the position in twips.
    std::function<void(int button, QPointF twips)> onMousePress;
    // Called after the board area moved or changed size.
    std::function<void()> onLayoutChanged;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent*) override;

private:
    static constexpr double kWidthTwips = 9300.0;

    struct Geometry {
        QSize imageSize;  // device pixels
        QPoint offset;    // device pixels from the widget's corner
        double dpr = 1.0;
    };
    Geometry wanted() const;
    // Makes the image match the widget, painting it afresh when it did not.
    void ensureImage();
    // Paints the op into the image and keeps it in the scene.
    void paintAndKeep(SceneOp op);
    // Paints a black copy held back to see whether it is a drop shadow.
    void flushShadow();

    void paintAids(QPainter& painter) const;

    Scene scene_;
    補助表示 aids_;
    // A black text waits here until the next primitive shows whether it is
    // the shadow of a caption (the same text in another colour just above
    // and left of it).
    std::optional<SceneOp> shadow_;
    QImage image_;
    Geometry geometry_;
    double zoom_ = 1.5;
};

}  // namespace bexoru::qt
