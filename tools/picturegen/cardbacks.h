#pragma once

#include "tools/picturegen/pixelcanvas.h"

namespace CardBacks {
// Back 1..12.
PixelCanvas Back(int number);
// The monogram of back 12 with the word "JOKER" above and below it.
PixelCanvas Joker();
}  // namespace CardBacks
