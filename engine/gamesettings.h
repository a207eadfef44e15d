#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/soundevent.h"

// 0x00BBGGRR: red in the low byte. A value with the top bit set names a
// desktop system colour.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clAqua = 0xFFFF00;

inline constexpr std::uint8_t LevelEasy = 1;
inline constexpr std::uint8_t LevelHard = 2;

// Percent of the output's own loudness that every sound is played at.
inline constexpr int FullVolume = 100;

// The current player's settings. Every reader looks at the fields at the
// moment of use, so a change in the options dialog counts from the next move.
struct GameSettings {
    std::uint8_t MinDrawPile = 0;
    std::uint8_t CardBack = 8;
    std::uint8_t Level = LevelHard;
    TColor TableColor = clSilver;
    TColor StackColor = clSilver;
    TColor PlayColor = clSilver;
    TColor CardColor = clWhite;
    TColor DigitalBack = clBlack;
    TColor DigitalFore = clAqua;
    bool ShowPlays = true;
    bool DrawTop = true;
    bool SoundOn = false;
    bool PeekAtAll = true;
    int SoundVolume = FullVolume;
    bool ResumeGame = true;       // the game in progress comes back at the next start
    bool UndoEveryMove = false;   // false: the classic single undo, no redo
    bool StackOutlines = true;    // empty stack places show the suit and first rank they want
    bool OnlyWinnable = false;  // a new game re-deals until the solver proves a win
    bool ShowVerdict = true;    // the words saying whether the deal can still be won
    // Indexed by sound event 1..12; index 0 is unused.
    std::array<std::string, SoundEventCount + 1> SoundName;
    std::array<std::string, SoundEventCount + 1> SoundPath;
    // The table's size in percent of the classic one; 0 fits it to the window.
    int Zoom = 100;
    // The language the player chose, such as "de"; empty: the desktop's.
    std::string Language;
};
