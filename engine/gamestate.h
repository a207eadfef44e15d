#pragma once

#include <array>
#include <cstdint>

#include "engine/cardcode.h"
#include "engine/undorecord.h"

template <typename T, int N>
using Slots = std::array<T, N + 1>;  // indexed 1..N; place 0 unused

enum class SelectionKind : std::uint8_t { None = 0, PlayPile = 1, Table = 2 };

// The complete state of one game. Places above a count are meaningless.
struct GameState {
    Slots<Slots<CardCode, PileSlots>, SpotCount> TablePile{};
    Slots<std::uint8_t, SpotCount> TableCount{};

    Slots<CardCode, StackCount> StackStart{};
    Slots<CardCode, StackCount> StackEnd{};
    Slots<int, StackCount> StackStep{};
    Slots<CardCode, StackCount> StackNext{};  // 0 once a stack is complete

    Slots<CardCode, DeckSize> DrawPile{};
    std::int32_t DrawCount = -1;  // -1 until the first deal of a game begins

    Slots<CardCode, PileSlots> PlayPile{};
    std::uint8_t PlayCount = 0;
    std::uint8_t ActiveSpot = 0;  // the spot fanned as the play pile, 0 = none
    CardCode DrawnCard = NoCard;

    std::uint8_t CardsLeft = 0;
    std::uint8_t PlaysCount = 0;
    std::uint8_t DrawStart = 0;

    SelectionKind SelKind = SelectionKind::None;
    std::uint8_t SelPos = 0;
    CardCode SelCard = NoCard;
    bool Raised = false;

    bool ShiftShown = false;  // what the shift panel shows, kept here so undo can restore it

    std::uint8_t PeekSpot = 0;
    Slots<CardCode, PileSlots> PeekPile{};
    std::uint8_t PeekCount = 0;

    UndoRecord Undo;

    bool Dealing = false;
    bool ReplayDeck = false;
};

// Fills the fixed stack table: Kings stacks count down from King to Ace,
// Aces stacks up from Ace to King, in the suit order clubs, hearts, spades, diamonds.
void InitStacks(GameState& state);
