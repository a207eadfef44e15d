#include "window/frameplacement.h"

#include <vector>

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

constexpr int CheckIntervalMs = 10;
constexpr int MaxChecks = 100;  // a window manager frames a window well within a second

}  // namespace

TFramePlacement::TFramePlacement(QWidget& window) : QObject(&window), window_(window)
{
    frameWait_.setInterval(CheckIntervalMs);
    connect(&frameWait_, &QTimer::timeout, this, &TFramePlacement::CheckFrame);
}

void TFramePlacement::PlaceSaved(WindowPosition saved)
{
    std::vector<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.left(), area.top(), area.width(), area.height()});
    }
    const WindowPosition frame = KeepTitleBarOnScreen(saved, window_.frameGeometry().width(), screens);
    Place(QPoint(frame.Left, frame.Top));
}

void TFramePlacement::Place(QPoint frameCorner)
{
    frameWait_.stop();
    // The desktop places a maximised window; a move would take it out of that state.
    if (window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        pending_.reset();
        return;
    }
    window_.move(frameCorner);
    if (window_.isVisible()) {
        pending_.reset();  // the frame is known by now
        return;
    }
    pending_ = frameCorner;
    window_.winId();  // makes the native window, whose exposure starts the wait
    if (QWindow* native = window_.windowHandle())
        native->installEventFilter(this);
}

bool TFramePlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && pending_) {
        watched->removeEventFilter(this);
        checks_ = 0;
        frameWait_.start();
    }
    return QObject::eventFilter(watched, event);
}

void TFramePlacement::CheckFrame()
{
    // Without a frame (no window manager) the client area is the frame and already in place.
    const bool framed = window_.frameGeometry() != window_.geometry();
    if (!pending_ || (!framed && ++checks_ < MaxChecks))
        return;
    frameWait_.stop();
    const QPoint corner = *std::exchange(pending_, std::nullopt);
    if (framed && window_.frameGeometry().topLeft() != corner)
        window_.move(corner);
}
