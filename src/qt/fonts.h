#pragma once
// The board's typeface. Piece names, the title plate and the board captions
// are all set in one Japanese serif (Mincho) face so they match.

#include <QFont>
#include <QString>

namespace bexoru::qt {

// The board's font family: "IPAPMincho" when installed, else another
// installed Japanese serif ("Noto Serif CJK JP", "IPAMincho", ...), else the
// application's default family. Decided on the first call and kept; needs a
// QGuiApplication.
QString boardFontFamily();

// The board font at the given point size, normal weight.
QFont boardFont(qreal pointSize);

}  // namespace bexoru::qt
