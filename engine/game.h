#pragma once

#include <string>

#include "deck.h"
#include "gamehistory.h"
#include "gamesettings.h"
#include "gamestate.h"
#include "gameview.h"
#include "random.h"

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

    Game(GameView& view, const GameSettings& settings, GameHistory& history, const std::string& playerName);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void SeedRandom(std::uint32_t seed) { random_.Seed(seed); }

    void NewGame();
    void ReplaySameDeck();
    // The close hand-shake: during a deal, stops it before its next card and
    // returns true; the deal then ends the program itself.
    bool StopDealing();
    bool IsDealing() const { return state_.Dealing; }

    const GameState& State() const { return state_; }
    GameState& State() { return state_; }
    const Deck& CurrentDeck() const { return deck_; }

    void DealCards();
    void SpreadActiveSpot();
    void CollapseActiveSpot();
    void CountPlays();

private:
    void ResetTable();
    bool DealUntilMinimum();
    int WantedMinimum() const;
    void AddToDrawPile(int deckPos);

    GameView& view_;
    const GameSettings& settings_;
    GameHistory& history_;
    const std::string& playerName_;
    Random random_;
    Deck deck_{};
    GameState state_;
};
