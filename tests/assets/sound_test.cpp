// The standard sound: compiled in as a wave file every system plays, about a second
// long, loud without clipping, soft at both ends, and what tools/soundgen makes.
#include "core/artwork.h"
#include "core/wave_file.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

double decibels(double level)
{
    return 20 * std::log10(level);
}

struct Sound
{
    WaveHeader header;
    std::vector<float> samples;
};

Sound standardSound()
{
    QFile file(artwork::resource(artwork::standardSound));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const std::variant<WaveHeader, WaveProblem> header = readWaveHeader(file);
    EXPECT_TRUE(std::holds_alternative<WaveHeader>(header));
    if (!std::holds_alternative<WaveHeader>(header)) {
        return {};
    }
    Sound sound{.header = std::get<WaveHeader>(header), .samples = {}};
    const std::variant<SampleLayout, WaveProblem> layout = sampleLayout(sound.header);
    EXPECT_TRUE(std::holds_alternative<SampleLayout>(layout));
    if (const SampleLayout* samples = std::get_if<SampleLayout>(&layout)) {
        file.seek(samples->dataOffset);
        const QByteArray stored = file.read(samples->frameCount * samples->frameBytes());
        sound.samples.resize(std::size_t(samples->frameCount * samples->channels));
        decodeSamples(*samples, stored.constData(), samples->frameCount, sound.samples.data());
    }
    return sound;
}

TEST(StandardSound, IsAPlainWaveHeardAcrossARoomForAboutASecondWithoutClicks)
{
    const Sound sound = standardSound();
    ASSERT_FALSE(sound.samples.empty());
    // 16-bit mono with the plain header: every system plays it.
    EXPECT_EQ(sound.header.formatTag, 1);
    EXPECT_FALSE(sound.header.extensible);
    EXPECT_EQ(sound.header.channels, 1);
    EXPECT_EQ(sound.header.bitsPerSample, 16);
    const double rate = sound.header.sampleRate;
    const double seconds = double(sound.samples.size()) / rate;
    EXPECT_GE(seconds, 0.9);
    EXPECT_LE(seconds, 1.3);

    double peak = 0;
    double energy = 0;
    for (const float sample : sound.samples) {
        peak = std::max(peak, double(std::abs(sample)));
        energy += double(sample) * sample;
    }
    EXPECT_NEAR(decibels(peak), -3.0, 0.2);
    // Loud as a whole, not one loud click: within 12 dB of its peak over the whole sound.
    EXPECT_GT(decibels(std::sqrt(energy / double(sound.samples.size()))), -15.0);

    // It starts from silence and fades to it: no step at either end.
    const std::size_t edge = std::size_t(rate * 0.001);
    for (std::size_t i = 0; i < edge; ++i) {
        EXPECT_LT(std::abs(sound.samples[i]), 0.1) << "start " << i;
        EXPECT_LT(std::abs(sound.samples[sound.samples.size() - 1 - i]), 0.01) << "end " << i;
    }
}

TEST(StandardSound, IsWhatTheGeneratorMakes)
{
    QTemporaryDir folder;
    const QString made = folder.filePath(u"standard.wav"_s);
    ASSERT_EQ(QProcess::execute(QStringLiteral(SOUNDGEN_PROGRAM), {made}), 0);
    QFile generated(made);
    QFile compiledIn(artwork::resource(artwork::standardSound));
    ASSERT_TRUE(generated.open(QIODevice::ReadOnly));
    ASSERT_TRUE(compiledIn.open(QIODevice::ReadOnly));
    EXPECT_TRUE(generated.readAll() == compiledIn.readAll()) << "scripts/render-artwork makes it again";
}

} // namespace
