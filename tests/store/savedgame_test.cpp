// The game in progress kept in the player's section.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/game.h"
#include "engine/nullview.h"
#include "store/savedgametext.h"
#include "store/settingsstore.h"
#include "tests/support/tempfolder.h"

namespace {

std::string ReadText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

// The test deck after a few draws, plays from the fan and the table, and a shift.
SavedGame GameInProgress()
{
    NullView view;
    Player player{"PlumbLine", {}, {}};
    player.Settings.UndoEveryMove = true;
    player.Settings.Level = LevelEasy;
    Game game(view, player);
    game.NewGame();
    game.SelectTableCard(4);  // the King of clubs
    for (int draw = 0; draw < 3; ++draw)
        game.DrawCard();
    game.SelectPlayPileCard(game.State().PlayCount);
    player.Settings.DrawTop = false;
    game.DrawCard();
    game.ShiftPlayPileLeft();
    return game.Save();
}

class SavedGameTest : public ::testing::Test {
protected:
    std::filesystem::path File() const { return folder_ / "BRACKWTR.INI"; }
    TempFolder folder_;
};

TEST_F(SavedGameTest, ComesBackAsItWasWrittenBesideTheOptionsOfOlderCopies)
{
    const SavedGame saved = GameInProgress();
    ASSERT_TRUE(IsPlayable(saved));
    TSettingsStore store(File());
    store.SaveSettings("Ann", GameSettings{}, GameHistory{}, {});
    store.SaveGame("Ann", saved);

    // A copy that knows nothing of the game saves its options and keeps the game keys.
    WriteText(File(), ReadText(File()) + "[Bob]\nLevel=1\n");
    TSettingsStore other(File());
    GameSettings settings;
    GameHistory history;
    other.LoadSettings("Ann", true, settings, history);
    settings.Level = LevelEasy;
    other.SaveSettings("Ann", settings, history, {});

    TSettingsStore reader(File());
    reader.LoadSettings("Ann", true, settings, history);
    const auto loaded = reader.LoadGame("Ann");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(SavedGameText(*loaded), SavedGameText(saved));
    EXPECT_TRUE(IsPlayable(*loaded));
    EXPECT_FALSE(reader.LoadGame("Bob"));

    // Forgetting the game leaves every other key of the section.
    reader.EraseGame("Ann");
    const std::string text = ReadText(File());
    EXPECT_EQ(text.find("Game "), std::string::npos);
    EXPECT_NE(text.find("Level=1"), std::string::npos);
    EXPECT_NE(text.find("Mininum=0"), std::string::npos);
}

TEST_F(SavedGameTest, KeysThatDoNotReadGiveNoGameAndStayInTheFile)
{
    const SavedGameKeys keys = SavedGameText(GameInProgress());
    std::string good = "[Ann]\n";
    for (const auto& [key, value] : keys)
        good += key + "=" + value + "\n";
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::vector<std::string> broken = {
        replaced("Game Saved=1", "Game Saved=2"),
        replaced("Game Deck=AS", "Game Deck=XS"),
        replaced("Game Stacks=", "Game Stacks=KC "),
        replaced("Game Draw Count=", "Game Draw Count=x"),
        replaced("Game Fan Spot=", "Game Fan Spot=99"),
        replaced("Game Undo1=", "Game Undo1=Q 1 2;"),
        replaced("Game Table3=", "Gone="),
    };
    for (const std::string& text : broken) {
        WriteText(File(), text);
        TSettingsStore store(File());
        GameSettings settings;
        GameHistory history;
        store.LoadSettings("Ann", true, settings, history);
        EXPECT_FALSE(store.LoadGame("Ann")) << text;
        EXPECT_EQ(ReadText(File()), text);
    }
}

}  // namespace
