#pragma once

#include <functional>
#include <string>

#include "window/frmmain.h"
#include "tests/window/windowparts.h"

// The main window with a hook into the deal: `DuringDeal` runs once, from the
// first message pass while a deal is running. It also counts the deals begun.
class MainWindowProbe : public Tfrm_Main {
public:
    explicit MainWindowProbe(WindowParts& parts);

    std::function<void()> DuringDeal;
    int DealsBegun = 0;

    void ProcessMessages() override;
    void PlaySoundEvent(SoundEvent event) override;
};
