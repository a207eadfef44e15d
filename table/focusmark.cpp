#include "table/focusmark.h"

#include <QPainter>

#include "controls/focusframe.h"

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
    PaintFocusFrame(painter, *this, {DarkWidth, LightWidth, DashLength});
}
