#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "engine/game.h"
#include "engine/nullview.h"

namespace {

struct Table {
    NullView view;
    Player player{"Bench", {}, {}};
    GameSettings& settings = player.Settings;
    Game game{view, player};
};

void BM_BuildDeckAndDeal(benchmark::State& state)
{
    Table t;
    t.game.SeedRandom(42);
    for (auto _ : state) {
        t.game.NewGame();
        benchmark::DoNotOptimize(t.game.State().DrawCount);
    }
}
BENCHMARK(BM_BuildDeckAndDeal);

void BM_NewGameWithMinimumThirty(benchmark::State& state)
{
    Table t;
    t.settings.MinDrawPile = 30;
    t.game.SeedRandom(42);
    for (auto _ : state) {
        t.game.NewGame();
        benchmark::DoNotOptimize(t.game.State().DrawCount);
    }
}
BENCHMARK(BM_NewGameWithMinimumThirty);

// Plays one game to its end: any wanted card at random, else a draw, now and
// then a shift first.
void PlayOut(Game& game, std::mt19937& rng)
{
    const GameState& s = game.State();
    std::vector<std::pair<bool, int>> plays;  // (from the fan, place)
    while (s.CardsLeft > 0 && (s.PlaysCount > 0 || s.DrawCount > 0)) {
        if (s.Raised) {
            // Two stacks want the card: the Kings one or the Aces one, at random.
            const int first = rng() % 2 ? 1 : KingsStacks + 1;
            for (int stack = first; stack < first + KingsStacks; ++stack)
                game.PlayToStack(stack);
            continue;
        }
        plays.clear();
        for (int spot = 1; spot <= SpotCount; ++spot)
            plays.emplace_back(false, spot);
        for (int k = 1; k <= s.PlayCount; ++k)
            plays.emplace_back(true, k);
        const int before = s.CardsLeft;
        if (s.PlaysCount > 0) {
            std::shuffle(plays.begin(), plays.end(), rng);
            for (const auto& [fromFan, place] : plays) {
                fromFan ? game.SelectPlayPileCard(place) : game.SelectTableCard(place);
                if (s.CardsLeft != before || s.Raised)
                    break;
            }
        }
        if (s.CardsLeft == before && !s.Raised) {
            if (rng() % 3 == 0)
                game.ShiftPlayPileLeft();
            game.DrawCard();
        }
    }
}

void BM_RandomPlayout(benchmark::State& state)
{
    Table t;
    std::mt19937 rng(7);
    t.game.SeedRandom(7);
    for (auto _ : state) {
        t.game.NewGame();
        PlayOut(t.game, rng);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["games_per_second"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RandomPlayout);

}  // namespace

BENCHMARK_MAIN();
