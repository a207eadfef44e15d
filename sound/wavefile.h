#pragma once

#include <chrono>
#include <optional>

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

// The samples of a RIFF WAVE file in a form an audio output takes as it is:
// integer PCM of 8, 16, 24 or 32 bits and 32-bit float, 24-bit widened to 32.
// Compressed encodings (ADPCM, mu-law, MP3 in WAV) are not understood.
class TWaveFile {
public:
    static std::optional<TWaveFile> Load(const QString& path);
    static std::optional<TWaveFile> Parse(const QByteArray& bytes);

    const QAudioFormat& Format() const { return format; }
    const QByteArray& Samples() const { return samples; }
    std::chrono::microseconds Duration() const;

private:
    TWaveFile(const QAudioFormat& audioFormat, QByteArray pcm);

    QAudioFormat format;
    QByteArray samples;
};
