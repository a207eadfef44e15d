#include "cardbacks.h"

#include "cardfaces.h"
#include "vgapalette.h"

namespace CardBacks {
PixelCanvas Back(int number)
{
    PixelCanvas card = CardFaces::Blank(Vga::White);
    card.FillRect(4, 4, 63, 87, number % 2 ? Vga::Blue : Vga::Red);
    return card;
}

PixelCanvas Joker()
{
    return Back(12);
}
}  // namespace CardBacks
