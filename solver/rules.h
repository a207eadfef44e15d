#pragma once

#include "engine/gamesettings.h"

// The two settings that change what a move does; read once per search, as a
// game's own settings can change between moves but never during one.
struct SolverRules {
    bool Hard = true;     // one shift per fanning instead of any number
    bool DrawTop = true;  // a drawn card goes on top of its spot, else underneath

    static SolverRules From(const GameSettings& settings)
    {
        return {settings.Level == LevelHard, settings.DrawTop};
    }
};
