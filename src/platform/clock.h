#pragma once

#include "core/local_time.h"

// The clock of the desktop. Every reading of the time goes through it, so that tests
// set the time and no test sleeps. SystemClock is the real one.
class Clock
{
public:
    virtual ~Clock() = default;

    // The current local date and time, with milliseconds and its distance from UTC.
    virtual LocalTime now() const = 0;
};
