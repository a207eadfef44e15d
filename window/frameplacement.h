#pragma once

#include <optional>

#include <QObject>
#include <QPoint>
#include <QTimer>

#include "store/windowplacement.h"

class QWidget;

// Puts a top-level window's frame, title bar included, at a corner of the
// desktop. Until the window manager has framed a window, Qt cannot know the
// frame, and move() puts the client area at the corner instead, a title bar
// lower than meant: saved again, the window would creep up on every run. So
// once the window shows, the frame is awaited (briefly: without a window
// manager none comes) and the corner set again.
class TFramePlacement final : public QObject {
public:
    explicit TFramePlacement(QWidget& window);

    void Place(QPoint frameCorner);
    // A saved corner, pulled back onto the nearest screen when its title bar
    // would be off every screen.
    void PlaceSaved(WindowPosition saved);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CheckFrame();
    QPoint WholeOnScreen(QPoint corner) const;

    QWidget& window_;
    std::optional<QPoint> pending_;
    QTimer frameWait_;
    int checks_ = 0;
};
