#pragma once

#include "tools/picturegen/pixelcanvas.h"
#include "tools/picturegen/suitpips.h"

// The framed, double-ended portraits of the Jack (11), Queen (12) and King (13).
namespace CourtFigures {
void Draw(PixelCanvas& card, Suit suit, int rank);
}  // namespace CourtFigures
