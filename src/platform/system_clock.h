#pragma once

#include "platform/clock.h"

// The system's own clock, read through the C library: no Qt objects, so the ticks
// allocate nothing. Its daylight saving changes are the system time zone's.
class SystemClock final : public Clock
{
public:
    LocalTime now() const override;
    std::optional<qint64> nextOffsetChange(qint64 utcSeconds) const override;
};
