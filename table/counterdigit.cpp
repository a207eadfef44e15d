#include "table/counterdigit.h"

#include <QString>

#include "pictures/pictures.h"
#include "controls/tcolor.h"

namespace {

constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Black = 0xFF000000u;
constexpr QRgb Grey = 0xFFC0C0C0u;

void Replace(QImage& image, QRgb from, QRgb to)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == from)
                line[x] = to;
    }
}

}  // namespace

QImage CounterDigit(int digit, TColor fore, TColor back)
{
    const bool blackFore = fore == clBlack;
    const QString name = QLatin1String(blackFore ? "DIGITALG" : "DIGITALW") + QString::number(digit);
    QImage work = LoadPicture(name).convertToFormat(QImage::Format_RGB32);
    if (work.isNull())
        return work;
    // Segments first, then the set's background: in that order a segment
    // colour equal to the background colour cannot be swept up with it.
    Replace(work, White, ToQColor(fore).rgb());
    Replace(work, blackFore ? Grey : Black, ToQColor(back).rgb());
    return work;
}
