#include "platform/xdg/wave_stream.h"

#include <algorithm>
#include <cstring>

WaveStream::WaveStream(std::unique_ptr<QIODevice> file, const SampleLayout& layout)
    : file_(std::move(file)), layout_(layout), framesLeft_(layout.frameCount)
{
    if (!file_->seek(layout_.dataOffset)) {
        framesLeft_ = 0;
    }
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 WaveStream::bytesAvailable() const
{
    return framesLeft_ * layout_.channels * bytesPerSample + QIODevice::bytesAvailable();
}

qint64 WaveStream::readData(char* data, qint64 maxSize)
{
    const qint64 outFrameBytes = qint64(layout_.channels) * bytesPerSample;
    const qint64 wanted = std::min(maxSize / outFrameBytes, framesLeft_);
    if (wanted <= 0) {
        return 0;
    }
    stored_.resize(wanted * layout_.frameBytes());
    const qint64 read = file_->read(stored_.data(), stored_.size());
    const qint64 frames = std::max<qint64>(read, 0) / layout_.frameBytes();
    // A file that gives fewer samples than its header promised ends here.
    framesLeft_ = frames < wanted ? 0 : framesLeft_ - frames;
    decoded_.resize(std::size_t(frames * layout_.channels));
    decodeSamples(layout_, stored_.constData(), frames, decoded_.data());
    std::memcpy(data, decoded_.data(), std::size_t(frames * outFrameBytes));
    return frames * outFrameBytes;
}
