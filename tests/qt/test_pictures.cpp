// Tests for the board pictures and the board font. Run with
// QT_QPA_PLATFORM=offscreen; main() below makes the QGuiApplication.

#include "qt/fonts.h"
#include "qt/pictures.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using bexoru::qt::boardFont;
using bexoru::qt::boardFontFamily;
using bexoru::qt::pictureBaseSize;
using bexoru::qt::pictureNames;
using bexoru::qt::renderPicture;

// The 39 kinds, written out here rather than taken from the code under test.
const std::vector<std::string> kBases = {
    "HU",     "TO",    "KYOU",   "SIRO",   "DOU",   "YOKO_R", "YOKO_B", "INO",   "GIN",    "TATE_R",
    "TATE_B", "USI",   "KIN",    "SYA_R",  "SYA_B", "RYUU_R", "RYUU_B", "WASI",  "HYOU",   "KAKU_R",
    "KAKU_B", "UMA_R", "UMA_B",  "TAKA",   "HOU",   "HON_R",  "HON_B",  "HEN",   "KUJIRA", "TORA",
    "SIKA",   "KIRIN", "SISI_R", "SISI_B", "NAKA",  "ZOU_R",  "ZOU_B",  "TAISI", "OU",
};

const std::set<std::string> kPromoted = {
    "TO",     "SIRO",  "YOKO_R", "INO",   "TATE_R", "USI",  "SYA_R",  "RYUU_R", "WASI",
    "KAKU_R", "UMA_R", "TAKA",   "HON_R", "KUJIRA", "SIKA", "SISI_R", "ZOU_R",  "TAISI",
};

const QSize kBase(34, 40);

bool isClearlyRed(QRgb pixel) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    return r >= 140 && g <= r / 2 && b <= r / 2;
}

bool isInkDark(QRgb pixel) {
    return qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

template <typename Predicate>
int countPixels(const QImage& image, Predicate predicate) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += predicate(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

bool fullyOpaque(const QImage& image) {
    return countPixels(image, [](QRgb p) { return qAlpha(p) != 255; }) == 0;
}

QImage turnedHalfway(const QImage& image) {
    return image.mirrored(true, true);
}

// --- names and sizes -------------------------------------------------------

TEST(PictureNames, ExactlyTheEightyNamesTheWindowUses) {
    const auto& names = pictureNames();
    const std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(names.size(), 80u);
    EXPECT_EQ(unique.size(), names.size()) << "duplicate picture names";

    std::set<std::string> expected = {"KARA_MASU", "TITLE"};
    for (const std::string& base : kBases) {
        expected.insert("UE_" + base);
        expected.insert("SITA_" + base);
    }
    EXPECT_EQ(unique, expected);

    const auto count = [&](const std::string& prefix) {
        return std::count_if(names.begin(), names.end(), [&](const std::string& n) { return n.rfind(prefix, 0) == 0; });
    };
    EXPECT_EQ(count("UE_"), 39);
    EXPECT_EQ(count("SITA_"), 39);
}

TEST(PictureNames, BaseSizes) {
    for (const std::string& name : pictureNames()) {
        const QSize expected = name == "TITLE" ? QSize(100, 32) : kBase;
        EXPECT_EQ(pictureBaseSize(name), expected) << name;
    }
}

TEST(PictureNames, UnknownNamesHaveNoSizeAndNoPicture) {
    for (const char* name : {"", "UE_", "SITA_", "HU", "ue_hu", "UE_HU ", "UE_KARA_MASU", "SITA_TITLE", "UE_YOKO",
                             "SITA_OU_R", "KARA_MAS", "TITLEX"}) {
        EXPECT_FALSE(pictureBaseSize(name).isValid()) << '"' << name << '"';
        EXPECT_TRUE(renderPicture(name, kBase).isNull()) << '"' << name << '"';
    }
}

TEST(PictureNames, EmptySizesGiveNoPicture) {
    EXPECT_TRUE(renderPicture("SITA_HU", QSize(0, 40)).isNull());
    EXPECT_TRUE(renderPicture("SITA_HU", QSize(34, 0)).isNull());
    EXPECT_TRUE(renderPicture("KARA_MASU", QSize(-1, -1)).isNull());
    EXPECT_TRUE(renderPicture("TITLE", QSize()).isNull());
}

// --- rendering -------------------------------------------------------------

TEST(Rendering, EveryPictureFillsTheRequestedSizeOpaquely) {
    // Zoom 1, 2 and 3, an uneven zoom, and a size below the one-character limit.
    for (const double zoom : {1.0, 2.0, 3.0, 1.37, 0.5}) {
        for (const std::string& name : pictureNames()) {
            const QSize base = pictureBaseSize(name);
            const QSize size(qRound(base.width() * zoom), qRound(base.height() * zoom));
            const QImage image = renderPicture(name, size);
            ASSERT_FALSE(image.isNull()) << name << " at " << zoom;
            EXPECT_EQ(image.size(), size) << name << " at " << zoom;
            // A see-through pixel would let the window's green show through the board.
            EXPECT_TRUE(fullyOpaque(image)) << name << " at " << zoom;
        }
    }
}

TEST(Rendering, SamePictureTwiceIsTheSameImage) {
    const QImage first = renderPicture("SITA_KIRIN", QSize(51, 60));
    renderPicture("SITA_KIRIN", QSize(68, 80));
    renderPicture("UE_KIRIN", QSize(51, 60));
    EXPECT_EQ(renderPicture("SITA_KIRIN", QSize(51, 60)), first);
}

TEST(Rendering, PiecesSitOnTheEmptySquare) {
    const QSize size(68, 80);
    const QImage empty = renderPicture("KARA_MASU", size);
    // Points (at zoom 2) near the corners at the piece's pointed end and
    // beside its point: bare board in every piece picture.
    const std::vector<QPoint> lowerBackground = {{4, 4}, {64, 4}, {12, 8}, {56, 8}};
    for (const std::string& base : kBases) {
        const QImage lower = renderPicture("SITA_" + base, size);
        const QImage upper = renderPicture("UE_" + base, size);
        for (const QPoint& p : lowerBackground) {
            const QPoint turned(size.width() - 1 - p.x(), size.height() - 1 - p.y());
            EXPECT_EQ(lower.pixel(p), empty.pixel(p)) << "SITA_" << base;
            EXPECT_EQ(upper.pixel(turned), empty.pixel(turned)) << "UE_" << base;
        }
        // The square's edge lines run all round, under the piece as well.
        EXPECT_EQ(lower.pixel(34, 0), empty.pixel(34, 0)) << base;
        EXPECT_EQ(lower.pixel(34, 79), empty.pixel(34, 79)) << base;
        EXPECT_EQ(lower.pixel(0, 40), empty.pixel(0, 40)) << base;
        EXPECT_EQ(lower.pixel(67, 40), empty.pixel(67, 40)) << base;
    }
}

TEST(Rendering, LowerPiecesPointUpAndUpperPiecesPointDown) {
    const QSize size(68, 80);
    const QImage empty = renderPicture("KARA_MASU", size);
    const QImage lower = renderPicture("SITA_KIN", size);
    const QImage upper = renderPicture("UE_KIN", size);
    // Above the lower piece's left shoulder is board; the same spot near
    // the bottom is the piece's wide foot.
    EXPECT_EQ(lower.pixel(12, 8), empty.pixel(12, 8));
    EXPECT_NE(lower.pixel(12, 72), empty.pixel(12, 72));
    EXPECT_NE(upper.pixel(12, 8), empty.pixel(12, 8));
    EXPECT_EQ(upper.pixel(12, 72), empty.pixel(12, 72));
}

TEST(Rendering, EmptySquareIsWoodWithDarkerEdges) {
    const QImage empty = renderPicture("KARA_MASU", kBase);
    const QColor middle = empty.pixelColor(17, 20);
    const QColor edge = empty.pixelColor(17, 0);
    // Wood: warm and light, nothing like the window's green.
    EXPECT_GT(middle.red(), middle.green());
    EXPECT_GT(middle.green(), middle.blue());
    EXPECT_GT(middle.lightness(), 140);
    EXPECT_LT(edge.lightness(), middle.lightness());
    EXPECT_EQ(empty, turnedHalfway(empty));
}

TEST(Rendering, UpperPicturesAreLowerPicturesTurnedHalfway) {
    for (const QSize size : {kBase, QSize(68, 80), QSize(51, 60), QSize(20, 24)}) {
        for (const std::string& base : kBases) {
            if (base == "OU" && size.height() >= 30) continue;  // 王将 against 玉将, below
            EXPECT_EQ(renderPicture("UE_" + base, size), turnedHalfway(renderPicture("SITA_" + base, size)))
                << base << " at " << size.width() << "x" << size.height();
        }
    }
}

TEST(Rendering, KingsAreNamedForTheirSideExceptInOneCharacterPictures) {
    // Full size: the upper king is 王将, the lower king 玉将.
    for (const QSize size : {QSize(26, 30), kBase, QSize(68, 80)}) {
        EXPECT_NE(renderPicture("UE_OU", size), turnedHalfway(renderPicture("SITA_OU", size))) << size.height();
    }
    // Too small for two characters both show 王.
    for (const QSize size : {QSize(25, 29), QSize(17, 20)}) {
        EXPECT_EQ(renderPicture("UE_OU", size), turnedHalfway(renderPicture("SITA_OU", size))) << size.height();
    }
}

TEST(Rendering, PromotedPiecesInRedInkOthersInBlack) {
    for (const QSize size : {kBase, QSize(68, 80), QSize(20, 24)}) {
        for (const std::string& base : kBases) {
            for (const char* prefix : {"UE_", "SITA_"}) {
                const QImage image = renderPicture(prefix + base, size);
                const int red = countPixels(image, isClearlyRed);
                const int dark = countPixels(image, isInkDark);
                const int area = size.width() * size.height();
                if (kPromoted.count(base)) {
                    EXPECT_GT(red, area / 40) << prefix << base << " at " << size.height();
                    EXPECT_EQ(dark, 0) << prefix << base << " at " << size.height();
                } else {
                    EXPECT_EQ(red, 0) << prefix << base << " at " << size.height();
                    EXPECT_GT(dark, area / 40) << prefix << base << " at " << size.height();
                }
            }
        }
    }
    EXPECT_EQ(countPixels(renderPicture("KARA_MASU", kBase), isClearlyRed), 0);
}

// Where the ink lies and in which colour; blank wood and board read as 0.
std::vector<char> inkPattern(const QImage& image) {
    std::vector<char> pattern;
    pattern.reserve(image.width() * image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            pattern.push_back(isInkDark(p) ? 1 : isClearlyRed(p) ? 2 : 0);
        }
    }
    return pattern;
}

TEST(Rendering, EveryKindIsWrittenDifferently) {
    // A kind given another kind's name, or none, would repeat an ink pattern.
    // The promoted and starting forms of a piece share their characters and
    // differ in the colour of the ink only.
    for (const QSize size : {kBase, QSize(68, 80), QSize(20, 24)}) {
        std::vector<std::vector<char>> seen;
        for (const std::string& base : kBases) {
            const std::vector<char> ink = inkPattern(renderPicture("SITA_" + base, size));
            for (std::size_t i = 0; i < seen.size(); ++i) {
                EXPECT_NE(ink, seen[i]) << base << " is written like " << kBases[i] << " at " << size.height();
            }
            seen.push_back(ink);
        }
    }
}

TEST(Rendering, TitleIsDrawn) {
    const QImage title = renderPicture("TITLE", QSize(200, 64));
    // Not a flat plate: the lettering shows as light pixels on the dark plate.
    const int light = countPixels(title, [](QRgb p) { return qGray(p) > 150; });
    const int dark = countPixels(title, [](QRgb p) { return qGray(p) < 60; });
    EXPECT_GT(light, 200);
    EXPECT_GT(dark, 200 * 64 / 2);
}

// --- the board font --------------------------------------------------------

TEST(BoardFont, FamilyIsChosenOnceAndPrefersIpaPMincho) {
    const QString family = boardFontFamily();
    EXPECT_FALSE(family.isEmpty());
    EXPECT_EQ(boardFontFamily(), family);
    if (QFontDatabase::families().contains(QStringLiteral("IPAPMincho"))) {
        EXPECT_EQ(family, QStringLiteral("IPAPMincho"));
    }
}

TEST(BoardFont, FontHasTheFamilySizeAndNormalWeight) {
    const QFont font = boardFont(13.5);
    EXPECT_EQ(font.family(), boardFontFamily());
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 13.5);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
