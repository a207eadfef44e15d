#include "tools/picturegen/digitpictures.h"

#include <array>

#include "tools/picturegen/vgapalette.h"

namespace DigitPictures {
namespace {
// Segment bits: a top, b upper right, c lower right, d bottom, e lower left,
// f upper left, g middle.
enum Segment : unsigned { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };

constexpr std::array<unsigned, 10> Lit = {
    A | B | C | D | E | F, B | C,         A | B | G | E | D, A | B | G | C | D,     F | G | B | C,
    A | F | G | C | D,     A | F | G | E | D | C, A | B | C, A | B | C | D | E | F | G, A | B | C | D | F | G,
};

constexpr int LeftColumn = 2;
constexpr int RightColumn = 12;
constexpr int TopRow = 2;
constexpr int MiddleRow = 12;
constexpr int BottomRow = 22;

// A bar three pixels thick whose ends are bevelled, so that neighbouring
// segments meet only at a corner.
void Horizontal(PixelCanvas& canvas, int row)
{
    canvas.HLine(LeftColumn + 1, RightColumn - 1, row, Vga::White);
    canvas.HLine(LeftColumn + 2, RightColumn - 2, row - 1, Vga::White);
    canvas.HLine(LeftColumn + 2, RightColumn - 2, row + 1, Vga::White);
}

void Vertical(PixelCanvas& canvas, int column, int fromRow, int toRow)
{
    canvas.VLine(column, fromRow + 1, toRow - 1, Vga::White);
    canvas.VLine(column - 1, fromRow + 2, toRow - 2, Vga::White);
    canvas.VLine(column + 1, fromRow + 2, toRow - 2, Vga::White);
}
}  // namespace

PixelCanvas Digit(int digit, QRgb background)
{
    PixelCanvas canvas(Width, Height, background);
    const unsigned lit = Lit.at(static_cast<std::size_t>(digit));
    if (lit & A)
        Horizontal(canvas, TopRow);
    if (lit & G)
        Horizontal(canvas, MiddleRow);
    if (lit & D)
        Horizontal(canvas, BottomRow);
    if (lit & F)
        Vertical(canvas, LeftColumn, TopRow, MiddleRow);
    if (lit & B)
        Vertical(canvas, RightColumn, TopRow, MiddleRow);
    if (lit & E)
        Vertical(canvas, LeftColumn, MiddleRow, BottomRow);
    if (lit & C)
        Vertical(canvas, RightColumn, MiddleRow, BottomRow);
    return canvas;
}
}  // namespace DigitPictures
