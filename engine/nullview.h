#pragma once

#include "engine/gameview.h"

// A view with no screen and no sound, for games played off screen: the
// solver's replays, benchmarks and tests.
class NullView final : public GameView {
public:
    void ShowCard(CardGroup, int, CardCode) override {}
    void SetCardVisible(CardGroup, int, bool) override {}
    void MoveCardUp(CardGroup, int, int) override {}
    void RedrawCardNow(CardGroup, int) override {}
    void RedrawAllNow() override {}
    void SetDrawPileVisible(bool) override {}
    void SetShiftPanelVisible(bool) override {}
    void ShowPeekPanel(int) override {}
    void HidePeekPanel() override {}
    void SetStackCaption(int, const std::string&) override {}
    void ShowDrawPileCount(int) override {}
    void ShowPlaysCount(int) override {}
    void EnableGameControls(bool) override {}
    void SetMenusEnabled(bool) override {}
    void SetUndoEnabled(bool) override {}
    void SetBusyCursor(bool) override {}
    void ProcessMessages() override {}
    void PlaySoundEvent(SoundEvent) override {}
    void Pause() override {}
    void SetWonTimerRunning(bool) override {}
    void ShowGameOver(int, int) override {}
    void ResultRecorded() override {}
    void EndProgram() override {}
};
