#include "tools/picturegen/suitpips.h"

#include <cmath>

#include "tools/picturegen/vgapalette.h"

namespace SuitPips {
namespace {
const PixelArt SmallSpade = {{"...#...", "..###..", ".#####.", "#######", "#######", "##.#.##", "...#...", "..###.."}};
const PixelArt SmallHeart = {{".##.##.", "#######", "#######", "#######", ".#####.", "..###..", "...#..."}};
const PixelArt SmallDiamond = {{"...#...", "..###..", ".#####.", "#######", ".#####.", "..###..", "...#..."}};
const PixelArt SmallClub = {{"..###..", ".#####.", ".#####.", "..###..", "##.#.##", "#######", "##.#.##", "...#...", "..###.."}};

const PixelArt MediumSpade = {{
    ".....#.....",
    "....###....",
    "...#####...",
    "..#######..",
    ".#########.",
    "###########",
    "###########",
    "###########",
    ".#########.",
    "..##.#.##..",
    ".....#.....",
    "....###....",
    "...#####...",
}};
const PixelArt MediumHeart = {{
    ".###...###.",
    "#####.#####",
    "###########",
    "###########",
    "###########",
    "###########",
    ".#########.",
    "..#######..",
    "...#####...",
    "....###....",
    ".....#.....",
}};
const PixelArt MediumDiamond = {{
    "....#....",
    "...###...",
    "...###...",
    "..#####..",
    ".#######.",
    ".#######.",
    "#########",
    ".#######.",
    ".#######.",
    "..#####..",
    "...###...",
    "...###...",
    "....#....",
}};
const PixelArt MediumClub = {{
    "....###....",
    "...#####...",
    "...#####...",
    "...#####...",
    "....###....",
    ".##..#..##.",
    "####.#.####",
    "###########",
    "####.#.####",
    ".##..#..##.",
    ".....#.....",
    "....###....",
    "...#####...",
}};

bool InCircle(double x, double y, double cx, double cy, double r)
{
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

// Inside the triangle with apex (0, apexY) and a base of half width halfBase at baseY.
bool InTriangle(double x, double y, double apexY, double baseY, double halfBase)
{
    const double t = (y - apexY) / (baseY - apexY);
    return t >= 0.0 && t <= 1.0 && std::abs(x) <= t * halfBase;
}

bool InHeart(double x, double y)
{
    return InCircle(x, y, -0.48, -0.45, 0.52) || InCircle(x, y, 0.48, -0.45, 0.52) ||
           InTriangle(x, -y, -1.0, 0.38, 0.97);
}

// The stem with its flared foot that spades and clubs stand on.
bool InStem(double x, double y, double top)
{
    if (y < top || y > 1.0)
        return false;
    const double t = (y - top) / (1.0 - top);
    const double halfWidth = 0.07 + 0.30 * t * t * t;
    return std::abs(x) <= halfWidth;
}

bool InSpade(double x, double y)
{
    const double lobeY = 0.18;
    return InCircle(x, y, -0.47, lobeY, 0.5) || InCircle(x, y, 0.47, lobeY, 0.5) ||
           InTriangle(x, y, -1.0, 0.1, 0.95) || InStem(x, y, 0.3);
}

bool InDiamond(double x, double y)
{
    // The product term draws the sides in slightly, as on printed cards.
    const double u = std::abs(x) / 0.95;
    const double v = std::abs(y);
    return u + v + 0.3 * u * v <= 1.0;
}

bool InClub(double x, double y)
{
    const double r = 0.43;
    return InCircle(x, y, 0.0, -0.52, r) || InCircle(x, y, -0.53, 0.12, r) || InCircle(x, y, 0.53, 0.12, r) ||
           InCircle(x, y, 0.0, -0.05, 0.25) || InStem(x, y, 0.0);
}

bool InSuit(Suit suit, double x, double y)
{
    switch (suit) {
    case Suit::Spade: return InSpade(x, y);
    case Suit::Heart: return InHeart(x, y);
    case Suit::Diamond: return InDiamond(x, y);
    case Suit::Club: return InClub(x, y);
    }
    return false;
}
}  // namespace

QRgb SuitInk(Suit suit)
{
    return suit == Suit::Heart || suit == Suit::Diamond ? Vga::Red : Vga::Black;
}

const PixelArt& Small(Suit suit)
{
    switch (suit) {
    case Suit::Spade: return SmallSpade;
    case Suit::Heart: return SmallHeart;
    case Suit::Diamond: return SmallDiamond;
    case Suit::Club: return SmallClub;
    }
    return SmallSpade;
}

const PixelArt& Medium(Suit suit)
{
    switch (suit) {
    case Suit::Spade: return MediumSpade;
    case Suit::Heart: return MediumHeart;
    case Suit::Diamond: return MediumDiamond;
    case Suit::Club: return MediumClub;
    }
    return MediumSpade;
}

PixelArt Large(Suit suit, int width, int height)
{
    PixelArt art;
    const double halfWidth = width / 2.0;
    const double halfHeight = height / 2.0;
    for (int row = 0; row < height; ++row) {
        std::string line;
        for (int col = 0; col < width; ++col) {
            const double x = (col + 0.5 - halfWidth) / halfWidth;
            const double y = (row + 0.5 - halfHeight) / halfHeight;
            line += InSuit(suit, x, y) ? '#' : '.';
        }
        art.rows.push_back(line);
    }
    return art;
}
}  // namespace SuitPips
