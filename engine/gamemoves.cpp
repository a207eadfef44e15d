// The player's moves: playing to the stacks, drawing, shifting the fan, peeking.
#include "engine/game.h"

#include <algorithm>

void Game::SelectTableCard(int spot)
{
    GameState& s = state_;
    if (spot == s.ActiveSpot || TopCard(spot) == NoCard)
        return;
    if (s.Raised)
        LowerSelected();
    s.SelKind = SelectionKind::Table;
    s.SelPos = static_cast<std::uint8_t>(spot);
    s.SelCard = TopCard(spot);
    TryPlay();
}

void Game::SelectPlayPileCard(int index)
{
    GameState& s = state_;
    if (s.PlayCount == 0 || index > s.PlayCount)
        return;
    if (s.Raised)
        LowerSelected();
    s.SelKind = SelectionKind::PlayPile;
    s.SelPos = static_cast<std::uint8_t>(index);
    s.SelCard = s.PlayPile[index];
    TryPlay();
}

// One stack wants the card: play it. Two (the Kings and Aces stacks of the
// suit meeting in the middle): lift it and let the player pick the stack.
void Game::TryPlay()
{
    int wanting = 0;
    int stackWanting = 0;
    for (int stack = 1; stack <= StackCount; ++stack) {
        if (state_.StackNext[stack] == state_.SelCard) {
            ++wanting;
            stackWanting = stack;
        }
    }
    if (wanting == 1)
        PlayToStack(stackWanting);
    else if (wanting == 2)
        RaiseSelected();
}

void Game::RaiseSelected()
{
    view_.PlaySoundEvent(SoundEvent::Play2Places);
    view_.MoveCardUp(SelectedGroup(), state_.SelPos, RaiseHeight);
    state_.Raised = true;
}

void Game::LowerSelected()
{
    view_.MoveCardUp(SelectedGroup(), state_.SelPos, -RaiseHeight);
    state_.Raised = false;
}

void Game::DropSelection()
{
    if (state_.Raised)
        LowerSelected();
    state_.SelPos = 0;
    state_.SelCard = NoCard;
}

void Game::PlayToStack(int stack)
{
    GameState& s = state_;
    const CardCode card = s.SelCard;
    if (card == NoCard || card != s.StackNext[stack])
        return;

    const auto stackPlace = static_cast<std::uint8_t>(stack);
    if (s.SelKind == SelectionKind::PlayPile)
        RecordUndo(PlayPilePlayUndo{stackPlace, s.StackNext[stack], s.PlayPile, s.PlayCount, s.SelPos});
    else
        RecordUndo(TablePlayUndo{card, s.SelPos, stackPlace, s.StackNext[stack]});

    if (s.SelKind == SelectionKind::PlayPile)
        RemoveFromPlayPile(s.SelPos);
    else
        RemoveFromTable(s.SelPos);

    view_.ShowCard(CardGroup::Stack, stack, card);
    view_.SetCardVisible(CardGroup::Stack, stack, true);
    view_.PlaySoundEvent(SoundEvent::PlayCard);
    if (card == s.StackEnd[stack]) {
        s.StackNext[stack] = NoCard;
        view_.ShowCard(CardGroup::Stack, stack, NoCard);
        view_.PlaySoundEvent(SoundEvent::FillStack);
    } else {
        s.StackNext[stack] = static_cast<CardCode>(s.StackNext[stack] + s.StackStep[stack]);
    }
    DropSelection();

    s.CardsLeft -= 1;
    CountPlays();
    CheckEndOfGame();
}

void Game::RemoveFromTable(int spot)
{
    GameState& s = state_;
    s.TablePile[spot][s.TableCount[spot]] = NoCard;
    s.TableCount[spot] -= 1;
    if (s.TableCount[spot] > 0) {
        view_.ShowCard(CardGroup::Table, spot, TopCard(spot));
    } else {
        view_.SetCardVisible(CardGroup::Table, spot, false);
        view_.ShowCard(CardGroup::Table, spot, NoCard);
    }
}

void Game::RemoveFromPlayPile(int index)
{
    GameState& s = state_;
    for (int k = index; k < s.PlayCount; ++k) {
        s.PlayPile[k] = s.PlayPile[k + 1];
        view_.ShowCard(CardGroup::PlayPile, k, s.PlayPile[k]);
    }
    s.PlayPile[s.PlayCount] = NoCard;
    view_.SetCardVisible(CardGroup::PlayPile, s.PlayCount, false);
    view_.ShowCard(CardGroup::PlayPile, s.PlayCount, NoCard);
    s.PlayCount -= 1;
    if (s.PlayCount < 2)
        SetShiftShown(false);
}

void Game::DrawCard()
{
    Draw(settings_.DrawTop);
}

void Game::Draw(bool drawTop)
{
    GameState& s = state_;
    if (s.DrawCount <= 0)
        return;
    view_.PlaySoundEvent(SoundEvent::DrawCard);

    RecordUndo(DrawUndo{s.DrawnCard, s.ActiveSpot, drawTop, s.ShiftShown});
    DropSelection();

    if (s.DrawnCard != NoCard) {
        CollapseActiveSpot();
        s.DrawnCard = NoCard;
        s.ActiveSpot = 0;
    }
    s.DrawnCard = s.DrawPile[s.DrawCount];
    s.ActiveSpot = static_cast<std::uint8_t>(RankOf(s.DrawnCard));
    s.DrawCount -= 1;
    view_.ShowDrawPileCount(s.DrawCount);
    if (s.DrawCount == 0)
        view_.SetDrawPileVisible(false);

    auto& pile = s.TablePile[s.ActiveSpot];
    const int count = ++s.TableCount[s.ActiveSpot];
    if (!drawTop) {
        for (int k = count; k > 1; --k)
            pile[k] = pile[k - 1];
    }
    pile[drawTop ? count : 1] = s.DrawnCard;

    SpreadActiveSpot();
    CountPlays();
    CheckEndOfGame();
}

void Game::ShiftPlayPileLeft()
{
    if (state_.ShiftShown)
        ShiftPlayPile(ShiftDirection::Left, true);
}

void Game::ShiftPlayPileRight()
{
    if (state_.ShiftShown)
        ShiftPlayPile(ShiftDirection::Right, true);
}

// Turns the fan by one card; which card ends on top decides what can be
// played from the spot once the pile goes back to the table. Undo turns it
// back without remembering that as a move.
void Game::ShiftPlayPile(ShiftDirection direction, bool remember)
{
    GameState& s = state_;
    view_.PlaySoundEvent(SoundEvent::ShiftCards);
    DropSelection();
    if (remember)
        RecordUndo(ShiftUndo{direction == ShiftDirection::Left});
    if (IsHard())
        SetShiftShown(false);

    const auto first = s.PlayPile.begin() + 1;
    const auto end = first + s.PlayCount;
    if (s.PlayCount > 1) {
        if (direction == ShiftDirection::Left)
            std::rotate(first, end - 1, end);
        else
            std::rotate(first, first + 1, end);
    }
    for (int k = 1; k <= s.PlayCount; ++k)
        view_.ShowCard(CardGroup::PlayPile, k, s.PlayPile[k]);
}

int Game::PeekPanelWidth(int cards)
{
    constexpr int margin = 9;
    constexpr int spacing = 24;
    constexpr int cardWidth = 71;
    return margin + spacing * (cards - 1) + cardWidth + margin;
}

void Game::StartPeek(int spot)
{
    GameState& s = state_;
    if (spot == s.ActiveSpot || TopCard(spot) == NoCard)
        return;
    view_.PlaySoundEvent(SoundEvent::Peek);
    s.PeekSpot = static_cast<std::uint8_t>(spot);
    const int count = s.TableCount[spot];
    if (!settings_.PeekAtAll) {
        view_.ShowCard(CardGroup::Table, spot, count > 1 ? s.TablePile[spot][count - 1] : NoCard);
        return;
    }
    s.PeekPile.fill(NoCard);
    for (int k = 1; k <= PileSlots; ++k)
        view_.SetCardVisible(CardGroup::Peek, k, false);
    s.PeekCount = static_cast<std::uint8_t>(count);
    for (int k = 1; k <= count; ++k) {
        s.PeekPile[k] = s.TablePile[spot][k];
        view_.ShowCard(CardGroup::Peek, k, s.PeekPile[k]);
        view_.SetCardVisible(CardGroup::Peek, k, true);
    }
    view_.ShowPeekPanel(PeekPanelWidth(count));
}

void Game::EndPeek()
{
    GameState& s = state_;
    if (s.PeekSpot == 0)
        return;
    if (settings_.PeekAtAll) {
        s.PeekSpot = 0;
        view_.HidePeekPanel();
    } else if (s.PeekSpot != s.ActiveSpot && TopCard(s.PeekSpot) != NoCard) {
        view_.ShowCard(CardGroup::Table, s.PeekSpot, TopCard(s.PeekSpot));
        s.PeekSpot = 0;
    }
}
