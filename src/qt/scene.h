#pragma once
// What has been drawn on the window, kept as the list of the core's drawing
// primitives in twips. The canvas paints each primitive once into its image as
// it comes; when the window changes size or moves to a screen of another
// pixel ratio it paints the whole list again at the new resolution, so
// pictures and kanji are always drawn for the pixels they land on instead of
// being stretched.
//
// A primitive that a later one paints over completely can never show again;
// it is dropped when that later one arrives, as is a text printed again at
// the same place, which keeps the list to about one screenful however long
// the game runs.

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <cstddef>
#include <string>
#include <vector>

class QPainter;

namespace bexoru::qt {

struct SceneOp {
    enum Kind { Fill, Outline, Picture, Text, Snapshot };
    Kind kind = Fill;
    QRectF rect;     // twips: the box, the picture's place, or the text's ink with a margin
    int colour = 0;  // palette index
    std::string picture;
    QString text;
    double x = 0, y = 0;  // text: top-left corner
    int fontSize = 0;     // text: points
    bool shadow = false;  // text: the drop shadow of a caption at (x, y), painted just below and right of it
    QImage snapshot;      // the whole window, when the list was folded into one image
};

class Scene {
public:
    // Clears the window to a palette colour and forgets everything drawn.
    void clear(int colour);
    // Adds a primitive, dropping the earlier ones it paints over completely.
    void add(SceneOp op);

    int background() const { return background_; }
    const std::vector<SceneOp>& ops() const { return ops_; }

    // Paints one primitive, or the background and every primitive, at scale
    // device pixels per twip. Box edges are rounded to whole pixels, so
    // neighbouring squares meet without seams or overlaps.
    static void paint(QPainter& painter, double scale, const SceneOp& op);
    void paintAll(QPainter& painter, double scale) const;

    // Lists longer than this are folded into one image of the window; only a
    // pathological sequence of never-covered texts gets there.
    static constexpr std::size_t kFoldLimit = 20000;
    // Folds the list into the given image of the whole window.
    void fold(const QImage& window);

    // The primitive's box and line width in device pixels.
    static QRect pixelRect(const QRectF& twips, double scale);
    static int lineWidth(double scale);

private:
    // Whether every pixel the op could touch lies inside what `cover` paints opaquely.
    static bool covers(const SceneOp& cover, const SceneOp& op);

    int background_ = 0;
    std::vector<SceneOp> ops_;
};

// Fills the text op's ink box (twips) from the board font's metrics.
void measureText(SceneOp& op);

// The captions around the board are printed twice: a black copy a tenth of a
// square right and down (two tenths for the thinking notice), then the
// caption in its own colour. At that distance the copy reads as a second,
// misplaced character, and the next square or box cuts it. When `text` is
// the caption of the black copy `shadow`, this moves the copy to sit just
// behind the caption, a tenth of the font size right and down (so it grows
// with the board, and never less than two pixels), and returns true.
bool fitShadow(SceneOp& shadow, const SceneOp& text);

}  // namespace bexoru::qt
