// How fast the solver decides fresh deals: for each level, the share of a
// fixed run of seeds decided (won or proved lost) within 10 ms, 50 ms and 1 s,
// and the median and 99th-percentile time, an undecided deal counting as the
// whole budget. Usage: solver_bench [SEEDS] [BUDGET_MS]  (1000 and 1000 by default).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "solver/seededgame.h"
#include "solver/solver.h"

namespace {

void Measure(bool hard, int seeds, int budgetMs)
{
    GameSettings settings;
    settings.Level = hard ? LevelHard : LevelEasy;
    std::vector<double> times;
    int wins = 0;
    int losses = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        const SeededGame game(settings, static_cast<std::uint32_t>(seed));
        const SolverResult r = Solve(game.State(), SolverRules::From(settings), {0, std::chrono::milliseconds(budgetMs), nullptr});
        wins += r.verdict == SolverVerdict::Win;
        losses += r.verdict == SolverVerdict::Loss;
        times.push_back(r.verdict == SolverVerdict::Unknown ? budgetMs : r.ms);
    }
    std::sort(times.begin(), times.end());
    const auto within = [&](double ms) {
        return 100.0 * static_cast<double>(std::count_if(times.begin(), times.end(), [ms, budgetMs](double t) { return t <= ms && t < budgetMs; })) / seeds;
    };
    const auto at = [&](double q) { return times[static_cast<std::size_t>(q * (seeds - 1))]; };
    std::printf("%s: %d seeds, %d won, %d lost; decided within 10 ms %.1f%%, 50 ms %.1f%%, 1 s %.1f%%; median %.1f ms, p99 %.1f ms\n",
                hard ? "hard" : "easy", seeds, wins, losses, within(10), within(50), within(1000), at(0.5), at(0.99));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    const int seeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const int budgetMs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000;
    Measure(false, seeds, budgetMs);
    Measure(true, seeds, budgetMs);
}
