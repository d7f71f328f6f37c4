#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <variant>

class QIODevice;

// Why a file cannot be an alarm's sound, from the first reason found.
enum class WaveProblem
{
    Unreadable, // missing, a folder or a device, or not to be opened
    NotWave,    // no RIFF wave header
    Damaged,    // its format or its samples missing, or a format that contradicts itself
    NoSound,    // not one whole sample frame
    Encoding,   // compressed, or an encoding the system cannot play
    Channels,
    SampleSize,
    SampleRate,
};

// A wave file's header: its format chunk and where its samples lie.
struct WaveHeader
{
    // The encoding (1 integer PCM, 3 IEEE float, others compressed); for an extensible
    // format, its subformat's, or 0 for a subformat that names none.
    quint16 formatTag = 0;
    bool extensible = false;
    int channels = 0;
    int sampleRate = 0;
    int blockAlign = 0;    // bytes per frame of all channels
    int bitsPerSample = 0; // as stored: the container's size
    // The format chunk as stored, for a system that judges it whole.
    QByteArray formatChunk;
    qint64 dataOffset = 0;
    qint64 dataSize = 0; // no more than the file holds
};

// Reads the header of the RIFF wave file in `file` (open, random access).
std::variant<WaveHeader, WaveProblem> readWaveHeader(QIODevice& file);
// The same for the file at `path`: only a regular file is opened.
std::variant<WaveHeader, WaveProblem> readWaveHeader(const QString& path);

// The sample layouts the program decodes itself: integer PCM of 8 (unsigned) to 32
// bits and IEEE float of 32 or 64 bits, little-endian, in mono or stereo, at the rates
// people record at.
namespace wave_limits {
inline constexpr int maxChannels = 2;
inline constexpr int minSampleRate = 8000;
inline constexpr int maxSampleRate = 192000;
inline constexpr int maxIntegerBytes = 4;
inline constexpr int floatBytes[] = {4, 8};
} // namespace wave_limits

struct SampleLayout
{
    enum class Kind
    {
        Integer,
        Float
    };
    Kind kind = Kind::Integer;
    int bytesPerSample = 2;
    int channels = 1;
    int sampleRate = 0;
    qint64 dataOffset = 0;
    qint64 frameCount = 0;

    int frameBytes() const { return bytesPerSample * channels; }
};

// How the program decodes the samples of `header`, or why it cannot.
std::variant<SampleLayout, WaveProblem> sampleLayout(const WaveHeader& header);
// Both steps for the file at `path`.
std::variant<SampleLayout, WaveProblem> readSampleLayout(const QString& path);
// Why the file at `path` cannot be played, or nothing when it can.
std::optional<WaveProblem> readWaveProblem(const QString& path);

// Converts `frames` frames as `layout` stores them to 32-bit floats from -1 to 1, the
// channels interleaved as in the file. Floats outside that range are clipped, and a
// float that is no number is silence.
void decodeSamples(const SampleLayout& layout, const char* in, qint64 frames, float* out);
