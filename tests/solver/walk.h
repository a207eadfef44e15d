#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "solver/position.h"
#include "solver/seededgame.h"

inline GameSettings SettingsFor(bool hard, bool drawTop)
{
    GameSettings settings;
    settings.Level = hard ? LevelHard : LevelEasy;
    settings.DrawTop = drawTop;
    return settings;
}

// Clicks through the engine, false at the first one it refuses.
bool ClickAll(SeededGame& game, const std::string& clicks);

// The clicks of one move of the model, from a position of the real game.
std::string MoveClicks(const SolverPosition& p, const SolverMove& move, SolverRules rules, const GameState& state);

// Plays random legal moves of the solver's model through the engine, mostly
// plays, until the draw pile is down to the given size; with a check, stops
// at the first step where the model and the engine disagree and says how.
// The model's line is clicked once it is complete, as a later move of it may
// settle the turn of a pile gathered earlier.
std::string WalkUntil(SeededGame& game, SolverRules rules, std::mt19937& rng, int drawCount, bool check);
