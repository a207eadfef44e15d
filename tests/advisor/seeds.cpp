#include "tests/advisor/seeds.h"

#include "solver/seededgame.h"
#include "solver/solver.h"

namespace {

constexpr std::uint32_t MostSeeds = 500;

template <typename Wanted>
std::uint32_t FirstSeed(const GameSettings& settings, std::chrono::milliseconds within, Wanted wanted)
{
    for (std::uint32_t seed = 1; seed <= MostSeeds; ++seed) {
        const SeededGame game(settings, seed);
        if (wanted(Solve(game.State(), SolverRules::From(settings), {0, within, nullptr}).verdict))
            return seed;
    }
    return 0;
}

}  // namespace

std::uint32_t FirstSeedProvedWinnable(const GameSettings& settings, std::chrono::milliseconds within)
{
    return FirstSeed(settings, within, [](SolverVerdict v) { return v == SolverVerdict::Win; });
}

std::uint32_t FirstSeedNotProvedWinnable(const GameSettings& settings, std::chrono::milliseconds within)
{
    return FirstSeed(settings, within, [](SolverVerdict v) { return v != SolverVerdict::Win; });
}

std::uint32_t FirstSeedUndecided(const GameSettings& settings, std::chrono::milliseconds within)
{
    return FirstSeed(settings, within, [](SolverVerdict v) { return v == SolverVerdict::Unknown; });
}
