#include "tools/picturegen/cardfaces.h"

#include <vector>

#include "tools/picturegen/courtfigures.h"
#include "tools/picturegen/pixelfont.h"
#include "tools/picturegen/vgapalette.h"

namespace CardFaces {
namespace {
constexpr int IndexCentreX = 7;
constexpr int IndexRankTop = 4;
constexpr int IndexPipTop = 15;

constexpr int LeftColumn = 20;
constexpr int MiddleColumn = 35;
constexpr int RightColumn = 50;
constexpr int TopRow = 18;
constexpr int MiddleRow = 47;
constexpr int ExtraRow = 33;  // the centre pips of the seven and the eight

struct PipPlace {
    int x;
    int y;
};

// Pips of the upper half and the middle row; the lower half is the same
// layout turned about the card's centre.
std::vector<PipPlace> UpperPips(int rank)
{
    constexpr int RowOfFour = 37;
    constexpr int Row10 = 28;
    switch (rank) {
    case 2: return {{MiddleColumn, TopRow}};
    case 3: return {{MiddleColumn, TopRow}, {MiddleColumn, MiddleRow}};
    case 4: return {{LeftColumn, TopRow}, {RightColumn, TopRow}};
    case 5: return {{LeftColumn, TopRow}, {RightColumn, TopRow}, {MiddleColumn, MiddleRow}};
    case 6: return {{LeftColumn, TopRow}, {RightColumn, TopRow}, {LeftColumn, MiddleRow}};
    case 7: return {{LeftColumn, TopRow}, {RightColumn, TopRow}, {LeftColumn, MiddleRow}};
    case 8: return {{LeftColumn, TopRow}, {RightColumn, TopRow}, {LeftColumn, MiddleRow}, {MiddleColumn, ExtraRow}};
    case 9:
        return {{LeftColumn, TopRow},     {RightColumn, TopRow},      {LeftColumn, RowOfFour},
                {RightColumn, RowOfFour}, {MiddleColumn, MiddleRow}};
    case 10:
        return {{LeftColumn, TopRow}, {RightColumn, TopRow}, {LeftColumn, RowOfFour}, {RightColumn, RowOfFour},
                {MiddleColumn, Row10}};
    default: return {};
    }
}

// The seven's odd pip, which has no twin.
constexpr PipPlace SevenExtra = {MiddleColumn, ExtraRow};

// Draws a stamp whose centre is at (x, y) and the same stamp turned at the
// place opposite the card's centre.
void DrawTwin(PixelCanvas& card, const PixelArt& art, int x, int y, QRgb ink)
{
    const int left = x - art.Width() / 2;
    const int top = y - art.Height() / 2;
    card.Draw(art, left, top, ink);
    card.Draw(art, Width - left - art.Width(), Height - top - art.Height(), ink, Turn::HalfTurn);
}

void DrawIndex(PixelCanvas& card, Suit suit, int rank)
{
    const QRgb ink = SuitPips::SuitInk(suit);
    const PixelArt& glyph = PixelFont::RankGlyph(rank);
    const PixelArt& pip = SuitPips::Small(suit);
    const int glyphLeft = IndexCentreX - glyph.Width() / 2;
    const int pipLeft = IndexCentreX - pip.Width() / 2;
    card.Draw(glyph, glyphLeft, IndexRankTop, ink);
    card.Draw(glyph, Width - glyphLeft - glyph.Width(), Height - IndexRankTop - glyph.Height(), ink, Turn::HalfTurn);
    card.Draw(pip, pipLeft, IndexPipTop, ink);
    card.Draw(pip, Width - pipLeft - pip.Width(), Height - IndexPipTop - pip.Height(), ink, Turn::HalfTurn);
}

void DrawPips(PixelCanvas& card, Suit suit, int rank)
{
    const PixelArt& pip = SuitPips::Medium(suit);
    const QRgb ink = SuitPips::SuitInk(suit);
    const auto upright = [&](const PipPlace& place) {
        card.Draw(pip, place.x - pip.Width() / 2, place.y - pip.Height() / 2, ink);
    };
    for (const PipPlace& place : UpperPips(rank)) {
        if (place.y != MiddleRow) {
            DrawTwin(card, pip, place.x, place.y, ink);
            continue;
        }
        // Pips across the middle stand upright on both sides.
        upright(place);
        if (place.x != MiddleColumn)
            upright({Width - 1 - place.x, place.y});
    }
    if (rank == 7)
        upright(SevenExtra);
}

// The art with one pixel taken off all round its '#' shape.
PixelArt Eroded(const PixelArt& art)
{
    PixelArt result = art;
    const auto ink = [&](int x, int y) {
        return y >= 0 && y < art.Height() && x >= 0 && x < art.Width() && art.rows[y][x] == '#';
    };
    for (int y = 0; y < art.Height(); ++y)
        for (int x = 0; x < art.Width(); ++x)
            if (!(ink(x - 1, y) && ink(x + 1, y) && ink(x, y - 1) && ink(x, y + 1)))
                result.rows[y][x] = '.';
    return result;
}

// The engraved white line that runs inside the big spade of the Ace of spades.
PixelArt InnerContour(const PixelArt& art)
{
    constexpr int inset = 2;
    PixelArt outer = art;
    for (int i = 0; i < inset; ++i)
        outer = Eroded(outer);
    const PixelArt inner = Eroded(outer);
    for (int y = 0; y < outer.Height(); ++y)
        for (int x = 0; x < outer.Width(); ++x)
            if (inner.rows[y][x] == '#')
                outer.rows[y][x] = '.';
    return outer;
}

void DrawAce(PixelCanvas& card, Suit suit)
{
    struct Size {
        int width;
        int height;
    };
    const Size size = suit == Suit::Spade     ? Size{37, 43}
                      : suit == Suit::Heart   ? Size{29, 27}
                      : suit == Suit::Diamond ? Size{25, 35}
                                              : Size{31, 33};
    const PixelArt art = SuitPips::Large(suit, size.width, size.height);
    const int left = (Width - size.width) / 2;
    const int top = (Height - size.height) / 2;
    card.Draw(art, left, top, SuitPips::SuitInk(suit));
    if (suit == Suit::Spade)
        card.Draw(InnerContour(art), left, top, Vga::White);
}
}  // namespace

PixelCanvas Blank(QRgb inside)
{
    PixelCanvas card(Width, Height, inside);
    const int right = Width - 1;
    const int bottom = Height - 1;
    card.HLine(2, right - 2, 0, Vga::Black);
    card.HLine(2, right - 2, bottom, Vga::Black);
    card.VLine(0, 2, bottom - 2, Vga::Black);
    card.VLine(right, 2, bottom - 2, Vga::Black);
    card.Set(1, 1, Vga::Black);
    card.Set(right - 1, 1, Vga::Black);
    card.Set(1, bottom - 1, Vga::Black);
    card.Set(right - 1, bottom - 1, Vga::Black);
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {right - 1, 0}, {right, 0}, {right, 1},
                               {right, bottom - 1}, {right, bottom}, {right - 1, bottom}, {0, bottom - 1},
                               {0, bottom}, {1, bottom}})
        card.Set(x, y, Vga::Silver);
    return card;
}

PixelCanvas Face(Suit suit, int rank)
{
    PixelCanvas card = Blank(Vga::White);
    if (rank == 1)
        DrawAce(card, suit);
    else if (rank <= 10)
        DrawPips(card, suit, rank);
    else
        CourtFigures::Draw(card, suit, rank);
    DrawIndex(card, suit, rank);
    return card;
}
}  // namespace CardFaces
