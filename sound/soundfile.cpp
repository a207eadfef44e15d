#include "sound/soundfile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include <QFile>

#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A sound for a card game; anything larger is a mistaken assignment, not a sound.
constexpr qint64 MaxFileSize = 128 * 1024 * 1024;
// Decoded samples are held whole in memory: a few minutes of stereo at most.
constexpr qsizetype MaxPcmBytes = 64 * 1024 * 1024;
constexpr sf_count_t FramesPerRead = 4096;
constexpr float FullScale = 32767.0F;

// libsndfile reads the bytes already in memory, so a file is read once,
// within its size, and decoding needs no file system.
struct MemorySource {
    const QByteArray& bytes;
    sf_count_t at = 0;
};

sf_count_t Length(void* user)
{
    return static_cast<MemorySource*>(user)->bytes.size();
}

sf_count_t Seek(sf_count_t offset, int whence, void* user)
{
    auto* source = static_cast<MemorySource*>(user);
    const sf_count_t size = source->bytes.size();
    sf_count_t target = offset;
    if (whence == SEEK_CUR)
        target += source->at;
    else if (whence == SEEK_END)
        target += size;
    if (target < 0 || target > size)
        return -1;
    source->at = target;
    return target;
}

sf_count_t Read(void* buffer, sf_count_t count, void* user)
{
    auto* source = static_cast<MemorySource*>(user);
    const sf_count_t taken = std::clamp<sf_count_t>(source->bytes.size() - source->at, 0, std::max<sf_count_t>(count, 0));
    std::memcpy(buffer, source->bytes.constData() + source->at, static_cast<std::size_t>(taken));
    source->at += taken;
    return taken;
}

sf_count_t Write(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t Tell(void* user)
{
    return static_cast<MemorySource*>(user)->at;
}

bool Playable(const SF_INFO& info)
{
    return info.samplerate >= TSoundFile::MinSampleRate && info.samplerate <= TSoundFile::MaxSampleRate
        && info.channels >= 1 && info.channels <= TSoundFile::MaxChannels;
}

void AppendAsInt16(QByteArray& pcm, const std::vector<float>& samples, std::size_t count)
{
    const qsizetype start = pcm.size();
    pcm.resize(start + static_cast<qsizetype>(count * sizeof(std::int16_t)));
    auto* out = reinterpret_cast<std::int16_t*>(pcm.data() + start);
    for (std::size_t i = 0; i < count; ++i) {
        // NaN and out-of-range floats in a broken file must not become noise.
        const float sample = std::isfinite(samples[i]) ? std::clamp(samples[i], -1.0F, 1.0F) : 0.0F;
        out[i] = static_cast<std::int16_t>(std::lrint(sample * FullScale));
    }
}

QByteArray ReadAll(SNDFILE* file, int channels)
{
    std::vector<float> block(static_cast<std::size_t>(FramesPerRead * channels));
    QByteArray pcm;
    for (;;) {
        const sf_count_t frames = sf_readf_float(file, block.data(), FramesPerRead);
        if (frames <= 0)
            break;
        AppendAsInt16(pcm, block, static_cast<std::size_t>(frames * channels));
        if (pcm.size() >= MaxPcmBytes)
            break;
    }
    return pcm;
}

QByteArray ReadRegularFile(const QString& path)
{
    // Opened without blocking, so that a FIFO or a device never waits for a
    // writer; only a regular file is read, and never beyond its size, so a
    // link to an endless device cannot fill the memory. QFile offers neither.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {};
    QByteArray bytes;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= MaxFileSize) {
        bytes.resize(static_cast<qsizetype>(status.st_size));
        qsizetype filled = 0;
        while (filled < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + filled, static_cast<std::size_t>(bytes.size() - filled));
            if (got <= 0)
                break;
            filled += got;
        }
        bytes.truncate(filled);
    }
    ::close(fd);
    return bytes;
}

}  // namespace

TSoundFile::TSoundFile(const QAudioFormat& audioFormat, QByteArray pcm)
    : format(audioFormat), samples(std::move(pcm))
{
}

std::optional<TSoundFile> TSoundFile::Load(const QString& path)
{
    return Decode(ReadRegularFile(path));
}

std::optional<TSoundFile> TSoundFile::Decode(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return std::nullopt;
    MemorySource source{bytes};
    SF_VIRTUAL_IO io{Length, Seek, Read, Write, Tell};
    SF_INFO info{};
    SNDFILE* file = sf_open_virtual(&io, SFM_READ, &info, &source);
    if (file == nullptr)
        return std::nullopt;
    QByteArray pcm;
    if (Playable(info))
        pcm = ReadAll(file, info.channels);
    sf_close(file);
    if (pcm.isEmpty())
        return std::nullopt;
    QAudioFormat audioFormat;
    audioFormat.setSampleRate(info.samplerate);
    audioFormat.setChannelCount(info.channels);
    audioFormat.setSampleFormat(QAudioFormat::Int16);
    return TSoundFile(audioFormat, std::move(pcm));
}

std::chrono::microseconds TSoundFile::Duration() const
{
    return std::chrono::microseconds(format.durationForBytes(static_cast<qint32>(samples.size())));
}
