#include "table/tableaccess.h"

#include <QEvent>

#include <QAccessible>
#include <QTimer>
#include <QWidget>

#include "controls/carddeck.h"
#include "controls/label3d.h"
#include "table/cardtable.h"
#include "table/focusmark.h"
#include "table/tablefocus.h"
#include "table/tablekeys.h"
#include "table/tablenarrator.h"

TTableAccess::TTableAccess(TCardTable& table, const GameSettings& settings)
    : QObject(&table),
      table_(table),
      focus_(new TTableFocus(table)),
      mark_(new TFocusMark(table)),
      narrator_(new TTableNarrator(table, settings)),
      keys_(new TTableKeys(table, *focus_)),
      peekPanel_(table.findChild<QWidget*>(QStringLiteral("panPeek")))
{
    // Every card of the table answers a press but those of the peek display.
    for (TCarddeck* card : table.findChildren<TCarddeck*>())
        card->SetPressable(!card->objectName().startsWith(QLatin1String("cardPeek")));
    // A stack's label stands for the stack while it is empty.
    for (TLabel3d* label : table.findChildren<TLabel3d*>())
        label->SetPressable(label->objectName().startsWith(QLatin1String("lbl_Stack")));
    PlaceMark();
    table.installEventFilter(this);
    connect(focus_, &TTableFocus::Changed, this, &TTableAccess::FocusChanged);
    connect(keys_, &TTableKeys::KeyUsed, this, [this] { ShowMark(true); });
    // The keys carry on from the place the mouse last pressed.
    connect(keys_, &TTableKeys::MouseUsed, this, [this](QWidget* pressed) {
        ShowMark(false);
        if (const TablePlace place = focus_->PlaceOf(pressed); place.kind != TablePlace::Kind::None)
            focus_->SetCurrent(place);
    });
}

void TTableAccess::CardShown(CardGroup group, int index, CardCode code)
{
    narrator_->CardShown(group, index, code);
    TableChanged();
}

// Shown and hidden controls settle the focus once the whole move is done, so
// that a card played away hands the mark on to its neighbour only once.
void TTableAccess::TableChanged()
{
    narrator_->Refresh();
    if (settleQueued_)
        return;
    settleQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        settleQueued_ = false;
        focus_->Settle();
    });
}

void TTableAccess::CardMovedUp(CardCode code, int pixels)
{
    if (pixels <= 0) {
        TableChanged();
        return;
    }
    narrator_->CardRaised(code);
    focus_->CardRaised(code);
}

void TTableAccess::PlaysShown(int count)
{
    narrator_->PlaysShown(count);
}

void TTableAccess::EventHappened(SoundEvent event)
{
    narrator_->EventHappened(event);
}

// The mark is the keyboard focus as well, so assistive tools follow it.
void TTableAccess::FocusChanged()
{
    QWidget* widget = focus_->CurrentWidget();
    narrator_->FocusMoved(widget);
    if (markShown_)
        PlaceMark();
    if (!widget || widget->hasFocus())
        return;
    widget->setFocus(Qt::OtherFocusReason);
    if (!widget->hasFocus()) {
        // The window is not active; tools still hear where the mark went.
        QAccessibleEvent focus(widget, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

// The mark shows while the keyboard plays and goes when the mouse takes over.
void TTableAccess::ShowMark(bool shown)
{
    markShown_ = shown;
    if (shown)
        PlaceMark();
    mark_->setVisible(shown && focus_->CurrentWidget());
}

// A zoom resizes the table and moves every control: the mark goes with them.
bool TTableAccess::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &table_ && event->type() == QEvent::Resize)
        PlaceMark();
    return QObject::eventFilter(watched, event);
}

// Above every card, but under the peek display while it lasts.
void TTableAccess::PlaceMark()
{
    mark_->Surround(focus_->MarkRect());
    if (peekPanel_)
        mark_->stackUnder(peekPanel_);
}
