#include "engine/gamestate.h"

void InitStacks(GameState& state)
{
    // Suit of each column's stacks from the top: clubs, hearts, spades, diamonds.
    constexpr int suitBase[KingsStacks] = {39, 13, 0, 26};
    for (int k = 0; k < KingsStacks; ++k) {
        const int kings = k + 1;
        const int aces = k + 1 + KingsStacks;
        const auto ace = static_cast<CardCode>(suitBase[k] + 1);
        const auto king = static_cast<CardCode>(suitBase[k] + CardsPerSuit);
        state.StackStart[kings] = king;
        state.StackEnd[kings] = ace;
        state.StackStep[kings] = -1;
        state.StackStart[aces] = ace;
        state.StackEnd[aces] = king;
        state.StackStep[aces] = +1;
    }
}
