#pragma once

#include "platform/sound_output.h"

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

class QAudioSink;
class WaveStream;

// Plays wave files and the standard sound (a wave file compiled into the program)
// through the audio output, one at a time: a later sound replaces one still playing. It
// decodes the files itself, so that it plays every layout of core/wave_file.h whatever
// the audio system takes. Without an audio output the standard sound falls back to the
// desktop's bell. Nothing of the audio system is touched before the first sound, and no
// stream stays open after one.
class SoundPlayer final : public QObject, public SoundOutput
{
    Q_OBJECT

public:
    SoundPlayer();
    ~SoundPlayer() override;

    // False, playing nothing, when the file cannot be played or there is no audio output.
    bool playWave(const QString& path) override;
    // Why the file cannot be played, judged from the file alone.
    std::optional<WaveProblem> checkWave(const QString& path) const override;
    void stop() override;
    void beep() override;

private:
    void release();

    QTimer drainTimer_;
    std::unique_ptr<WaveStream> stream_;
    std::unique_ptr<QAudioSink> sink_; // reads stream_: goes first
};
