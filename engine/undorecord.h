#pragma once

#include <array>
#include <cstdint>

#include "engine/cardcode.h"

enum class UndoKind : std::uint8_t {
    Nothing = 0,
    Draw = 1,
    RightShift = 2,
    LeftShift = 3,
    TablePlay = 4,
    PlayPilePlay = 5,
};

// One level of undo: filled by a move before it changes anything.
struct UndoRecord {
    UndoKind Kind = UndoKind::Nothing;
    CardCode Card = NoCard;      // draw: the card drawn before; plays: the card played
    std::uint8_t Spot = 0;       // draw: the active spot before; table play: the source spot
    std::uint8_t Stack = 0;      // plays: the stack the card went to
    CardCode StackNext = NoCard; // plays: that stack's next card before the play
    bool DrawTop = true;         // draw: where the drawn card went
    bool ShiftShown = false;     // draw: whether the shift panel showed before it
    std::array<CardCode, PileSlots + 1> PlayPile{};  // play-pile play: the pile before it
    std::uint8_t PlayCount = 0;
};
