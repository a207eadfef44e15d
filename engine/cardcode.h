#pragma once

#include <cstdint>

// A card is a single byte: 0 = no card (shown as a back), 1..13 spades,
// 14..26 hearts, 27..39 diamonds, 40..52 clubs, each Ace..King; 53 = joker.
using CardCode = std::uint8_t;

inline constexpr CardCode NoCard = 0;
inline constexpr CardCode JokerCard = 53;
inline constexpr int CardsPerSuit = 13;
inline constexpr int DistinctCards = 52;

inline constexpr int SpotCount = 13;   // table spots 1..13, spot n is the home of rank n
inline constexpr int StackCount = 8;   // 1..4 the Kings column, 5..8 the Aces column
inline constexpr int PileSlots = 16;   // play-pile, peek and table-pile places 1..16
inline constexpr int DeckSize = 104;   // two full decks
inline constexpr int KingsStacks = 4;

// Rank 1 (Ace) .. 13 (King) of a code 1..52.
constexpr int RankOf(CardCode code)
{
    int rank = code;
    while (rank > CardsPerSuit)
        rank -= CardsPerSuit;
    return rank;
}
