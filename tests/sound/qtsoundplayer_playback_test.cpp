#include "sound/qtsoundplayer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include "tests/sound/pulseserver.h"
#include "sound/soundevents.h"
#include "tests/sound/wavebytes.h"
#include "sound/soundfile.h"

namespace {

constexpr double ToneSeconds = 0.5;
constexpr double ToneHertz = 440.0;
// Far below the tones' half scale, far above any rounding noise.
constexpr int LoudLevel = 2000;
// Returning is not a speed matter here, only proof that the player did not
// sit out its safety timeout or hang.
constexpr qint64 GenerousExtraMs = 4000;
constexpr int RepaintIntervalMs = 50;
constexpr qint64 WaveHeaderBytes = 44;

// What reached the output, read back from a recording of its monitor.
struct Heard {
    int peak = 0;
    double loudSeconds = 0.0;
    double hertz = 0.0;
};

Heard Analyse(const TSoundFile& recording)
{
    const QAudioFormat format = recording.Format();
    const int channels = format.channelCount();
    const qsizetype frames = recording.Samples().size() / format.bytesPerFrame();
    std::optional<qsizetype> first;
    qsizetype last = 0;
    int crossings = 0;
    std::int16_t previous = 0;
    Heard heard;
    for (qsizetype i = 0; i < frames; ++i) {
        std::int16_t left = 0;
        std::memcpy(&left, recording.Samples().constData() + i * channels * 2, sizeof left);
        heard.peak = std::max(heard.peak, std::abs(int(left)));
        if (std::abs(int(left)) > LoudLevel) {
            first = first.value_or(i);
            last = i;
        }
        if (first && (left < 0) != (previous < 0))
            ++crossings;
        previous = left;
    }
    if (first && last > *first) {
        heard.loudSeconds = double(last - *first) / format.sampleRate();
        heard.hertz = crossings / 2.0 / heard.loudSeconds;
    }
    return heard;
}

class QtSoundPlayerOnAServer : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        server = std::make_unique<TPulseServer>();
        serverProblem = server->Start();
    }

    static void TearDownTestSuite() { server.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(serverProblem.isEmpty()) << serverProblem.toStdString();
        ASSERT_TRUE(folder.isValid());
    }

    QString Write(const QString& name, const QByteArray& bytes) const
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(wavebytes::WriteFile(path, bytes));
        return path;
    }

    void StartRecording()
    {
        const QString problem = server->StartRecording(folder.filePath("recording.wav"));
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    }

    Heard StopRecording()
    {
        server->StopRecording();
        const QString path = folder.filePath("recording.wav");
        // Nothing played: the recorder wrote its header and no samples.
        if (QFileInfo(path).size() <= WaveHeaderBytes)
            return {};
        const std::optional<TSoundFile> recording = TSoundFile::Load(path);
        if (!recording) {
            ADD_FAILURE() << "the recording cannot be read as 16-bit samples";
            return {};
        }
        return Analyse(*recording);
    }

    static std::unique_ptr<TPulseServer> server;
    static QString serverProblem;
    QTemporaryDir folder;
    TQtSoundPlayer player;
};

std::unique_ptr<TPulseServer> QtSoundPlayerOnAServer::server;
QString QtSoundPlayerOnAServer::serverProblem;

}

TEST_F(QtSoundPlayerOnAServer, FindsTheOutput)
{
    EXPECT_EQ(player.OutputDeviceCount(), 1);
    EXPECT_TRUE(TestWaveDevice(player));
}

TEST_F(QtSoundPlayerOnAServer, ReturnsOnlyOnceTheWholeSoundHasBeenPlayed)
{
    const QString tone = Write("tone.wav", wavebytes::Tone(ToneSeconds, ToneHertz));
    // The window keeps painting meanwhile: timers and posted events run.
    QTimer repaint;
    int repaints = 0;
    QObject::connect(&repaint, &QTimer::timeout, [&] { ++repaints; });
    repaint.start(RepaintIntervalMs);
    StartRecording();
    QElapsedTimer clock;
    clock.start();
    const bool played = player.PlaySync(tone, FullVolume);
    const qint64 elapsedMs = clock.elapsed();
    const Heard heard = StopRecording();

    EXPECT_TRUE(played);
    EXPECT_GE(repaints, 2);
    EXPECT_GE(elapsedMs, qint64(ToneSeconds * 1000));
    EXPECT_LT(elapsedMs, qint64(ToneSeconds * 1000) + GenerousExtraMs);
    EXPECT_GT(heard.peak, LoudLevel);
    // A tail cut off at the end would show as a shorter sound.
    EXPECT_GT(heard.loudSeconds, ToneSeconds * 0.9);
    EXPECT_NEAR(heard.hertz, ToneHertz, ToneHertz * 0.05);
    std::printf("A %.1f s sound: PlaySync took %lld ms, %.3f s reached the output\n", ToneSeconds,
                static_cast<long long>(elapsedMs), heard.loudSeconds);
}

TEST_F(QtSoundPlayerOnAServer, PlaysEveryLayoutAtItsOwnPitch)
{
    using wavebytes::Layout;
    const Layout layouts[] = {
        {wavebytes::Pcm, 2, 22050, 8},
        {wavebytes::Pcm, 2, 48000, 24},
        {wavebytes::Pcm, 1, 16000, 32},
        {wavebytes::Float, 1, 44100, 32},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(testing::Message() << layout.bitsPerSample << " bits, " << layout.channels << " channels, "
                                        << layout.sampleRate << " Hz, encoding " << layout.encoding);
        const QString tone = Write("layout.wav", wavebytes::Tone(0.3, ToneHertz, layout));
        StartRecording();
        EXPECT_TRUE(player.PlaySync(tone, FullVolume));
        const Heard heard = StopRecording();
        EXPECT_GT(heard.peak, LoudLevel);
        EXPECT_NEAR(heard.hertz, ToneHertz, ToneHertz * 0.05);
    }
}

TEST_F(QtSoundPlayerOnAServer, AFileThatIsNoSoundOrNoOutputCanTakeIsSilentAndReportedUnplayed)
{
    const QString text = Write("notes.wav", "These are not the sounds you are looking for.\n");
    // An output fed 40 samples a second fails deep inside; the player must
    // refuse it first.
    const QString rumble = Write("rumble.wav", wavebytes::Tone(0.5, 10, {wavebytes::Pcm, 1, 40, 16}));
    StartRecording();
    EXPECT_FALSE(player.PlaySync(text, FullVolume));
    EXPECT_FALSE(player.PlaySync(rumble, FullVolume));
    EXPECT_FALSE(player.PlaySync(folder.filePath("missing.wav"), FullVolume));
    EXPECT_LE(StopRecording().peak, LoudLevel);
}

TEST_F(QtSoundPlayerOnAServer, TheVolumeMakesTheSoundQuieter)
{
    const QString tone = Write("tone.wav", wavebytes::Tone(0.3, ToneHertz));
    StartRecording();
    EXPECT_TRUE(player.PlaySync(tone, FullVolume));
    const int full = StopRecording().peak;
    StartRecording();
    EXPECT_TRUE(player.PlaySync(tone, 50));
    const int half = StopRecording().peak;
    StartRecording();
    EXPECT_TRUE(player.PlaySync(tone, 0));
    const int muted = StopRecording().peak;
    EXPECT_GT(full, LoudLevel);
    EXPECT_LT(half, full * 3 / 4);
    EXPECT_GT(half, LoudLevel / 4);
    EXPECT_LE(muted, LoudLevel / 4);
}
