#pragma once

#include <string>

#include "engine/player.h"
#include "store/settingsstore.h"
#include "tests/support/fakesoundplayer.h"
#include "tests/support/tempfolder.h"

// What a main window is made with in a test: the current player, a settings
// file in a folder of its own, and a sound player with no device.
struct WindowParts {
    explicit WindowParts(const std::string& playerName);

    TempFolder folder;
    TSettingsStore store;
    TFakeSoundPlayer sound{0};
    Player player;
};
