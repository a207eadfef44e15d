#pragma once

class QPainter;
class QWidget;

// The focus frame of a control that Tab reaches and that draws itself: a
// dark and light outline just inside its edge.
void PaintFocusFrame(QPainter& painter, const QWidget& control);
