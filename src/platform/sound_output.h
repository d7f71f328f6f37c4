#pragma once

#include "core/wave_file.h"

#include <QString>
#include <optional>

// The desktop's sound output: one sound at a time, a later one replacing a sound still
// playing. makeSystemSound() (system_sound.h) gives this system's.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;

    // Starts playing a wave file once, in the background. Returns false, playing
    // nothing, when the file cannot be played (missing, unreadable, not a wave file this
    // system plays, no audio output).
    virtual bool playWave(const QString& path) = 0;
    // Why this system cannot play the wave file, or nothing when it can: asked when the
    // user chooses one.
    virtual std::optional<WaveProblem> checkWave(const QString& path) const = 0;
    // Stops the sound playing, if any.
    virtual void stop() = 0;
    // The standard sound, once.
    virtual void beep() = 0;
};
