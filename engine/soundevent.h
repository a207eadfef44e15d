#pragma once

#include <cstdint>

// The twelve moments of a game that can have a sound; the number is the key
// suffix in the settings file and the tag of the event's label.
enum class SoundEvent : std::uint8_t {
    StartGame = 1,
    ShuffleDeck = 2,
    DrawCard = 3,
    ShiftCards = 4,
    PlayCard = 5,
    FillStack = 6,
    Undo = 7,
    LoseGame = 8,
    WinGame = 9,
    EndGame = 10,
    Play2Places = 11,
    Peek = 12,
};

inline constexpr int SoundEventCount = 12;
