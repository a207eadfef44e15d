#include "sound/wavefile.h"

#include <chrono>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/sound/wavebytes.h"

using wavebytes::Layout;

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

}

TEST(WaveFile, SixteenBitMonoKeepsItsSamplesAndLength)
{
    const QByteArray data = Bytes({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08});
    const auto wave = TWaveFile::Parse(wavebytes::Wave({wavebytes::Pcm, 1, 8000, 16}, data));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->Format().sampleFormat(), QAudioFormat::Int16);
    EXPECT_EQ(wave->Format().channelCount(), 1);
    EXPECT_EQ(wave->Format().sampleRate(), 8000);
    EXPECT_EQ(wave->Samples(), data);
    EXPECT_EQ(wave->Duration(), std::chrono::microseconds(500));
}

TEST(WaveFile, EachPlainLayoutGetsTheMatchingOutputFormat)
{
    struct Case {
        Layout layout;
        QAudioFormat::SampleFormat expected;
    };
    const Case cases[] = {
        {{wavebytes::Pcm, 2, 22050, 8}, QAudioFormat::UInt8},
        {{wavebytes::Pcm, 2, 48000, 32}, QAudioFormat::Int32},
        {{wavebytes::Float, 1, 48000, 32}, QAudioFormat::Float},
        {{wavebytes::Extensible, 2, 44100, 16}, QAudioFormat::Int16},
    };
    for (const Case& c : cases) {
        const int frameBytes = c.layout.channels * c.layout.bitsPerSample / 8;
        const auto wave = TWaveFile::Parse(wavebytes::Wave(c.layout, QByteArray(frameBytes * 10, '\x40')));
        ASSERT_TRUE(wave) << "bits " << c.layout.bitsPerSample << " encoding " << c.layout.encoding;
        EXPECT_EQ(wave->Format().sampleFormat(), c.expected);
        EXPECT_EQ(wave->Format().channelCount(), c.layout.channels);
        EXPECT_EQ(wave->Samples().size(), frameBytes * 10);
    }
}

TEST(WaveFile, TwentyFourBitSamplesBecomeTheHighBytesOfThirtyTwo)
{
    const QByteArray data = Bytes({0x11, 0x22, 0x33, 0xAA, 0xBB, 0xCC});
    const auto wave = TWaveFile::Parse(wavebytes::Wave({wavebytes::Pcm, 1, 1000, 24}, data));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->Format().sampleFormat(), QAudioFormat::Int32);
    EXPECT_EQ(wave->Samples(), Bytes({0x00, 0x11, 0x22, 0x33, 0x00, 0xAA, 0xBB, 0xCC}));
    EXPECT_EQ(wave->Duration(), std::chrono::microseconds(2000));
}

TEST(WaveFile, SkipsOtherChunksIncludingTheirPadding)
{
    const QByteArray data = Bytes({0x10, 0x20});
    const QByteArray extra = wavebytes::Chunk("LIST", "odd") + wavebytes::Chunk("fact", Bytes({1, 0, 0, 0}));
    const auto wave = TWaveFile::Parse(wavebytes::Wave({}, data, extra));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->Samples(), data);
}

TEST(WaveFile, AFileCutShortPlaysItsWholeFrames)
{
    QByteArray file = wavebytes::Wave({wavebytes::Pcm, 2, 8000, 16}, QByteArray(400, '\x01'));
    file.chop(400 - (4 * 50 + 3));
    const auto wave = TWaveFile::Parse(file);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->Samples().size(), 4 * 50);
}

TEST(WaveFile, RefusesWhatItCannotPlay)
{
    const QByteArray someData(64, '\x01');
    const QByteArray refused[] = {
        QByteArray(),
        QByteArray("not a sound at all, just text"),
        QByteArray("RIFF\x04\0\0\0AVI ", 12),
        wavebytes::Wave({wavebytes::Adpcm, 1, 22050, 4}, someData),
        wavebytes::Wave({wavebytes::Pcm, 1, 22050, 12}, someData),
        wavebytes::Wave({wavebytes::Float, 1, 22050, 16}, someData),
        wavebytes::Wave({wavebytes::Pcm, 0, 22050, 16}, someData),
        wavebytes::Wave({wavebytes::Pcm, 1, 0, 16}, someData),
        wavebytes::Wave({}, someData).left(36),
    };
    for (const QByteArray& bytes : refused)
        EXPECT_FALSE(TWaveFile::Parse(bytes)) << bytes.left(40).toHex().constData();
}

TEST(WaveFile, DataBeforeTheFormatIsRefused)
{
    QByteArray file("RIFF\0\0\0\0WAVE", 12);
    file += wavebytes::Chunk("data", QByteArray(8, '\0'));
    file += wavebytes::Chunk("fmt ", QByteArray(16, '\0'));
    EXPECT_FALSE(TWaveFile::Parse(file));
}

TEST(WaveFile, LoadsFromDiskAndRefusesAMissingFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("tone.wav");
    ASSERT_TRUE(wavebytes::WriteFile(path, wavebytes::Tone(0.25, 440)));
    const auto wave = TWaveFile::Load(path);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->Duration(), std::chrono::milliseconds(250));
    EXPECT_FALSE(TWaveFile::Load(dir.filePath("absent.wav")));
}
