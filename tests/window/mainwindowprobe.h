#pragma once

#include <functional>
#include <string>

#include "window/frmmain.h"
#include "engine/gamehistory.h"
#include "engine/gamesettings.h"

// The main window with a hook into the deal: `DuringDeal` runs once, from the
// first message pass while a deal is running. It also counts the deals begun.
class MainWindowProbe : public Tfrm_Main {
public:
    MainWindowProbe(GameSettings& settings, GameHistory& history, const std::string& playerName);
    MainWindowProbe(GameSettings&, GameHistory&, std::string&&) = delete;

    std::function<void()> DuringDeal;
    int DealsBegun = 0;

    void ProcessMessages() override;
    void PlaySoundEvent(SoundEvent event) override;
};
