#pragma once
// Qt's own Japanese texts (the standard buttons' はい, いいえ, キャンセル ...),
// from the translations installed with Qt. The game's own texts are Japanese
// already, so these are loaded whatever the desktop's language.

class QCoreApplication;

namespace bexoru::qt {

// True when the translation was found and installed.
bool loadQtJapanese(QCoreApplication& app);

}  // namespace bexoru::qt
