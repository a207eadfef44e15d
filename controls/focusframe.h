#pragma once

#include <QtGlobal>

class QPainter;
class QWidget;

// How heavy a focus frame is drawn: its dark line, the light dashes on it.
struct FocusFrameLines {
    int dark = 3;
    int light = 1;
    qreal dash = 2;
};

// The focus frame of a control that Tab reaches and that draws itself: a
// dark and light outline just inside its edge.
void PaintFocusFrame(QPainter& painter, const QWidget& control, FocusFrameLines lines = {});
