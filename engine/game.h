#pragma once

#include <functional>
#include <string>
#include <variant>

#include "engine/deck.h"
#include "engine/gamestate.h"
#include "engine/gameview.h"
#include "engine/player.h"
#include "engine/random.h"
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
    bool CanUndo() const { return !std::holds_alternative<NothingToUndo>(state_.Undo); }
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
    void ShiftPlayPile(ShiftDirection direction);
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
};
