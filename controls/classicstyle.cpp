#include "controls/classicstyle.h"

#include <cmath>

#include <QPainter>
#include <QStyleOptionButton>
#include <QWidget>

#include "controls/devicepixels.h"
#include "controls/picturecache.h"
#include "controls/tcolor.h"

namespace {

constexpr TColor cl3DDarkShadow = 0x80000015;
constexpr TColor cl3DLight = 0x80000016;

qreal ZoomOf(const QWidget* widget)
{
    const QVariant zoom = widget != nullptr ? widget->property(TClassicStyle::ZoomProperty) : QVariant();
    return zoom.isValid() ? zoom.toReal() : 1.0;
}

// The option's rectangle in device pixels, with the painter switched to them.
QRect DeviceRect(QPainter& painter, const QRect& rect, qreal scale)
{
    const QRectF mapped = painter.worldTransform().mapRect(QRectF(rect));
    painter.setWorldTransform(QTransform::fromScale(1 / scale, 1 / scale));
    const int left = static_cast<int>(std::lround(mapped.left() * scale));
    const int top = static_cast<int>(std::lround(mapped.top() * scale));
    return QRect(left, top, static_cast<int>(std::lround(mapped.right() * scale)) - left,
                 static_cast<int>(std::lround(mapped.bottom() * scale)) - top);
}

}  // namespace

TClassicStyle::TClassicStyle() = default;

void TClassicStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (element == CE_PushButtonBevel && option != nullptr && painter != nullptr) {
        DrawButtonBevel(*option, *painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void TClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    if (element == PE_PanelButtonCommand && option != nullptr && painter != nullptr) {
        DrawButtonBevel(*option, *painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int TClassicStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_ButtonShiftHorizontal || metric == PM_ButtonShiftVertical)
        return static_cast<int>(std::lround(ZoomOf(widget)));
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void TClassicStyle::DrawButtonBevel(const QStyleOption& option, QPainter& painter, const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(&option);
    const bool isDefault = button != nullptr && (button->features & QStyleOptionButton::DefaultButton);
    const bool pressed = (option.state & State_Sunken) || (option.state & State_On);
    const qreal scale = PictureCache::DeviceScale(painter);
    const int line = LinePixels(scale * ZoomOf(widget));

    painter.save();
    QRect rect = DeviceRect(painter, option.rect, scale);
    painter.fillRect(rect, ToQColor(clBtnFace));
    const QColor black = ToQColor(cl3DDarkShadow);
    if (isDefault)
        DrawFrame(painter, rect, 1, line, black, black);
    if (pressed) {
        DrawFrame(painter, rect, 1, line, black, ToQColor(clBtnHighlight));
        DrawFrame(painter, rect, 1, line, ToQColor(clBtnShadow), ToQColor(cl3DLight));
    } else {
        DrawFrame(painter, rect, 1, line, ToQColor(clBtnHighlight), black);
        DrawFrame(painter, rect, 1, line, ToQColor(cl3DLight), ToQColor(clBtnShadow));
    }
    painter.restore();
}
