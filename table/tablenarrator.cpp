#include "table/tablenarrator.h"

#include <QTimer>
#include <QWidget>

#include "controls/carddeck.h"
#include "engine/gamestate.h"
#include "table/cardnames.h"
#include "table/cardtable.h"

namespace {

QString DrawPileName(int count)
{
    return count == 1 ? TTableNarrator::tr("Draw pile, 1 card") : TTableNarrator::tr("Draw pile, %1 cards").arg(count);
}

QString Numbered(const char* name, int number)
{
    return QLatin1String(name) + QString::number(number);
}

}  // namespace

TTableNarrator::TTableNarrator(TCardTable& table, const GameSettings& settings)
    : QObject(&table), table_(table), settings_(settings)
{
    for (QWidget* child : table.findChildren<QWidget*>())
        byName_.insert(child->objectName(), child);
    table.setAccessibleName(tr("Card table"));
    const std::pair<const char*, QString> fixedNames[] = {
        {"pan_Stack1", tr("Kings column")},
        {"pan_Stack2", tr("Aces column")},
        {"pan_Table", tr("Table")},
        {"pan_PlayPile", tr("Play pile")},
        {"panPeek", tr("Peek")},
        {"pan_Shift", tr("Shift")},
        {"btn_Shiftleft", tr("Shift left: the top card goes to the bottom")},
        {"btn_Shiftright", tr("Shift right: the bottom card goes to the top")},
    };
    for (const auto& [name, text] : fixedNames)
        if (QWidget* widget = Child(QLatin1String(name)))
            widget->setAccessibleName(text);
    RefreshNow();
}

QWidget* TTableNarrator::Child(const QString& name) const
{
    return byName_.value(name);
}

int TTableNarrator::VisibleCount(const char* prefix) const
{
    int count = 0;
    while (count < PileSlots) {
        QWidget* card = Child(Numbered(prefix, count + 1));
        if (!card || !card->isVisibleTo(&table_))
            break;
        ++count;
    }
    return count;
}

void TTableNarrator::Refresh()
{
    if (refreshQueued_)
        return;
    refreshQueued_ = true;
    QTimer::singleShot(0, this, &TTableNarrator::RefreshNow);
}

void TTableNarrator::RefreshNow()
{
    refreshQueued_ = false;
    NameStacks();
    NameSpots();
    NameFans();
    NameCounters();
}

void TTableNarrator::NameStacks()
{
    GameState fixed;
    InitStacks(fixed);
    for (int stack = 1; stack <= StackCount; ++stack) {
        auto* card = qobject_cast<TCarddeck*>(Child(Numbered("card_Stack", stack)));
        QWidget* label = Child(Numbered("lbl_Stack", stack));
        if (!card || !label)
            continue;
        CardCode shown = NoCard;
        CardCode next = fixed.StackStart[stack];
        if (card->isVisibleTo(&table_)) {
            shown = card->CardNum();
            const bool complete = !IsFaceCard(shown) || shown == fixed.StackEnd[stack];
            next = complete ? NoCard : static_cast<CardCode>(shown + fixed.StackStep[stack]);
        }
        const QString name = CardNames::StackPlace(stack, shown, next);
        card->setAccessibleName(name);
        label->setAccessibleName(name);
    }
}

void TTableNarrator::NameSpots()
{
    for (int spot = 1; spot <= SpotCount; ++spot) {
        auto* card = qobject_cast<TCarddeck*>(Child(Numbered("card_Table", spot)));
        if (!card)
            continue;
        const QString place = CardNames::Spot(spot);
        card->setAccessibleName(card->isVisibleTo(&table_) ? tr("%1, %2").arg(CardNames::Card(card->CardNum()), place)
                                                          : tr("%1, no card").arg(place));
    }
    if (QWidget* drawPile = Child(QStringLiteral("card_Drawpile")))
        drawPile->setAccessibleName(DrawPileName(table_.DrawPileCountShown()));
}

void TTableNarrator::NameFans()
{
    const int playCount = VisibleCount("card_playpile");
    const int peekCount = VisibleCount("cardPeek");
    for (int k = 1; k <= PileSlots; ++k) {
        if (auto* card = qobject_cast<TCarddeck*>(Child(Numbered("card_playpile", k))))
            card->setAccessibleName(tr("%1, play pile card %2 of %3").arg(CardNames::Card(card->CardNum())).arg(k).arg(playCount));
        if (auto* card = qobject_cast<TCarddeck*>(Child(Numbered("cardPeek", k))))
            card->setAccessibleName(tr("%1, peek card %2 of %3").arg(CardNames::Card(card->CardNum())).arg(k).arg(peekCount));
    }
}

void TTableNarrator::NameCounters()
{
    const QString plays = tr("Plays, %1").arg(plays_);
    const QString drawn = DrawPileName(table_.DrawPileCountShown());
    for (const char* name : {"pan_Plays", "img_Plays1", "img_Plays2"})
        if (QWidget* widget = Child(QLatin1String(name)))
            widget->setAccessibleName(plays);
    for (const char* name : {"pan_Drawpile", "img_Drawpile1", "img_Drawpile2"})
        if (QWidget* widget = Child(QLatin1String(name)))
            widget->setAccessibleName(drawn);
}

void TTableNarrator::CardShown(CardGroup group, int index, CardCode code)
{
    if (group == CardGroup::Stack && IsFaceCard(code)) {
        lastStack_ = index;
        lastPlaced_ = code;
    } else if (group == CardGroup::Table) {
        lastOnTable_ = code;
    }
    Refresh();
}

void TTableNarrator::CardRaised(CardCode code)
{
    raised_ = code;
}

void TTableNarrator::PlaysShown(int count)
{
    plays_ = count;
    Refresh();
}

// The words wait for the end of the move, when the table shows its outcome;
// a zero timer runs at the next pass of the message loop, which a move only
// grants once it has changed what it changes.
void TTableNarrator::EventHappened(SoundEvent event)
{
    pending_.push_back(event);
    if (flushQueued_)
        return;
    flushQueued_ = true;
    QTimer::singleShot(0, this, &TTableNarrator::Flush);
}

void TTableNarrator::Flush()
{
    flushQueued_ = false;
    QStringList parts;
    for (SoundEvent event : pending_) {
        const QString text = Describe(event);
        if (!text.isEmpty())
            parts << text;
    }
    pending_.clear();
    if (!parts.isEmpty())
        Announce(parts.join(QLatin1Char(' ')));
}

QString TTableNarrator::Describe(SoundEvent event) const
{
    switch (event) {
    case SoundEvent::DrawCard: return DrawText();
    case SoundEvent::ShiftCards: return ShiftText();
    case SoundEvent::PlayCard:
        return tr("%1 to the %2.").arg(CardNames::Card(lastPlaced_), CardNames::Stack(lastStack_));
    case SoundEvent::FillStack: return tr("The stack is complete.");
    case SoundEvent::Play2Places:
        return tr("Two stacks want the %1: choose the Kings or the Aces stack of %2.")
            .arg(CardNames::Card(raised_), CardNames::Suit(raised_));
    case SoundEvent::Peek: return PeekText();
    case SoundEvent::Undo: return tr("Move undone.");
    case SoundEvent::WinGame: return tr("You won!");
    case SoundEvent::LoseGame: return tr("Game over: no more plays.");
    default: return {};
    }
}

QString TTableNarrator::DrawText() const
{
    const int count = VisibleCount("card_playpile");
    if (count == 0)
        return {};
    auto* top = qobject_cast<TCarddeck*>(Child(Numbered("card_playpile", settings_.DrawTop ? count : 1)));
    const CardCode drawn = top ? top->CardNum() : NoCard;
    const QString card = CardNames::Card(drawn);
    const QString spot = QString::number(RankOf(drawn));
    const QString pile = count == 1 ? tr("Drew the %1; table spot %2 is the play pile, 1 card.").arg(card, spot)
                                    : tr("Drew the %1; table spot %2 is the play pile, %3 cards.").arg(card, spot, QString::number(count));
    return pile
        + QLatin1Char(' ') + DrawPileName(table_.DrawPileCountShown()) + QLatin1Char('.');
}

QString TTableNarrator::ShiftText() const
{
    const int count = VisibleCount("card_playpile");
    auto* top = qobject_cast<TCarddeck*>(Child(Numbered("card_playpile", count)));
    if (!top)
        return {};
    return tr("Play pile shifted; the %1 is on top.").arg(CardNames::Card(top->CardNum()));
}

QString TTableNarrator::PeekText() const
{
    const int peekCount = VisibleCount("cardPeek");
    if (peekCount == 0)
        return IsFaceCard(lastOnTable_) ? tr("Under the top card: the %1.").arg(CardNames::Card(lastOnTable_))
                                        : tr("No card under the top card.");
    QStringList cards;
    for (int k = 1; k <= peekCount; ++k)
        if (auto* card = qobject_cast<TCarddeck*>(Child(Numbered("cardPeek", k))))
            cards << CardNames::Card(card->CardNum());
    return tr("The spot holds, from the bottom: %1.").arg(cards.join(QStringLiteral(", ")));
}

void TTableNarrator::FocusMoved(QWidget* widget)
{
    if (focused_ && focused_ != widget)
        focused_->setAccessibleDescription({});
    focused_ = widget;
}

void TTableNarrator::Announce(const QString& text)
{
    lastAnnouncement_ = text;
    QWidget* target = focused_ ? focused_.data() : &table_;
    if (target->accessibleDescription() == text)
        target->setAccessibleDescription({});  // the same words again are still news
    target->setAccessibleDescription(text);
}
