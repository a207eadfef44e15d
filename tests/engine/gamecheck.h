#pragma once

#include <string>
#include <vector>

#include "engine/game.h"
#include "tests/engine/recordingview.h"

// What a game holds, without the places that are meaningless: the tops of
// counts, the stale count of the fanned spot, the undo record and the selection.
struct GameSnapshot {
    std::vector<std::vector<int>> spots;  // the fanned spot through the play pile
    std::vector<int> stackNext;
    std::vector<int> drawPile;
    std::vector<int> playPile;
    int activeSpot = 0;
    int drawnCard = 0;
    int cardsLeft = 0;
    int playsCount = 0;

    static GameSnapshot Of(const GameState& s);
    friend bool operator==(const GameSnapshot&, const GameSnapshot&) = default;
};

// A game of the test deck's player, shown on a recording view; fixtures
// derive from it.
struct TestDeckTable {
    RecordingView view;
    Player player{"PlumbLine", {}, {}};
    GameSettings& settings = player.Settings;
    GameHistory& history = player.History;
    Game game{view, player};
};

// Cards placed on a stack so far, bottom first.
std::vector<int> CardsOnStack(const GameState& s, int stack);

// Checks the rules that hold between moves; returns a description of the
// first broken one, or an empty text.
std::string BrokenInvariant(const GameState& s);

// Checks that every card control shows what the state says.
std::string ScreenMismatch(const GameState& s, RecordingView& view);

// Open plays counted the plain way: every copy of every wanted card that lies
// on top of a spot or anywhere in the fan.
int IndependentPlayCount(const GameState& s);
