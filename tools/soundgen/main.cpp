// soundgen: makes the program's standard sound, a two-note chime, as a wave file.
//
//   soundgen FILE      write the chime to FILE (16-bit mono PCM, 44.1 kHz)
//
// The same computation gives the same bytes on every run: the file is committed under
// assets/ and compiled into the program; scripts/render-artwork makes it again.
#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int sampleRate = 44100;
constexpr double seconds = 1.15;
// Loud enough to be heard across a room, with room left below full scale.
constexpr double peakDecibels = -3.0;
// Soft start and end, so that neither clicks.
constexpr double attackSeconds = 0.006;
constexpr double fadeOutSeconds = 0.12;

// A bell-like note: its strike, pitch and how fast it dies away.
struct Note
{
    double start;
    double frequency;
    double decaySeconds; // to 1/e
};
// "Pin-pon": A5, then F5 a major third below, which rings on.
constexpr Note notes[] = {
    {0.0, 880.0, 0.28},
    {0.36, 698.46, 0.42},
};

// Each note's partials: the fundamental and a soft octave and twelfth that fade
// sooner, as a struck bar's do, and a faint inharmonic shimmer.
struct Partial
{
    double ratio;
    double level;
    double decayFactor; // of the note's decay time
};
constexpr Partial partials[] = {
    {1.0, 1.0, 1.0},
    {2.0, 0.32, 0.55},
    {3.0, 0.10, 0.35},
    {4.16, 0.04, 0.25},
};

std::vector<double> chime()
{
    const int count = int(std::lround(seconds * sampleRate));
    std::vector<double> samples(std::size_t(count), 0.0);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / sampleRate;
        double sum = 0.0;
        for (const Note& note : notes) {
            const double since = t - note.start;
            if (since < 0) {
                continue;
            }
            const double attack = std::min(1.0, since / attackSeconds);
            for (const Partial& partial : partials) {
                sum += partial.level * attack * std::exp(-since / (note.decaySeconds * partial.decayFactor)) *
                       std::sin(2 * std::numbers::pi * note.frequency * partial.ratio * since);
            }
        }
        const double left = seconds - t;
        const double fade =
            left < fadeOutSeconds ? 0.5 - 0.5 * std::cos(std::numbers::pi * left / fadeOutSeconds) : 1.0;
        samples[std::size_t(i)] = sum * fade;
    }
    const double peak = std::ranges::max(samples, {}, [](double s) { return std::abs(s); });
    const double gain = std::pow(10.0, peakDecibels / 20.0) / std::abs(peak);
    for (double& sample : samples) {
        sample *= gain;
    }
    return samples;
}

void append16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void append32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// A plain PCM wave file, the layout every system plays.
QByteArray waveFile(const std::vector<double>& samples)
{
    const quint32 dataSize = quint32(samples.size() * 2);
    QByteArray out;
    out.append("RIFF");
    append32(out, 36 + dataSize);
    out.append("WAVEfmt ");
    append32(out, 16);
    append16(out, 1); // integer PCM
    append16(out, 1); // mono
    append32(out, sampleRate);
    append32(out, sampleRate * 2);
    append16(out, 2);
    append16(out, 16);
    out.append("data");
    append32(out, dataSize);
    for (const double sample : samples) {
        append16(out, quint16(qint16(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0))));
    }
    return out;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen FILE.wav\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray bytes = waveFile(chime());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "soundgen: cannot write %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    std::printf("soundgen: %s, %.2f s\n", argv[1], seconds);
    return 0;
}
