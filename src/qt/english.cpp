#include "qt/english.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>
#include <array>

#include "qt/translations.h"

namespace bexoru::qt {

namespace {

// Where a text that was not found whole may be split, tried in this order.
constexpr std::array<const char*, 7> kJoints = {":\n", ": ", "\r\n", "\n", "→", ";;", " "};

}  // namespace

bool hasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0x4E00 && u <= 0x9FFF) ||
            (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

English::English() : translator_(new QTranslator) {
    loaded_ = translator_->load(QStringLiteral(":/i18n/bexoru_en.qm"));
}

English::~English() {
    setOn(false);
    delete translator_;
}

bool English::available() const {
    return loaded_;
}

void English::setOn(bool on) {
    if (on == on_ || !loaded_) return;
    on_ = on;
    // Qt's standard buttons follow: Yes and No in English, はい and いいえ in Japanese.
    useQtJapanese(!on);
    if (on)
        QCoreApplication::installTranslator(translator_);
    else
        QCoreApplication::removeTranslator(translator_);
}

QString English::show(const QString& japanese, Names names) const {
    if (!on_) return japanese;
    QStringList missing;
    return render(japanese, names, missing);
}

std::optional<QString> English::translate(const QString& japanese, QStringList* missing, Names names) const {
    QStringList lacking;
    QString english = render(japanese, names, lacking);
    if (missing) *missing = lacking;
    if (!lacking.isEmpty()) return std::nullopt;
    return english;
}

std::optional<QString> English::lookup(const QString& text, const char* context) const {
    const QString found = translator_->translate(context, text.toUtf8().constData());
    if (found.isEmpty()) return std::nullopt;
    return found;
}

std::optional<QString> English::square(const QString& text, Names names) const {
    // A column "１".."９" or "10".."12", a row "一".."十二", perhaps a piece's label.
    static const QRegularExpression pattern(
        QStringLiteral("^(1[0-2]|[１-９])(十二|十一|十|[一二三四五六七八九])(.?)$"));
    static const QStringList rows = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二"};
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch()) return std::nullopt;
    const QString column = m.captured(1);
    const int file = column.size() == 2 ? column.toInt() : column.at(0).unicode() - u'０';
    const int rank = static_cast<int>(rows.indexOf(m.captured(2)));
    QString english = QString::number(file) + QChar(u'a' + rank);
    if (const QString label = m.captured(3); !label.isEmpty()) {
        const std::optional<QString> piece = lookup(label, names == Names::Short ? kTexts : kPieces);
        if (!piece) return std::nullopt;
        english = *piece + ' ' + english;
    }
    return english;
}

QString English::render(const QString& text, Names names, QStringList& missing) const {
    if (!hasJapanese(text)) return text;
    if (const auto whole = lookup(text)) return *whole;

    // The spaces around a text are kept (a message box's indent).
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin).isSpace()) ++begin;
    while (end > begin && text.at(end - 1).isSpace()) --end;
    if (begin > 0 || end < text.size())
        return text.left(begin) + render(text.mid(begin, end - begin), names, missing) + text.mid(end);

    // Numbers stand as %1, %2 ... in the catalogue.
    static const QRegularExpression number(QStringLiteral("[0-9]+"));
    QString pattern;
    QStringList numbers;
    qsizetype done = 0;
    for (auto it = number.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        numbers << m.captured();
        pattern += text.mid(done, m.capturedStart() - done) + '%' + QString::number(numbers.size());
        done = m.capturedEnd();
    }
    if (!numbers.isEmpty()) {
        pattern += text.mid(done);
        if (auto english = lookup(pattern)) {
            // From the last, so that %1 does not take the front of %10.
            for (qsizetype i = numbers.size(); i >= 1; --i)
                english->replace('%' + QString::number(i), numbers.at(i - 1));
            return *english;
        }
    }

    if (const auto s = square(text, names)) return *s;

    // A file's name ("その他.wav") is shown as it is.
    static const QRegularExpression fileName(QStringLiteral("^\\S+\\.[^.\\s]{1,4}$"));
    if (fileName.match(text).hasMatch()) return text;

    for (const char* joint : kJoints) {
        const QString j = QString::fromUtf8(joint);
        const qsizetype at = text.indexOf(j);
        if (at < 0) continue;
        return render(text.left(at), names, missing) + j + render(text.mid(at + j.size()), names, missing);
    }
    missing << text;
    return text;
}

}  // namespace bexoru::qt
