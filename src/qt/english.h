#pragma once
// The window's English. The controller hands over every text in Japanese,
// exactly as the Japanese game shows it; in English the window shows the
// English of each, looked up through Qt's translation system in the
// catalogue src/qt/bexoru_en.ts (context "Bexoru", one message a line),
// built into the program as bexoru_en.qm.
//
// A text is looked up whole first. A text that is not in the catalogue is
// taken apart, and each part looked up:
//  - spaces around it stay as they are ("   ** 王手 **");
//  - its numbers stand as %1, %2 ... ("棋譜ﾌｧｲﾙの12行目が読めません" is the
//    catalogue's "棋譜ﾌｧｲﾙの%1行目が読めません");
//  - a square, with or without a piece, is written as Western players write
//    it: the file 1 to 12 from the right, the rank a to l from the top, the
//    piece by its name ("７六獅" is "Lion 7f"; context "Piece"), or by its
//    short name where room is short ("Ln 7f", the side panel's label alone);
//  - a text joined from two ("読み込めません: " and the reason, a title and a
//    position, the two squares of a double move) is split at the joint
//    (":\n", ": ", a line break, "→", ";;", last a space: a move list's
//    "12 ７六獅→８五") and each side looked up.
// What holds no Japanese (numbers, "LEVEL3", a system error) and a file's
// name ("その他.wav") are shown as they are.

#include <QString>
#include <QStringList>
#include <optional>

class QTranslator;

namespace bexoru::qt {

// Whether a text holds Japanese: kana, kanji or full-width forms.
bool hasJapanese(const QString& text);

class English {
public:
    // How a piece beside a square is named: "Lion 7f" or, where room is short, "Ln 7f".
    enum class Names { Full, Short };

    // Loads the catalogue built into the program.
    English();
    ~English();
    English(const English&) = delete;
    English& operator=(const English&) = delete;

    // Whether the catalogue was found.
    bool available() const;

    // Turns the English on or off: the catalogue is installed into (or
    // removed from) the application, so every widget receives a
    // LanguageChange, and Qt's own Japanese (はい, いいえ) steps aside
    // while English is on.
    void setOn(bool on);
    bool on() const { return on_; }

    // What the window shows for one of the controller's Japanese texts: the
    // text itself, unchanged, while English is off; its English while on,
    // with any part the catalogue lacks left in Japanese.
    QString show(const QString& japanese, Names names = Names::Full) const;

    // The English of a text whether on or off, or nothing when some
    // Japanese in it has none; `missing` then names the parts without one.
    std::optional<QString> translate(const QString& japanese, QStringList* missing = nullptr,
                                     Names names = Names::Full) const;

private:
    QString render(const QString& text, Names names, QStringList& missing) const;
    std::optional<QString> lookup(const QString& text, const char* context = kTexts) const;
    std::optional<QString> square(const QString& text, Names names) const;

    static constexpr const char* kTexts = "Bexoru";
    static constexpr const char* kPieces = "Piece";

    QTranslator* translator_;
    bool loaded_ = false;
    bool on_ = false;
};

}  // namespace bexoru::qt
