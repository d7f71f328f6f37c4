#include "ui/sounds.h"

#include "platform/sound_output.h"
#include "storage/alarm.h"

Sounds::Sounds(SoundOutput& output) : output_(output) {}

void Sounds::alarmRang(const Alarm& alarm)
{
    if (!alarm.waveFile || !output_.playWave(*alarm.waveFile)) {
        output_.beep();
    }
}

void Sounds::noticeShown(Dialogs::Notice notice)
{
    switch (notice) {
    case Dialogs::Notice::AlarmRang:
        return;
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
