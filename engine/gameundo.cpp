// Taking back the last move from its undo record.
#include "engine/game.h"

void Game::UndoMove()
{
    if (!CanUndo())
        return;
    view_.PlaySoundEvent(SoundEvent::Undo);
    DropSelection();
    const UndoRecord record = state_.Undo;
    std::visit([this](const auto& undo) { Undo(undo); }, record);
    state_.Undo = NothingToUndo{};
    view_.SetUndoEnabled(false);
}

void Game::Undo(const DrawUndo& undo)
{
    GameState& s = state_;
    if (!undo.DrawTop) {
        for (int k = 1; k < s.PlayCount; ++k)
            s.PlayPile[k] = s.PlayPile[k + 1];
    }
    s.PlayPile[s.PlayCount] = NoCard;
    s.PlayCount -= 1;
    CollapseActiveSpot();

    s.DrawnCard = undo.DrawnCard;
    s.ActiveSpot = undo.ActiveSpot;
    if (s.DrawnCard != NoCard)
        SpreadActiveSpot();
    else
        s.PlayCount = 0;  // back to before the first draw: no fan at all
    s.DrawCount += 1;
    view_.ShowDrawPileCount(s.DrawCount);
    view_.SetDrawPileVisible(true);
    if (!undo.ShiftShown && IsHard())
        SetShiftShown(false);
    CountPlays();
}

void Game::Undo(const ShiftUndo& undo)
{
    ShiftPlayPile(undo.Left ? ShiftDirection::Right : ShiftDirection::Left);
    SetShiftShown(true);
}

void Game::Undo(const TablePlayUndo& undo)
{
    GameState& s = state_;
    s.TableCount[undo.Spot] += 1;
    s.TablePile[undo.Spot][s.TableCount[undo.Spot]] = undo.Card;
    view_.ShowCard(CardGroup::Table, undo.Spot, undo.Card);
    view_.SetCardVisible(CardGroup::Table, undo.Spot, true);
    RestoreStack(undo.Stack, undo.StackNext);
    s.CardsLeft += 1;
    CountPlays();
}

void Game::Undo(const PlayPilePlayUndo& undo)
{
    GameState& s = state_;
    s.PlayPile = undo.PlayPile;
    s.PlayCount = undo.PlayCount;
    for (int k = 1; k <= s.PlayCount; ++k) {
        view_.ShowCard(CardGroup::PlayPile, k, s.PlayPile[k]);
        view_.SetCardVisible(CardGroup::PlayPile, k, true);
    }
    RestoreStack(undo.Stack, undo.StackNext);
    s.CardsLeft += 1;
    CountPlays();
}

// Puts the stack back as it was before the play; a completed stack that
// showed its back turns face up again.
void Game::RestoreStack(int stack, CardCode stackNext)
{
    GameState& s = state_;
    s.StackNext[stack] = stackNext;
    if (s.StackNext[stack] == s.StackStart[stack])
        view_.SetCardVisible(CardGroup::Stack, stack, false);
    else
        view_.ShowCard(CardGroup::Stack, stack, static_cast<CardCode>(s.StackNext[stack] - s.StackStep[stack]));
}
