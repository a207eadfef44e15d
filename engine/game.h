#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "engine/deck.h"
#include "engine/gamestate.h"
#include "engine/gameview.h"
#include "engine/player.h"
#include "engine/random.h"
#include "engine/savedgame.h"
#include "engine/wondisplay.h"

// One game of Brackwater: its state, the deck and the deal. Every change of
// state is shown through the view in the same step, so that the screen always
// equals the state.
class Game {
public:
    // The highest minimum draw pile honoured: the options offer up to 30, and
    // hardly any deal leaves more than 35, so a larger value from an edited
    // settings file would re-deal for ever.
    static constexpr int HighestMinimum = 30;
    // A safety net for the re-deal loop on top of that.
    static constexpr int MostDealsPerGame = 1000;

    // The game reads the player's settings at each move and keeps the results
    // in the player's history, whoever the player is by then.
    Game(GameView& view, Player& player);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void SeedRandom(std::uint32_t seed) { random_.Seed(seed); }

    // Asked after each fresh deal that meets the minimum draw pile, with the
    // number of the deal within this new game; false deals again. A reused
    // deck (a replay, the test player's) is never asked.
    using DealFilter = std::function<bool(const GameState& dealt, int deal)>;
    void SetDealFilter(DealFilter filter) { dealFilter_ = std::move(filter); }

    void NewGame();
    void ReplaySameDeck();
    // The close hand-shake: during a deal, stops it before its next card and
    // returns true; the deal then ends the program itself.
    bool StopDealing();
    bool IsDealing() const { return state_.Dealing; }

    const GameState& State() const { return state_; }
    // Sets up a position by hand, as tests do, then counts the open plays and
    // checks for the end of the game as after any move.
    void Arrange(const std::function<void(GameState&)>& change);
    int DealsInLastGame() const { return deals_; }

    // Moves, one per player action.
    void SelectTableCard(int spot);        // left button on a table card
    void SelectPlayPileCard(int index);    // left button on a play-pile card
    void PlayToStack(int stack);           // click on a stack card or its label
    void DrawCard();                       // left button on the draw pile or its counter
    void ShiftPlayPileLeft();
    void ShiftPlayPileRight();
    void StartPeek(int spot);              // right button down on a table card
    void EndPeek();                        // right button up, or the pointer over bare panel
    void UndoMove();
    bool CanUndo() const;
    // Redo is offered only when the player undoes every move; any new move
    // forgets what was undone.
    void RedoMove();
    bool CanRedo() const;
    // Takes back the move a record describes, as undo does, without sound.
    void TakeBack(const UndoRecord& record);
    // The most moves kept for undo; older ones are forgotten.
    static constexpr std::size_t MostUndoSteps = 1000;
    const std::vector<UndoRecord>& UndoSteps() const { return undoSteps_; }

    // Won, or lost: nothing can be played or drawn any more.
    bool IsOver() const;
    // Whether the rest of the game needs no decision (engine/playout.h), and
    // one play of it: false when there was nothing to play.
    bool CanPlayOut() const;
    bool PlayOutStep();

    // The game in progress, to be kept between runs; only between moves.
    SavedGame Save() const;
    // Carries on a kept game, shown whole; false, and nothing changed, when
    // it is not a position the rules can play on.
    bool Resume(const SavedGame& saved);
    void WonTimerTick();                   // the won display's ripple, every 100 ms

    const WonDisplay& Won() const { return won_; }

    static constexpr int RaiseHeight = 7;  // pixels a card is lifted for the two-stack choice
    static int PeekPanelWidth(int cards);

private:
    enum class ShiftDirection { Left, Right };

    void DealCards();
    void SpreadActiveSpot();
    void CollapseActiveSpot();
    void CountPlays();
    void CheckEndOfGame();
    // Hard is Level 2 alone; any other value plays as Easy.
    bool IsHard() const { return settings_.Level == LevelHard; }

    CardCode TopCard(int spot) const;
    CardGroup SelectedGroup() const;
    void TryPlay();
    void RaiseSelected();
    void LowerSelected();
    void DropSelection();
    void RemoveFromTable(int spot);
    void RemoveFromPlayPile(int index);
    void ShiftPlayPile(ShiftDirection direction, bool remember);
    void Draw(bool drawTop);
    void RecordUndo(const UndoRecord& record);
    void ForgetMoves();
    void Redo(const DrawUndo& record);
    void Redo(const ShiftUndo& record);
    void Redo(const TablePlayUndo& record);
    void Redo(const PlayPilePlayUndo& record);
    void Redo(const NothingToUndo&) {}
    void ShowPosition();
    void SetShiftShown(bool shown);
    void Undo(const DrawUndo& undo);
    void Undo(const ShiftUndo& undo);
    void Undo(const TablePlayUndo& undo);
    void Undo(const PlayPilePlayUndo& undo);
    void Undo(const NothingToUndo&) {}
    void RestoreStack(int stack, CardCode stackNext);
    void RecordResult();

    void ResetTable();
    bool DealUntilMinimum();
    bool FilterAccepts() { return !dealFilter_ || dealFilter_(state_, deals_); }
    int WantedMinimum() const;
    void AddToDrawPile(int deckPos);

    GameView& view_;
    Player& player_;
    const GameSettings& settings_;
    GameHistory& history_;
    Random random_;
    Deck deck_{};
    int deals_ = 0;
    DealFilter dealFilter_;
    GameState state_;
    WonDisplay won_;
    // Every move's record, oldest first: the last one alone with the classic undo.
    std::vector<UndoRecord> undoSteps_;
    std::vector<UndoRecord> redoSteps_;
    bool redoing_ = false;
};
