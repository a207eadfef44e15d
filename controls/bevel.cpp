#include "controls/bevel.h"

#include <QPainter>

#include "controls/devicepixels.h"
#include "controls/picturecache.h"
#include "controls/tcolor.h"

TBevel::TBevel(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int line = LinePixels(PictureCache::DeviceScale(painter));
    QRect box = UseDevicePixels(painter, *this);
    DrawFrame(painter, box, 1, line, ToQColor(clBtnShadow), ToQColor(clBtnHighlight));
}
