#pragma once

#include "engine/soundevent.h"

// What the card table asks of the window that hosts it: the parts of the
// game's view beyond the table itself (menus, the message loop, sounds,
// timers, dialogs and the end of the program).
class TTableHost {
public:
    virtual ~TTableHost() = default;

    virtual void SetMenusEnabled(bool enabled) = 0;
    virtual void SetUndoEnabled(bool enabled) = 0;
    virtual void ProcessMessages() = 0;
    virtual void PlaySoundEvent(SoundEvent event) = 0;
    virtual void Pause() = 0;
    virtual void SetWonTimerRunning(bool running) = 0;
    virtual void ShowGameOver(int drawStart, int cardsLeft) = 0;
    virtual void ResultRecorded() = 0;
    virtual void EndProgram() = 0;
};
