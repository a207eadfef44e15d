#include "solver/frozenrelaxation.h"

#include <algorithm>

#include "solver/hashwords.h"

namespace {

// A relaxation that needs more choices than this in one call is given up as
// "may win", which is always sound. Most calls need none; over 100 deals a
// larger allowance (300, 1000) proved hardly more and cost up to ten times
// the time, as the search asks again at the next draw anyway.
constexpr std::uint64_t MostNodesPerCall = 20;
constexpr std::uint8_t KnownWon = 1;
constexpr std::uint8_t KnownLost = 2;

int Partner(int stack)
{
    return stack <= KingsStacks ? stack + KingsStacks : stack - KingsStacks;
}

std::size_t Column(int stack)
{
    return stack <= KingsStacks ? 0 : 1;
}

std::uint64_t Bit(CardCode card)
{
    return std::uint64_t{1} << (card - 1);
}

}  // namespace

FrozenRelaxation::FrozenRelaxation(const std::vector<CardCode>& drawPile) : ranksToDraw_(drawPile.size() + 1, 0)
{
    for (std::size_t n = 1; n <= drawPile.size(); ++n)
        ranksToDraw_[n] = static_cast<std::uint16_t>(ranksToDraw_[n - 1] | 1u << RankOf(drawPile[n - 1]));
}

bool FrozenRelaxation::MayWin(const SolverPosition& p)
{
    State s;
    for (int stack = 1; stack <= StackCount; ++stack) {
        s.next[stack] = p.Next(stack);
        end_[stack] = p.End(stack);
        step_[stack] = static_cast<std::int8_t>(p.Step(stack));
    }
    for (int stack = 1; stack <= StackCount; ++stack) {  // each stack needs its next card and all after it
        for (CardCode card = s.next[stack]; card != NoCard; card = card == end_[stack] ? NoCard : static_cast<CardCode>(card + step_[stack]))
            s.freeCopies[card] += 1;
    }
    const std::uint16_t toDraw = ranksToDraw_[static_cast<std::size_t>(p.DrawCount())];
    for (int spot = 1; spot <= SpotCount; ++spot) {
        if (spot == p.ActiveSpot() || (toDraw & 1u << spot) || p.Count(spot) == 0 || p.Unturned(spot))
            continue;
        Pile& pile = s.piles[static_cast<std::size_t>(s.pileCount++)];
        pile.spot = static_cast<std::uint8_t>(spot);
        pile.count = static_cast<std::uint8_t>(p.Count(spot));
        for (int k = 0; k < pile.count; ++k) {
            pile.cards[static_cast<std::size_t>(k)] = p.Card(spot, k);
            s.freeCopies[p.Card(spot, k)] -= 1;  // what is left of a card's copies after the frozen ones is free
        }
        s.frozenTops[pile.cards[pile.count - 1u]] += 1;
    }
    callNodes_ = 0;
    aborted_ = false;
    return Won(s) || aborted_;
}

bool FrozenRelaxation::Needs(const State& s, int stack, CardCode card) const
{
    const CardCode next = s.next[stack];
    if (next == NoCard || SuitOf(next) != SuitOf(card))
        return false;
    return step_[stack] < 0 ? card <= next : card >= next;
}

int FrozenRelaxation::Accessible(const State& s, CardCode card) const
{
    return s.freeCopies[card] + s.frozenTops[card];
}

// Plays the card the stack wants from the given frozen pile, or by default
// from any frozen pile before the free copies: a free copy stays playable at
// any time and covers nothing, while a frozen one blocks its pile.
void FrozenRelaxation::Play(State& s, int stack, int pileIndex) const
{
    const CardCode card = s.next[stack];
    const auto takeTop = [&](Pile& pile) {
        s.frozenTops[card] -= 1;
        pile.cards[--pile.count] = NoCard;
        if (pile.count)
            s.frozenTops[pile.cards[pile.count - 1u]] += 1;
    };
    if (pileIndex >= 0) {
        takeTop(s.piles[static_cast<std::size_t>(pileIndex)]);
    } else if (const int i = TopPile(s, card, 0); i >= 0) {
        takeTop(s.piles[static_cast<std::size_t>(i)]);
    } else {
        s.freeCopies[card] -= 1;
    }
    s.waits[0] &= ~Bit(card);  // at most one copy and one stack are left: no more choice
    s.waits[1] &= ~Bit(card);
    s.next[stack] = card == end_[stack] ? NoCard : static_cast<CardCode>(card + step_[stack]);
}

int FrozenRelaxation::TopPile(const State& s, CardCode card, int from) const
{
    for (int i = from; i < s.pileCount && s.frozenTops[card]; ++i) {
        const Pile& pile = s.piles[static_cast<std::size_t>(i)];
        if (pile.count && pile.cards[pile.count - 1u] == card)
            return i;
    }
    return -1;
}

// Makes every play that cannot spoil a win, a line W that wins without it
// being turned into one that wins with it:
// - the partner stack no longer needs the card: the one copy left must come
//   here sooner or later, and taking it earlier only uncovers more;
// - both stacks want it and both copies are accessible: both go, either way;
// - a second copy is accessible and free, and this play takes a frozen copy
//   if there is one. Should W give ours to the partner and the other one
//   here, giving them the other way round works: the other copy is free, so
//   it covers nothing W needed uncovered and the partner can take it any time.
//   (Two frozen tops are a real choice: what lies under each differs.)
// - the search left the one accessible copy to this stack (see Won).
void FrozenRelaxation::PlaySafe(State& s) const
{
    for (bool played = true; played;) {
        played = false;
        for (int stack = 1; stack <= StackCount; ++stack) {
            const CardCode card = s.next[stack];
            if (card == NoCard || Accessible(s, card) == 0)
                continue;
            const int partner = Partner(stack);
            const bool ours = (s.waits[Column(partner)] & Bit(card)) != 0;
            const bool both = Accessible(s, card) >= 2 && (s.next[partner] == card || s.freeCopies[card] >= 1);
            if (both || ours || !Needs(s, partner, card)) {
                Play(s, stack, -1);
                played = true;
                --stack;  // the same stack again: its next card may be safe as well
            }
        }
    }
}

// A stack whose wanted card is accessible but not safe to play; 0 if none.
int FrozenRelaxation::Contested(const State& s) const
{
    for (int stack = 1; stack <= StackCount; ++stack) {
        const CardCode card = s.next[stack];
        if (card == NoCard)
            continue;
        const int accessible = Accessible(s, card);
        if (accessible >= 2 || (accessible == 1 && !(s.waits[Column(stack)] & Bit(card))))
            return stack;
    }
    return 0;
}

std::uint64_t FrozenRelaxation::Key(const State& s) const
{
    std::uint64_t h = Fold(Fold(Fold(0, Word(s.next.data() + 1)), s.waits[0]), s.waits[1]);
    for (int i = 0; i < s.pileCount; ++i) {
        const Pile& pile = s.piles[static_cast<std::size_t>(i)];
        h = Fold(h, static_cast<std::uint64_t>(pile.spot) << 8 | pile.count);
        if (pile.count)  // places past the count hold no card, so whole words can be hashed
            h = Fold(h, Word(pile.cards.data()));
        if (pile.count > 8)
            h = Fold(h, Word(pile.cards.data() + 8));
    }
    return Spread(h);
}

// Depth-first over the real choices, for one contested card at a time: with
// one copy accessible, whether this stack takes it (then now, as taking it
// earlier only uncovers more) or leaves it to the partner and waits for the
// other copy; with two frozen tops, which of them this stack takes. Every
// winning line makes one of these choices. Each step plays a card or settles
// a choice, so no state repeats on a line, and the memo keeps what is proved.
bool FrozenRelaxation::Won(State s)
{
    PlaySafe(s);
    if (std::all_of(s.next.begin() + 1, s.next.end(), [](CardCode c) { return c == NoCard; }))
        return true;
    const std::uint64_t key = Key(s);
    std::uint64_t& remembered = known_[key & (KnownSlots - 1)];
    if ((remembered | 3) == (key | 3))
        return (remembered & 3) == KnownWon;
    if (++callNodes_ > MostNodesPerCall) {
        aborted_ = true;
        return false;
    }
    const int stack = Contested(s);
    bool won = false;
    if (stack) {
        const CardCode card = s.next[stack];
        const int first = TopPile(s, card, 0);
        State taken = s;
        Play(taken, stack, first);
        State other = s;
        if (Accessible(s, card) == 1)
            other.waits[Column(stack)] |= Bit(card);
        else
            Play(other, stack, TopPile(s, card, first + 1));
        won = Won(taken) || (!aborted_ && Won(other));
    }
    if (aborted_)
        return false;
    remembered = (key & ~std::uint64_t{3}) | (won ? KnownWon : KnownLost);
    return won;
}
