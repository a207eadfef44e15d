#include "tests/window/tabchain.h"

#include <QWidget>

std::vector<QWidget*> TabStopsAfter(QWidget& start, int count)
{
    std::vector<QWidget*> stops;
    for (QWidget* w = start.nextInFocusChain(); w != &start && static_cast<int>(stops.size()) < count;
         w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->focusProxy() == nullptr)
            stops.push_back(w);
    }
    return stops;
}
