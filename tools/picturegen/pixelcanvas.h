#pragma once

#include <QImage>
#include <QPolygonF>
#include <QRgb>

#include "tools/picturegen/pixelart.h"

// How a stamp is turned when drawn.
enum class Turn { Upright, HalfTurn };

// Drawing surface with pixel-exact operations: nothing is smoothed, so the
// same program always produces the same pixels.
class PixelCanvas {
public:
    PixelCanvas(int width, int height, QRgb fill);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }

    QRgb At(int x, int y) const;
    void Set(int x, int y, QRgb colour);
    void FillRect(int x, int y, int width, int height, QRgb colour);
    void FrameRect(int x, int y, int width, int height, QRgb colour);
    void HLine(int x0, int x1, int y, QRgb colour);
    void VLine(int x, int y0, int y1, QRgb colour);
    void Line(int x0, int y0, int x1, int y1, QRgb colour);
    // Fills the pixels whose centres lie inside the ellipse.
    void FillEllipse(double cx, double cy, double rx, double ry, QRgb colour);
    // Outline one pixel thick of the same ellipse.
    void Ellipse(double cx, double cy, double rx, double ry, QRgb colour);
    void FillPolygon(const QPolygonF& polygon, QRgb colour);
    void Draw(const PixelArt& art, int x, int y, QRgb ink = 0xFF000000, Turn turn = Turn::Upright);
    // Copies another canvas; its fully transparent pixels leave this one alone.
    void Paste(const PixelCanvas& other, int x, int y, Turn turn = Turn::Upright);
    // Draws a one-pixel border around everything drawn on a transparent ground.
    void Outline(QRgb colour);

private:
    bool Inside(int x, int y) const;

    QImage image_;
};
