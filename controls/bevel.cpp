#include "controls/bevel.h"

#include <QPainter>

#include "controls/panel.h"
#include "controls/tcolor.h"

TBevel::TBevel(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::SetRaised(bool value)
{
    if (value == raised_)
        return;
    raised_ = value;
    update();
}

void TBevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect box = rect();
    const QColor light = ToQColor(clBtnHighlight);
    const QColor dark = ToQColor(clBtnShadow);
    TPanel::Frame3D(painter, box, raised_ ? light : dark, raised_ ? dark : light, 1);
}
