// Keeping a game in progress between runs, and carrying it on.
#include "engine/game.h"

SavedGame Game::Save() const
{
    return SavedGame{state_, deck_, undoSteps_};
}

bool Game::Resume(const SavedGame& saved)
{
    if (!IsPlayable(saved))
        return false;
    view_.SetWonTimerRunning(false);
    ResetTable();
    CopyPosition(saved.state, state_);
    deck_ = saved.deck;
    undoSteps_ = saved.undo;
    if (!settings_.UndoEveryMove && undoSteps_.size() > 1)
        undoSteps_.erase(undoSteps_.begin(), undoSteps_.end() - 1);
    state_.Undo = undoSteps_.empty() ? UndoRecord{} : undoSteps_.back();
    ShowPosition();
    CountPlays();
    view_.SetUndoEnabled(CanUndo());
    view_.EnableGameControls(true);
    view_.SetBusyCursor(false);
    return true;
}

// Every control as the state says, on a table that has just been cleared.
void Game::ShowPosition()
{
    const GameState& s = state_;
    for (int spot = 1; spot <= SpotCount; ++spot) {
        const bool shown = spot != s.ActiveSpot && s.TableCount[spot] > 0;
        view_.ShowCard(CardGroup::Table, spot, shown ? TopCard(spot) : NoCard);
        view_.SetCardVisible(CardGroup::Table, spot, shown);
    }
    for (int stack = 1; stack <= StackCount; ++stack) {
        const CardCode next = s.StackNext[stack];
        if (next == s.StackStart[stack])
            continue;
        view_.ShowCard(CardGroup::Stack, stack, next == NoCard ? NoCard : static_cast<CardCode>(next - s.StackStep[stack]));
        view_.SetCardVisible(CardGroup::Stack, stack, true);
    }
    view_.ShowDrawPileCount(s.DrawCount);
    view_.SetDrawPileVisible(s.DrawCount > 0);
    for (int k = 1; k <= s.PlayCount; ++k) {
        view_.ShowCard(CardGroup::PlayPile, k, s.PlayPile[k]);
        view_.SetCardVisible(CardGroup::PlayPile, k, true);
    }
    SetShiftShown(s.ShiftShown);
}
