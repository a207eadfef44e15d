#include "controls/panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/devicepixels.h"
#include "controls/picturecache.h"
#include "controls/tcolor.h"

TPanel::TPanel(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetColor(ToQColor(clBtnFace));
}

void TPanel::SetBevelOuter(TPanelBevel value)
{
    if (value == bevelOuter_)
        return;
    bevelOuter_ = value;
    update();
}

void TPanel::SetBevelInner(TPanelBevel value)
{
    if (value == bevelInner_)
        return;
    bevelInner_ = value;
    update();
}

void TPanel::SetBevelWidth(int value)
{
    if (value == bevelWidth_)
        return;
    bevelWidth_ = value;
    update();
}

void TPanel::SetBorderWidth(int value)
{
    if (value == borderWidth_)
        return;
    borderWidth_ = value;
    update();
}

void TPanel::SetZoom(qreal value)
{
    if (value == zoom_)
        return;
    zoom_ = value;
    update();
}

QColor TPanel::Color() const
{
    return palette().color(QPalette::Window);
}

// The colour lives in the palette, so the cards on the panel, which paint
// their corners in their parent's background, follow it.
void TPanel::SetColor(const QColor& value)
{
    if (value == Color() && testAttribute(Qt::WA_SetPalette))
        return;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, value);
    setPalette(pal);
    update();
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->update();
}

void TPanel::Frame3D(QPainter& painter, QRect& rect, const QColor& top, const QColor& bottom, int width)
{
    DrawFrame(painter, rect, width, 1, top, bottom);
}

void TPanel::PaintBevel(QPainter& painter, QRect& rect, TPanelBevel bevel, int line) const
{
    if (bevel == TPanelBevel::bvNone)
        return;
    const QColor light = ToQColor(clBtnHighlight);
    const QColor dark = ToQColor(clBtnShadow);
    const bool raised = bevel == TPanelBevel::bvRaised;
    DrawFrame(painter, rect, bevelWidth_, line, raised ? light : dark, raised ? dark : light);
}

// The whole panel is filled first: it claims to paint every pixel it covers,
// and on a scaled screen its edges may cover parts of pixels.
void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int line = LinePixels(PictureCache::DeviceScale(painter) * zoom_);
    QRect rect = UseDevicePixels(painter, *this);
    painter.fillRect(rect, Color());
    PaintBevel(painter, rect, bevelOuter_, line);
    rect.adjust(borderWidth_ * line, borderWidth_ * line, -borderWidth_ * line, -borderWidth_ * line);
    PaintBevel(painter, rect, bevelInner_, line);
}

// Moves over a child reach the panel too when the child ignores them; only
// the bare background counts.
void TPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (childAt(event->position().toPoint()) == nullptr)
        emit MouseMove(this);
}
