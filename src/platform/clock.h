#pragma once

#include "core/local_time.h"

#include <optional>

// The clock of the desktop. Every reading of the time goes through it, so that tests
// set the time and no test sleeps. SystemClock is the real one.
class Clock
{
public:
    virtual ~Clock() = default;

    // The current local date and time, with milliseconds and its distance from UTC.
    virtual LocalTime now() const = 0;

    // The first moment after `utcSeconds` (seconds since the epoch) at which the local
    // time's distance from UTC changes, the clocks going forward or back for daylight
    // saving time; none when the time zone has no such change to come.
    virtual std::optional<qint64> nextOffsetChange(qint64 utcSeconds) const = 0;
};
