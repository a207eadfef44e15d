#include "table/tablefocus.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include <QWidget>

#include "engine/gamestate.h"

namespace {

using Kind = TablePlace::Kind;

// Off the line of an arrow counts this much more than along it, so that an
// arrow keeps to its row or column where it can.
constexpr int OffLineWeight = 2;

QString Numbered(const char* name, int number)
{
    return QLatin1String(name) + QString::number(number);
}

// Up and Down keep to one of three columns: the Kings stacks, the table with
// the play pile beneath it, the Aces stacks. Left and Right cross them.
int ColumnOf(const TablePlace& place)
{
    if (place.kind != Kind::Stack)
        return 1;
    return place.index <= KingsStacks ? 0 : 2;
}

int AcesStackOf(CardCode code)
{
    GameState fixed;
    InitStacks(fixed);
    for (int stack = KingsStacks + 1; stack <= StackCount; ++stack)
        if (SuitOf(fixed.StackStart[stack]) == SuitOf(code))
            return stack;
    return KingsStacks + 1;
}

}  // namespace

TTableFocus::TTableFocus(QWidget& table) : QObject(&table), table_(table)
{
    for (QWidget* child : table.findChildren<QWidget*>())
        byName_.insert(child->objectName(), child);
}

QWidget* TTableFocus::WidgetAt(const TablePlace& place) const
{
    switch (place.kind) {
    case Kind::Stack: {
        auto* card = Child(Numbered("card_Stack", place.index));
        if (card && card->isVisibleTo(&table_))
            return card;
        return Child(Numbered("lbl_Stack", place.index));
    }
    case Kind::Spot:
        return Child(Numbered("card_Table", place.index));
    case Kind::DrawPile:
        return Child(QStringLiteral("card_Drawpile"));
    case Kind::PlayPile:
        return Child(Numbered("card_playpile", place.index));
    case Kind::ShiftLeft:
        return Child(QStringLiteral("btn_Shiftleft"));
    case Kind::ShiftRight:
        return Child(QStringLiteral("btn_Shiftright"));
    case Kind::None:
        break;
    }
    return nullptr;
}

TablePlace TTableFocus::PlaceOf(const QWidget* widget) const
{
    if (!widget)
        return {};
    for (const TablePlace& place : ReadingOrder())
        if (WidgetAt(place) == widget)
            return place;
    return {};
}

bool TTableFocus::IsAvailable(const TablePlace& place) const
{
    QWidget* widget = WidgetAt(place);
    if (!widget)
        return false;
    return place.kind == Kind::Stack || widget->isVisibleTo(&table_);
}

int TTableFocus::PlayPileCount() const
{
    int count = 0;
    while (count < PileSlots && IsAvailable({Kind::PlayPile, count + 1}))
        ++count;
    return count;
}

QRect TTableFocus::PlaceRect(const TablePlace& place) const
{
    QWidget* widget = WidgetAt(place);
    if (!widget)
        return {};
    QRect rect(widget->mapTo(&table_, QPoint(0, 0)), widget->size());
    if (place.kind == Kind::PlayPile && place.index < PileSlots) {
        const TablePlace next{Kind::PlayPile, place.index + 1};
        if (IsAvailable(next))
            rect.setRight(PlaceRect(next).left() - 1);
    }
    return rect;
}

QRect TTableFocus::MarkRect() const
{
    return PlaceRect(current_);
}

std::vector<TablePlace> TTableFocus::ReadingOrder() const
{
    std::vector<TablePlace> order;
    for (int stack = 1; stack <= KingsStacks; ++stack)
        order.push_back({Kind::Stack, stack});
    for (int spot = 1; spot <= SpotCount; ++spot)
        order.push_back({Kind::Spot, spot});
    order.push_back({Kind::ShiftLeft, 0});
    order.push_back({Kind::ShiftRight, 0});
    order.push_back({Kind::DrawPile, 0});
    for (int stack = KingsStacks + 1; stack <= StackCount; ++stack)
        order.push_back({Kind::Stack, stack});
    for (int k = 1; k <= PileSlots; ++k)
        order.push_back({Kind::PlayPile, k});
    std::erase_if(order, [this](const TablePlace& place) { return !IsAvailable(place); });
    return order;
}

void TTableFocus::SetCurrent(const TablePlace& place)
{
    current_ = place;
    currentWidget_ = WidgetAt(place);
    lastRect_ = PlaceRect(place);
    emit Changed();
}

// A place counts as lying in the arrow's direction only when it lies wholly
// beyond the current control's edge: the shift buttons beside a table card
// are not "below" it, the play pile is.
void TTableFocus::Move(Direction direction)
{
    const QRect from = IsAvailable(current_) ? PlaceRect(current_) : lastRect_;
    const bool across = direction == Direction::Left || direction == Direction::Right;

    TablePlace best;
    int bestCost = std::numeric_limits<int>::max();
    for (const TablePlace& place : ReadingOrder()) {
        if (place == current_ || (!across && ColumnOf(place) != ColumnOf(current_)))
            continue;
        const QRect to = PlaceRect(place);
        int gap = 0;
        switch (direction) {
        case Direction::Left: gap = from.left() - to.right(); break;
        case Direction::Right: gap = to.left() - from.right(); break;
        case Direction::Up: gap = from.top() - to.bottom(); break;
        case Direction::Down: gap = to.top() - from.bottom(); break;
        }
        if (gap < 0)
            continue;
        const QPoint d = to.center() - from.center();
        const int cost = gap + OffLineWeight * std::abs(across ? d.y() : d.x());
        if (cost < bestCost) {
            bestCost = cost;
            best = place;
        }
    }
    if (best.kind != Kind::None)
        SetCurrent(best);
}

void TTableFocus::Step(bool forward)
{
    const std::vector<TablePlace> order = ReadingOrder();
    if (order.empty())
        return;
    const auto at = std::find(order.begin(), order.end(), current_);
    if (at == order.end()) {
        SetCurrent(forward ? order.front() : order.back());
        return;
    }
    const auto size = static_cast<std::ptrdiff_t>(order.size());
    const std::ptrdiff_t index = ((at - order.begin()) + (forward ? 1 : -1) + size) % size;
    SetCurrent(order[static_cast<std::size_t>(index)]);
}

void TTableFocus::Settle()
{
    if (!IsAvailable(current_)) {
        SetCurrent(Fallback());
        return;
    }
    if (WidgetAt(current_) != currentWidget_ || PlaceRect(current_) != lastRect_)
        SetCurrent(current_);
}

void TTableFocus::CardRaised(CardCode code)
{
    SetCurrent({Kind::Stack, AcesStackOf(code)});
}

// A played card's neighbour in the play pile, the pile's top once the shift
// buttons are gone, the draw pile once the pile is empty, and otherwise the
// place nearest to where the mark was.
TablePlace TTableFocus::Fallback() const
{
    const int count = PlayPileCount();
    const bool fromPile = current_.kind == Kind::PlayPile || current_.kind == Kind::ShiftLeft
        || current_.kind == Kind::ShiftRight;
    if (fromPile && count > 0) {
        const int index = current_.kind == Kind::PlayPile ? std::min(current_.index, count) : count;
        return {Kind::PlayPile, index};
    }
    if (fromPile && IsAvailable({Kind::DrawPile, 0}))
        return {Kind::DrawPile, 0};
    return NearestTo(lastRect_.center());
}

// Stacks only when nothing else is left: a spot played empty should not send
// the mark off the table.
TablePlace TTableFocus::NearestTo(const QPoint& point) const
{
    TablePlace best{Kind::Stack, 1};
    int bestDistance = std::numeric_limits<int>::max();
    for (const TablePlace& place : ReadingOrder()) {
        if (place.kind == Kind::Stack)
            continue;
        const int distance = (PlaceRect(place).center() - point).manhattanLength();
        if (distance < bestDistance) {
            bestDistance = distance;
            best = place;
        }
    }
    return best;
}
