#pragma once

#include <QTime>

// The four stepping buttons of the alarm edit window. The hour wraps between 23 and 0,
// the minute between 59 and 0, each without touching the other.
enum class TimeStep
{
    None,
    HourUp,
    HourDown,
    MinuteUp,
    MinuteDown
};

// The time one step on; whole minutes.
QTime stepTime(TimeStep step, QTime time);
