#include "tests/window/mainwindowprobe.h"

#include <utility>

MainWindowProbe::MainWindowProbe(WindowParts& parts)
    : Tfrm_Main(parts.player, parts.store, parts.sound)
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
