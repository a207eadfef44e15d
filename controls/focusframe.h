#pragma once

class QPainter;
class QWidget;

// The desktop style's focus frame just inside a control that Tab reaches and
// that draws itself.
void PaintFocusFrame(QPainter& painter, const QWidget& control);
