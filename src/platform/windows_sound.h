#pragma once

#include <QString>
#include <functional>

// Plays wave files and the standard sound through Windows' own calls (PlaySoundW,
// MessageBeep): no audio framework, and no stream held open between sounds.
class WindowsSound
{
public:
    // The two calls made of Windows, as PlaySoundW (a sound name, null to stop, and its
    // flags) and MessageBeep (its sound type) take them; tests put recorders in their place.
    struct Calls
    {
        std::function<bool(const wchar_t* sound, unsigned long flags)> playSound;
        std::function<bool(unsigned int type)> messageBeep;
    };
    static Calls systemCalls();

    explicit WindowsSound(Calls calls = systemCalls());

    // Starts the file in the background, replacing a sound still playing; false, playing
    // nothing, when it is no wave file (missing, unreadable, something else).
    bool playWave(const QString& path);
    void stop();
    void beep();

private:
    Calls calls_;
};
