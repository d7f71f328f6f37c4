// The wave file reader: any header it takes describes samples that lie inside the file,
// and they decode to floats from -1 to 1.
#include "core/wave_file.h"
#include "fuzz_support.h"

#include <QBuffer>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer file(&bytes);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    const std::variant<WaveHeader, WaveProblem> header = readWaveHeader(file);
    const WaveHeader* read = std::get_if<WaveHeader>(&header);
    if (!read) {
        return 0;
    }
    FUZZ_CHECK(read->dataOffset >= 12 && read->dataOffset + read->dataSize <= bytes.size());
    FUZZ_CHECK(read->dataSize >= read->blockAlign && read->blockAlign > 0 && read->channels > 0);
    const std::variant<SampleLayout, WaveProblem> layout = sampleLayout(*read);
    const SampleLayout* samples = std::get_if<SampleLayout>(&layout);
    if (!samples) {
        return 0;
    }
    FUZZ_CHECK(samples->frameCount > 0);
    FUZZ_CHECK(samples->dataOffset + samples->frameCount * samples->frameBytes() <= bytes.size());
    std::vector<float> decoded(std::size_t(samples->frameCount * samples->channels));
    decodeSamples(*samples, bytes.constData() + samples->dataOffset, samples->frameCount, decoded.data());
    for (const float sample : decoded) {
        FUZZ_CHECK(sample >= -1.0f && sample <= 1.0f);
    }
    return 0;
}
