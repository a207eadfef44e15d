#include "controls/focusframe.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

namespace {

constexpr int DarkWidth = 3;
constexpr int LightWidth = 1;
constexpr qreal DashLength = 2;

}  // namespace

// Drawn by hand rather than by the style: the desktop styles draw a focus
// frame only in some states and in colours a card picture can swallow. A
// dark frame with light dashes on it shows on any picture.
void PaintFocusFrame(QPainter& painter, const QWidget& control)
{
    painter.save();
    const qreal inset = DarkWidth / 2.0;
    const QRectF frame = QRectF(control.rect()).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(Qt::black, DarkWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(frame);
    QPen light(Qt::white, LightWidth, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    light.setDashPattern({DashLength, DashLength});
    painter.setPen(light);
    painter.drawRect(frame);
    painter.restore();
}
