#pragma once

#include <string>
#include <vector>

#include "solver/position.h"

// The player's clicks for a line of the search's moves, one entry a move
// ("T3", "P2 S5", "L L D"), from a position of a real game, where every pile
// lies in a known order. The search leaves a gathered pile unturned until a
// later move settles its turn; here each such turn is made where the player
// makes it, by shifting the fan just before the draw that gathers it.
std::vector<std::string> LineClicks(SolverPosition from, const std::vector<SolverMove>& line, const SolverRules& rules,
                                    const std::vector<CardCode>& drawPile);

// Turning a fan of n cards so that the card the given number of places below
// the top comes up, each click followed by a space: that many left shifts, or
// the fewer right shifts that reach the same order.
std::string TurnClicks(int turnsLeft, int n);
