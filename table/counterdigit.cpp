#include "table/counterdigit.h"

#include <QString>

#include "controls/picturecache.h"
#include "controls/tcolor.h"
#include "pictures/pictures.h"

namespace {

constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Black = 0xFF000000u;
constexpr QRgb Grey = 0xFFC0C0C0u;

}  // namespace

QImage CounterDigit(int digit, TColor fore, TColor back)
{
    const bool blackFore = fore == clBlack;
    const QString name = QLatin1String(blackFore ? "DIGITALG" : "DIGITALW") + QString::number(digit);
    // Segments first, then the set's background: in that order a segment
    // colour equal to the background colour cannot be swept up with it.
    const PictureCache::Swaps swaps = {{White, ToQColor(fore).rgb()}, {blackFore ? Grey : Black, ToQColor(back).rgb()}};
    return PictureCache::Shared().Recoloured(name, swaps);
}
