#pragma once

// One place of the table that a player can point at: a stack, a table spot,
// the draw pile, a card of the play pile or a shift button.
struct TablePlace {
    enum class Kind { None, Stack, Spot, DrawPile, PlayPile, ShiftLeft, ShiftRight };

    Kind kind = Kind::None;
    int index = 0;  // stack 1..8, spot 1..13 or play-pile place 1..16

    friend bool operator==(const TablePlace&, const TablePlace&) = default;
};
