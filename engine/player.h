#pragma once

#include <string>

#include "engine/gamehistory.h"
#include "engine/gamesettings.h"

// The current player: name, settings and history. The program makes one for
// the whole run and hands it at construction to whoever needs it; choosing
// another player changes its contents, never the object.
struct Player {
    std::string Name;
    GameSettings Settings;
    GameHistory History;
};
