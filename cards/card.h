#pragma once

#include <cstdint>

// A card is a single byte: 0 = no card (shown as a back), 1..13 spades,
// 14..26 hearts, 27..39 diamonds, 40..52 clubs, each Ace..King; 53 = joker.
// The one place that knows how a code holds its suit and rank.
using CardCode = std::uint8_t;

inline constexpr CardCode NoCard = 0;
inline constexpr CardCode JokerCard = 53;
inline constexpr int CardsPerSuit = 13;
inline constexpr int DistinctCards = 52;

// In the order of the codes.
enum class Suit : std::uint8_t { Spades, Hearts, Diamonds, Clubs };
inline constexpr int SuitCount = 4;

constexpr bool IsFaceCard(CardCode code)
{
    return code != NoCard && code <= DistinctCards;
}

// Rank 1 (Ace) .. 13 (King) of a face card.
constexpr int RankOf(CardCode code)
{
    return (code - 1) % CardsPerSuit + 1;
}

constexpr Suit SuitOf(CardCode code)
{
    return static_cast<Suit>((code - 1) / CardsPerSuit);
}

constexpr CardCode CardOf(Suit suit, int rank)
{
    return static_cast<CardCode>(static_cast<int>(suit) * CardsPerSuit + rank);
}

// The same rank in the next suit of the code order, clubs followed by spades.
constexpr CardCode SameRankNextSuit(CardCode code)
{
    return CardOf(static_cast<Suit>((static_cast<int>(SuitOf(code)) + 1) % SuitCount), RankOf(code));
}
