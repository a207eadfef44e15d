#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "engine/game.h"
#include "engine/nullview.h"
#include "store/settingsstore.h"

namespace fs = std::filesystem;

namespace {

constexpr int PlayerCount = 100;
const std::string Player = "Player 50";

GameSettings SettingsWithSounds()
{
    GameSettings settings;
    for (std::size_t n = 1; n <= SoundEventCount; ++n) {
        settings.SoundName[n] = "event" + std::to_string(n);
        settings.SoundPath[n] = "/home/player/.local/share/sounds/brackwater/";
    }
    return settings;
}

GameHistory FullHistory()
{
    GameHistory history;
    for (int n = 1; n <= GameHistory::RowCount; ++n)
        history.Row(n) = {n * 11, n * 3, n * 250};
    return history;
}

// A settings file of 100 players, each with sounds and a full history.
class HundredPlayers {
public:
    HundredPlayers()
    {
        std::string pattern = (fs::temp_directory_path() / "settings-bench-XXXXXX").string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (::mkdtemp(buffer.data()) == nullptr)
            std::abort();
        folder_ = buffer.data();
        TSettingsStore store(File());
        for (int p = 1; p <= PlayerCount; ++p)
            store.SaveSettings("Player " + std::to_string(p), SettingsWithSounds(), FullHistory(), {p, p});
        store.WriteRecentPlayers(Player, {Player});
    }
    HundredPlayers(const HundredPlayers&) = delete;
    HundredPlayers& operator=(const HundredPlayers&) = delete;
    ~HundredPlayers()
    {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    fs::path File() const { return folder_ / "BRACKWTR.INI"; }

private:
    fs::path folder_;
};

void BM_LoadSettings(benchmark::State& state)
{
    HundredPlayers file;
    TSettingsStore store(file.File());
    GameSettings settings;
    GameHistory history;
    for (auto _ : state) {
        store.LoadSettings(Player, true, settings, history);
        benchmark::DoNotOptimize(history);
    }
    state.counters["file_bytes"] = static_cast<double>(fs::file_size(file.File()));
}
BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMicrosecond);

// Each save moves the window, so every one replaces the file on disk (fsync included).
void BM_SaveSettings(benchmark::State& state)
{
    HundredPlayers file;
    TSettingsStore store(file.File());
    const GameSettings settings = SettingsWithSounds();
    const GameHistory history = FullHistory();
    int top = 0;
    for (auto _ : state)
        store.SaveSettings(Player, settings, history, {++top, 10});
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMicrosecond);

// Nothing changed since the last save: the file is read and left alone.
void BM_SaveSettingsUnchanged(benchmark::State& state)
{
    HundredPlayers file;
    TSettingsStore store(file.File());
    for (auto _ : state)
        store.SaveSettings(Player, SettingsWithSounds(), FullHistory(), {50, 50});
}
BENCHMARK(BM_SaveSettingsUnchanged)->Unit(benchmark::kMicrosecond);

// A game half played with every move kept for undo: what the program writes
// after each move when the game is to be resumed.
SavedGame HalfPlayedGame()
{
    NullView view;
    ::Player player{"PlumbLine", {}, {}};
    player.Settings.UndoEveryMove = true;
    Game game(view, player);
    game.NewGame();
    while (game.State().DrawCount > 1) {
        for (int spot = 1; spot <= SpotCount; ++spot)
            game.SelectTableCard(spot);
        game.DrawCard();
    }
    return game.Save();
}

// The write after a move: the kept game replaced in the file (fsync included),
// then the check that runs before it.
void BM_SaveGame(benchmark::State& state)
{
    HundredPlayers file;
    TSettingsStore store(file.File());
    const SavedGame game = HalfPlayedGame();
    for (auto _ : state)
        store.SaveGame(Player, game);
    state.counters["undo_steps"] = static_cast<double>(game.undo.size());
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMicrosecond);

void BM_CheckSavedGame(benchmark::State& state)
{
    const SavedGame game = HalfPlayedGame();
    for (auto _ : state)
        benchmark::DoNotOptimize(IsPlayable(game));
}
BENCHMARK(BM_CheckSavedGame)->Unit(benchmark::kMicrosecond);

}  // namespace
