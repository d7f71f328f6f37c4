#pragma once

#include "platform/clock_watch.h"

#include <optional>

// The system's notices of a jump of the clock as the test gives them, and the moment
// the clock last asked to be woken by.
class FakeClockWatch final : public ClockWatch
{
public:
    bool watch(std::function<void()> jumped) override
    {
        jumped_ = std::move(jumped);
        return true;
    }
    void wakeBy(qint64 utcMilliseconds) override { deadline = utcMilliseconds; }

    // The system's word that the clock jumped (set by hand, or the machine resumed).
    void tellJump() const
    {
        if (jumped_) {
            jumped_();
        }
    }

    std::optional<qint64> deadline;

private:
    std::function<void()> jumped_;
};
