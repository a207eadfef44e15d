#pragma once

#include <cstdint>
#include <cstring>

// The hashing both memos key their positions by: whole words folded in
// cheaply, the bits spread once at the end.

// Eight bytes as one word.
inline std::uint64_t Word(const std::uint8_t* bytes)
{
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// A cheap step, one word at a time.
inline std::uint64_t Fold(std::uint64_t h, std::uint64_t word)
{
    h = (h ^ word) * 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 29);
}

// The last step, which spreads every bit over the whole key.
inline std::uint64_t Spread(std::uint64_t h)
{
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 27;
    h *= 0x94D049BB133111EBull;
    return h ^ (h >> 31);
}
