#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "store/inidocument.h"
#include "store/settingsstore.h"
#include "tests/support/tempfolder.h"

namespace fs = std::filesystem;

namespace {

constexpr int DrawStartOfRow17 = 25;

// Runs `body` in a child process and returns its pid; the child never returns.
template <typename Body>
pid_t Spawn(Body body)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        body();
        ::_exit(0);
    }
    return pid;
}

bool ExitedCleanly(pid_t pid)
{
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void KeepOptions(GameSettings&) {}

// A copy of the program playing `games` games, saving after each as the
// window does, after a change to its options.
void PlayAndSave(const fs::path& file, int games, void (*change)(GameSettings&) = KeepOptions)
{
    TSettingsStore store(file);
    GameSettings settings;
    GameHistory history;
    store.LoadSettings("Ann", true, settings, history);
    change(settings);
    for (int game = 0; game < games; ++game) {
        history.RecordResult(DrawStartOfRow17, game % 2 == 0 ? 0 : 3);
        store.SaveSettings("Ann", settings, history, {});
    }
}

class SharedFileTest : public ::testing::Test {
protected:
    fs::path File() const { return folder_ / "BRACKWTR.INI"; }

    TempFolder folder_;
};

TEST_F(SharedFileTest, TwoCopiesSavingAtOnceKeepEveryResultAndEachOnesOptions)
{
    constexpr int Games = 60;
    WriteText(File(), "[Ann]\nCard Back=8\nLevel=2\nHGame17=5\nHWon17=1\nHLeft17=40\n");
    const pid_t first = Spawn([&] { PlayAndSave(File(), Games, [](GameSettings& s) { s.Level = LevelEasy; }); });
    const pid_t second = Spawn([&] { PlayAndSave(File(), Games, [](GameSettings& s) { s.CardBack = 3; }); });
    ASSERT_TRUE(ExitedCleanly(first));
    ASSERT_TRUE(ExitedCleanly(second));
    GameSettings settings;
    GameHistory history;
    TSettingsStore(File()).LoadSettings("Ann", true, settings, history);
    EXPECT_EQ(history.Row(17), (HistoryRow{5 + 2 * Games, 1 + Games, 40 + 3 * Games}));
    EXPECT_EQ(settings.Level, LevelEasy);
    EXPECT_EQ(settings.CardBack, 3);
}

TEST_F(SharedFileTest, RecentPlayersAddedByAnotherCopyStayInTheList)
{
    WriteText(File(), "[Settings]\nPrevious0=Ann\nPrevious1=Ann\n");
    TSettingsStore mine(File());
    TSettingsStore other(File());
    other.WriteRecentPlayers("Bob", {"Bob", "Ann"});
    mine.WriteRecentPlayers("Cy", {"Cy", "Ann"});
    EXPECT_EQ(ReadText(File()), "[Settings]\nPrevious0=Cy\nPrevious1=Cy\nPrevious2=Ann\nPrevious3=Bob\n");
}

// Reads the whole section as one save left it: every key is there, and the
// games counted never go back.
int GamesInACompleteFile(const fs::path& file)
{
    const TIniDocument doc(ReadText(file));
    for (const char* key : {"Mininum", "Peek at All", "Paths12", "HGame17", "HWon17"})
        EXPECT_TRUE(doc.Value("Ann", key).has_value()) << key << " missing: a torn file";
    const auto left = doc.Value("Ann", "HLeft17");
    EXPECT_TRUE(left.has_value()) << "a torn file";
    return std::stoi(doc.Value("Ann", "HGame17").value_or("0"));
}

TEST_F(SharedFileTest, SavesKilledAtRandomMomentsLeaveACompleteFile)
{
    constexpr int Kills = 200;
    PlayAndSave(File(), 1);
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> moment(0, 3000);  // microseconds
    int games = GamesInACompleteFile(File());
    for (int kill = 0; kill < Kills; ++kill) {
        const pid_t saver = Spawn([&] { PlayAndSave(File(), 1000000); });
        ::usleep(static_cast<useconds_t>(moment(random)));
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);
        const int now = GamesInACompleteFile(File());
        ASSERT_GE(now, games) << "after kill " << kill;
        games = now;
    }
    // The program starts again: nothing holds the file, and the saves' leftovers go.
    const auto start = std::chrono::steady_clock::now();
    PlayAndSave(File(), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(GamesInACompleteFile(File()), games + 1);
    for (const auto& entry : fs::directory_iterator(folder_.Path()))
        EXPECT_FALSE(entry.path().filename().string().find(".new-") != std::string::npos) << entry.path();
}

}  // namespace
