#pragma once
#include <QColor>

namespace bexoru::qt {

// The 16 colours of the classic palette, by index 0..15; out-of-range indices give black.
inline QColor paletteColour(int index) {
    static const QRgb table[16] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    return index >= 0 && index < 16 ? QColor(table[index]) : QColor(Qt::black);
}

}  // namespace bexoru::qt
