#include "controls/focusframe.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

// Drawn by hand rather than by the style: the desktop styles draw a focus
// frame only in some states and in colours a card picture can swallow. A
// dark frame with light dashes on it shows on any picture.
void PaintFocusFrame(QPainter& painter, const QWidget& control, FocusFrameLines lines)
{
    painter.save();
    const qreal inset = lines.dark / 2.0;
    const QRectF frame = QRectF(control.rect()).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(Qt::black, lines.dark, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(frame);
    QPen light(Qt::white, lines.light, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    light.setDashPattern({lines.dash, lines.dash});
    painter.setPen(light);
    painter.drawRect(frame);
    painter.restore();
}
