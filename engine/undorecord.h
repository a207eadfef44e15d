#pragma once

#include <array>
#include <cstdint>
#include <variant>

#include "engine/cardcode.h"

// A record of one move: filled by a move before it changes anything, one type
// per kind of move, each holding what that move needs to be taken back.
struct NothingToUndo {};

struct DrawUndo {
    CardCode DrawnCard = NoCard;  // the card drawn before, NoCard before the first draw
    std::uint8_t ActiveSpot = 0;  // the spot fanned before
    bool DrawTop = true;          // where the drawn card went
    bool ShiftShown = false;      // whether the shift panel showed before
};

struct ShiftUndo {
    bool Left = true;  // the direction of the shift to take back
};

struct TablePlayUndo {
    CardCode Card = NoCard;
    std::uint8_t Spot = 0;  // where the card came from
    std::uint8_t Stack = 0;
    CardCode StackNext = NoCard;  // the stack's next card before the play
};

struct PlayPilePlayUndo {
    std::uint8_t Stack = 0;
    CardCode StackNext = NoCard;  // the stack's next card before the play
    std::array<CardCode, PileSlots + 1> PlayPile{};  // the pile before the play
    std::uint8_t PlayCount = 0;
    std::uint8_t Index = 0;  // the place the card was played from, for redo
};

using UndoRecord = std::variant<NothingToUndo, DrawUndo, ShiftUndo, TablePlayUndo, PlayPilePlayUndo>;
