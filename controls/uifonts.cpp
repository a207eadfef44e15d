#include "controls/uifonts.h"

namespace {
constexpr int SystemFontPixels = 13;
}

QFont ArialFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont SystemFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(SystemFontPixels);
    font.setBold(true);
    return font;
}
