#pragma once

#include <QRgb>

#include "tools/picturegen/pixelcanvas.h"

// Seven-segment digits, 15 x 25, lit segments in white on one background.
namespace DigitPictures {
constexpr int Width = 15;
constexpr int Height = 25;

PixelCanvas Digit(int digit, QRgb background);
}  // namespace DigitPictures
