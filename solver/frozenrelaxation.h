#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "solver/position.h"

// A game with fewer rules, won whenever the real one can be, and so small it
// is decided in microseconds: the search asks it before every position and
// drops the position when even this game is lost.
//
// A spot is frozen when it is not the fanned spot, no card of its rank is
// left to draw and its turn is settled: nothing can be put on it or fan it
// again, so its order is fixed for good and its cards can only leave from
// the top. Every other card (still to draw, in the fan, on a spot that will
// be fanned again, in an unturned pile) is here taken as free: playable
// whenever a stack wants it. Any line of the real game plays frozen cards top
// first and stacks in sequence, so it is a line of this game as well; a lost
// relaxation proves a lost position. With the draw pile empty and every turn
// settled, every spot but the fan is frozen and the fan is free for good: the
// relaxation is then the game itself.
class FrozenRelaxation {
public:
    explicit FrozenRelaxation(const std::vector<CardCode>& drawPile);

    // False only when proved: no line wins from the position.
    bool MayWin(const SolverPosition& p);

private:
    struct Pile {
        std::uint8_t spot = 0;
        std::uint8_t count = 0;
        std::array<CardCode, PileSlots> cards{};
    };
    struct State {
        std::array<CardCode, StackCount + 1> next{};
        std::array<Pile, SpotCount> piles{};
        int pileCount = 0;
        std::array<std::uint8_t, DistinctCards + 1> freeCopies{};
        std::array<std::uint8_t, DistinctCards + 1> frozenTops{};  // copies on top of a frozen pile
        // Cards whose one accessible copy was left to the partner stack, by
        // column (Kings, Aces): the stack waits until a second copy shows.
        std::array<std::uint64_t, 2> waits{};
    };

    bool Won(State s);
    void PlaySafe(State& s) const;
    int Contested(const State& s) const;
    bool Needs(const State& s, int stack, CardCode card) const;
    int Accessible(const State& s, CardCode card) const;
    void Play(State& s, int stack, int pileIndex) const;
    int TopPile(const State& s, CardCode card, int from) const;
    std::uint64_t Key(const State& s) const;

    std::vector<std::uint16_t> ranksToDraw_;  // by draw count: the ranks still in the draw pile, one bit each
    std::array<CardCode, StackCount + 1> end_{};
    std::array<std::int8_t, StackCount + 1> step_{};
    // What earlier calls proved, by key, the key's upper bits with two bits of
    // answer in each word. A new answer takes the place of an old one: the
    // table stays small enough for the processor's cache, and a forgotten
    // answer is only found again.
    static constexpr std::size_t KnownSlots = std::size_t{1} << 16;
    std::vector<std::uint64_t> known_ = std::vector<std::uint64_t>(KnownSlots, 0);
    std::uint64_t callNodes_ = 0;
    bool aborted_ = false;
};
