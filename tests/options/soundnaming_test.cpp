#include <gtest/gtest.h>

#include "options/soundnaming.h"

TEST(SoundNaming, TheExtensionIsTheTextFromTheLastDot)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Ding.wav", "Ding"},
        {"my.tune.wav", "my.tune"},
        {"Ding", "Ding"},
        {"Ding.", "Ding"},
        {".wav", ""},
        {"", ""},
        {"odd.dir/name", "odd.dir/name"},
        {"odd.dir\\name", "odd.dir\\name"},
        {"C.x:name", "C.x:name"},
        {"dir.d/name.wav", "dir.d/name"},
    };
    for (const auto& [file, name] : cases)
        EXPECT_EQ(WithoutExtension(QString::fromUtf8(file)), QString::fromUtf8(name)) << file;
}

TEST(SoundNaming, CuttingCountsCharactersNotUnits)
{
    EXPECT_EQ(LeftCharacters(QStringLiteral("abcdef"), 3), QStringLiteral("abc"));
    EXPECT_EQ(LeftCharacters(QStringLiteral("ab"), 20), QStringLiteral("ab"));
    const QString notes = QString::fromUtf8("\xF0\x9D\x84\x9E\xF0\x9D\x84\x9Ex");  // two G clefs and x
    EXPECT_EQ(LeftCharacters(notes, 1), QString::fromUtf8("\xF0\x9D\x84\x9E"));
    EXPECT_EQ(LeftCharacters(notes, 2).size(), 4);
    EXPECT_EQ(LeftCharacters(notes, 3), notes);
}

TEST(SoundNaming, ADirectoryEndsInOneSeparator)
{
    EXPECT_EQ(DirectoryWithSeparator(QStringLiteral("/home/me/sounds")), QStringLiteral("/home/me/sounds/"));
    EXPECT_EQ(DirectoryWithSeparator(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(DirectoryWithSeparator(QStringLiteral("/tmp/")), QStringLiteral("/tmp/"));
}

TEST(SoundNaming, TheAssignedFileIsDirectoryNameAndLowerCaseExtension)
{
    GameSettings settings;
    settings.SoundName[7] = "Ding";
    settings.SoundPath[7] = "/sounds/";
    settings.SoundName[12] = "my.tune";
    settings.SoundPath[12] = "/";
    EXPECT_EQ(AssignedSoundFile(settings, 7), QStringLiteral("/sounds/Ding.wav"));
    EXPECT_EQ(AssignedSoundFile(settings, 12), QStringLiteral("/my.tune.wav"));
}
