#include "sound/qtsoundplayer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>

#include "sound/soundevents.h"
#include "tests/sound/wavebytes.h"

namespace {

constexpr double ToneSeconds = 30.0;

}

// Without an output a sink never reports the end of a sound; the player must
// give up at once instead of waiting for it. The test runs in a world without
// a sound server, whatever the machine offers: Qt looks for audio devices on
// first use, which comes after this.
TEST(QtSoundPlayerWithoutOutput, ReportsNoDeviceAndPlaysNothing)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/brackwater-no-sound-server");
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString tone = folder.filePath("tone.wav");
    ASSERT_TRUE(wavebytes::WriteFile(tone, wavebytes::Tone(ToneSeconds, 440, {wavebytes::Pcm, 1, 8000, 16})));

    TQtSoundPlayer player;
    EXPECT_EQ(player.OutputDeviceCount(), 0);
    EXPECT_FALSE(TestWaveDevice(player));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(player.PlaySync(tone, FullVolume));
    EXPECT_LT(clock.elapsed(), qint64(ToneSeconds * 1000 / 3)) << "waited for a sound nobody can hear";
}
