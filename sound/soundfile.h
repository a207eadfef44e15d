#pragma once

#include <chrono>
#include <optional>

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

// A sound file decoded into what every audio output takes: 16-bit signed
// samples, interleaved, at the file's own rate. Every encoding libsndfile
// reads counts (all WAV encodings, FLAC, Ogg Vorbis, Opus, ...). Layouts no
// output can play are refused, so they stay silent like any unreadable file.
class TSoundFile {
public:
    static constexpr int MinSampleRate = 8000;
    static constexpr int MaxSampleRate = 192000;
    static constexpr int MaxChannels = 8;

    // Reads only a regular file, never blocking and never past its size.
    static std::optional<TSoundFile> Load(const QString& path);
    static std::optional<TSoundFile> Decode(const QByteArray& bytes);

    const QAudioFormat& Format() const { return format; }
    const QByteArray& Samples() const { return samples; }
    std::chrono::microseconds Duration() const;

private:
    TSoundFile(const QAudioFormat& audioFormat, QByteArray pcm);

    QAudioFormat format;
    QByteArray samples;
};
