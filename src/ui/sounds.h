#pragma once

#include "ui/dialogs.h"

struct Alarm;
class SoundOutput;

// The one place that decides what is heard. An alarm is heard once, as it rings: its wave
// file, or the standard sound where it has none or the file cannot be played. Each notice
// of the message window gets the standard sound as it comes, except a ringing alarm's,
// whose sound its ringing gave.
class Sounds final
{
public:
    explicit Sounds(SoundOutput& output);

    void alarmRang(const Alarm& alarm);
    void noticeShown(Dialogs::Notice notice);
    // Silence: the program is ending.
    void stop();

private:
    SoundOutput& output_;
};
