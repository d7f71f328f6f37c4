#pragma once

#include "ui/dialogs.h"

#include <QString>
#include <optional>

struct Alarm;
struct Chime;
class SoundOutput;

// The one place that decides what is heard. An alarm is heard once, as it rings: its wave
// file, or the standard sound where it has none or the file cannot be played. Each notice
// of the message window gets the standard sound as it comes, except a ringing alarm's,
// whose sound its ringing gave (the list of alarms missed has the standard sound, once
// for the list). The hourly chime is its wave file or the standard sound,
// as an alarm's.
class Sounds final
{
public:
    explicit Sounds(SoundOutput& output);

    void alarmRang(const Alarm& alarm);
    void noticeShown(Dialogs::Notice notice);
    void hourChimed(const Chime& chime);
    // Silence: the program is ending.
    void stop();

private:
    // The wave file, or the standard sound where there is none or it cannot be played.
    void play(const std::optional<QString>& waveFile);

    SoundOutput& output_;
};
