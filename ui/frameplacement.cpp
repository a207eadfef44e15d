#include "frameplacement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

TFramePlacement::TFramePlacement(QWidget& window) : QObject(&window), window_(window) {}

void TFramePlacement::Place(QPoint frameCorner)
{
    window_.move(frameCorner);
    if (window_.isVisible()) {
        pending_.reset();  // the frame is known by now
        return;
    }
    pending_ = frameCorner;
    Watch();
}

void TFramePlacement::Watch()
{
    window_.winId();  // makes the native window, whose events tell when it is framed
    if (QWindow* native = window_.windowHandle())
        native->installEventFilter(this);
}

bool TFramePlacement::eventFilter(QObject* watched, QEvent* event)
{
    const bool shown = event->type() == QEvent::Expose || event->type() == QEvent::Move;
    // Without a frame (no window manager) the client area is the frame and already in place.
    if (pending_ && shown && window_.isVisible() && window_.frameGeometry() != window_.geometry()) {
        const QPoint corner = *std::exchange(pending_, std::nullopt);
        watched->removeEventFilter(this);
        if (window_.frameGeometry().topLeft() != corner)
            window_.move(corner);
    }
    return QObject::eventFilter(watched, event);
}
