#include "tools/picturegen/glyphpictures.h"

#include <cmath>
#include <cstdlib>

#include "tools/picturegen/vgapalette.h"

namespace GlyphPictures {
namespace {
constexpr int ArrowSize = 15;
constexpr int GlyphSize = 16;
constexpr int IconSize = 32;
constexpr int CursorSize = 32;

PixelCanvas Clear(int width, int height)
{
    return PixelCanvas(width, height, Vga::Transparent);
}

PixelCanvas Arrow(bool pointsLeft)
{
    PixelCanvas glyph = Clear(ArrowSize, ArrowSize);
    constexpr int middle = ArrowSize / 2;
    constexpr int tip = 1;
    constexpr int headEnd = 7;
    for (int y = 0; y < ArrowSize; ++y) {
        for (int x = tip; x < ArrowSize - 1; ++x) {
            const int offset = std::abs(y - middle);
            const bool head = x <= headEnd && offset <= x - tip;
            const bool shaft = x > headEnd && offset <= 2;
            if (head || shaft)
                glyph.Set(pointsLeft ? x : ArrowSize - 1 - x, y, Vga::Black);
        }
    }
    return glyph;
}

const PixelArt TickArt = {{
    "................",
    "................",
    "..............#.",
    ".............##.",
    "............###.",
    "...........###..",
    "..........###...",
    ".#.......###....",
    ".##.....###.....",
    ".###...###......",
    "..###.###.......",
    "...#####........",
    "....###.........",
    ".....#..........",
    "................",
    "................",
}};

PixelCanvas Tick(bool enabled)
{
    PixelCanvas glyph = Clear(GlyphSize, GlyphSize);
    if (enabled) {
        glyph.Draw(TickArt, 0, 1, Vga::Black);
        glyph.Draw(TickArt, 0, 0, Vga::Green);
    } else {
        glyph.Draw(TickArt, 1, 1, Vga::White);
        glyph.Draw(TickArt, 0, 0, Vga::Grey);
    }
    return glyph;
}

PixelCanvas Exit()
{
    PixelCanvas glyph = Clear(GlyphSize, GlyphSize);
    glyph.FillRect(1, 0, 9, 16, Vga::Black);
    glyph.FillRect(2, 1, 7, 15, Vga::Maroon);
    glyph.FrameRect(3, 2, 5, 5, Vga::Black);
    glyph.FrameRect(3, 8, 5, 5, Vga::Black);
    glyph.Set(7, 10, Vga::Yellow);
    const QPolygonF arrow({{6.0, 6.5}, {11.0, 6.5}, {11.0, 3.0}, {16.0, 8.0}, {11.0, 13.0}, {11.0, 9.5}, {6.0, 9.5}});
    glyph.FillPolygon(arrow.translated(0.0, 1.0), Vga::Black);
    glyph.FillPolygon(arrow, Vga::Green);
    return glyph;
}

PixelCanvas Delete()
{
    PixelCanvas glyph = Clear(GlyphSize, GlyphSize);
    const auto cross = [&](int dx, int dy, QRgb colour) {
        for (int i = 2; i <= 13; ++i)
            for (int t = -1; t <= 1; ++t) {
                glyph.Set(i + t + dx, i + dy, colour);
                glyph.Set(15 - i + t + dx, i + dy, colour);
            }
    };
    cross(1, 1, Vga::Maroon);
    cross(0, 0, Vga::Red);
    return glyph;
}

PixelCanvas Zero()
{
    PixelCanvas glyph = Clear(GlyphSize, GlyphSize);
    glyph.FillEllipse(8.5, 8.5, 6, 7.5, Vga::Black);
    glyph.FillEllipse(8.0, 8.0, 6, 7.5, Vga::Blue);
    glyph.FillEllipse(8.0, 8.0, 3, 4.5, Vga::Transparent);
    glyph.FillEllipse(8.0, 8.0, 2, 3.5, Vga::Transparent);
    return glyph;
}

const PixelArt QuestionArt = {{
    "....######....",
    "...########...",
    "..###....###..",
    "..###....###..",
    ".........###..",
    "........###...",
    ".......###....",
    "......###.....",
    "......###.....",
    "......###.....",
    "..............",
    "......###.....",
    "......###.....",
    "......###.....",
}};

PixelCanvas Help()
{
    PixelCanvas glyph = Clear(GlyphSize, GlyphSize);
    glyph.Draw(QuestionArt, 2, 2, Vga::Black);
    glyph.Draw(QuestionArt, 1, 1, Vga::Blue);
    return glyph;
}

// One card of the fan, turned about a point below the cards; the turn is
// given by its sine and cosine so that no maths library decides a pixel.
void FanCard(PixelCanvas& icon, double sine, double cosine, bool front)
{
    constexpr double pivotX = 15.5;
    constexpr double pivotY = 42.0;
    const auto turn = [&](double x, double y) {
        const double dx = x - pivotX;
        const double dy = y - pivotY;
        return QPointF(pivotX + dx * cosine - dy * sine, pivotY + dx * sine + dy * cosine);
    };
    const QPolygonF outline({turn(10.0, 5.0), turn(22.0, 5.0), turn(22.0, 28.0), turn(10.0, 28.0)});
    icon.FillPolygon(outline, Vga::Black);
    const QPolygonF inside({turn(11.0, 6.0), turn(21.0, 6.0), turn(21.0, 27.0), turn(11.0, 27.0)});
    icon.FillPolygon(inside, Vga::White);
    if (!front) {
        const QPolygonF back({turn(12.0, 7.0), turn(20.0, 7.0), turn(20.0, 26.0), turn(12.0, 26.0)});
        icon.FillPolygon(back, Vga::Blue);
        return;
    }
    const PixelArt heart = {{".##.##.", "#######", "#######", ".#####.", "..###..", "...#..."}};
    icon.Draw(heart, 13, 13, Vga::Red);
    icon.VLine(12, 7, 9, Vga::Red);
}

PixelCanvas PlayerIcon()
{
    PixelCanvas icon = Clear(IconSize, IconSize);
    constexpr double sine16 = 0.27563735581699916;  // sixteen degrees
    constexpr double cosine16 = 0.96126169593831889;
    FanCard(icon, -sine16, cosine16, false);
    FanCard(icon, sine16, cosine16, false);
    FanCard(icon, 0.0, 1.0, true);
    return icon;
}

void Loudspeaker(PixelCanvas& picture, int left)
{
    constexpr int top = 4;
    constexpr int width = 28;
    constexpr int height = 56;
    picture.FillRect(left, top, width, height, Vga::Black);
    picture.FillRect(left + 1, top + 1, width - 2, height - 2, Vga::Grey);
    picture.HLine(left + 1, left + width - 2, top + 1, Vga::Silver);
    picture.VLine(left + 1, top + 1, top + height - 2, Vga::Silver);
    const double cx = left + width / 2.0;
    picture.FillEllipse(cx, top + 12.0, 5.0, 5.0, Vga::Black);
    picture.FillEllipse(cx, top + 12.0, 3.5, 3.5, Vga::Silver);
    picture.FillEllipse(cx - 0.5, top + 11.5, 1.2, 1.2, Vga::White);
    picture.FillEllipse(cx, top + 35.0, 11.5, 11.5, Vga::Black);
    picture.FillEllipse(cx, top + 35.0, 10.0, 10.0, Vga::Silver);
    picture.Ellipse(cx, top + 35.0, 7.5, 7.5, Vga::Grey);
    picture.FillEllipse(cx, top + 35.0, 3.5, 3.5, Vga::Black);
    picture.FillEllipse(cx - 0.5, top + 34.5, 1.5, 1.5, Vga::Grey);
    picture.FillRect(left + 5, top + height - 5, 4, 2, Vga::Black);
    picture.FillRect(left + width - 9, top + height - 5, 4, 2, Vga::Black);
}

PixelCanvas Loudspeakers()
{
    constexpr int size = 64;
    PixelCanvas picture = Clear(size, size);
    Loudspeaker(picture, 2);
    Loudspeaker(picture, 34);
    return picture;
}

PixelCanvas WasteBin()
{
    constexpr int width = 49;
    constexpr int height = 64;
    PixelCanvas picture = Clear(width, height);
    const QPolygonF body({{4.0, 12.0}, {45.0, 12.0}, {40.0, 63.0}, {9.0, 63.0}});
    picture.FillPolygon(body, Vga::Black);
    picture.FillPolygon(QPolygonF({{6.0, 13.0}, {43.0, 13.0}, {39.0, 62.0}, {10.0, 62.0}}), Vga::Silver);
    for (int rib = 0; rib < 6; ++rib) {
        const int topX = 11 + rib * 5;
        const int bottomX = 14 + rib * 4;
        picture.Line(topX, 18, bottomX, 58, Vga::Grey);
        picture.Line(topX + 1, 18, bottomX + 1, 58, Vga::White);
    }
    // Rim and a crumpled sheet sticking out.
    picture.FillPolygon(QPolygonF({{16.0, 2.0}, {27.0, 0.0}, {33.0, 6.0}, {30.0, 13.0}, {17.0, 13.0}}), Vga::Black);
    picture.FillPolygon(QPolygonF({{17.0, 3.0}, {27.0, 1.0}, {32.0, 6.0}, {29.0, 12.0}, {18.0, 12.0}}), Vga::White);
    picture.Line(20, 5, 26, 8, Vga::Grey);
    picture.Line(22, 3, 24, 10, Vga::Grey);
    picture.FillRect(2, 10, 45, 5, Vga::Black);
    picture.FillRect(3, 11, 43, 3, Vga::Grey);
    picture.HLine(3, 45, 11, Vga::Silver);
    return picture;
}

// The sheet of music the drag cursors carry; its lower left corner is the hot spot.
void MusicSheet(PixelCanvas& cursor, int top, int right)
{
    const int bottom = CursorSize - 1;
    cursor.FillRect(0, top, right + 1, bottom - top + 1, Vga::Black);
    cursor.FillRect(1, top + 1, right - 1, bottom - top - 1, Vga::White);
    for (int line = 0; line < 5; ++line)
        cursor.HLine(2, right - 2, top + 5 + 3 * line, Vga::Black);
    // An eighth note across the staff.
    const int noteX = 6;
    const int noteY = top + 17;
    cursor.FillRect(noteX - 2, noteY, 4, 2, Vga::Black);
    cursor.HLine(noteX - 1, noteX, noteY - 1, Vga::Black);
    cursor.HLine(noteX - 2, noteX - 1, noteY + 2, Vga::Black);
    cursor.VLine(noteX + 1, noteY - 9, noteY + 1, Vga::Black);
    cursor.Line(noteX + 1, noteY - 9, noteX + 4, noteY - 6, Vga::Black);
    cursor.Line(noteX + 2, noteY - 9, noteX + 5, noteY - 6, Vga::Black);
}

const PixelArt ClosedHand = {{
    ".....kkkkkkk....",
    ".....kwwwwwk....",
    ".....kwwwwwk....",
    "....kwwwwwwwk...",
    "...kwwwwwwwwwk..",
    "..kkwwwwwwwwwwk.",
    ".kwwkwwwwwwwwwk.",
    ".kwwkwwwwwwwwwk.",
    ".kwwkwwwwwwwwwk.",
    "..kkwkwwkwwkwwk.",
    "...kwkwwkwwkwwk.",
    "...kwkwwkwwkwwk.",
    "...kwkwwkwwkwwk.",
    "....kkkkkkkkkk..",
}};

const PixelArt OpenHand = {{
    "......kkkkkk.....",
    "......kwwwwk.....",
    "......kwwwwk.....",
    ".....kwwwwwwk....",
    "....kwwwwwwwwk...",
    ".k..kwwwwwwwwk...",
    "kwk.kwwwwwwwwk...",
    "kwwkkwwwwwwwwk...",
    ".kwwkwwwwwwwwk...",
    "..kwwwwwwwwwwk...",
    "...kwwkwwkwwkwk..",
    "...kwwkwwkwwkwwk.",
    "...kwwkwwkwwkwwk.",
    "...kwwkwwkwwkwwk.",
    "...kwwkwwkwwkwwk.",
    "....kk.kk.kk.kk..",
}};

PixelCanvas PageDrag()
{
    PixelCanvas cursor = Clear(CursorSize, CursorSize);
    MusicSheet(cursor, 10, 21);
    cursor.Draw(ClosedHand, 12, 0);
    return cursor;
}

PixelCanvas PageDrop()
{
    PixelCanvas cursor = Clear(CursorSize, CursorSize);
    MusicSheet(cursor, 14, 19);
    cursor.Draw(OpenHand, 14, 0);
    // Marks of the falling sheet.
    cursor.VLine(23, 19, 22, Vga::Black);
    cursor.VLine(26, 18, 20, Vga::Black);
    return cursor;
}
}  // namespace

std::vector<std::pair<const char*, PixelCanvas>> All()
{
    return {
        {"ARROWLEFT", Arrow(true)},
        {"ARROWRIGHT", Arrow(false)},
        {"TICK", Tick(true)},
        {"TICKDISABLED", Tick(false)},
        {"EXIT", Exit()},
        {"DELETE", Delete()},
        {"ZERO", Zero()},
        {"HELP", Help()},
        {"PLAYERICON", PlayerIcon()},
        {"SPEAKERS", Loudspeakers()},
        {"WASTEBIN", WasteBin()},
        {"PAGEDRAG", PageDrag()},
        {"PAGEDROP", PageDrop()},
    };
}
}  // namespace GlyphPictures
