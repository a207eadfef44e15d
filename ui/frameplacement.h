#pragma once

#include <optional>

#include <QObject>
#include <QPoint>

class QWidget;

// Puts a top-level window's frame, title bar included, at a corner of the
// desktop. Until the window manager has framed a window, Qt cannot know the
// frame, and move() puts the client area at the corner instead, a title bar
// lower than meant: saved again, the window would creep up on every run. So
// the corner is set once more when the framed window first shows.
class TFramePlacement final : public QObject {
public:
    explicit TFramePlacement(QWidget& window);

    void Place(QPoint frameCorner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch();

    QWidget& window_;
    std::optional<QPoint> pending_;
};
