#pragma once

// What the options dialog needs of the main window: carrying each changed
// setting onto the table at once, and the help.
class TOptionsHost {
public:
    virtual ~TOptionsHost() = default;

    virtual void ApplyStackColor() = 0;
    virtual void ApplyTableColor() = 0;
    virtual void ApplyPlayColor() = 0;
    virtual void ApplyCardColor() = 0;
    virtual void ApplyCardBack() = 0;
    // Redraws both counters in the current colours: the draw-pile counter with
    // the game's draw count, then the plays counter with its plays count.
    virtual void RedrawCounters() = 0;
    virtual void SetPlaysPanelVisible(bool visible) = 0;
    virtual void ShowHelpContext(int context) = 0;
};
