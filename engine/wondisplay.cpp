#include "engine/wondisplay.h"

void WonDisplay::Run(const GameState& state)
{
    view_.RedrawAllNow();
    view_.Pause();
    view_.SetUndoEnabled(false);
    view_.SetMenusEnabled(false);
    view_.PlaySoundEvent(SoundEvent::WinGame);

    for (int stack = 1; stack <= StackCount; ++stack) {
        view_.SetCardVisible(CardGroup::Stack, stack, true);
        ShowOnStack(stack, state.StackEnd[stack]);
    }
    view_.Pause();
    for (int spot = 1; spot <= SpotCount; ++spot) {
        view_.SetCardVisible(CardGroup::Table, spot, true);
        ShowOnTable(spot, JokerCard);
    }
    view_.Pause();
    for (int stack = 1; stack <= KingsStacks; ++stack)
        LayOutKingsStack(state, stack);
    for (int stack = KingsStacks + 1; stack <= StackCount; ++stack)
        LayOutAcesStack(state, stack);

    const char* letters[StackCount + 1] = {"", "Y", "o", "u", "", "W", "o", "n", ""};
    for (int stack = 1; stack <= StackCount; ++stack)
        view_.SetStackCaption(stack, letters[stack]);
    view_.SetMenusEnabled(true);
    wonPos_ = 1;
    view_.SetWonTimerRunning(true);
}

// The Kings stack holds its suit Ace on top; the suit leaves it card by card
// and lies on the table from Ace (spot 1) to King (spot 13).
void WonDisplay::LayOutKingsStack(const GameState& state, int stack)
{
    auto v = state.StackEnd[stack];
    for (int spot = 1; spot < SpotCount; ++spot) {
        ShowOnTable(spot, v);
        ++v;
        ShowOnStack(stack, v);
    }
    ShowOnTable(SpotCount, v);
    view_.SetCardVisible(CardGroup::Stack, stack, false);
}

void WonDisplay::LayOutAcesStack(const GameState& state, int stack)
{
    auto v = state.StackEnd[stack];
    for (int spot = SpotCount; spot > 1; --spot) {
        ShowOnTable(spot, v);
        --v;
        ShowOnStack(stack, v);
    }
    ShowOnTable(1, v);
    view_.SetCardVisible(CardGroup::Stack, stack, false);
}

void WonDisplay::ShowOnTable(int spot, CardCode code)
{
    shown_[spot] = code;
    view_.ShowCard(CardGroup::Table, spot, code);
    view_.RedrawCardNow(CardGroup::Table, spot);
}

void WonDisplay::ShowOnStack(int stack, CardCode code)
{
    view_.ShowCard(CardGroup::Stack, stack, code);
    view_.RedrawCardNow(CardGroup::Stack, stack);
}

// The rank stays on its spot while the suit moves on: spades, hearts,
// diamonds, clubs and round again. Only the changed card is drawn, so the
// endless ripple costs one card a tick.
void WonDisplay::Tick()
{
    ShowOnTable(wonPos_, SameRankNextSuit(shown_[wonPos_]));
    wonPos_ = wonPos_ == SpotCount ? 1 : wonPos_ + 1;
}
