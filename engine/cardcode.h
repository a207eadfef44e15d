#pragma once

#include "cards/card.h"

// The places of the table, each numbered from 1.
inline constexpr int SpotCount = 13;   // table spots 1..13, spot n is the home of rank n
inline constexpr int StackCount = 8;   // 1..4 the Kings column, 5..8 the Aces column
inline constexpr int PileSlots = 16;   // play-pile, peek and table-pile places 1..16
inline constexpr int DeckSize = 104;   // two full decks
inline constexpr int KingsStacks = 4;
