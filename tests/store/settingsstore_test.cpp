#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/settingscheck.h"
#include "store/settingsstore.h"
#include "tests/support/tempfolder.h"

namespace {

constexpr bool WithWaveDevice = true;

class SettingsStoreTest : public ::testing::Test {
protected:
    std::filesystem::path File() const { return folder_ / "BRACKWTR.INI"; }

    GameSettings Load(const std::string& player, bool wave = WithWaveDevice)
    {
        TSettingsStore store(File());
        GameSettings settings;
        store.LoadSettings(player, wave, settings, history_);
        return settings;
    }

    void Save(const std::string& player, const GameSettings& settings, const GameHistory& history,
              WindowPosition position = {})
    {
        TSettingsStore(File()).SaveSettings(player, settings, history, position);
    }

    TempFolder folder_;
    GameHistory history_;
};

GameSettings EveryFieldChanged()
{
    GameSettings s;
    s.MinDrawPile = 25;
    s.CardBack = 12;
    s.Level = LevelEasy;
    s.TableColor = 0x123456;
    s.StackColor = 0x80000005;  // a system colour
    s.PlayColor = 0x00FF00;
    s.CardColor = 0x0000FF;
    s.DigitalBack = 0xFFFFFF;
    s.DigitalFore = 0x000001;
    s.ShowPlays = false;
    s.DrawTop = false;
    s.SoundOn = true;
    s.PeekAtAll = false;
    s.SoundVolume = 40;
    s.ResumeGame = false;
    s.UndoEveryMove = true;
    s.StackOutlines = false;
    s.OnlyWinnable = true;
    s.ShowVerdict = false;
    s.Zoom = 0;
    s.Language = "fr";
    for (std::size_t n = 1; n <= SoundEventCount; ++n) {
        s.SoundName[n] = "sound" + std::to_string(n);
        s.SoundPath[n] = "/home/player/sounds " + std::to_string(n) + "/";
    }
    return s;
}

GameHistory FullHistory()
{
    GameHistory h;
    for (int n = 1; n <= GameHistory::RowCount; ++n)
        h.Row(n) = HistoryRow{n * 3, n, n * 100 + 7};
    return h;
}

TEST_F(SettingsStoreTest, FirstRunGivesDefaultsAndWritesNothing)
{
    history_ = FullHistory();
    ExpectSameSettings(Load("Ann"), GameSettings{});
    EXPECT_TRUE(history_.IsEmpty());
    TSettingsStore store(File());
    EXPECT_EQ(store.LoadWindowPosition("Ann"), (WindowPosition{10, 10}));
    EXPECT_EQ(store.ReadPrevious(0), "");
    store.EraseSection("Settings");
    store.EraseSection("Ann");
    EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(SettingsStoreTest, ANewPlayersSectionListsItsKeysInOrder)
{
    GameHistory history;
    history.Row(1) = {2, 1, 5};
    history.Row(17) = {1, 1, 0};
    Save("Ann", GameSettings{}, history, {120, 64});
    EXPECT_EQ(ReadText(File()),
              "[Ann]\n"
              "Mininum=0\nCard Back=8\nLevel=2\n"
              "Table Color=12632256\nStack Color=12632256\nPlay Color=12632256\nCard Color=16777215\n"
              "Digital Back=0\nDigital Fore=16776960\n"
              "Top=120\nLeft=64\n"
              "Show Plays=1\nDraw Top=1\nSound=0\nPeek at All=1\nVolume=100\n"
              "Resume Game=1\nUndo Every Move=0\nStack Outlines=1\n"
              "Only Winnable=0\nShow Verdict=1\n"
              "Zoom=100\nWidth=0\nHeight=0\nMaximized=0\nLanguage=\n"
              "Sound1=\nPaths1=\nSound2=\nPaths2=\nSound3=\nPaths3=\nSound4=\nPaths4=\n"
              "Sound5=\nPaths5=\nSound6=\nPaths6=\nSound7=\nPaths7=\nSound8=\nPaths8=\n"
              "Sound9=\nPaths9=\nSound10=\nPaths10=\nSound11=\nPaths11=\nSound12=\nPaths12=\n"
              "HGame1=2\nHWon1=1\nHLeft1=5\n"
              "HGame17=1\nHWon17=1\nHLeft17=0\n");
}

TEST_F(SettingsStoreTest, EveryFieldSurvivesARoundTrip)
{
    const GameSettings saved = EveryFieldChanged();
    Save("Ann", saved, FullHistory(), {-20, 3000, 1400, 900, true});
    ExpectSameSettings(Load("Ann"), saved);
    EXPECT_EQ(history_, FullHistory());
    EXPECT_EQ(TSettingsStore(File()).LoadWindowPosition("Ann"), (WindowPosition{-20, 3000, 1400, 900, true}));
    EXPECT_NE(ReadText(File()).find("Stack Color=-2147483643\n"), std::string::npos);
}

TEST_F(SettingsStoreTest, ReadsNumbersAsTheFileRulesSay)
{
    WriteText(File(),
              "[Hex]\nTop=0x20\nLeft=$20\nLevel=Hard\nCard Back=0X0C\nVolume=0x7FFF\n"
              "[Bare]\nTop=0x\nLeft=\nWidth=-5\nHeight=x\nMininum=256\nCard Back=257\nLevel=-1\nShow Plays=7\nPeek at All=0\n");
    GameSettings hex = Load("Hex");
    TSettingsStore store(File());
    EXPECT_EQ(store.LoadWindowPosition("Hex"), (WindowPosition{32, 32}));
    EXPECT_EQ(hex.Level, LevelHard);
    EXPECT_EQ(hex.CardBack, 12);
    EXPECT_EQ(hex.SoundVolume, FullVolume) << "a volume out of range is held to its bounds";

    GameSettings bare = Load("Bare");
    EXPECT_EQ(store.LoadWindowPosition("Bare"), (WindowPosition{10, 10}));
    EXPECT_EQ(bare.MinDrawPile, 0);  // the low 8 bits of 256
    EXPECT_EQ(bare.CardBack, 1);
    EXPECT_EQ(bare.Level, 255);
    EXPECT_TRUE(bare.ShowPlays);
    EXPECT_FALSE(bare.PeekAtAll);
    EXPECT_EQ(bare.SoundVolume, FullVolume) << "a file without a volume plays at full volume";
    EXPECT_FALSE(bare.OnlyWinnable) << "a file of the classic game deals every deal";
    EXPECT_TRUE(bare.ShowVerdict);
    EXPECT_EQ(bare.Zoom, 100) << "a file from before the zoom shows the classic table";
    EXPECT_EQ(bare.Language, "") << "a file without a language follows the desktop's";
}

TEST_F(SettingsStoreTest, HistoryRowsWithoutGamesReadAsZeros)
{
    WriteText(File(), "[Ann]\nHGame1=0\nHWon1=4\nHLeft1=9\nHWon2=4\nHLeft2=9\nHGame3=2\nHLeft3=11\n");
    history_ = FullHistory();
    Load("Ann");
    for (int n : {1, 2})
        EXPECT_EQ(history_.Row(n), HistoryRow{}) << n;
    EXPECT_EQ(history_.Row(3), (HistoryRow{2, 0, 11}));
    EXPECT_EQ(history_.Row(33), HistoryRow{});
}

TEST_F(SettingsStoreTest, RowsWithoutGamesKeepTheirOldKeys)
{
    WriteText(File(), "[Ann]\nHGame5=0\nHWon5=4\nHLeft5=9\nHGame6=3\nHWon6=1\nHLeft6=8\n");
    GameHistory history;
    history.Row(7) = {1, 0, 2};
    Save("Ann", GameSettings{}, history);
    const std::string text = ReadText(File());
    EXPECT_NE(text.find("[Ann]\nHGame5=0\nHWon5=4\nHLeft5=9\nHGame6=3\nHWon6=1\nHLeft6=8\nMininum=0\n"),
              std::string::npos);
    EXPECT_NE(text.find("\nHGame7=1\nHWon7=0\nHLeft7=2\n"), std::string::npos);
    Load("Ann");
    EXPECT_EQ(history_.Row(6), (HistoryRow{3, 1, 8}));
}

TEST_F(SettingsStoreTest, NoWaveDeviceTurnsSoundOffForThatRunOnly)
{
    GameSettings withSound;
    withSound.SoundOn = true;
    Save("Ann", withSound, GameHistory{});
    TSettingsStore store(File());
    GameSettings silent;
    store.LoadSettings("Ann", !WithWaveDevice, silent, history_);
    EXPECT_FALSE(silent.SoundOn);
    silent.CardBack = 2;
    store.SaveSettings("Ann", silent, history_, {});
    const GameSettings next = Load("Ann", WithWaveDevice);
    EXPECT_TRUE(next.SoundOn) << "the player's choice is kept";
    EXPECT_EQ(next.CardBack, 2);
}

TEST_F(SettingsStoreTest, CountersInTheFileStopAtTheirLargestValue)
{
    WriteText(File(), "[Ann]\nHGame1=2147483647\nHWon1=2147483000\nHLeft1=2147483600\n");
    TSettingsStore store(File());
    GameSettings settings;
    store.LoadSettings("Ann", WithWaveDevice, settings, history_);
    history_.RecordResult(9, 0);
    history_.RecordResult(9, 100);
    store.SaveSettings("Ann", settings, history_, {});
    Load("Ann");
    EXPECT_EQ(history_.Row(1), (HistoryRow{2147483647, 2147483001, 2147483647}));
}

TEST_F(SettingsStoreTest, NamesDifferingOnlyInCaseShareASection)
{
    GameSettings ann;
    ann.CardBack = 3;
    Save("Ann", ann, GameHistory{});
    EXPECT_EQ(Load("ANN").CardBack, 3);
    ann.CardBack = 4;
    Save("aNN", ann, GameHistory{});
    EXPECT_EQ(Load("Ann").CardBack, 4);
    const std::string text = ReadText(File());
    EXPECT_TRUE(text.starts_with("[Ann]\n"));
    EXPECT_EQ(text.find('[', 1), std::string::npos);
}

TEST_F(SettingsStoreTest, SoundNamesAndDirectoriesAreKeptWhole)
{
    GameSettings s;
    s.SoundName[1] = "freedesktop.audio-volume-change";
    s.SoundPath[1] = "/home/" + std::string(200, 'd') + "/";
    Save("Ann", s, GameHistory{});
    const GameSettings loaded = Load("Ann");
    EXPECT_EQ(loaded.SoundName[1], s.SoundName[1]);
    EXPECT_EQ(loaded.SoundPath[1], s.SoundPath[1]);
}

TEST_F(SettingsStoreTest, SavingKeepsOtherSectionsAndUnknownLines)
{
    const std::string others = "; my players\n[Settings]\nPrevious0=Bob\n\n[Bob]\nLevel=1\nNote=keep me\n";
    WriteText(File(), others + "\n[Ann]\nLevel=1\nFavourite=blue\n\n[Zed]\nLevel=1\n");
    Save("Ann", GameSettings{}, GameHistory{});
    const std::string text = ReadText(File());
    EXPECT_TRUE(text.starts_with(others + "\n[Ann]\nLevel=2\nFavourite=blue\nMininum=0\n")) << text;
    EXPECT_TRUE(text.ends_with("Paths12=\n\n[Zed]\nLevel=1\n")) << text;
}

TEST_F(SettingsStoreTest, RecentPlayersRewriteTheSharedSection)
{
    WriteText(File(), "[Settings]\nPrevious0=Old\nPrevious1=A\nPrevious2=B\nPrevious3=C\nPrevious4=D\n\n[Ann]\nLevel=1\n");
    TSettingsStore store(File());
    EXPECT_EQ(store.ReadPrevious(0), "Old");
    EXPECT_EQ(store.ReadPrevious(4), "D");
    store.WriteRecentPlayers("Ann", {"Ann", "A"});
    EXPECT_EQ(ReadText(File()), "[Ann]\nLevel=1\n\n[Settings]\nPrevious0=Ann\nPrevious1=Ann\nPrevious2=A\n");
    EXPECT_EQ(store.ReadPrevious(2), "A");
    EXPECT_EQ(store.ReadPrevious(3), "");
}

TEST_F(SettingsStoreTest, ErasingAPlayerStartsItAfresh)
{
    Save("Ann", EveryFieldChanged(), FullHistory());
    Save("Bob", EveryFieldChanged(), FullHistory());
    TSettingsStore(File()).EraseSection("ANN");
    ExpectSameSettings(Load("Ann"), GameSettings{});
    EXPECT_TRUE(history_.IsEmpty());
    ExpectSameSettings(Load("Bob"), EveryFieldChanged());
}

TEST_F(SettingsStoreTest, ZeroedRowsStayZeroAfterTheNextSave)
{
    Save("Ann", GameSettings{}, FullHistory());
    TSettingsStore store(File());
    for (int n = 1; n <= GameHistory::RowCount; ++n)
        store.ZeroHistoryRow("Ann", n);
    const std::string text = ReadText(File());
    EXPECT_NE(text.find("\nHGame1=0\nHWon1=0\nHLeft1=0\n"), std::string::npos);
    EXPECT_NE(text.find("\nHGame33=0\nHWon33=0\nHLeft33=0\n"), std::string::npos);
    Save("Ann", GameSettings{}, GameHistory{});
    EXPECT_EQ(ReadText(File()), text);
    Load("Ann");
    EXPECT_TRUE(history_.IsEmpty());
}

TEST(PlayerNameTest, RefusesNamesTheFileCannotGiveBack)
{
    const std::string longest(MaxPlayerNameLength, 'x');
    const std::string longestUmlauts = [] {
        std::string name;
        for (std::size_t i = 0; i < MaxPlayerNameLength; ++i)
            name += "\xC3\xA4";
        return name;
    }();
    for (const std::string& good : {std::string("Ann"), std::string("settings2"), std::string("My Settings"),
                                    std::string("\xC3\x84rger"), std::string("[x"), longest, longestUmlauts})
        EXPECT_TRUE(IsValidPlayerName(good)) << good;
    for (const std::string& bad :
         {std::string(""), std::string("a]b"), std::string("]"), std::string("two\nlines"), std::string("cr\r"),
          std::string("Settings"), std::string("SETTINGS"), std::string(" settings "), std::string("   "),
          std::string("  Ann"), std::string("Ann\t"), std::string("tab\tin"), std::string("bell\x07"),
          std::string("del\x7F"), std::string("c1\xC2\x85"), longest + "y"})
        EXPECT_FALSE(IsValidPlayerName(bad)) << bad;
}

}  // namespace
