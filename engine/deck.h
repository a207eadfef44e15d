#pragma once

#include <string>

#include "engine/gamestate.h"
#include "engine/random.h"

// The 104 cards in dealing order, places 1..104.
using Deck = Slots<CardCode, DeckSize>;

// The player whose every game is dealt from the unshuffled deck, for testing.
inline constexpr const char* TestPlayerName = "PlumbLine";

// Fills the deck: both decks in code order for the test player, otherwise each
// card of the first deck, then of the second, goes to the first free place at
// or after a random one, wrapping round.
void BuildDeck(Deck& deck, Random& random, const std::string& playerName);
