#include "options/soundlabelkeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

const char* const EventProperty = "soundEvent";

bool IsPress(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space;
}

bool IsMenu(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

}  // namespace

TSoundLabelKeys::TSoundLabelKeys(QObject& owner, Actions actions) : QObject(&owner), actions_(std::move(actions)) {}

void TSoundLabelKeys::WatchLabel(QWidget& label, int event)
{
    label.setProperty(EventProperty, event);
    label.setFocusPolicy(Qt::TabFocus);
    label.installEventFilter(this);
}

void TSoundLabelKeys::WatchList(QWidget& list)
{
    list_ = &list;
    list.installEventFilter(this);
}

bool TSoundLabelKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (watched == list_) {
        if (!IsPress(key) || key.modifiers() != Qt::NoModifier)
            return false;
        actions_.listen();
        return true;
    }
    auto* label = qobject_cast<QWidget*>(watched);
    const int soundEvent = label ? label->property(EventProperty).toInt() : 0;
    if (soundEvent == 0)
        return false;
    if (IsMenu(key)) {
        actions_.menu(soundEvent, *label);
        return true;
    }
    if (key.modifiers() != Qt::NoModifier)
        return false;
    if (IsPress(key)) {
        actions_.assign(soundEvent);
        return true;
    }
    if (key.key() == Qt::Key_Delete || key.key() == Qt::Key_Backspace) {
        actions_.clear(soundEvent);
        return true;
    }
    return false;
}
