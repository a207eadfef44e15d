#include <random>

#include <gtest/gtest.h>

#include "solver/solver.h"
#include "tests/solver/walk.h"

namespace {

#ifdef BRACKWATER_FEWER_SEEDS
constexpr std::uint32_t SeedsPerLevel = 150;
#else
constexpr std::uint32_t SeedsPerLevel = 1000;
#endif

// The solver's compact model must do exactly what the engine does: random
// games, every move made in both and the two states compared after each.
TEST(SolverModel, FollowsTheEngineMoveForMove)
{
    std::mt19937 rng(17);
    for (std::uint32_t seed = 1; seed <= SeedsPerLevel / 4; ++seed) {
        const SolverRules rules{seed % 2 == 0, seed % 3 != 0};
        SeededGame game(SettingsFor(rules.Hard, rules.DrawTop), seed);
        EXPECT_EQ(WalkUntil(game, rules, rng, 0, true), "") << "seed " << seed;
    }
}

// Every winning line, clicked through the engine, wins the game.
TEST(SolverWins, ReplayedThroughTheEngineWinTheGame)
{
    for (const bool hard : {false, true}) {
        int wins = 0;
        for (std::uint32_t seed = 1; seed <= SeedsPerLevel; ++seed) {
            const bool drawTop = seed % 2 == 0;
            SeededGame game(SettingsFor(hard, drawTop), seed);
            const SolverResult result = Solve(game.State(), {hard, drawTop}, {3000, {}, nullptr});
            if (result.verdict != SolverVerdict::Win)
                continue;
            ++wins;
            for (const std::string& move : result.line)
                ASSERT_TRUE(ClickAll(game, move)) << "seed " << seed << " move " << move;
            EXPECT_EQ(game.State().CardsLeft, 0) << "seed " << seed << (hard ? " hard" : " easy");
        }
        EXPECT_GT(wins, static_cast<int>(SeedsPerLevel) / 50) << (hard ? "hard" : "easy");
    }
}

TEST(SolverBudget, ACancelledSearchStopsUndecided)
{
    SeededGame game(SettingsFor(true, true), 2);
    const std::atomic<bool> cancel{true};
    const SolverResult result = Solve(game.State(), {true, true}, {0, {}, &cancel});
    EXPECT_EQ(result.verdict, SolverVerdict::Unknown);
    EXPECT_LE(result.nodes, 256u);
}

}  // namespace
