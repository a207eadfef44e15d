#include "engine/gamestate.h"

void InitStacks(GameState& state)
{
    // Suit of each column's stacks from the top.
    constexpr Suit suits[KingsStacks] = {Suit::Clubs, Suit::Hearts, Suit::Spades, Suit::Diamonds};
    for (int k = 0; k < KingsStacks; ++k) {
        const int kings = k + 1;
        const int aces = k + 1 + KingsStacks;
        const CardCode ace = CardOf(suits[k], 1);
        const CardCode king = CardOf(suits[k], CardsPerSuit);
        state.StackStart[kings] = king;
        state.StackEnd[kings] = ace;
        state.StackStep[kings] = -1;
        state.StackStart[aces] = ace;
        state.StackEnd[aces] = king;
        state.StackStep[aces] = +1;
    }
}
