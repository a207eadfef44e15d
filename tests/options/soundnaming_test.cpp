#include <gtest/gtest.h>

#include "options/soundnaming.h"

TEST(SoundNaming, OnlyATrailingWavIsDropped)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Ding.wav", "Ding"},
        {"DING.WAV", "DING"},
        {"my.tune.wav", "my.tune"},
        {"my.tune", "my.tune"},
        {"bell.oga", "bell.oga"},
        {"Ding", "Ding"},
        {"wav", "wav"},
    };
    for (const auto& [file, name] : cases)
        EXPECT_EQ(StoredSoundName(QString::fromUtf8(file)), QString::fromUtf8(name)) << file;
}

TEST(SoundNaming, ADirectoryEndsInOneSeparator)
{
    EXPECT_EQ(DirectoryWithSeparator(QStringLiteral("/home/me/sounds")), QStringLiteral("/home/me/sounds/"));
    EXPECT_EQ(DirectoryWithSeparator(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(DirectoryWithSeparator(QStringLiteral("/tmp/")), QStringLiteral("/tmp/"));
}
