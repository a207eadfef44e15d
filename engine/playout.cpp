#include "engine/playout.h"

#include <array>
#include <cstdint>
#include <set>
#include <tuple>

namespace {

// A position reached by plays alone: how much of each spot is left, which
// places of the fan are still there, and what each stack wants next. The
// cards themselves stay where the state has them.
struct Position {
    std::array<std::uint8_t, SpotCount + 1> count{};
    std::uint32_t fan = 0;  // bit k-1 set while place k of the fan holds its card
    std::array<CardCode, StackCount + 1> next{};
    int cardsLeft = 0;

    auto Key() const { return std::tuple(count, fan, next); }
};

class Walk {
public:
    explicit Walk(const GameState& s) : s_(s) {}

    // False as soon as any order of plays strands a card.
    bool AllEndWon(const Position& p)
    {
        if (p.cardsLeft == 0)
            return true;
        bool anyPlay = false;
        for (int stack = 1; stack <= StackCount; ++stack) {
            const CardCode wanted = p.next[stack];
            if (wanted == NoCard)
                continue;
            for (int spot = 1; spot <= SpotCount; ++spot) {
                if (spot == s_.ActiveSpot || p.count[spot] == 0 || s_.TablePile[spot][p.count[spot]] != wanted)
                    continue;
                anyPlay = true;
                Position q = Played(p, stack);
                q.count[spot] -= 1;
                if (!Follow(q))
                    return false;
            }
            for (int k = 1; k <= s_.PlayCount; ++k) {
                if ((p.fan & Bit(k)) == 0 || s_.PlayPile[k] != wanted)
                    continue;
                anyPlay = true;
                Position q = Played(p, stack);
                q.fan &= ~Bit(k);
                if (!Follow(q))
                    return false;
            }
        }
        return anyPlay;
    }

private:
    static std::uint32_t Bit(int place) { return std::uint32_t{1} << (place - 1); }

    Position Played(const Position& p, int stack) const
    {
        Position q = p;
        const CardCode card = p.next[stack];
        q.next[stack] = card == s_.StackEnd[stack] ? NoCard : static_cast<CardCode>(card + s_.StackStep[stack]);
        q.cardsLeft -= 1;
        return q;
    }

    // A position already walked is known to end won: had it not, the walk
    // would have stopped there.
    bool Follow(const Position& q)
    {
        if (!seen_.insert(q.Key()).second)
            return true;
        if (static_cast<int>(seen_.size()) > MostPositions)
            return false;
        return AllEndWon(q);
    }

    const GameState& s_;
    std::set<std::tuple<std::array<std::uint8_t, SpotCount + 1>, std::uint32_t, std::array<CardCode, StackCount + 1>>> seen_;
};

}  // namespace

bool NeedsNoDecision(const GameState& state)
{
    if (state.DrawCount != 0 || state.CardsLeft == 0)
        return false;
    Position start;
    start.count = state.TableCount;
    for (int k = 1; k <= state.PlayCount; ++k)
        start.fan |= std::uint32_t{1} << (k - 1);
    start.next = state.StackNext;
    start.cardsLeft = state.CardsLeft;
    return Walk(state).AllEndWon(start);
}
