#include "translations/captionfitter.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "translations/captionfit.h"

void TCaptionFitter::FitAllWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        FitCaptions(*window);
}

bool TCaptionFitter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow())
            FitCaptions(*widget);
    }
    return QObject::eventFilter(watched, event);
}
