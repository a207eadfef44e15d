#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

// Makes a child control at its place on the form, under the object name that
// tests and the help find it by. Every form builds its controls with it.
template <typename Control>
Control* MakeControl(QWidget* parent, const QString& name, const QRect& bounds)
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setGeometry(bounds);
    return control;
}

template <typename Control>
Control* MakeControl(QWidget* parent, const char* name, const QRect& bounds)
{
    return MakeControl<Control>(parent, QLatin1String(name), bounds);
}
