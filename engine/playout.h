#pragma once

#include "engine/gamestate.h"

// Whether the rest of a game needs no decision: the draw pile is empty, and
// however the remaining plays are ordered (which card first, which copy of
// a card, which of two stacks wanting it), every card reaches the stacks.
// Playing a card never takes a play away except through those choices, so
// the check walks every position the plays can lead to and looks for one
// where cards are left and nothing can be played. It gives up, answering
// false, after `MostPositions` positions, which only a long game can need.
bool NeedsNoDecision(const GameState& state);

inline constexpr int MostPositions = 200000;
