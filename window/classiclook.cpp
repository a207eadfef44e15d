#include "window/classiclook.h"

#include <QApplication>

#include "controls/classicstyle.h"

void UseClassicLook()
{
    if (qobject_cast<TClassicStyle*>(QApplication::style()) == nullptr)
        QApplication::setStyle(new TClassicStyle);
}
