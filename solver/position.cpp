#include "solver/position.h"

#include <algorithm>

#include "solver/hashwords.h"

namespace {

std::uint16_t Bit(int place)
{
    return static_cast<std::uint16_t>(1u << place);
}

}  // namespace

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
        p.tops_[spot] = p.TopOnly(spot);
    }
    for (int stack = 1; stack <= StackCount; ++stack) {
        p.next_[stack] = state.StackNext[stack];
        p.end_[stack] = state.StackEnd[stack];
        p.step_[stack] = static_cast<std::int8_t>(state.StackStep[stack]);
    }
    p.drawCount_ = static_cast<std::uint8_t>(std::max(0, state.DrawCount));
    p.nextDraw_ = p.drawCount_ ? state.DrawPile[p.drawCount_] : NoCard;
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

CardCode SolverPosition::Moved(const SolverMove& move) const
{
    if (move.kind == SolverMove::Kind::Table)
        return pile_[move.from][move.top];
    return move.kind == SolverMove::Kind::Fan ? pile_[active_][move.from - 1] : NoCard;
}

bool SolverPosition::TwoStacksWant(const SolverMove& move) const
{
    return move.kind != SolverMove::Kind::Draw && StacksWanting(Moved(move)) == 2;
}

void SolverPosition::LegalMoves(const SolverRules& rules, std::vector<SolverMove>& out) const
{
    out.clear();
    AddPlays(out);
    for (const SolverMove& move : out) {
        if (Forced(move)) {
            out.assign(1, move);
            return;
        }
    }
    AddDraws(rules, out);
}

// Looks at each card that may be played once, against the stacks that want
// it (at most two), rather than at each pile for each stack.
void SolverPosition::AddPlays(std::vector<SolverMove>& out) const
{
    using Kind = SolverMove::Kind;
    std::array<std::array<std::uint8_t, 2>, DistinctCards + 1> wanting{};
    for (int stack = 1; stack <= StackCount; ++stack) {
        auto& stacks = wanting[next_[stack]];
        stacks[stacks[0] ? 1 : 0] = static_cast<std::uint8_t>(stack);
    }
    const auto add = [&](Kind kind, int from, CardCode card, int top) {
        for (const std::uint8_t stack : wanting[card]) {
            if (stack)
                out.push_back({kind, static_cast<std::uint8_t>(from), stack, static_cast<std::uint8_t>(top)});
        }
    };
    for (int spot = 1; spot <= SpotCount; ++spot) {
        const int n = count_[spot];
        if (spot == active_ || n == 0)
            continue;
        if (!Unturned(spot)) {
            add(Kind::Table, spot, pile_[spot][n - 1], n - 1);
            continue;
        }
        for (int k = n - 1; k >= 0; --k) {
            if (MayTop(spot, k))
                add(Kind::Table, spot, pile_[spot][k], k);
        }
    }
    for (int k = 0; active_ && k < count_[active_]; ++k)
        add(Kind::Fan, k + 1, pile_[active_][k], 0);
}

// The places of the fan that may be on top once the next draw gathers it:
// on Easy any, as the fan turns freely; on Hard the top and, while the fan's
// one shift is unspent, the card under it (a left shift) or the bottom card
// (a right shift). Shifting earlier, between plays, reaches no other order: a
// shift moves the top one card along the ring of cards, and a play of the top
// card moves it one along as well, so the top stays within one card of where
// no shift would leave it.
std::uint16_t SolverPosition::GatheredTops(const SolverRules& rules) const
{
    const int n = count_[active_];
    if (n < 2)
        return TopOnly(active_);
    if (!rules.Hard)
        return static_cast<std::uint16_t>(Bit(n) - 1);
    return shiftAvailable_ ? static_cast<std::uint16_t>(Bit(n - 1) | Bit(n - 2) | Bit(0)) : Bit(n - 1);
}

namespace {

// The rotation of a ring of codes that sorts first: every turn of a ring gets
// the same. Only rotations that start at the smallest code can win.
template <std::size_t N>
std::array<CardCode, N> LeastRotation(const std::array<CardCode, N>& codes, int n)
{
    if (n < 2)
        return codes;
    const CardCode least = *std::min_element(codes.begin(), codes.begin() + n);
    std::array<CardCode, 2 * N> twice{};
    std::copy(codes.begin(), codes.begin() + n, twice.begin());
    std::copy(codes.begin(), codes.begin() + n, twice.begin() + n);
    int best = -1;
    for (int start = 0; start < n; ++start) {
        if (codes[static_cast<std::size_t>(start)] != least)
            continue;
        if (best < 0 || std::lexicographical_compare(twice.begin() + start, twice.begin() + start + n, twice.begin() + best, twice.begin() + best + n))
            best = start;
    }
    std::array<CardCode, N> result{};
    std::copy(twice.begin() + best, twice.begin() + best + n, result.begin());
    return result;
}

}  // namespace

// One draw for each place of the drawn card's spot that may be on top when
// it lands, leaving out places that give the same fan: on Easy the fan's
// order does not matter, only its ring of cards.
void SolverPosition::AddDraws(const SolverRules& rules, std::vector<SolverMove>& out) const
{
    if (drawCount_ == 0)
        return;
    const int spot = RankOf(nextDraw_);
    const int n = count_[spot];
    const std::uint16_t tops = spot == active_ ? GatheredTops(rules) : tops_[spot];
    if (n < 2 || tops == TopOnly(spot)) {
        out.push_back({SolverMove::Kind::Draw, 0, 0, static_cast<std::uint8_t>(std::max(0, n - 1))});
        return;
    }
    std::vector<std::array<CardCode, PileSlots + 1>> fans;
    for (int k = n - 1; k >= 0; --k) {
        if (!((tops >> k) & 1u))
            continue;
        std::array<CardCode, PileSlots + 1> fan{};
        std::rotate_copy(pile_[spot].begin(), pile_[spot].begin() + k + 1, pile_[spot].begin() + n, fan.begin());
        fan[static_cast<std::size_t>(n)] = nextDraw_;  // either end: a turn apart, and Easy looks no further
        if (!rules.Hard)
            fan = LeastRotation(fan, n + 1);
        else if (!rules.DrawTop)
            std::rotate(fan.begin(), fan.begin() + n, fan.begin() + n + 1);
        if (std::find(fans.begin(), fans.end(), fan) != fans.end())
            continue;
        fans.push_back(fan);
        out.push_back({SolverMove::Kind::Draw, 0, 0, static_cast<std::uint8_t>(k)});
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
// that line stays possible: tops stay tops, a draw lands the same, and the
// places the fan may be turned to when gathered are the same without the card.
// The same holds when both stacks want a card and both copies can be played
// now: both go, in either order. A card of an unturned pile is never forced:
// taking it settles the pile's turn, which is a choice.
bool SolverPosition::Forced(const SolverMove& move) const
{
    if (move.kind == SolverMove::Kind::Table && Unturned(move.from))
        return false;
    const CardCode card = Moved(move);
    const int wanting = StacksWanting(card);
    if (wanting == 1)
        return OtherCopyPlayed(move.stack, card);
    return AccessibleCopies(card) == 2;
}

int SolverPosition::AccessibleCopies(CardCode card) const
{
    int copies = 0;
    for (int spot = 1; spot <= SpotCount; ++spot) {
        if (spot == active_)
            copies += static_cast<int>(std::count(pile_[spot].begin(), pile_[spot].begin() + count_[spot], card));
        else if (!Unturned(spot) && count_[spot] && pile_[spot][count_[spot] - 1] == card)
            copies += 1;
    }
    return copies;
}

// Turns a pile so that the card at the place is on top.
void SolverPosition::TurnToTop(int spot, int place)
{
    auto first = pile_[spot].begin();
    std::rotate(first, first + place + 1, first + count_[spot]);
    tops_[spot] = TopOnly(spot);
}

void SolverPosition::RemoveFromSpot(int spot, int place)
{
    auto& cards = pile_[spot];
    std::copy(cards.begin() + place + 1, cards.begin() + count_[spot], cards.begin() + place);
    count_[spot] -= 1;
    cards[count_[spot]] = NoCard;
    tops_[spot] = TopOnly(spot);
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
        TurnToTop(move.from, move.top);
        RemoveFromSpot(move.from, count_[move.from] - 1);
        PlayToStack(move.stack);
        break;
    case Kind::Fan:
        RemoveFromSpot(active_, move.from - 1);
        PlayToStack(move.stack);
        break;
    case Kind::Draw: {
        if (active_)
            tops_[active_] = GatheredTops(rules);
        const CardCode card = drawPile[drawCount_ - 1u];
        drawCount_ -= 1;
        nextDraw_ = drawCount_ ? drawPile[drawCount_ - 1u] : NoCard;
        active_ = static_cast<std::uint8_t>(RankOf(card));
        if (count_[active_])
            TurnToTop(active_, move.top);
        auto& cards = pile_[active_];
        const int n = count_[active_]++;
        if (rules.DrawTop) {
            cards[n] = card;
        } else {
            std::copy_backward(cards.begin(), cards.begin() + n, cards.begin() + n + 1);
            cards[0] = card;
        }
        tops_[active_] = TopOnly(active_);
        shiftAvailable_ = count_[active_] >= 2;
        break;
    }
    }
}

// Folded together: a fan with no draw left is only a set of playable cards;
// an Easy fan is only its ring, as it may be turned to any place before it
// goes back; an unturned pile is its ring with the places that may be on top,
// whichever card the ring starts at.
std::uint64_t SolverPosition::Key(const SolverRules& rules) const
{
    std::array<std::uint8_t, 24> shape{};  // the draw count, the fanned spot, the stacks, each pile's count and kind
    shape[0] = drawCount_;
    shape[1] = active_;
    std::copy(next_.begin() + 1, next_.end(), shape.begin() + 2);
    std::uint64_t h = 0;
    for (int spot = 1; spot <= SpotCount; ++spot) {
        const int n = count_[spot];
        std::array<CardCode, PileSlots> cards = pile_[spot];
        int kind = 0;
        if (spot == active_ && n >= 2) {
            if (drawCount_ == 0)
                std::sort(cards.begin(), cards.begin() + n);
            else if (!rules.Hard)
                cards = LeastRotation(cards, n);
            else
                kind = shiftAvailable_ ? 1 : 0;
        } else if (Unturned(spot)) {
            for (int k = 0; k < n; ++k)
                cards[k] = static_cast<CardCode>(cards[k] | (MayTop(spot, k) ? 0x40 : 0));
            cards = LeastRotation(cards, n);
            kind = 2;
        }
        shape[static_cast<std::size_t>(9 + spot)] = static_cast<std::uint8_t>(n | kind << 6);
        if (n)  // places past the count hold no card, so whole words can be hashed
            h = Fold(h, Word(cards.data()));
        if (n > 8)
            h = Fold(h, Word(cards.data() + 8));
    }
    for (std::size_t i = 0; i < shape.size(); i += 8)
        h = Fold(h, Word(shape.data() + i));
    return Spread(h);
}
