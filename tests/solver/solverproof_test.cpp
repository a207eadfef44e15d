#include <array>
#include <map>
#include <random>
#include <set>
#include <unordered_set>
#include <string>

#include <gtest/gtest.h>

#include "solver/solver.h"
#include "tests/solver/walk.h"

namespace {

#ifdef BRACKWATER_FEWER_SEEDS
constexpr std::uint32_t Positions = 80;
#else
constexpr std::uint32_t Positions = 200;
#endif

// The truth for a small position, found without the solver: every click the
// player could make, through the engine itself, each exact state once.
class ExhaustiveSearch {
public:
    static constexpr std::size_t MostStates = 20000;

    explicit ExhaustiveSearch(SeededGame& game) : game_(game) {}

    // Whether some line wins; empty when the position was too large to finish.
    std::optional<bool> CanWin()
    {
        const bool won = Visit();
        if (!won && seen_.size() >= MostStates)
            return std::nullopt;
        return won;
    }

private:
    std::string Exact(const GameState& s) const
    {
        std::string key;
        for (int spot = 1; spot <= SpotCount; ++spot) {
            const bool fanned = spot == s.ActiveSpot;
            const int n = fanned ? s.PlayCount : s.TableCount[spot];
            key += static_cast<char>(n | (fanned ? 0x40 : 0));
            for (int k = 1; k <= n; ++k)
                key += static_cast<char>(fanned ? s.PlayPile[k] : s.TablePile[spot][k]);
        }
        for (int stack = 1; stack <= StackCount; ++stack)
            key += static_cast<char>(s.StackNext[stack]);
        key += {static_cast<char>(s.DrawCount), static_cast<char>(s.ShiftShown), static_cast<char>(s.Raised)};
        if (s.Raised)
            key += {static_cast<char>(s.SelKind), static_cast<char>(s.SelPos)};
        return key;
    }

    bool Visit()
    {
        const GameState here = game_.State();
        if (here.CardsLeft == 0)
            return true;
        if (seen_.size() >= MostStates || !seen_.insert(Exact(here)).second)
            return false;
        std::vector<std::string> clicks{"D", "L", "R"};
        for (int n = 1; n <= SpotCount; ++n)
            clicks.push_back("T" + std::to_string(n));
        for (int n = 1; n <= here.PlayCount; ++n)
            clicks.push_back("P" + std::to_string(n));
        for (int n = 1; here.Raised && n <= StackCount; ++n)
            clicks.push_back("S" + std::to_string(n));
        for (const std::string& click : clicks) {
            game_.Play().Arrange([&](GameState& state) { state = here; });
            game_.Click(click);
            if (Visit())
                return true;
        }
        game_.Play().Arrange([&](GameState& state) { state = here; });
        return false;
    }

    SeededGame& game_;
    std::unordered_set<std::string> seen_;
};

// Puts the game at a late position: a random game's, or a winning line's,
// then with one random move more half of the time.
void GoLate(SeededGame& game, const SolverRules& rules, const SolverResult& deal, std::mt19937& rng)
{
    if (deal.line.empty()) {
        ASSERT_EQ(WalkUntil(game, rules, rng, 1, false), "");
        return;
    }
    for (std::size_t made = 0; made < deal.line.size() && game.State().DrawCount > 2; ++made)
        ASSERT_TRUE(ClickAll(game, deal.line[made]));
    const SolverPosition p = SolverPosition::FromState(game.State());
    std::vector<SolverMove> moves;
    p.LegalMoves(rules, moves);
    if (moves.empty() || rng() % 2)
        return;
    ASSERT_TRUE(ClickAll(game, MoveClicks(p, moves[rng() % moves.size()], rules, game.State())));
}

// Late positions, small enough for the exhaustive search: the solver's
// verdict, with no budget, must be the truth.
TEST(SolverProof, VerdictsAgreeWithExhaustiveSearch)
{
    std::mt19937 rng(5);
    std::map<bool, int> decided;
    int lines = 0;
    for (std::uint32_t seed = 1; seed <= 5 * Positions && decided[true] + decided[false] < static_cast<int>(Positions); ++seed) {
        const SolverRules rules{seed % 2 == 0, seed % 3 != 0};
        SeededGame game(SettingsFor(rules.Hard, rules.DrawTop), seed);
        SolverResult deal = Solve(game.State(), rules, {3000, {}, nullptr});
        if (deal.line.empty() && decided[false] >= static_cast<int>(Positions) / 2)
            continue;
        lines += deal.line.empty() ? 0 : 1;
        GoLate(game, rules, deal, rng);
        const GameState position = game.State();
        const auto truth = ExhaustiveSearch(game).CanWin();
        if (!truth)
            continue;
        ++decided[*truth];
        const SolverResult result = Solve(position, rules, {});
        EXPECT_EQ(result.verdict, *truth ? SolverVerdict::Win : SolverVerdict::Loss) << "seed " << seed;
    }
    EXPECT_GT(decided[false], 0);
    EXPECT_GT(decided[true], static_cast<int>(Positions) / 10);
}

// A position of the model written out in full, to tell positions apart exactly.
std::string Exact(const SolverPosition& p)
{
    std::string text{static_cast<char>(p.DrawCount()), static_cast<char>(p.ActiveSpot()), static_cast<char>(p.ShiftAvailable())};
    for (int stack = 1; stack <= StackCount; ++stack)
        text += static_cast<char>(p.Next(stack));
    for (int spot = 1; spot <= SpotCount; ++spot) {
        text += static_cast<char>(p.Count(spot) | 0x40);
        for (int k = 0; k < p.Count(spot); ++k)
            text += static_cast<char>(p.Card(spot, k));
    }
    return text;
}

// The memo answers for every position with the same key: so all positions
// reachable from late ones (the same cards in another order, a turn of the
// fan spent or not, ...) that share a key must share the verdict.
TEST(SolverProof, PositionsSharingAMemoKeyShareTheVerdict)
{
    constexpr std::size_t MostStates = 400;
    std::mt19937 rng(23);
    int groups = 0;
    int roots = 0;
    for (std::uint32_t seed = 1; roots < static_cast<int>(Positions) / 8 && seed <= Positions; ++seed) {
        const SolverRules rules{seed % 4 != 0, seed % 3 != 0};
        SeededGame game(SettingsFor(rules.Hard, rules.DrawTop), seed);
        const SolverResult deal = Solve(game.State(), rules, {20000, {}, nullptr});
        if (deal.verdict != SolverVerdict::Win)
            continue;
        ++roots;  // on a winning line, where a wrong turn of the fan can still lose
        for (std::size_t made = 0; made < deal.line.size() && game.State().DrawCount > static_cast<int>(1 + seed % 5); ++made)
            ASSERT_TRUE(ClickAll(game, deal.line[made]));
        std::map<std::uint64_t, std::map<std::string, GameState>> byKey;
        std::vector<GameState> queue{game.State()};
        std::set<std::string> seen{Exact(SolverPosition::FromState(game.State()))};
        std::vector<SolverMove> moves;
        for (std::size_t i = 0; i < queue.size() && queue.size() < MostStates; ++i) {
            const SolverPosition p = SolverPosition::FromState(queue[i]);
            byKey[p.Key(rules)].emplace(Exact(p), queue[i]);
            p.LegalMoves(rules, moves);
            std::vector<std::string> clicks{"L", "R"};  // the search folds turns of the fan into the draws
            for (const SolverMove& move : moves)
                clicks.push_back(MoveClicks(p, move, rules, queue[i]));
            for (const std::string& click : clicks) {
                game.Play().Arrange([&](GameState& state) { state = queue[i]; });
                if (ClickAll(game, click) && seen.insert(Exact(SolverPosition::FromState(game.State()))).second)
                    queue.push_back(game.State());
            }
        }
        for (const auto& [key, states] : byKey) {
            if (states.size() < 2)
                continue;
            ++groups;
            std::set<SolverVerdict> verdicts;
            for (const auto& [exact, state] : states)
                verdicts.insert(Solve(state, rules, {20000, {}, nullptr}).verdict);
            verdicts.erase(SolverVerdict::Unknown);
            EXPECT_LE(verdicts.size(), 1u) << "seed " << seed << (rules.Hard ? " hard" : " easy");
        }
    }
    EXPECT_GT(groups, 0);
}

// Cuts a fresh deal down to a few cards: every stack starts part-built, and
// only the cards the stacks still need stay, each where the deal put it, so
// draws, shifts and the deal's order keep their shape while the game stays
// small enough to search exhaustively. In one suit the two stacks have not
// yet met, so one or two ranks are needed by both: there the order of plays
// and the two-stack choice matter.
void Reduce(SeededGame& game, std::mt19937& rng)
{
    game.Play().Arrange([&rng](GameState& s) {
        std::array<int, DistinctCards + 1> keep{};
        int left = 0;
        const int crossed = 1 + static_cast<int>(rng() % KingsStacks);
        for (int kings = 1; kings <= KingsStacks; ++kings) {
            const int aces = kings + KingsStacks;
            const int suitBase = s.StackEnd[kings] - 1;  // a Kings stack ends on its Ace
            int kingsNeed = 1 + static_cast<int>(rng() % 13);
            int acesFrom = std::max(1, kingsNeed - static_cast<int>(rng() % 2));
            if (kings != crossed) {  // a few cards, each needed once
                const int cards = static_cast<int>(rng() % 4);
                kingsNeed = static_cast<int>(rng() % static_cast<unsigned>(cards + 1));
                acesFrom = 14 - (cards - kingsNeed);
            }
            s.StackNext[kings] = kingsNeed ? static_cast<CardCode>(suitBase + kingsNeed) : NoCard;
            s.StackNext[aces] = acesFrom <= 13 ? static_cast<CardCode>(suitBase + acesFrom) : NoCard;
            for (int rank = 1; rank <= 13; ++rank) {
                keep[suitBase + rank] = (rank <= kingsNeed ? 1 : 0) + (rank >= acesFrom ? 1 : 0);
                left += keep[suitBase + rank];
            }
        }
        const auto kept = [&keep](CardCode card) { return keep[card]-- > 0; };
        for (int spot = 1; spot <= SpotCount; ++spot) {
            auto& pile = s.TablePile[spot];
            const auto end = std::stable_partition(pile.begin() + 1, pile.begin() + 1 + s.TableCount[spot], kept);
            s.TableCount[spot] = static_cast<std::uint8_t>(end - pile.begin() - 1);
        }
        const auto end = std::stable_partition(s.DrawPile.begin() + 1, s.DrawPile.begin() + 1 + s.DrawCount, kept);
        s.DrawCount = static_cast<std::int32_t>(end - s.DrawPile.begin() - 1);
        s.DrawStart = static_cast<std::uint8_t>(s.DrawCount);
        s.CardsLeft = static_cast<std::uint8_t>(left);
    });
}

// Whole reduced deals, both levels: the solver's verdict, with no budget,
// must be the truth, losses above all, as no deal of the full game has a
// loss small enough to check.
TEST(SolverProof, VerdictsOnReducedDealsAgreeWithExhaustiveSearch)
{
    std::mt19937 rng(11);
    std::map<bool, int> decided;
    for (std::uint32_t seed = 1; seed <= 4 * Positions && decided[true] + decided[false] < static_cast<int>(Positions); ++seed) {
        const SolverRules rules{seed % 2 == 0, seed % 3 != 0};
        SeededGame game(SettingsFor(rules.Hard, rules.DrawTop), seed);
        Reduce(game, rng);
        const GameState deal = game.State();
        const auto truth = ExhaustiveSearch(game).CanWin();
        if (!truth)
            continue;
        ++decided[*truth];
        const SolverResult result = Solve(deal, rules, {});
        EXPECT_EQ(result.verdict, *truth ? SolverVerdict::Win : SolverVerdict::Loss) << "seed " << seed << (rules.Hard ? " hard" : " easy");
    }
    EXPECT_GT(decided[false], static_cast<int>(Positions) / 10);
    EXPECT_GT(decided[true], static_cast<int>(Positions) / 10);
}

// Taking the hint in a position proved winnable never leaves one proved lost.
TEST(SolverProof, HintKeepsAWinnableGameWinnable)
{
    int hints = 0;
    for (std::uint32_t seed = 1; seed <= 10 * Positions && hints < static_cast<int>(Positions); ++seed) {
        const SolverRules rules{seed % 2 == 1, seed % 4 != 0};
        SeededGame game(SettingsFor(rules.Hard, rules.DrawTop), seed);
        for (int step = 0; step < 20; ++step) {
            const SolverResult before = Solve(game.State(), rules, {20000, {}, nullptr});
            if (before.verdict != SolverVerdict::Win || before.line.empty())
                break;
            ASSERT_TRUE(ClickAll(game, before.line.front()));
            ++hints;
            EXPECT_NE(Solve(game.State(), rules, {20000, {}, nullptr}).verdict, SolverVerdict::Loss) << "seed " << seed;
        }
    }
    EXPECT_GT(hints, 0);
}

}  // namespace
