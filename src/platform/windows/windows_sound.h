#pragma once

#include "platform/sound_output.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Plays wave files and the standard sound (a wave file compiled into the program)
// through Windows' own calls: no audio framework, one sound at a time, and no stream
// held open between sounds. Windows decodes the files, so Windows judges which it plays.
class WindowsSound final : public SoundOutput
{
public:
    // The calls made of Windows, as PlaySoundW (a sound name or a wave file in memory,
    // null to stop, and its flags), MessageBeep (its sound type) and waveOutOpen asked
    // whether a wave format plays (true or false; nothing when no output device can
    // say) take them; tests put recorders in their place.
    struct Calls
    {
        std::function<bool(const wchar_t* sound, unsigned long flags)> playSound;
        std::function<bool(unsigned int type)> messageBeep;
        std::function<std::optional<bool>(const QByteArray& formatChunk)> formatPlays;
    };
    static Calls systemCalls();

    explicit WindowsSound(Calls calls = systemCalls());
    ~WindowsSound() override;
    WindowsSound(const WindowsSound&) = delete;
    WindowsSound& operator=(const WindowsSound&) = delete;

    // Starts the file in the background, replacing a sound still playing; false, playing
    // nothing, when checkWave finds a problem.
    bool playWave(const QString& path) override;
    // Why Windows cannot play the file: the file's own faults, then Windows' answer for
    // its format (or, where no output device answers, the layouts the program knows).
    std::optional<WaveProblem> checkWave(const QString& path) const override;
    void stop() override;
    // The standard sound; the default sound of Windows when it cannot be played.
    void beep() override;

private:
    Calls calls_;
    // Played from memory in the background: it stays until the last sound has stopped.
    QByteArray standardSound_;
};
