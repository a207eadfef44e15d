#pragma once

#include <cstdint>

#include <QByteArray>
#include <QString>

// Sound files made up by the tests themselves.
namespace wavebytes {

inline constexpr std::uint16_t Pcm = 1;
inline constexpr std::uint16_t Adpcm = 2;
inline constexpr std::uint16_t Float = 3;
inline constexpr std::uint16_t Extensible = 0xFFFE;

struct Layout {
    std::uint16_t encoding = Pcm;
    int channels = 1;
    int sampleRate = 44100;
    int bitsPerSample = 16;
};

// A RIFF WAVE file: "fmt " for the layout, any extra chunks, then "data".
QByteArray Wave(const Layout& layout, const QByteArray& data, const QByteArray& chunksBeforeData = {});

// One chunk with its header and the padding byte of an odd length.
QByteArray Chunk(const char* id, const QByteArray& body);

// A sine tone at half of full scale, the same on every channel; 8 to 32-bit
// integer PCM or 32-bit float.
QByteArray Tone(double seconds, double hertz, const Layout& layout = {});

// The same tone in any format libsndfile writes (SF_FORMAT_* major | minor),
// e.g. mu-law WAV, FLAC or Ogg Opus. Empty when libsndfile cannot write it.
QByteArray EncodedTone(int format, int sampleRate, int channels, double seconds, double hertz);

bool WriteFile(const QString& path, const QByteArray& bytes);

}
