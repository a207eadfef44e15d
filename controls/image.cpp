#include "controls/image.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/picturecache.h"

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
}

// The same picture again changes nothing on screen and is not repainted. A
// picture without transparency that covers the control hides whatever lies
// beneath, which then need not be painted first.
void TImage::SetPicture(const QImage& value)
{
    if (value.cacheKey() == picture_.cacheKey())
        return;
    picture_ = value;
    shown_ = QPixmap();
    const QSize covered = picture_.size().expandedTo(size());
    setAttribute(Qt::WA_OpaquePaintEvent, !picture_.hasAlphaChannel() && covered == picture_.size());
    repaint();
}

void TImage::SetZoom(qreal value)
{
    if (value == zoom_)
        return;
    zoom_ = value;
    update();
}

// The picture is made ready once per picture and scale, so that each paint
// is a plain copy.
void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    const qreal scale = PictureCache::DeviceScale(painter) * zoom_;
    if (shown_.isNull() || shown_.devicePixelRatio() != scale)
        shown_ = PictureCache::ForScale(picture_, scale);
    const QSizeF covered = QSizeF(picture_.size()) * zoom_;
    if (shown_.deviceIndependentSize() == covered)
        painter.drawPixmap(0, 0, shown_);
    else
        painter.drawPixmap(QRectF(QPointF(0, 0), covered), shown_, QRectF(shown_.rect()));
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(this, event->button());
}
