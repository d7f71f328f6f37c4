#pragma once

#include <QString>

// The four stepping buttons of the alarm edit window. Each step keeps the text two
// digits long; the hour wraps between 23 and 00, the minute between 59 and 00.
enum class TimeStep
{
    None = 0,
    HourUp = 1,
    HourDown = 2,
    MinuteUp = 3,
    MinuteDown = 4
};

QString stepTime(TimeStep step, const QString& text);
