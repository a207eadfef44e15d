#include <map>
#include <random>
#include <unordered_set>
#include <string>

#include <gtest/gtest.h>

#include "solver/solver.h"
#include "tests/solver/walk.h"

namespace {

#ifdef BRACKWATER_FEWER_SEEDS
constexpr std::uint32_t Positions = 200;
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
    for (const std::string& click : p.Clicks(moves[rng() % moves.size()]))
        ASSERT_TRUE(game.Click(click));
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
