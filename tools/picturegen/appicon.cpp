#include "appicon.h"

#include "pixelart.h"
#include "pixelcanvas.h"
#include "vgapalette.h"

namespace {

constexpr int SmallDesign = 16;
constexpr int LargeDesign = 32;

struct CardPlace {
    int x, y, width, height;
};

// A one-pixel black edge with its corners left out, which rounds the card.
void CardEdge(PixelCanvas& canvas, const CardPlace& card)
{
    const int right = card.x + card.width - 1;
    const int bottom = card.y + card.height - 1;
    canvas.HLine(card.x + 1, right - 1, card.y, Vga::Black);
    canvas.HLine(card.x + 1, right - 1, bottom, Vga::Black);
    canvas.VLine(card.x, card.y + 1, bottom - 1, Vga::Black);
    canvas.VLine(right, card.y + 1, bottom - 1, Vga::Black);
}

// Navy with a blue lattice, inside a white margin when there is room.
void CardBack(PixelCanvas& canvas, const CardPlace& card, int margin)
{
    CardEdge(canvas, card);
    canvas.FillRect(card.x + 1, card.y + 1, card.width - 2, card.height - 2, Vga::White);
    const int inset = 1 + margin;
    for (int y = card.y + inset; y < card.y + card.height - inset; ++y)
        for (int x = card.x + inset; x < card.x + card.width - inset; ++x)
            canvas.Set(x, y, (x + y) % 2 == 0 ? Vga::Blue : Vga::Navy);
}

void CardFace(PixelCanvas& canvas, const CardPlace& card)
{
    CardEdge(canvas, card);
    canvas.FillRect(card.x + 1, card.y + 1, card.width - 2, card.height - 2, Vga::White);
}

const PixelArt SmallHeart{{
    "rr.rr",
    "rrrrr",
    "rrrrr",
    ".rrr.",
    "..r..",
}};

const PixelArt LargeHeart{{
    ".rrr.rrr.",
    "rrrrrrrrr",
    "rrrrrrrrr",
    "rrrrrrrrr",
    ".rrrrrrr.",
    "..rrrrr..",
    "...rrr...",
    "....r....",
}};

const PixelArt LetterA{{
    ".r.",
    "r.r",
    "rrr",
    "r.r",
    "r.r",
}};

QImage SmallIcon()
{
    PixelCanvas canvas(SmallDesign, SmallDesign, Vga::Transparent);
    CardBack(canvas, {1, 0, 9, 13}, 0);
    const CardPlace face{6, 3, 9, 13};
    CardFace(canvas, face);
    canvas.Draw(SmallHeart, face.x + 3, face.y + 4);
    return canvas.Image();
}

QImage LargeIcon()
{
    PixelCanvas canvas(LargeDesign, LargeDesign, Vga::Transparent);
    CardBack(canvas, {2, 1, 19, 26}, 1);
    const CardPlace face{11, 5, 19, 26};
    CardFace(canvas, face);
    canvas.Draw(LargeHeart, face.x + 5, face.y + 9);
    canvas.Draw(LetterA, face.x + 2, face.y + 2);
    canvas.Draw(LetterA, face.x + face.width - 5, face.y + face.height - 7, Vga::Black, Turn::HalfTurn);
    return canvas.Image();
}

}  // namespace

namespace AppIcon {

std::vector<int> Sizes()
{
    return {16, 32, 48, 64, 128, 256};
}

QImage Icon(int size)
{
    // The large design where the size allows, repeated pixels beyond it.
    const bool large = size % LargeDesign == 0;
    const QImage design = large ? LargeIcon() : SmallIcon();
    const int factor = size / (large ? LargeDesign : SmallDesign);
    return Vga::ToIndexed(design.scaled(design.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

}  // namespace AppIcon
