#include "controls/focusframe.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace {

constexpr int Inset = 2;

}  // namespace

void PaintFocusFrame(QPainter& painter, const QWidget& control)
{
    QStyleOptionFocusRect option;
    option.initFrom(&control);
    option.rect = control.rect().adjusted(Inset, Inset, -Inset, -Inset);
    control.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &control);
}
