#include "tools/picturegen/pixelart.h"

#include <stdexcept>

#include "tools/picturegen/vgapalette.h"

int PixelArt::Width() const
{
    return rows.empty() ? 0 : static_cast<int>(rows.front().size());
}

int PixelArt::Height() const
{
    return static_cast<int>(rows.size());
}

PixelArt PixelArt::MirroredRight() const
{
    PixelArt result;
    for (const std::string& row : rows) {
        std::string mirrored(row.rbegin() + 1, row.rend());
        result.rows.push_back(row + mirrored);
    }
    return result;
}

QRgb ArtColour(char letter, QRgb ink)
{
    switch (letter) {
    case 'k': return Vga::Black;
    case 'm': return Vga::Maroon;
    case 'g': return Vga::Green;
    case 'o': return Vga::Olive;
    case 'n': return Vga::Navy;
    case 'p': return Vga::Purple;
    case 't': return Vga::Teal;
    case 's': return Vga::Silver;
    case 'd': return Vga::Grey;
    case 'r': return Vga::Red;
    case 'l': return Vga::Lime;
    case 'y': return Vga::Yellow;
    case 'b': return Vga::Blue;
    case 'f': return Vga::Fuchsia;
    case 'c': return Vga::Cyan;
    case 'w': return Vga::White;
    case '#': return ink;
    case '_': return Vga::Transparent;
    default: throw std::invalid_argument(std::string("unknown pixel art letter ") + letter);
    }
}

