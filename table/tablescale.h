#pragma once

#include <QHash>
#include <QIcon>
#include <QPoint>
#include <QRect>

class QWidget;

// The table's controls at their classic places times one zoom factor. Each
// control's classic rectangle is kept here and its geometry on screen always
// follows from it, so whatever reads a control's geometry (an overlay, a hit
// test) sees the zoomed table without knowing the zoom.
class TTableScale {
public:
    // Takes every control under `root`, as it stands now, as the classic
    // layout (and the classic font sizes of the plain text labels).
    void Record(QWidget& root);

    qreal Zoom() const { return zoom_; }
    // Places every recorded control at its classic rectangle times `zoom`
    // and tells the controls that draw pictures and bevels.
    void SetZoom(qreal zoom);

    // A control's new classic place, shown at once at the zoom.
    void Place(QWidget& control, const QRect& classic);
    void Move(QWidget& control, const QPoint& classic);
    QRect Classic(const QWidget& control) const;

    // Edges are scaled, not sizes, so that controls flush at the classic size
    // stay flush at any zoom.
    static QRect Scaled(const QRect& classic, qreal zoom);

private:
    struct ClassicPlace {
        QRect rect;
        int fontPixels = 0;  // 0: the control scales its own text
        QIcon icon;          // a button's picture at the classic size
        QSize iconSize;
    };

    void Show(QWidget& control, const ClassicPlace& classic) const;

    QHash<QWidget*, ClassicPlace> classic_;
    qreal zoom_ = 1;
};
