#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

// The sixteen colours every picture of the program is made of.
namespace Vga {
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Maroon = 0xFF800000;
constexpr QRgb Green = 0xFF008000;
constexpr QRgb Olive = 0xFF808000;
constexpr QRgb Navy = 0xFF000080;
constexpr QRgb Purple = 0xFF800080;
constexpr QRgb Teal = 0xFF008080;
constexpr QRgb Silver = 0xFFC0C0C0;
constexpr QRgb Grey = 0xFF808080;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Lime = 0xFF00FF00;
constexpr QRgb Yellow = 0xFFFFFF00;
constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb Fuchsia = 0xFFFF00FF;
constexpr QRgb Cyan = 0xFF00FFFF;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Transparent = 0x00000000;

QList<QRgb> Palette();
bool IsPaletteColour(QRgb colour);

// Converts a drawing into an 8-bit indexed image on the palette. Pixels with
// alpha below one half become fully transparent (an extra palette entry that
// only pictures with transparency carry); every other pixel snaps to the
// nearest palette colour.
QImage ToIndexed(const QImage& drawing);
}  // namespace Vga
