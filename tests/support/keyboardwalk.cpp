#include "tests/support/keyboardwalk.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

// Far more than any dialog of the program holds.
constexpr int MostStops = 60;

bool Tells(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::StaticText:
    case QAccessible::Graphic:
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

}  // namespace

QStringList TabWalk(QWidget& window)
{
    QStringList stops;
    QWidget* start = QApplication::focusWidget();
    if (!start)
        return stops;
    stops << start->objectName();
    for (int k = 0; k < MostStops; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now == start || now->window() != &window)
            break;
        stops << now->objectName();
    }
    return stops;
}

QStringList UnnamedControls(QWidget& window)
{
    QStringList unnamed;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        if (!face)
            continue;
        const bool takesKeys = (control->focusPolicy() & Qt::TabFocus) != 0 && !control->focusProxy();
        if ((takesKeys || Tells(face->role())) && face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << control->objectName() + QLatin1Char(':') + QString::fromLatin1(control->metaObject()->className());
    }
    return unnamed;
}
