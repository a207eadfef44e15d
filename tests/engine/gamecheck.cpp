#include "tests/engine/gamecheck.h"

#include <algorithm>

namespace {
std::vector<int> Range(const auto& slots, int count)
{
    return {slots.begin() + 1, slots.begin() + 1 + count};
}
}  // namespace

GameSnapshot GameSnapshot::Of(const GameState& s)
{
    GameSnapshot snap;
    for (int spot = 1; spot <= SpotCount; ++spot) {
        if (spot == s.ActiveSpot)
            snap.spots.push_back(Range(s.PlayPile, s.PlayCount));
        else
            snap.spots.push_back(Range(s.TablePile[spot], s.TableCount[spot]));
    }
    snap.stackNext = Range(s.StackNext, StackCount);
    snap.drawPile = Range(s.DrawPile, std::max(0, s.DrawCount));
    snap.playPile = Range(s.PlayPile, s.PlayCount);
    snap.activeSpot = s.ActiveSpot;
    snap.drawnCard = s.DrawnCard;
    snap.cardsLeft = s.CardsLeft;
    snap.playsCount = s.PlaysCount;
    return snap;
}

std::vector<int> CardsOnStack(const GameState& s, int stack)
{
    std::vector<int> cards;
    const CardCode end = s.StackNext[stack] == NoCard
        ? static_cast<CardCode>(s.StackEnd[stack] + s.StackStep[stack])
        : s.StackNext[stack];
    for (int c = s.StackStart[stack]; c != end; c += s.StackStep[stack])
        cards.push_back(c);
    return cards;
}

std::string BrokenInvariant(const GameState& s)
{
    std::vector<int> copies(DistinctCards + 1, 0);
    const GameSnapshot snap = GameSnapshot::Of(s);
    for (const auto& pile : snap.spots)
        for (int c : pile)
            ++copies.at(c);
    for (int c : snap.drawPile)
        ++copies.at(c);
    int onStacks = 0;
    for (int stack = 1; stack <= StackCount; ++stack) {
        for (int c : CardsOnStack(s, stack)) {
            ++copies.at(c);
            ++onStacks;
        }
    }
    for (int c = 1; c <= DistinctCards; ++c) {
        if (copies[c] != 2)
            return "code " + std::to_string(c) + " occurs " + std::to_string(copies[c]) + " times";
    }
    if (s.CardsLeft != DeckSize - onStacks)
        return "CardsLeft " + std::to_string(s.CardsLeft) + " with " + std::to_string(onStacks) + " on stacks";
    if (s.PlaysCount != IndependentPlayCount(s))
        return "PlaysCount " + std::to_string(s.PlaysCount) + ", counted " + std::to_string(IndependentPlayCount(s));
    if (s.ActiveSpot != 0 && s.ActiveSpot != RankOf(s.DrawnCard))
        return "active spot is not the drawn card's rank";
    if (s.ShiftShown && s.PlayCount < 2)
        return "shift panel shown for fewer than two cards";
    return {};
}

int IndependentPlayCount(const GameState& s)
{
    std::vector<int> available;
    const GameSnapshot snap = GameSnapshot::Of(s);
    for (int spot = 1; spot <= SpotCount; ++spot) {
        const auto& pile = snap.spots[spot - 1];
        if (spot == s.ActiveSpot)
            available.insert(available.end(), pile.begin(), pile.end());
        else if (!pile.empty())
            available.push_back(pile.back());
    }
    int plays = 0;
    for (int wanted : snap.stackNext)
        plays += wanted == NoCard ? 0 : static_cast<int>(std::count(available.begin(), available.end(), wanted));
    return plays;
}

namespace {

// Only the selected card may be lifted, and only while it waits for the
// choice of a stack; it must be the card its place holds.
std::string RaisedMismatch(const GameState& s, RecordingView& view)
{
    const bool inFan = s.SelKind == SelectionKind::PlayPile;
    if (s.Raised) {
        const CardCode atPlace = inFan ? s.PlayPile[s.SelPos] : s.TablePile[s.SelPos][s.TableCount[s.SelPos]];
        if (s.SelPos == 0 || s.SelCard == NoCard || atPlace != s.SelCard)
            return "raised card is not the selected card";
    }
    for (int k = 1; k <= PileSlots; ++k) {
        const bool lifted = s.Raised && inFan && k == s.SelPos;
        if (view.playPile[k].raisedBy != (lifted ? Game::RaiseHeight : 0))
            return "play pile place " + std::to_string(k) + " raised by " + std::to_string(view.playPile[k].raisedBy);
    }
    for (int spot = 1; spot <= SpotCount; ++spot) {
        const bool lifted = s.Raised && !inFan && spot == s.SelPos;
        if (view.table[spot].raisedBy != (lifted ? Game::RaiseHeight : 0))
            return "table spot " + std::to_string(spot) + " raised by " + std::to_string(view.table[spot].raisedBy);
    }
    return {};
}

}  // namespace

std::string ScreenMismatch(const GameState& s, RecordingView& view)
{
    for (int spot = 1; spot <= SpotCount; ++spot) {
        const auto& shown = view.table[spot];
        const bool shouldShow = spot != s.ActiveSpot && s.TableCount[spot] > 0;
        if (shown.visible != shouldShow)
            return "table spot " + std::to_string(spot) + " visibility";
        if (shouldShow && s.PeekSpot != spot && shown.code != s.TablePile[spot][s.TableCount[spot]])
            return "table spot " + std::to_string(spot) + " shows " + std::to_string(shown.code);
    }
    for (int k = 1; k <= PileSlots; ++k) {
        const auto& shown = view.playPile[k];
        if (shown.visible != (k <= s.PlayCount))
            return "play pile place " + std::to_string(k) + " visibility";
        if (k <= s.PlayCount && shown.code != s.PlayPile[k])
            return "play pile place " + std::to_string(k) + " code";
    }
    for (int stack = 1; stack <= StackCount; ++stack) {
        const auto& shown = view.stacks[stack];
        const auto cards = CardsOnStack(s, stack);
        if (shown.visible != !cards.empty())
            return "stack " + std::to_string(stack) + " visibility";
        const int expected = s.StackNext[stack] == NoCard ? NoCard : (cards.empty() ? shown.code : cards.back());
        if (shown.code != expected)
            return "stack " + std::to_string(stack) + " shows " + std::to_string(shown.code);
    }
    if (auto raised = RaisedMismatch(s, view); !raised.empty())
        return raised;
    if (view.shiftVisible != s.ShiftShown)
        return "shift panel";
    if (view.drawPileVisible != (s.DrawCount > 0))
        return "draw pile visibility";
    if (view.drawPileCount != s.DrawCount)
        return "draw pile count";
    if (view.playsCount != s.PlaysCount)
        return "plays count";
    return {};
}
