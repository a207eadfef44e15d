#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "engine/gamestate.h"
#include "solver/rules.h"
#include "solver/solver.h"

// The verdicts known for positions of the deal in play, so that a position
// met again (after an undo, a replay, or a move along a proved winning line)
// is answered at once instead of searched anew. A winning line proves every
// position it passes through, so recording one records them all.
class TVerdictBook {
public:
    static constexpr std::size_t MostEntries = 4096;  // a few dozen lines; then it starts afresh

    // What decides a position's future, and nothing else: the piles (the
    // fanned one in the play pile), the stacks' next cards, the cards still
    // to draw in their order, and whether the fan may still be turned.
    using Key = std::vector<std::uint8_t>;
    static Key KeyOf(const GameState& state, SolverRules rules);

    void Record(const GameState& state, SolverRules rules, const SolverResult& result);
    std::optional<SolverResult> Lookup(const GameState& state, SolverRules rules) const;

private:
    struct Entry {
        Key key;
        SolverResult result;
    };

    void Add(Key key, const SolverResult& result);
    const Entry* Find(const Key& key) const;

    std::vector<Entry> entries_;
};
