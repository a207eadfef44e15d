#include "tests/window/mainwindowprobe.h"

#include <utility>

MainWindowProbe::MainWindowProbe(GameSettings& settings, GameHistory& history, const std::string& playerName)
    : Tfrm_Main(settings, history, playerName)
{
}

void MainWindowProbe::ProcessMessages()
{
    if (DuringDeal && GameEngine().IsDealing()) {
        auto hook = std::exchange(DuringDeal, nullptr);
        hook();
    }
    Tfrm_Main::ProcessMessages();
}

void MainWindowProbe::PlaySoundEvent(SoundEvent event)
{
    if (event == SoundEvent::ShuffleDeck)
        ++DealsBegun;
    Tfrm_Main::PlaySoundEvent(event);
}
