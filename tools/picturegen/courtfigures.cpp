#include "tools/picturegen/courtfigures.h"

#include <algorithm>

#include "tools/picturegen/vgapalette.h"

namespace CourtFigures {
namespace {
constexpr int FrameLeft = 13;
constexpr int FrameTop = 10;
constexpr int FrameWidth = 45;
constexpr int FrameHeight = 75;
constexpr int HalfLeft = FrameLeft + 1;
constexpr int HalfTop = FrameTop + 1;
constexpr int HalfWidth = FrameWidth - 2;
constexpr int HalfHeight = 36;
constexpr int DividerY = HalfTop + HalfHeight;

// Each portrait is written as the left half of its upper end, up to and
// including the middle column; 'R' and 'B' are the robe's two colours, which
// change with the suit.
const PixelArt KingHalf = {{
    "......................",
    ".............y...y...y",
    "............kyk.kyk.ky",
    "............kyk.kyk.ky",
    "............kyykyyykyy",
    "............kyyyyyyyyy",
    "............kyryyybyyr",
    "............kyyyyyyyyy",
    "...........kkkkkkkkkkk",
    "..........kyykwwwwwwww",
    "..........kyykwwwwwwww",
    "..........kyykwkkkwwww",
    "..........kyykwwkbwwww",
    "..........kyykwwwwwwwd",
    "..........kyykwwwwwwwd",
    "..........kyykwwwwwwdk",
    "..........kyyywoyyyyyy",
    "..........kyyyyyyyyrrr",
    "..........kyyyyoyyyyyy",
    "......kkkkkyyyyyyoyyyy",
    "....kkwwkwkkyyyyyyyyoy",
    "...kwwkwwwwwkyyyyyyyyy",
    "..kwwwwwkwwwwkyyyyoyyy",
    ".kwkwwwwwwkwwwkyyyyyyy",
    ".kwwwwkwwwwwwkBkyyyyyy",
    "kwwwkwwwwkwwkBBBkyyyyy",
    "kRRwwwwkwwwwkBBBBkkyyy",
    "kRRRRwwwwwkkyBBBBBBkyk",
    "kRRRRRRRwwkyBBBBBBBBkk",
    "kmRRRRRRRRkyyBBBBBBBBk",
    "kmRRRRyRRRkyyBBBBBBBBk",
    "kmRRRyyyRRkyyBBByBBBBy",
    "kmRRRRyRRRkyyBBBBBBBBy",
    "kmRRRRRRRRkyyBBBBBBBBk",
    "kmmRRRRRRRkyyBBBBBBBBk",
    "kmmRRRRRRRkyyBBBBBBBBk",
}};

const PixelArt QueenHalf = {{
    "......................",
    "......................",
    "......................",
    "....................ky",
    "...............k...kyr",
    "..............kyk..kyy",
    "..............kyyk.kyy",
    "..............kyyykkyy",
    "..........yyyykyyryyby",
    ".........yyyykwwwwwwww",
    "........yyoyykwwwwwwww",
    "........yyyoykwkkkwwww",
    "........yoyyykwwkbwwww",
    "........yyyyykwwwwwwwd",
    ".......yyoyyykwwwwwwwd",
    ".......yyyyoykwwwwwwdk",
    ".......yoyyyykwwwwwwww",
    ".......yyyyoykwwwwwrrr",
    ".......yyoyyyykwwwwwrr",
    "......yyyyoyyyykwwwwww",
    "......yyoyyyyyyykkkwww",
    ".....yyyyoyyyyyykwwwww",
    "....kyyoyyyyyyyykwwwww",
    "...kRRyyyyoyyyyykwwwww",
    "..kRRRRyyyyyyyRRkwwwww",
    ".kRRRRRRyyyyRRRRRkywww",
    "kRRRRRRRRyyRRRRRRRkyww",
    "kRRRRRRRRRRRRRRRRRRkyr",
    "kRRRyRRRRRRRRRRRBBBBkr",
    "kRRyyyRRRRRRRRRRBBBBBk",
    "kRRRyRRRRRRRRRRBBBBBBB",
    "kRRRRRRRRRRBBBBByyyyyy",
    "kRRRRRRRRRRBBBBBBBBBBB",
    "kRRRRRRRRRRBBBByBBBByB",
    "kRRRRRRRRRRBBByyyBByyy",
    "kRRRRRRRRRRBBBByBBBByB",
}};

const PixelArt JackHalf = {{
    "......................",
    "......................",
    "......................",
    "...............kkkkkkk",
    ".............kkRRRRRRR",
    "............kRRRRRRRRR",
    "...........kRRRRRRRRRR",
    "..........kyyyyyyyyyyy",
    "..........kykykykykyky",
    "...........kyyyyyyyyyy",
    "...........yykwwwwwwww",
    "..........yyykwwwwwwww",
    "..........yyykwkkwwwww",
    "..........yoykwwkbwwww",
    "..........yyykwwwwwwwd",
    "..........yoykwwwwwwwd",
    "..........yyykwwwwwwdk",
    "..........yyyykwwwwwww",
    "...........yyykwwwwrrr",
    "............yyykwwwwww",
    "...............kkkkwww",
    "..........kkkkkkkkwwww",
    ".......kkkwwwwwwwwkwww",
    "....kkkwwkwwkwwkwwwkww",
    "..kkRRRkwwwwwwwwwwwkBB",
    ".kRRRRRRkkkkkkkkkkkBBB",
    "kRRRRRRRRkBBBBBBBBBkyy",
    "kRRyRRRRRkBBBBBBBBBkyk",
    "kRRRRRRRRkBByBBBBBBkyy",
    "kRRRRRRRRkBBBBBBBBBkyk",
    "kRRyRRRRRkBBBBByBBBkyy",
    "kRRRRRRRRkkkkkkkkkkkyy",
    "kRRyRRRRRkBBBBBBBBBkyy",
    "kRRRRRRRRkBBBBBBBBBBkk",
    "kRRRRRRRRkBBBByBBBBBBB",
    "kRRRRRRRRkBBBBBBBBBBBB",
}};

PixelArt Dressed(const PixelArt& art, Suit suit)
{
    const bool redSuit = suit == Suit::Heart || suit == Suit::Diamond;
    const char primary = redSuit ? 'r' : 'b';
    const char secondary = redSuit ? 'b' : 'r';
    PixelArt result = art;
    for (std::string& row : result.rows) {
        std::replace(row.begin(), row.end(), 'R', primary);
        std::replace(row.begin(), row.end(), 'B', secondary);
    }
    return result;
}

void DrawSword(PixelCanvas& half)
{
    constexpr int bladeLeft = 34;
    constexpr int tipY = 3;
    constexpr int guardY = 26;
    half.FillRect(bladeLeft - 1, tipY + 2, 4, guardY - tipY - 2, Vga::Black);
    half.VLine(bladeLeft, tipY + 2, guardY - 1, Vga::White);
    half.VLine(bladeLeft + 1, tipY + 2, guardY - 1, Vga::Silver);
    half.HLine(bladeLeft, bladeLeft + 1, tipY + 1, Vga::Black);
    half.FillRect(bladeLeft - 4, guardY, 10, 3, Vga::Black);
    half.HLine(bladeLeft - 3, bladeLeft + 4, guardY + 1, Vga::Yellow);
    half.FillRect(bladeLeft - 1, guardY + 3, 4, 5, Vga::Black);
    half.FillRect(bladeLeft, guardY + 3, 2, 4, Vga::Maroon);
}

void DrawAxe(PixelCanvas& half)
{
    constexpr int shaftX = 35;
    half.FillRect(shaftX, 2, 2, HalfHeight - 2, Vga::Olive);
    half.VLine(shaftX + 1, 2, HalfHeight - 1, Vga::Maroon);
    half.FillPolygon(QPolygonF({{37.0, 5.0}, {41.0, 2.0}, {41.0, 14.0}, {37.0, 11.0}}), Vga::Silver);
    half.VLine(40, 3, 12, Vga::White);
}

void DrawSceptre(PixelCanvas& half)
{
    constexpr int staffX = 35;
    half.FillRect(staffX, 8, 2, HalfHeight - 8, Vga::Yellow);
    half.VLine(staffX + 1, 8, HalfHeight - 1, Vga::Olive);
    half.FillEllipse(staffX + 1.0, 5.0, 3.5, 3.5, Vga::Yellow);
    half.VLine(staffX, 2, 7, Vga::Red);
    half.HLine(staffX - 2, staffX + 2, 4, Vga::Red);
}

void DrawLeaf(PixelCanvas& half)
{
    half.Line(36, 12, 34, HalfHeight - 1, Vga::Olive);
    half.Line(37, 12, 35, HalfHeight - 1, Vga::Olive);
    half.FillEllipse(37.5, 7.0, 3.5, 6.5, Vga::Green);
    half.Line(37, 2, 37, 12, Vga::Lime);
}

void DrawFlower(PixelCanvas& half)
{
    half.Line(31, 16, 35, 33, Vga::Green);
    half.Line(32, 16, 36, 33, Vga::Green);
    half.FillRect(33, 22, 3, 2, Vga::Lime);
    half.FillEllipse(31.5, 14.5, 3.5, 3.5, Vga::Black);
    half.FillEllipse(31.5, 14.5, 2.6, 2.6, Vga::Red);
    half.FillRect(31, 14, 1, 1, Vga::Yellow);
}

void DrawHalberd(PixelCanvas& half)
{
    constexpr int shaftX = 36;
    half.VLine(shaftX, 3, HalfHeight - 1, Vga::Olive);
    half.VLine(shaftX + 1, 3, HalfHeight - 1, Vga::Black);
    half.VLine(shaftX, 0, 2, Vga::Black);
    const QPolygonF blade({{38.0, 5.0}, {41.0, 3.0}, {41.0, 14.0}, {38.0, 12.0}});
    half.FillPolygon(blade, Vga::Silver);
    half.Line(38, 5, 41, 3, Vga::Black);
    half.Line(38, 12, 41, 14, Vga::Black);
    half.VLine(41, 3, 14, Vga::Black);
}

// A feather laid along the cap.
void DrawFeather(PixelCanvas& half)
{
    half.Line(23, 4, 32, 0, Vga::Black);
    half.Line(23, 5, 32, 1, Vga::White);
    half.Line(24, 5, 33, 1, Vga::Red);
    half.Line(25, 6, 33, 2, Vga::Black);
}

PixelCanvas UpperHalf(Suit suit, int rank)
{
    PixelCanvas half(HalfWidth, HalfHeight, Vga::Transparent);
    switch (rank) {
    case 11:
        half.Draw(Dressed(JackHalf, suit).MirroredRight(), 0, 0);
        if (suit == Suit::Heart)
            DrawLeaf(half);
        else
            DrawHalberd(half);
        DrawFeather(half);
        break;
    case 12:
        half.Draw(Dressed(QueenHalf, suit).MirroredRight(), 0, 0);
        if (suit == Suit::Spade)
            DrawSceptre(half);
        else
            DrawFlower(half);
        break;
    default:
        half.Draw(Dressed(KingHalf, suit).MirroredRight(), 0, 0);
        if (suit == Suit::Diamond)
            DrawAxe(half);
        else if (suit == Suit::Club)
            DrawSceptre(half);
        else
            DrawSword(half);
        break;
    }
    half.Outline(Vga::Black);
    return half;
}
}  // namespace

void Draw(PixelCanvas& card, Suit suit, int rank)
{
    const PixelCanvas half = UpperHalf(suit, rank);
    card.Paste(half, HalfLeft, HalfTop);
    card.Paste(half, HalfLeft, DividerY + 1, Turn::HalfTurn);
    card.FrameRect(FrameLeft, FrameTop, FrameWidth, FrameHeight, Vga::Black);
    card.HLine(HalfLeft, HalfLeft + HalfWidth - 1, DividerY, Vga::Black);
    const PixelArt& pip = SuitPips::Small(suit);
    const QRgb ink = SuitPips::SuitInk(suit);
    card.Draw(pip, HalfLeft + 2, HalfTop + 2, ink);
    card.Draw(pip, FrameLeft + FrameWidth - 3 - pip.Width(), DividerY + HalfHeight - 1 - pip.Height(), ink,
              Turn::HalfTurn);
}
}  // namespace CourtFigures
