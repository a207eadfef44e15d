#pragma once

class QMouseEvent;
class QRect;

// When a control's presses and releases make a click: a left press and a
// left release both inside the control, the click coming before the
// mouse-up. The second press of a double click makes a double click, and
// its release no second click.
class TClickRule {
public:
    void Press(const QMouseEvent& event);
    // Whether this release completes a click inside `area`.
    bool Release(const QMouseEvent& event, const QRect& area);
    // Whether this second press is a left double click.
    bool DoublePress(const QMouseEvent& event);

private:
    bool leftPressed_ = false;
};
