#include "table/tablekeys.h"

#include <QKeyEvent>
#include <QWidget>

#include "table/cardtable.h"
#include "table/tablefocus.h"

namespace {

using Kind = TablePlace::Kind;

bool IsPlain(Qt::KeyboardModifiers modifiers)
{
    // The keypad reports its own modifier; Shift is allowed for < and >.
    return !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

TTableKeys::TTableKeys(TCardTable& table, TTableFocus& focus) : QObject(&table), table_(table), focus_(focus)
{
    table.window()->installEventFilter(this);
    table.installEventFilter(this);
    for (QWidget* child : table.findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool TTableKeys::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return KeyPress(static_cast<const QKeyEvent&>(*event));
    case QEvent::KeyRelease:
        return KeyRelease(static_cast<const QKeyEvent&>(*event));
    case QEvent::MouseButtonPress:
        if (watched != table_.window())
            emit MouseUsed(qobject_cast<QWidget*>(watched));
        return false;
    default:
        return false;
    }
}

bool TTableKeys::KeyPress(const QKeyEvent& key)
{
    if (!IsPlain(key.modifiers()) || !table_.isVisible())
        return false;
    if (key.key() == Qt::Key_P) {
        if (!key.isAutoRepeat()) {
            if (IsPeeking())
                EndPeek();
            else
                StartPeek();
        }
        emit KeyUsed();
        return true;
    }
    if (key.isAutoRepeat() && IsPeeking())
        return true;
    const bool peeked = IsPeeking();
    if (peeked)
        EndPeek();  // any other key ends a peek; Escape does nothing more
    bool handled = Navigate(key.key(), key.modifiers());
    if (!handled && key.key() == Qt::Key_Escape)
        handled = peeked;
    if (handled) {
        focus_.Settle();
        emit KeyUsed();
    }
    return handled;
}

bool TTableKeys::KeyRelease(const QKeyEvent& key)
{
    if (key.key() != Qt::Key_P || key.isAutoRepeat() || !IsPlain(key.modifiers()))
        return false;
    if (IsPeeking() && peekHeld_.isValid() && peekHeld_.hasExpired(PeekHoldMs))
        EndPeek();
    return true;
}

bool TTableKeys::Navigate(int key, Qt::KeyboardModifiers modifiers)
{
    using Direction = TTableFocus::Direction;
    switch (key) {
    case Qt::Key_Left: focus_.Move(Direction::Left); return true;
    case Qt::Key_Right: focus_.Move(Direction::Right); return true;
    case Qt::Key_Up: focus_.Move(Direction::Up); return true;
    case Qt::Key_Down: focus_.Move(Direction::Down); return true;
    case Qt::Key_Tab: focus_.Step(!(modifiers & Qt::ShiftModifier)); return true;
    case Qt::Key_Backtab: focus_.Step(false); return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (focus_.PlayPileCount() > 0)
            focus_.SetCurrent({Kind::PlayPile, key == Qt::Key_Home ? 1 : focus_.PlayPileCount()});
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: Activate(focus_.Current()); return true;
    case Qt::Key_D: Draw(); return true;
    case Qt::Key_Comma:
    case Qt::Key_Less: ShiftPlayPile(true); return true;
    case Qt::Key_Period:
    case Qt::Key_Greater: ShiftPlayPile(false); return true;
    default: return false;
    }
}

// What a left click does at the place; nothing where a click would do nothing.
void TTableKeys::Activate(const TablePlace& place)
{
    QWidget* widget = focus_.WidgetAt(place);
    if (!focus_.IsAvailable(place) || !widget || !widget->isEnabled())
        return;
    switch (place.kind) {
    case Kind::Stack:
        if (widget->objectName().startsWith(QLatin1String("card_")))
            emit table_.StackCardClick(place.index);
        else
            emit table_.StackLabelClick(place.index);
        break;
    case Kind::Spot: emit table_.SpotMouseDown(place.index, Qt::LeftButton); break;
    case Kind::DrawPile: emit table_.DrawPileMouseDown(Qt::LeftButton); break;
    case Kind::PlayPile: emit table_.PlayPileMouseDown(place.index, Qt::LeftButton); break;
    case Kind::ShiftLeft: emit table_.ShiftLeftClick(); break;
    case Kind::ShiftRight: emit table_.ShiftRightClick(); break;
    case Kind::None: break;
    }
}

void TTableKeys::Draw()
{
    Activate({Kind::DrawPile, 0});
}

void TTableKeys::ShiftPlayPile(bool left)
{
    Activate({left ? Kind::ShiftLeft : Kind::ShiftRight, 0});
}

void TTableKeys::StartPeek()
{
    const TablePlace place = focus_.Current();
    QWidget* widget = focus_.WidgetAt(place);
    if (place.kind != Kind::Spot || !focus_.IsAvailable(place) || !widget->isEnabled())
        return;
    peekSpot_ = place.index;
    peekHeld_.start();
    emit table_.SpotMouseDown(place.index, Qt::RightButton);
}

void TTableKeys::EndPeek()
{
    const int spot = peekSpot_;
    peekSpot_ = 0;
    emit table_.SpotMouseUp(spot, Qt::RightButton);
}
