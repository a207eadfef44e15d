#pragma once

#include <QRgb>

#include "tools/picturegen/pixelcanvas.h"
#include "tools/picturegen/suitpips.h"

namespace CardFaces {
constexpr int Width = 71;
constexpr int Height = 95;

// A card-sized canvas filled with one colour inside the rounded black
// outline, with the three pixels outside the outline at each corner light grey.
PixelCanvas Blank(QRgb inside);
// The face of a card: rank 1 (Ace) to 13 (King).
PixelCanvas Face(Suit suit, int rank);
}  // namespace CardFaces
