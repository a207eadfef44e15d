#include "engine/deck.h"

void BuildDeck(Deck& deck, Random& random, const std::string& playerName)
{
    deck.fill(NoCard);
    if (playerName == TestPlayerName) {
        for (int i = 1; i <= DistinctCards; ++i) {
            deck[i] = static_cast<CardCode>(i);
            deck[i + DistinctCards] = static_cast<CardCode>(i);
        }
        return;
    }
    for (int a = 1; a <= DeckSize; ++a) {
        int i = static_cast<int>(random.Below(DeckSize)) + 1;
        while (deck[i] != NoCard)
            i = i == DeckSize ? 1 : i + 1;
        deck[i] = static_cast<CardCode>(a <= DistinctCards ? a : a - DistinctCards);
    }
}
