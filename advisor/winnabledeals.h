#pragma once

#include <chrono>
#include <optional>

#include "engine/gamestate.h"
#include "solver/rules.h"
#include "solver/solver.h"

// The choice of winnable deals for one new game: each deal offered is
// searched until a win is proved, within a time budget shared by all the
// deals of that game. Once the budget is spent the deal in hand is taken,
// proved or not, so that a new game never waits longer than the budget.
class TWinnableDeals {
public:
    using Clock = std::chrono::steady_clock;

    explicit TWinnableDeals(std::chrono::milliseconds wholeBudget = std::chrono::milliseconds(1000),
                            std::chrono::milliseconds oneDealBudget = std::chrono::milliseconds(10));

    // The deal filter: deal counts from 1 within the new game.
    bool Accept(const GameState& dealt, int deal, SolverRules rules);

    // What the last deal taken is known to be: the proof when it was proved,
    // nothing when the budget ran out first.
    const std::optional<SolverResult>& Proof() const { return proof_; }
    bool RanOut() const { return ranOut_; }

private:
    std::chrono::milliseconds wholeBudget_;
    std::chrono::milliseconds oneDealBudget_;
    Clock::time_point start_;
    std::optional<SolverResult> proof_;
    bool ranOut_ = false;
};
