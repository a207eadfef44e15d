#include "tests/advisor/seeds.h"

#include "solver/seededgame.h"
#include "solver/solver.h"

namespace {

constexpr std::uint32_t MostSeeds = 500;

std::uint32_t FirstSeed(const GameSettings& settings, std::chrono::milliseconds within, bool winnable)
{
    for (std::uint32_t seed = 1; seed <= MostSeeds; ++seed) {
        const SeededGame game(settings, seed);
        const SolverResult result = Solve(game.State(), SolverRules::From(settings), {0, within, nullptr});
        if ((result.verdict == SolverVerdict::Win) == winnable)
            return seed;
    }
    return 0;
}

}  // namespace

std::uint32_t FirstSeedProvedWinnable(const GameSettings& settings, std::chrono::milliseconds within)
{
    return FirstSeed(settings, within, true);
}

std::uint32_t FirstSeedNotProvedWinnable(const GameSettings& settings, std::chrono::milliseconds within)
{
    return FirstSeed(settings, within, false);
}
