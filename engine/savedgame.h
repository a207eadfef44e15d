#pragma once

#include <vector>

#include "engine/deck.h"
#include "engine/gamestate.h"
#include "engine/undorecord.h"

// A game in progress as it is kept between runs: the position, the deck it
// was dealt from (for Replay Same Deck) and the moves that can be undone,
// oldest first. Only the fields of the position that outlast a move count;
// the selection, the peek and the fixed stack table are not kept.
struct SavedGame {
    GameState state;
    Deck deck{};
    std::vector<UndoRecord> undo;
};

// Whether a saved game is a position the rules can reach and play on: every
// card code twice among the spots, the fan, the draw pile and the stacks,
// counts in range, the drawn card where the draw pile says, a game not yet
// over, a deck of two full decks, and undo records that lead back without
// breaking any of this. Anything read from a file goes through here first.
bool IsPlayable(const SavedGame& saved);

// The fields of a position that outlast a move, from one state to another.
void CopyPosition(const GameState& from, GameState& to);

// The cards on the stacks of a position, from what each stack wants next.
int CardsOnStacks(const GameState& state);
