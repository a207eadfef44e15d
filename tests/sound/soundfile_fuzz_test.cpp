#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include <sndfile.h>

#include "sound/soundfile.h"
#include "tests/sound/wavebytes.h"

namespace {

constexpr std::uint32_t Seed = 20261208;
constexpr int MutatedFiles = 20000;
constexpr int MaxMutations = 8;
constexpr double SeedSeconds = 0.05;

// Values that size and count fields go wrong with.
constexpr std::uint32_t Awkward[] = {0, 1, 2, 3, 40, 0x7F, 0x80, 0xFF, 0xFFFF, 0x10000, 0x7FFFFFFF, 0x80000000,
                                     0xFFFFFFFF};

class SoundFileFuzzTest : public ::testing::Test {
protected:
    static std::vector<QByteArray> Seeds()
    {
        std::vector<QByteArray> seeds;
        for (const wavebytes::Layout layout :
             {wavebytes::Layout{}, wavebytes::Layout{wavebytes::Pcm, 2, 22050, 8},
              wavebytes::Layout{wavebytes::Pcm, 2, 48000, 24}, wavebytes::Layout{wavebytes::Float, 1, 44100, 32},
              wavebytes::Layout{wavebytes::Extensible, 2, 44100, 16}})
            seeds.push_back(wavebytes::Tone(SeedSeconds, 440, layout));
        for (const int format :
             {SF_FORMAT_WAV | SF_FORMAT_ULAW, SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM,
              SF_FORMAT_WAV | SF_FORMAT_GSM610, SF_FORMAT_WAV | SF_FORMAT_DOUBLE, SF_FORMAT_FLAC | SF_FORMAT_PCM_16,
              SF_FORMAT_OGG | SF_FORMAT_VORBIS, SF_FORMAT_OGG | SF_FORMAT_OPUS}) {
            const bool gsm = (format & SF_FORMAT_SUBMASK) == SF_FORMAT_GSM610;
            seeds.push_back(wavebytes::EncodedTone(format, gsm ? 8000 : 48000, gsm ? 1 : 2, SeedSeconds, 440));
        }
        return seeds;
    }

    QByteArray Mutated(QByteArray bytes)
    {
        const int count = static_cast<int>(Below(MaxMutations)) + 1;
        for (int i = 0; i < count; ++i) {
            const qsizetype at = static_cast<qsizetype>(Below(static_cast<std::size_t>(bytes.size()) + 1));
            switch (Below(5)) {
            case 0:
                if (at < bytes.size())
                    bytes[at] = static_cast<char>(Below(256));
                break;
            case 1:
                bytes.truncate(at);
                break;
            case 2: {
                const std::uint32_t value = Awkward[Below(std::size(Awkward))];
                bytes.insert(at, reinterpret_cast<const char*>(&value), sizeof value);
                bytes.remove(at + 4, 4);
                break;
            }
            case 3:
                bytes.remove(at, static_cast<qsizetype>(Below(64)));
                break;
            default:
                bytes.insert(at, bytes.mid(static_cast<qsizetype>(Below(static_cast<std::size_t>(bytes.size()) + 1)),
                                           static_cast<qsizetype>(Below(256))));
                break;
            }
        }
        return bytes;
    }

    std::size_t Below(std::size_t bound) { return bound == 0 ? 0 : random_() % bound; }

    std::mt19937 random_{Seed};
};

// Whatever comes out is something an output can play as it is.
void ExpectPlayable(const std::optional<TSoundFile>& sound, int round)
{
    if (!sound)
        return;
    const QAudioFormat& format = sound->Format();
    EXPECT_GE(format.sampleRate(), TSoundFile::MinSampleRate) << "round " << round;
    EXPECT_LE(format.sampleRate(), TSoundFile::MaxSampleRate) << "round " << round;
    EXPECT_GE(format.channelCount(), 1) << "round " << round;
    EXPECT_LE(format.channelCount(), TSoundFile::MaxChannels) << "round " << round;
    EXPECT_EQ(sound->Samples().size() % format.bytesPerFrame(), 0) << "round " << round;
}

TEST_F(SoundFileFuzzTest, MutatedAndTruncatedFilesNeverBreakTheDecoder)
{
    const std::vector<QByteArray> seeds = Seeds();
    for (const QByteArray& seed : seeds)
        ASSERT_TRUE(TSoundFile::Decode(seed)) << "every seed plays before it is mutated";
    int decoded = 0;
    for (int round = 0; round < MutatedFiles; ++round) {
        const std::optional<TSoundFile> sound = TSoundFile::Decode(Mutated(seeds[Below(seeds.size())]));
        ExpectPlayable(sound, round);
        decoded += sound ? 1 : 0;
    }
    // The mutations must leave enough intact to reach the decoders.
    EXPECT_GT(decoded, MutatedFiles / 10);
}

}  // namespace
