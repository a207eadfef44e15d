#pragma once

#include <array>
#include <functional>

#include <QObject>
#include <QPoint>

#include "engine/cardcode.h"
#include "engine/gameview.h"

class QMouseEvent;
class QWidget;
class TCarddeck;
class TLabel3d;

// Dragging a card of the spots or the fan onto a stack. A left press on a
// card the host allows (`CanDrag`) is held back: once the pointer has moved
// QApplication::startDragDistance() away, a floating picture of the card
// follows it, the card's own place is left empty, and on release the drag
// reports which stack it was dropped on (0 for none). Released before that,
// the held press reaches the card after all, just ahead of the release, so a
// click plays as it always did. Other presses pass at once. The game's
// answer comes through the view as for any move; a card the game does not
// take simply shows again in its place.
class TCardDrag final : public QObject {
    Q_OBJECT

public:
    template <int N>
    using Cards = std::array<TCarddeck*, N + 1>;  // indexed from 1

    TCardDrag(QWidget& table, const Cards<SpotCount>& spots, const Cards<PileSlots>& fan,
              const std::array<TLabel3d*, StackCount + 1>& stackPlaces);

    std::function<bool(CardGroup group, int index)> CanDrag;

    bool IsDragging() const { return floating_ != nullptr; }

signals:
    void CardDropped(CardGroup group, int index, int stack);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Source {
        TCarddeck* card = nullptr;
        CardGroup group = CardGroup::Table;
    };

    void Watch(TCarddeck* card, CardGroup group);
    bool Press(TCarddeck* card, const QMouseEvent& event);
    void DeliverHeldPress();
    void Move(const QPointF& global);
    void Drop(const QPointF& global);
    void Start();
    int StackAt(const QPointF& global) const;

    QWidget& table_;
    std::array<TLabel3d*, StackCount + 1> stackPlaces_;
    Source pressed_;
    QPointF pressAt_;       // global
    QPoint grabOffset_;     // where on the card it was taken
    Qt::KeyboardModifiers pressModifiers_;
    bool held_ = false;        // the press has not reached the card yet
    bool delivering_ = false;  // lets the held press through the filter
    TCarddeck* floating_ = nullptr;
};
