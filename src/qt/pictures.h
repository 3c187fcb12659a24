#pragma once
// The board's pictures, drawn in code: the 78 piece pictures (39 kinds, each
// for the upper army "UE_..." and the lower army "SITA_..."), the empty square
// "KARA_MASU" and the title plate "TITLE".
//
// A piece picture is a whole board square: the square's wood background with
// the pentagonal piece on it, the piece's two-kanji name written on it in
// black ink (red for promoted pieces). Upper-army pictures are the lower-army
// ones turned half a turn, as the upper army faces the player at the bottom.
// Pictures are vector drawings, rendered afresh for each pixel size so they
// stay crisp at any window zoom and device pixel ratio.

#include <QImage>
#include <QSize>

#include <string>
#include <string_view>
#include <vector>

namespace bexoru::qt {

// Every picture name the window knows: the 78 piece pictures, then
// "KARA_MASU" and "TITLE".
const std::vector<std::string>& pictureNames();

// Logical size in pixels at zoom 1: 34x40 for the square and the pieces,
// 100x32 for TITLE. An invalid QSize for unknown names.
QSize pictureBaseSize(std::string_view name);

// Renders the picture filling exactly pixelSize. Below about 30 pixels tall a
// piece shows only its one-character label, in larger type, to stay legible.
// Unknown names and empty sizes give a null QImage. Results are cached, so
// calling this on every repaint is cheap; needs a QGuiApplication.
QImage renderPicture(std::string_view name, QSize pixelSize);

}  // namespace bexoru::qt
