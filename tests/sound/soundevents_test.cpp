#include "sound/soundevents.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "sound/soundplayer.h"
#include "tests/sound/wavebytes.h"

namespace {

class TRecordingPlayer final : public TSoundPlayer {
public:
    int OutputDeviceCount() override { return devices; }
    bool PlaySync(const QString& path, int volume) override
    {
        played.push_back(path);
        volumes.push_back(volume);
        return true;
    }

    int devices = 1;
    std::vector<QString> played;
    std::vector<int> volumes;
};

std::size_t Slot(SoundEvent event)
{
    return static_cast<std::size_t>(event);
}

class SoundEventsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        directory = (folder.path() + "/").toStdString();
        settings.SoundOn = true;
    }

    QString MakeFile(const QString& name) const
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(wavebytes::WriteFile(path, wavebytes::Tone(0.01, 440)));
        return path;
    }

    void Assign(SoundEvent event, const std::string& name)
    {
        settings.SoundName[Slot(event)] = name;
        settings.SoundPath[Slot(event)] = directory;
    }

    std::vector<QString> Play(SoundEvent event)
    {
        PlayEventSound(player, settings, event);
        return player.played;
    }

    QTemporaryDir folder;
    std::string directory;
    GameSettings settings;
    TRecordingPlayer player;
};

}

TEST(SoundEventFile, IsTheDirectoryThenTheNameThenWav)
{
    GameSettings settings;
    settings.SoundName[Slot(SoundEvent::Undo)] = "Ding";
    settings.SoundPath[Slot(SoundEvent::Undo)] = "/home/anna/sounds/";
    EXPECT_EQ(SoundEventFile(settings, SoundEvent::Undo), "/home/anna/sounds/Ding.wav");
    settings.SoundPath[Slot(SoundEvent::Undo)] = "/";
    EXPECT_EQ(SoundEventFile(settings, SoundEvent::Undo), "/Ding.wav");
    settings.SoundName[Slot(SoundEvent::Undo)] = "my.tune";
    EXPECT_EQ(SoundEventFile(settings, SoundEvent::Undo), "/my.tune.wav");
    for (const char* own : {"bell.oga", "Bell.OGG", "x.flac", "y.opus"}) {
        settings.SoundName[Slot(SoundEvent::Undo)] = own;
        EXPECT_EQ(SoundEventFile(settings, SoundEvent::Undo), QStringLiteral("/") + own);
    }
}

TEST(SoundEventFile, KeepsTheWholeOfALongDirectory)
{
    GameSettings settings;
    const std::string deep = "/" + std::string(150, 'd') + "/";
    settings.SoundPath[Slot(SoundEvent::Peek)] = deep;
    settings.SoundName[Slot(SoundEvent::Peek)] = "Glöckchen";
    EXPECT_EQ(SoundEventFile(settings, SoundEvent::Peek), QString::fromStdString(deep) + QStringLiteral("Glöckchen.wav"));
}

TEST_F(SoundEventsTest, PlaysTheAssignedFileOfEachEvent)
{
    for (int n = 1; n <= SoundEventCount; ++n) {
        const auto event = static_cast<SoundEvent>(n);
        const QString name = QString("event%1").arg(n);
        MakeFile(name + ".wav");
        Assign(event, name.toStdString());
    }
    for (int n = 1; n <= SoundEventCount; ++n)
        PlayEventSound(player, settings, static_cast<SoundEvent>(n));
    ASSERT_EQ(player.played.size(), std::size_t(SoundEventCount));
    for (int n = 1; n <= SoundEventCount; ++n)
        EXPECT_EQ(player.played[std::size_t(n - 1)], folder.filePath(QString("event%1.wav").arg(n)));
}

TEST_F(SoundEventsTest, EveryEventPlaysAtThePlayersVolume)
{
    MakeFile("Ding.wav");
    Assign(SoundEvent::Undo, "Ding");
    Play(SoundEvent::Undo);
    settings.SoundVolume = 35;
    Play(SoundEvent::Undo);
    EXPECT_EQ(player.volumes, (std::vector<int>{FullVolume, 35}));
}

TEST_F(SoundEventsTest, AFifoCalledLikeTheSoundIsNeverPlayed)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("DING.WAV")).constData(), 0600), 0);
    Assign(SoundEvent::Undo, "DING");
    EXPECT_TRUE(Play(SoundEvent::Undo).empty());
    Assign(SoundEvent::Undo, "Ding");
    EXPECT_TRUE(Play(SoundEvent::Undo).empty()) << "found by the lookup without case";
}

TEST_F(SoundEventsTest, ANameWithADotKeepsItAndGetsWavAdded)
{
    const QString tune = MakeFile("my.tune.wav");
    Assign(SoundEvent::DrawCard, "my.tune");
    EXPECT_EQ(Play(SoundEvent::DrawCard), std::vector<QString>{tune});
}

TEST_F(SoundEventsTest, ANameStoredWithItsExtensionIsSilent)
{
    MakeFile("Ding.wav");
    Assign(SoundEvent::DrawCard, "Ding.wav");
    EXPECT_TRUE(Play(SoundEvent::DrawCard).empty());
}

TEST_F(SoundEventsTest, SilentWhenSoundIsOffNothingIsAssignedOrTheFileIsMissing)
{
    MakeFile("Ding.wav");
    Assign(SoundEvent::PlayCard, "Ding");
    settings.SoundOn = false;
    EXPECT_TRUE(Play(SoundEvent::PlayCard).empty());

    settings.SoundOn = true;
    EXPECT_TRUE(Play(SoundEvent::FillStack).empty()) << "nothing assigned";

    Assign(SoundEvent::Undo, "Missing");
    EXPECT_TRUE(Play(SoundEvent::Undo).empty());

    Assign(SoundEvent::Undo, "Ding");
    settings.SoundPath[Slot(SoundEvent::Undo)] = directory + "nowhere/";
    EXPECT_TRUE(Play(SoundEvent::Undo).empty()) << "directory missing";
}

TEST_F(SoundEventsTest, ADirectoryCalledLikeTheSoundIsNotPlayed)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("Folder.wav"));
    Assign(SoundEvent::Peek, "Folder");
    EXPECT_TRUE(Play(SoundEvent::Peek).empty());
}

TEST_F(SoundEventsTest, AFileInADeepFolderPlays)
{
    const std::string deep = std::string(120, 'd') + "/";
    ASSERT_TRUE(QDir(folder.path()).mkdir(QString::fromStdString(deep)));
    ASSERT_TRUE(wavebytes::WriteFile(folder.filePath(QString::fromStdString(deep) + "abcdefghijkl.wav"),
                                     wavebytes::Tone(0.01, 440)));
    settings.SoundPath[Slot(SoundEvent::WinGame)] = directory + deep;
    settings.SoundName[Slot(SoundEvent::WinGame)] = "abcdefghijkl";
    EXPECT_EQ(Play(SoundEvent::WinGame).size(), 1u);
}

TEST_F(SoundEventsTest, FindsTheFileWhateverTheCaseOfItsNameAndExtension)
{
    const QString upper = MakeFile("DING.WAV");
    Assign(SoundEvent::Undo, "DING");
    EXPECT_EQ(Play(SoundEvent::Undo), std::vector<QString>{upper});

    player.played.clear();
    const QString mixed = MakeFile("Chime.Wav");
    Assign(SoundEvent::Undo, "chime");
    EXPECT_EQ(Play(SoundEvent::Undo), std::vector<QString>{mixed});
}

TEST_F(SoundEventsTest, TheExactSpellingWinsOverOtherCases)
{
    MakeFile("DING.WAV");
    const QString exact = MakeFile("Ding.wav");
    MakeFile("ding.wav");
    Assign(SoundEvent::Undo, "Ding");
    EXPECT_EQ(Play(SoundEvent::Undo), std::vector<QString>{exact});
}

TEST(FindSoundFile, OnlyTheFileNameIsMatchedWithoutCase)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("Sounds"));
    ASSERT_TRUE(wavebytes::WriteFile(folder.filePath("Sounds/Ding.wav"), wavebytes::Tone(0.01, 440)));
    EXPECT_EQ(FindSoundFile(folder.filePath("Sounds/DING.wav")), folder.filePath("Sounds/Ding.wav"));
    EXPECT_TRUE(FindSoundFile(folder.filePath("sounds/Ding.wav")).isEmpty());
}

TEST(TestWaveDevice, LooksAtTheLowByteOfTheOutputCount)
{
    struct Case {
        int outputs;
        bool available;
    };
    for (const Case c : {Case{0, false}, Case{1, true}, Case{3, true}, Case{256, false}, Case{257, true}}) {
        TRecordingPlayer player;
        player.devices = c.outputs;
        EXPECT_EQ(TestWaveDevice(player), c.available) << c.outputs << " outputs";
    }
}
