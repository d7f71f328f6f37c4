#include "platform/xdg/sound_player.h"

#include "core/artwork.h"
#include "platform/xdg/wave_stream.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>

namespace {

// What the sound server holds ahead of what it plays: enough for a busy machine, and
// what it still has to play once the file is read to its end.
constexpr qint64 bufferMicroseconds = 250'000;
// The sound server's own latency on top, before the stream is let go.
constexpr int drainMarginMilliseconds = 150;

} // namespace

SoundPlayer::SoundPlayer()
{
    drainTimer_.setSingleShot(true);
    connect(&drainTimer_, &QTimer::timeout, this, &SoundPlayer::release);
}

SoundPlayer::~SoundPlayer()
{
    if (sink_) {
        sink_->disconnect(this);
    }
}

std::optional<WaveProblem> SoundPlayer::checkWave(const QString& path) const
{
    return readWaveProblem(path);
}

bool SoundPlayer::playWave(const QString& path)
{
    const std::variant<SampleLayout, WaveProblem> read = readSampleLayout(path);
    const SampleLayout* layout = std::get_if<SampleLayout>(&read);
    if (!layout) {
        return false;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(layout->sampleRate);
    format.setChannelCount(layout->channels);
    format.setSampleFormat(QAudioFormat::Float);
    if (!device.isFormatSupported(format)) {
        return false;
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        return false;
    }
    release();
    stream_ = std::make_unique<WaveStream>(std::move(file), *layout);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(format.bytesForDuration(bufferMicroseconds));
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this, format](QAudio::State state) {
        if (state == QAudio::StoppedState) {
            release();
        } else if (state == QAudio::IdleState && stream_->atEnd()) {
            // Idle as soon as the last samples are handed over: the server still has
            // up to its buffer to play.
            drainTimer_.start(int(format.durationForBytes(sink_->bufferSize()) / 1000) +
                              drainMarginMilliseconds);
        } else {
            drainTimer_.stop();
        }
    });
    sink_->start(stream_.get());
    // A sink that failed to start may have stopped, and so gone, already.
    if (!sink_ || sink_->error() != QAudio::NoError) {
        release();
        return false;
    }
    return true;
}

void SoundPlayer::stop()
{
    release();
}

// An audio stream left open keeps the audio system's threads waking the program
// several times a second: each sound is made when it is played and let go when it has
// played (possibly from inside its own signal, hence the later deletion).
void SoundPlayer::release()
{
    drainTimer_.stop();
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
        sink_.release()->deleteLater();
    }
    if (stream_) {
        stream_.release()->deleteLater();
    }
}

void SoundPlayer::beep()
{
    if (!playWave(artwork::resource(artwork::standardSound))) {
        QApplication::beep();
    }
}
