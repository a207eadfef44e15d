#include "controls/bevel.h"

#include <QPainter>

#include "controls/panel.h"
#include "controls/tcolor.h"

TBevel::TBevel(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect box = rect();
    TPanel::Frame3D(painter, box, ToQColor(clBtnShadow), ToQColor(clBtnHighlight), 1);
}
