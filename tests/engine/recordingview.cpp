#include "tests/engine/recordingview.h"

RecordingView::CardShown& RecordingView::Card(CardGroup group, int index)
{
    switch (group) {
    case CardGroup::Table:
        return table.at(index);
    case CardGroup::Stack:
        return stacks.at(index);
    case CardGroup::PlayPile:
        return playPile.at(index);
    case CardGroup::Peek:
        break;
    }
    return peek.at(index);
}

void RecordingView::ShowCard(CardGroup group, int index, CardCode code)
{
    Card(group, index).code = code;
}

void RecordingView::SetCardVisible(CardGroup group, int index, bool visible)
{
    Card(group, index).visible = visible;
}

void RecordingView::MoveCardUp(CardGroup group, int index, int pixels)
{
    Card(group, index).raisedBy += pixels;
}

void RecordingView::ShowPeekPanel(int width)
{
    peekPanelWidth = width;
}

void RecordingView::EnableGameControls(bool enabled)
{
    controlsEnabled = enabled;
    menusEnabled = enabled;
}

void RecordingView::ProcessMessages()
{
    ++yields;
    if (onYield)
        onYield();
}

void RecordingView::PlaySoundEvent(SoundEvent event)
{
    Log("sound " + std::to_string(static_cast<int>(event)));
    ProcessMessages();
}

void RecordingView::ShowGameOver(int drawStart, int cardsLeft)
{
    Log("game over " + std::to_string(drawStart) + " " + std::to_string(cardsLeft));
}

std::vector<int> RecordingView::Sounds() const
{
    std::vector<int> sounds;
    for (const auto& entry : log) {
        if (entry.rfind("sound ", 0) == 0)
            sounds.push_back(std::stoi(entry.substr(6)));
    }
    return sounds;
}
