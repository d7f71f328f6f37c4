#pragma once

#include "core/wave_file.h"

#include <QByteArray>
#include <QIODevice>
#include <memory>
#include <vector>

// A wave file's samples as 32-bit floats, the channels interleaved, decoded from the
// file as the audio output asks for them: a long file is never held whole. It ends
// where the file's samples end, before any chunk that follows them.
class WaveStream final : public QIODevice
{
public:
    // `file` is open; `layout` is the one its header gave.
    WaveStream(std::unique_ptr<QIODevice> file, const SampleLayout& layout);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool atEnd() const override { return framesLeft_ == 0; }

    static constexpr int bytesPerSample = int(sizeof(float));

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::unique_ptr<QIODevice> file_;
    SampleLayout layout_;
    qint64 framesLeft_;
    QByteArray stored_;
    std::vector<float> decoded_;
};
