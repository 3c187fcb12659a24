#include "qt/pictures.h"

#include "qt/fonts.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>
#include <tuple>

namespace bexoru::qt {

namespace {

// ---------------------------------------------------------------------------
// The kinds

struct Kind {
    std::string_view base;  // picture name without the army prefix
    const char* label;      // the one-character label (UTF-8)
    const char* name;       // the two-kanji name written on the piece
    const char* upperName;  // name for the upper army when it differs, else nullptr
    bool promoted;          // written in red
};

// The "_R" kinds are the promoted forms of pieces that also exist unpromoted
// ("_B"); they look the same apart from the red ink.
constexpr std::array<Kind, 39> kKinds = {{
    {"HU", "歩", "歩兵", nullptr, false},
    {"TO", "と", "と金", nullptr, true},
    {"KYOU", "香", "香車", nullptr, false},
    {"SIRO", "白", "白駒", nullptr, true},
    {"DOU", "銅", "銅将", nullptr, false},
    {"YOKO_R", "横", "横行", nullptr, true},
    {"YOKO_B", "横", "横行", nullptr, false},
    {"INO", "猪", "奔猪", nullptr, true},
    {"GIN", "銀", "銀将", nullptr, false},
    {"TATE_R", "竪", "竪行", nullptr, true},
    {"TATE_B", "竪", "竪行", nullptr, false},
    {"USI", "牛", "飛牛", nullptr, true},
    {"KIN", "金", "金将", nullptr, false},
    {"SYA_R", "飛", "飛車", nullptr, true},
    {"SYA_B", "飛", "飛車", nullptr, false},
    {"RYUU_R", "龍", "龍王", nullptr, true},
    {"RYUU_B", "龍", "龍王", nullptr, false},
    {"WASI", "鷲", "飛鷲", nullptr, true},
    {"HYOU", "豹", "猛豹", nullptr, false},
    {"KAKU_R", "角", "角行", nullptr, true},
    {"KAKU_B", "角", "角行", nullptr, false},
    {"UMA_R", "馬", "龍馬", nullptr, true},
    {"UMA_B", "馬", "龍馬", nullptr, false},
    {"TAKA", "鷹", "角鷹", nullptr, true},
    {"HOU", "鳳", "鳳凰", nullptr, false},
    {"HON_R", "奔", "奔王", nullptr, true},
    {"HON_B", "奔", "奔王", nullptr, false},
    {"HEN", "反", "反車", nullptr, false},
    {"KUJIRA", "鯨", "鯨鯢", nullptr, true},
    {"TORA", "虎", "盲虎", nullptr, false},
    {"SIKA", "鹿", "飛鹿", nullptr, true},
    {"KIRIN", "麒", "麒麟", nullptr, false},
    {"SISI_R", "獅", "獅子", nullptr, true},
    {"SISI_B", "獅", "獅子", nullptr, false},
    {"NAKA", "仲", "仲人", nullptr, false},
    {"ZOU_R", "象", "酔象", nullptr, true},
    {"ZOU_B", "象", "酔象", nullptr, false},
    {"TAISI", "太", "太子", nullptr, true},
    // The upper side's king is traditionally 王将, the lower side's 玉将.
    {"OU", "王", "玉将", "王将", false},
}};

constexpr std::string_view kUpperPrefix = "UE_";
constexpr std::string_view kLowerPrefix = "SITA_";
constexpr std::string_view kEmptySquare = "KARA_MASU";
constexpr std::string_view kTitle = "TITLE";

constexpr QSize kSquareSize(34, 40);
constexpr QSize kTitleSize(100, 32);

// Below this many pixels tall a piece shows its one-character label only.
constexpr int kTwoCharacterMinHeight = 30;

enum class PictureType { Piece, EmptySquare, Title };

struct PictureId {
    PictureType type;
    const Kind* kind = nullptr;  // pieces only
    bool upper = false;          // pieces only
};

const Kind* findKind(std::string_view base) {
    for (const Kind& kind : kKinds) {
        if (kind.base == base) return &kind;
    }
    return nullptr;
}

std::optional<PictureId> parseName(std::string_view name) {
    if (name == kEmptySquare) return PictureId{PictureType::EmptySquare};
    if (name == kTitle) return PictureId{PictureType::Title};
    bool upper = false;
    if (name.starts_with(kUpperPrefix)) {
        upper = true;
        name.remove_prefix(kUpperPrefix.size());
    } else if (name.starts_with(kLowerPrefix)) {
        name.remove_prefix(kLowerPrefix.size());
    } else {
        return std::nullopt;
    }
    const Kind* kind = findKind(name);
    if (kind == nullptr) return std::nullopt;
    return PictureId{PictureType::Piece, kind, upper};
}

// ---------------------------------------------------------------------------
// Colours

const QColor kBoardWood(226, 186, 116);
const QColor kBoardLine(128, 86, 40, 190);
const QColor kPieceLight(250, 232, 180);
const QColor kPieceMid(240, 212, 148);
const QColor kPieceEdge(214, 172, 102);
const QColor kPieceOutline(104, 66, 30);
const QColor kPieceHighlight(255, 248, 222, 150);
const QColor kGrain(176, 128, 62, 34);
const QColor kBlackInk(24, 16, 10);
const QColor kRedInk(196, 18, 16);

// ---------------------------------------------------------------------------
// Glyph outlines

// Outline of one character at a 100-pixel em, with the font's baseline at
// y = 0. Outlines are drawn as paths so they scale to any size unhinted.
constexpr qreal kReferenceEm = 100.0;

const QPainterPath& glyphPath(const QString& character) {
    static QHash<QString, QPainterPath> cache;
    auto found = cache.constFind(character);
    if (found != cache.constEnd()) return *found;
    QFont font = boardFont(12);
    font.setPixelSize(static_cast<int>(kReferenceEm));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    QPainterPath path;
    path.addText(0, 0, font, character);
    return *cache.insert(character, path);
}

// Fills the glyph so that it is em units tall (em square), centred on centre,
// scaled down if it would be wider than maxWidth. xStretch narrows (<1) or
// widens the glyph the way brush-written piece names are a little tall.
// embolden thickens the strokes by that fraction of the em, which keeps
// thin Mincho hairlines from fading out at small sizes.
void drawGlyph(QPainter& painter, const QString& character, QPointF centre, qreal em, qreal maxWidth, qreal xStretch,
               qreal embolden, const QColor& ink) {
    const QPainterPath& path = glyphPath(character);
    const QRectF box = path.boundingRect();
    if (box.isEmpty()) return;
    qreal scale = em / kReferenceEm;
    const qreal width = box.width() * scale * xStretch;
    if (width > maxWidth) scale *= maxWidth / width;

    painter.save();
    painter.translate(centre);
    painter.scale(scale * xStretch, scale);
    painter.translate(-box.center());
    if (embolden > 0) {
        QPen pen(ink, embolden * kReferenceEm);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.setBrush(ink);
    painter.drawPath(path);
    painter.restore();
}

// ---------------------------------------------------------------------------
// The square

// The board square filling the whole image. Each square draws half of the
// grid line on all four sides, so neighbouring squares make one line and the
// square looks the same turned half a turn.
void drawSquare(QPainter& painter, QSize pixels) {
    painter.fillRect(QRect(QPoint(0, 0), pixels), kBoardWood);
    const qreal scale =
        std::min(pixels.width() / qreal(kSquareSize.width()), pixels.height() / qreal(kSquareSize.height()));
    const int line = std::max(1, static_cast<int>(std::lround(0.55 * scale)));
    const int w = pixels.width();
    const int h = pixels.height();
    painter.fillRect(QRect(0, 0, w, line), kBoardLine);
    painter.fillRect(QRect(0, h - line, w, line), kBoardLine);
    painter.fillRect(QRect(0, line, line, h - 2 * line), kBoardLine);
    painter.fillRect(QRect(w - line, line, line, h - 2 * line), kBoardLine);
}

// ---------------------------------------------------------------------------
// The piece, drawn pointing up in the 34x40 logical square

QPolygonF pieceOutline() {
    return QPolygonF({
        QPointF(17.0, 2.4),   // point
        QPointF(27.6, 8.4),   // right shoulder
        QPointF(29.8, 37.4),  // right foot
        QPointF(4.2, 37.4),   // left foot
        QPointF(6.4, 8.4),    // left shoulder
    });
}

// The outline moved inward by inset units along each edge's normal.
QPolygonF insetPolygon(const QPolygonF& outline, qreal inset) {
    const int n = outline.size();
    QPolygonF result;
    for (int i = 0; i < n; ++i) {
        const QPointF prev = outline[(i + n - 1) % n];
        const QPointF here = outline[i];
        const QPointF next = outline[(i + 1) % n];
        auto inwardNormal = [](QPointF a, QPointF b) {
            // Vertices run clockwise on screen (y down), so the inside is to
            // the right of each edge.
            const QPointF d = b - a;
            const qreal len = std::hypot(d.x(), d.y());
            return QPointF(-d.y() / len, d.x() / len);
        };
        const QPointF n1 = inwardNormal(prev, here);
        const QPointF n2 = inwardNormal(here, next);
        QPointF bisector = n1 + n2;
        const qreal cosHalf = (bisector.x() * n1.x() + bisector.y() * n1.y()) / std::hypot(bisector.x(), bisector.y());
        bisector /= std::hypot(bisector.x(), bisector.y());
        result << here + bisector * (inset / cosHalf);
    }
    return result;
}

// A few faint grain lines running along the piece, different for each kind
// but fixed, so a picture always renders the same.
void drawGrain(QPainter& painter, const QPolygonF& outline, std::string_view seedText) {
    std::uint32_t seed = 2166136261u;
    for (char c : seedText) seed = (seed ^ static_cast<unsigned char>(c)) * 16777619u;
    auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / qreal(1 << 24);
    };
    QPainterPath clip;
    clip.addPolygon(outline);
    painter.save();
    painter.setClipPath(clip, Qt::IntersectClip);
    QPen pen(kGrain, 0.45);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        const qreal x = 5.0 + 24.0 * (i + next()) / 7.0;
        const qreal sway = 0.6 + 1.4 * next();
        const qreal phase = next() * 6.28;
        QPainterPath line;
        line.moveTo(x + sway * std::sin(phase), 0);
        for (int k = 1; k <= 8; ++k) {
            const qreal y = 40.0 * k / 8.0;
            line.lineTo(x + sway * std::sin(phase + k * 0.7), y);
        }
        painter.drawPath(line);
    }
    painter.restore();
}

void drawPieceBody(QPainter& painter, std::string_view seedText) {
    const QPolygonF outline = pieceOutline();

    // A soft dark rim all round stands the piece off the board without
    // choosing a light direction, which would flip for the upper army.
    QPen rim(QColor(60, 36, 12, 55), 2.0);
    rim.setJoinStyle(Qt::RoundJoin);
    painter.setPen(rim);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);

    // The chamfered edge: the whole face in a darker tone first ...
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPieceEdge);
    painter.drawPolygon(outline);

    // ... then the flat top face, lighter down its middle.
    const QPolygonF face = insetPolygon(outline, 1.3);
    QLinearGradient across(QPointF(4, 0), QPointF(30, 0));
    across.setColorAt(0.0, kPieceMid);
    across.setColorAt(0.42, kPieceLight);
    across.setColorAt(0.58, kPieceLight);
    across.setColorAt(1.0, kPieceMid);
    painter.setBrush(across);
    painter.drawPolygon(face);

    drawGrain(painter, face, seedText);

    // A thin highlight where the face meets the chamfer, and the outline.
    QPen highlight(kPieceHighlight, 0.5);
    highlight.setJoinStyle(Qt::RoundJoin);
    painter.setPen(highlight);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(face);

    QPen edge(kPieceOutline, 0.8);
    edge.setJoinStyle(Qt::RoundJoin);
    painter.setPen(edge);
    painter.drawPolygon(outline);
}

// scale is device pixels per logical unit: thin strokes get a little more
// weight near zoom 1, where a hairline would otherwise fall between pixels.
void drawPieceName(QPainter& painter, const Kind& kind, bool upper, bool small, qreal scale) {
    const QColor& ink = kind.promoted ? kRedInk : kBlackInk;
    const qreal weight = 0.045 + 0.015 * std::clamp(2.0 - scale, 0.0, 1.0);
    if (small) {
        // One character in big type; the hairlines need more weight here.
        drawGlyph(painter, QString::fromUtf8(kind.label), QPointF(17.0, 23.6), 21.0, 21.0, 1.0, 0.07, ink);
        return;
    }
    const char* text = (upper && kind.upperName != nullptr) ? kind.upperName : kind.name;
    const QString name = QString::fromUtf8(text);
    // Two characters stacked, as written on real pieces.
    const qreal em = 14.2;
    drawGlyph(painter, name.mid(0, 1), QPointF(17.0, 16.6), em, 17.5, 0.94, weight, ink);
    drawGlyph(painter, name.mid(1, 1), QPointF(17.0, 29.8), em, 19.5, 0.94, weight, ink);
}

// Paints the piece pointing up; the caller turns it for the upper army.
void drawPiece(QPainter& painter, QSize pixels, const Kind& kind, bool upper) {
    drawSquare(painter, pixels);
    const qreal scale =
        std::min(pixels.width() / qreal(kSquareSize.width()), pixels.height() / qreal(kSquareSize.height()));
    painter.save();
    painter.translate((pixels.width() - kSquareSize.width() * scale) / 2.0,
                      (pixels.height() - kSquareSize.height() * scale) / 2.0);
    painter.scale(scale, scale);
    drawPieceBody(painter, kind.base);
    drawPieceName(painter, kind, upper, pixels.height() < kTwoCharacterMinHeight, scale);
    painter.restore();
}

// ---------------------------------------------------------------------------
// The title plate: a black lacquer plate with a gold frame, "Bexoru" in gold
// and 中将棋 beneath it.

void drawLatin(QPainter& painter, const QString& text, const QRectF& box, const QColor& ink) {
    QFont font = boardFont(12);
    font.setPixelSize(static_cast<int>(kReferenceEm));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty()) return;
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    painter.save();
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    QPen pen(ink, 0.018 * kReferenceEm);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(ink);
    painter.drawPath(path);
    painter.restore();
}

void drawTitle(QPainter& painter, QSize pixels) {
    painter.save();
    painter.scale(pixels.width() / qreal(kTitleSize.width()), pixels.height() / qreal(kTitleSize.height()));
    const QRectF plate(0, 0, kTitleSize.width(), kTitleSize.height());

    QLinearGradient lacquer(plate.topLeft(), plate.bottomLeft());
    lacquer.setColorAt(0.0, QColor(58, 30, 18));
    lacquer.setColorAt(0.5, QColor(34, 16, 10));
    lacquer.setColorAt(1.0, QColor(22, 10, 6));
    painter.fillRect(plate, lacquer);

    const QColor gold(226, 184, 92);
    const QColor paleGold(240, 214, 150);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(gold, 1.0));
    painter.drawRoundedRect(plate.adjusted(1.5, 1.5, -1.5, -1.5), 2.5, 2.5);
    painter.setPen(QPen(QColor(226, 184, 92, 110), 0.5));
    painter.drawRoundedRect(plate.adjusted(3.2, 3.2, -3.2, -3.2), 1.5, 1.5);

    drawLatin(painter, QStringLiteral("Bexoru"), QRectF(14, 5.2, 72, 13.4), paleGold);

    // 中将棋 in small type between two gold rules.
    const QString kanji = QString::fromUtf8("中将棋");
    for (int i = 0; i < 3; ++i) {
        drawGlyph(painter, kanji.mid(i, 1), QPointF(39.0 + 11.0 * i, 24.6), 8.6, 9.0, 1.0, 0.03, paleGold);
    }
    painter.setPen(QPen(gold, 0.6));
    painter.drawLine(QPointF(12, 24.6), QPointF(31.5, 24.6));
    painter.drawLine(QPointF(68.5, 24.6), QPointF(88, 24.6));
    painter.restore();
}

// ---------------------------------------------------------------------------

QImage render(const PictureId& id, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        switch (id.type) {
            case PictureType::EmptySquare:
                drawSquare(painter, pixels);
                break;
            case PictureType::Title:
                drawTitle(painter, pixels);
                break;
            case PictureType::Piece:
                drawPiece(painter, pixels, *id.kind, id.upper);
                break;
        }
    }
    // The upper army's pieces are the lower army's turned half a turn, pixel
    // for pixel.
    if (id.type == PictureType::Piece && id.upper) return image.mirrored(true, true);
    return image;
}

}  // namespace

const std::vector<std::string>& pictureNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        list.reserve(2 * kKinds.size() + 2);
        for (std::string_view prefix : {kUpperPrefix, kLowerPrefix}) {
            for (const Kind& kind : kKinds) list.push_back(std::string(prefix) + std::string(kind.base));
        }
        list.emplace_back(kEmptySquare);
        list.emplace_back(kTitle);
        return list;
    }();
    return names;
}

QSize pictureBaseSize(std::string_view name) {
    const auto id = parseName(name);
    if (!id) return QSize();
    return id->type == PictureType::Title ? kTitleSize : kSquareSize;
}

QImage renderPicture(std::string_view name, QSize pixelSize) {
    const auto id = parseName(name);
    if (!id || pixelSize.isEmpty()) return QImage();

    // The window asks for the same few pictures at the same size on every
    // repaint; keep what has been drawn. A zoom change brings a new size, so
    // the cache is dropped when it grows past a few board's worth.
    static std::mutex mutex;
    static std::map<std::tuple<std::string, int, int>, QImage> cache;
    std::lock_guard lock(mutex);
    auto key = std::make_tuple(std::string(name), pixelSize.width(), pixelSize.height());
    if (auto found = cache.find(key); found != cache.end()) return found->second;
    if (cache.size() >= 4 * pictureNames().size()) cache.clear();
    QImage image = render(*id, pixelSize);
    cache.emplace(std::move(key), image);
    return image;
}

}  // namespace bexoru::qt
