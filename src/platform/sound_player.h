#pragma once

#include <QBuffer>
#include <QObject>
#include <memory>

class QAudioSink;
class QSoundEffect;

// Plays wave files and the standard sound through the audio output. The standard
// sound is a short chime made here, since the desktop bell is silent on most Linux
// desktops; without an audio output it falls back to that bell. Nothing of the audio
// system is touched before the first sound, and no stream stays open after one.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    SoundPlayer();
    ~SoundPlayer() override;

    bool playWave(const QString& path);
    void stop();
    void beep();

    // The standard sound's samples: 16-bit signed mono PCM at chimeSampleRate.
    static QByteArray chimeSamples();
    static constexpr int chimeSampleRate = 22050;

private:
    void releaseWave();
    void releaseChime();

    std::unique_ptr<QSoundEffect> wave_;
    std::unique_ptr<QAudioSink> chimeSink_;
    QBuffer chime_;
};
