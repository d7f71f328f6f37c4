#include "core/wave_file.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

constexpr quint16 integerTag = 1;
constexpr quint16 floatTag = 3;
constexpr quint16 extensibleTag = 0xFFFE;
// Every standard subformat of an extensible format is this GUID after its first two
// bytes, which are the format tag it stands for.
constexpr char standardSubformat[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";
constexpr qsizetype subformatTagAt = 24;
constexpr qsizetype extensibleSize = 40;
// A format chunk is 16 to 40 bytes; a codec's extra data beyond this is never needed.
constexpr qint64 maxFormatChunk = 4096;

quint16 le16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 le32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// The fields of a format chunk of at least 16 bytes; false when it contradicts itself.
bool readFormat(WaveHeader& header)
{
    const QByteArray& chunk = header.formatChunk;
    header.formatTag = le16(chunk, 0);
    header.channels = le16(chunk, 2);
    header.sampleRate = int(std::min<quint32>(le32(chunk, 4), INT_MAX));
    header.blockAlign = le16(chunk, 12);
    header.bitsPerSample = le16(chunk, 14);
    if (header.formatTag == extensibleTag) {
        header.extensible = true;
        if (chunk.size() < extensibleSize || le16(chunk, 16) < extensibleSize - 18) {
            return false;
        }
        const bool standard = std::memcmp(chunk.constData() + subformatTagAt + 2, standardSubformat,
                                          sizeof standardSubformat - 1) == 0;
        header.formatTag = standard ? le16(chunk, subformatTagAt) : 0;
    }
    return header.channels > 0 && header.blockAlign > 0;
}

float clipped(double sample)
{
    return std::isnan(sample) ? 0.0f : float(std::clamp(sample, -1.0, 1.0));
}

} // namespace

std::variant<WaveHeader, WaveProblem> readWaveHeader(QIODevice& file)
{
    if (!file.seek(0)) {
        return WaveProblem::Unreadable;
    }
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8) != "WAVE") {
        return WaveProblem::NotWave;
    }
    // The chunks in any order; a size past the end (a recording cut short, or one that
    // never wrote its sizes) ends at the end of the file.
    const qint64 fileSize = file.size();
    WaveHeader header;
    bool haveFormat = false;
    bool haveData = false;
    for (qint64 at = 12; !(haveFormat && haveData) && at + 8 <= fileSize;) {
        if (!file.seek(at)) {
            break;
        }
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) {
            break;
        }
        const qint64 size = le32(chunk, 4);
        const qint64 body = at + 8;
        if (chunk.startsWith("fmt ") && !haveFormat) {
            header.formatChunk = file.read(std::min(size, maxFormatChunk));
            if (size < 16 || header.formatChunk.size() < 16 || !readFormat(header)) {
                return WaveProblem::Damaged;
            }
            haveFormat = true;
        } else if (chunk.startsWith("data") && !haveData) {
            header.dataOffset = body;
            header.dataSize = std::min(size, fileSize - body);
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData) {
        return WaveProblem::Damaged;
    }
    if (header.dataSize < header.blockAlign) {
        return WaveProblem::NoSound;
    }
    return header;
}

std::variant<WaveHeader, WaveProblem> readWaveHeader(const QString& path)
{
    // Opening a pipe or a device would wait for a writer, or read without end.
    if (!QFileInfo(path).isFile()) {
        return WaveProblem::Unreadable;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return WaveProblem::Unreadable;
    }
    return readWaveHeader(file);
}

std::variant<SampleLayout, WaveProblem> sampleLayout(const WaveHeader& header)
{
    using Kind = SampleLayout::Kind;
    Kind kind;
    if (header.formatTag == integerTag) {
        kind = Kind::Integer;
    } else if (header.formatTag == floatTag) {
        kind = Kind::Float;
    } else {
        return WaveProblem::Encoding;
    }
    if (header.channels > wave_limits::maxChannels) {
        return WaveProblem::Channels;
    }
    // Samples of fewer bits than their bytes hold them in the high bits, so that they
    // decode as samples of the whole bytes.
    const int bytes = (header.bitsPerSample + 7) / 8;
    if (bytes == 0 || header.blockAlign != bytes * header.channels) {
        return WaveProblem::Damaged;
    }
    const bool sizeKnown = kind == Kind::Integer ? bytes <= wave_limits::maxIntegerBytes
                                                 : header.bitsPerSample == bytes * 8 &&
                                                       std::ranges::find(wave_limits::floatBytes, bytes) !=
                                                           std::end(wave_limits::floatBytes);
    if (!sizeKnown) {
        return WaveProblem::SampleSize;
    }
    if (header.sampleRate < wave_limits::minSampleRate || header.sampleRate > wave_limits::maxSampleRate) {
        return WaveProblem::SampleRate;
    }
    return SampleLayout{
        .kind = kind,
        .bytesPerSample = bytes,
        .channels = header.channels,
        .sampleRate = header.sampleRate,
        .dataOffset = header.dataOffset,
        .frameCount = header.dataSize / header.blockAlign,
    };
}

std::variant<SampleLayout, WaveProblem> readSampleLayout(const QString& path)
{
    std::variant<WaveHeader, WaveProblem> header = readWaveHeader(path);
    if (const WaveProblem* problem = std::get_if<WaveProblem>(&header)) {
        return *problem;
    }
    return sampleLayout(std::get<WaveHeader>(header));
}

std::optional<WaveProblem> readWaveProblem(const QString& path)
{
    const std::variant<SampleLayout, WaveProblem> layout = readSampleLayout(path);
    if (const WaveProblem* problem = std::get_if<WaveProblem>(&layout)) {
        return *problem;
    }
    return std::nullopt;
}

void decodeSamples(const SampleLayout& layout, const char* in, qint64 frames, float* out)
{
    const qint64 count = frames * layout.channels;
    const auto* bytes = reinterpret_cast<const uchar*>(in);
    const int size = layout.bytesPerSample;
    for (qint64 i = 0; i < count; ++i, bytes += size) {
        if (layout.kind == SampleLayout::Kind::Float) {
            out[i] = size == 4 ? clipped(std::bit_cast<float>(qFromLittleEndian<quint32>(bytes)))
                               : clipped(std::bit_cast<double>(qFromLittleEndian<quint64>(bytes)));
            continue;
        }
        switch (size) {
        case 1: // 8 bits are unsigned, silence at 128
            out[i] = float(int(bytes[0]) - 128) / 128.0f;
            break;
        case 2:
            out[i] = float(qFromLittleEndian<qint16>(bytes)) / 32768.0f;
            break;
        case 3: {
            const qint32 value = qint32(quint32(bytes[0]) | quint32(bytes[1]) << 8 | quint32(bytes[2]) << 16);
            out[i] = float((value ^ 0x800000) - 0x800000) / 8388608.0f;
            break;
        }
        default:
            out[i] = float(double(qFromLittleEndian<qint32>(bytes)) / 2147483648.0);
            break;
        }
    }
}
