#pragma once

#include "options/optionshost.h"

// An options host for dialogs shown on their own: the changes go nowhere.
class TQuietHost final : public TOptionsHost {
public:
    void ApplyStackColor() override {}
    void ApplyTableColor() override {}
    void ApplyPlayColor() override {}
    void ApplyCardColor() override {}
    void ApplyCardBack() override {}
    void RedrawCounters() override {}
    void SetPlaysPanelVisible(bool) override {}
    void ShowHelpContext(int) override {}
};
