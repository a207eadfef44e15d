#pragma once

#include <gtest/gtest.h>

#include "engine/gamesettings.h"

// Compares two settings records field by field, so a failure names the field.
inline void ExpectSameSettings(const GameSettings& a, const GameSettings& b)
{
    EXPECT_EQ(a.MinDrawPile, b.MinDrawPile);
    EXPECT_EQ(a.CardBack, b.CardBack);
    EXPECT_EQ(a.Level, b.Level);
    EXPECT_EQ(a.TableColor, b.TableColor);
    EXPECT_EQ(a.StackColor, b.StackColor);
    EXPECT_EQ(a.PlayColor, b.PlayColor);
    EXPECT_EQ(a.CardColor, b.CardColor);
    EXPECT_EQ(a.DigitalBack, b.DigitalBack);
    EXPECT_EQ(a.DigitalFore, b.DigitalFore);
    EXPECT_EQ(a.ShowPlays, b.ShowPlays);
    EXPECT_EQ(a.DrawTop, b.DrawTop);
    EXPECT_EQ(a.SoundOn, b.SoundOn);
    EXPECT_EQ(a.PeekAtAll, b.PeekAtAll);
    EXPECT_EQ(a.SoundVolume, b.SoundVolume);
    EXPECT_EQ(a.ResumeGame, b.ResumeGame);
    EXPECT_EQ(a.UndoEveryMove, b.UndoEveryMove);
    EXPECT_EQ(a.StackOutlines, b.StackOutlines);
    EXPECT_EQ(a.OnlyWinnable, b.OnlyWinnable);
    EXPECT_EQ(a.ShowVerdict, b.ShowVerdict);
    EXPECT_EQ(a.Language, b.Language);
    EXPECT_EQ(a.SoundName, b.SoundName);
    EXPECT_EQ(a.SoundPath, b.SoundPath);
    EXPECT_EQ(a.Zoom, b.Zoom);
}
