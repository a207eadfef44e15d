// Cost of the card table as a player meets it: a full repaint of the table on
// screens scaled 100% and 300%, and zoomed to 100%, 150% and 300%, whole new
// games dealt through the real window (also with only winnable deals) and a
// step of the won display, offscreen.
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLabel>

#include <filesystem>

#include "advisor/dealadvisor.h"
#include "engine/player.h"
#include "sound/soundplayer.h"
#include "store/settingsstore.h"
#include "window/frmmain.h"

namespace {

class SilentPlayer final : public TSoundPlayer {
public:
    int OutputDeviceCount() override { return 0; }
    bool PlaySync(const QString&, int) override { return false; }
};

struct Table {
    Player player{"Benchmark", {}, {}};
    // A settings file of its own, away from any player's.
    TSettingsStore store{std::filesystem::temp_directory_path() / "brackwater-table-bench.INI"};
    SilentPlayer sound;
    std::unique_ptr<Tfrm_Main> window;

    Table()
    {
        window = std::make_unique<Tfrm_Main>(player, store, sound);
        window->show();
        window->GameEngine().NewGame();
        QApplication::processEvents();
    }
};

void BM_RepaintTable(benchmark::State& state)
{
    Table table;
    QWidget& contents = table.window->Table();
    const qreal scale = static_cast<qreal>(state.range(0)) / 100.0;
    QImage target((QSizeF(contents.size()) * scale).toSize(), QImage::Format_RGB32);
    target.setDevicePixelRatio(scale);
    for (auto _ : state) {
        contents.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

// The table zoomed, on an unscaled screen: the pictures are prepared once
// per zoom, so each repaint copies them.
void BM_RepaintZoomedTable(benchmark::State& state)
{
    Table table;
    TCardTable& contents = table.window->Table();
    contents.SetZoom(static_cast<qreal>(state.range(0)) / 100.0);
    QApplication::processEvents();
    QImage target(contents.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        contents.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

// One new game may take several deals before its draw pile is large enough;
// the counter gives the cost of each.
void BM_NewGame(benchmark::State& state)
{
    Table table;
    Game& game = table.window->GameEngine();
    int deals = 0;
    for (auto _ : state) {
        game.NewGame();
        deals += game.DealsInLastGame();
    }
    state.counters["deals"] = benchmark::Counter(deals, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// New games with Only winnable deals: the time a player waits for one (at
// most a second by design), the deals it takes, and the share of games whose
// deal was proved winnable before the second ran out.
void BM_NewWinnableGame(benchmark::State& state)
{
    Table table;
    table.player.Settings.OnlyWinnable = true;
    Game& game = table.window->GameEngine();
    int deals = 0;
    int proved = 0;
    for (auto _ : state) {
        game.NewGame();
        deals += game.DealsInLastGame();
        table.window->Advisor().PositionChanged();
        proved += table.window->Advisor().VerdictLabel()->text() == QStringLiteral("This deal can be won");
    }
    state.counters["deals"] = benchmark::Counter(deals, benchmark::Counter::kAvgIterations);
    state.counters["proved"] = benchmark::Counter(proved, benchmark::Counter::kAvgIterations);
}

// One step of the won display's endless ripple, ten of which run a second;
// the table shows the last deal's cards rather than a won game, which costs
// the same to draw.
void BM_WonDisplayTick(benchmark::State& state)
{
    Table table;
    Game& game = table.window->GameEngine();
    for (auto _ : state) {
        game.WonTimerTick();
        QApplication::processEvents();
    }
}

}  // namespace

BENCHMARK(BM_RepaintTable)->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintZoomedTable)->Arg(100)->Arg(150)->Arg(300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NewGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewWinnableGame)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_WonDisplayTick)->Unit(benchmark::kMicrosecond);
