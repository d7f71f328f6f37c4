#include "platform/sound_player.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <cmath>
#include <numbers>

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::looksLikeWave(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray header = file.read(12);
    return header.size() == 12 && header.startsWith("RIFF") && header.mid(8, 4) == "WAVE";
}

bool SoundPlayer::playWave(const QString& path)
{
    if (!looksLikeWave(path)) {
        return false;
    }
    if (!wave_) {
        // Made on first use: a clock that never plays a wave file keeps no audio stream open.
        wave_ = std::make_unique<QSoundEffect>();
        connect(wave_.get(), &QSoundEffect::statusChanged, this, [this] {
            if (wave_->status() == QSoundEffect::Error) {
                beep();
            }
        });
    }
    wave_->stop();
    wave_->setSource(QUrl::fromLocalFile(path));
    wave_->play();
    return true;
}

void SoundPlayer::stop()
{
    if (wave_) {
        wave_->stop();
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
    if (!chimeSink_) {
        chimeSink_ = std::make_unique<QAudioSink>(device, format);
        chime_.setData(chimeSamples());
    }
    chimeSink_->stop();
    chime_.close();
    chime_.open(QIODevice::ReadOnly);
    chimeSink_->start(&chime_);
    if (chimeSink_->error() != QAudio::NoError) {
        QApplication::beep();
    }
}
