#include "solver/position.h"

#include <algorithm>

SolverPosition SolverPosition::FromState(const GameState& state)
{
    SolverPosition p;
    p.active_ = state.ActiveSpot;
    for (int spot = 1; spot <= SpotCount; ++spot) {
        const bool fanned = spot == state.ActiveSpot;
        const int count = fanned ? state.PlayCount : state.TableCount[spot];
        p.count_[spot] = static_cast<std::uint8_t>(count);
        for (int k = 0; k < count; ++k)
            p.pile_[spot][k] = fanned ? state.PlayPile[k + 1] : state.TablePile[spot][k + 1];
    }
    for (int stack = 1; stack <= StackCount; ++stack) {
        p.next_[stack] = state.StackNext[stack];
        p.end_[stack] = state.StackEnd[stack];
        p.step_[stack] = static_cast<std::int8_t>(state.StackStep[stack]);
    }
    p.drawCount_ = static_cast<std::uint8_t>(std::max(0, state.DrawCount));
    p.cardsLeft_ = state.CardsLeft;
    p.shiftAvailable_ = state.ShiftShown;
    return p;
}

std::vector<CardCode> RemainingDrawPile(const GameState& state)
{
    std::vector<CardCode> pile;
    for (int k = 1; k <= state.DrawCount; ++k)
        pile.push_back(state.DrawPile[k]);
    return pile;
}

int SolverPosition::StacksWanting(CardCode card) const
{
    return static_cast<int>(std::count(next_.begin() + 1, next_.end(), card));
}

void SolverPosition::LegalMoves(const SolverRules& rules, std::vector<SolverMove>& out) const
{
    using Kind = SolverMove::Kind;
    out.clear();
    for (int stack = 1; stack <= StackCount; ++stack) {
        const CardCode wanted = next_[stack];
        if (wanted == NoCard)
            continue;
        for (int spot = 1; spot <= SpotCount; ++spot) {
            if (spot != active_ && Top(spot) == wanted)
                out.push_back({Kind::Table, static_cast<std::uint8_t>(spot), static_cast<std::uint8_t>(stack), 0});
        }
        if (active_ == 0)
            continue;
        for (int k = 0; k < count_[active_]; ++k) {
            if (pile_[active_][k] == wanted)
                out.push_back({Kind::Fan, static_cast<std::uint8_t>(k + 1), static_cast<std::uint8_t>(stack), 0});
        }
    }
    if (const auto forced = ForcedPlay(out)) {
        out.assign(1, *forced);
        return;
    }
    if (drawCount_ == 0)
        return;  // the fan never goes back to the table, so turning it changes nothing
    const int fan = active_ ? count_[active_] : 0;
    out.push_back({Kind::Draw, 0, 0, 0});
    if (!shiftAvailable_ || fan < 2)
        return;
    if (rules.Hard) {
        out.push_back({Kind::ShiftLeft, 0, 0, 0});
        if (fan > 2)  // with two cards both directions give the same order
            out.push_back({Kind::ShiftRight, 0, 0, 0});
        return;
    }
    // Easy: every turn of the fan is one move away, so only the turn it has
    // when the next draw gathers it back matters.
    const auto& cards = pile_[active_];
    for (int turns = 1; turns < fan; ++turns) {
        if (!std::equal(cards.begin(), cards.begin() + fan - turns, cards.begin() + turns))
            out.push_back({Kind::Draw, 0, 0, static_cast<std::uint8_t>(turns)});
        else
            break;  // a periodic fan repeats itself from here on
    }
}

bool SolverPosition::OtherCopyPlayed(int stack, CardCode card) const
{
    // The stack of the same suit in the other column: Kings 1..4 pair with Aces 5..8.
    const int other = stack <= KingsStacks ? stack + KingsStacks : stack - KingsStacks;
    const CardCode next = next_[other];
    return next == NoCard || (step_[other] < 0 ? card > next : card < next);
}

// A play that no winning line can do without, so the search makes it at once.
// Every card is played twice, once to each stack of its suit. If a stack wants
// a card whose other copy is already on the other stack, every winning line
// plays this copy to this stack at some point; playing it now changes only
// that the card is missing earlier from its pile, and every later move of
// that line stays possible: tops stay tops, a draw lands the same, and a turn
// of the fan either is the same turn without the card or, when the card was
// the one turned round, is no longer needed (which only leaves a Hard fan an
// unused turn). The same holds when both stacks want a card and both copies
// can be played now: both go, in either order.
std::optional<SolverMove> SolverPosition::ForcedPlay(const std::vector<SolverMove>& plays) const
{
    for (const SolverMove& move : plays) {
        const CardCode card = move.kind == SolverMove::Kind::Table ? Top(move.from) : pile_[active_][move.from - 1];
        const int wanting = StacksWanting(card);
        if (wanting == 1 && OtherCopyPlayed(move.stack, card))
            return move;
        if (wanting == 2 && AccessibleCopies(card) == 2)
            return move;
    }
    return std::nullopt;
}

int SolverPosition::AccessibleCopies(CardCode card) const
{
    int copies = 0;
    for (int spot = 1; spot <= SpotCount; ++spot) {
        if (spot == active_)
            copies += static_cast<int>(std::count(pile_[spot].begin(), pile_[spot].begin() + count_[spot], card));
        else if (Top(spot) == card)
            copies += 1;
    }
    return copies;
}

void SolverPosition::Rotate(int spot, int turnsLeft)
{
    auto first = pile_[spot].begin();
    auto end = first + count_[spot];
    std::rotate(first, end - turnsLeft, end);  // each left shift moves the top card to the far left
}

void SolverPosition::RemoveFromSpot(int spot, int place)
{
    auto& cards = pile_[spot];
    std::copy(cards.begin() + place + 1, cards.begin() + count_[spot], cards.begin() + place);
    count_[spot] -= 1;
    cards[count_[spot]] = NoCard;
}

void SolverPosition::PlayToStack(int stack)
{
    if (next_[stack] == end_[stack])
        next_[stack] = NoCard;
    else
        next_[stack] = static_cast<CardCode>(next_[stack] + step_[stack]);
    cardsLeft_ -= 1;
}

void SolverPosition::Apply(const SolverMove& move, const SolverRules& rules, const std::vector<CardCode>& drawPile)
{
    using Kind = SolverMove::Kind;
    switch (move.kind) {
    case Kind::Table:
        RemoveFromSpot(move.from, count_[move.from] - 1);
        PlayToStack(move.stack);
        break;
    case Kind::Fan:
        RemoveFromSpot(active_, move.from - 1);
        if (count_[active_] < 2)
            shiftAvailable_ = false;
        PlayToStack(move.stack);
        break;
    case Kind::ShiftLeft:
    case Kind::ShiftRight: {
        const int n = count_[active_];
        Rotate(active_, move.kind == Kind::ShiftLeft ? 1 : n - 1);
        if (rules.Hard)
            shiftAvailable_ = false;
        break;
    }
    case Kind::Draw: {
        if (move.turnsLeft)
            Rotate(active_, move.turnsLeft);
        const CardCode card = drawPile[drawCount_ - 1];
        drawCount_ -= 1;
        active_ = static_cast<std::uint8_t>(RankOf(card));
        auto& cards = pile_[active_];
        const int n = count_[active_]++;
        if (rules.DrawTop) {
            cards[n] = card;
        } else {
            std::copy_backward(cards.begin(), cards.begin() + n, cards.begin() + n + 1);
            cards[0] = card;
        }
        shiftAvailable_ = count_[active_] >= 2;
        break;
    }
    }
}

namespace {

std::uint64_t Mix(std::uint64_t h, std::uint64_t v)
{
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    h *= 0xBF58476D1CE4E5B9ull;
    return h ^ (h >> 31);
}

// The rotation of a fan that sorts first: every turn of it hashes the same.
std::array<CardCode, PileSlots> LeastRotation(const std::array<CardCode, PileSlots>& cards, int n)
{
    std::array<CardCode, PileSlots> best = cards;
    std::array<CardCode, PileSlots> turned = cards;
    for (int t = 1; t < n; ++t) {
        std::rotate(turned.begin(), turned.begin() + 1, turned.begin() + n);
        if (std::lexicographical_compare(turned.begin(), turned.begin() + n, best.begin(), best.begin() + n))
            best = turned;
    }
    return best;
}

}  // namespace

std::uint64_t SolverPosition::Key(const SolverRules& rules) const
{
    std::uint64_t h = Mix(0, static_cast<std::uint64_t>(drawCount_) << 8 | active_);
    for (int stack = 1; stack <= StackCount; ++stack)
        h = Mix(h, next_[stack]);
    for (int spot = 1; spot <= SpotCount; ++spot) {
        const int n = count_[spot];
        std::array<CardCode, PileSlots> cards = pile_[spot];
        bool flag = false;
        if (spot == active_ && n >= 2) {
            if (drawCount_ == 0) {
                std::sort(cards.begin(), cards.begin() + n);  // no draw left: the fan is only a set of playable cards
            } else {
                flag = shiftAvailable_;
                if (flag && !rules.Hard)
                    cards = LeastRotation(cards, n);  // Easy turns the fan freely until it goes back
            }
        }
        std::uint64_t word = static_cast<std::uint64_t>(n) | static_cast<std::uint64_t>(flag) << 7;
        int filled = 1;
        for (int k = 0; k < n; ++k) {
            word |= static_cast<std::uint64_t>(cards[k]) << (8 * filled);
            if (++filled == 8) {
                h = Mix(h, word);
                word = 0;
                filled = 0;
            }
        }
        h = Mix(h, word);
    }
    return h;
}

std::vector<std::string> SolverPosition::Clicks(const SolverMove& move) const
{
    using Kind = SolverMove::Kind;
    std::vector<std::string> clicks;
    switch (move.kind) {
    case Kind::Table:
    case Kind::Fan: {
        const CardCode card = move.kind == Kind::Table ? Top(move.from) : pile_[active_][move.from - 1];
        clicks.push_back((move.kind == Kind::Table ? "T" : "P") + std::to_string(move.from));
        if (StacksWanting(card) == 2)
            clicks.push_back("S" + std::to_string(move.stack));
        break;
    }
    case Kind::ShiftLeft:
        clicks.emplace_back("L");
        break;
    case Kind::ShiftRight:
        clicks.emplace_back("R");
        break;
    case Kind::Draw: {
        const int n = active_ ? count_[active_] : 0;
        const int left = move.turnsLeft;
        if (left * 2 <= n)
            clicks.insert(clicks.end(), static_cast<std::size_t>(left), "L");
        else
            clicks.insert(clicks.end(), static_cast<std::size_t>(n - left), "R");
        clicks.emplace_back("D");
        break;
    }
    }
    return clicks;
}
