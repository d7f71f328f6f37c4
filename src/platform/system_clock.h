#pragma once

#include "platform/clock.h"

// The system's own clock, read through the C library: no Qt objects, so the ticks
// allocate nothing.
class SystemClock final : public Clock
{
public:
    LocalTime now() const override;
};
