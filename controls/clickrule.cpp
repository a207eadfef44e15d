#include "controls/clickrule.h"

#include <QMouseEvent>
#include <QRect>

void TClickRule::Press(const QMouseEvent& event)
{
    if (event.button() == Qt::LeftButton)
        leftPressed_ = true;
}

bool TClickRule::Release(const QMouseEvent& event, const QRect& area)
{
    if (event.button() != Qt::LeftButton || !leftPressed_)
        return false;
    leftPressed_ = false;
    return area.contains(event.position().toPoint());
}

bool TClickRule::DoublePress(const QMouseEvent& event)
{
    leftPressed_ = false;
    return event.button() == Qt::LeftButton;
}
