#include "ui/sounds.h"

#include "platform/sound_output.h"
#include "storage/alarm.h"
#include "storage/chime.h"

Sounds::Sounds(SoundOutput& output) : output_(output) {}

void Sounds::alarmRang(const Alarm& alarm)
{
    play(alarm.waveFile);
}

void Sounds::hourChimed(const Chime& chime)
{
    play(chime.waveFile);
}

void Sounds::play(const std::optional<QString>& waveFile)
{
    if (!waveFile || !output_.playWave(*waveFile)) {
        output_.beep();
    }
}

void Sounds::noticeShown(Dialogs::Notice notice)
{
    switch (notice) {
    case Dialogs::Notice::AlarmRang:
        return;
    case Dialogs::Notice::AlarmsMissed:
    case Dialogs::Notice::AlarmsSavedFromList:
    case Dialogs::Notice::AlarmsSavedFromEditor:
    case Dialogs::Notice::HandColoursChanged:
    case Dialogs::Notice::ReadoutColourChanged:
        output_.beep();
        return;
    }
}

void Sounds::stop()
{
    output_.stop();
}
