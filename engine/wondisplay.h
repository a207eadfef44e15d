#pragma once

#include "engine/cardcode.h"
#include "engine/gamestate.h"
#include "engine/gameview.h"

// The show that follows a won game: the suits run from the stacks across the
// table, the stack labels read "You" and "Won", and then the suits ripple
// across the ranks until the next game.
class WonDisplay {
public:
    explicit WonDisplay(GameView& view) : view_(view) {}

    void Run(const GameState& state);
    void Tick();
    int WonPos() const { return wonPos_; }

private:
    void ShowOnTable(int spot, CardCode code);
    void ShowOnStack(int stack, CardCode code);
    void LayOutKingsStack(const GameState& state, int stack);
    void LayOutAcesStack(const GameState& state, int stack);

    GameView& view_;
    Slots<CardCode, SpotCount> shown_{};
    int wonPos_ = 1;
};
