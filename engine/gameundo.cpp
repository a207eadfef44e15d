// Taking back the last move from its undo record.
#include "engine/game.h"

void Game::UndoMove()
{
    if (!CanUndo())
        return;
    view_.PlaySoundEvent(SoundEvent::Undo);
    DropSelection();
    switch (state_.Undo.Kind) {
    case UndoKind::Draw:
        UndoDraw();
        break;
    case UndoKind::RightShift:
        ShiftPlayPile(ShiftDirection::Left);
        SetShiftShown(true);
        break;
    case UndoKind::LeftShift:
        ShiftPlayPile(ShiftDirection::Right);
        SetShiftShown(true);
        break;
    case UndoKind::TablePlay:
        UndoTablePlay();
        break;
    case UndoKind::PlayPilePlay:
        UndoPlayPilePlay();
        break;
    case UndoKind::Nothing:
        break;
    }
    state_.Undo.Kind = UndoKind::Nothing;
    view_.SetUndoEnabled(false);
}

void Game::UndoDraw()
{
    GameState& s = state_;
    const UndoRecord u = s.Undo;
    if (!u.DrawTop) {
        for (int k = 1; k < s.PlayCount; ++k)
            s.PlayPile[k] = s.PlayPile[k + 1];
    }
    s.PlayPile[s.PlayCount] = NoCard;
    s.PlayCount -= 1;
    CollapseActiveSpot();

    s.DrawnCard = u.Card;
    s.ActiveSpot = u.Spot;
    if (s.DrawnCard != NoCard)
        SpreadActiveSpot();
    else
        s.PlayCount = 0;  // back to before the first draw: no fan at all
    s.DrawCount += 1;
    view_.ShowDrawPileCount(s.DrawCount);
    view_.SetDrawPileVisible(true);
    if (!u.ShiftShown && settings_.Level == LevelHard)
        SetShiftShown(false);
    CountPlays();
}

void Game::UndoTablePlay()
{
    GameState& s = state_;
    const int spot = s.Undo.Spot;
    s.TableCount[spot] += 1;
    s.TablePile[spot][s.TableCount[spot]] = s.Undo.Card;
    view_.ShowCard(CardGroup::Table, spot, s.Undo.Card);
    view_.SetCardVisible(CardGroup::Table, spot, true);
    RestoreStack();
    s.CardsLeft += 1;
    CountPlays();
}

void Game::UndoPlayPilePlay()
{
    GameState& s = state_;
    s.PlayPile = s.Undo.PlayPile;
    s.PlayCount = s.Undo.PlayCount;
    for (int k = 1; k <= s.PlayCount; ++k) {
        view_.ShowCard(CardGroup::PlayPile, k, s.PlayPile[k]);
        view_.SetCardVisible(CardGroup::PlayPile, k, true);
    }
    RestoreStack();
    s.CardsLeft += 1;
    CountPlays();
}

// Puts the stack back as it was before the play; a completed stack that
// showed its back turns face up again.
void Game::RestoreStack()
{
    GameState& s = state_;
    const int stack = s.Undo.Stack;
    s.StackNext[stack] = s.Undo.StackNext;
    if (s.StackNext[stack] == s.StackStart[stack])
        view_.SetCardVisible(CardGroup::Stack, stack, false);
    else
        view_.ShowCard(CardGroup::Stack, stack, static_cast<CardCode>(s.StackNext[stack] - s.StackStep[stack]));
}
