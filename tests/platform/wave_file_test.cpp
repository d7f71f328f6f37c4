// The wave file reader: headers as sound editors write them (and as they get broken),
// and the samples of every layout it decodes.
#include "core/wave_file.h"
#include "support/wave_bytes.h"

#include <QBuffer>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace wave_bytes;

using Layout = SampleLayout::Kind;

struct HeaderCase
{
    const char* what;
    QByteArray file;
    // The layout's kind, bytes per sample, channels, rate, where its samples start
    // and how many frames; or the problem.
    std::variant<SampleLayout, WaveProblem> expected;
};

SampleLayout layout(Layout kind, int bytes, int channels, int rate, qint64 offset, qint64 frames)
{
    return SampleLayout{.kind = kind,
                        .bytesPerSample = bytes,
                        .channels = channels,
                        .sampleRate = rate,
                        .dataOffset = offset,
                        .frameCount = frames};
}

// A plain header's samples start at 44, an extensible one's at 68.
const HeaderCase headerCases[] = {
    {"16-bit stereo", riff(plainFormat({}) + samples(400)), layout(Layout::Integer, 2, 2, 44100, 44, 100)},
    {"8-bit mono at 8 kHz", riff(plainFormat({.channels = 1, .rate = 8000, .bits = 8}) + samples(9)),
     layout(Layout::Integer, 1, 1, 8000, 44, 9)},
    {"24-bit extensible", riff(extensibleFormat({.bits = 24}) + samples(60)),
     layout(Layout::Integer, 3, 2, 44100, 68, 10)},
    {"32-bit extensible", riff(extensibleFormat({.channels = 1, .rate = 48000, .bits = 32}) + samples(40)),
     layout(Layout::Integer, 4, 1, 48000, 68, 10)},
    {"float extensible", riff(extensibleFormat({.tag = 3, .bits = 32}) + samples(80)),
     layout(Layout::Float, 4, 2, 44100, 68, 10)},
    {"64-bit float, plain",
     riff(plainFormat({.tag = 3, .channels = 1, .rate = 96000, .bits = 64}) + samples(80)),
     layout(Layout::Float, 8, 1, 96000, 44, 10)},
    {"12 bits held in 16", riff(plainFormat({.channels = 1, .bits = 12}) + samples(20)),
     layout(Layout::Integer, 2, 1, 44100, 44, 10)},
    {"odd chunk before the samples", riff(plainFormat({}) + chunk("LIST", QByteArray(5, 'x')) + samples(8)),
     layout(Layout::Integer, 2, 2, 44100, 44 + 14, 2)},
    {"samples before the format", riff(samples(8) + plainFormat({})),
     layout(Layout::Integer, 2, 2, 44100, 20, 2)},
    {"size past the end", riff(plainFormat({}) + chunk("data", QByteArray(10, '\x01'), 0xFFFFFFFF)),
     layout(Layout::Integer, 2, 2, 44100, 44, 2)},
    {"part of a frame at the end", riff(plainFormat({}) + samples(7)),
     layout(Layout::Integer, 2, 2, 44100, 44, 1)},

    {"text named .wav", "not a sound\r\n", WaveProblem::NotWave},
    {"big-endian RIFX", "RIFX" + riff(plainFormat({}) + samples(4)).mid(4), WaveProblem::NotWave},
    {"cut inside the header", riff(plainFormat({})).left(10), WaveProblem::NotWave},
    {"no samples chunk", riff(plainFormat({})), WaveProblem::Damaged},
    {"no format chunk", riff(samples(8)), WaveProblem::Damaged},
    {"format cut short", riff(chunk("fmt ", QByteArray(14, '\x01')) + samples(8)), WaveProblem::Damaged},
    {"format past the end", riff(plainFormat({})).left(30), WaveProblem::Damaged},
    {"no channels", riff(plainFormat({.channels = 0, .blockAlign = 2}) + samples(8)), WaveProblem::Damaged},
    {"frame size against the bits", riff(plainFormat({.blockAlign = 6}) + samples(12)), WaveProblem::Damaged},
    {"extensible cut short", riff(chunk("fmt ", plainFormat({.tag = 0xFFFE}).mid(8)) + samples(8)),
     WaveProblem::Damaged},
    {"empty samples", riff(plainFormat({}) + samples(0)), WaveProblem::NoSound},
    {"less than a frame", riff(plainFormat({}) + samples(3)), WaveProblem::NoSound},
    {"u-law", riff(plainFormat({.tag = 7, .bits = 8}) + samples(8)), WaveProblem::Encoding},
    {"ADPCM", riff(plainFormat({.tag = 2, .bits = 4, .blockAlign = 512}) + samples(512)),
     WaveProblem::Encoding},
    {"extensible of another codec", riff(extensibleFormat({.bits = 24}, false) + samples(60)),
     WaveProblem::Encoding},
    {"three channels", riff(extensibleFormat({.channels = 3, .bits = 24}) + samples(90)),
     WaveProblem::Channels},
    {"40-bit integers", riff(plainFormat({.bits = 40}) + samples(100)), WaveProblem::SampleSize},
    {"16-bit floats", riff(plainFormat({.tag = 3, .bits = 16}) + samples(100)), WaveProblem::SampleSize},
    {"4 kHz", riff(plainFormat({.rate = 4000}) + samples(100)), WaveProblem::SampleRate},
    {"384 kHz", riff(plainFormat({.rate = 384000}) + samples(100)), WaveProblem::SampleRate},
};

TEST(WaveFile, HeadersGiveTheirSampleLayoutOrWhyNot)
{
    for (const HeaderCase& c : headerCases) {
        SCOPED_TRACE(c.what);
        QByteArray bytes = c.file;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        std::variant<SampleLayout, WaveProblem> actual = WaveProblem::Unreadable;
        const std::variant<WaveHeader, WaveProblem> header = readWaveHeader(buffer);
        if (const WaveHeader* read = std::get_if<WaveHeader>(&header)) {
            actual = sampleLayout(*read);
        } else {
            actual = std::get<WaveProblem>(header);
        }
        if (const WaveProblem* problem = std::get_if<WaveProblem>(&c.expected)) {
            EXPECT_TRUE(std::holds_alternative<WaveProblem>(actual) &&
                        std::get<WaveProblem>(actual) == *problem);
            continue;
        }
        if (!std::holds_alternative<SampleLayout>(actual)) {
            ADD_FAILURE() << "refused: " << int(std::get<WaveProblem>(actual));
            continue;
        }
        const SampleLayout& want = std::get<SampleLayout>(c.expected);
        const SampleLayout& got = std::get<SampleLayout>(actual);
        EXPECT_EQ(got.kind, want.kind);
        EXPECT_EQ(got.bytesPerSample, want.bytesPerSample);
        EXPECT_EQ(got.channels, want.channels);
        EXPECT_EQ(got.sampleRate, want.sampleRate);
        EXPECT_EQ(got.dataOffset, want.dataOffset);
        EXPECT_EQ(got.frameCount, want.frameCount);
    }
}

struct SampleCase
{
    Layout kind;
    int bytes;
    QByteArray stored;
    std::vector<float> decoded;
};

TEST(WaveFile, EveryLayoutDecodesToFloatsFromMinusOneToOne)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const auto asBytes = [](auto value) {
        QByteArray bytes(sizeof value, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    };
    const SampleCase cases[] = {
        // 8 bits are unsigned around 128.
        {Layout::Integer, 1, QByteArray("\x00\x80\xFF\x40", 4), {-1.0f, 0.0f, 127 / 128.0f, -0.5f}},
        {Layout::Integer,
         2,
         QByteArray("\x00\x80\x00\x00\xFF\x7F\x00\xC0", 8),
         {-1.0f, 0.0f, 32767 / 32768.0f, -0.5f}},
        {Layout::Integer,
         3,
         QByteArray("\x00\x00\x80\xFF\xFF\xFF\xFF\xFF\x7F\x00\x00\x40", 12),
         {-1.0f, -1 / 8388608.0f, 8388607 / 8388608.0f, 0.5f}},
        {Layout::Integer,
         4,
         QByteArray("\x00\x00\x00\x80\x00\x00\x00\x00\x00\x00\x00\x40", 12),
         {-1.0f, 0.0f, 0.5f}},
        // Floats beyond full scale are clipped; one that is no number is silence.
        {Layout::Float, 4, asBytes(-0.25f) + asBytes(2.0f) + asBytes(nan), {-0.25f, 1.0f, 0.0f}},
        {Layout::Float,
         8,
         asBytes(0.125) + asBytes(-3.0) + asBytes(std::numeric_limits<double>::infinity()),
         {0.125f, -1.0f, 1.0f}},
    };
    for (const SampleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.kind == Layout::Float ? "float " : "integer ") << c.bytes);
        const SampleLayout layout{.kind = c.kind, .bytesPerSample = c.bytes, .channels = 1};
        std::vector<float> decoded(c.decoded.size(), 99.0f);
        decodeSamples(layout, c.stored.constData(), qint64(decoded.size()), decoded.data());
        EXPECT_EQ(decoded, c.decoded);
    }
}

} // namespace
