#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/gamestate.h"
#include "solver/rules.h"

enum class SolverVerdict { Win, Loss, Unknown };

// Where a search gives up: after so many positions, after so much time, or
// as soon as the flag is raised (the game raises it on each move and at exit).
// A zero limit means none.
struct SolverBudget {
    std::uint64_t nodes = 0;
    std::chrono::milliseconds time{0};
    const std::atomic<bool>* cancel = nullptr;
};

struct SolverResult {
    SolverVerdict verdict = SolverVerdict::Unknown;
    // Win: the winning line, one move a entry, each the player's clicks
    // separated by spaces ("T3", "P2 S5", "L L D").
    std::vector<std::string> line;
    std::uint64_t nodes = 0;
    double ms = 0;
};

// Full-knowledge search of one game from any position between moves: every
// line the player could click, the draw pile's order known. Positions already
// met are not searched again, so a finished search that found no win proves
// there is none.
SolverResult Solve(const GameState& state, SolverRules rules, const SolverBudget& budget);

// The move a careful player would try first, for when no win is proven: a
// play to a stack if there is one, else the draw that leaves the most useful
// card on top. Empty when no move is left.
std::string HeuristicMove(const GameState& state, SolverRules rules);

const char* VerdictName(SolverVerdict verdict);
