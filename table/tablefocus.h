#pragma once

#include <vector>

#include <QHash>
#include <QObject>
#include <QRect>

#include "engine/cardcode.h"
#include "table/tableplace.h"

class QWidget;

// Which place of the card table the keyboard is on, and how it moves: arrows
// go to the nearest place in their direction as the controls lie on screen,
// Tab through all places in reading order. Places that show nothing (an
// emptied spot, a play-pile place beyond the pile) are skipped; a stack can
// always be chosen, empty or not, through the label lying under its card.
class TTableFocus final : public QObject {
    Q_OBJECT

public:
    enum class Direction { Left, Right, Up, Down };

    explicit TTableFocus(QWidget& table);

    TablePlace Current() const { return current_; }
    QWidget* CurrentWidget() const { return WidgetAt(current_); }
    // The part of the current control that is seen, in the table's
    // coordinates: a play-pile card under the next one shows a strip only.
    QRect MarkRect() const;
    QRect PlaceRect(const TablePlace& place) const;

    bool IsAvailable(const TablePlace& place) const;
    QWidget* WidgetAt(const TablePlace& place) const;
    TablePlace PlaceOf(const QWidget* widget) const;  // Kind::None for a control that is no place
    int PlayPileCount() const;

    void SetCurrent(const TablePlace& place);
    void Move(Direction direction);
    void Step(bool forward);
    // After the table changed: keeps the place while it shows something,
    // otherwise moves to the nearest sensible one.
    void Settle();
    // A card wanted by two stacks was lifted: the choice is the next step.
    void CardRaised(CardCode code);

signals:
    void Changed();

private:
    std::vector<TablePlace> ReadingOrder() const;
    TablePlace Fallback() const;
    TablePlace NearestTo(const QPoint& point) const;

    QWidget* Child(const QString& name) const { return byName_.value(name); }

    QWidget& table_;
    QHash<QString, QWidget*> byName_;  // the table's controls, found once
    TablePlace current_{TablePlace::Kind::Spot, 1};
    QWidget* currentWidget_ = nullptr;
    QRect lastRect_;
};
