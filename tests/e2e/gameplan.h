#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "engine/gamesettings.h"
#include "engine/gamestate.h"

// One click of the player: what it aims at, with the play pile's size at the
// time, since a card of the fan can be hit only on its visible strip.
struct PlannedClick {
    enum class Target { TableSpot, PlayPileCard, DrawPile, Stack };

    Target target = Target::DrawPile;
    int index = 0;      // spot 1..13, play-pile place 1..16 or stack 1..8
    int pileCount = 0;  // play-pile cards at the time, for PlayPileCard

    friend bool operator==(const PlannedClick&, const PlannedClick&) = default;
};

// How the simulated player goes about it. Greedy plays every card a stack
// wants before drawing; DrawFirst empties the draw pile first and only then
// plays, burying cards on the way.
enum class PlayStyle { Greedy, DrawFirst };

// A game of one player played by the engine, click by click, as the real
// program will see it. A card that two stacks want goes to the Aces column.
struct GamePlan {
    using StopRule = std::function<bool(const GameState&)>;

    std::vector<PlannedClick> clicks;
    int drawStart = 0;
    int cardsLeft = 0;
    bool finished = false;  // won or lost, rather than stopped early

    // Plays until the game is over, or until `stopAfter` holds after a move.
    static GamePlan Play(const std::string& playerName, PlayStyle style, const GameSettings& settings = {},
                         const StopRule& stopAfter = {});
};

std::string Describe(const PlannedClick& click);
