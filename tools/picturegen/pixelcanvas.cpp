#include "tools/picturegen/pixelcanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QPainter>

#include "tools/picturegen/vgapalette.h"

PixelCanvas::PixelCanvas(int width, int height, QRgb fill)
    : image_(width, height, QImage::Format_ARGB32)
{
    image_.fill(fill);
}

bool PixelCanvas::Inside(int x, int y) const
{
    return x >= 0 && y >= 0 && x < image_.width() && y < image_.height();
}

QRgb PixelCanvas::At(int x, int y) const
{
    return Inside(x, y) ? image_.pixel(x, y) : Vga::Transparent;
}

void PixelCanvas::Set(int x, int y, QRgb colour)
{
    if (Inside(x, y))
        image_.setPixel(x, y, colour);
}

void PixelCanvas::FillRect(int x, int y, int width, int height, QRgb colour)
{
    for (int row = y; row < y + height; ++row)
        HLine(x, x + width - 1, row, colour);
}

void PixelCanvas::FrameRect(int x, int y, int width, int height, QRgb colour)
{
    HLine(x, x + width - 1, y, colour);
    HLine(x, x + width - 1, y + height - 1, colour);
    VLine(x, y, y + height - 1, colour);
    VLine(x + width - 1, y, y + height - 1, colour);
}

void PixelCanvas::HLine(int x0, int x1, int y, QRgb colour)
{
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
        Set(x, y, colour);
}

void PixelCanvas::VLine(int x, int y0, int y1, QRgb colour)
{
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        Set(x, y, colour);
}

void PixelCanvas::Line(int x0, int y0, int x1, int y1, QRgb colour)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        Set(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

namespace {
bool InEllipse(int x, int y, double cx, double cy, double rx, double ry)
{
    const double u = (x + 0.5 - cx) / rx;
    const double v = (y + 0.5 - cy) / ry;
    return u * u + v * v <= 1.0;
}
}  // namespace

void PixelCanvas::FillEllipse(double cx, double cy, double rx, double ry, QRgb colour)
{
    const int x0 = static_cast<int>(std::floor(cx - rx));
    const int x1 = static_cast<int>(std::ceil(cx + rx));
    const int y0 = static_cast<int>(std::floor(cy - ry));
    const int y1 = static_cast<int>(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (InEllipse(x, y, cx, cy, rx, ry))
                Set(x, y, colour);
}

void PixelCanvas::Ellipse(double cx, double cy, double rx, double ry, QRgb colour)
{
    const int x0 = static_cast<int>(std::floor(cx - rx));
    const int x1 = static_cast<int>(std::ceil(cx + rx));
    const int y0 = static_cast<int>(std::floor(cy - ry));
    const int y1 = static_cast<int>(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (!InEllipse(x, y, cx, cy, rx, ry))
                continue;
            const bool edge = !InEllipse(x - 1, y, cx, cy, rx, ry) || !InEllipse(x + 1, y, cx, cy, rx, ry) ||
                              !InEllipse(x, y - 1, cx, cy, rx, ry) || !InEllipse(x, y + 1, cx, cy, rx, ry);
            if (edge)
                Set(x, y, colour);
        }
    }
}

void PixelCanvas::FillPolygon(const QPolygonF& polygon, QRgb colour)
{
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(colour));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPolygon(polygon);
}

void PixelCanvas::Draw(const PixelArt& art, int x, int y, QRgb ink, Turn turn)
{
    const int width = art.Width();
    const int height = art.Height();
    for (int row = 0; row < height; ++row) {
        const std::string& line = art.rows[row];
        for (int col = 0; col < static_cast<int>(line.size()); ++col) {
            if (line[col] == '.')
                continue;
            const QRgb colour = ArtColour(line[col], ink);
            if (turn == Turn::Upright)
                Set(x + col, y + row, colour);
            else
                Set(x + width - 1 - col, y + height - 1 - row, colour);
        }
    }
}

void PixelCanvas::Paste(const PixelCanvas& other, int x, int y, Turn turn)
{
    const int width = other.Width();
    const int height = other.Height();
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            const QRgb colour = other.At(col, row);
            if (qAlpha(colour) == 0)
                continue;
            if (turn == Turn::Upright)
                Set(x + col, y + row, colour);
            else
                Set(x + width - 1 - col, y + height - 1 - row, colour);
        }
    }
}

void PixelCanvas::Outline(QRgb colour)
{
    const QImage before = image_;
    const auto drawn = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < Width() && y < Height() && qAlpha(before.pixel(x, y)) != 0;
    };
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x)
            if (!drawn(x, y) && (drawn(x - 1, y) || drawn(x + 1, y) || drawn(x, y - 1) || drawn(x, y + 1)))
                image_.setPixel(x, y, colour);
}
