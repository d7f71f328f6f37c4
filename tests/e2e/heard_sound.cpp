// Compares a recording of the sound server's output (raw 16-bit mono at 44.1 kHz) with
// the sound that was meant, a 16-bit wave file: heard from its start to its end (not cut
// short), as loud, and at the same pitch where it starts. Prints both and exits 1 when
// they differ.
#include "core/wave_file.h"

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <vector>

namespace {

constexpr int recordingRate = 44100;
// Where a sound begins and ends: above -40 dBFS.
constexpr double audible = 0.01;

struct Heard
{
    double seconds = 0;
    double peakDecibels = -200;
    double frequency = 0; // the strongest over its first fifth of a second
};

double strength(const std::vector<double>& samples, std::size_t from, std::size_t count, double frequency,
                int rate)
{
    // Goertzel's single-frequency transform.
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / rate);
    double previous = 0;
    double beforeThat = 0;
    for (std::size_t i = from; i < from + count && i < samples.size(); ++i) {
        const double current = samples[i] + coefficient * previous - beforeThat;
        beforeThat = previous;
        previous = current;
    }
    return previous * previous + beforeThat * beforeThat - coefficient * previous * beforeThat;
}

std::optional<Heard> measure(const std::vector<double>& samples, int rate)
{
    std::optional<std::size_t> first;
    std::size_t last = 0;
    Heard heard;
    double peak = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(samples[i]) > audible) {
            first = first.value_or(i);
            last = i;
        }
        peak = std::max(peak, std::abs(samples[i]));
    }
    if (!first) {
        return std::nullopt;
    }
    heard.seconds = double(last - *first) / rate;
    heard.peakDecibels = 20 * std::log10(peak);
    double best = 0;
    for (double frequency = 100; frequency <= 4000; frequency += 2) {
        const double s = strength(samples, *first, std::size_t(rate / 5), frequency, rate);
        if (s > best) {
            best = s;
            heard.frequency = frequency;
        }
    }
    return heard;
}

std::vector<double> recording(const QString& path)
{
    QFile file(path);
    std::vector<double> samples;
    if (!file.open(QIODevice::ReadOnly)) {
        return samples;
    }
    const QByteArray bytes = file.readAll();
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        samples.push_back(qFromLittleEndian<qint16>(bytes.constData() + i) / 32768.0);
    }
    return samples;
}

std::vector<double> meant(const QString& path, int& rate)
{
    std::vector<double> samples;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return samples;
    }
    const std::variant<WaveHeader, WaveProblem> header = readWaveHeader(file);
    if (!std::holds_alternative<WaveHeader>(header)) {
        return samples;
    }
    const std::variant<SampleLayout, WaveProblem> read = sampleLayout(std::get<WaveHeader>(header));
    const SampleLayout* layout = std::get_if<SampleLayout>(&read);
    if (!layout || layout->channels != 1) {
        return samples;
    }
    rate = layout->sampleRate;
    file.seek(layout->dataOffset);
    const QByteArray stored = file.read(layout->frameCount * layout->frameBytes());
    std::vector<float> decoded(std::size_t(layout->frameCount));
    decodeSamples(*layout, stored.constData(), layout->frameCount, decoded.data());
    return {decoded.begin(), decoded.end()};
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: heard_sound RECORDING.raw MEANT.wav\n");
        return 2;
    }
    int rate = 0;
    const std::optional<Heard> heard = measure(recording(QString::fromLocal8Bit(argv[1])), recordingRate);
    const std::vector<double> meantSamples = meant(QString::fromLocal8Bit(argv[2]), rate);
    const std::optional<Heard> expected = measure(meantSamples, rate);
    if (!expected) {
        std::fprintf(stderr, "%s is no 16-bit mono wave file with a sound\n", argv[2]);
        return 2;
    }
    std::printf("meant: %.3f s, peak %.1f dBFS, %.0f Hz\n", expected->seconds, expected->peakDecibels,
                expected->frequency);
    if (!heard) {
        std::printf("heard: nothing\n");
        return 1;
    }
    std::printf("heard: %.3f s, peak %.1f dBFS, %.0f Hz\n", heard->seconds, heard->peakDecibels,
                heard->frequency);
    const bool same = std::abs(heard->seconds - expected->seconds) < 0.05 &&
                      std::abs(heard->peakDecibels - expected->peakDecibels) < 1.0 &&
                      std::abs(heard->frequency - expected->frequency) <= expected->frequency * 0.01;
    return same ? 0 : 1;
}
