#include "platform/windows/windows_sound.h"

#include "core/artwork.h"
#include "platform/system_sound.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <algorithm>

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

std::optional<bool> formatPlays(const QByteArray& formatChunk)
{
    // A WAVEFORMATEX as Windows reads it: a plain 16-byte format has no size of its
    // extra bytes, and a stated size is kept within the chunk.
    QByteArray format = formatChunk;
    const qsizetype base = qsizetype(sizeof(WAVEFORMATEX));
    if (format.size() < base) {
        format.append(QByteArray(base - format.size(), '\0'));
    }
    const quint16 extra = quint16(
        std::min<qsizetype>(qFromLittleEndian<quint16>(format.constData() + 16), format.size() - base));
    qToLittleEndian(extra, format.data() + 16);
    WAVEFORMATEX* wave = reinterpret_cast<WAVEFORMATEX*>(format.data());
    switch (waveOutOpen(nullptr, WAVE_MAPPER, wave, 0, 0, WAVE_FORMAT_QUERY)) {
    case MMSYSERR_NOERROR:
        return true;
    case WAVERR_BADFORMAT:
        return false;
    default: // no output device, no driver: nobody to ask
        return std::nullopt;
    }
}

} // namespace

WindowsSound::Calls WindowsSound::systemCalls()
{
    return Calls{.playSound = playSound, .messageBeep = messageBeep, .formatPlays = formatPlays};
}

WindowsSound::WindowsSound(Calls calls) : calls_(std::move(calls))
{
    QFile standard(artwork::resource(artwork::standardSound));
    if (standard.open(QIODevice::ReadOnly)) {
        standardSound_ = standard.readAll();
    }
}

WindowsSound::~WindowsSound()
{
    // Windows may still be reading the standard sound from memory.
    stop();
}

std::optional<WaveProblem> WindowsSound::checkWave(const QString& path) const
{
    const std::variant<WaveHeader, WaveProblem> read = readWaveHeader(path);
    if (const WaveProblem* problem = std::get_if<WaveProblem>(&read)) {
        return *problem;
    }
    const WaveHeader& header = std::get<WaveHeader>(read);
    const std::variant<SampleLayout, WaveProblem> layout = sampleLayout(header);
    const WaveProblem* ownProblem = std::get_if<WaveProblem>(&layout);
    const std::optional<bool> plays = calls_.formatPlays(header.formatChunk);
    if (plays.value_or(!ownProblem)) {
        return std::nullopt;
    }
    return ownProblem ? *ownProblem : WaveProblem::Encoding;
}

bool WindowsSound::playWave(const QString& path)
{
    if (checkWave(path)) {
        return false;
    }
    // A file that can no longer be read when Windows opens it plays the default sound:
    // an alarm is never silent.
    const QString native = QDir::toNativeSeparators(path);
    return calls_.playSound(reinterpret_cast<const wchar_t*>(native.utf16()), SND_FILENAME | SND_ASYNC);
}

void WindowsSound::stop()
{
    calls_.playSound(nullptr, 0);
}

void WindowsSound::beep()
{
    // PlaySoundW takes a wave file in memory in place of a name.
    const auto* sound = reinterpret_cast<const wchar_t*>(standardSound_.constData());
    if (standardSound_.isEmpty() || !calls_.playSound(sound, SND_MEMORY | SND_ASYNC | SND_NODEFAULT)) {
        calls_.messageBeep(MB_OK);
    }
}

std::unique_ptr<SoundOutput> makeSystemSound()
{
    return std::make_unique<WindowsSound>();
}
