#include "sound/wavefile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include <QFile>

namespace {

constexpr std::uint16_t FormatPcm = 1;
constexpr std::uint16_t FormatFloat = 3;
constexpr std::uint16_t FormatExtensible = 0xFFFE;
constexpr qsizetype RiffHeaderSize = 12;
constexpr qsizetype ChunkHeaderSize = 8;
constexpr qsizetype FmtMinSize = 16;
constexpr qsizetype FmtExtensibleSize = 40;
// Offset of the sub-format code inside an extensible "fmt " chunk.
constexpr qsizetype FmtSubFormatOffset = 24;
constexpr int MaxChannels = 8;
constexpr int MaxSampleRate = 384000;
// A sound for a card game; anything larger is a mistaken assignment, not a sound.
constexpr qint64 MaxFileSize = 128 * 1024 * 1024;

std::uint16_t ReadU16(const QByteArray& bytes, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ReadU32(const QByteArray& bytes, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
        | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

struct FmtChunk {
    std::uint16_t encoding = 0;
    int channels = 0;
    int sampleRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
};

std::optional<FmtChunk> ReadFmt(const QByteArray& bytes, qsizetype at, qsizetype size)
{
    if (size < FmtMinSize)
        return std::nullopt;
    FmtChunk fmt;
    fmt.encoding = ReadU16(bytes, at);
    fmt.channels = ReadU16(bytes, at + 2);
    fmt.sampleRate = static_cast<int>(std::min<std::uint32_t>(ReadU32(bytes, at + 4), MaxSampleRate + 1));
    fmt.blockAlign = ReadU16(bytes, at + 12);
    fmt.bitsPerSample = ReadU16(bytes, at + 14);
    if (fmt.encoding == FormatExtensible) {
        if (size < FmtExtensibleSize)
            return std::nullopt;
        fmt.encoding = ReadU16(bytes, at + FmtSubFormatOffset);
    }
    return fmt;
}

std::optional<QAudioFormat::SampleFormat> SampleFormatOf(const FmtChunk& fmt)
{
    if (fmt.encoding == FormatFloat)
        return fmt.bitsPerSample == 32 ? std::optional(QAudioFormat::Float) : std::nullopt;
    if (fmt.encoding != FormatPcm)
        return std::nullopt;
    switch (fmt.bitsPerSample) {
    case 8: return QAudioFormat::UInt8;
    case 16: return QAudioFormat::Int16;
    case 24:
    case 32: return QAudioFormat::Int32;
    default: return std::nullopt;
    }
}

bool Plausible(const FmtChunk& fmt)
{
    const int bytesPerSample = fmt.bitsPerSample / 8;
    return fmt.channels >= 1 && fmt.channels <= MaxChannels && fmt.sampleRate >= 1
        && fmt.sampleRate <= MaxSampleRate && fmt.blockAlign == fmt.channels * bytesPerSample;
}

// 24-bit samples have no output format of their own: each becomes the top
// three bytes of a 32-bit sample.
QByteArray Widen24To32(const QByteArray& packed)
{
    const qsizetype count = packed.size() / 3;
    QByteArray wide(count * 4, '\0');
    for (qsizetype i = 0; i < count; ++i)
        std::memcpy(wide.data() + i * 4 + 1, packed.constData() + i * 3, 3);
    return wide;
}

}

TWaveFile::TWaveFile(const QAudioFormat& audioFormat, QByteArray pcm)
    : format(audioFormat), samples(std::move(pcm))
{
}

std::optional<TWaveFile> TWaveFile::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return std::nullopt;
    return Parse(file.readAll());
}

std::optional<TWaveFile> TWaveFile::Parse(const QByteArray& bytes)
{
    if (bytes.size() < RiffHeaderSize || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<FmtChunk> fmt;
    qsizetype at = RiffHeaderSize;
    while (at + ChunkHeaderSize <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype declared = ReadU32(bytes, at + 4);
        const qsizetype body = at + ChunkHeaderSize;
        // A file cut short, or written by a recorder that never came back to
        // fill in the size, still plays what it holds.
        const qsizetype size = std::min(declared, bytes.size() - body);
        if (id == "fmt ") {
            fmt = ReadFmt(bytes, body, size);
            if (!fmt)
                return std::nullopt;
        } else if (id == "data") {
            if (!fmt || !Plausible(*fmt))
                return std::nullopt;
            const std::optional<QAudioFormat::SampleFormat> sampleFormat = SampleFormatOf(*fmt);
            if (!sampleFormat)
                return std::nullopt;
            QAudioFormat audioFormat;
            audioFormat.setSampleRate(fmt->sampleRate);
            audioFormat.setChannelCount(fmt->channels);
            audioFormat.setSampleFormat(*sampleFormat);
            QByteArray pcm = bytes.mid(body, size - size % fmt->blockAlign);
            if (fmt->bitsPerSample == 24)
                pcm = Widen24To32(pcm);
            return TWaveFile(audioFormat, std::move(pcm));
        }
        // Chunks are padded to an even length.
        at = body + declared + (declared & 1);
    }
    return std::nullopt;
}

std::chrono::microseconds TWaveFile::Duration() const
{
    return std::chrono::microseconds(format.durationForBytes(static_cast<qint32>(samples.size())));
}
