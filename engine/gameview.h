#pragma once

#include <string>

#include "engine/cardcode.h"
#include "engine/soundevent.h"

// The groups of card controls the engine drives; each control is numbered
// from 1 within its group (table spot, stack, play-pile or peek place).
enum class CardGroup { Table, Stack, PlayPile, Peek };

// Everything the engine needs from the screen, the message loop and the sound
// player. The card table implements it; tests implement it with a recorder.
class GameView {
public:
    virtual ~GameView() = default;

    // Card controls.
    virtual void ShowCard(CardGroup group, int index, CardCode code) = 0;
    virtual void SetCardVisible(CardGroup group, int index, bool visible) = 0;
    virtual void MoveCardUp(CardGroup group, int index, int pixels) = 0;  // negative moves down
    virtual void RedrawCardNow(CardGroup group, int index) = 0;
    virtual void RedrawAllNow() = 0;

    // The rest of the table.
    virtual void SetDrawPileVisible(bool visible) = 0;  // the draw-pile card with its counter
    virtual void SetShiftPanelVisible(bool visible) = 0;
    virtual void ShowPeekPanel(int width) = 0;
    virtual void HidePeekPanel() = 0;
    virtual void SetStackCaption(int stack, const std::string& caption) = 0;
    virtual void ShowDrawPileCount(int count) = 0;
    virtual void ShowPlaysCount(int count) = 0;

    // Input and menus.
    virtual void EnableGameControls(bool enabled) = 0;  // menus but Undo, and every card control
    virtual void SetMenusEnabled(bool enabled) = 0;     // File, Options, History and Help only
    virtual void SetUndoEnabled(bool enabled) = 0;
    virtual void SetBusyCursor(bool busy) = 0;

    // Time, sound and the message loop.
    virtual void ProcessMessages() = 0;  // lets the window paint; user input stays held back
    virtual void PlaySoundEvent(SoundEvent event) = 0;
    virtual void Pause() = 0;  // half a second, the window painting meanwhile
    virtual void SetWonTimerRunning(bool running) = 0;

    // End of a game and of the program.
    virtual void ShowGameOver(int drawStart, int cardsLeft) = 0;  // modal
    virtual void ResultRecorded() = 0;
    virtual void EndProgram() = 0;
};
