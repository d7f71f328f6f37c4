#pragma once

#include "core/wave_file.h"

#include <QBuffer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

class QAudioSink;
class WaveStream;

// Plays wave files and the standard sound through the audio output. It decodes the
// files itself, so that it plays every layout of core/wave_file.h whatever the audio
// system takes. The standard sound is a short chime made here, since the desktop bell is
// silent on most Linux desktops; without an audio output it falls back to that bell.
// Nothing of the audio system is touched before the first sound, and no stream stays
// open after one.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    SoundPlayer();
    ~SoundPlayer() override;

    // False, playing nothing, when the file cannot be played or there is no audio output.
    bool playWave(const QString& path);
    // Why the file cannot be played, judged from the file alone.
    std::optional<WaveProblem> checkWave(const QString& path) const;
    void stop();
    void beep();

    // The standard sound's samples: 16-bit signed mono PCM at chimeSampleRate.
    static QByteArray chimeSamples();
    static constexpr int chimeSampleRate = 22050;

private:
    void release();
    void releaseChime();

    QTimer drainTimer_;
    std::unique_ptr<WaveStream> stream_;
    std::unique_ptr<QAudioSink> sink_; // reads stream_: goes first
    std::unique_ptr<QAudioSink> chimeSink_;
    QBuffer chime_;
};
