#include "platform/sound_player.h"

#include "platform/wave_file.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <cmath>
#include <numbers>

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::playWave(const QString& path)
{
    if (!looksLikeWave(path)) {
        return false;
    }
    releaseWave();
    wave_ = std::make_unique<QSoundEffect>();
    connect(wave_.get(), &QSoundEffect::statusChanged, this, [this] {
        if (wave_->status() == QSoundEffect::Error) {
            releaseWave();
            beep();
        }
    });
    connect(wave_.get(), &QSoundEffect::playingChanged, this, [this] {
        if (!wave_->isPlaying()) {
            releaseWave();
        }
    });
    wave_->setSource(QUrl::fromLocalFile(path));
    wave_->play();
    return true;
}

void SoundPlayer::stop()
{
    releaseWave();
}

// An audio stream left open keeps the audio system's threads waking the program
// several times a second: each sound is made when it is played and let go when it
// ends (possibly from inside its own signal, hence the later deletion).
void SoundPlayer::releaseWave()
{
    if (wave_) {
        wave_->disconnect(this);
        wave_->stop();
        wave_.release()->deleteLater();
    }
}

void SoundPlayer::releaseChime()
{
    if (chimeSink_) {
        chimeSink_->disconnect(this);
        chimeSink_->stop();
        chimeSink_.release()->deleteLater();
    }
}

QByteArray SoundPlayer::chimeSamples()
{
    // Two soft sine partials that fade out: a short, friendly "pon".
    constexpr double seconds = 0.35;
    const int count = int(chimeSampleRate * seconds);
    QByteArray samples(count * 2, Qt::Uninitialized);
    auto* out = reinterpret_cast<qint16*>(samples.data());
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / chimeSampleRate;
        const double attack = std::min(1.0, t / 0.005);
        const double envelope = attack * std::exp(-t * 9.0);
        const double wave = 0.7 * std::sin(2 * std::numbers::pi * 880.0 * t) +
                            0.3 * std::sin(2 * std::numbers::pi * 1320.0 * t);
        out[i] = qint16(std::lround(wave * envelope * 0.45 * 32767));
    }
    return samples;
}

void SoundPlayer::beep()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        QApplication::beep();
        return;
    }
    QAudioFormat format;
    format.setSampleRate(chimeSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        QApplication::beep();
        return;
    }
    releaseChime();
    if (chime_.data().isEmpty()) {
        chime_.setData(chimeSamples());
    }
    chime_.close();
    chime_.open(QIODevice::ReadOnly);
    chimeSink_ = std::make_unique<QAudioSink>(device, format);
    connect(chimeSink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState) {
            releaseChime();
        }
    });
    chimeSink_->start(&chime_);
    // A sink that failed to start may have stopped, and so gone, already.
    if (!chimeSink_ || chimeSink_->error() != QAudio::NoError) {
        releaseChime();
        QApplication::beep();
    }
}
