#include "controls/label3d.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "controls/focusframe.h"
#include "controls/devicepixels.h"
#include "controls/picturecache.h"
#include "controls/tcolor.h"

namespace {

constexpr int MaxCaptionLength = 255;
constexpr int MaxCaptionIndent = 255;

// The classic button highlight and shadow, the same as every panel's bevel.
QColor ButtonHighlight()
{
    return ToQColor(clBtnHighlight);
}

QColor ButtonShadow()
{
    return ToQColor(clBtnShadow);
}

void DrawBevel(QPainter& painter, QRect& r, int width, int line, TLabelBevel bevel)
{
    if (bevel == TLabelBevel::bvRaised)
        DrawFrame(painter, r, width, line, ButtonHighlight(), ButtonShadow());
    else if (bevel == TLabelBevel::bvLowered)
        DrawFrame(painter, r, width, line, ButtonShadow(), ButtonHighlight());
}

// Frames wider than the label only shrink the rectangle further; bounding the
// width keeps the arithmetic clear of overflow without changing the picture.
int BoundedFrameWidth(int width, const QRect& client)
{
    return std::min(width, client.width() + client.height() + 2);
}

// Without accelerator marks every ampersand is plain text, so nothing is
// handed to the text engine as a mnemonic.
int TextFlags(Qt::Alignment alignment, bool showAccelChar)
{
    int flags = static_cast<int>(alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop
        | Qt::TextWordWrap | Qt::TextExpandTabs;
    if (showAccelChar)
        flags |= Qt::TextShowMnemonic;
    return flags;
}

int FloorDiv2(int value)
{
    return value >= 0 ? value / 2 : (value - 1) / 2;
}

}  // namespace

TLabel3d::TLabel3d(QWidget* parent)
    : QWidget(parent)
{
    // Until made transparent the label fills its whole rectangle itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TLabel3d::SetCaption(const QString& value)
{
    SetAndRepaint(caption_, value);
}

void TLabel3d::SetAlignment(Qt::Alignment value)
{
    SetAndRepaint(alignment_, value);
}

void TLabel3d::SetBevelInner(TLabelBevel value)
{
    SetAndRepaint(bevelInner_, value);
}

void TLabel3d::SetBevelOuter(TLabelBevel value)
{
    SetAndRepaint(bevelOuter_, value);
}

void TLabel3d::SetBevelWidth(int value)
{
    SetAndRepaint(bevelWidth_, value);
}

void TLabel3d::SetBorderColor(const QColor& value)
{
    SetAndRepaint(borderColor_, value);
}

void TLabel3d::SetBorderStyle(TBorderStyle value)
{
    SetAndRepaint(borderStyle_, value);
}

void TLabel3d::SetBorderWidth(int value)
{
    SetAndRepaint(borderWidth_, value);
}

void TLabel3d::SetCaptionAlign(TCaptionAlign value)
{
    SetAndRepaint(captionAlign_, value);
}

void TLabel3d::SetCaptionIndent(int value)
{
    SetAndRepaint(captionIndent_, std::clamp(value, 0, MaxCaptionIndent));
}

void TLabel3d::SetShowAccelChar(bool value)
{
    SetAndRepaint(showAccelChar_, value);
}

void TLabel3d::SetTransparent(bool value)
{
    if (SetAndRepaint(transparent_, value))
        setAttribute(Qt::WA_OpaquePaintEvent, !transparent_);
}

QColor TLabel3d::Color() const
{
    if (ownColor_)
        return color_;
    const QWidget* surface = parentWidget() ? parentWidget() : this;
    return surface->palette().color(surface->backgroundRole());
}

// Assigning the colour it already shows keeps a label following its parent.
// A colour once set is the label's own, even when it equals the parent's
// colour of the moment: it must not follow the parent when that changes.
void TLabel3d::SetColor(const QColor& value)
{
    if (ownColor_ && value == color_)
        return;
    const bool shownChanges = value != Color();
    color_ = value;
    ownColor_ = true;
    if (shownChanges)
        update();
}

void TLabel3d::SetFontColor(const QColor& value)
{
    SetAndRepaint(fontColor_, value);
}

void TLabel3d::SetZoom(qreal value)
{
    SetAndRepaint(zoom_, value);
}

// Fill and frames in device pixels, so that every line is whole pixels at any
// scale; the text in the label's classic units, zoomed.
void TLabel3d::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.save();
    PaintFrames(painter);
    painter.restore();

    painter.scale(zoom_, zoom_);
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    const int spaceWidth = metrics.horizontalAdvance(QLatin1Char(' '));

    const int frames = FramesWidth();
    QRect r(0, 0, static_cast<int>(std::lround(width() / zoom_)), static_cast<int>(std::lround(height() / zoom_)));
    r.adjust(frames, frames, -frames, -frames);
    if (captionIndent_ > 0)
        r.setLeft(r.left() + captionIndent_ * spaceWidth);
    PlaceVertically(r, lineHeight);
    DrawCaption(painter, r);
    if (hasFocus() && (focusPolicy() & Qt::TabFocus))
        PaintFocusFrame(painter, *this);
}

void TLabel3d::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void TLabel3d::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void TLabel3d::PaintFrames(QPainter& painter) const
{
    const int line = LinePixels(PictureCache::DeviceScale(painter) * zoom_);
    QRect r = UseDevicePixels(painter, *this);
    if (!transparent_)
        painter.fillRect(r, Color());
    if (borderStyle_ == TBorderStyle::bsSingle)
        DrawFrame(painter, r, BoundedFrameWidth(borderWidth_, rect()), line, borderColor_, borderColor_);
    if (bevelOuter_ != TLabelBevel::bvNone)
        DrawBevel(painter, r, BoundedFrameWidth(bevelWidth_, rect()), line, bevelOuter_);
    if (bevelInner_ != TLabelBevel::bvNone)
        DrawBevel(painter, r, BoundedFrameWidth(bevelWidth_, rect()), line, bevelInner_);
}

// How far the border and bevels push the text in, in classic pixels.
int TLabel3d::FramesWidth() const
{
    int frames = 0;
    if (borderStyle_ == TBorderStyle::bsSingle)
        frames += BoundedFrameWidth(borderWidth_, rect());
    if (bevelOuter_ != TLabelBevel::bvNone)
        frames += BoundedFrameWidth(bevelWidth_, rect());
    if (bevelInner_ != TLabelBevel::bvNone)
        frames += BoundedFrameWidth(bevelWidth_, rect());
    return frames;
}

// Only one line of text is reserved when the caption sits in the middle or
// at the bottom; a wrapped caption shows its first line there.
void TLabel3d::PlaceVertically(QRect& r, int lineHeight) const
{
    // QRect keeps an inclusive bottom; the box's bottom edge is one past it.
    const int bottomEdge = r.bottom() + 1;
    switch (captionAlign_) {
    case TCaptionAlign::taBottom:
        r.setTop(bottomEdge - lineHeight);
        break;
    case TCaptionAlign::taCenter: {
        const int top = FloorDiv2(r.top() + bottomEdge - lineHeight);
        r.setTop(top);
        r.setBottom(top + lineHeight - 1);
        break;
    }
    case TCaptionAlign::taTop:
        break;
    }
}

void TLabel3d::DrawCaption(QPainter& painter, const QRect& r) const
{
    if (caption_.isEmpty() || !r.isValid())
        return;
    painter.setClipRect(r);
    painter.setFont(font());
    painter.setPen(isEnabled() ? fontColor_ : ButtonShadow());
    painter.drawText(r, TextFlags(alignment_, showAccelChar_), caption_.left(MaxCaptionLength));
}

void TLabel3d::mousePressEvent(QMouseEvent* event)
{
    clicks_.Press(*event);
    emit MouseDown(this, event->button());
}

void TLabel3d::mouseReleaseEvent(QMouseEvent* event)
{
    if (clicks_.Release(*event, rect()))
        emit Click(this);
    emit MouseUp(this, event->button());
}

void TLabel3d::mouseMoveEvent(QMouseEvent*)
{
    emit MouseMove(this);
}

// The second press of a double click is a mouse-down as well.
void TLabel3d::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (clicks_.DoublePress(*event))
        emit DblClick(this);
    emit MouseDown(this, event->button());
}
