#pragma once

#include <string_view>

#include "tools/picturegen/pixelcanvas.h"

// Letters drawn pixel by pixel, so that no system font decides their shape.
namespace PixelFont {
// Bold corner index of a card rank 1..13 ("A", "2".."10", "J", "Q", "K"), 9 rows high.
const PixelArt& RankGlyph(int rank);
// A word in the small 5 x 7 capitals (A-Z and digits that the pictures use); '#' ink.
PixelArt Text(std::string_view text);
}  // namespace PixelFont
