#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// An image control holding a bitmap surface of its own size. It reports a
// mouse press so that its owner can treat it like the control beneath.
class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& value);  // repaints at once

    // How many screen pixels one of the picture's pixels is.
    qreal Zoom() const { return zoom_; }
    void SetZoom(qreal value);

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

signals:
    void MouseDown(TImage* sender, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    QPixmap shown_;  // the picture prepared for the last paint's scale
    int tag_ = 0;
    qreal zoom_ = 1;
};
