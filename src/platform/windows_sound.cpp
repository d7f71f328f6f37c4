#include "platform/windows_sound.h"

#include "platform/wave_file.h"

#include <QDir>

// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

namespace {

bool playSound(const wchar_t* sound, unsigned long flags)
{
    return PlaySoundW(sound, nullptr, DWORD(flags)) != FALSE;
}

bool messageBeep(unsigned int type)
{
    return MessageBeep(type) != FALSE;
}

} // namespace

WindowsSound::Calls WindowsSound::systemCalls()
{
    return Calls{.playSound = playSound, .messageBeep = messageBeep};
}

WindowsSound::WindowsSound(Calls calls) : calls_(std::move(calls)) {}

bool WindowsSound::playWave(const QString& path)
{
    if (!looksLikeWave(path)) {
        return false;
    }
    // A wave file Windows cannot decode after all plays the default sound: an alarm is
    // never silent.
    const QString native = QDir::toNativeSeparators(path);
    return calls_.playSound(reinterpret_cast<const wchar_t*>(native.utf16()), SND_FILENAME | SND_ASYNC);
}

void WindowsSound::stop()
{
    calls_.playSound(nullptr, 0);
}

void WindowsSound::beep()
{
    calls_.messageBeep(MB_OK);
}
