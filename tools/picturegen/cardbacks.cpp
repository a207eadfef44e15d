#include "tools/picturegen/cardbacks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

#include "tools/picturegen/cardfaces.h"
#include "tools/picturegen/pixelfont.h"
#include "tools/picturegen/vgapalette.h"

namespace CardBacks {
namespace {
// The pattern covers the card inside a white margin of two pixels.
constexpr int AreaLeft = 3;
constexpr int AreaTop = 3;
constexpr int AreaWidth = CardFaces::Width - 2 * AreaLeft;
constexpr int AreaHeight = CardFaces::Height - 2 * AreaTop;
constexpr int CentreX = CardFaces::Width / 2;
constexpr int CentreY = CardFaces::Height / 2;

using Pattern = std::function<QRgb(int x, int y)>;

// A back whose area is filled pixel by pixel; x and y count from the area's corner.
PixelCanvas Patterned(const Pattern& pattern)
{
    PixelCanvas card = CardFaces::Blank(Vga::White);
    for (int y = 0; y < AreaHeight; ++y)
        for (int x = 0; x < AreaWidth; ++x)
            card.Set(AreaLeft + x, AreaTop + y, pattern(x, y));
    return card;
}

void FrameArea(PixelCanvas& card, int inset, QRgb colour)
{
    card.FrameRect(AreaLeft + inset, AreaTop + inset, AreaWidth - 2 * inset, AreaHeight - 2 * inset, colour);
}

// Gingham: bands of the light colour both ways, dark where they cross.
PixelCanvas Checks(QRgb light, QRgb dark)
{
    constexpr int size = 3;
    PixelCanvas card = Patterned([=](int x, int y) {
        const bool across = (y / size) % 2 == 0;
        const bool down = (x / size) % 2 == 0;
        if (across && down)
            return dark;
        return across || down ? light : Vga::White;
    });
    FrameArea(card, 0, dark);
    return card;
}

PixelCanvas DiagonalStripes(QRgb colour, bool rising)
{
    constexpr int period = 6;
    constexpr int stripe = 4;
    PixelCanvas card = Patterned([=](int x, int y) {
        const int along = rising ? x + y : x - y + 1000 * period;
        return along % period < stripe ? colour : Vga::White;
    });
    FrameArea(card, 0, colour);
    return card;
}

PixelCanvas BlueTiles()
{
    constexpr int size = 8;
    PixelCanvas card = Patterned([](int x, int y) {
        const int tx = (x + 4) % size;
        const int ty = (y + 4) % size;
        if (tx == 0 || ty == 0)
            return Vga::Navy;
        if (tx == 1 || ty == 1)
            return Vga::Cyan;
        if (tx == size - 1 || ty == size - 1)
            return Vga::Navy;
        if (std::abs(tx - 4) + std::abs(ty - 4) <= 1)
            return Vga::White;
        return Vga::Blue;
    });
    FrameArea(card, 0, Vga::Navy);
    return card;
}

PixelCanvas GreenRedStripes()
{
    static constexpr QRgb stripes[] = {Vga::Green, Vga::Green, Vga::Green, Vga::Lime, Vga::Green,
                                       Vga::Green, Vga::White, Vga::Red,   Vga::Red,  Vga::Maroon, Vga::White};
    constexpr int period = sizeof(stripes) / sizeof(stripes[0]);
    PixelCanvas card = Patterned([](int x, int) { return stripes[(x + 8) % period]; });
    FrameArea(card, 0, Vga::Green);
    return card;
}

void DrawTree(PixelCanvas& card, int x, int groundY)
{
    card.FillRect(x - 1, groundY - 18, 4, 19, Vga::Black);
    card.FillRect(x, groundY - 18, 2, 18, Vga::Olive);
    card.FillEllipse(x + 1, groundY - 26, 10, 9, Vga::Black);
    card.FillEllipse(x + 1, groundY - 26, 9, 8, Vga::Green);
    card.FillEllipse(x - 2, groundY - 29, 4, 3, Vga::Lime);
    card.FillEllipse(x + 5, groundY - 24, 3, 2, Vga::Lime);
}

PixelCanvas Landscape()
{
    constexpr int horizon = 60;
    PixelCanvas card = Patterned([](int, int) { return Vga::Cyan; });
    // Sun with rays in the upper right.
    constexpr int sunX = 52;
    constexpr int sunY = 18;
    static constexpr int rays[][4] = {{7, 0, 10, 0},  {-7, 0, -10, 0}, {0, 7, 0, 10},   {0, -7, 0, -10},
                                      {5, 5, 7, 7},   {-5, 5, -7, 7},  {5, -5, 7, -7},  {-5, -5, -7, -7},
                                      {6, 3, 9, 4},   {-6, 3, -9, 4},  {6, -3, 9, -4},  {-6, -3, -9, -4},
                                      {3, 6, 4, 9},   {-3, 6, -4, 9},  {3, -6, 4, -9},  {-3, -6, -4, -9}};
    for (const auto& ray : rays)
        card.Line(sunX + ray[0], sunY + ray[1], sunX + ray[2], sunY + ray[3], Vga::Yellow);
    card.FillEllipse(sunX + 0.5, sunY + 0.5, 6, 6, Vga::Yellow);
    // Clouds.
    card.FillEllipse(18, 14, 7, 3, Vga::White);
    card.FillEllipse(24, 12, 5, 3, Vga::White);
    // Far hills, near meadow, a lake.
    card.FillEllipse(18, horizon + 6, 30, 14, Vga::Green);
    card.FillEllipse(58, horizon + 8, 26, 12, Vga::Teal);
    card.FillRect(AreaLeft, horizon + 8, AreaWidth, AreaHeight - horizon - 5, Vga::Lime);
    card.FillEllipse(48, 80, 14, 4, Vga::Blue);
    card.HLine(40, 52, 79, Vga::Cyan);
    DrawTree(card, 20, 78);
    FrameArea(card, 0, Vga::Teal);
    return card;
}

PixelCanvas BrickWall()
{
    constexpr int brickWidth = 10;
    constexpr int brickHeight = 5;
    PixelCanvas card = Patterned([](int x, int y) {
        const int row = y / brickHeight;
        const int shifted = x + (row % 2) * (brickWidth / 2);
        if (y % brickHeight == brickHeight - 1 || shifted % brickWidth == brickWidth - 1)
            return Vga::Silver;
        return (row + shifted / brickWidth) % 3 == 0 ? Vga::Red : Vga::Maroon;
    });
    const int scale = 2;
    const PixelArt top = PixelFont::Text("BRACK");
    const PixelArt bottom = PixelFont::Text("WATER");
    const auto paint = [&](const PixelArt& word, int y) {
        const int x = (CardFaces::Width - word.Width() * scale) / 2;
        for (int row = 0; row < word.Height(); ++row)
            for (int col = 0; col < word.Width(); ++col)
                if (word.rows[row][col] == '#') {
                    card.FillRect(x + col * scale + 1, y + row * scale + 1, scale, scale, Vga::Black);
                    card.FillRect(x + col * scale, y + row * scale, scale, scale, Vga::Yellow);
                }
    };
    paint(top, CentreY - 17);
    paint(bottom, CentreY + 3);
    FrameArea(card, 0, Vga::Maroon);
    return card;
}

PixelCanvas NestedFrames()
{
    PixelCanvas card = Patterned([](int x, int y) {
        const int edge = std::min({x, y, AreaWidth - 1 - x, AreaHeight - 1 - y});
        switch (edge % 6) {
        case 0:
        case 1:
        case 2: return Vga::Purple;
        case 3: return Vga::White;
        default: return Vga::Cyan;
        }
    });
    card.FillRect(AreaLeft + 30, AreaTop + 30, AreaWidth - 60, AreaHeight - 60, Vga::Fuchsia);
    return card;
}

PixelCanvas NightSky()
{
    // Black overhead, fading through ordered dither to dark blue at the horizon.
    PixelCanvas card = Patterned([](int x, int y) {
        constexpr int fadeTop = 22;
        constexpr int bandHeight = 6;
        static constexpr int bayer[2][2] = {{0, 2}, {3, 1}};
        const int level = std::clamp((y - fadeTop) / bandHeight, 0, 4);
        return bayer[y % 2][x % 2] < level ? Vga::Navy : Vga::Black;
    });
    static constexpr int stars[][2] = {{8, 10}, {30, 6}, {44, 14}, {58, 8},  {14, 30}, {36, 26}, {54, 34},
                                       {6, 48}, {26, 44}, {46, 50}, {60, 58}, {18, 60}, {38, 64}};
    for (const auto& star : stars)
        card.Set(AreaLeft + star[0], AreaTop + star[1], star[0] % 3 == 0 ? Vga::Yellow : Vga::White);
    for (const auto& [x, y] : {std::pair{34, 38}, {12, 18}}) {
        card.HLine(x - 2, x + 2, y, Vga::White);
        card.VLine(x, y - 2, y + 2, Vga::White);
        card.Set(x, y, Vga::Yellow);
    }
    card.FillEllipse(50, 24, 10, 10, Vga::Yellow);
    card.FillEllipse(45, 20, 9, 9, Vga::Black);
    // Hills and a cottage with a lit window against the sky.
    card.FillEllipse(20, 96, 34, 20, Vga::Black);
    card.FillEllipse(60, 98, 26, 16, Vga::Black);
    card.FillRect(44, 72, 12, 10, Vga::Black);
    card.FillPolygon(QPolygonF({{42.0, 72.0}, {50.0, 65.0}, {58.0, 72.0}}), Vga::Black);
    card.FillRect(47, 75, 3, 3, Vga::Yellow);
    FrameArea(card, 0, Vga::Navy);
    return card;
}

PixelCanvas NestedLines()
{
    PixelCanvas card = Patterned([](int x, int y) {
        const int dx = std::abs(2 * x - (AreaWidth - 1));
        const int dy = std::abs(2 * y - (AreaHeight - 1));
        const int ring = (dx * 4 + dy * 3) / 12;
        return ring % 4 == 0 ? Vga::Cyan : Vga::Teal;
    });
    FrameArea(card, 0, Vga::Cyan);
    FrameArea(card, 1, Vga::Teal);
    return card;
}

// The Brackwater monogram: a decorated "B" on dark blue inside red frames.
bool InLetterB(int x, int y)
{
    constexpr int stemLeft = 2;
    constexpr int stemRight = 9;
    constexpr int height = 43;
    if (y < 0 || y >= height || x < 0)
        return false;
    if (x >= stemLeft && x <= stemRight)
        return true;
    if ((y <= 2 || y >= height - 3) && x < stemLeft)
        return true;  // serifs
    const auto inD = [](int px, int py, int left, int top, int bottom, double right) {
        if (py < top || py > bottom || px < left)
            return false;
        const double cy = (top + bottom) / 2.0;
        const double ry = (bottom - top) / 2.0 + 0.5;
        const double startCurve = right - ry;
        if (px <= startCurve)
            return true;
        const double u = (px + 0.5 - startCurve) / (right - startCurve);
        const double v = (py + 0.5 - cy - 0.5) / ry;
        return u * u + v * v <= 1.0;
    };
    const bool upper = inD(x, y, stemRight, 0, 21, 25.0) && !inD(x, y, stemRight + 1, 5, 16, 19.0);
    const bool lower = inD(x, y, stemRight, 19, height - 1, 29.0) && !inD(x, y, stemRight + 1, 25, height - 6, 22.0);
    return upper || lower;
}

void DrawLetterB(PixelCanvas& card, int left, int top)
{
    for (int y = -1; y < 45; ++y) {
        for (int x = -1; x < 32; ++x) {
            if (!InLetterB(x, y))
                continue;
            card.Set(left + x + 2, top + y + 2, Vga::Maroon);
        }
    }
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 32; ++x)
            if (InLetterB(x, y))
                card.Set(left + x, top + y, Vga::Red);
    // A fine highlight line inside the stem.
    card.VLine(left + 5, top + 4, top + 38, Vga::Fuchsia);
}

void DrawCornerFlourish(PixelCanvas& card, int x, int y, int dx, int dy)
{
    for (int i = 0; i < 4; ++i) {
        card.Set(x + i * dx, y, Vga::Red);
        card.Set(x, y + i * dy, Vga::Red);
    }
    card.Set(x + dx, y + dy, Vga::Red);
    card.Set(x + 2 * dx, y + 2 * dy, Vga::Red);
}

// A small lozenge that decorates the oval at its four points.
void DrawLozenge(PixelCanvas& card, int x, int y)
{
    card.FillPolygon(QPolygonF({{x + 0.5, y - 3.0}, {x + 4.0, y + 0.5}, {x + 0.5, y + 4.0}, {x - 3.0, y + 0.5}}),
                     Vga::Red);
    card.Set(x, y, Vga::Yellow);
}

// Ripples of the brackish water beneath the letter.
void DrawWaves(PixelCanvas& card, int y, int halfWidth)
{
    for (int x = CentreX - halfWidth; x <= CentreX + halfWidth; ++x) {
        const int phase = (x + 1) % 6;
        const int lift = phase < 3 ? phase : 6 - phase;
        card.Set(x, y + (lift == 0 ? 1 : lift == 3 ? -1 : 0), Vga::Red);
    }
}

PixelCanvas Monogram(int ovalHalfHeight)
{
    PixelCanvas card = Patterned([](int, int) { return Vga::Navy; });
    FrameArea(card, 2, Vga::Red);
    FrameArea(card, 4, Vga::Maroon);
    const int in = AreaLeft + 7;
    const int right = CardFaces::Width - 1 - in;
    const int bottom = CardFaces::Height - 1 - in;
    DrawCornerFlourish(card, in, in, 1, 1);
    DrawCornerFlourish(card, right, in, -1, 1);
    DrawCornerFlourish(card, in, bottom, 1, -1);
    DrawCornerFlourish(card, right, bottom, -1, -1);
    constexpr int ovalHalfWidth = 24;
    card.Ellipse(CentreX + 0.5, CentreY + 0.5, ovalHalfWidth, ovalHalfHeight, Vga::Red);
    card.Ellipse(CentreX + 0.5, CentreY + 0.5, ovalHalfWidth - 2, ovalHalfHeight - 2, Vga::Maroon);
    const bool roomy = ovalHalfHeight > 30;  // the joker's words take the oval's ends
    if (roomy) {
        DrawLozenge(card, CentreX, CentreY - ovalHalfHeight);
        DrawLozenge(card, CentreX, CentreY + ovalHalfHeight);
    }
    DrawLozenge(card, CentreX - ovalHalfWidth, CentreY);
    DrawLozenge(card, CentreX + ovalHalfWidth, CentreY);
    DrawLetterB(card, CentreX - 15, CentreY - 24);
    DrawWaves(card, CentreY + 24, 10);
    if (roomy)
        DrawWaves(card, CentreY + 27, 7);
    return card;
}

// Scenes are drawn freely; this puts back the white margin and the outline.
PixelCanvas WithinMargin(const PixelCanvas& drawn)
{
    PixelCanvas card = CardFaces::Blank(Vga::White);
    for (int y = AreaTop; y < AreaTop + AreaHeight; ++y)
        for (int x = AreaLeft; x < AreaLeft + AreaWidth; ++x)
            card.Set(x, y, drawn.At(x, y));
    return card;
}

PixelCanvas Design(int number)
{
    switch (number) {
    case 1: return Checks(Vga::Blue, Vga::Navy);
    case 2: return Checks(Vga::Red, Vga::Maroon);
    case 3: return DiagonalStripes(Vga::Blue, true);
    case 4: return DiagonalStripes(Vga::Red, false);
    case 5: return BlueTiles();
    case 6: return GreenRedStripes();
    case 7: return Landscape();
    case 8: return BrickWall();
    case 9: return NestedFrames();
    case 10: return NightSky();
    case 11: return NestedLines();
    default: return Monogram(33);
    }
}
}  // namespace

PixelCanvas Back(int number)
{
    return WithinMargin(Design(number));
}

PixelCanvas Joker()
{
    PixelCanvas card = WithinMargin(Monogram(29));
    const PixelArt word = PixelFont::Text("JOKER");
    const int x = (CardFaces::Width - word.Width()) / 2;
    card.Draw(word, x, 10, Vga::Yellow);
    card.Draw(word, CardFaces::Width - x - word.Width(), CardFaces::Height - 10 - word.Height(), Vga::Yellow,
              Turn::HalfTurn);
    return card;
}
}  // namespace CardBacks
