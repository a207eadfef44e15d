#include "solver/solver.h"

#include <algorithm>
#include <deque>
#include <limits>

#include "solver/frozenrelaxation.h"
#include "solver/lineclicks.h"
#include "solver/position.h"
#include "solver/positionmemo.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int FarAway = 100;

// How many cards a stack must still take before it takes this one.
int Distance(const SolverPosition& p, CardCode card)
{
    int best = FarAway;
    for (int stack = 1; stack <= StackCount; ++stack) {
        const CardCode next = p.Next(stack);
        if (next == NoCard || (next - 1) / CardsPerSuit != (card - 1) / CardsPerSuit)
            continue;
        const int steps = (card - next) * (stack <= KingsStacks ? -1 : 1);
        if (steps >= 0)
            best = std::min(best, steps);
    }
    return best;
}

// Plays first: off a table top (it uncovers a card), then out of the fan,
// then off an unturned pile (it settles the pile's turn); the draw last.
int OrderScore(const SolverPosition& p, const SolverMove& move)
{
    switch (move.kind) {
    case SolverMove::Kind::Table:
        return p.Unturned(move.from) ? 2 : 0;
    case SolverMove::Kind::Fan:
        return 1;
    case SolverMove::Kind::Draw:
        break;
    }
    return 3;
}

void OrderMoves(const SolverPosition& p, std::vector<SolverMove>& moves)
{
    std::stable_sort(moves.begin(), moves.end(), [&p](const SolverMove& a, const SolverMove& b) {
        return OrderScore(p, a) < OrderScore(p, b);
    });
}

// Depth-first search in rounds of limited discrepancy: a round may stray from
// the move ordering only so far (taking the i-th move costs i), so that early
// mistakes of the ordering are mended before late ones; the last round has no
// limit and so covers every reachable position.
//
// A position whose relaxation (FrozenRelaxation) is lost is lost too, and is
// dropped. It is asked after each draw, where spots freeze, and throughout
// once the draw pile is empty, where it is exact and so cuts every wrong
// play at once; between draws a bad play is caught at the next draw instead,
// which costs less than asking at every play.
//
// The memo is safe as well: whether a position can be won
// does not depend on how it was reached, so a position proved dead (every move
// from it searched without limit) stays dead, and one that failed with some
// allowance fails again with no more. No move leads back to an earlier
// position (each play or draw removes a card from play or from the draw
// pile), so no position is its own descendant and the memo never answers for
// a position still being searched.
class Search {
public:
    Search(SolverRules rules, std::vector<CardCode> drawPile, const SolverBudget& budget)
        : rules_(rules), drawPile_(std::move(drawPile)), budget_(budget), start_(Clock::now()), relaxation_(drawPile_)
    {
    }

    SolverVerdict Run(const SolverPosition& root)
    {
        for (int allowance = 0;; allowance = allowance >= LastLimitedRound ? Unlimited : allowance * 2 + 1) {
            const Outcome outcome = Visit(root, allowance, true);
            if (outcome == Outcome::Win)
                return SolverVerdict::Win;
            if (outcome == Outcome::Dead)
                return SolverVerdict::Loss;
            if (aborted_ || allowance == Unlimited)
                return SolverVerdict::Unknown;
        }
    }

    std::uint64_t Nodes() const { return nodes_; }
    std::vector<SolverMove> Line() const { return {line_.rbegin(), line_.rend()}; }

private:
    enum class Outcome { Win, Dead, Cut };
    static constexpr int LastLimitedRound = 63;
    static constexpr int Unlimited = std::numeric_limits<int>::max();
    static constexpr std::uint8_t Dead = 255;
    static constexpr int MostRemembered = 253;

    bool OutOfBudget()
    {
        if (budget_.nodes && nodes_ >= budget_.nodes)
            return true;
        if (budget_.cancel && (nodes_ & 0xFF) == 0 && budget_.cancel->load(std::memory_order_relaxed))
            return true;
        return budget_.time.count() && (nodes_ & 0x3FF) == 0 && Clock::now() - start_ >= budget_.time;
    }

    Outcome Visit(const SolverPosition& p, int allowance, bool drawn)
    {
        if (p.Won())
            return Outcome::Win;
        if (aborted_ || (aborted_ = OutOfBudget()))
            return Outcome::Cut;
        const std::uint64_t key = p.Key(rules_);
        const std::uint8_t known = memo_.Get(key);
        if (known == Dead)
            return Outcome::Dead;
        if (known != PositionMemo::Unknown && known - 1 >= allowance)
            return Outcome::Cut;
        ++nodes_;
        if ((drawn || p.DrawCount() == 0) && !relaxation_.MayWin(p)) {
            memo_.Set(key, Dead);
            return Outcome::Dead;
        }
        if (depth_ == movesAt_.size())
            movesAt_.emplace_back();
        std::vector<SolverMove>& moves = movesAt_[depth_];  // kept from node to node: no allocation per node
        p.LegalMoves(rules_, moves);
        OrderMoves(p, moves);
        bool cut = false;
        for (std::size_t i = 0; i < moves.size(); ++i) {
            if (static_cast<int>(i) > allowance) {
                cut = true;
                break;
            }
            SolverPosition next = p;
            next.Apply(moves[i], rules_, drawPile_);
            const bool nextDrawn = moves[i].kind == SolverMove::Kind::Draw;
            ++depth_;
            const Outcome outcome = Visit(next, allowance == Unlimited ? Unlimited : allowance - static_cast<int>(i), nextDrawn);
            --depth_;
            if (outcome == Outcome::Win) {
                line_.push_back(moves[i]);  // built from the end as the search unwinds
                return Outcome::Win;
            }
            if (aborted_)
                return Outcome::Cut;
            cut = cut || outcome == Outcome::Cut;
        }
        memo_.Set(key, cut ? static_cast<std::uint8_t>(std::min(allowance, MostRemembered) + 1) : Dead);
        return cut ? Outcome::Cut : Outcome::Dead;
    }

    SolverRules rules_;
    std::vector<CardCode> drawPile_;
    SolverBudget budget_;
    Clock::time_point start_;
    FrozenRelaxation relaxation_;
    PositionMemo memo_;
    std::vector<SolverMove> line_;
    std::deque<std::vector<SolverMove>> movesAt_;  // the moves of the node at each depth; a deque, as growing it must not move them
    std::size_t depth_ = 0;
    std::uint64_t nodes_ = 0;
    bool aborted_ = false;
};

}  // namespace

SolverResult Solve(const GameState& state, SolverRules rules, const SolverBudget& budget)
{
    const auto start = Clock::now();
    const std::vector<CardCode> drawPile = RemainingDrawPile(state);
    const SolverPosition root = SolverPosition::FromState(state);
    Search search(rules, drawPile, budget);
    SolverResult result;
    result.verdict = search.Run(root);
    if (result.verdict == SolverVerdict::Win)
        result.line = LineClicks(root, search.Line(), rules, drawPile);
    result.nodes = search.Nodes();
    result.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return result;
}

std::string HeuristicMove(const GameState& state, SolverRules rules)
{
    const SolverPosition p = SolverPosition::FromState(state);
    std::vector<SolverMove> moves;
    p.LegalMoves(rules, moves);
    if (moves.empty())
        return {};
    OrderMoves(p, moves);
    if (moves.front().kind != SolverMove::Kind::Draw)
        return LineClicks(p, {moves.front()}, rules, RemainingDrawPile(state)).front();
    // Before drawing, turn the fan so that the card it leaves on top of its
    // spot is the one a stack will want soonest.
    const int spot = p.ActiveSpot();
    const int n = spot ? p.Count(spot) : 0;
    int best = n - 1;
    for (int k = 0; k < n; ++k) {
        const bool reachable = !rules.Hard || k == n - 1 || (p.ShiftAvailable() && (k == n - 2 || k == 0));
        if (reachable && Distance(p, p.Card(spot, k)) < Distance(p, p.Card(spot, best)))
            best = k;
    }
    return TurnClicks(n - 1 - best, n) + "D";
}

const char* VerdictName(SolverVerdict verdict)
{
    switch (verdict) {
    case SolverVerdict::Win:
        return "win";
    case SolverVerdict::Loss:
        return "loss";
    case SolverVerdict::Unknown:
        break;
    }
    return "unknown";
}
