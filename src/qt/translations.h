#pragma once
// Qt's own Japanese texts (the standard buttons' はい, いいえ, キャンセル ...),
// from the translations installed with Qt. The game's own texts are Japanese
// already, so these are loaded whatever the desktop's language.

class QCoreApplication;

namespace bexoru::qt {

// True when the translation was found and installed.
bool loadQtJapanese(QCoreApplication& app);

// Steps Qt's own Japanese aside (false) while the window is in English, and
// brings it back (true). Nothing happens when it was never loaded.
void useQtJapanese(bool on);

}  // namespace bexoru::qt
