#include "tools/picturegen/vgapalette.h"

#include <array>
#include <limits>

namespace Vga {
namespace {
constexpr std::array<QRgb, 16> Colours = {Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
                                          Grey,  Red,    Lime,  Yellow, Blue, Fuchsia, Cyan, White};
constexpr int OpaqueAlpha = 128;

int Distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

int NearestIndex(QRgb colour)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < static_cast<int>(Colours.size()); ++i) {
        const int d = Distance(colour, Colours[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

bool HasTransparency(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) < OpaqueAlpha)
                return true;
    return false;
}
}  // namespace

QList<QRgb> Palette()
{
    return QList<QRgb>(Colours.begin(), Colours.end());
}

bool IsPaletteColour(QRgb colour)
{
    for (QRgb c : Colours)
        if (c == (colour | 0xFF000000u))
            return true;
    return false;
}

QImage ToIndexed(const QImage& drawing)
{
    const QImage source = drawing.convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> table = Palette();
    const bool transparent = HasTransparency(source);
    const int transparentIndex = static_cast<int>(table.size());
    if (transparent)
        table.append(Transparent);

    QImage result(source.size(), QImage::Format_Indexed8);
    result.setColorTable(table);
    for (int y = 0; y < source.height(); ++y) {
        uchar* line = result.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            const int index = qAlpha(pixel) < OpaqueAlpha ? transparentIndex : NearestIndex(pixel);
            line[x] = static_cast<uchar>(index);
        }
    }
    return result;
}
}  // namespace Vga
