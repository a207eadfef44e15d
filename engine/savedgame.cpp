#include "engine/savedgame.h"

#include <array>

#include "engine/game.h"
#include "engine/nullview.h"

namespace {

constexpr int MostDrawPileCards = DeckSize;

bool InStackRange(const GameState& s, int stack, CardCode next)
{
    if (next == NoCard)
        return true;  // complete
    const int from = s.StackStart[stack];
    const int to = s.StackEnd[stack];
    return next >= std::min(from, to) && next <= std::max(from, to);
}

// How many cards a stack holds, from the card it wants next.
int StackHeight(const GameState& s, int stack)
{
    const CardCode next = s.StackNext[stack];
    if (next == NoCard)
        return CardsPerSuit;
    return (next - s.StackStart[stack]) * s.StackStep[stack];
}

bool CountsInRange(const GameState& s)
{
    if (s.DrawStart > MostDrawPileCards || s.DrawCount < 0 || s.DrawCount > s.DrawStart || s.PlayCount > PileSlots
        || s.ActiveSpot > SpotCount)
        return false;
    for (int spot = 1; spot <= SpotCount; ++spot) {
        if (s.TableCount[spot] > PileSlots)
            return false;
    }
    for (int stack = 1; stack <= StackCount; ++stack) {
        if (!InStackRange(s, stack, s.StackNext[stack]))
            return false;
    }
    return true;
}

// The fan belongs to the drawn card: its spot is the drawn card's rank, and
// the drawn card lies just above the draw pile's count.
bool FanFitsDrawnCard(const GameState& s)
{
    if (s.ActiveSpot == 0)
        return s.DrawnCard == NoCard && s.PlayCount == 0 && s.DrawCount == s.DrawStart;
    return IsFaceCard(s.DrawnCard) && RankOf(s.DrawnCard) == s.ActiveSpot && s.DrawCount < s.DrawStart
        && s.DrawPile[s.DrawCount + 1] == s.DrawnCard && s.TableCount[s.ActiveSpot] >= 1;
}

bool AddAll(std::array<int, DistinctCards + 1>& seen, const CardCode* first, int count)
{
    for (int k = 0; k < count; ++k) {
        if (!IsFaceCard(first[k]))
            return false;
        ++seen[first[k]];
    }
    return true;
}

bool EveryCardTwice(const GameState& s)
{
    std::array<int, DistinctCards + 1> seen{};
    for (int spot = 1; spot <= SpotCount; ++spot) {
        if (spot != s.ActiveSpot && !AddAll(seen, &s.TablePile[spot][1], s.TableCount[spot]))
            return false;
    }
    if (!AddAll(seen, &s.PlayPile[1], s.PlayCount) || !AddAll(seen, &s.DrawPile[1], s.DrawStart))
        return false;
    // The drawn cards above the count lie on the table or the stacks as well.
    for (int k = s.DrawCount + 1; k <= s.DrawStart; ++k)
        --seen[s.DrawPile[k]];
    for (int stack = 1; stack <= StackCount; ++stack) {
        for (int k = 0; k < StackHeight(s, stack); ++k)
            ++seen[static_cast<CardCode>(s.StackStart[stack] + k * s.StackStep[stack])];
    }
    for (int code = 1; code <= DistinctCards; ++code) {
        if (seen[code] != 2)
            return false;
    }
    return true;
}

bool IsSoundPosition(const GameState& s)
{
    return CountsInRange(s) && FanFitsDrawnCard(s) && EveryCardTwice(s)
        && s.CardsLeft == DeckSize - CardsOnStacks(s);
}

bool IsFullDeck(const Deck& deck)
{
    std::array<int, DistinctCards + 1> seen{};
    if (!AddAll(seen, &deck[1], DeckSize))
        return false;
    for (int code = 1; code <= DistinctCards; ++code) {
        if (seen[code] != 2)
            return false;
    }
    return true;
}

bool IsStack(int stack)
{
    return stack >= 1 && stack <= StackCount;
}

bool IsSpot(int spot)
{
    return spot >= 1 && spot <= SpotCount;
}

// The stack took the card, and now wants what follows it.
bool StackTook(const GameState& s, int stack, CardCode card, CardCode nextBefore)
{
    if (!IsStack(stack) || !IsFaceCard(card) || nextBefore != card || !InStackRange(s, stack, card))
        return false;
    const CardCode after = card == s.StackEnd[stack] ? NoCard : static_cast<CardCode>(card + s.StackStep[stack]);
    return s.StackNext[stack] == after;
}

// What must hold before a record is taken back, so that taking it back stays
// inside the arrays; the position it leads to is checked afterwards.
struct FitsPosition {
    const GameState& s;

    bool operator()(const NothingToUndo&) const { return false; }
    bool operator()(const ShiftUndo&) const { return s.ActiveSpot != 0; }
    bool operator()(const DrawUndo& u) const
    {
        return s.ActiveSpot != 0 && s.PlayCount >= 1 && u.ActiveSpot <= SpotCount
            && (u.DrawnCard == NoCard || IsFaceCard(u.DrawnCard));
    }
    bool operator()(const TablePlayUndo& u) const
    {
        return IsSpot(u.Spot) && u.Spot != s.ActiveSpot && s.TableCount[u.Spot] < PileSlots
            && StackTook(s, u.Stack, u.Card, u.StackNext);
    }
    bool operator()(const PlayPilePlayUndo& u) const
    {
        return s.ActiveSpot != 0 && u.PlayCount == s.PlayCount + 1 && u.Index >= 1 && u.Index <= u.PlayCount
            && StackTook(s, u.Stack, u.PlayPile[u.Index], u.StackNext);
    }
};

// Takes every record back on a copy that shows nothing, checking the
// position after each step.
bool UndoLeadsBack(const SavedGame& saved)
{
    NullView view;
    Player player;
    player.Settings.UndoEveryMove = true;
    Game scratch(view, player);
    scratch.Arrange([&](GameState& s) { CopyPosition(saved.state, s); });
    if (scratch.IsOver())
        return false;
    std::vector<UndoRecord> records = saved.undo;
    while (!records.empty()) {
        if (!std::visit(FitsPosition{scratch.State()}, records.back()))
            return false;
        scratch.TakeBack(records.back());
        records.pop_back();
        if (!IsSoundPosition(scratch.State()))
            return false;
    }
    return true;
}

}  // namespace

void CopyPosition(const GameState& from, GameState& to)
{
    to.TablePile = from.TablePile;
    to.TableCount = from.TableCount;
    to.StackNext = from.StackNext;
    to.DrawPile = from.DrawPile;
    to.DrawCount = from.DrawCount;
    to.PlayPile = from.PlayPile;
    to.PlayCount = from.PlayCount;
    to.ActiveSpot = from.ActiveSpot;
    to.DrawnCard = from.DrawnCard;
    to.CardsLeft = from.CardsLeft;
    to.DrawStart = from.DrawStart;
    to.ShiftShown = from.ShiftShown;
}

int CardsOnStacks(const GameState& state)
{
    int cards = 0;
    for (int stack = 1; stack <= StackCount; ++stack)
        cards += StackHeight(state, stack);
    return cards;
}

bool IsPlayable(const SavedGame& saved)
{
    // The stack table is the program's own, never the file's.
    GameState s;
    InitStacks(s);
    CopyPosition(saved.state, s);
    if (!IsSoundPosition(s) || !IsFullDeck(saved.deck) || s.CardsLeft == 0)
        return false;
    return UndoLeadsBack(saved);
}
