// Taking back moves from their undo records, and doing them again.
#include "engine/game.h"

// The classic undo keeps the last move alone and no redo; undoing every move
// keeps them all, and a move made otherwise than by Redo forgets what was undone.
void Game::RecordUndo(const UndoRecord& record)
{
    state_.Undo = record;
    if (!settings_.UndoEveryMove)
        undoSteps_.clear();
    if (!redoing_)
        redoSteps_.clear();
    undoSteps_.push_back(record);
    if (undoSteps_.size() > MostUndoSteps)
        undoSteps_.erase(undoSteps_.begin());
    view_.SetUndoEnabled(true);
}

void Game::ForgetMoves()
{
    state_.Undo = NothingToUndo{};
    undoSteps_.clear();
    redoSteps_.clear();
}

bool Game::CanUndo() const
{
    if (settings_.UndoEveryMove)
        return !undoSteps_.empty();
    return !std::holds_alternative<NothingToUndo>(state_.Undo);
}

bool Game::CanRedo() const
{
    return settings_.UndoEveryMove && !redoSteps_.empty();
}

void Game::UndoMove()
{
    if (!CanUndo())
        return;
    view_.PlaySoundEvent(SoundEvent::Undo);
    const UndoRecord record = settings_.UndoEveryMove ? undoSteps_.back() : state_.Undo;
    TakeBack(record);
    if (settings_.UndoEveryMove) {
        undoSteps_.pop_back();
        redoSteps_.push_back(record);
    } else {
        undoSteps_.clear();
        redoSteps_.clear();
    }
    state_.Undo = settings_.UndoEveryMove && !undoSteps_.empty() ? undoSteps_.back() : UndoRecord{};
    view_.SetUndoEnabled(CanUndo());
}

void Game::TakeBack(const UndoRecord& record)
{
    DropSelection();
    std::visit([this](const auto& undo) { Undo(undo); }, record);
}

void Game::RedoMove()
{
    if (!CanRedo())
        return;
    const UndoRecord record = redoSteps_.back();
    redoSteps_.pop_back();
    redoing_ = true;
    DropSelection();
    std::visit([this](const auto& redo) { Redo(redo); }, record);
    redoing_ = false;
}

void Game::Redo(const DrawUndo& record)
{
    Draw(record.DrawTop);
}

void Game::Redo(const ShiftUndo& record)
{
    ShiftPlayPile(record.Left ? ShiftDirection::Left : ShiftDirection::Right, true);
}

void Game::Redo(const TablePlayUndo& record)
{
    state_.SelKind = SelectionKind::Table;
    state_.SelPos = record.Spot;
    state_.SelCard = TopCard(record.Spot);
    PlayToStack(record.Stack);
}

void Game::Redo(const PlayPilePlayUndo& record)
{
    state_.SelKind = SelectionKind::PlayPile;
    state_.SelPos = record.Index;
    state_.SelCard = state_.PlayPile[record.Index];
    PlayToStack(record.Stack);
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
    ShiftPlayPile(undo.Left ? ShiftDirection::Right : ShiftDirection::Left, false);
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
