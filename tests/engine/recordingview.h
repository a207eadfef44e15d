#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/gameview.h"
#include "engine/gamestate.h"

// A GameView that remembers what the screen would show and which sounds,
// dialogs and yields were asked for, in order.
class RecordingView : public GameView {
public:
    struct CardShown {
        CardCode code = NoCard;
        bool visible = false;
        int raisedBy = 0;
    };

    void ShowCard(CardGroup group, int index, CardCode code) override;
    void SetCardVisible(CardGroup group, int index, bool visible) override;
    void MoveCardUp(CardGroup group, int index, int pixels) override;
    void RedrawCardNow(CardGroup group, int index) override { redrawn.emplace_back(group, index); }
    void RedrawAllNow() override { Log("redraw all"); }
    void SetDrawPileVisible(bool visible) override { drawPileVisible = visible; }
    void SetShiftPanelVisible(bool visible) override { shiftVisible = visible; }
    void ShowPeekPanel(int width) override;
    void HidePeekPanel() override { peekPanelWidth = 0; }
    void SetStackCaption(int stack, const std::string& caption) override { captions[stack] = caption; }
    void ShowDrawPileCount(int count) override { drawPileCount = count; }
    void ShowPlaysCount(int count) override { playsCount = count; }
    void EnableGameControls(bool enabled) override;
    void SetMenusEnabled(bool enabled) override { menusEnabled = enabled; }
    void SetUndoEnabled(bool enabled) override { undoEnabled = enabled; }
    void SetBusyCursor(bool busy) override { busyCursor = busy; }
    void ProcessMessages() override;
    void PlaySoundEvent(SoundEvent event) override;
    void Pause() override { Log("pause"); }
    void SetWonTimerRunning(bool running) override { wonTimerRunning = running; }
    void ShowGameOver(int drawStart, int cardsLeft) override;
    void ResultRecorded() override { Log("result recorded"); }
    void EndProgram() override { Log("end program"); }

    CardShown& Card(CardGroup group, int index);
    std::vector<int> Sounds() const;  // the sound events in the order asked for
    void ClearLog() { log.clear(); }

    Slots<CardShown, SpotCount> table{};
    Slots<CardShown, StackCount> stacks{};
    Slots<CardShown, PileSlots> playPile{};
    Slots<CardShown, PileSlots> peek{};
    Slots<std::string, StackCount> captions{};
    bool drawPileVisible = true;
    bool shiftVisible = false;
    int peekPanelWidth = 0;
    int drawPileCount = -99;
    int playsCount = -99;
    bool controlsEnabled = false;
    bool menusEnabled = false;
    bool undoEnabled = false;
    bool busyCursor = false;
    bool wonTimerRunning = false;
    std::vector<std::pair<CardGroup, int>> redrawn;  // cards redrawn at once, in order
    int yields = 0;
    std::vector<std::string> log;
    std::function<void()> onYield;  // lets a test act while the engine yields

private:
    void Log(std::string entry) { log.push_back(std::move(entry)); }
};
