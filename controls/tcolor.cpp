#include "controls/tcolor.h"

#include <array>
#include <cstdint>

#include <QPalette>
#include <QWidget>

namespace {

constexpr TColor SystemColorFlag = 0x80000000;
constexpr std::uint32_t SystemIndexMask = 0xFF;

// The desktop's colours by system index, as a classic grey desktop has them.
constexpr std::array<TColor, 25> SystemColors = {
    0xC0C0C0,  // 0 scroll bar
    0x808000,  // 1 background
    0x800000,  // 2 active caption
    0x808080,  // 3 inactive caption
    0xC0C0C0,  // 4 menu
    0xFFFFFF,  // 5 window
    0x000000,  // 6 window frame
    0x000000,  // 7 menu text
    0x000000,  // 8 window text
    0xFFFFFF,  // 9 caption text
    0xC0C0C0,  // 10 active border
    0xC0C0C0,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x800000,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xC0C0C0,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 grey text
    0x000000,  // 18 button text
    0xC0C0C0,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x000000,  // 21 3D dark shadow
    0xDFDFDF,  // 22 3D light
    0x000000,  // 23 info text
    0xE1FFFF,  // 24 info background
};

QColor FromRgbValue(TColor value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF), static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace

QColor ToQColor(TColor color)
{
    if ((color & SystemColorFlag) == 0)
        return FromRgbValue(color);
    const std::uint32_t index = color & SystemIndexMask;
    return FromRgbValue(index < SystemColors.size() ? SystemColors[index] : TColor{0});
}

void UseButtonFaceBackground(QWidget& window)
{
    QPalette face = window.palette();
    face.setColor(QPalette::Window, ToQColor(clBtnFace));
    face.setColor(QPalette::WindowText, Qt::black);
    face.setColor(QPalette::ButtonText, Qt::black);
    window.setPalette(face);
}

TColor ToTColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return static_cast<TColor>(rgb.red()) | (static_cast<TColor>(rgb.green()) << 8) | (static_cast<TColor>(rgb.blue()) << 16);
}
