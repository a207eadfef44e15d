#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/gamestate.h"
#include "solver/rules.h"

// One move of the search. Turning the fan is not a move of its own: it only
// decides the order in which the fan goes back to its spot at the next draw,
// and nothing reads that order until a card is played off the spot's top or
// the spot is drawn into again. The search therefore leaves a gathered pile
// unturned and decides its turn at that later moment, by naming the place that
// the turn would have brought to the top (see SolverPosition).
struct SolverMove {
    enum class Kind : std::uint8_t { Table, Fan, Draw };
    Kind kind = Kind::Draw;
    std::uint8_t from = 0;   // table spot 1..13 or fan place 1..16
    std::uint8_t stack = 0;  // 1..8 for plays
    std::uint8_t top = 0;    // Table, Draw: the place of the spot's pile on top (0 = bottom)
};

// The state of one game reduced to what decides its future: the piles, the
// stacks and the draw count. A pile gathered back from the fan and not touched
// since is "unturned": its cards keep the fan's order, and any place that a
// turn of the fan could have brought to the top may still become its top (on
// Easy every place, on Hard the top and its two neighbours, or the top alone
// once the fan's one shift is spent). Each such position stands for all the
// real positions its choices allow, and is won when one of them is.
class SolverPosition {
public:
    static SolverPosition FromState(const GameState& state);

    bool Won() const { return cardsLeft_ == 0; }
    int CardsLeft() const { return cardsLeft_; }
    int DrawCount() const { return drawCount_; }
    int ActiveSpot() const { return active_; }
    int Count(int spot) const { return count_[spot]; }
    CardCode Card(int spot, int place) const { return pile_[spot][place]; }
    CardCode Next(int stack) const { return next_[stack]; }
    CardCode End(int stack) const { return end_[stack]; }
    int Step(int stack) const { return step_[stack]; }
    bool ShiftAvailable() const { return shiftAvailable_; }
    // Whether a place may still be turned to the top: for a table spot, true
    // only for its top unless the pile is unturned.
    bool MayTop(int spot, int place) const { return (tops_[spot] >> place) & 1u; }
    bool Unturned(int spot) const { return spot != active_ && count_[spot] >= 2 && tops_[spot] != TopOnly(spot); }

    // Every legal move, the two-stack choice giving one move per stack.
    void LegalMoves(const SolverRules& rules, std::vector<SolverMove>& out) const;
    void Apply(const SolverMove& move, const SolverRules& rules, const std::vector<CardCode>& drawPile);

    // A hash of what decides the future, equal for positions that can reach
    // the same ends: see the comments in the definition for what is folded.
    std::uint64_t Key(const SolverRules& rules) const;

    // Whether two stacks want the card a play moves.
    bool TwoStacksWant(const SolverMove& move) const;

    friend bool operator==(const SolverPosition&, const SolverPosition&) = default;

private:
    std::uint16_t TopOnly(int spot) const { return count_[spot] ? static_cast<std::uint16_t>(1u << (count_[spot] - 1)) : std::uint16_t{0}; }
    CardCode Moved(const SolverMove& move) const;
    int StacksWanting(CardCode card) const;
    bool OtherCopyPlayed(int stack, CardCode card) const;
    int AccessibleCopies(CardCode card) const;
    bool Forced(const SolverMove& move) const;
    void AddPlays(std::vector<SolverMove>& out) const;
    void AddDraws(const SolverRules& rules, std::vector<SolverMove>& out) const;
    std::uint16_t GatheredTops(const SolverRules& rules) const;
    void PlayToStack(int stack);
    void RemoveFromSpot(int spot, int place);
    void TurnToTop(int spot, int place);

    std::array<std::array<CardCode, PileSlots>, SpotCount + 1> pile_{};
    std::array<std::uint8_t, SpotCount + 1> count_{};
    std::array<std::uint16_t, SpotCount + 1> tops_{};  // places that may be the top, one bit each
    std::array<CardCode, StackCount + 1> next_{};
    std::array<CardCode, StackCount + 1> end_{};
    std::array<std::int8_t, StackCount + 1> step_{};
    CardCode nextDraw_ = NoCard;  // the card the next draw brings
    std::uint8_t active_ = 0;
    std::uint8_t drawCount_ = 0;
    std::uint8_t cardsLeft_ = 0;
    bool shiftAvailable_ = false;
};

// The cards still to be drawn, bottom first: the last is drawn next.
std::vector<CardCode> RemainingDrawPile(const GameState& state);
