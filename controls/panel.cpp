#include "controls/panel.h"

#include <QMouseEvent>
#include <QPainter>

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
    for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
        const int l = rect.left();
        const int t = rect.top();
        const int r = rect.right();
        const int b = rect.bottom();
        painter.setPen(top);
        painter.drawLine(l, b - 1, l, t);
        painter.drawLine(l, t, r - 1, t);
        painter.setPen(bottom);
        painter.drawLine(r, t, r, b - 1);
        painter.drawLine(r, b, l, b);
        rect.adjust(1, 1, -1, -1);
    }
}

void TPanel::PaintBevel(QPainter& painter, QRect& rect, TPanelBevel bevel) const
{
    if (bevel == TPanelBevel::bvNone)
        return;
    const QColor light = ToQColor(clBtnHighlight);
    const QColor dark = ToQColor(clBtnShadow);
    const bool raised = bevel == TPanelBevel::bvRaised;
    Frame3D(painter, rect, raised ? light : dark, raised ? dark : light, bevelWidth_);
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect rect = this->rect();
    PaintBevel(painter, rect, bevelOuter_);
    Frame3D(painter, rect, Color(), Color(), borderWidth_);
    PaintBevel(painter, rect, bevelInner_);
    painter.fillRect(rect, Color());
}

// Moves over a child reach the panel too when the child ignores them; only
// the bare background counts.
void TPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (childAt(event->position().toPoint()) == nullptr)
        emit MouseMove(this);
}
