#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QWidget;

// Drawing lines and fills in the device's own pixels. A one-pixel line drawn
// in a control's units covers fractions of pixels on a scaled screen or a
// zoomed table, leaving seams and stray dots; in device pixels every line is
// a whole number of pixels thick.

// Switches the painter to device pixels and gives the control's rectangle in
// them, rounded outward so that no pixel the control covers is left out.
QRect UseDevicePixels(QPainter& painter, const QWidget& control);

// How many device pixels thick a line of one classic pixel is at this scale:
// the nearest whole number, never less than one.
int LinePixels(qreal deviceScale);

// `count` outlines, each `line` pixels thick and inside the previous: top and
// left in `first` (but the top row's last and the left column's last pixel),
// right and bottom in `second`. `rect` shrinks past them, even when nothing is
// left to draw on.
void DrawFrame(QPainter& painter, QRect& rect, int count, int line, const QColor& first, const QColor& second);
