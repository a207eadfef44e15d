#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "store/inidocument.h"
#include "store/settingsstore.h"
#include "tests/support/tempfolder.h"

namespace {

constexpr std::uint32_t Seed = 20261208;
constexpr int RandomFiles = 1500;
constexpr int MutatedFiles = 2500;
constexpr int SaveEvery = 400;  // each save waits for the disk
constexpr std::size_t MaxRandomSize = 4096;
constexpr int MaxMutations = 12;

const std::string Pieces[] = {"[", "]", "=", "\n", "\r\n", "\r", "[Ann]\n", "[ann", "Level=", "HGame1=",
                              "0x", "$", "-", "99999999999", std::string(1, '\0'), "\xC3", ";", "Sound1=", " ", "[Settings]\n"};

class StoreFuzzTest : public ::testing::Test {
protected:
    std::string RandomBytes()
    {
        std::string text(Below(MaxRandomSize), '\0');
        for (char& c : text)
            c = static_cast<char>(Below(256));
        return text;
    }

    std::string Mutated(std::string text)
    {
        const int count = static_cast<int>(Below(MaxMutations)) + 1;
        for (int i = 0; i < count; ++i) {
            const std::size_t at = Below(text.size() + 1);
            switch (Below(5)) {
            case 0:
                if (at < text.size())
                    text[at] = static_cast<char>(Below(256));
                break;
            case 1:
                text.erase(at, Below(64));
                break;
            case 2:
                text.insert(at, Pieces[Below(std::size(Pieces))]);
                break;
            case 3:
                text.insert(at, text.substr(Below(text.size() + 1), Below(256)));
                break;
            default:
                text.insert(at, std::string(Below(3000), static_cast<char>(Below(256))));
                break;
            }
        }
        return text;
    }

    // A realistic file: three players and the shared section.
    std::string Seedfile()
    {
        const std::string path = (folder_ / "seed.ini").string();
        TSettingsStore store(path);
        GameHistory history;
        history.Row(3) = {4, 1, 30};
        GameSettings settings;
        settings.SoundName[2] = "shuffle";
        settings.SoundPath[2] = "/usr/share/sounds/";
        for (const char* player : {"Bob", "Ann", "Zed"})
            store.SaveSettings(player, settings, history, {});
        store.WriteRecentPlayers("Ann", {"Ann", "Bob", "Zed"});
        return ReadText(path);
    }

    void LoadAndMaybeSave(const std::string& text, int round)
    {
        const auto file = folder_ / "BRACKWTR.INI";
        // A fresh file each round: rewriting one in place makes ext4 flush it on close.
        std::filesystem::remove(file);
        WriteText(file, text);
        TSettingsStore store(file);
        GameSettings settings;
        GameHistory history;
        store.LoadSettings("Ann", round % 2 == 0, settings, history);
        store.LoadWindowPosition("Ann");
        store.ReadPrevious(round % 5);
        EXPECT_EQ(TIniDocument(TIniDocument(text).Text()).Text(), TIniDocument(text).Text());
        if (round % SaveEvery != 0)
            return;
        GameHistory full;
        for (int n = 1; n <= GameHistory::RowCount; ++n)
            full.Row(n) = {n, round % 7, static_cast<std::int32_t>(Below(1000))};
        settings.SoundOn = false;
        store.SaveSettings("Ann", settings, full, {round, -round});
        GameSettings reread;
        GameHistory rereadHistory;
        TSettingsStore again(file);
        again.LoadSettings("Ann", true, reread, rereadHistory);
        EXPECT_EQ(rereadHistory, full) << "round " << round;
        EXPECT_EQ(reread.CardBack, settings.CardBack) << "round " << round;
        EXPECT_EQ(again.LoadWindowPosition("Ann"), (WindowPosition{round, -round})) << "round " << round;
    }

    std::size_t Below(std::size_t bound) { return bound == 0 ? 0 : random_() % bound; }

    TempFolder folder_;
    std::mt19937 random_{Seed};
};

TEST_F(StoreFuzzTest, RandomAndMutatedFilesNeverBreakTheReader)
{
    int round = 0;
    for (int i = 0; i < RandomFiles; ++i)
        LoadAndMaybeSave(RandomBytes(), round++);
    const std::string seed = Seedfile();
    for (int i = 0; i < MutatedFiles; ++i)
        LoadAndMaybeSave(Mutated(seed), round++);
}

}  // namespace
