#pragma once

#include <vector>

#include <QImage>

// The program's icon: a card back with a face card fanned over it, on a
// transparent ground. Drawn pixel by pixel at 16 and 32 pixels; larger sizes
// repeat each pixel, so every size stays sharp.
namespace AppIcon {
// The sizes the desktop is given.
std::vector<int> Sizes();
// The icon `size` pixels square; `size` is a multiple of 16.
QImage Icon(int size);
}  // namespace AppIcon
