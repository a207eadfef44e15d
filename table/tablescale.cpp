#include "table/tablescale.h"

#include <algorithm>
#include <cmath>

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

#include "controls/carddeck.h"
#include "controls/classicstyle.h"
#include "controls/image.h"
#include "controls/label3d.h"
#include "controls/panel.h"
#include "controls/picturecache.h"

namespace {

int ScaledEdge(int edge, qreal zoom)
{
    return static_cast<int>(std::lround(edge * zoom));
}

// Controls that draw their own pictures, bevels and text are told the zoom;
// they keep their classic fonts and sizes inside.
void TellZoom(QWidget& control, qreal zoom)
{
    if (auto* card = qobject_cast<TCarddeck*>(&control))
        card->SetZoom(zoom);
    else if (auto* panel = qobject_cast<TPanel*>(&control))
        panel->SetZoom(zoom);
    else if (auto* label = qobject_cast<TLabel3d*>(&control))
        label->SetZoom(zoom);
    else if (auto* image = qobject_cast<TImage*>(&control))
        image->SetZoom(zoom);
}

// A picture on a button is pixel art like the cards: blown up the same way,
// since the icon itself would only ever scale down.
void ShowIcon(QAbstractButton& button, const QIcon& classic, const QSize& size, qreal zoom)
{
    const qreal screen = button.devicePixelRatioF();
    QPixmap zoomed = PictureCache::ForScale(classic.pixmap(size, 1.0).toImage(), zoom * screen);
    zoomed.setDevicePixelRatio(screen);
    button.setIcon(QIcon(zoomed));
    button.setIconSize(zoomed.deviceIndependentSize().toSize());
}

}  // namespace

QRect TTableScale::Scaled(const QRect& classic, qreal zoom)
{
    const int left = ScaledEdge(classic.left(), zoom);
    const int top = ScaledEdge(classic.top(), zoom);
    return QRect(left, top, ScaledEdge(classic.left() + classic.width(), zoom) - left,
                 ScaledEdge(classic.top() + classic.height(), zoom) - top);
}

void TTableScale::Record(QWidget& root)
{
    for (QWidget* control : root.findChildren<QWidget*>()) {
        ClassicPlace classic{control->geometry(), 0, {}, {}};
        if (qobject_cast<QLabel*>(control) != nullptr || qobject_cast<QAbstractButton*>(control) != nullptr)
            classic.fontPixels = control->font().pixelSize();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            classic.icon = button->icon();
            classic.iconSize = button->iconSize();
        }
        classic_.insert(control, classic);
    }
}

void TTableScale::SetZoom(qreal zoom)
{
    zoom_ = zoom;
    for (auto it = classic_.cbegin(); it != classic_.cend(); ++it) {
        TellZoom(*it.key(), zoom);
        Show(*it.key(), it.value());
    }
}

void TTableScale::Place(QWidget& control, const QRect& classic)
{
    ClassicPlace& entry = classic_[&control];
    entry.rect = classic;
    Show(control, entry);
}

void TTableScale::Move(QWidget& control, const QPoint& classic)
{
    Place(control, QRect(classic, Classic(control).size()));
}

QRect TTableScale::Classic(const QWidget& control) const
{
    const auto found = classic_.constFind(const_cast<QWidget*>(&control));
    return found == classic_.cend() ? control.geometry() : found->rect;
}

void TTableScale::Show(QWidget& control, const ClassicPlace& classic) const
{
    control.setGeometry(Scaled(classic.rect, zoom_));
    if (classic.fontPixels > 0) {
        QFont font = control.font();
        font.setPixelSize(std::max(1, ScaledEdge(classic.fontPixels, zoom_)));
        control.setFont(font);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        // The button's bevel follows the zoom, read by the classic style.
        button->setProperty(TClassicStyle::ZoomProperty, zoom_);
        if (!classic.icon.isNull())
            ShowIcon(*button, classic.icon, classic.iconSize, zoom_);
    }
}
