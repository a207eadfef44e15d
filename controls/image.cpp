#include "controls/image.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
}

void TImage::SetPicture(const QImage& value)
{
    picture_ = value;
    repaint();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(this, event->button());
}
