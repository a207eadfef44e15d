#include "window/frameplacement.h"

#include <algorithm>
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
    if (window_.isVisible()) {
        window_.move(WholeOnScreen(frameCorner));
        pending_.reset();  // the frame is known by now
        return;
    }
    window_.move(frameCorner);
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
    const QPoint corner = WholeOnScreen(*std::exchange(pending_, std::nullopt));
    if (framed && window_.frameGeometry().topLeft() != corner)
        window_.move(corner);
}

// A resizable window is not pulled onto the screen by every window manager
// as a fixed one was, so the frame, once known, is kept whole on the screen
// where it fits there.
QPoint TFramePlacement::WholeOnScreen(QPoint corner) const
{
    const QScreen* screen = window_.screen();
    if (screen == nullptr)
        return corner;
    const QRect area = screen->availableGeometry();
    const QSize frame = window_.frameGeometry().size();
    if (frame.width() <= area.width())
        corner.setX(std::clamp(corner.x(), area.left(), area.left() + area.width() - frame.width()));
    if (frame.height() <= area.height())
        corner.setY(std::clamp(corner.y(), area.top(), area.top() + area.height() - frame.height()));
    return corner;
}
