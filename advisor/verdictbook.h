#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "engine/gamestate.h"
#include "solver/position.h"
#include "solver/rules.h"
#include "solver/solver.h"

// The verdicts known for positions of the deal in play, so that a position
// met again (after an undo, a replay, or a move along a proved winning line)
// is answered at once instead of searched anew. A winning line proves every
// position it passes through, so recording one records them all.
class TVerdictBook {
public:
    static constexpr std::size_t MostEntries = 4096;  // a few dozen lines; then it starts afresh

    void Record(const GameState& state, SolverRules rules, const SolverResult& result);
    std::optional<SolverResult> Lookup(const GameState& state, SolverRules rules) const;
    void Clear() { entries_.clear(); }

private:
    struct Entry {
        SolverPosition position;
        std::vector<CardCode> drawPile;  // the position alone does not hold the pile's order
        SolverRules rules;
        SolverResult result;
    };

    void Add(Entry entry);
    const Entry* Find(const SolverPosition& position, const std::vector<CardCode>& drawPile, SolverRules rules) const;

    std::vector<Entry> entries_;
};
