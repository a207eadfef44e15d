#include "table/focusmark.h"

#include <QPainter>
#include <QPen>

namespace {

constexpr int DarkWidth = 4;
constexpr int LightWidth = 2;
constexpr qreal DashLength = 3;

}  // namespace

TFocusMark::TFocusMark(QWidget& table) : QWidget(&table)
{
    setObjectName(QStringLiteral("focusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(tr("Keyboard mark"));
    hide();
}

void TFocusMark::Surround(const QRect& rect)
{
    setGeometry(rect.adjusted(-Margin, -Margin, Margin, Margin));
    raise();
}

// A solid dark frame with light dashes on it: one of the two always stands
// out, whatever lies beneath.
void TFocusMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF frame = QRectF(rect()).adjusted(DarkWidth / 2.0, DarkWidth / 2.0, -DarkWidth / 2.0, -DarkWidth / 2.0);
    painter.setPen(QPen(Qt::black, DarkWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(frame);
    QPen light(Qt::white, LightWidth, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    light.setDashPattern({DashLength, DashLength});
    painter.setPen(light);
    painter.drawRect(frame);
}
