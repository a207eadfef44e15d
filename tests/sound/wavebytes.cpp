#include "tests/sound/wavebytes.h"

#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

#include <QFile>
#include <QTemporaryDir>

#include <sndfile.h>

namespace wavebytes {

namespace {

constexpr std::uint32_t PlainFmtSize = 16;
constexpr std::uint16_t ExtensionSize = 22;

void AppendU16(QByteArray& bytes, std::uint32_t value)
{
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
}

void AppendU32(QByteArray& bytes, std::uint32_t value)
{
    AppendU16(bytes, value & 0xFFFF);
    AppendU16(bytes, value >> 16);
}

// One sample of a value in -1..1, little-endian.
QByteArray Sample(double value, const Layout& layout)
{
    QByteArray bytes;
    if (layout.encoding == Float) {
        const auto single = static_cast<float>(value);
        bytes.resize(sizeof single);
        std::memcpy(bytes.data(), &single, sizeof single);
        return bytes;
    }
    const int bits = layout.bitsPerSample;
    const double fullScale = std::ldexp(1.0, bits - 1) - 1.0;
    auto level = static_cast<std::int64_t>(std::llround(value * fullScale));
    if (bits == 8)
        level += 128;
    for (int shift = 0; shift < bits; shift += 8)
        bytes.append(static_cast<char>((level >> shift) & 0xFF));
    return bytes;
}

QByteArray FmtBody(const Layout& layout)
{
    const auto blockAlign = static_cast<std::uint32_t>(layout.channels * layout.bitsPerSample / 8);
    QByteArray body;
    AppendU16(body, layout.encoding);
    AppendU16(body, static_cast<std::uint32_t>(layout.channels));
    AppendU32(body, static_cast<std::uint32_t>(layout.sampleRate));
    AppendU32(body, static_cast<std::uint32_t>(layout.sampleRate) * blockAlign);
    AppendU16(body, blockAlign);
    AppendU16(body, static_cast<std::uint32_t>(layout.bitsPerSample));
    if (layout.encoding == Extensible) {
        AppendU16(body, ExtensionSize);
        AppendU16(body, static_cast<std::uint32_t>(layout.bitsPerSample));
        AppendU32(body, 0);
        // The sub-format GUID: the plain format code, then the fixed tail.
        AppendU16(body, Pcm);
        body.append(QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14));
    }
    return body;
}

}

QByteArray Chunk(const char* id, const QByteArray& body)
{
    QByteArray chunk(id, 4);
    AppendU32(chunk, static_cast<std::uint32_t>(body.size()));
    chunk.append(body);
    if (body.size() % 2 != 0)
        chunk.append('\0');
    return chunk;
}

QByteArray Wave(const Layout& layout, const QByteArray& data, const QByteArray& chunksBeforeData)
{
    const QByteArray chunks = Chunk("fmt ", FmtBody(layout)) + chunksBeforeData + Chunk("data", data);
    QByteArray file("RIFF");
    AppendU32(file, static_cast<std::uint32_t>(4 + chunks.size()));
    return file + "WAVE" + chunks;
}

QByteArray Tone(double seconds, double hertz, const Layout& layout)
{
    const auto frames = static_cast<int>(seconds * layout.sampleRate);
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const double phase = 2.0 * std::numbers::pi * hertz * i / layout.sampleRate;
        const QByteArray sample = Sample(0.5 * std::sin(phase), layout);
        for (int c = 0; c < layout.channels; ++c)
            data.append(sample);
    }
    return Wave(layout, data);
}

QByteArray EncodedTone(int format, int sampleRate, int channels, double seconds, double hertz)
{
    QTemporaryDir folder;
    const QByteArray path = QFile::encodeName(folder.filePath("tone"));
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.constData(), SFM_WRITE, &info);
    if (file == nullptr)
        return {};
    const auto frames = static_cast<std::size_t>(seconds * sampleRate);
    std::vector<float> samples(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double phase = 2.0 * std::numbers::pi * hertz * double(i / std::size_t(channels)) / sampleRate;
        samples[i] = static_cast<float>(0.5 * std::sin(phase));
    }
    sf_writef_float(file, samples.data(), static_cast<sf_count_t>(frames));
    sf_close(file);
    QFile written(QFile::decodeName(path));
    return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}
