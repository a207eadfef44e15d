#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/gamestate.h"
#include "solver/rules.h"

// One move as the player makes it. The stack matters only when two stacks
// want the card; a draw may be preceded by shifts on Easy, where any number
// of turns of the fan is allowed, so it carries them.
struct SolverMove {
    enum class Kind : std::uint8_t { Table, Fan, Draw, ShiftLeft, ShiftRight };
    Kind kind = Kind::Draw;
    std::uint8_t from = 0;   // table spot 1..13 or fan place 1..16
    std::uint8_t stack = 0;  // 1..8 for plays
    std::uint8_t turnsLeft = 0;  // Easy draws: left shifts of the fan before drawing
};

// The state of one game reduced to what decides its future: the piles, the
// stacks, the draw count and whether the fan may still be turned. The active
// spot's pile is the fan itself, place 0 leftmost (the engine's place 1).
class SolverPosition {
public:
    static SolverPosition FromState(const GameState& state);

    bool Won() const { return cardsLeft_ == 0; }
    int CardsLeft() const { return cardsLeft_; }
    int DrawCount() const { return drawCount_; }
    int ActiveSpot() const { return active_; }
    int Count(int spot) const { return count_[spot]; }
    CardCode Card(int spot, int place) const { return pile_[spot][place]; }
    CardCode Top(int spot) const { return count_[spot] ? pile_[spot][count_[spot] - 1] : NoCard; }
    CardCode Next(int stack) const { return next_[stack]; }
    CardCode End(int stack) const { return end_[stack]; }
    int Step(int stack) const { return step_[stack]; }
    bool ShiftAvailable() const { return shiftAvailable_; }

    // Every legal move, the two-stack choice giving one move per stack.
    void LegalMoves(const SolverRules& rules, std::vector<SolverMove>& out) const;
    void Apply(const SolverMove& move, const SolverRules& rules, const std::vector<CardCode>& drawPile);

    // A hash of what decides the future, equal for positions that can reach
    // the same ends: see the comments in the definition for what is folded.
    std::uint64_t Key(const SolverRules& rules) const;

    // The engine's clicks for a move made in this position.
    std::vector<std::string> Clicks(const SolverMove& move) const;

    friend bool operator==(const SolverPosition&, const SolverPosition&) = default;

private:
    int StacksWanting(CardCode card) const;
    bool OtherCopyPlayed(int stack, CardCode card) const;
    int AccessibleCopies(CardCode card) const;
    std::optional<SolverMove> ForcedPlay(const std::vector<SolverMove>& plays) const;
    void PlayToStack(int stack);
    void RemoveFromSpot(int spot, int place);
    void Rotate(int spot, int turnsLeft);

    std::array<std::array<CardCode, PileSlots>, SpotCount + 1> pile_{};
    std::array<std::uint8_t, SpotCount + 1> count_{};
    std::array<CardCode, StackCount + 1> next_{};
    std::array<CardCode, StackCount + 1> end_{};
    std::array<std::int8_t, StackCount + 1> step_{};
    std::uint8_t active_ = 0;
    std::uint8_t drawCount_ = 0;
    std::uint8_t cardsLeft_ = 0;
    bool shiftAvailable_ = false;
};

// The cards still to be drawn, bottom first: the last is drawn next.
std::vector<CardCode> RemainingDrawPile(const GameState& state);
