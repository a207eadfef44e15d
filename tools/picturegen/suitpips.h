#pragma once

#include <QRgb>

#include "tools/picturegen/pixelcanvas.h"

enum class Suit { Spade, Heart, Diamond, Club };

// The suit symbols at the three sizes the cards use. Pips are drawn in '#'
// ink; SuitInk gives the colour of the suit.
namespace SuitPips {
QRgb SuitInk(Suit suit);
const PixelArt& Small(Suit suit);   // corner index, 7 wide
const PixelArt& Medium(Suit suit);  // pips of the number cards, 11 wide
PixelArt Large(Suit suit, int width, int height);  // the Ace's centre
}  // namespace SuitPips
