#pragma once

#include <QEvent>
#include <QObject>

// Counts the paint events of the widgets it is installed on, so a test can
// tell whether a change asked for a repaint.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
