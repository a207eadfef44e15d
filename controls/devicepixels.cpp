#include "controls/devicepixels.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QWidget>

#include "controls/picturecache.h"

QRect UseDevicePixels(QPainter& painter, const QWidget& control)
{
    const qreal scale = PictureCache::DeviceScale(painter);
    painter.setWorldTransform(QTransform::fromScale(1 / scale, 1 / scale));
    return QRect(0, 0, static_cast<int>(std::ceil(control.width() * scale)),
                 static_cast<int>(std::ceil(control.height() * scale)));
}

int LinePixels(qreal deviceScale)
{
    return std::max(1, static_cast<int>(std::lround(deviceScale)));
}

void DrawFrame(QPainter& painter, QRect& rect, int count, int line, const QColor& first, const QColor& second)
{
    for (int i = 0; i < count; ++i) {
        if (rect.width() > 0 && rect.height() > 0) {
            const int thick = std::min({line, rect.width(), rect.height()});
            painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - thick, thick), first);
            painter.fillRect(QRect(rect.left(), rect.top(), thick, rect.height() - thick), first);
            painter.fillRect(QRect(rect.right() - thick + 1, rect.top(), thick, rect.height()), second);
            painter.fillRect(QRect(rect.left(), rect.bottom() - thick + 1, rect.width(), thick), second);
        }
        rect.adjust(line, line, -line, -line);
    }
}
