#include "table/carddrag.h"

#include <QApplication>
#include <QMouseEvent>

#include "controls/carddeck.h"
#include "controls/label3d.h"

TCardDrag::TCardDrag(QWidget& table, const Cards<SpotCount>& spots, const Cards<PileSlots>& fan,
                     const std::array<TLabel3d*, StackCount + 1>& stackPlaces)
    : QObject(&table), table_(table), stackPlaces_(stackPlaces)
{
    for (int spot = 1; spot <= SpotCount; ++spot)
        Watch(spots[spot], CardGroup::Table);
    for (int k = 1; k <= PileSlots; ++k)
        Watch(fan[k], CardGroup::PlayPile);
}

void TCardDrag::Watch(TCarddeck* card, CardGroup group)
{
    card->setProperty("dragGroup", static_cast<int>(group));
    card->installEventFilter(this);
}

// Presses are watched on the cards; once a drag runs, the whole program's
// pointer events are, since the card that was pressed is hidden meanwhile.
bool TCardDrag::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (delivering_
        || (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease
            && type != QEvent::MouseButtonDblClick))
        return false;
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    if (IsDragging()) {
        if (type == QEvent::MouseMove)
            Move(mouse.globalPosition());
        else if (type == QEvent::MouseButtonRelease && mouse.button() == Qt::LeftButton)
            Drop(mouse.globalPosition());
        return true;
    }
    if (type == QEvent::MouseMove) {
        if (pressed_.card != nullptr && (mouse.buttons() & Qt::LeftButton) != 0)
            Move(mouse.globalPosition());
        return false;
    }
    // A new left press means the release of a held one never came: forget it.
    if (type == QEvent::MouseButtonPress && mouse.button() == Qt::LeftButton) {
        held_ = false;
        return Press(qobject_cast<TCarddeck*>(watched), mouse);
    }
    // A release, the second press of a double click or another button: the
    // held press goes first, as it came, and no drag follows.
    if (held_)
        DeliverHeldPress();
    pressed_ = {};
    return false;
}

bool TCardDrag::Press(TCarddeck* card, const QMouseEvent& event)
{
    pressed_ = {};
    if (card == nullptr || !CanDrag)
        return false;
    const auto group = static_cast<CardGroup>(card->property("dragGroup").toInt());
    if (!CanDrag(group, card->Tag()))
        return false;
    pressed_ = {card, group};
    pressAt_ = event.globalPosition();
    grabOffset_ = event.position().toPoint();
    pressModifiers_ = event.modifiers();
    held_ = true;
    return true;
}

void TCardDrag::DeliverHeldPress()
{
    held_ = false;
    if (pressed_.card == nullptr)
        return;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(grabOffset_), pressAt_, Qt::LeftButton, Qt::LeftButton,
                      pressModifiers_);
    delivering_ = true;
    QCoreApplication::sendEvent(pressed_.card, &press);
    delivering_ = false;
}

void TCardDrag::Move(const QPointF& global)
{
    if (!IsDragging()) {
        if ((global - pressAt_).manhattanLength() < QApplication::startDragDistance())
            return;
        if (!pressed_.card->isVisible() || !CanDrag || !CanDrag(pressed_.group, pressed_.card->Tag())) {
            if (held_)
                DeliverHeldPress();
            pressed_ = {};
            return;
        }
        held_ = false;  // the press was the start of the drag, not a click
        Start();
    }
    floating_->move(table_.mapFromGlobal(global).toPoint() - grabOffset_);
}

void TCardDrag::Start()
{
    floating_ = new TCarddeck(&table_);
    floating_->setObjectName(QStringLiteral("card_Dragged"));
    floating_->setAttribute(Qt::WA_TransparentForMouseEvents);
    floating_->SetCardBack(pressed_.card->CardBack());
    floating_->SetCardNum(pressed_.card->CardNum());
    floating_->resize(TCarddeck::CardWidth, TCarddeck::CardHeight);
    floating_->show();
    floating_->raise();
    pressed_.card->hide();
    qApp->installEventFilter(this);
}

void TCardDrag::Drop(const QPointF& global)
{
    qApp->removeEventFilter(this);
    delete floating_;
    floating_ = nullptr;
    const Source dropped = pressed_;
    pressed_ = {};
    dropped.card->show();
    emit CardDropped(dropped.group, dropped.card->Tag(), StackAt(global));
}

int TCardDrag::StackAt(const QPointF& global) const
{
    for (int stack = 1; stack <= StackCount; ++stack) {
        const TLabel3d* place = stackPlaces_[stack];
        if (QRect(place->mapToGlobal(QPoint(0, 0)), place->size()).contains(global.toPoint()))
            return stack;
    }
    return 0;
}
