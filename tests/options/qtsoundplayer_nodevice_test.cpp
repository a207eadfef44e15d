#include "qtsoundplayer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "soundevents.h"
#include "wavebytes.h"

// Without an output a sink never reports the end of a sound; the player must
// give up at once instead of waiting for it.
TEST(QtSoundPlayerWithoutOutput, ReportsNoDeviceAndPlaysNothing)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString tone = folder.filePath("tone.wav");
    ASSERT_TRUE(wavebytes::WriteFile(tone, wavebytes::Tone(30.0, 440, {wavebytes::Pcm, 1, 8000, 16})));

    TQtSoundPlayer player;
    EXPECT_EQ(player.OutputDeviceCount(), 0);
    EXPECT_FALSE(TestWaveDevice(player));
    EXPECT_FALSE(player.PlaySync(tone));
}
