#include "qt/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace bexoru::qt {

namespace {

// Japanese serif faces in order of preference. The proportional IPA Mincho
// comes first: its kana sit better next to kanji in the captions.
const QStringList& preferredFamilies() {
    static const QStringList families = {
        QStringLiteral("IPAPMincho"),          QStringLiteral("IPA P明朝"),
        QStringLiteral("Noto Serif CJK JP"),   QStringLiteral("Noto Serif JP"),
        QStringLiteral("Source Han Serif JP"), QStringLiteral("Source Han Serif"),
        QStringLiteral("IPAMincho"),           QStringLiteral("IPA明朝"),
        QStringLiteral("IPAexMincho"),         QStringLiteral("TakaoPMincho"),
        QStringLiteral("TakaoMincho"),         QStringLiteral("Sawarabi Mincho"),
        QStringLiteral("Noto Serif CJK SC"),   QStringLiteral("Noto Serif CJK TC"),
        QStringLiteral("AR PL UMing CN"),
    };
    return families;
}

bool looksLikeSerif(const QString& family) {
    static const char* const hints[] = {"mincho", "明朝", "serif", "ming", "song"};
    const QString lower = family.toLower();
    for (const char* hint : hints) {
        if (lower.contains(QString::fromUtf8(hint))) return true;
    }
    return false;
}

QString chooseFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const QString& wanted : preferredFamilies()) {
        for (const QString& family : installed) {
            if (family.compare(wanted, Qt::CaseInsensitive) == 0) return family;
        }
    }
    // Anything else that can write Japanese and calls itself a serif face.
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    for (const QString& family : japanese) {
        if (looksLikeSerif(family)) return family;
    }
    // A Japanese face of any style still beats tofu boxes.
    if (!japanese.isEmpty()) return japanese.front();
    const QString fallback = QGuiApplication::font().family();
    if (!fallback.isEmpty()) return fallback;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace

QString boardFontFamily() {
    static const QString family = chooseFamily();
    return family;
}

QFont boardFont(qreal pointSize) {
    QFont font(boardFontFamily());
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace bexoru::qt
