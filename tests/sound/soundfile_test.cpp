#include "sound/soundfile.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <future>

#include <gtest/gtest.h>

#include <sndfile.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "tests/sound/wavebytes.h"

using wavebytes::Layout;
using namespace std::chrono_literals;

namespace {

int Peak(const TSoundFile& sound)
{
    int peak = 0;
    const qsizetype count = sound.Samples().size() / 2;
    for (qsizetype i = 0; i < count; ++i) {
        std::int16_t sample = 0;
        std::memcpy(&sample, sound.Samples().constData() + i * 2, sizeof sample);
        peak = std::max(peak, std::abs(int(sample)));
    }
    return peak;
}

// A tone at half of full scale comes out at half of the 16-bit range, give
// or take what a lossy encoding and its block padding change.
void ExpectHalfScaleTone(const std::optional<TSoundFile>& sound, int sampleRate, int channels, double seconds)
{
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->Format().sampleFormat(), QAudioFormat::Int16);
    EXPECT_EQ(sound->Format().sampleRate(), sampleRate);
    EXPECT_EQ(sound->Format().channelCount(), channels);
    EXPECT_NEAR(double(sound->Duration().count()) / 1e6, seconds, 0.1);
    EXPECT_NEAR(Peak(*sound), 16384, 16384 * 0.2);
}

}

TEST(SoundFile, SixteenBitMonoKeepsItsSamplesAndLength)
{
    const QByteArray data("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
    const auto sound = TSoundFile::Decode(wavebytes::Wave({wavebytes::Pcm, 1, 8000, 16}, data));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->Format().sampleFormat(), QAudioFormat::Int16);
    EXPECT_EQ(sound->Samples(), data);
    EXPECT_EQ(sound->Duration(), std::chrono::microseconds(500));
}

TEST(SoundFile, EveryPlainLayoutBecomesSixteenBitsAtItsOwnRateAndLoudness)
{
    const Layout layouts[] = {
        {wavebytes::Pcm, 2, 22050, 8},
        {wavebytes::Pcm, 1, 48000, 24},
        {wavebytes::Pcm, 2, 48000, 32},
        {wavebytes::Float, 1, 44100, 32},
        {wavebytes::Extensible, 2, 44100, 16},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(testing::Message() << layout.bitsPerSample << " bits, encoding " << layout.encoding);
        ExpectHalfScaleTone(TSoundFile::Decode(wavebytes::Tone(0.2, 440, layout)), layout.sampleRate,
                            layout.channels, 0.2);
    }
}

TEST(SoundFile, CompressedAndOtherFormatsTheDesktopPlaysAreDecoded)
{
    const int formats[] = {
        SF_FORMAT_WAV | SF_FORMAT_ULAW,   SF_FORMAT_WAV | SF_FORMAT_ALAW,   SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM,
        SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, SF_FORMAT_WAV | SF_FORMAT_GSM610, SF_FORMAT_WAV | SF_FORMAT_DOUBLE,
        SF_FORMAT_FLAC | SF_FORMAT_PCM_16, SF_FORMAT_OGG | SF_FORMAT_VORBIS, SF_FORMAT_OGG | SF_FORMAT_OPUS,
    };
    for (const int format : formats) {
        SCOPED_TRACE(testing::Message() << "format 0x" << std::hex << format);
        // GSM is mono at 8 kHz by nature; Opus runs at 48 kHz.
        const bool gsm = (format & SF_FORMAT_SUBMASK) == SF_FORMAT_GSM610;
        const int rate = gsm ? 8000 : 48000;
        const int channels = gsm ? 1 : 2;
        const QByteArray bytes = wavebytes::EncodedTone(format, rate, channels, 0.5, 440);
        ASSERT_FALSE(bytes.isEmpty());
        ExpectHalfScaleTone(TSoundFile::Decode(bytes), rate, channels, 0.5);
    }
}

TEST(SoundFile, SkipsOtherChunksAndPlaysTheWholeFramesOfAFileCutShort)
{
    const QByteArray extra = wavebytes::Chunk("LIST", "odd") + wavebytes::Chunk("fact", QByteArray(4, '\0'));
    const auto chunky = TSoundFile::Decode(wavebytes::Wave({}, QByteArray("\x10\x20", 2), extra));
    ASSERT_TRUE(chunky);
    EXPECT_EQ(chunky->Samples(), QByteArray("\x10\x20", 2));

    QByteArray file = wavebytes::Wave({wavebytes::Pcm, 2, 8000, 16}, QByteArray(400, '\x01'));
    file.chop(400 - (4 * 50 + 3));
    const auto cut = TSoundFile::Decode(file);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->Samples().size(), 4 * 50);
}

// Rates and channel counts beyond what audio outputs take would crash or
// fail inside the output; such files are refused like any unreadable one.
TEST(SoundFile, RefusesWhatNoOutputCanPlay)
{
    const QByteArray someData(64, '\x01');
    const QByteArray refused[] = {
        QByteArray(),
        QByteArray("not a sound at all, just text"),
        QByteArray("RIFF\x04\0\0\0AVI ", 12),
        wavebytes::Wave({wavebytes::Pcm, 1, 40, 16}, someData),
        wavebytes::Wave({wavebytes::Pcm, 1, 1, 16}, someData),
        wavebytes::Wave({wavebytes::Pcm, 1, TSoundFile::MinSampleRate - 1, 16}, someData),
        wavebytes::Wave({wavebytes::Pcm, 1, TSoundFile::MaxSampleRate + 1, 16}, someData),
        wavebytes::Wave({wavebytes::Pcm, TSoundFile::MaxChannels + 1, 44100, 16}, QByteArray(18 * 4, '\1')),
        wavebytes::Wave({wavebytes::Pcm, 0, 22050, 16}, someData),
        wavebytes::Wave({}, someData).left(36),
    };
    for (const QByteArray& bytes : refused)
        EXPECT_FALSE(TSoundFile::Decode(bytes)) << bytes.left(40).toHex().constData();
    EXPECT_TRUE(TSoundFile::Decode(wavebytes::Wave({wavebytes::Pcm, 1, TSoundFile::MinSampleRate, 16}, someData)));
    EXPECT_TRUE(TSoundFile::Decode(wavebytes::Wave({wavebytes::Pcm, 1, TSoundFile::MaxSampleRate, 16}, someData)));
}

TEST(SoundFile, LoadsARegularFileAndRefusesAMissingOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("tone.wav");
    ASSERT_TRUE(wavebytes::WriteFile(path, wavebytes::Tone(0.25, 440)));
    const auto sound = TSoundFile::Load(path);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->Duration(), 250ms);
    EXPECT_FALSE(TSoundFile::Load(dir.filePath("absent.wav")));
}

// A FIFO would block the open for ever and /dev/zero never ends.
TEST(SoundFile, NeverWaitsOnAFifoNorReadsAnEndlessDevice)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath("fifo.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = dir.filePath("zero.wav");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    auto loading = std::async(std::launch::async, [&] {
        return !TSoundFile::Load(fifo) && !TSoundFile::Load(zero);
    });
    ASSERT_EQ(loading.wait_for(10s), std::future_status::ready) << "still loading";
    EXPECT_TRUE(loading.get());
}
